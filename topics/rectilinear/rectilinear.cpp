#include "topics/rectilinear/rectilinear.h"

#include "kit/core/classroom.h"
#include "kit/core/random.h"
#include "topics/rectilinear/figures.h"

namespace tavek {

namespace {

std::string velocity(Real v) { return answer("", v, 4, 4, " m/s"); }
std::string acceleration(Real a) { return answer("", a, 4, 4, " m/s²"); }

} // namespace

Outcome average_motion(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real x0 = read("Edit1");
        const Real x = read("Edit2");
        const Real t0 = read("Edit3");
        const Real t = read("Edit4");
        if (!read.ok())
            return;

        // Every sign check runs, so one press can report all four cells.
        bool negative = false;
        if (x0 < 0) {
            out.message("Xo com valor negativo, ajuste seu valor", "Edit1");
            negative = true;
        }
        if (x < 0) {
            out.message("X com valor negativo, ajuste seu valor", "Edit2");
            negative = true;
        }
        if (t0 < 0) {
            out.message("To com valor negativo, ajuste seu valor", "Edit3");
            negative = true;
        }
        if (t < 0) {
            out.message("T com valor negativo, ajuste seu valor", "Edit4");
            negative = true;
        }
        if (negative)
            return;
        if (t0 == t) {
            out.message("Divisão por zero, ajuste seu valores", "Edit3");
            return;
        }

        Working w(out.solution, 4, 4);
        w.given("x0", "x_{0}", x0, "m");
        w.given("x", "x", x, "m");
        w.given("t0", "t_{0}", t0, "s");
        w.given("t", "t", t, "s");
        // A final instant before the initial one is accepted: negative answers.
        const Real interval = w.step("dt", "Δt", "@t − @t0", t - t0, "s");
        const Real v = w.step("v", "v_{m}", "(@x − @x0) / @dt", (x - x0) / interval, "m/s");
        // Two positions and two instants fix an acceleration only for a
        // particle that starts from rest and keeps it constant:
        // x − x0 = a Δt² / 2, and a is then also the average acceleration.
        w.remark("Duas posições e dois instantes só determinam a aceleração se a partícula parte do repouso em "
                 "t_{0} com aceleração constante: x − x_{0} = a × Δt² / 2, e essa aceleração é também a média.");
        const Real a = w.step("a", "a_{m}", "2 × (@x − @x0) / @dt²", 2.0 * (x - x0) / (interval * interval), "m/s²");
        w.shows("v", "Edit5");
        w.shows("a", "Edit6");
        out.write("Edit5", velocity(v));
        out.write("Edit6", acceleration(a));
        out.figure = average_motion_figure(x0, t0, t, v, a);
    });
}

Outcome cubic_motion(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        // c1 is read like the other cells (a malformed c1 is reported) but
        // drops out of both derivatives.
        [[maybe_unused]] const Real c1 = read("Edit7");
        const Real c2 = read("Edit8");
        const Real c3 = read("Edit9");
        const Real t = read("Edit10");
        if (!read.ok())
            return;

        Working w(out.solution, 4, 4);
        w.given("c1", "c_{1}", c1, "m");
        w.given("c2", "c_{2}", c2, "m/s");
        w.given("c3", "c_{3}", c3, "m/s³");
        w.given("t", "t", t, "s");
        w.remark("A velocidade é a derivada da posição, v = dX/dt, e a aceleração é a derivada da velocidade, "
                 "a = dv/dt: o termo constante c_{1} não entra em nenhuma das duas.");
        const Real v = w.step("v", "v", "@c2 + 3 × @c3 × @t²", 3 * c3 * t * t + c2, "m/s");
        const Real a = w.step("a", "a", "6 × @c3 × @t", 6 * c3 * t, "m/s²");
        w.shows("v", "Edit11");
        w.shows("a", "Edit12");
        out.write("Edit11", velocity(v));
        out.write("Edit12", acceleration(a));
        out.figure = cubic_motion_figure(c1, c2, c3, t, v, a);
    });
}

namespace {

// `percentage` is asked for only once the sign check has passed, so a
// refused press draws nothing.
template <class Percentage>
Outcome vertical_launch_with(const Cells& cells, Percentage&& percentage)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real v0 = read("Edit13");
        if (!read.ok())
            return;
        if (v0 < 0) {
            out.message("Velocidade inicial com valor negativo, ajuste seus dados", "Edit13");
            return;
        }

        Working w(out.solution, 4, 4);
        w.given("v0", "v_{0}", v0, "m/s");
        const Real g = w.known("g", "g", classroom::g, "m/s²");
        const Real top = w.step("top", "t_{topo}", "@v0 / @g", v0 / g, "s");
        w.shows("top", "Label34");
        out.write("Label34", answer("Tempo de chegada =", top, 4, 4, " s"));
        const Real hmax = w.step("hmax", "H_{máx}", "@v0² / (2 × @g)", v0 * v0 / (2 * g), "m");
        w.shows("hmax", "Label33");
        out.write("Label33", answer("Altura máxima =", hmax, 4, 4, " m"));

        const int p = percentage();
        w.given("p", "p", p, "%", "sorteado pelo programa");
        const Real h = w.step("h", "h", "@hmax × @p / 100", hmax * p / 100, "m");
        w.shows("h", "Label32");
        out.write("Label32", answer("Altura gerada =", h, 4, 4, " m"));

        // h = v0 τ - k τ²: the particle passes h once rising and once falling.
        // D = v0² (1 - p/100) with p below 100, so the root is always real.
        // D is never kept, nor written: it would overflow long before the
        // times do. The solution writes its root.
        w.remark("A partícula passa pela altura h nos instantes t que resolvem k × t² − v_{0} × t + h = 0, de "
                 "discriminante D = v_{0}² − 4 × k × h: o menor na subida, o maior na descida.");
        const Real k = w.step("k", "k", "@g / 2", g / 2, "m/s²");
        const Real s = w.step("s", "√D", "√(@v0² − 4 × @k × @h)", sqrt(v0 * v0 - 4 * k * h), "m/s");
        // s ≤ v0: |s - v0| is v0 - s and |-v0 - s| is v0 + s to the last bit,
        // so the formulas read as the textbook writes the roots.
        const Real t1 = w.step("t1", "t_{1}", "(@v0 − @s) / (2 × @k)", abs((s - v0) / (2 * k)), "s");
        const Real t2 = w.step("t2", "t_{2}", "(@v0 + @s) / (2 × @k)", abs((-v0 - s) / (2 * k)), "s");
        // Up past h and back down to the launch height: the two instants add
        // up to the whole flight, 2 v0 / g.
        const Real total = w.step("total", "t_{total}", "@t1 + @t2", t1 + t2, "s");
        w.shows(t1 < t2 ? "t1" : "t2", "Label35");
        w.shows(t1 < t2 ? "t2" : "t1", "Label36");
        w.shows("total", "Label37");
        out.write("Label35", answer("Tempo de Subida =", t1 < t2 ? t1 : t2, 4, 4, " s"));
        out.write("Label36", answer("Tempo de descida =", t1 < t2 ? t2 : t1, 4, 4, " s"));
        out.write("Label37", answer("Tempo Total =", total, 4, 4, " s"));
        out.figure = vertical_launch_figure(v0, g, top, hmax, h, t1, t2, total);
    });
}

} // namespace

Outcome vertical_launch(const Cells& cells, RandomDraw& random)
{
    return vertical_launch_with(cells, [&random] { return random.percentage(); });
}

Outcome vertical_launch(const Cells& cells, int percentage)
{
    return vertical_launch_with(cells, [percentage] { return percentage; });
}

} // namespace tavek
