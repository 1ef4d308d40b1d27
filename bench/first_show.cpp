// The first show of each window other than the main one: from the press that
// opens it (the navigation a menu item does) until its first paint is done,
// beside a floor: a bare QMainWindow built from the same Designer form, with
// plain widgets where ours draws pictures, set up and shown the same way.
//
//   first_show_bench [runs]     (offscreen unless QT_QPA_PLATFORM is set)
//
// A window is built on its first show only, so every run is a fresh process
// (this program again, with --once): ours and the floor in turn, each in a
// process of its own. Prints per window the medians over the runs of the wall
// clock and of the processor time used, and their ratios against the floor
// measured in the same runs.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QMainWindow>
#include <QMetaObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <vector>

#include "app/registry.h"
#include "kit/frame/fonts.h"
#include "kit/frame/messenger.h"
#include "offscreen.h"
#include "startup_clock.h"
#include "ui_bare_form10.h"
#include "ui_bare_form11.h"
#include "ui_bare_form2.h"
#include "ui_bare_form3.h"
#include "ui_bare_form4.h"
#include "ui_bare_form5.h"
#include "ui_bare_form6.h"
#include "ui_bare_form7.h"
#include "ui_bare_form8.h"
#include "ui_bare_form9.h"
#include "median.h"

namespace {

using tavek::FormNumber;

constexpr FormNumber kFirst = 2;
constexpr FormNumber kLast = 11;

class SilentMessenger : public tavek::Messenger {
public:
    void inform(QWidget*, const QString&) override {}
    void fault(QWidget*, const QString&) override {}
};

struct Timing {
    double wall = -1; // ms
    double cpu = -1;  // ms of processor time used by the whole process
    double buildWall = -1; // of which building the layout
};

// Runs `build` and `show`, then the event loop until the first paint of
// `window` has been done, and returns how long that took. The paint of a
// window paints all its widgets in one pass: a call queued at the first
// widget's paint runs once that pass is over. Building apart from showing
// changes nothing but lets the figures tell one from the other.
Timing pressToPainted(QWidget* window, const std::function<void()>& build, const std::function<void()>& show)
{
    struct Watch : QObject {
        QWidget* window = nullptr;
        QEventLoop loop;
        QElapsedTimer timer;
        double cpuStart = 0;
        Timing timing;
        bool seen = false;
        bool eventFilter(QObject* obj, QEvent* event) override
        {
            if (!seen && event->type() == QEvent::Paint) {
                auto* w = qobject_cast<QWidget*>(obj);
                if (w && w->window() == window) {
                    seen = true;
                    QMetaObject::invokeMethod(
                        this,
                        [this] {
                            timing.wall = static_cast<double>(timer.nsecsElapsed()) / 1e6;
                            timing.cpu = bench::cpu_ms() - cpuStart;
                            loop.quit();
                        },
                        Qt::QueuedConnection);
                }
            }
            return false;
        }
    } watch;
    watch.window = window;
    QApplication::instance()->installEventFilter(&watch);
    QTimer::singleShot(10000, &watch.loop, &QEventLoop::quit);
    watch.cpuStart = bench::cpu_ms();
    watch.timer.start();
    build();
    watch.timing.buildWall = static_cast<double>(watch.timer.nsecsElapsed()) / 1e6;
    show();
    watch.loop.exec();
    QApplication::instance()->removeEventFilter(&watch);
    return watch.timing;
}

// A floor: a window's Designer form set up on a bare QMainWindow.
template <class Ui>
Timing bareFirstShow()
{
    QMainWindow window;
    Ui ui;
    const Timing t = pressToPainted(&window, [&] { ui.setupUi(&window); }, [&] { window.show(); });
    window.hide();
    return t;
}

Timing floorOf(FormNumber n)
{
    switch (n) {
    case 2: return bareFirstShow<Ui::BareForm2>();
    case 3: return bareFirstShow<Ui::BareForm3>();
    case 4: return bareFirstShow<Ui::BareForm4>();
    case 5: return bareFirstShow<Ui::BareForm5>();
    case 6: return bareFirstShow<Ui::BareForm6>();
    case 7: return bareFirstShow<Ui::BareForm7>();
    case 8: return bareFirstShow<Ui::BareForm8>();
    case 9: return bareFirstShow<Ui::BareForm9>();
    case 10: return bareFirstShow<Ui::BareForm10>();
    case 11: return bareFirstShow<Ui::BareForm11>();
    default: return {};
    }
}

// One run of ours or of the floor, in a process of its own so that neither
// finds glyphs or styles the other has warmed: starts as the program does,
// shows the main window, then shows the ten windows (or builds and shows the
// ten floors) in order, each once. Prints "<window> <wall ms> <cpu ms>
// <build wall ms>" for each.
int once(int argc, char** argv, bool floor)
{
    QApplication app(argc, argv);
    tavek::installFonts();
    SilentMessenger messenger;
    tavek::Registry registry(messenger);
    tavek::FormWindow* main = registry.mainWindow();
    if (pressToPainted(main, [main] { main->ensureBuilt(); }, [main] { main->show(); }).wall < 0) {
        std::fprintf(stderr, "first_show_bench: the main window was never painted\n");
        return 2;
    }
    for (FormNumber n = kFirst; n <= kLast; ++n) {
        Timing t;
        if (floor) {
            t = floorOf(n);
        } else {
            tavek::FormWindow* form = registry.form(n);
            t = pressToPainted(form, [form] { form->ensureBuilt(); }, [&] { registry.show(n); });
            if (!form->isBuilt())
                t = {};
            form->hide();
        }
        if (t.wall < 0) {
            std::fprintf(stderr, "first_show_bench: %sForm%d was never painted\n", floor ? "the floor of " : "", n);
            return 2;
        }
        std::printf("%d %.4f %.4f %.4f\n", n, t.wall, t.cpu, t.buildWall);
    }
    return 0;
}

struct Series {
    std::vector<double> oursWall, oursCpu, oursBuild, floorWall, floorCpu, floorBuild;
};

// Runs this program with --once and adds its lines to `series`.
bool runOnce(bool floor, std::map<int, Series>& series)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--once"), floor ? QStringLiteral("floor") : QStringLiteral("ours")});
    if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return false;
    int lines = 0;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        int n = 0;
        double wall = 0, cpu = 0, build = 0;
        if (std::sscanf(line.constData(), "%d %lf %lf %lf", &n, &wall, &cpu, &build) != 4)
            continue;
        Series& s = series[n];
        (floor ? s.floorWall : s.oursWall).push_back(wall);
        (floor ? s.floorCpu : s.oursCpu).push_back(cpu);
        (floor ? s.floorBuild : s.oursBuild).push_back(build);
        ++lines;
    }
    return lines == kLast - kFirst + 1;
}

} // namespace

