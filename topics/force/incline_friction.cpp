#include "topics/force/incline_friction.h"

#include "kit/core/classroom.h"
#include "topics/force/figures.h"

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
    Real fat; // kinetic friction on A: the most friction can do
    Real pb;  // B's weight
    Real rad; // the angle in radians
};

// The data as read and the forces on both blocks, worked out in `w`.
Incline incline(Working& w, Real mu, Real mA, Real mB, Real theta)
{
    w.given("mu", "μ", mu, "");
    w.given("mA", "m_{A}", mA, "kg");
    w.given("mB", "m_{B}", mB, "kg");
    w.given("theta", "θ", theta, "°");
    w.known("g", "g", classroom::g, "m/s²");
    w.known("pi", "π", classroom::pi, "");
    w.remark(classroom::piSentence);

    Incline s;
    s.rad = classroom::pi * theta / 180;
    // Sine and cosine with six decimals: the forces come out of them again.
    // The forces keep the sine's and cosine's extended precision, as they
    // always have: only the steps' texts are rounded.
    w.step("sin", "sen θ", "sen(@pi × @theta / 180)", sin(s.rad), "", 6);
    w.step("cos", "cos θ", "cos(@pi × @theta / 180)", cos(s.rad), "", 6);
    s.pb = w.step("PB", "P_{B}", "@mB × @g", classroom::g * mB, "N");
    s.px = w.step("PX", "P_{X}", "@mA × @g × @sin", sin(s.rad) * (classroom::g * mA), "N");
    s.py = w.step("PY", "P_{Y}", "@mA × @g × @cos", cos(s.rad) * (classroom::g * mA), "N");
    // Worked out here, written by each exercise under the name its use gives it.
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

        Working w(out.solution, 4, 2);
        const Incline s = incline(w, mu, mA, mB, theta);
        // Friction opposes the motion whichever way it goes: it takes away
        // from the difference of the pulls, and when it can hold all of it
        // (equal pulls included) nothing moves, the friction that acts is
        // just that difference and the rope carries B.
        const Real net = (abs(s.px - s.pb) - s.fat) / (mA + mB);
        Real a = 0.0;
        Real t = s.pb;
        Real friction;
        const char* motion;
        if (!(net > 0)) {
            motion = "O atrito impede o movimento - Sistema em repouso";
            w.step("FatMax", "F_{at,máx}", "@mu × @PY", s.fat, "N");
            friction = w.step("Fat", "F_{at}", "|@PX − @PB|", abs(s.px - s.pb), "N");
            w.remark("|P_{X} − P_{B}| não passa de F_{at,máx} = μ × P_{Y}, o maior atrito possível: o sistema fica "
                     "em repouso, o atrito que age só equilibra |P_{X} − P_{B}| e a corda sustenta o bloco B.");
            w.step("a", "a", "", a, "m/s²");
            w.step("T", "T", "@PB", t, "N");
        } else {
            friction = w.step("Fat", "F_{at}", "@mu × @PY", s.fat, "N");
            a = w.step("a", "a", "(|@PX − @PB| − @Fat) / (@mA + @mB)", net, "m/s²");
            if (s.px < s.pb) {
                motion = "|PB > PA | - Sistema se move da esquerda para direita";
                w.remark("P_{B} > P_{X}: o bloco B desce e puxa o bloco A plano acima.");
                t = w.step("T", "T", "@PB − @mB × @a", s.pb - mB * a, "N");
            } else {
                motion = "|PA > PB | - Sistema se move da direita para esquerda";
                w.remark("P_{X} > P_{B}: o bloco A desce o plano e puxa o bloco B para cima.");
                t = w.step("T", "T", "@mB × @a + @PB", mB * a + s.pb, "N");
            }
        }
        w.shows({{"a", "Label9"}, {"T", "Label10"}, {"Fat", "Label13"}, {"PX", "Label18"}, {"PY", "Label18"},
                 {"PB", "Label8"}});

        out.write("Label17", motion);
        out.write("Label13", line("Força de Atrito = ", friction, " N"));
        out.write("Label18", components(s.px, s.py));
        out.write("Label8", line("Peso do bloco B = ", s.pb, " N"));
        out.write("Label9", line("Aceleração do sistema = ", a, " m/s²"));
        out.write("Label10", line("Tensão da corda = ", t, " N"));
        out.figure = rough_incline_figure(theta, s.px, s.py, friction, s.pb, a, t);
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

        Working w(out.solution, 4, 2);
        const Incline s = incline(w, mu, mA, mB, theta);
        w.step("Fat", "F_{at}", "@mu × @PY", s.fat, "N");
        if (s.pb < s.px) {
            // A goes down the plane unless friction holds it: either way the
            // climb this exercise works out does not happen.
            if (s.px - s.pb > s.fat) {
                out.message("PA > PB + FAT - O bloco A desce o plano", "Edit5");
                w.remark("P_{X} > P_{B} + F_{at}: o bloco A desce o plano e puxa B para cima; o exercício trata da "
                         "subida de A, que não acontece.");
            } else {
                out.message("PA > PB - Não há movimentação do sistema", "Edit5");
                w.remark("P_{X} > P_{B}, mas o atrito segura a diferença: o sistema não se move.");
            }
            return;
        }
        if (!(s.pb > s.px)) {
            w.remark("P_{X} = P_{B}: os pesos se equilibram e o sistema não se move.");
            return;
        }

        // Friction at least as large as PB - PX holds the system where it is.
        const Real a = (s.pb - s.px - s.fat) / (mA + mB);
        if (!(a > 0)) {
            out.message("PA + FAT ≥ PB - Não há movimentação do sistema", "Edit5");
            w.remark("P_{B} não passa de P_{X} + F_{at}: o atrito segura o sistema, que não se move.");
            return;
        }
        w.given("CA", "CA", ca, "m");
        w.remark("P_{B} > P_{X} + F_{at}: o bloco B desce e puxa o bloco A, a partir do repouso, plano acima.");
        w.step("a", "a", "(@PB − @PX − @Fat) / (@mA + @mB)", a, "m/s²");
        const Real tension = w.step("T", "T", "@PB − @mB × @a", s.pb - mB * a, "N");
        const Real hip = w.step("HIP", "HIP", "@CA / @cos", ca / cos(s.rad), "m");
        const Real co = w.step("CO", "CO", "@sin × @HIP", sin(s.rad) * hip, "m");
        // A's weight along the plane and the friction oppose the climb: their
        // works are resistant.
        w.remark("O peso de A ao longo do plano e o atrito se opõem à subida: seus trabalhos são negativos. O "
                 "peso de B, que desce o mesmo HIP que A sobe, e a tensão que puxa A trabalham a favor.");
        const Real wpay = w.step("WPAY", "W_{PAY}", "−@PX × @HIP", -(s.px * hip), "J");
        const Real wfat = w.step("WFAT", "W_{FAT}", "−@Fat × @HIP", -(s.fat * hip), "J");
        // B descends as far as A climbs along the plane.
        const Real wpb = w.step("WPB", "W_{PB}", "@PB × @HIP", s.pb * hip, "J");
        const Real wt = w.step("WT", "W_{TENSÃO}", "@T × @HIP", tension * hip, "J");
        const Real time = w.step("t", "t", "√(2 × @HIP / @a)", sqrt(2 * hip / a), "s");
        const Real speed = w.step("v", "v_{A}", "@a × @t", a * time, "m/s");
        w.shows({{"CO", "Label24"}, {"HIP", "Label31"}, {"a", "Label34"},
                 {"T", "Label35"}, {"Fat", "Label36"}, {"WPAY", "Label37"}, {"WFAT", "Label38"},
                 {"WPB", "Label39"}, {"WT", "Label40"}, {"v", "Label41"}, {"t", "Label41"},
                 {"PX", "Label32"}, {"PY", "Label32"}, {"PB", "Label33"}});

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
        out.figure = rough_incline_figure(theta, s.px, s.py, s.fat, s.pb, a, tension);
    });
}

} // namespace tavek
