#include "topics/power/power.h"

#include "kit/classroom.h"

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

        const Real weight = m * classroom::g;
        const Real work = weight * h;
        const Real power = work / t;
        out.write("Label18", answer("Peso do elevador =", weight, 4, 2, " N"));
        out.write("Label8", answer("Trabalho realizado =", work, 4, 2, " J"));
        out.write("Label6", answer("Potência Média =", power, 4, 2, " W"));
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

        // The hypotenuse and the two ratios are steps to the angle, kept wide:
        // a long CO and a short CA must not overflow or vanish on the way.
        const Extended hypotenuse = sqrt(ca * ca + co * co);
        const Extended c = co / hypotenuse;
        const Extended a = ca / hypotenuse;
        const Real theta = atan(c / a);
        // Radians become degrees with 3.14, so CO = CA gives 45.02°.
        const Real degrees = theta * 180 / classroom::pi;
        const Real weight = classroom::g * m;
        // PX is the component across the slope (the one friction multiplies),
        // PY the one along it.
        const Real px = cos(theta) * weight;
        const Real py = sin(theta) * weight;
        const Real friction = px * mu;
        const Real power = (friction + py) * v;
        out.write("Label20", answer("Peso PX do bloco =", px, 4, 2, " N"));
        out.write("Label22", answer("Peso PY do bloco =", py, 4, 2, " N"));
        out.write("Label23", answer("Força de Atrito =", friction, 4, 4, " N"));
        out.write("Label24", answer("Potência do aparelho =", power, 4, 4, " W"));
        out.write("Label19", answer("Angulo de inclinação =", degrees, 4, 2, "°"));
    });
}

} // namespace tavek
