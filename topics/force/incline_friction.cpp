#include "topics/force/incline_friction.h"

#include "kit/classroom.h"

#include <string>

namespace tavek {

namespace {


// Every number of this window is written with width 4 and 2 decimals.
std::string line(std::string_view prefix, Real x, std::string_view suffix)
{
    return answer(prefix, x, 4, 2, suffix);
}

// The one line that shows both components of A's weight: PX along the plane,
// PY across it.
std::string components(Real alongPlane, Real acrossPlane)
{
    return line("PX do bloco A = ", alongPlane, " N    PY do bloco A =") + line("", acrossPlane, " N");
}

// The block on the plane, B hanging: the quantities both exercises share.
struct Incline {
    Real px;  // A's weight along the plane
    Real py;  // A's weight across the plane
    Real fat; // kinetic friction on A
    Real pb;  // B's weight
    Real rad; // the angle in radians
};

Incline incline(Real mu, Real mA, Real mB, Real theta)
{
    Incline s;
    s.rad = classroom::pi * theta / 180;
    s.pb = classroom::g * mB;
    s.px = sin(s.rad) * (classroom::g * mA);
    s.py = cos(s.rad) * (classroom::g * mA);
    s.fat = mu * s.py;
    return s;
}

// Checks common to both exercises, in their order; true when all pass.
bool checkIncline(Outcome& out, Real mu, Real mA, Real mB, Real theta,
                  const char* muCell, const char* mACell, const char* mBCell, const char* thetaCell)
{
    if (mu > 1 || mu <= 0)
        out.message("Ajuste o valor do Coeficiente de Atrito cinético", muCell);
    if (mA <= 0)
        out.message("Massa do bloco A inválida. Ajuste seus dados", mACell);
    if (mB <= 0)
        out.message("Massa do bloco B inválida. Ajuste seus dados", mBCell);
    if (theta <= 0 || theta > 90)
        out.message("Medida do ângulo inválida. Ajuste seus dados", thetaCell);
    return mA > 0 && mB > 0 && mu > 0 && mu <= 1 && theta > 0 && theta <= 90;
}

} // namespace

Outcome rough_incline(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real mu = read("Edit1");
        const Real mA = read("Edit2");
        const Real mB = read("Edit3");
        const Real theta = read("Edit4");
        if (!read.ok())
            return;
        if (!checkIncline(out, mu, mA, mB, theta, "Edit1", "Edit2", "Edit3", "Edit4"))
            return;

        const Incline s = incline(mu, mA, mB, theta);
        // Friction opposes the motion whichever way it goes: it takes away
        // from the difference of the pulls, and when it can hold all of it
        // (equal pulls included) nothing moves and the rope carries B.
        Real a = (abs(s.px - s.pb) - s.fat) / (mA + mB);
        Real t = s.pb;
        if (!(a > 0)) {
            a = 0;
            out.write("Label17", "O atrito impede o movimento - Sistema em repouso");
        } else if (s.px < s.pb) {
            out.write("Label17", "|PB > PA | - Sistema se move da esquerda para direita");
            t = s.pb - mB * a;
        } else {
            out.write("Label17", "|PA > PB | - Sistema se move da direita para esquerda");
            t = mB * a + s.pb;
        }

        out.write("Label13", line("Força de Atrito = ", s.fat, " N"));
        out.write("Label18", components(s.px, s.py));
        out.write("Label8", line("Peso do bloco B = ", s.pb, " N"));
        out.write("Label9", line("Aceleração do sistema = ", a, " m/s²"));
        out.write("Label10", line("Tensão da corda = ", t, " N"));
    });
}

Outcome rough_incline_work(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real mu = read("Edit5");
        const Real mA = read("Edit6");
        const Real mB = read("Edit7");
        const Real theta = read("Edit8");
        const Real ca = read("Edit9");
        if (!read.ok())
            return;
        bool valid = checkIncline(out, mu, mA, mB, theta, "Edit5", "Edit6", "Edit7", "Edit8");
        if (ca <= 0) {
            out.message("Medida do comprimento CA inválida. Ajuste seus dados", "Edit9");
            valid = false;
        }
        if (!valid)
            return;
        if (theta == 90) {
            // A vertical plane has no base length to measure along.
            out.message("Divisão por zero. Ajuste seus dados", "Edit8");
            return;
        }

        const Incline s = incline(mu, mA, mB, theta);
        if (s.pb < s.px) {
            out.message("PA > PB - Não há movimentação do sistema", "Edit5");
            return;
        }
        if (!(s.pb > s.px))
            return; // balanced: nothing moves, nothing to show

        // Friction at least as large as PB - PX holds the system where it is.
        const Real a = (s.pb - s.px - s.fat) / (mA + mB);
        if (!(a > 0)) {
            out.message("PA + FAT ≥ PB - Não há movimentação do sistema", "Edit5");
            return;
        }
        const Real tension = s.pb - mB * a;
        const Real hip = ca / cos(s.rad);
        const Real co = sin(s.rad) * hip;
        const Real wpay = s.px * hip;
        const Real wfat = s.fat * hip;
        const Real wpb = s.pb * hip; // B descends as far as A climbs along the plane
        const Real wt = tension * hip;
        const Real time = sqrt(2 * hip / a);
        const Real speed = a * time;

        out.write("Label24", line("Comprimento CO =", co, " m"));
        out.write("Label31", line("Comprimento HIP =", hip, " m"));
        out.write("Label34", line("Aceleração do sistema =", a, " m/s²"));
        out.write("Label35", line("Tensão nas cordas =", tension, " N"));
        out.write("Label36", line("Força de atrito =", s.fat, " N"));
        out.write("Label37", line("WPAY =", wpay, " J"));
        out.write("Label38", line("WFAT =", wfat, " J"));
        out.write("Label39", line("WPB =", wpb, " J"));
        out.write("Label40", line("WTENSÃO =", wt, " J"));
        out.write("Label41", line("Velocidade de A =", speed, " m/s | Tempo de chegada =") + line("", time, " s"));
        out.write("Label32", components(s.px, s.py));
        out.write("Label33", line("Peso do bloco B =", s.pb, " N"));
    });
}

} // namespace tavek
