#include "kit/designed_window.h"
#include "topics/force/incline_friction.h"
#include "topics/force/windows.h"
#include "ui_form9.h"

namespace tavek {

namespace {

class InclineFrictionWindow final : public DesignedWindow<Ui::InclineFrictionWindow> {
public:
    using DesignedWindow::DesignedWindow;

private:
    void build() override
    {
        setupUi();
        auto& u = *ui_;
        setExercises({
            {.presses = {{u.Button1, rough_incline}},
             .inputs = {u.Edit1, u.Edit2, u.Edit3, u.Edit4},
             .results = {u.Label17, u.Label18, u.Label8, u.Label9, u.Label13, u.Label10},
             .clear = u.Button2},
            {.presses = {{u.Button3, rough_incline_work}},
             .inputs = {u.Edit5, u.Edit6, u.Edit7, u.Edit8, u.Edit9},
             .results = {u.Label24, u.Label31, u.Label32, u.Label33, u.Label34, u.Label35, u.Label36, u.Label37,
                         u.Label38, u.Label39, u.Label40, u.Label41},
             .clear = u.Button4},
        });
        setResultLock({.revealLabel = "Label25", .passwordLabel = "Label42"});
    }
};

} // namespace

FormWindow* createInclineFrictionWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return create<InclineFrictionWindow>(number, context, owner);
}

} // namespace tavek
