// One press of every calculate button of every window: the calculator run on
// the typed cells and its outcome applied to the window, as a click on the
// button does it, timed in the process over many presses.
//
//   press_bench [presses]       (offscreen unless QT_QPA_PLATFORM is set)
//
// The buttons come from the windows' exercise tables, so a new exercise is
// measured without being listed here; only its worked example's cells must be
// added below (the program stops if one is missing). Before each timed press
// the exercise is cleared, its cells typed again and the buttons before it in
// the exercise pressed, with the window painted: every press finds what a
// student's first press finds, answers still hidden. Prints each press's
// median wall-clock time, the time nine presses in ten stay under and the
// median processor time of the press's thread (on an X server the rest is
// spent waiting for the server), the same two with the exercise's solution
// window open (the press then also writes its worked solution there), then
// the worst median; exits 1 when that is 1 ms or more. Where the solution
// has a figure, it also times drawing the figure at the screen's scale and at
// twice it, beside a bare widget of its size drawn the same way; exits 1 when
// a figure takes a 60 Hz frame or more.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QMenu>

#include <ctime>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "app/registry.h"
#include "kit/frame/fonts.h"
#include "kit/frame/messenger.h"
#include "median.h"
#include "offscreen.h"
#include "tools/worked_examples.h"

namespace {

using tavek::FormNumber;

constexpr double kLimitUs = 1000;
// A press that also writes its solution must still be over within one frame
// of a 60 Hz screen: nothing the student could see waiting.
constexpr double kSolutionLimitUs = 16000;
// Drawing a figure too, each time its window paints.
constexpr double kFigureLimitUs = 16000;

class CountingMessenger : public tavek::Messenger {
public:
    void inform(QWidget*, const QString&) override { ++boxes; }
    void fault(QWidget*, const QString&) override { ++boxes; }
    int boxes = 0;
};

double threadCpuUs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
}

// The slowest presses are the machine's other work more than ours.
double ninetieth(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() * 9 / 10];
}

struct Row {
    QString name; // "Form2 Button1"
    QString text; // the button's caption
    double medianUs;
    double slowUs; // nine presses in ten are faster
    double cpuUs;  // median processor time of the press
    double openUs; // the same two with the exercise's solution window open
    double openCpuUs;
    double figureUs = 0; // drawing its figure, none: 0
    double figure2Us = 0; // at twice the scale
    double bareUs = 0;   // a bare widget of the same size
};

// The median processor time of drawing a widget into an image of its size at
// `scale` (no server to wait for: processor time is all of it).
double drawUs(QWidget* widget, QSize size, qreal scale, int times)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    std::vector<double> us;
    for (int i = -3; i < times; ++i) {
        const double cpuStart = threadCpuUs();
        widget->render(&image);
        if (i >= 0)
            us.push_back(threadCpuUs() - cpuStart);
    }
    return median(us);
}

// Types the exercise's worked example; false if a cell has none.
bool typeIn(FormNumber form, const tavek::Exercise& exercise)
{
    const auto cells = tavek::exampleCells(*exercise.record);
    for (QLineEdit* cell : exercise.inputs) {
        const auto typed = std::find_if(cells.begin(), cells.end(),
                                        [cell](const auto& c) { return cell->objectName() == QLatin1String(c.first); });
        if (typed == cells.end()) {
            std::fprintf(stderr, "press_bench: no worked example for Form%d %s\n", form,
                         qPrintable(cell->objectName()));
            return false;
        }
        cell->setText(QString::fromUtf8(typed->second));
    }
    return true;
}

// Opens the exercise's solution window from the menu "Resolução", as a
// student does; nullptr if the window has none.
QWidget* openSolution(tavek::FormWindow* form, const tavek::Exercise& exercise)
{
    auto* menu = form->findChild<QMenu*>(QStringLiteral("Resolucao"));
    const auto index = static_cast<qsizetype>(&exercise - form->exercises().data());
    if (!menu || index >= menu->actions().size()) {
        std::fprintf(stderr, "press_bench: Form%d has no solution menu item %lld\n", form->number(),
                     static_cast<long long>(index));
        return nullptr;
    }
    menu->actions().at(index)->trigger();
    QApplication::processEvents();
    return form->findChild<QWidget*>(QStringLiteral("ResolucaoForm%1").arg(form->number()));
}

} // namespace

