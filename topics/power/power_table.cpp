#include "topics/power/power_table.h"

#include <cmath>

#include "kit/classroom.h"
#include "kit/number.h"

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
        const Real radians = classroom::pi * alpha / 180;
        const Real fx = cos(radians) * f1;
        // Nearest whole second, a half going to the even one (0.5 gives none);
        // the default rounding mode is to nearest, ties to even.
        const long n = std::lrint(t.value());
        out.actions.reserve(out.actions.size() + static_cast<std::size_t>(n));
        std::string line;
        for (long i = 1; i <= n; ++i) {
            const Real seconds = static_cast<double>(i);
            // The distance is only a step to the work (it may pass the double
            // range where the work does not).
            const Real work = fx * (seconds * v);
            const Real power = work / seconds;
            const Real hp = power * classroom::horsepowerPerWatt;
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
        }
    });
}

} // namespace tavek
