#include "kit/frame/designed_window.h"
#include "topics/launches/exercises.h"
#include "topics/launches/windows.h"
#include "ui_form4.h"

namespace tavek {

FormWindow* createLaunchesWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::LaunchesWindow>(number, context, owner, exercises_of(launches_exercises(), number),
                                        [](auto& u, Design& d, const Context&) {
                                            d.lock = {.revealLabel = "Label3", .passwordLabel = "Label14"};
                                            d.quickSi = {u.Edit1, u.Label9, u.CheckBox1, u.kmhms1, u.mihms1, u.cmsms1};
                                        });
}

} // namespace tavek
