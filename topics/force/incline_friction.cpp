#include "topics/force/incline_friction.h"

#include "kit/core/classroom.h"
#include "kit/core/run.h"

namespace tavek {

namespace {

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
    w.given("mu", mu);
    w.given("mA", mA);
    w.given("mB", mB);
    w.given("theta", theta);
    w.known("g", "g", classroom::g, "m/s²");
    w.knownPi();

    Incline s;
    s.rad = classroom::pi * theta / 180;
    // Sine and cosine with six decimals: the forces come out of them again.
    // The forces keep the sine's and cosine's extended precision, as they
    // always have: only the steps' texts are rounded.
    w.step("sin", "sen θ", "sen(@pi × @theta / 180)", sin(s.rad), "", 6);
    w.step("cos", "cos θ", "cos(@pi × @theta / 180)", cos(s.rad), "", 6);
    s.pb = w.step("PB", "@mB × @g", classroom::g * mB);
    s.px = w.step("PX", "@mA × @g × @sin", sin(s.rad) * (classroom::g * mA));
    s.py = w.step("PY", "@mA × @g × @cos", cos(s.rad) * (classroom::g * mA));
    // Worked out here, written by each exercise under the name its use gives it.
    s.fat = mu * s.py;
    return s;
}

// Checks common to both exercises, in their order; true when all pass.
bool checkIncline(Run& r, Real mu, Real mA, Real mB, Real theta)
{
    if (mu > 1 || mu <= 0)
        r.refuse("mu", "Ajuste o valor do Coeficiente de Atrito cinético");
    if (mA <= 0)
        r.refuse("mA", "Massa do bloco A inválida. Ajuste seus dados");
    if (mB <= 0)
        r.refuse("mB", "Massa do bloco B inválida. Ajuste seus dados");
    if (theta <= 0 || theta > 90)
        r.refuse("theta", "Medida do ângulo inválida. Ajuste seus dados");
    return mA > 0 && mB > 0 && mu > 0 && mu <= 1 && theta > 0 && theta <= 90;
}

} // namespace

void rough_incline(Run& r)
{
    const Real mu = r.read("mu");
    const Real mA = r.read("mA");
    const Real mB = r.read("mB");
    const Real theta = r.read("theta");
    if (!r.ok())
        return;
    if (!checkIncline(r, mu, mA, mB, theta))
        return;

    Working& w = r.work(4, 2);
    const Incline s = incline(w, mu, mA, mB, theta);
    // Friction opposes the motion whichever way it goes: it takes away
    // from the difference of the pulls, and when it can hold all of it
    // (equal pulls included) nothing moves, the friction that acts is
    // just that difference and the rope carries B.
    const Real net = (abs(s.px - s.pb) - s.fat) / (mA + mB);
    const char* motion;
    if (!(net > 0)) {
        motion = kRoughRest;
        w.step("FatMax", "F_{at,máx}", "@mu × @PY", s.fat, "N");
        w.step("Fat", "|@PX − @PB|", abs(s.px - s.pb));
        w.remark("|P_{X} − P_{B}| não passa de F_{at,máx} = μ × P_{Y}, o maior atrito possível: o sistema fica "
                 "em repouso, o atrito que age só equilibra |P_{X} − P_{B}| e a corda sustenta o bloco B.");
        w.step("a", "", Real(0.0));
        w.step("T", "@PB", s.pb);
    } else {
        w.step("Fat", "@mu × @PY", s.fat);
        const Real a = w.step("a", "(|@PX − @PB| − @Fat) / (@mA + @mB)", net);
        if (s.px < s.pb) {
            motion = kRoughRight;
            w.remark("P_{B} > P_{X}: o bloco B desce e puxa o bloco A plano acima.");
            w.step("T", "@PB − @mB × @a", s.pb - mB * a);
        } else {
            motion = kRoughLeft;
            w.remark("P_{X} > P_{B}: o bloco A desce o plano e puxa o bloco B para cima.");
            w.step("T", "@mB × @a + @PB", mB * a + s.pb);
        }
    }
    r.say("motion", motion);
    r.write({"Fat"});
    r.write({"PX", "PY"});
    r.write({"PB"});
    r.write({"a"});
    r.write({"T"});
}

void rough_incline_work(Run& r)
{
    const Real mu = r.read("mu");
    const Real mA = r.read("mA");
    const Real mB = r.read("mB");
    const Real theta = r.read("theta");
    const Real ca = r.read("CA");
    if (!r.ok())
        return;
    bool valid = checkIncline(r, mu, mA, mB, theta);
    if (ca <= 0) {
        r.refuse("CA", "Medida do comprimento CA inválida. Ajuste seus dados");
        valid = false;
    }
    if (!valid)
        return;
    if (theta == 90) {
        // A vertical plane has no base length to measure along.
        r.refuse("theta", "Divisão por zero. Ajuste seus dados");
        return;
    }

    Working& w = r.work(4, 2);
    const Incline s = incline(w, mu, mA, mB, theta);
    w.step("Fat", "@mu × @PY", s.fat);
    if (s.pb < s.px) {
        // A goes down the plane unless friction holds it: either way the
        // climb this exercise works out does not happen.
        if (s.px - s.pb > s.fat) {
            r.refuse("mu", "PA > PB + FAT - O bloco A desce o plano");
            w.remark("P_{X} > P_{B} + F_{at}: o bloco A desce o plano e puxa B para cima; o exercício trata da "
                     "subida de A, que não acontece.");
        } else {
            r.refuse("mu", "PA > PB - Não há movimentação do sistema");
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
        r.refuse("mu", "PA + FAT ≥ PB - Não há movimentação do sistema");
        w.remark("P_{B} não passa de P_{X} + F_{at}: o atrito segura o sistema, que não se move.");
        return;
    }
    w.given("CA", ca);
    w.remark("P_{B} > P_{X} + F_{at}: o bloco B desce e puxa o bloco A, a partir do repouso, plano acima.");
    w.step("a", "(@PB − @PX − @Fat) / (@mA + @mB)", a);
    const Real tension = w.step("T", "@PB − @mB × @a", s.pb - mB * a);
    const Real hip = w.step("HIP", "@CA / @cos", ca / cos(s.rad));
    w.step("CO", "@sin × @HIP", sin(s.rad) * hip);
    // A's weight along the plane and the friction oppose the climb: their
    // works are resistant.
    w.remark("O peso de A ao longo do plano e o atrito se opõem à subida: seus trabalhos são negativos. O "
             "peso de B, que desce o mesmo HIP que A sobe, e a tensão que puxa A trabalham a favor.");
    w.step("WPAY", "−@PX × @HIP", -(s.px * hip));
    w.step("WFAT", "−@Fat × @HIP", -(s.fat * hip));
    // B descends as far as A climbs along the plane.
    w.step("WPB", "@PB × @HIP", s.pb * hip);
    w.step("WT", "@T × @HIP", tension * hip);
    const Real time = w.step("t", "√(2 × @HIP / @a)", sqrt(2 * hip / a));
    w.step("v", "@a × @t", a * time);
    r.write({"CO", "HIP", "a", "T", "Fat", "WPAY", "WFAT", "WPB", "WT", "v", "t", "PX", "PY", "PB"});
}

} // namespace tavek
