#pragma once
#include <memory>

#include "kit/form_window.h"

namespace Ui {
class TForm7;
}

namespace tavek {

// First window of further force and motion exercises: three blocks pulled on a
// smooth floor, and three blocks on a table drawn by a fourth that hangs.
class TForm7 : public FormWindow {
    Q_OBJECT
public:
    TForm7(const Context& context, QWidget* parent);
    ~TForm7() override;

protected:
    void build() override;

private:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

    std::unique_ptr<Ui::TForm7> ui_;
};

} // namespace tavek
