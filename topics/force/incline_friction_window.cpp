#include "kit/frame/designed_window.h"
#include "topics/force/incline_friction.h"
#include "topics/force/windows.h"
#include "ui_form9.h"

namespace tavek {

FormWindow* createInclineFrictionWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::InclineFrictionWindow>(number, context, owner, [](auto& u, Design& d, const Context&) {
        d.exercises = {
            {{{u.Button1, rough_incline}}, {u.Edit1, u.Edit2, u.Edit3, u.Edit4},
             {u.Label17, u.Label18, u.Label8, u.Label9, u.Label13, u.Label10}, u.Button2},
            {{{u.Button3, rough_incline_work}}, {u.Edit5, u.Edit6, u.Edit7, u.Edit8, u.Edit9},
             {u.Label24, u.Label31, u.Label32, u.Label33, u.Label34, u.Label35, u.Label36, u.Label37, u.Label38,
              u.Label39, u.Label40, u.Label41},
             u.Button4},
        };
        d.solutions.first = 6; // as the statements number them
        d.lock = {.revealLabel = "Label25", .passwordLabel = "Label42"};
    });
}

} // namespace tavek
