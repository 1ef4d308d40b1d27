#include "kit/frame/designed_window.h"
#include "topics/force/exercises.h"
#include "topics/force/windows.h"
#include "ui_form6.h"

namespace tavek {

FormWindow* createForceWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::ForceWindow>(number, context, owner, exercises_of(force_exercises(), number),
                                     [](auto&, Design& d, const Context&) {
                                         d.lock = {.revealLabel = "Label5", .passwordLabel = "Label19"};
                                     });
}

} // namespace tavek
