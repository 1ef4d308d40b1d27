#include "topics/launches/launches.h"

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "kit/core/classroom.h"
#include "kit/core/random.h"
#include "topics/launches/figures.h"

namespace tavek {

namespace {

// The exercises turn degrees into radians with the value of pi the students
// use on paper, and state 45 degrees as 0.785 rad.
constexpr double kFortyFive = 0.785;

// The basket stands at 3.1 m above the floor, 4.39 m ahead of the release point.
constexpr double kBasketHeight = 3.1;
constexpr double kBasketDistance = 4.39;

Real radians(Real degrees) { return Real(classroom::pi) * degrees / 180.0; }

// m/s to km/h, as the students multiply.
constexpr double kKmhPerMs = 3.6;

bool fits(Extended y) { return std::fabs(y.wide()) <= std::numeric_limits<double>::max(); }

// The release height rounded to a double, as any kept quantity, while it fits;
// beyond the double range the 3.1 m no longer matter and it stays as it is.
Extended kept(Extended y)
{
    if (fits(y))
        return Extended(static_cast<double>(y.wide()));
    return y;
}

// Angles and their trigonometric values are written with six decimals, as
// the tables students use print them.
constexpr int kAngleDecimals = 6;

// θ in degrees as radians: the sines come out of it again.
Real radiansStep(Working& w, Real degrees)
{
    w.known("pi", "π", classroom::pi, "");
    w.remark(classroom::piSentence);
    return w.step("rad", "θ_{rad}", "@pi × @theta / 180", radians(degrees), "rad", kAngleDecimals);
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
        // A zero speed or height has nothing to compute: no message, but the
        // solution says which value it was.
        if (!(h > 0 && v > 0)) {
            Working w(out.solution, 4, 4);
            if (h == 0)
                w.remark("A altura y_{0} é 0: o míssil já está no chão e não há tempo nem distância a calcular.");
            if (v == 0)
                w.remark("A velocidade v_{0} é 0: a nave não se move e não há distância a calcular.");
            return;
        }

        Working w(out.solution, 4, 4);
        w.given("v", "v_{0}", v, "m/s");
        w.given("h", "y_{0}", h, "m");
        w.known("g", "g", classroom::g, "m/s²");
        w.remark("O míssil sai com a velocidade horizontal da nave e cai a partir do repouso na vertical: "
                 "y_{0} = g × t² / 2.");
        const Real t = w.step("t", "t", "√(@h / (@g / 2))", sqrt(h / (Real(classroom::g) / 2.0)), "s");
        w.shows("t", "Label8");
        out.write("Label8", answer("Tempo de chegada do míssil ao seu alvo = ", t, 4, 4, " s"));
        const Real d = w.step("d", "d", "@v × @t", v * t, "m");
        w.shows("d", "Label10");
        out.write("Label10", answer("Distância percorrida do míssil = ", d, 4, 4, "m "));
        out.figure = dropped_missile_figure(v, h, classroom::g, t, d);
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
        if (!(height > 0)) {
            if (height == 0)
                Working(out.solution, 4, 4).remark("A altura do atleta é 0: não há lançamento a calcular.");
            return;
        }

        // The ball leaves the hands at 1.46 times the athlete's height. The
        // release height and the rise are steps, not answers: an athlete near
        // the largest double still has a speed that fits, so both stay wide.
        const Extended y0 = height + height * 46.0 / 100.0;
        // Negative when the ball leaves the hands above the rim.
        const Extended dy = kBasketHeight - kept(y0);

        Working w(out.solution, 4, 4);
        w.given("h", "h", height, "m");
        w.known("basket", "h_{cesta}", kBasketHeight, "m");
        w.known("g", "g", classroom::g, "m/s²");
        w.known("rad", "θ_{rad}", kFortyFive, "rad");
        w.known("x", "Δx", kBasketDistance, "m");
        w.known("kmh", "f", kKmhPerMs, "(km/h)/(m/s)");
        w.remark("A bola sai das mãos a 1.46 × h (46 % acima da altura do atleta), a 45°, que o exercício toma "
                 "como θ_{rad} = 0.785 rad (π/4 = 0.785398…).");
        w.remark("A cesta está a 3.1 m do chão (o aro oficial fica a 3.05 m) e a Δx = 4.39 m do ponto de "
                 "lançamento; Δy é a altura do aro acima das mãos, negativa quando a bola sai acima dele.");
        w.remark("A trajetória y = x × tg θ − g × x² / (2 × v_{0}² × (cos θ)²) passa pelo aro em x = Δx, y = Δy.");
        // Beyond the double range the release height has no number to write:
        // the speed's formula then starts from the athlete's height.
        std::string_view rise = "(@basket − (@h + @h × 46 / 100))";
        if (fits(kept(y0))) {
            w.step("y0", "y_{0}", "@h + @h × 46 / 100", kept(y0), "m");
            w.step("dy", "Δy", "@basket − @y0", dy, "m");
            rise = "@dy";
        }
        const Real c = w.step("cos", "cos θ", "cos(@rad)", cos(Real(kFortyFive)), "", kAngleDecimals);
        const Real tg = w.step("tg", "tg θ", "tg(@rad)", sin(Real(kFortyFive)) / c, "", kAngleDecimals);
        const std::string speed = "√(@g × @x² / (2 × (@cos)² × (@x × @tg − " + std::string(rise) + ")))";
        const Real v0 = w.step("v0", "v_{0}", speed,
                               sqrt(Real(classroom::g) * (kBasketDistance * kBasketDistance) /
                                    (Real(2.0) * (c * c) * (kBasketDistance * tg - dy))),
                               "m/s");
        const Real kmh = w.step("v0kmh", "v_{0,km/h}", "@v0 × @kmh", Real(kKmhPerMs) * v0, "km/h");
        w.remark(classroom::kmhSentence);
        w.shows("v0", "Label16");
        w.shows("v0kmh", "Label16");
        out.write("Label16", answer("V0 = ", v0, 4, 4, "m/s ->") + answer("", kmh, 4, 4, " km/h"));

        // The rise lasts until the vertical speed is spent, at the top of the arc.
        const Real s = w.step("sin", "sen θ", "sen(@rad)", sin(Real(kFortyFive)), "", kAngleDecimals);
        const Real vy = w.step("vy", "v_{y}", "@v0 × @sin", s * v0, "m/s");
        const Real up = w.step("up", "t_{s}", "@vy / @g", vy / classroom::g, "s");
        w.shows("up", "Label17");
        out.write("Label17", answer("Tempo de subida = ", up, 4, 4, "s "));

        const Real travel = w.step("travel", "t", "@x / (@cos × @v0)", Real(kBasketDistance) / (c * v0), "s");
        w.shows("travel", "Label18");
        out.write("Label18", answer("Tempo do percurso = ", travel, 4, 4, "s "));
        if (up < travel)
            w.remark("A bola chega ao alto do arco em t_{s} e passa pelo aro já descendo, em t.");
        else
            w.remark("A bola passa pelo aro em t, ainda subindo: o alto do arco, em t_{s}, fica além da cesta.");
        out.figure = basketball_figure(y0, v0, vy, c, classroom::g, up, travel, kBasketHeight, kBasketDistance);
    });
}

