#include "kit/frame/designed_window.h"
#include "topics/launches/launches.h"
#include "topics/launches/windows.h"
#include "ui_form4.h"

namespace tavek {

FormWindow* createLaunchesWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::LaunchesWindow>(number, context, owner, [](auto& u, Design& d, const Context&) {
        d.exercises = {
            {{{u.Button1, dropped_missile}}, {u.Edit1, u.Edit2}, {u.Label10, u.Label8}, u.Button2},
            {{{u.Button3, basketball_jump}}, {u.Edit3}, {u.Label16, u.Label17, u.Label18}, u.Button4},
        };
        d.lock = {.revealLabel = "Label3", .passwordLabel = "Label14"};
        d.quickSi = {u.Edit1, u.Label9, u.CheckBox1, u.kmhms1, u.mihms1, u.cmsms1};
    });
}

} // namespace tavek
