#pragma once
#include <memory>

#include "kit/form_window.h"

namespace Ui {
class TForm2;
}

namespace tavek {

// Rectilinear motion: average velocity and acceleration, the derivatives of a
// cubic position equation, and a vertical launch through a drawn height.
class TForm2 : public FormWindow {
    Q_OBJECT
public:
    TForm2(const Context& context, QWidget* parent);
    ~TForm2() override;

protected:
    void build() override;

private:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();

    std::unique_ptr<Ui::TForm2> ui_;
};

} // namespace tavek
