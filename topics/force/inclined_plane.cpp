#include "topics/force/inclined_plane.h"

#include "kit/core/classroom.h"
#include "kit/core/run.h"

namespace tavek {

void smooth_incline(Run& r)
{
    const Real mA = r.read("mA");
    const Real mB = r.read("mB");
    const Real theta = r.read("theta");
    if (!r.ok())
        return;

    if (mA <= 0)
        r.refuse("mA", "Massa do bloco A inválida. Ajuste seus dados");
    if (mB <= 0)
        r.refuse("mB", "Massa do bloco B inválida. Ajuste seus dados");
    if (theta <= 0)
        r.refuse("theta", "Medida do ângulo inválida. Ajuste seus dados");
    if (theta > 90)
        r.refuse("theta", "Ajuste a medida do ângulo");
    if (!(mA > 0 && mB > 0 && theta > 0 && theta <= 90))
        return;

    Working& w = r.work(4, 2);
    w.given("mA", mA);
    w.given("mB", mB);
    w.given("theta", theta);
    w.known("g", "g", classroom::g, "m/s²");
    w.knownPi();

    const Real rad = classroom::pi * theta / 180;
    // The sine is kept wide into PX: rounding it first could move PX's last bit.
    const Extended sine = sin(rad);
    w.step("sin", "sen θ", "sen(@pi × @theta / 180)", sine, "", 5);
    // "PA" in this exercise is the pull of A's weight along the slope.
    const Real pA = w.step("PX", "@mA × @g × @sin", sine * (classroom::g * mA));
    const Real pB = w.step("PB", "@mB × @g", classroom::g * mB);
    r.write({"PX", "PB"});

    w.format(4, 4);
    // The pulls as the window writes them, with two decimals, decide: equal
    // there, the system is in balance whatever their last bits say.
    const char* motion;
    if (answer_text("", pA, 4, 2, "") == answer_text("", pB, 4, 2, "")) {
        motion = kSmoothBalance;
        w.remark("P_{X} e P_{B}, escritos com duas casas, são iguais: as forças se equilibram, o sistema fica "
                 "em equilíbrio e a corda sustenta o peso de B.");
        w.step("a", "", Real(0.0));
        w.step("T", "@PB", pB);
    } else {
        // Whichever block goes down, the acceleration is the difference of
        // the pulls over both masses.
        const Real a = w.step("a", "|@PB − @PX| / (@mA + @mB)", abs((pB - pA) / (mA + mB)));
        if (pA < pB) {
            motion = kSmoothRight;
            w.remark("P_{B} > P_{X}: o bloco B desce e puxa o bloco A plano acima.");
            w.step("T", "@mA × @a + @PX", mA * a + pA);
        } else {
            motion = kSmoothLeft;
            w.remark("P_{X} > P_{B}: o bloco A desce o plano e puxa o bloco B para cima.");
            // B's weight taken again as m_B × g, wide, not as the double P_B:
            // a different last bit could round the tension differently.
            w.step("T", "@mB × @a + @PB", a * mB + classroom::g * mB);
        }
    }
    r.write({"a"});
    r.say("motion", motion);
    r.write({"T"});
}

void block_on_wall(Run& r)
{
    const Real mu = r.read("mu");
    const Real m = r.read("m");
    if (!r.ok())
        return;

    if (m <= 0)
        r.refuse("m", "Massa inválida. Ajuste seus dados");
    if (mu > 1 || mu <= 0)
        r.refuse("mu", "Ajuste o valor do coeficiente de atrito estático.");
    if (!(mu > 0 && mu <= 1 && m > 0))
        return;

    Working& w = r.work(4, 2);
    w.given("mu", mu);
    w.given("m", m);
    w.known("g", "g", classroom::g, "m/s²");
    const Real p = w.step("P", "@m × @g", classroom::g * m);
    w.remark("Para o bloco não escorregar, o atrito μ × F sustenta todo o peso: μ × F = P.");
    w.step("F", "@P / @mu", p / mu);
    r.write({"F", "P"});
}

} // namespace tavek
