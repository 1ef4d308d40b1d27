#include "topics/force/force.h"

#include "kit/core/classroom.h"
#include "topics/force/figures.h"


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
        if (m <= 0) {
            if (m == 0)
                Working(out.solution, 4, 2).remark("A massa m é 0: sem peso, as cordas não têm tensão a calcular.");
            return;
        }

        Working w(out.solution, 4, 2);
        w.given("m", "m", m, "kg");
        w.known("g", "g", classroom::g, "m/s²");
        // Rope A at 28° and rope B at 47° to the ceiling; 1.41, 0.46947 and
        // 0.731 are the exercise's own rounded trigonometric values.
        const Real sinA = w.known("sinA", "sen 28°", 0.46947, "");
        const Real sinB = w.known("sinB", "sen 47°", 0.731, "");
        const Real p = w.step("P", "P", "@m × @g", m * classroom::g, "N");
        w.step("TC", "T_{C}", "@P", p, "N");
        w.remark("A corda C sustenta todo o peso do bloco. No nó, T_{A} × cos 28° = T_{B} × cos 47° e "
                 "T_{A} × sen 28° + T_{B} × sen 47° = P: juntas dão T_{A} = P / (sen 28° + cos 28° × tg 47°).");
        w.remark("O exercício usa valores arredondados: 0.46947 e 0.731 são sen 28° e sen 47°, e 1.41 "
                 "arredonda sen 28° + cos 28° × tg 47° = 1.4163.");
        const Real ta = w.step("TA", "T_{A}", "@P / 1.41", p / 1.41, "N");
        const Real tb = w.step("TB", "T_{B}", "(@P − @sinA × @TA) / @sinB", (p - sinA * ta) / sinB, "N");
        w.shows({{"TA", "Label12"}, {"TB", "Label2"}, {"TC", "Label3"}, {"P", "Label4"}});

        out.write("Label12", answer("Tensão A = ", ta, 4, 2, " N"));
        out.write("Label2", answer("Tensão B = ", tb, 4, 2, " N"));
        out.write("Label3", answer("Tensão C = ", p, 4, 2, " N")); // rope C carries the whole weight
        out.write("Label4", answer("Peso do Bloco = ", p, 4, 2, " N"));
        out.figure = rope_tensions_figure(p, ta, tb);
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
        // Zero in any of the three is silently nothing to compute; the
        // solution says which.
        if (!(f1 > 0 && f2 > 0 && p > 0)) {
            Working w(out.solution, 4, 4);
            if (f1 == 0)
                w.remark("F_{1} é 0: sem força oposta, o exercício não tem o que calcular.");
            if (f2 == 0)
                w.remark("F_{2} é 0: nada puxa o bloco e não há aceleração a calcular.");
            if (p == 0)
                w.remark("O peso P é 0: sem massa, a aceleração não se calcula.");
            return;
        }

        Working w(out.solution, 4, 4);
        w.given("F1", "F_{1}", f1, "N");
        w.given("P", "P", p, "N");
        w.given("F2", "F_{2}", f2, "N");
        w.known("g", "g", classroom::g, "m/s²");
        // 0.6628 rad is the 38° of the figure.
        const Real theta = w.known("theta", "θ", 0.6628, "rad", "38° da figura");
        w.remark("0.6628 rad são os 38° da figura com π = 3.14: 38 × 3.14 / 180 = 0.66289, truncado.");
        // The cosine is kept wide into F2X: rounding it first could move F2X's last bit.
        const Extended cosine = cos(theta);
        w.step("cos", "cos θ", "cos(@theta)", cosine, "", 6);
        const Real f2x = w.step("F2X", "F_{2X}", "@F2 × @cos", cosine * f2, "N");
        if (f2x > f1) {
            w.remark("F_{2X} > F_{1}: o bloco acelera no sentido de F_{2X}.");
            const Real m = w.step("m", "m", "@P / @g", p / classroom::g, "kg", 2);
            const Real a = w.step("a", "a", "(@F2X − @F1) / @m", (f2x - f1) / m, "m/s²");
            w.shows({{"a", "Label16"}, {"F2X", "Label17"}, {"m", "Label18"}});
            out.write("Label16", answer("Aceleração = ", a, 4, 4, " m/s²"));
            out.write("Label17", answer("Componente do vetor F2 em X = ", f2x, 4, 4, " N"));
            out.write("Label18", answer("Massa do Bloco= ", m, 4, 2, " kg"));
            out.figure = pulled_block_figure(f1, p, f2, theta, f2x, a);
        } else if (f2x < f1) {
            // The block does not move: the pull's x component loses to F1.
            out.message("F2 < F1 - Ajuste seus dados", "Edit2");
            w.remark("F_{2X} < F_{1}: a mensagem \"F2 < F1\" compara a componente horizontal de F_{2} com F_{1}, e "
                     "ela é a menor; o bloco não acelera no sentido de F_{2X}.");
        } else {
            // F2x exactly equal to F1: balanced, nothing to show on the window.
            w.remark("F_{2X} = F_{1}: as forças horizontais se equilibram e o bloco fica como está, sem "
                     "aceleração.");
        }
    });
}

} // namespace tavek
