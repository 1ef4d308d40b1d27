#include "topics/power/power.h"

#include "kit/core/classroom.h"
#include "kit/core/run.h"


namespace tavek {

void elevator_power(Run& r)
{
    const Real m = r.read("m");
    const Real t = r.read("t");
    const Real h = r.read("h");
    if (!r.ok())
        return;
    if (!(m > 0))
        r.refuse("m", "Massa inválida. Ajuste seus dados");
    if (!(t > 0))
        r.refuse("t", "Tempo inválido. Ajuste seus dados");
    if (!(h > 0))
        r.refuse("h", "Altura de deslocamento inválida. Ajuste seus dados");
    if (!(m > 0 && t > 0 && h > 0))
        return;

    Working& w = r.work(4, 2);
    w.given("m", m);
    w.given("t", t);
    w.given("h", h);
    w.known("g", "g", classroom::g, "m/s²");
    w.remark("Com velocidade constante, o cabo puxa o elevador com força igual ao seu peso.");
    const Real weight = w.step("P", "@m × @g", m * classroom::g);
    const Real work = w.step("W", "@P × @h", weight * h);
    w.step("Pot", "@W / @t", work / t);
    r.write({"P", "W", "Pot"});
}

void incline_power(Run& r)
{
    const Real v = r.read("v");
    const Real mu = r.read("mu");
    const Real m = r.read("m");
    const Real co = r.read("CO");
    const Real ca = r.read("CA");
    if (!r.ok())
        return;
    const bool muOk = mu > 0 && mu <= 1;
    if (!muOk)
        r.refuse("mu", "Coeficiente de atrito cinético inválido. Ajuste seus dados");
    if (!(v > 0))
        r.refuse("v", "Velocidade inválida. Ajuste seus dados");
    if (!(m > 0))
        r.refuse("m", "Massa inválida. Ajuste seus dados");
    if (!(co > 0))
        r.refuse("CO", "Comprimento CO inválido. Ajuste seus dados");
    if (!(ca > 0))
        r.refuse("CA", "Comprimento CA inválido. Ajuste seus dados");
    // A power computed from a velocity just called invalid would contradict
    // the message beside it: the velocity guards the computation too.
    if (!(muOk && v > 0 && m > 0 && co > 0 && ca > 0))
        return;

    Working& w = r.work(4, 2);
    w.given("v", v);
    w.given("mu", mu);
    w.given("m", m);
    w.given("CO", co);
    w.given("CA", ca);
    w.known("g", "g", classroom::g, "m/s²");
    w.known("pi", "π", classroom::pi, "");
    w.remark("π é tomado como 3.14 na conversão de radianos em graus: por isso CO = CA dá 45.02°, e não 45°.");
    w.remark("Neste exercício P_{X} é a componente do peso perpendicular ao plano, P × cos θ, a que o atrito "
             "multiplica, e P_{Y} a componente ao longo do plano, P × sen θ.");
    // The hypotenuse and the two ratios are steps to the angle, kept wide:
    // a long CO and a short CA must not overflow or vanish on the way.
    const Extended hypotenuse = sqrt(ca * ca + co * co);
    const Extended c = co / hypotenuse;
    const Extended a = ca / hypotenuse;
    // The angle in radians only leads to the others: four decimals give
    // the degrees, sine and cosine again.
    const Real theta = w.step("rad", "θ_{rad}", "arctg(@CO / @CA)", atan(c / a), "rad", 4);
    // Radians become degrees with 3.14, so CO = CA gives 45.02°.
    w.step("theta", "@rad × 180 / @pi", theta * 180 / classroom::pi);
    const Real weight = w.step("P", "P", "@m × @g", classroom::g * m, "N");
    // PX is the component across the slope (the one friction multiplies),
    // PY the one along it. Sine and cosine are kept wide into them:
    // rounding them first could move their last bit.
    const Extended cosine = cos(theta);
    const Extended sine = sin(theta);
    w.step("cos", "cos θ", "cos(@rad)", cosine, "", 4);
    w.step("sin", "sen θ", "sen(@rad)", sine, "", 4);
    const Real px = w.step("PX", "@P × @cos", cosine * weight);
    const Real py = w.step("PY", "@P × @sin", sine * weight);
    w.format(4, 4);
    const Real friction = w.step("Fat", "@mu × @PX", px * mu);
    w.remark("Com velocidade constante, o aparelho puxa com força igual a F_{at} + P_{Y}.");
    w.step("Pot", "(@Fat + @PY) × @v", (friction + py) * v);
    r.write({"PX", "PY", "Fat", "Pot", "theta"});
}

} // namespace tavek
