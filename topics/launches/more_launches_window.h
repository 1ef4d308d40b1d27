#pragma once
#include <memory>

#include "kit/form_window.h"
#include "kit/real.h"

namespace Ui {
class TForm5;
}

namespace tavek {

class TForm5 : public FormWindow {
    Q_OBJECT
public:
    TForm5(const Context& context, QWidget* parent);
    ~TForm5() override;

protected:
    void build() override;

private:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();

    std::unique_ptr<Ui::TForm5> ui_;
    // Degrees of exercise 3; 0 until the first draw, kept through its clear.
    Real angle_ = 0.0;
};

} // namespace tavek
