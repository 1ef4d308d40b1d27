#include "topics/rectilinear/rectilinear.h"

#include "kit/classroom.h"
#include "kit/random.h"

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

        // A final instant before the initial one is accepted: negative answers.
        const Real interval = t - t0;
        const Real v = (x - x0) / interval;
        const Real a = v / interval;
        out.write("Edit5", velocity(v));
        out.write("Edit6", acceleration(a));
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

        const Real v = 3 * c3 * t * t + c2;
        const Real a = 6 * c3 * t;
        out.write("Edit11", velocity(v));
        out.write("Edit12", acceleration(a));
    });
}

Outcome vertical_launch(const Cells& cells, RandomDraw& random)
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

        const Real g = classroom::g;
        const Real top = v0 / g;
        out.write("Label34", answer("Tempo de chegada =", top, 4, 4, " s"));
        const Real hmax = v0 * v0 / (2 * g);
        out.write("Label33", answer("Altura máxima =", hmax, 4, 4, " m"));

        const int p = random.percentage();
        const Real h = hmax * p / 100;
        out.write("Label32", answer("Altura gerada =", h, 4, 4, " m"));

        // h = v0 τ - k τ²: the particle passes h once rising and once falling.
        // D = v0² (1 - p/100) with p below 100, so the root is always real.
        // D is only a step: kept, it would overflow long before the times do.
        const Real k = g / 2;
        const Real s = sqrt(v0 * v0 - 4 * k * h);
        const Real t1 = abs((s - v0) / (2 * k));
        const Real t2 = abs((-v0 - s) / (2 * k));
        // Up past h and back down to the launch height: the two instants add
        // up to the whole flight, 2 v0 / g.
        const Real total = t1 + t2;
        out.write("Label35", answer("Tempo de Subida =", t1 < t2 ? t1 : t2, 4, 4, " s"));
        out.write("Label36", answer("Tempo de descida =", t1 < t2 ? t2 : t1, 4, 4, " s"));
        out.write("Label37", answer("Tempo Total =", total, 4, 4, " s"));
    });
}

} // namespace tavek
