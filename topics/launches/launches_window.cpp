#include "kit/designed_window.h"
#include "topics/launches/launches.h"
#include "topics/launches/windows.h"
#include "ui_form4.h"

namespace tavek {

namespace {

class LaunchesWindow final : public DesignedWindow<Ui::LaunchesWindow> {
public:
    using DesignedWindow::DesignedWindow;

private:
    void build() override
    {
        setupUi();
        auto& u = *ui_;
        setExercises({
            {.presses = {{u.Button1, dropped_missile}},
             .inputs = {u.Edit1, u.Edit2},
             .results = {u.Label10, u.Label8},
             .clear = u.Button2},
            {.presses = {{u.Button3, basketball_jump}},
             .inputs = {u.Edit3},
             .results = {u.Label16, u.Label17, u.Label18},
             .clear = u.Button4},
        });
        setResultLock({.revealLabel = "Label3", .passwordLabel = "Label14"});
        setQuickSi({u.Edit1, u.Label9, u.CheckBox1, u.kmhms1, u.mihms1, u.cmsms1});
    }
};

} // namespace

FormWindow* createLaunchesWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return create<LaunchesWindow>(number, context, owner);
}

} // namespace tavek
