#include "topics/force/inclined_plane.h"

#include "kit/core/classroom.h"
#include "topics/force/figures.h"


namespace tavek {

Outcome smooth_incline(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real mA = read("Edit1");
        const Real mB = read("Edit2");
        const Real theta = read("Edit3");
        if (!read.ok())
            return;

        if (mA <= 0)
            out.message("Massa do bloco A inválida. Ajuste seus dados", "Edit1");
        if (mB <= 0)
            out.message("Massa do bloco B inválida. Ajuste seus dados", "Edit2");
        if (theta <= 0)
            out.message("Medida do ângulo inválida. Ajuste seus dados", "Edit3");
        if (theta > 90)
            out.message("Ajuste a medida do ângulo", "Edit3");
        if (!(mA > 0 && mB > 0 && theta > 0 && theta <= 90))
            return;

        Working w(out.solution, 4, 2);
        w.given("mA", "m_{A}", mA, "kg");
        w.given("mB", "m_{B}", mB, "kg");
        w.given("theta", "θ", theta, "°");
        w.known("g", "g", classroom::g, "m/s²");
        w.known("pi", "π", classroom::pi, "");
        w.remark(classroom::piSentence);

        const Real rad = classroom::pi * theta / 180;
        // The sine is kept wide into PX: rounding it first could move PX's last bit.
        const Extended sine = sin(rad);
        w.step("sin", "sen θ", "sen(@pi × @theta / 180)", sine, "", 5);
        // "PA" in this exercise is the pull of A's weight along the slope.
        const Real pA = w.step("PX", "P_{X}", "@mA × @g × @sin", sine * (classroom::g * mA), "N");
        const Real pB = w.step("PB", "P_{B}", "@mB × @g", classroom::g * mB, "N");
        out.write("Label18", answer("PX do Bloco A = ", pA, 4, 2, " N"));
        out.write("Label8", answer("Peso do Bloco B = ", pB, 4, 2, " N"));
        w.shows({{"PX", "Label18"}, {"PB", "Label8"}});

        w.format(4, 4);
        // The pulls as the window writes them, with two decimals, decide: equal
        // there, the system is in balance whatever their last bits say.
        Real a = 0.0;
        Real t;
        const char* motion;
        if (answer("", pA, 4, 2, "") == answer("", pB, 4, 2, "")) {
            motion = "|PA = PB | - Sistema em equilíbrio";
            w.remark("P_{X} e P_{B}, escritos com duas casas, são iguais: as forças se equilibram, o sistema fica "
                     "em equilíbrio e a corda sustenta o peso de B.");
            w.step("a", "a", "", a, "m/s²");
            t = w.step("T", "T", "@PB", pB, "N");
        } else {
            // Whichever block goes down, the acceleration is the difference of
            // the pulls over both masses.
            a = w.step("a", "a", "|@PB − @PX| / (@mA + @mB)", abs((pB - pA) / (mA + mB)), "m/s²");
            if (pA < pB) {
                motion = "|PB > PA | - Sistema se move da esquerda para direita";
                w.remark("P_{B} > P_{X}: o bloco B desce e puxa o bloco A plano acima.");
                t = w.step("T", "T", "@mA × @a + @PX", mA * a + pA, "N");
            } else {
                motion = "|PA > PB | - Sistema se move da direita para esquerda";
                w.remark("P_{X} > P_{B}: o bloco A desce o plano e puxa o bloco B para cima.");
                // B's weight taken again as m_B × g, wide, not as the double P_B:
                // a different last bit could round the tension differently.
                t = w.step("T", "T", "@mB × @a + @PB", a * mB + classroom::g * mB, "N");
            }
        }
        w.shows({{"a", "Label9"}, {"T", "Label10"}});
        out.write("Label9", answer("Aceleração do sistema = ", a, 4, 4, " m/s²"));
        out.write("Label17", motion);
        out.write("Label10", answer("Tensão da corda = ", t, 4, 4, " N"));
        out.figure = smooth_incline_figure(theta, pA, pB, a, t);
    });
}

Outcome block_on_wall(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real mu = read("Edit4");
        const Real m = read("Edit5");
        if (!read.ok())
            return;

        if (m <= 0)
            out.message("Massa inválida. Ajuste seus dados", "Edit5");
        if (mu > 1 || mu <= 0)
            out.message("Ajuste o valor do coeficiente de atrito estático.", "Edit4");
        if (!(mu > 0 && mu <= 1 && m > 0))
            return;

        Working w(out.solution, 4, 2);
        w.given("mu", "μ", mu, "");
        w.given("m", "m", m, "kg");
        w.known("g", "g", classroom::g, "m/s²");
        const Real p = w.step("P", "P", "@m × @g", classroom::g * m, "N");
        w.remark("Para o bloco não escorregar, o atrito μ × F sustenta todo o peso: μ × F = P.");
        const Real f = w.step("F", "F", "@P / @mu", p / mu, "N", 4);
        w.shows({{"F", "Label21"}, {"P", "Label22"}});
        out.write("Label21", answer("Força miníma que deve ser exercida = ", f, 4, 4, " N"));
        out.write("Label22", answer("Peso do Bloco = ", p, 4, 2, " N"));
        out.figure = block_on_wall_figure(f, p);
    });
}

} // namespace tavek
