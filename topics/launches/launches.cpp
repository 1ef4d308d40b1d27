#include "topics/launches/launches.h"

#include <cmath>
#include <limits>

#include "kit/classroom.h"
#include "kit/random.h"

namespace tavek {

namespace {

// The exercises turn degrees into radians with the value of pi the students
// use on paper, and state 45 degrees as 0.785 rad.
constexpr double kFortyFive = 0.785;

// The basket stands at 3.1 m. Held in extended precision so that a release
// height that rounds to the double 3.1 still leaves a (tiny) rise: the speed
// below divides by nothing smaller than that.
constexpr long double kBasketHeight = 3.1L;

Real radians(Real degrees) { return Real(classroom::pi) * degrees / 180.0; }

// The release height rounded to a double, as any kept quantity, while it fits:
// no double equals kBasketHeight, so the rise is never zero. Beyond the double
// range the 3.1 m no longer matter and the height stays as it is.
Extended kept(Extended y)
{
    if (std::fabs(y.wide()) <= std::numeric_limits<double>::max())
        return Extended(static_cast<double>(y.wide()));
    return y;
}

} // namespace

Outcome dropped_missile(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real v = read("Edit1");
        const Real h = read("Edit2");
        if (!read.ok())
            return;
        if (h < 0)
            out.message("Altura com medida negativa, ajuste seus dados", "Edit2");
        if (v < 0)
            out.message("Velocidade com valor negativo, ajuste seus dados", "Edit1");
        // A zero speed or height has nothing to compute and nothing to say.
        if (!(h > 0 && v > 0))
            return;

        const Real t = sqrt(h / (Real(classroom::g) / 2.0));
        out.write("Label8", answer("Tempo de chegada do míssil ao seu alvo = ", t, 4, 4, " s"));
        const Real d = v * t;
        out.write("Label10", answer("Distância percorrida do míssil = ", d, 4, 4, "m "));
    });
}

Outcome basketball_jump(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real height = read("Edit3");
        if (!read.ok())
            return;
        if (height < 0)
            out.message("Altura do atleta negativa, ajuste seus dados", "Edit3");
        if (!(height > 0))
            return;

        // The ball leaves the hands at 1.46 times the athlete's height. The
        // release height and the rise are steps, not answers: an athlete near
        // the largest double still has a speed that fits, so both stay wide.
        const Extended y0 = height + height * 46.0 / 100.0;
        // A release point above the basket is taken as a rise all the same.
        const Extended dy = abs(kBasketHeight - kept(y0));

        const Real s = sin(Real(kFortyFive));
        const Real v0 = sqrt(Real(2.0) * classroom::g * dy / (s * s));
        out.write("Label16", answer("V0 = ", v0, 4, 4, "m/s ->") + answer("", Real(3.6) * v0, 4, 4, " km/h"));

        // This V0 puts the top of the arc at the basket: the rise lasts until
        // the vertical speed is spent.
        const Real vy = s * v0;
        const Real rise = vy / classroom::g;
        out.write("Label17", answer("Tempo de subida = ", rise, 4, 4, "s "));

        const Real travel = Real(4.39) / (cos(Real(kFortyFive)) * v0);
        out.write("Label18", answer("Tempo do percurso = ", travel, 4, 4, "s "));
    });
}

Outcome draw_launch_angle(RandomDraw& random, Real& angle)
{
    return calculate([&](Outcome& out) {
        angle = Real(random.angle());
        out.write("Label10", answer("", angle, 0, 0, ""));
        out.show("Button2");
    });
}

Outcome drawn_angle_speed(Real angle)
{
    return calculate([&](Outcome& out) {
        const Real theta = radians(angle);
        const Real s = sin(theta);
        // 26.852 = 2 g h for the 1.37 m between the release point and the basket.
        const Real v0 = sqrt(Real(26.852) / (s * s));
        out.write("Label8", answer("Velocidade Inicial = ", v0, 4, 2, " m/s -> ") +
                                answer("", Real(3.6) * v0, 4, 2, " km/h"));
    });
}

Outcome kicked_ball(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real v0 = read("Edit1");
        const Real alpha = read("Edit2");
        if (!read.ok())
            return;
        if (v0 < 0)
            out.message("Velocidade negativa. Ajuste seus dados", "Edit1");
        if (alpha < 0 || alpha > 90)
            out.message("Ajuste medida do ângulo", "Edit2");
        if (!(v0 > 0 && alpha >= 0 && alpha <= 90))
            return;

        const Real theta = radians(alpha);
        const Real vy = sin(theta) * v0;
        const Real hmax = vy * vy / (Real(2.0) * classroom::g);
        out.write("Label12", answer("Altura máxima atingida pela bola = ", hmax, 4, 2, " m"));
        const Real time = Real(2.0) * vy / classroom::g;
        out.write("Label17", answer("Tempo do Percurso = ", time, 4, 2, " s"));
        const Real range = sin(Real(2.0) * theta) * (v0 * v0) / classroom::g;
        out.write("Label16", answer("Alcance horizontal = ", range, 4, 2, " m"));
    });
}

} // namespace tavek
