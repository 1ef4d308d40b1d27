#include "topics/force/force.h"

#include "kit/classroom.h"

namespace tavek {

Outcome rope_tensions(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real m = read("Edit1");
        if (!read.ok())
            return;
        if (m < 0)
            out.message("Massa com medida negativa. Ajuste seus dados", "Edit1");
        // A massless block (0, or -0) has nothing to compute and is not an error.
        if (m <= 0)
            return;

        const Real p = m * classroom::g;
        // Rope A at 28° and rope B at 47° to the ceiling; 1.41, 0.46947 and
        // 0.731 are the exercise's own rounded trigonometric values.
        const Real ta = p / 1.41;
        const Real tb = (p - 0.46947 * ta) / 0.731;

        out.write("Label12", answer("Tensão A = ", ta, 4, 2, " N"));
        out.write("Label2", answer("Tensão B = ", tb, 4, 2, " N"));
        out.write("Label3", answer("Tensão C = ", p, 4, 2, " N")); // rope C carries the whole weight
        out.write("Label4", answer("Peso do Bloco = ", p, 4, 2, " N"));
    });
}

Outcome pulled_block(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real f1 = read("Edit2");
        const Real p = read("Edit3");
        const Real f2 = read("Edit4");
        if (!read.ok())
            return;
        if (f1 < 0)
            out.message("F1 com valor negativo. Ajuste seus dados", "Edit2");
        if (f2 < 0)
            out.message("F2 com valor negativo. Ajuste seus dados", "Edit4");
        if (p < 0)
            out.message("Peso com valor negativo. Ajuste seus dados", "Edit3");
        // Zero in any of the three is silently nothing to compute.
        if (!(f1 > 0 && f2 > 0 && p > 0))
            return;

        // 0.6628 rad is the 38° of the figure.
        const Real f2x = cos(Real(0.6628)) * f2;
        if (f2x > f1) {
            const Real m = p / classroom::g;
            const Real a = (f2x - f1) / m;
            out.write("Label16", answer("Aceleração = ", a, 4, 4, " m/s²"));
            out.write("Label17", answer("Componente do vetor F2 em X = ", f2x, 4, 4, " N"));
            out.write("Label18", answer("Massa do Bloco= ", m, 4, 2, " kg"));
        } else if (f2x < f1) {
            // The block does not move: the pull's x component loses to F1.
            out.message("F2 < F1 - Ajuste seus dados", "Edit2");
        }
        // F2x exactly equal to F1: balanced, nothing to show.
    });
}

} // namespace tavek
