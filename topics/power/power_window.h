#pragma once
#include <memory>

#include "kit/form_window.h"

namespace Ui {
class TForm10;
}

namespace tavek {

class TForm10 : public FormWindow {
    Q_OBJECT
public:
    TForm10(const Context& context, QWidget* parent);
    ~TForm10() override;

protected:
    void build() override;

private:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

    std::unique_ptr<Ui::TForm10> ui_;
};

} // namespace tavek
