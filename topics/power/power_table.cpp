#include "topics/power/power_table.h"

#include <cmath>

#include "kit/core/classroom.h"
#include "kit/core/number.h"
#include "topics/power/figures.h"

namespace tavek {

namespace {
constexpr const char* kList = "ListBox1";
// Times from here on are refused: the list would grow past 32001 lines.
constexpr double kMaxSeconds = 32001;
} // namespace

Outcome power_table(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        // A press never leaves an earlier list on screen, whatever follows.
        out.clear(kList);
        out.hide(kList);

        CellReader read(cells, out);
        const Real v = read("Edit1");
        const Real f1 = read("Edit2");
        const Real alpha = read("Edit3");
        const Real t = read("Edit4");
        if (!read.ok())
            return;
        if (!(v > 0))
            out.message("Velocidade inválida. Ajuste seus dados", "Edit1");
        if (!(t > 0))
            out.message("Tempo inválido. Ajuste seus dados", "Edit4");
        if (!(f1 > 0))
            out.message("Força inválida. Ajuste seus dados", "Edit2");
        const bool alphaOk = alpha > 0 && alpha <= 90;
        if (!alphaOk)
            out.message("Ânngulo inválido. Ajuste seus dados", "Edit3");
        if (!(t < kMaxSeconds))
            out.message("Memória insuficiente. Ajuste outra valor para o tempo", "Edit4");
        if (!(alphaOk && v > 0 && f1 > 0 && t > 0 && t < kMaxSeconds))
            return;

        out.show(kList);
        Working w(out.solution, 6, 6);
        w.given("v", "v", v, "m/s");
        w.given("F1", "F_{1}", f1, "N");
        w.given("alpha", "α", alpha, "°");
        w.given("T", "T", t, "s");
        w.known("pi", "π", classroom::pi, "");
        w.known("k", "k_{hp}", classroom::horsepowerPerWatt, "hp/W");
        w.remark(classroom::piSentence);
        w.remark("0.001341 hp/W é 1 / 745.7 W: o horsepower (hp), e não o cavalo-vapor métrico (cv) de 735.5 W.");
        const Real radians = classroom::pi * alpha / 180;
        // Eight decimals: the work of a long interval comes out of them again.
        // The cosine is kept wide into Fx: rounding it first could move Fx's last bit.
        const Extended cosine = cos(radians);
        w.step("cos", "cos α", "cos(@pi × @alpha / 180)", cosine, "", 8);
        const Real fx = w.step("Fx", "F_{x}", "@F1 × @cos", cosine * f1, "N", 8);
        // Nearest whole second, a half going to the even one (0.5 gives none);
        // the default rounding mode is to nearest, ties to even.
        const long n = std::lrint(t.value());
        if (n == 0)
            w.remark("T arredondado ao segundo inteiro dá 0: a lista fica vazia.");
        out.actions.reserve(out.actions.size() + static_cast<std::size_t>(n));
        std::string line;
        std::vector<double> powers; // each second's, for the figure
        powers.reserve(static_cast<std::size_t>(n));
        // Every line repeats the same working: the solution shows the last.
        bool last = false;
        const auto worked = [&](const char* name, const char* symbol, const char* formula, Real value,
                                const char* unit) { return last ? w.step(name, symbol, formula, value, unit) : value; };
        for (long i = 1; i <= n; ++i) {
            last = i == n;
            const Real seconds = static_cast<double>(i);
            if (last) {
                w.remark("Cada linha da lista faz a conta para um segundo, de t = 1 s até T arredondado ao "
                         "segundo inteiro; a resolução é a da última linha.");
                w.step("t", "t", "", seconds, "s", 0);
            }
            // The distance is only a step to the work (it may pass the double
            // range where the work does not).
            const Real work = worked("W", "τ", "@Fx × @v × @t", fx * (seconds * v), "J");
            const Real power = worked("Pot", "Pot", "@W / @t", work / seconds, "W");
            const Real hp = worked("hp", "Pot_{hp}", "@Pot × @k", power * classroom::horsepowerPerWatt, "hp");
            if (last)
                for (const char* name : {"t", "W", "Pot", "hp"})
                    w.shows(name, kList);
            line.assign("Tempo =");
            line += write_number(seconds.value(), 0, 0);
            line += "s | Trabalho realizado =";
            line += write_number(work.value(), 6, 6);
            line += "J | Potência = ";
            line += write_number(power.value(), 6, 6);
            line += " W  -> ";
            line += write_number(hp.value(), 6, 6);
            line += " hp";
            out.append(kList, line);
            powers.push_back(power.value());
        }
        out.figure = power_table_figure(powers);
    });
}

} // namespace tavek