int main(int argc, char** argv)
{
    bench::offscreenUnlessSet();
    if (argc > 2 && QByteArrayView(argv[1]) == "--once")
        return once(argc, argv, QByteArrayView(argv[2]) == "floor");

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::map<int, Series> series;
    std::map<int, Series> warmUp; // the libraries into the page cache
    bool ok = runOnce(false, warmUp) && runOnce(true, warmUp);
    for (int r = 0; ok && r < runs; ++r)
        ok = runOnce(r % 2, series) && runOnce(!(r % 2), series);
    if (!ok) {
        std::fprintf(stderr, "first_show_bench: a run failed\n");
        return 2;
    }

    std::printf("first show, press to painted: medians of %d runs, in ms; the floor is the same form on a bare\n"
                "QMainWindow; \"built\" is the part spent building the layout, the rest is showing and painting\n\n",
                runs);
    std::printf("window   ours (built)  floor (built)  ratio | cpu: ours  floor  ratio\n");
    double sum[6] = {};
    auto row = [](const char* name, const double* v) {
        std::printf("%-7s %6.1f (%5.1f)  %6.1f (%5.1f)  %5.2f |    %6.1f %6.1f  %5.2f\n", name, v[0], v[1], v[2], v[3],
                    v[0] / v[2], v[4], v[5], v[4] / v[5]);
    };
    for (const auto& [n, s] : series) {
        const double v[6] = {median(s.oursWall),  median(s.oursBuild), median(s.floorWall),
                             median(s.floorBuild), median(s.oursCpu),   median(s.floorCpu)};
        for (int i = 0; i < 6; ++i)
            sum[i] += v[i];
        row(QByteArray("Form" + QByteArray::number(n)).constData(), v);
    }
    row("all ten", sum);
#ifndef NDEBUG
    std::printf("(unoptimised build: build with CMAKE_BUILD_TYPE=Release for figures worth quoting)\n");
#endif
    return 0;
}
