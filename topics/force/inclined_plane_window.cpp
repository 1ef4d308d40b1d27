#include "kit/designed_window.h"
#include "topics/force/inclined_plane.h"
#include "topics/force/windows.h"
#include "ui_form8.h"

namespace tavek {

namespace {

class InclinedPlaneWindow final : public DesignedWindow<Ui::InclinedPlaneWindow> {
public:
    using DesignedWindow::DesignedWindow;

private:
    void build() override
    {
        setupUi();
        auto& u = *ui_;
        setExercises({
            {.presses = {{u.Button1, smooth_incline}},
             .inputs = {u.Edit1, u.Edit2, u.Edit3},
             .results = {u.Label17, u.Label18, u.Label8, u.Label9, u.Label10},
             .clear = u.Button2},
            {.presses = {{u.Button3, block_on_wall}},
             .inputs = {u.Edit4, u.Edit5},
             .results = {u.Label21, u.Label22},
             .clear = u.Button4},
        });
        setResultLock({.revealLabel = "Label13", .passwordLabel = "Label34"});
    }
};

} // namespace

FormWindow* createInclinedPlaneWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return create<InclinedPlaneWindow>(number, context, owner);
}

} // namespace tavek
