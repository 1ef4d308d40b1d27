// How long the per-second list of the "Mais exercícios de Potência" window
// takes from the press of "Calcular" to the painted list, for its largest
// case (T = 32000.9, 32001 lines), against a floor: a bare list view with a
// string model filled in one call with the same lines formatted by snprintf.
//
//   list_bench [rounds]      (runs offscreen unless QT_QPA_PLATFORM is set)
//
// Prints both medians and their ratio, and the time to paint each page while
// scrolling the whole list; exits 1 when ours is over 1.5 times the floor.
// Quote figures from an optimised build (RelWithDebInfo, as tools/dev builds,
// or Release): a Debug build times unoptimised number writing against an
// optimised C library.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QScrollBar>
#include <QStringListModel>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/registry.h"
#include "kit/frame/fonts.h"
#include "kit/frame/messenger.h"
#include "median.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kLimit = 1.5;

class SilentMessenger : public tavek::Messenger {
public:
    void inform(QWidget*, const QString&) override { ++boxes; }
    void fault(QWidget*, const QString&) override { ++boxes; }
    int boxes = 0;
};

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Scrolling {
    int pages = 0;
    double mean = 0;  // ms to show and paint one page
    double worst = 0;
};

// Scrolls a filled list from top to bottom a page at a time, painting every
// page.
Scrolling scrollThrough(QListView* list)
{
    QScrollBar* bar = list->verticalScrollBar();
    Scrolling s;
    double total = 0;
    for (int value = 0;; value += bar->pageStep()) {
        const auto start = Clock::now();
        bar->setValue(std::min(value, bar->maximum()));
        QApplication::processEvents();
        const QPixmap shot = list->grab();
        const double t = ms(Clock::now() - start);
        (void)shot;
        total += t;
        s.worst = std::max(s.worst, t);
        ++s.pages;
        if (value >= bar->maximum())
            break;
    }
    s.mean = total / s.pages;
    return s;
}

// The window: type the inputs, press "Calcular", let the events run and
// paint the list.
class Ours {
public:
    explicit Ours(tavek::Registry& registry) : form_(registry.form(11))
    {
        registry.show(11);
        form_->control<QLineEdit>("Edit1")->setText(QStringLiteral("2"));
        form_->control<QLineEdit>("Edit2")->setText(QStringLiteral("10"));
        form_->control<QLineEdit>("Edit3")->setText(QStringLiteral("60"));
        form_->control<QLineEdit>("Edit4")->setText(QStringLiteral("32000.9"));
        list_ = form_->control<QListView>("ListBox1");
        button_ = form_->control<QAbstractButton>("Button1");
        QApplication::processEvents();
    }

    double run()
    {
        const auto start = Clock::now();
        button_->click();
        QApplication::processEvents();
        const QPixmap shot = list_->grab();
        const auto end = Clock::now();
        rows_ = list_->model()->rowCount();
        first_ = list_->model()->index(0, 0).data().toString();
        (void)shot;
        return ms(end - start);
    }

    int rows() const { return rows_; }
    const QString& first() const { return first_; }
    QListView* list() const { return list_; }
    bool shown() const { return list_->isVisible(); }

private:
    tavek::FormWindow* form_;
    QListView* list_ = nullptr;
    QAbstractButton* button_ = nullptr;
    int rows_ = 0;
    QString first_;
};

// The floor: the same lines from the same arithmetic, written with plain
// snprintf("%.6f"), put into a bare QListView through one setStringList.
// The view gets only what any list of 32001 lines needs (uniform item sizes)
// and the same size and font, so both paint the same number of rows.
class Floor {
public:
    explicit Floor(const QFont& font)
    {
        view_.setUniformItemSizes(true);
        view_.setModel(&model_);
        view_.setFont(font);
        view_.resize(681, 177);
        view_.show();
        QApplication::processEvents();
    }

    double run()
    {
        const auto start = Clock::now();
        model_.setStringList({});
        const double v = 2, f1 = 10, alpha = 60, t = 32000.9;
        const double fx = std::cos(3.14 * alpha / 180) * f1;
        const long n = std::lrint(t);
        QStringList lines;
        lines.reserve(n);
        char buf[256];
        for (long i = 1; i <= n; ++i) {
            const double work = fx * (static_cast<double>(i) * v);
            const double power = work / static_cast<double>(i);
            std::snprintf(buf, sizeof buf, "Tempo =%lds | Trabalho realizado =%.6fJ | Potência = %.6f W  -> %.6f hp",
                          i, work, power, power * 0.001341);
            lines << QString::fromUtf8(buf);
        }
        model_.setStringList(lines);
        QApplication::processEvents();
        const QPixmap shot = view_.grab();
        const auto end = Clock::now();
        rows_ = model_.rowCount();
        (void)shot;
        return ms(end - start);
    }

    int rows() const { return rows_; }
    QListView* list() { return &view_; }

private:
    QStringListModel model_;
    QListView view_;
    int rows_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    tavek::installFonts();
    SilentMessenger messenger;
    tavek::Registry registry(messenger);
    Ours ours(registry);
    Floor floor(registry.form(11)->control<QListView>("ListBox1")->font());

    // One of each to warm caches, glyphs and allocators; then alternate.
    ours.run();
    floor.run();
    std::vector<double> oursMs, floorMs;
    for (int r = 0; r < rounds; ++r) {
        oursMs.push_back(ours.run());
        floorMs.push_back(floor.run());
    }

    if (messenger.boxes != 0 || ours.rows() != 32001 || floor.rows() != 32001 || !ours.shown()) {
        std::fprintf(stderr, "list_bench: the press did not give 32001 shown lines (%d lines, %d boxes)\n",
                     ours.rows(), messenger.boxes);
        return 2;
    }

    const Scrolling oursScroll = scrollThrough(ours.list());
    const Scrolling floorScroll = scrollThrough(floor.list());
    const double a = median(oursMs);
    const double b = median(floorMs);
    const double ratio = a / b;
    std::printf("lines                     %d\n", ours.rows());
    std::printf("ours  press to painted    %.2f ms (median of %d)\n", a, rounds);
    std::printf("floor bare list painted   %.2f ms (median of %d)\n", b, rounds);
    std::printf("ratio                     %.2f (limit %.1f): %s\n", ratio, kLimit, ratio <= kLimit ? "ok" : "TOO SLOW");
    std::printf("ours  scrolling %d pages  %.3f ms a page, worst %.3f ms\n", oursScroll.pages, oursScroll.mean,
                oursScroll.worst);
    std::printf("floor scrolling %d pages  %.3f ms a page, worst %.3f ms\n", floorScroll.pages, floorScroll.mean,
                floorScroll.worst);
    std::printf("first line: %s\n", ours.first().toUtf8().constData());
#ifndef NDEBUG
    std::printf("(unoptimised build: build with CMAKE_BUILD_TYPE=Release for figures worth quoting)\n");
#endif
    return ratio <= kLimit ? 0 : 1;
}
