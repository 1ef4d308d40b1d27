#include "kit/frame/designed_window.h"
#include "topics/force/exercises.h"
#include "topics/force/windows.h"
#include "ui_form7.h"

namespace tavek {

FormWindow* createTensionsWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::TensionsWindow>(number, context, owner, exercises_of(force_exercises(), number),
                                        [](auto&, Design& d, const Context&) {
                                            d.lock = {.revealLabel = "Label21", .passwordLabel = "Label34"};
                                        });
}

} // namespace tavek