int main(int argc, char** argv)
{
    bench::offscreenUnlessSet();
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::max(1, std::atoi(argv[1])) : 101;

    tavek::installFonts();
    CountingMessenger messenger;
    tavek::Registry registry(messenger);
    registry.mainWindow()->show();
    QApplication::processEvents();

    std::vector<Row> rows;
    for (FormNumber n = 2; n <= static_cast<FormNumber>(registry.count()); ++n) {
        tavek::FormWindow* form = registry.form(n);
        registry.show(n);
        QApplication::processEvents();
        for (const tavek::Exercise& exercise : form->exercises()) {
            for (std::size_t p = 0; p < exercise.presses.size(); ++p) {
                QAbstractButton* button = exercise.presses[p].button;
                // Timed presses: the calculator's worked solution is always
                // built; with the solution window showing this exercise, the
                // time runs on until the solution is written there too.
                auto series = [&](std::vector<double>& us, std::vector<double>& cpuUs, bool solution) {
                    // Three untimed presses first: caches, glyphs, allocations.
                    for (int i = -3; i < presses; ++i) {
                        if (exercise.clear)
                            exercise.clear->click();
                        if (!typeIn(n, exercise))
                            return false;
                        for (std::size_t before = 0; before < p; ++before)
                            exercise.presses[before].button->click();
                        QApplication::processEvents();
                        const double cpuStart = threadCpuUs();
                        QElapsedTimer timer;
                        timer.start();
                        button->click();
                        if (solution) // the solution follows once the press is done
                            QApplication::processEvents();
                        const qint64 ns = timer.nsecsElapsed();
                        const double cpu = threadCpuUs() - cpuStart;
                        if (i >= 0) {
                            us.push_back(static_cast<double>(ns) / 1e3);
                            cpuUs.push_back(cpu);
                        }
                    }
                    return true;
                };
                std::vector<double> us, cpuUs, openUs, openCpuUs;
                if (!series(us, cpuUs, false))
                    return 2;
                QWidget* solution = openSolution(form, exercise);
                if (!solution || !series(openUs, openCpuUs, true))
                    return 2;
                double figureUs = 0, figure2Us = 0, bareUs = 0;
                auto* figure = solution->findChild<QWidget*>(QStringLiteral("Figura"));
                if (figure && figure->isVisible()) {
                    QWidget bare;
                    bare.setAutoFillBackground(true);
                    bare.resize(figure->size());
                    figureUs = drawUs(figure, figure->size(), 1, presses);
                    figure2Us = drawUs(figure, figure->size(), 2, presses);
                    bareUs = drawUs(&bare, figure->size(), 1, presses);
                }
                solution->hide();
                const bool answered = std::any_of(exercise.results.begin(), exercise.results.end(),
                                                  [](QWidget* w) { return w->isVisible(); }) ||
                                      std::any_of(exercise.givens.begin(), exercise.givens.end(),
                                                  [](QWidget* w) { return w->isVisible(); });
                if (messenger.boxes != 0 || !answered) {
                    std::fprintf(stderr, "press_bench: Form%d %s gave %s\n", n, qPrintable(button->objectName()),
                                 messenger.boxes ? "a message box" : "no answer");
                    return 2;
                }
                rows.push_back({QStringLiteral("Form%1 %2").arg(n).arg(button->objectName()), button->text(),
                                median(us), ninetieth(us), median(cpuUs), median(openUs), median(openCpuUs),
                                figureUs, figure2Us, bareUs});
            }
        }
        form->hide();
    }

    std::printf("one press, outcome built and applied (median of %d presses each)\n", presses);
    std::printf("%-16s %-24s %10s %10s %10s %12s %12s %10s %10s %8s\n", "button", "caption", "median us", "90% us",
                "cpu us", "solution us", "its cpu us", "figure us", "at 2x us", "÷ bare");
    const Row* worst = &rows.front();
    const Row* worstOpen = &rows.front();
    const Row* worstFigure = &rows.front();
    for (const Row& r : rows) {
        std::printf("%-16s %s %10.1f %10.1f %10.1f %12.1f %12.1f", qPrintable(r.name),
                    qPrintable(r.text.left(24).leftJustified(24)), r.medianUs, r.slowUs, r.cpuUs, r.openUs,
                    r.openCpuUs);
        if (r.figureUs > 0)
            std::printf(" %10.1f %10.1f %8.1f\n", r.figureUs, r.figure2Us, r.figureUs / r.bareUs);
        else
            std::printf(" %10s %10s %8s\n", "-", "-", "-");
        if (r.medianUs > worst->medianUs)
            worst = &r;
        if (r.openUs > worstOpen->openUs)
            worstOpen = &r;
        if (r.figure2Us > worstFigure->figure2Us)
            worstFigure = &r;
    }
    const bool ok = worst->medianUs < kLimitUs && worstOpen->openUs < kSolutionLimitUs &&
                    worstFigure->figure2Us < kFigureLimitUs;
    std::printf("worst median: %s %.1f us (limit %.0f us); with its solution: %s %.1f us (limit %.0f us); "
                "its figure at 2x: %s %.1f us (limit %.0f us): %s\n",
                qPrintable(worst->name), worst->medianUs, kLimitUs, qPrintable(worstOpen->name), worstOpen->openUs,
                kSolutionLimitUs, qPrintable(worstFigure->name), worstFigure->figure2Us, kFigureLimitUs,
                ok ? "ok" : "TOO SLOW");
#ifndef NDEBUG
    std::printf("(unoptimised build: build with CMAKE_BUILD_TYPE=Release for figures worth quoting)\n");
#endif
    return ok ? 0 : 1;
}
