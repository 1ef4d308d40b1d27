#include "kit/frame/designed_window.h"
#include "topics/launches/exercises.h"
#include "topics/launches/windows.h"
#include "ui_form5.h"

namespace tavek {

FormWindow* createObliqueLaunchesWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::ObliqueLaunchesWindow>(number, context, owner, exercises_of(launches_exercises(), number),
                                               [](auto& u, Design& d, const Context&) {
                                                   d.lock = {.revealLabel = "Label3", .passwordLabel = "Label18"};
                                                   d.quickSi = {u.Edit1, u.Label7, u.CheckBox1, u.kmhms1, u.mihms1,
                                                                u.cmsms1};
                                               });
}

} // namespace tavek
