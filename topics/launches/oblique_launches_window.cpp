#include "kit/frame/designed_window.h"
#include "topics/launches/launches.h"
#include "topics/launches/windows.h"
#include "ui_form5.h"

namespace tavek {

FormWindow* createObliqueLaunchesWindow(FormNumber number, const Context& context, QWidget* owner)
{
    return designed<Ui::ObliqueLaunchesWindow>(number, context, owner, [](auto& u, Design& d, const Context& context) {
        // Degrees of exercise 3: 0 until the first draw, kept through its clear.
        auto angle = std::make_shared<Real>(0.0);
        RandomDraw* random = context.random;
        d.exercises = {
            // The drawn angle and the button that computes its speed are given
            // data, not answers: the clear hides them, the lock leaves them.
            {.presses = {{u.Button1, [angle, random](const Cells&) { return draw_launch_angle(*random, *angle); }},
                         {u.Button2, [angle](const Cells&) { return drawn_angle_speed(*angle); }}},
             .inputs = {},
             .results = {u.Label8},
             .clear = u.Button3,
             .givens = {u.Button2, u.Label10}},
            {{{u.Button4, kicked_ball}}, {u.Edit1, u.Edit2}, {u.Label12, u.Label17, u.Label16}, u.Button5},
        };
        d.solutions.first = 3; // as the statements number them
        d.lock = {.revealLabel = "Label3", .passwordLabel = "Label18"};
        d.quickSi = {u.Edit1, u.Label7, u.CheckBox1, u.kmhms1, u.mihms1, u.cmsms1};
    });
}

} // namespace tavek
