// The program's own start, as app/main.cpp does it: the application, the
// fonts, Qt's Portuguese texts, the main window's baked pictures, the
// registry creating all eleven windows, the main window shown, the program's icon once it is painted. Timed from the
// launch of the process to the main window's first paint; the milestone
// "ready" tells when the work left until after that paint was done.
#include <QApplication>
#include <QIcon>

#include "app/main_window_pictures.h"
#include "app/registry.h"
#include "kit/frame/first_paint.h"
#include "kit/frame/fonts.h"
#include "kit/frame/language.h"
#include "kit/frame/messenger.h"
#include "startup_clock.h"

int main(int argc, char** argv)
{
    bench::StartClock clock;
    QApplication app(argc, argv);
    clock.mark("app");
    tavek::installFonts();
    clock.mark("fonts");
    tavek::speakPortuguese();
    clock.mark("language");

    tavek::useBakedPictures(tavek::mainWindowPictures());
    tavek::BoxMessenger messenger;
    tavek::Registry registry(messenger);
    clock.mark("registry");
    // Showing builds the main window's layout first; done apart here only so
    // that the milestones tell building from showing.
    registry.mainWindow()->ensureBuilt();
    clock.mark("built");
    // Before the clock's own watch, so that the clock sees the paint first
    // and the figure ends where the paint does.
    clock.awaitReady();
    tavek::afterFirstPaint(registry.mainWindow(), [&clock] {
        QApplication::setWindowIcon(tavek::iconOf(QStringLiteral(":/art/tavek.svg"), tavek::programIconSizes()));
        clock.ready();
    });
    clock.stopAfterFirstPaint(registry.mainWindow(), "tavek");
    registry.mainWindow()->show();
    clock.mark("shown");
    return QApplication::exec();
}
