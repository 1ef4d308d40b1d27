#include "topics/force/inclined_plane.h"

#include "kit/classroom.h"

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

        const Real rad = classroom::pi * theta / 180;
        // "PA" in this exercise is the pull of A's weight along the slope.
        const Real pA = sin(rad) * (classroom::g * mA);
        const Real pB = classroom::g * mB;
        out.write("Label18", answer("PX do Bloco A = ", pA, 4, 2, " N"));
        out.write("Label8", answer("Peso do Bloco B = ", pB, 4, 2, " N"));

        Real a = (pB - pA) / (mA + mB);
        if (a < 0)
            a = abs(a);
        out.write("Label9", answer("Aceleração do sistema = ", a, 4, 4, " m/s²"));

        if (pA < pB) {
            out.write("Label17", "|PB > PA | - Sistema se move da esquerda para direita");
            const Real t = mA * a + pA;
            out.write("Label10", answer("Tensão da corda = ", t, 4, 4, " N"));
        }
        if (pA > pB) {
            out.write("Label17", "|PA > PB | - Sistema se move da direita para esquerda");
            const Real t = a * mB + classroom::g * mB;
            out.write("Label10", answer("Tensão da corda = ", t, 4, 4, " N"));
        }
        // Equal pulls: the system stays put; direction and tension keep what they showed.
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

        const Real p = classroom::g * m;
        const Real f = p / mu; // the friction μF has to carry the whole weight
        out.write("Label21", answer("Força miníma que deve ser exercida = ", f, 4, 4, " N"));
        out.write("Label22", answer("Peso do Bloco = ", p, 4, 2, " N"));
    });
}

} // namespace tavek
