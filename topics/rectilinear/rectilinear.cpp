#include "topics/rectilinear/rectilinear.h"

#include "kit/core/classroom.h"
#include "kit/core/run.h"

namespace tavek {

void average_motion(Run& r)
{
    const Real x0 = r.read("x0");
    const Real x = r.read("x");
    const Real t0 = r.read("t0");
    const Real t = r.read("t");
    if (!r.ok())
        return;

    // Every sign check runs, so one press can report all four cells.
    bool negative = false;
    if (x0 < 0) {
        r.refuse("x0", "Xo com valor negativo, ajuste seu valor");
        negative = true;
    }
    if (x < 0) {
        r.refuse("x", "X com valor negativo, ajuste seu valor");
        negative = true;
    }
    if (t0 < 0) {
        r.refuse("t0", "To com valor negativo, ajuste seu valor");
        negative = true;
    }
    if (t < 0) {
        r.refuse("t", "T com valor negativo, ajuste seu valor");
        negative = true;
    }
    if (negative)
        return;
    if (t0 == t) {
        r.refuse("t0", "Divisão por zero, ajuste seu valores");
        return;
    }

    Working& w = r.work(4, 4);
    w.given("x0", x0);
    w.given("x", x);
    w.given("t0", t0);
    w.given("t", t);
    // A final instant before the initial one is accepted: negative answers.
    const Real interval = w.step("dt", "Δt", "@t − @t0", t - t0, "s");
    w.step("v", "(@x − @x0) / @dt", (x - x0) / interval);
    // Two positions and two instants fix an acceleration only for a
    // particle that starts from rest and keeps it constant:
    // x − x0 = a Δt² / 2, and a is then also the average acceleration.
    w.remark("Duas posições e dois instantes só determinam a aceleração se a partícula parte do repouso em "
             "t_{0} com aceleração constante: x − x_{0} = a × Δt² / 2, e essa aceleração é também a média.");
    w.step("a", "2 × (@x − @x0) / @dt²", 2.0 * (x - x0) / (interval * interval));
    r.write({"v"});
    r.write({"a"});
}

void cubic_motion(Run& r)
{
    // c1 is read like the other cells (a malformed c1 is reported) but
    // drops out of both derivatives.
    const Real c1 = r.read("c1");
    const Real c2 = r.read("c2");
    const Real c3 = r.read("c3");
    const Real t = r.read("t");
    if (!r.ok())
        return;

    Working& w = r.work(4, 4);
    w.given("c1", c1);
    w.given("c2", c2);
    w.given("c3", c3);
    w.given("t", t);
    w.remark("A velocidade é a derivada da posição, v = dX/dt, e a aceleração é a derivada da velocidade, "
             "a = dv/dt: o termo constante c_{1} não entra em nenhuma das duas.");
    w.step("v", "@c2 + 3 × @c3 × @t²", 3 * c3 * t * t + c2);
    w.step("a", "6 × @c3 × @t", 6 * c3 * t);
    r.write({"v"});
    r.write({"a"});
}

void vertical_launch(Run& r)
{
    const Real v0 = r.read("v0");
    if (!r.ok())
        return;
    // The percentage is drawn only once the sign check has passed, so a
    // refused press draws nothing.
    if (v0 < 0) {
        r.refuse("v0", "Velocidade inicial com valor negativo, ajuste seus dados");
        return;
    }

    Working& w = r.work(4, 4);
    w.given("v0", v0);
    const Real g = w.known("g", "g", classroom::g, "m/s²");
    w.step("top", "@v0 / @g", v0 / g);
    r.write({"top"});
    const Real hmax = w.step("hmax", "@v0² / (2 × @g)", v0 * v0 / (2 * g));
    r.write({"hmax"});

    const Real p = w.given("p", r.draw("p"));
    const Real h = w.step("h", "@hmax × @p / 100", hmax * p / 100);
    r.write({"h"});

    // h = v0 τ - k τ²: the particle passes h once rising and once falling.
    // D = v0² (1 - p/100) with p below 100, so the root is always real.
    // D is never kept, nor written: it would overflow long before the
    // times do. The solution writes its root.
    w.remark("A partícula passa pela altura h nos instantes t que resolvem k × t² − v_{0} × t + h = 0, de "
             "discriminante D = v_{0}² − 4 × k × h: o menor na subida, o maior na descida.");
    const Real k = w.step("k", "k", "@g / 2", g / 2, "m/s²");
    const Real s = w.step("s", "√D", "√(@v0² − 4 × @k × @h)", sqrt(v0 * v0 - 4 * k * h), "m/s");
    // s ≤ v0: |s - v0| is v0 - s and |-v0 - s| is v0 + s to the last bit,
    // so the formulas read as the textbook writes the roots, the rise first.
    const Real t1 = w.step("t1", "(@v0 − @s) / (2 × @k)", abs((s - v0) / (2 * k)));
    const Real t2 = w.step("t2", "(@v0 + @s) / (2 × @k)", abs((-v0 - s) / (2 * k)));
    // Up past h and back down to the launch height: the two instants add
    // up to the whole flight, 2 v0 / g.
    w.step("total", "@t1 + @t2", t1 + t2);
    r.write({"t1"});
    r.write({"t2"});
    r.write({"total"});
}

} // namespace tavek
