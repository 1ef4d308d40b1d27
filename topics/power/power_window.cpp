#include "kit/designed_window.h"
#include "topics/power/power.h"
#include "topics/power/windows.h"
#include "ui_form10.h"

namespace tavek {

namespace {

class PowerWindow final : public DesignedWindow<Ui::PowerWindow> {
public:
    using DesignedWindow::DesignedWindow;

private:
    void build() override
    {
        setupUi();
        auto& u = *ui_;
        setExercises({
            {.presses = {{u.Button1, elevator_power}},
             .inputs = {u.Edit1, u.Edit2, u.Edit3},
             .results = {u.Label18, u.Label8, u.Label6},
             .clear = u.Button2},
            {.presses = {{u.Button3, incline_power}},
             .inputs = {u.Edit8, u.Edit4, u.Edit5, u.Edit6, u.Edit7},
             .results = {u.Label19, u.Label20, u.Label22, u.Label23, u.Label24},
             .clear = u.Button4},
        });
        setResultLock({.revealLabel = "Label25", .passwordLabel = "Label34"});
        setQuickSi({u.Edit8, u.Label27, u.CheckBox1, u.Kmhms1, u.mihms1, u.cmsms1});
    }
};

} // namespace

FormWindow* createPowerWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return create<PowerWindow>(number, context, owner);
}

} // namespace tavek
