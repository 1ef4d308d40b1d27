#include "topics/launches/launches.h"

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "kit/core/classroom.h"
#include "kit/core/run.h"

namespace tavek {

namespace {

using classroom::basketDistance;
using classroom::basketHeight;
using classroom::fortyFiveRadians;
using classroom::kmhPerMs;

Real radians(Real degrees) { return Real(classroom::pi) * degrees / 180.0; }

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
    w.knownPi();
    return w.step("rad", "θ_{rad}", "@pi × @theta / 180", radians(degrees), "rad", kAngleDecimals);
}

} // namespace

void dropped_missile(Run& r)
{
    const Real v = r.read("v");
    const Real h = r.read("h");
    if (!r.ok())
        return;
    if (h < 0)
        r.refuse("h", "Altura com medida negativa, ajuste seus dados");
    if (v < 0)
        r.refuse("v", "Velocidade com valor negativo, ajuste seus dados");
    // A zero speed or height has nothing to compute: no message, but the
    // solution says which value it was.
    if (!(h > 0 && v > 0)) {
        Working& w = r.work(4, 4);
        if (h == 0)
            w.remark("A altura y_{0} é 0: o míssil já está no chão e não há tempo nem distância a calcular.");
        if (v == 0)
            w.remark("A velocidade v_{0} é 0: a nave não se move e não há distância a calcular.");
        return;
    }

    Working& w = r.work(4, 4);
    w.given("v", v);
    w.given("h", h);
    w.known("g", "g", classroom::g, "m/s²");
    w.remark("O míssil sai com a velocidade horizontal da nave e cai a partir do repouso na vertical: "
             "y_{0} = g × t² / 2.");
    const Real t = w.step("t", "√(@h / (@g / 2))", sqrt(h / (Real(classroom::g) / 2.0)));
    r.write({"t"});
    w.step("d", "@v × @t", v * t);
    r.write({"d"});
}

void basketball_jump(Run& r)
{
    const Real height = r.read("h");
    if (!r.ok())
        return;
    if (height < 0)
        r.refuse("h", "Altura do atleta negativa, ajuste seus dados");
    if (!(height > 0)) {
        if (height == 0)
            r.work(4, 4).remark("A altura do atleta é 0: não há lançamento a calcular.");
        return;
    }

    // The ball leaves the hands at 1.46 times the athlete's height. The
    // release height and the rise are steps, not answers: an athlete near
    // the largest double still has a speed that fits, so both stay wide.
    const Extended y0 = height + height * classroom::releasePercent / 100.0;
    // Negative when the ball leaves the hands above the rim.
    const Extended dy = basketHeight - kept(y0);

    Working& w = r.work(4, 4);
    w.given("h", height);
    w.known("basket", "h_{cesta}", basketHeight, "m");
    w.known("g", "g", classroom::g, "m/s²");
    w.known("rad", "θ_{rad}", fortyFiveRadians, "rad");
    w.known("x", "Δx", basketDistance, "m");
    w.known("kmh", "f", kmhPerMs, "(km/h)/(m/s)");
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
    const Real c = w.step("cos", "cos θ", "cos(@rad)", cos(Real(fortyFiveRadians)), "", kAngleDecimals);
    const Real tg = w.step("tg", "tg θ", "tg(@rad)", sin(Real(fortyFiveRadians)) / c, "", kAngleDecimals);
    const std::string speed = "√(@g × @x² / (2 × (@cos)² × (@x × @tg − " + std::string(rise) + ")))";
    const Real v0 = w.step("v0", speed,
                           sqrt(Real(classroom::g) * (basketDistance * basketDistance) /
                                (Real(2.0) * (c * c) * (basketDistance * tg - dy))));
    w.step("v0kmh", "@v0 × @kmh", Real(kmhPerMs) * v0);
    w.remark(classroom::kmhSentence);
    r.write({"v0", "v0kmh"});

    // The rise lasts until the vertical speed is spent, at the top of the arc.
    const Real s = w.step("sin", "sen θ", "sen(@rad)", sin(Real(fortyFiveRadians)), "", kAngleDecimals);
    const Real vy = w.step("vy", "v_{y}", "@v0 × @sin", s * v0, "m/s");
    const Real up = w.step("up", "@vy / @g", vy / classroom::g);
    r.write({"up"});

    const Real travel = w.step("travel", "@x / (@cos × @v0)", Real(basketDistance) / (c * v0));
    r.write({"travel"});
    if (up < travel)
        w.remark("A bola chega ao alto do arco em t_{s} e passa pelo aro já descendo, em t.");
    else
        w.remark("A bola passa pelo aro em t, ainda subindo: o alto do arco, em t_{s}, fica além da cesta.");
}

