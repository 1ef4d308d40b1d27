#include "kit/frame/designed_window.h"
#include "topics/power/exercises.h"
#include "topics/power/windows.h"
#include "ui_form10.h"

namespace tavek {

FormWindow* createPowerWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::PowerWindow>(number, context, owner, exercises_of(power_exercises(), number),
                                     [](auto& u, Design& d, const Context&) {
                                         d.lock = {.revealLabel = "Label25", .passwordLabel = "Label34"};
                                         d.quickSi = {u.Edit8, u.Label27, u.CheckBox1, u.Kmhms1, u.mihms1, u.cmsms1};
                                     });
}

} // namespace tavek
