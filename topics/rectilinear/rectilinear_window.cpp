#include "kit/frame/designed_window.h"
#include "topics/rectilinear/exercises.h"
#include "topics/rectilinear/windows.h"
#include "ui_form2.h"

namespace tavek {

FormWindow* createRectilinearWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::RectilinearWindow>(number, context, owner, exercises_of(rectilinear_exercises(), number),
                                           [](auto& u, Design& d, const Context&) {
                                               d.lock = {.revealLabel = "Label3",
                                                         .passwordLabel = "Label39",
                                                         .disableAction = "Desabilotarcdulasderesultados1"};
                                               d.quickSi = {u.Edit13, u.Label38, u.CheckBox1, u.kmhms1, u.mihms1,
                                                            u.cmsms1};
                                           });
}

} // namespace tavek
