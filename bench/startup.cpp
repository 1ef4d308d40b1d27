// The program's own start, as app/main.cpp does it: the application, the
// fonts, Qt's Portuguese texts, the registry creating all eleven windows, the main window shown.
// Timed from the launch of the process to the main window's first paint.
#include <QApplication>
#include <QIcon>

#include "app/registry.h"
#include "kit/frame/fonts.h"
#include "kit/frame/language.h"
#include "kit/frame/messenger.h"
#include "startup_clock.h"

int main(int argc, char** argv)
{
    bench::StartClock clock;
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/tavek.svg")));
    clock.mark("app");
    tavek::installFonts();
    clock.mark("fonts");
    tavek::speakPortuguese();
    clock.mark("language");

    tavek::BoxMessenger messenger;
    tavek::Registry registry(messenger);
    clock.mark("registry");
    // Showing builds the main window's layout first; done apart here only so
    // that the milestones tell building from showing.
    registry.mainWindow()->ensureBuilt();
    clock.mark("built");
    clock.stopAfterFirstPaint(registry.mainWindow(), "tavek");
    registry.mainWindow()->show();
    clock.mark("shown");
    return QApplication::exec();
}
