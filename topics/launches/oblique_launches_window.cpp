#include "kit/designed_window.h"
#include "topics/launches/launches.h"
#include "topics/launches/windows.h"
#include "ui_form5.h"

namespace tavek {

namespace {

class ObliqueLaunchesWindow final : public DesignedWindow<Ui::ObliqueLaunchesWindow> {
public:
    using DesignedWindow::DesignedWindow;

private:
    void build() override
    {
        setupUi();
        auto& u = *ui_;
        setExercises({
            // The drawn angle and the button that computes its speed are given
            // data, not answers: the clear hides them, the lock leaves them.
            {.presses = {{u.Button1, [this](const Cells&) { return draw_launch_angle(*context().random, angle_); }},
                         {u.Button2, [this](const Cells&) { return drawn_angle_speed(angle_); }}},
             .inputs = {},
             .results = {u.Label8},
             .clear = u.Button3,
             .givens = {u.Button2, u.Label10}},
            {.presses = {{u.Button4, kicked_ball}},
             .inputs = {u.Edit1, u.Edit2},
             .results = {u.Label12, u.Label17, u.Label16},
             .clear = u.Button5},
        });
        setResultLock({.revealLabel = "Label3", .passwordLabel = "Label18"});
        setQuickSi({u.Edit1, u.Label7, u.CheckBox1, u.kmhms1, u.mihms1, u.cmsms1});
    }

    // Degrees of exercise 3; 0 until the first draw, kept through its clear.
    Real angle_ = 0.0;
};

} // namespace

FormWindow* createObliqueLaunchesWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return create<ObliqueLaunchesWindow>(number, context, owner);
}

} // namespace tavek
