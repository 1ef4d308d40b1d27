#include "topics/force/tensions.h"

#include "kit/core/classroom.h"
#include "kit/core/run.h"

namespace tavek {

void pulled_blocks(Run& r)
{
    const Real p1 = r.read("P1");
    const Real p2 = r.read("P2");
    const Real p3 = r.read("P3");
    const Real f = r.read("F");
    if (!r.ok())
        return;
    if (p1 <= 0)
        r.refuse("P1", "Peso inválido. Ajuste seus dados");
    if (p2 <= 0)
        r.refuse("P2", "Peso inválido. Ajuste seus dados");
    if (p3 <= 0)
        r.refuse("P3", "Peso inválido. Ajuste seus dados");
    if (f < 0)
        r.refuse("F", "Forca com valor negativo. Ajuste seus dados");
    // A force of 0 is a system at rest, a valid answer.
    if (!(p1 > 0 && p2 > 0 && p3 > 0 && f >= 0))
        return;

    Working& w = r.work(4, 2);
    w.given("P1", p1);
    w.given("P2", p2);
    w.given("P3", p3);
    w.given("F", f);
    w.known("g", "g", classroom::g, "m/s²");
    const Real m1 = w.step("m1", "@P1 / @g", p1 / classroom::g);
    const Real m2 = w.step("m2", "@P2 / @g", p2 / classroom::g);
    const Real m3 = w.step("m3", "@P3 / @g", p3 / classroom::g);
    r.write({"m1", "m2", "m3"});

    w.format(4, 4);
    const Real a = w.step("a", "@F / (@m1 + @m2 + @m3)", f / (m1 + m2 + m3));
    r.write({"a"});

    // F pulls block 3; the rope between 2 and 3 drags blocks 1 and 2, the
    // rope between 1 and 2 drags block 1 alone.
    w.remark("F puxa o bloco 3; a corda de T_{1}, entre os blocos 2 e 3, arrasta os blocos 1 e 2, e a de "
             "T_{2}, entre os blocos 1 e 2, só o bloco 1.");
    w.step("T1", "@F − @m3 × @a", f - m3 * a);
    w.step("T2", "@m1 × @a", m1 * a);
    r.write({"T1", "T2"});
}

void hanging_block_pull(Run& r)
{
    const Real ma = r.read("mA");
    const Real mb = r.read("mB");
    const Real mc = r.read("mC");
    const Real md = r.read("mD");
    if (!r.ok())
        return;
    if (ma <= 0)
        r.refuse("mA", "Massa A inválida. Ajuste seus dados");
    if (mb <= 0)
        r.refuse("mB", "Massa B inválida. Ajuste seus dados");
    if (mc <= 0)
        r.refuse("mC", "Massa C inválida. Ajuste seus dados");
    if (md <= 0)
        r.refuse("mD", "Massa D inválida. Ajuste seus dados");
    if (!(ma > 0 && mb > 0 && mc > 0 && md > 0))
        return;

    Working& w = r.work(4, 2);
    w.given("mA", ma);
    w.given("mB", mb);
    w.given("mC", mc);
    w.given("mD", md);
    w.known("g", "g", classroom::g, "m/s²");
    // D hangs over the pulley and its weight drives all four blocks.
    w.remark("O peso do bloco D, pendurado, acelera os quatro blocos juntos. T_{1} é a corda que segura D, "
             "T_{2} a corda entre B e C e T_{3} a corda entre A e B.");
    const Real p = w.step("PD", "@mD × @g", classroom::g * md);
    w.format(4, 4);
    const Real a = w.step("a", "@PD / (@mA + @mB + @mC + @mD)", p / (ma + mb + mc + md));
    r.write({"PD", "a"});

    // The rope holding D: its weight less what D's own acceleration takes.
    const Real t1 = w.step("T1", "@PD − @mD × @a", p - md * a);
    r.write({"T1"});
    // The rope between B and C: what is left after C is accelerated.
    w.step("T2", "@T1 − @mC × @a", t1 - mc * a);
    r.write({"T2"});
    // The rope between A and B pulls A alone.
    w.step("T3", "@mA × @a", ma * a);
    r.write({"T3"});
}

} // namespace tavek
