#include "kit/frame/designed_window.h"
#include "topics/force/tensions.h"
#include "topics/force/windows.h"
#include "ui_form7.h"

namespace tavek {

FormWindow* createTensionsWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::TensionsWindow>(number, context, owner, [](auto& u, Design& d, const Context&) {
        d.exercises = {
            {{{u.Button1, pulled_blocks}}, {u.Edit1, u.Edit2, u.Edit3, u.Edit4},
             {u.Label4, u.Label15, u.Label16, u.Label17, u.Label18, u.Label19}, u.Button2},
            {{{u.Button3, hanging_block_pull}}, {u.Edit5, u.Edit6, u.Edit7, u.Edit8},
             {u.Label29, u.Label30, u.Label31, u.Label32, u.Label33}, u.Button4},
        };
        d.solutions.first = 3; // as the statements number them
        d.lock = {.revealLabel = "Label21", .passwordLabel = "Label34"};
    });
}

} // namespace tavek
