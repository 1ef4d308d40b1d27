#include "topics/force/tensions.h"

#include "kit/classroom.h"

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

        const Real m1 = p1 / classroom::g;
        const Real m2 = p2 / classroom::g;
        const Real m3 = p3 / classroom::g;
        out.write("Label4", answer("Massa do Bloco 1 =", m1, 4, 2, " kg"));
        out.write("Label15", answer("Massa do Bloco 2 =", m2, 4, 2, " kg"));
        out.write("Label16", answer("Massa do Bloco 3 =", m3, 4, 2, " kg"));

        const Real a = f / (m1 + m2 + m3);
        out.write("Label17", answer("Aceleração do Sistema = ", a, 4, 4, " m/s²"));

        // F pulls block 3; the rope between 2 and 3 drags blocks 1 and 2, the
        // rope between 1 and 2 drags block 1 alone.
        const Real t1 = f - m3 * a;
        const Real t2 = m1 * a;
        out.write("Label18", answer("Tensão 1 = ", t1, 4, 4, " N"));
        out.write("Label19", answer("Tensão 2 = ", t2, 4, 4, " N"));
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

        // D hangs over the pulley and its weight drives all four blocks.
        const Real p = classroom::g * md;
        const Real a = p / (ma + mb + mc + md);
        out.write("Label29", answer("Peso do Bloco D = ", p, 4, 2, " N"));
        out.write("Label33", answer("Aceleração do sistema = ", a, 4, 4, " m/s²"));

        // The rope holding D: its weight less what D's own acceleration takes.
        const Real t1 = p - md * a;
        out.write("Label30", answer("Tensão 1 = ", t1, 4, 4, " N"));
        // The rope between B and C: what is left after C is accelerated.
        const Real t2 = t1 - mc * a;
        out.write("Label31", answer("Tensão 2 = ", t2, 4, 4, " N"));
        // The rope between A and B pulls A alone.
        const Real t3 = ma * a;
        out.write("Label32", answer("Tensão 3 = ", t3, 4, 4, " N"));
    });
}

} // namespace tavek
