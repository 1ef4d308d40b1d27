#pragma once
#include <memory>

#include "kit/form_window.h"

namespace tavek {

// A window whose layout is a Designer form `Ui`: `ui_` gives its typed
// controls once build() has called setupUi().
template <class Ui>
class DesignedWindow : public FormWindow {
public:
    using FormWindow::FormWindow;

protected:
    void setupUi()
    {
        // The deleter is made here, where the form's class is complete.
        ui_ = {new Ui, [](Ui* ui) { delete ui; }};
        ui_->setupUi(this);
    }

    std::unique_ptr<Ui, void (*)(Ui*)> ui_{nullptr, nullptr};
};

// The window table's way to create a window of class `Window`.
template <class Window>
FormWindow* create(FormNumber number, const Context& context, QWidget* owner)
{
    return new Window(number, context, owner);
}

} // namespace tavek
