#include "topics/power/power.h"

#include "kit/core/classroom.h"
#include "topics/power/figures.h"


namespace tavek {

Outcome elevator_power(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real m = read("Edit1");
        const Real t = read("Edit2");
        const Real h = read("Edit3");
        if (!read.ok())
            return;
        if (!(m > 0))
            out.message("Massa inválida. Ajuste seus dados", "Edit1");
        if (!(t > 0))
            out.message("Tempo inválido. Ajuste seus dados", "Edit2");
        if (!(h > 0))
            out.message("Altura de deslocamento inválida. Ajuste seus dados", "Edit3");
        if (!(m > 0 && t > 0 && h > 0))
            return;

        Working w(out.solution, 4, 2);
        w.given("m", "m", m, "kg");
        w.given("t", "Δt", t, "s");
        w.given("h", "h", h, "m");
        w.known("g", "g", classroom::g, "m/s²");
        w.remark("Com velocidade constante, o cabo puxa o elevador com força igual ao seu peso.");
        const Real weight = w.step("P", "P", "@m × @g", m * classroom::g, "N");
        const Real work = w.step("W", "τ", "@P × @h", weight * h, "J");
        const Real power = w.step("Pot", "Pot", "@W / @t", work / t, "W");
        w.shows({{"P", "Label18"}, {"W", "Label8"}, {"Pot", "Label6"}});
        out.write("Label18", answer("Peso do elevador =", weight, 4, 2, " N"));
        out.write("Label8", answer("Trabalho realizado =", work, 4, 2, " J"));
        out.write("Label6", answer("Potência Média =", power, 4, 2, " W"));
        out.figure = elevator_figure(weight);
    });
}

Outcome incline_power(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real v = read("Edit8");
        const Real mu = read("Edit4");
        const Real m = read("Edit5");
        const Real co = read("Edit6");
        const Real ca = read("Edit7");
        if (!read.ok())
            return;
        const bool muOk = mu > 0 && mu <= 1;
        if (!muOk)
            out.message("Coeficiente de atrito cinético inválido. Ajuste seus dados", "Edit4");
        if (!(v > 0))
            out.message("Velocidade inválida. Ajuste seus dados", "Edit8");
        if (!(m > 0))
            out.message("Massa inválida. Ajuste seus dados", "Edit5");
        if (!(co > 0))
            out.message("Comprimento CO inválido. Ajuste seus dados", "Edit6");
        if (!(ca > 0))
            out.message("Comprimento CA inválido. Ajuste seus dados", "Edit7");
        // A power computed from a velocity just called invalid would contradict
        // the message beside it: the velocity guards the computation too.
        if (!(muOk && v > 0 && m > 0 && co > 0 && ca > 0))
            return;

        Working w(out.solution, 4, 2);
        w.given("v", "v", v, "m/s");
        w.given("mu", "μ", mu, "");
        w.given("m", "m", m, "kg");
        w.given("CO", "CO", co, "m");
        w.given("CA", "CA", ca, "m");
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
        const Real degrees = w.step("theta", "θ", "@rad × 180 / @pi", theta * 180 / classroom::pi, "°");
        const Real weight = w.step("P", "P", "@m × @g", classroom::g * m, "N");
        // PX is the component across the slope (the one friction multiplies),
        // PY the one along it. Sine and cosine are kept wide into them:
        // rounding them first could move their last bit.
        const Extended cosine = cos(theta);
        const Extended sine = sin(theta);
        w.step("cos", "cos θ", "cos(@rad)", cosine, "", 4);
        w.step("sin", "sen θ", "sen(@rad)", sine, "", 4);
        const Real px = w.step("PX", "P_{X}", "@P × @cos", cosine * weight, "N");
        const Real py = w.step("PY", "P_{Y}", "@P × @sin", sine * weight, "N");
        w.format(4, 4);
        const Real friction = w.step("Fat", "F_{at}", "@mu × @PX", px * mu, "N");
        w.remark("Com velocidade constante, o aparelho puxa com força igual a F_{at} + P_{Y}.");
        const Real power = w.step("Pot", "Pot", "(@Fat + @PY) × @v", (friction + py) * v, "W");
        w.shows({{"PX", "Label20"}, {"PY", "Label22"}, {"Fat", "Label23"},
                 {"Pot", "Label24"}, {"theta", "Label19"}});
        out.write("Label20", answer("Peso PX do bloco =", px, 4, 2, " N"));
        out.write("Label22", answer("Peso PY do bloco =", py, 4, 2, " N"));
        out.write("Label23", answer("Força de Atrito =", friction, 4, 4, " N"));
        out.write("Label24", answer("Potência do aparelho =", power, 4, 4, " W"));
        out.write("Label19", answer("Angulo de inclinação =", degrees, 4, 2, "°"));
        out.figure = incline_power_figure(theta, px, py, friction);
    });
}

} // namespace tavek
