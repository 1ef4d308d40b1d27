#include "topics/force/tensions.h"

#include "kit/core/classroom.h"
#include "topics/force/figures.h"


namespace tavek {

Outcome pulled_blocks(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real p1 = read("Edit1");
        const Real p2 = read("Edit2");
        const Real p3 = read("Edit3");
        const Real f = read("Edit4");
        if (!read.ok())
            return;
        if (p1 <= 0)
            out.message("Peso inválido. Ajuste seus dados", "Edit1");
        if (p2 <= 0)
            out.message("Peso inválido. Ajuste seus dados", "Edit2");
        if (p3 <= 0)
            out.message("Peso inválido. Ajuste seus dados", "Edit3");
        if (f < 0)
            out.message("Forca com valor negativo. Ajuste seus dados", "Edit4");
        // A force of 0 is a system at rest, a valid answer.
        if (!(p1 > 0 && p2 > 0 && p3 > 0 && f >= 0))
            return;

        Working w(out.solution, 4, 2);
        w.given("P1", "P_{1}", p1, "N");
        w.given("P2", "P_{2}", p2, "N");
        w.given("P3", "P_{3}", p3, "N");
        w.given("F", "F", f, "N");
        w.known("g", "g", classroom::g, "m/s²");
        const Real m1 = w.step("m1", "m_{1}", "@P1 / @g", p1 / classroom::g, "kg");
        const Real m2 = w.step("m2", "m_{2}", "@P2 / @g", p2 / classroom::g, "kg");
        const Real m3 = w.step("m3", "m_{3}", "@P3 / @g", p3 / classroom::g, "kg");
        out.write("Label4", answer("Massa do Bloco 1 =", m1, 4, 2, " kg"));
        out.write("Label15", answer("Massa do Bloco 2 =", m2, 4, 2, " kg"));
        out.write("Label16", answer("Massa do Bloco 3 =", m3, 4, 2, " kg"));

        w.format(4, 4);
        const Real a = w.step("a", "a", "@F / (@m1 + @m2 + @m3)", f / (m1 + m2 + m3), "m/s²");
        out.write("Label17", answer("Aceleração do Sistema = ", a, 4, 4, " m/s²"));

        // F pulls block 3; the rope between 2 and 3 drags blocks 1 and 2, the
        // rope between 1 and 2 drags block 1 alone.
        w.remark("F puxa o bloco 3; a corda de T_{1}, entre os blocos 2 e 3, arrasta os blocos 1 e 2, e a de "
                 "T_{2}, entre os blocos 1 e 2, só o bloco 1.");
        const Real t1 = w.step("T1", "T_{1}", "@F − @m3 × @a", f - m3 * a, "N");
        const Real t2 = w.step("T2", "T_{2}", "@m1 × @a", m1 * a, "N");
        w.shows({{"m1", "Label4"}, {"m2", "Label15"}, {"m3", "Label16"}, {"a", "Label17"},
                 {"T1", "Label18"}, {"T2", "Label19"}});
        out.write("Label18", answer("Tensão 1 = ", t1, 4, 4, " N"));
        out.write("Label19", answer("Tensão 2 = ", t2, 4, 4, " N"));
        out.figure = pulled_blocks_figure(f, t1, t2, a);
    });
}

Outcome hanging_block_pull(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real ma = read("Edit5");
        const Real mb = read("Edit6");
        const Real mc = read("Edit7");
        const Real md = read("Edit8");
        if (!read.ok())
            return;
        if (ma <= 0)
            out.message("Massa A inválida. Ajuste seus dados", "Edit5");
        if (mb <= 0)
            out.message("Massa B inválida. Ajuste seus dados", "Edit6");
        if (mc <= 0)
            out.message("Massa C inválida. Ajuste seus dados", "Edit7");
        if (md <= 0)
            out.message("Massa D inválida. Ajuste seus dados", "Edit8");
        if (!(ma > 0 && mb > 0 && mc > 0 && md > 0))
            return;

        Working w(out.solution, 4, 2);
        w.given("mA", "m_{A}", ma, "kg");
        w.given("mB", "m_{B}", mb, "kg");
        w.given("mC", "m_{C}", mc, "kg");
        w.given("mD", "m_{D}", md, "kg");
        w.known("g", "g", classroom::g, "m/s²");
        // D hangs over the pulley and its weight drives all four blocks.
        w.remark("O peso do bloco D, pendurado, acelera os quatro blocos juntos. T_{1} é a corda que segura D, "
                 "T_{2} a corda entre B e C e T_{3} a corda entre A e B.");
        const Real p = w.step("PD", "P_{D}", "@mD × @g", classroom::g * md, "N");
        w.format(4, 4);
        const Real a = w.step("a", "a", "@PD / (@mA + @mB + @mC + @mD)", p / (ma + mb + mc + md), "m/s²");
        out.write("Label29", answer("Peso do Bloco D = ", p, 4, 2, " N"));
        out.write("Label33", answer("Aceleração do sistema = ", a, 4, 4, " m/s²"));

        // The rope holding D: its weight less what D's own acceleration takes.
        const Real t1 = w.step("T1", "T_{1}", "@PD − @mD × @a", p - md * a, "N");
        out.write("Label30", answer("Tensão 1 = ", t1, 4, 4, " N"));
        // The rope between B and C: what is left after C is accelerated.
        const Real t2 = w.step("T2", "T_{2}", "@T1 − @mC × @a", t1 - mc * a, "N");
        out.write("Label31", answer("Tensão 2 = ", t2, 4, 4, " N"));
        // The rope between A and B pulls A alone.
        const Real t3 = w.step("T3", "T_{3}", "@mA × @a", ma * a, "N");
        w.shows({{"PD", "Label29"}, {"a", "Label33"}, {"T1", "Label30"}, {"T2", "Label31"},
                 {"T3", "Label32"}});
        out.write("Label32", answer("Tensão 3 = ", t3, 4, 4, " N"));
        out.figure = hanging_block_pull_figure(p, a, t1, t2, t3);
    });
}

} // namespace tavek
