#pragma once
#include <memory>

#include "kit/form_window.h"

namespace Ui {
class TForm6;
}

namespace tavek {

// The force and motion window: tensions in the ropes of a suspended block, and
// the acceleration of a block pulled at an angle against an opposing force.
class TForm6 : public FormWindow {
    Q_OBJECT
public:
    TForm6(const Context& context, QWidget* parent);
    ~TForm6() override;

protected:
    void build() override;

private:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

    std::unique_ptr<Ui::TForm6> ui_;
};

} // namespace tavek
