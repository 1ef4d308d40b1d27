#pragma once
#include <memory>

#include "kit/form_window.h"

namespace Ui {
class TForm4;
}

namespace tavek {

class TForm4 : public FormWindow {
    Q_OBJECT
public:
    TForm4(const Context& context, QWidget* parent);
    ~TForm4() override;

protected:
    void build() override;

private:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

    std::unique_ptr<Ui::TForm4> ui_;
};

} // namespace tavek
