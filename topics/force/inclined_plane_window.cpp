#include "kit/frame/designed_window.h"
#include "topics/force/inclined_plane.h"
#include "topics/force/windows.h"
#include "ui_form8.h"

namespace tavek {

FormWindow* createInclinedPlaneWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::InclinedPlaneWindow>(number, context, owner, [](auto& u, Design& d, const Context&) {
        d.exercises = {
            {{{u.Button1, smooth_incline}}, {u.Edit1, u.Edit2, u.Edit3},
             {u.Label17, u.Label18, u.Label8, u.Label9, u.Label10}, u.Button2},
            {{{u.Button3, block_on_wall}}, {u.Edit4, u.Edit5}, {u.Label21, u.Label22}, u.Button4},
        };
        d.solutions.first = 5; // as the statements number them
        d.lock = {.revealLabel = "Label13", .passwordLabel = "Label34"};
    });
}

} // namespace tavek
