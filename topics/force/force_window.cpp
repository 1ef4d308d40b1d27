#include "kit/frame/designed_window.h"
#include "topics/force/force.h"
#include "topics/force/windows.h"
#include "ui_form6.h"

namespace tavek {

FormWindow* createForceWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::ForceWindow>(number, context, owner, [](auto& u, Design& d, const Context&) {
        d.exercises = {
            {{{u.Button1, rope_tensions}}, {u.Edit1}, {u.Label12, u.Label2, u.Label3, u.Label4}, u.Button2},
            {{{u.Button3, pulled_block}}, {u.Edit2, u.Edit3, u.Edit4}, {u.Label16, u.Label17, u.Label18}, u.Button4},
        };
        d.lock = {.revealLabel = "Label5", .passwordLabel = "Label19"};
    });
}

} // namespace tavek
