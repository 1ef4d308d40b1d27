#pragma once
#include <memory>

#include "kit/form_window.h"

namespace Ui {
class TForm8;
}

namespace tavek {

class TForm8 : public FormWindow {
    Q_OBJECT
public:
    TForm8(const Context& context, QWidget* parent);
    ~TForm8() override;

protected:
    void build() override;

private:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

    std::unique_ptr<Ui::TForm8> ui_;
};

} // namespace tavek
