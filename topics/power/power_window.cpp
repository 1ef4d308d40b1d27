#include "kit/frame/designed_window.h"
#include "topics/power/power.h"
#include "topics/power/windows.h"
#include "ui_form10.h"

namespace tavek {

FormWindow* createPowerWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::PowerWindow>(number, context, owner, [](auto& u, Design& d, const Context&) {
        d.exercises = {
            {{{u.Button1, elevator_power}}, {u.Edit1, u.Edit2, u.Edit3}, {u.Label18, u.Label8, u.Label6}, u.Button2},
            {{{u.Button3, incline_power}}, {u.Edit8, u.Edit4, u.Edit5, u.Edit6, u.Edit7},
             {u.Label19, u.Label20, u.Label22, u.Label23, u.Label24}, u.Button4},
        };
        d.lock = {.revealLabel = "Label25", .passwordLabel = "Label34"};
        d.quickSi = {u.Edit8, u.Label27, u.CheckBox1, u.Kmhms1, u.mihms1, u.cmsms1};
    });
}

} // namespace tavek
