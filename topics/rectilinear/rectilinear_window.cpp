#include "kit/frame/designed_window.h"
#include "topics/rectilinear/rectilinear.h"
#include "topics/rectilinear/windows.h"
#include "ui_form2.h"

namespace tavek {

FormWindow* createRectilinearWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::RectilinearWindow>(number, context, owner, [](auto& u, Design& d, const Context& context) {
        RandomDraw* random = context.random; // the draw every window shares
        d.exercises = {
            {{{u.Button1, average_motion}}, {u.Edit1, u.Edit2, u.Edit3, u.Edit4}, {u.Edit5, u.Edit6}, u.Button2},
            {{{u.Button3, cubic_motion}}, {u.Edit7, u.Edit8, u.Edit9, u.Edit10}, {u.Edit11, u.Edit12}, u.Button4},
            {{{u.Button5, [random](const Cells& cells) { return vertical_launch(cells, *random); }}},
             {u.Edit13},
             {u.Label32, u.Label33, u.Label34, u.Label35, u.Label36, u.Label37},
             u.Button6},
        };
        d.lock = {.revealLabel = "Label3", .passwordLabel = "Label39", .disableAction = "Desabilotarcdulasderesultados1"};
        d.quickSi = {u.Edit13, u.Label38, u.CheckBox1, u.kmhms1, u.mihms1, u.cmsms1};
    });
}

} // namespace tavek
