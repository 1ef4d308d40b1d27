#include "topics/power/power_table.h"

#include <cmath>

#include "kit/core/classroom.h"
#include "kit/core/run.h"

namespace tavek {

namespace {
// Times from here on are refused: the list would grow past 32001 lines.
constexpr double kMaxSeconds = 32001;
} // namespace

void power_table(Run& r)
{
    Outcome& out = r.out();
    const char* list = r.control("W");
    // A press never leaves an earlier list on screen, whatever follows.
    out.clear(list);
    out.hide(list);

    const Real v = r.read("v");
    const Real f1 = r.read("F1");
    const Real alpha = r.read("alpha");
    const Real t = r.read("T");
    if (!r.ok())
        return;
    if (!(v > 0))
        r.refuse("v", "Velocidade inválida. Ajuste seus dados");
    if (!(t > 0))
        r.refuse("T", "Tempo inválido. Ajuste seus dados");
    if (!(f1 > 0))
        r.refuse("F1", "Força inválida. Ajuste seus dados");
    const bool alphaOk = alpha > 0 && alpha <= 90;
    if (!alphaOk)
        r.refuse("alpha", "Ânngulo inválido. Ajuste seus dados");
    if (!(t < kMaxSeconds))
        r.refuse("T", "Memória insuficiente. Ajuste outra valor para o tempo");
    if (!(alphaOk && v > 0 && f1 > 0 && t > 0 && t < kMaxSeconds))
        return;

    out.show(list);
    Working& w = r.work(6, 6);
    w.given("v", v);
    w.given("F1", f1);
    w.given("alpha", alpha);
    w.given("T", t);
    w.knownPi();
    w.known("k", "k_{hp}", classroom::horsepowerPerWatt, "hp/W");
    w.remark("0.001341 hp/W é 1 / 745.7 W: o horsepower (hp), e não o cavalo-vapor métrico (cv) de 735.5 W.");
    const Real radians = classroom::pi * alpha / 180;
    // Eight decimals: the work of a long interval comes out of them again.
    // The cosine is kept wide into Fx: rounding it first could move Fx's last bit.
    const Extended cosine = cos(radians);
    w.step("cos", "cos α", "cos(@pi × @alpha / 180)", cosine, "", 8);
    const Real fx = w.step("Fx", "F_{x}", "@F1 × @cos", cosine * f1, "N", 8);
    // Nearest whole second, a half going to the even one (0.5 gives none);
    // the default rounding mode is to nearest, ties to even.
    // Nearest whole second, a half going to the even one (0.5 gives none);
    // the default rounding mode is to nearest, ties to even.
    const long n = std::lrint(t.value());
    if (n == 0)
        w.remark("T arredondado ao segundo inteiro dá 0: a lista fica vazia.");
    out.actions.reserve(out.actions.size() + static_cast<std::size_t>(n));
    out.answers.reserve(4 * static_cast<std::size_t>(n));
    // Every line repeats the same working: the solution shows the last.
    bool last = false;
    const auto worked = [&](const char* name, const char* formula, Real value) {
        return last ? w.step(name, formula, value) : value;
    };
    for (long i = 1; i <= n; ++i) {
        last = i == n;
        const Real seconds = static_cast<double>(i);
        if (last) {
            w.remark("Cada linha da lista faz a conta para um segundo, de t = 1 s até T arredondado ao "
                     "segundo inteiro; a resolução é a da última linha.");
            w.step("t", "", seconds);
        }
        // The distance is only a step to the work (it may pass the double
        // range where the work does not).
        const Real work = worked("W", "@Fx × @v × @t", fx * (seconds * v));
        const Real power = worked("Pot", "@W / @t", work / seconds);
        const Real hp = worked("hp", "@Pot × @k", power * classroom::horsepowerPerWatt);
        r.append({{"t", seconds}, {"W", work}, {"Pot", power}, {"hp", hp}}, i, last);
    }
}

} // namespace tavek