Outcome draw_launch_angle(RandomDraw& random, Real& angle)
{
    return calculate([&](Outcome& out) {
        angle = Real(random.angle());
        Working w(out.solution, 0, 0);
        w.given("theta", "θ", angle, "°", "sorteado pelo programa");
        w.shows("theta", "Label10");
        w.remark("Com o ângulo sorteado, pressione \"Calcular Velocidade Inicial\" para ver como sai a velocidade.");
        out.write("Label10", answer("", angle, 0, 0, ""));
        out.show("Button2");
    });
}

Outcome drawn_angle_speed(Real angle)
{
    return calculate([&](Outcome& out) {
        Working w(out.solution, 4, 2);
        w.given("theta", "θ", angle, "°", "sorteado pelo programa");
        w.known("dy", "Δy", 1.37, "m");
        w.known("k", "2 × g × Δy", 26.852, "m²/s²");
        w.known("kmh", "f", kKmhPerMs, "(km/h)/(m/s)");
        w.remark("Δy = 1.37 m é a altura do aro acima das mãos, e 26.852 = 2 × 9.8 × 1.37. O exercício quer a "
                 "bola chegando ao aro no alto da sua trajetória, onde a velocidade vertical se anula: "
                 "(v_{0} × sen θ)² = 2 × g × Δy.");
        const Real theta = radiansStep(w, angle);
        const Real s = w.step("sin", "sen θ", "sen(@rad)", sin(theta), "", kAngleDecimals);
        const Real v0 = w.step("v0", "v_{0}", "√(@k / (@sin)²)", sqrt(Real(26.852) / (s * s)), "m/s");
        const Real kmh = w.step("v0kmh", "v_{0,km/h}", "@v0 × @kmh", Real(kKmhPerMs) * v0, "km/h");
        w.remark(classroom::kmhSentence);
        w.shows("v0", "Label8");
        w.shows("v0kmh", "Label8");
        out.write("Label8", answer("Velocidade Inicial = ", v0, 4, 2, " m/s -> ") + answer("", kmh, 4, 2, " km/h"));

        // The top of the arc lies v0² sen θ cos θ / g ahead: 2 Δy / tg θ.
        const Real tg = w.step("tg", "tg θ", "tg(@rad)", s / cos(theta), "", kAngleDecimals);
        w.step("d", "d", "2 × @dy / @tg", Real(2.0 * 1.37) / tg, "m");
        w.remark("Esse arremesso só dá certo de uma distância d do aro, na horizontal: o alto do arco fica a "
                 "d = 2 × Δy / tg θ do ponto de lançamento.");
        out.figure = drawn_angle_figure(angle, theta, s, v0, classroom::g);
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
        if (!(v0 > 0 && alpha >= 0 && alpha <= 90)) {
            if (v0 == 0)
                Working(out.solution, 4, 2).remark("A velocidade v_{0} é 0: a bola não sai do chão e não há o que "
                                                   "calcular.");
            return;
        }

        Working w(out.solution, 4, 2);
        w.given("v0", "v_{0}", v0, "m/s");
        w.given("theta", "θ", alpha, "°");
        w.known("g", "g", classroom::g, "m/s²");
        const Real theta = radiansStep(w, alpha);
        const Real s = w.step("sin", "sen θ", "sen(@rad)", sin(theta), "", kAngleDecimals);
        const Real vy = w.step("vy", "v_{y}", "@v0 × @sin", s * v0, "m/s");
        const Real hmax = w.step("hmax", "H_{máx}", "@vy² / (2 × @g)", vy * vy / (Real(2.0) * classroom::g), "m");
        w.shows("hmax", "Label12");
        out.write("Label12", answer("Altura máxima atingida pela bola = ", hmax, 4, 2, " m"));
        const Real time = w.step("t", "t", "2 × @vy / @g", Real(2.0) * vy / classroom::g, "s");
        w.shows("t", "Label17");
        out.write("Label17", answer("Tempo do Percurso = ", time, 4, 2, " s"));
        const Real s2 = w.step("sin2", "sen 2θ", "sen(2 × @rad)", sin(Real(2.0) * theta), "", kAngleDecimals);
        const Real range = w.step("A", "A", "@sin2 × @v0² / @g", s2 * (v0 * v0) / classroom::g, "m");
        w.shows("A", "Label16");
        out.write("Label16", answer("Alcance horizontal = ", range, 4, 2, " m"));
        out.figure = kicked_ball_figure(v0, theta, vy, classroom::g, hmax, time, range);
    });
}

} // namespace tavek
