#include "kit/designed_window.h"
#include "topics/force/force.h"
#include "topics/force/windows.h"
#include "ui_form6.h"

namespace tavek {

namespace {

class ForceWindow final : public DesignedWindow<Ui::ForceWindow> {
public:
    using DesignedWindow::DesignedWindow;

private:
    void build() override
    {
        setupUi();
        auto& u = *ui_;
        setExercises({
            {.presses = {{u.Button1, rope_tensions}},
             .inputs = {u.Edit1},
             .results = {u.Label12, u.Label2, u.Label3, u.Label4},
             .clear = u.Button2},
            {.presses = {{u.Button3, pulled_block}},
             .inputs = {u.Edit2, u.Edit3, u.Edit4},
             .results = {u.Label16, u.Label17, u.Label18},
             .clear = u.Button4},
        });
        setResultLock({.revealLabel = "Label5", .passwordLabel = "Label19"});
    }
};

} // namespace

FormWindow* createForceWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return create<ForceWindow>(number, context, owner);
}

} // namespace tavek
