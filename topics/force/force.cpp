#include "topics/force/force.h"

#include "kit/core/classroom.h"
#include "kit/core/run.h"

namespace tavek {

void rope_tensions(Run& r)
{
    const Real m = r.read("m");
    if (!r.ok())
        return;
    if (m < 0)
        r.refuse("m", "Massa com medida negativa. Ajuste seus dados");
    // A massless block (0, or -0) has nothing to compute and is not an error.
    if (m <= 0) {
        if (m == 0)
            r.work(4, 2).remark("A massa m é 0: sem peso, as cordas não têm tensão a calcular.");
        return;
    }

    Working& w = r.work(4, 2);
    w.given("m", m);
    w.known("g", "g", classroom::g, "m/s²");
    // Rope A at 28° and rope B at 47° to the ceiling, with the exercise's own
    // rounded trigonometric values.
    const Real sinA = w.known("sinA", "sen 28°", classroom::sinRopeA, "");
    const Real sinB = w.known("sinB", "sen 47°", classroom::sinRopeB, "");
    const Real factor = w.known("k", "k", classroom::ropeFactor, "", "sen 28° + cos 28° × tg 47°");
    const Real p = w.step("P", "@m × @g", m * classroom::g);
    w.step("TC", "@P", p); // rope C carries the whole weight
    w.remark("A corda C sustenta todo o peso do bloco. No nó, T_{A} × cos 28° = T_{B} × cos 47° e "
             "T_{A} × sen 28° + T_{B} × sen 47° = P: juntas dão T_{A} = P / (sen 28° + cos 28° × tg 47°), ou "
             "P / k.");
    // 1.41 is the exercise's own value, not the factor rounded: that is 1.42.
    w.remark("O exercício usa seus próprios valores: 0.46947 e 0.731 para sen 28° e sen 47°, e k = 1.41 para "
             "sen 28° + cos 28° × tg 47°, que vale 1.4163.");
    const Real ta = w.step("TA", "@P / @k", p / factor);
    w.step("TB", "(@P − @sinA × @TA) / @sinB", (p - sinA * ta) / sinB);
    r.write({"TA", "TB", "TC", "P"});
}

void pulled_block(Run& r)
{
    const Real f1 = r.read("F1");
    const Real p = r.read("P");
    const Real f2 = r.read("F2");
    if (!r.ok())
        return;
    if (f1 < 0)
        r.refuse("F1", "F1 com valor negativo. Ajuste seus dados");
    if (f2 < 0)
        r.refuse("F2", "F2 com valor negativo. Ajuste seus dados");
    if (p < 0)
        r.refuse("P", "Peso com valor negativo. Ajuste seus dados");
    // Zero in any of the three is silently nothing to compute; the
    // solution says which.
    if (!(f1 > 0 && f2 > 0 && p > 0)) {
        Working& w = r.work(4, 4);
        if (f1 == 0)
            w.remark("F_{1} é 0: sem força oposta, o exercício não tem o que calcular.");
        if (f2 == 0)
            w.remark("F_{2} é 0: nada puxa o bloco e não há aceleração a calcular.");
        if (p == 0)
            w.remark("O peso P é 0: sem massa, a aceleração não se calcula.");
        return;
    }

    Working& w = r.work(4, 4);
    w.given("F1", f1);
    w.given("P", p);
    w.given("F2", f2);
    w.known("g", "g", classroom::g, "m/s²");
    const Real theta = w.known("theta", "θ", classroom::pullRadians, "rad", "38° da figura");
    w.remark("0.6628 rad são os 38° da figura com π = 3.14: 38 × 3.14 / 180 = 0.66289, truncado.");
    // The cosine is kept wide into F2X: rounding it first could move F2X's last bit.
    const Extended cosine = cos(theta);
    w.step("cos", "cos θ", "cos(@theta)", cosine, "", 6);
    const Real f2x = w.step("F2X", "@F2 × @cos", cosine * f2);
    if (f2x > f1) {
        w.remark("F_{2X} > F_{1}: o bloco acelera no sentido de F_{2X}.");
        const Real m = w.step("m", "@P / @g", p / classroom::g);
        w.step("a", "(@F2X − @F1) / @m", (f2x - f1) / m);
        r.write({"a", "F2X", "m"});
    } else if (f2x < f1) {
        // The block does not move: the pull's x component loses to F1.
        r.refuse("F1", "F2 < F1 - Ajuste seus dados");
        w.remark("F_{2X} < F_{1}: a mensagem \"F2 < F1\" compara a componente horizontal de F_{2} com F_{1}, e "
                 "ela é a menor; o bloco não acelera no sentido de F_{2X}.");
    } else {
        // F2x exactly equal to F1: balanced, nothing to show on the window.
        w.remark("F_{2X} = F_{1}: as forças horizontais se equilibram e o bloco fica como está, sem "
                 "aceleração.");
    }
}

} // namespace tavek
