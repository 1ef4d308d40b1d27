// The floor for the start-up figure: a bare Qt program that shows one empty
// main window, timed exactly like bench_startup.
#include <QApplication>
#include <QMainWindow>

#include "startup_clock.h"

int main(int argc, char** argv)
{
    bench::StartClock clock;
    QApplication app(argc, argv);
    clock.mark("app");
    QMainWindow window;
    window.resize(694, 463);
    clock.stopAfterFirstPaint(&window, "bare");
    window.show();
    clock.mark("shown");
    return QApplication::exec();
}
