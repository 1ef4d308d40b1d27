#include "kit/frame/designed_window.h"
#include "topics/force/exercises.h"
#include "topics/force/windows.h"
#include "ui_form9.h"

namespace tavek {

FormWindow* createInclineFrictionWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::InclineFrictionWindow>(number, context, owner, exercises_of(force_exercises(), number),
                                               [](auto&, Design& d, const Context&) {
                                                   d.lock = {.revealLabel = "Label25", .passwordLabel = "Label42"};
                                               });
}

} // namespace tavek
