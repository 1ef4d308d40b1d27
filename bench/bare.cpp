// The floor for the start-up figure: a bare Qt program that shows one main
// window with a menu bar and one text label, timed exactly like bench_startup.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include "startup_clock.h"

int main(int argc, char** argv)
{
    bench::StartClock clock;
    QApplication app(argc, argv);
    clock.mark("app");
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Arquivo"))->addAction(QStringLiteral("Sair"));
    auto* label = new QLabel(QStringLiteral("Programa de Física 1"));
    window.setCentralWidget(label);
    window.resize(694, 463);
    clock.stopAfterFirstPaint(&window, "bare");
    window.show();
    clock.mark("shown");
    return QApplication::exec();
}
