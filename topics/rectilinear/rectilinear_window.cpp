#include "kit/designed_window.h"
#include "topics/rectilinear/rectilinear.h"
#include "topics/rectilinear/windows.h"
#include "ui_form2.h"

namespace tavek {

namespace {

class RectilinearWindow final : public DesignedWindow<Ui::RectilinearWindow> {
public:
    using DesignedWindow::DesignedWindow;

private:
    void build() override
    {
        setupUi();
        auto& u = *ui_;
        setExercises({
            {.presses = {{u.Button1, average_motion}},
             .inputs = {u.Edit1, u.Edit2, u.Edit3, u.Edit4},
             .results = {u.Edit5, u.Edit6},
             .clear = u.Button2},
            {.presses = {{u.Button3, cubic_motion}},
             .inputs = {u.Edit7, u.Edit8, u.Edit9, u.Edit10},
             .results = {u.Edit11, u.Edit12},
             .clear = u.Button4},
            {.presses = {{u.Button5, [this](const Cells& cells) { return vertical_launch(cells, *context().random); }}},
             .inputs = {u.Edit13},
             .results = {u.Label32, u.Label33, u.Label34, u.Label35, u.Label36, u.Label37},
             .clear = u.Button6},
        });
        setResultLock({.revealLabel = "Label3",
                       .passwordLabel = "Label39",
                       .disableAction = "Desabilotarcdulasderesultados1"});
        setQuickSi({u.Edit13, u.Label38, u.CheckBox1, u.kmhms1, u.mihms1, u.cmsms1});
    }
};

} // namespace

FormWindow* createRectilinearWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return create<RectilinearWindow>(number, context, owner);
}

} // namespace tavek