void draw_launch_angle(Run& r)
{
    Working& w = r.work(0, 0);
    const Real angle = w.given("theta", r.draw("theta"));
    w.remark("Com o ângulo sorteado, pressione \"Calcular Velocidade Inicial\" para ver como sai a velocidade.");
    r.display("theta", angle, 0);
    // The button that computes its speed, hidden until there is an angle.
    r.out().show(r.record().presses.back().button);
}

void drawn_angle_speed(Run& r)
{
    Working& w = r.work(4, 2);
    const Real angle = w.given("theta", r.kept("theta"));
    w.known("dy", "Δy", classroom::rimRise, "m");
    w.known("k", "2 × g × Δy", classroom::twiceGRimRise, "m²/s²");
    w.known("kmh", "f", kmhPerMs, "(km/h)/(m/s)");
    w.remark("Δy = 1.37 m é a altura do aro acima das mãos, e 26.852 = 2 × 9.8 × 1.37. O exercício quer a "
             "bola chegando ao aro no alto da sua trajetória, onde a velocidade vertical se anula: "
             "(v_{0} × sen θ)² = 2 × g × Δy.");
    const Real theta = radiansStep(w, angle);
    const Real s = w.step("sin", "sen θ", "sen(@rad)", sin(theta), "", kAngleDecimals);
    const Real v0 = w.step("v0", "√(@k / (@sin)²)", sqrt(Real(classroom::twiceGRimRise) / (s * s)));
    w.step("v0kmh", "@v0 × @kmh", Real(kmhPerMs) * v0);
    w.remark(classroom::kmhSentence);
    r.write({"v0", "v0kmh"});

    // The top of the arc lies v0² sen θ cos θ / g ahead: 2 Δy / tg θ.
    const Real tg = w.step("tg", "tg θ", "tg(@rad)", s / cos(theta), "", kAngleDecimals);
    w.step("d", "d", "2 × @dy / @tg", Real(2.0 * classroom::rimRise) / tg, "m");
    w.remark("Esse arremesso só dá certo de uma distância d do aro, na horizontal: o alto do arco fica a "
             "d = 2 × Δy / tg θ do ponto de lançamento.");
}

void kicked_ball(Run& r)
{
    const Real v0 = r.read("v0");
    const Real alpha = r.read("theta");
    if (!r.ok())
        return;
    if (v0 < 0)
        r.refuse("v0", "Velocidade negativa. Ajuste seus dados");
    if (alpha < 0 || alpha > 90)
        r.refuse("theta", "Ajuste medida do ângulo");
    if (!(v0 > 0 && alpha >= 0 && alpha <= 90)) {
        if (v0 == 0)
            r.work(4, 2).remark("A velocidade v_{0} é 0: a bola não sai do chão e não há o que calcular.");
        return;
    }

    Working& w = r.work(4, 2);
    w.given("v0", v0);
    w.given("theta", alpha);
    w.known("g", "g", classroom::g, "m/s²");
    const Real theta = radiansStep(w, alpha);
    const Real s = w.step("sin", "sen θ", "sen(@rad)", sin(theta), "", kAngleDecimals);
    const Real vy = w.step("vy", "v_{y}", "@v0 × @sin", s * v0, "m/s");
    w.step("hmax", "@vy² / (2 × @g)", vy * vy / (Real(2.0) * classroom::g));
    r.write({"hmax"});
    w.step("t", "2 × @vy / @g", Real(2.0) * vy / classroom::g);
    r.write({"t"});
    const Real s2 = w.step("sin2", "sen 2θ", "sen(2 × @rad)", sin(Real(2.0) * theta), "", kAngleDecimals);
    w.step("A", "@sin2 × @v0² / @g", s2 * (v0 * v0) / classroom::g);
    r.write({"A"});
}

} // namespace tavek
