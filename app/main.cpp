#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

#include "app/main_window_pictures.h"
#include "app/registry.h"
#include "kit/frame/first_paint.h"
#include "kit/frame/fonts.h"
#include "kit/frame/language.h"
#include "kit/frame/messenger.h"

namespace {

// Without a display Qt prints a screenful of plugin errors and aborts; one
// line says what is wrong.
bool displayAvailable()
{
    auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v && *v;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fputs("tavek: no graphical display found (DISPLAY is not set); start it from a desktop session or under xvfb-run\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    tavek::installFonts();
    tavek::speakPortuguese();

    tavek::useBakedPictures(tavek::mainWindowPictures());
    tavek::BoxMessenger messenger;
    tavek::Registry registry(messenger);
    registry.mainWindow()->show();
    // On X the icon goes to the window manager at four sizes (baked when the
    // program was built, or drawn from its SVG on a scaled screen): done once
    // the window is on the screen, not before.
    tavek::afterFirstPaint(registry.mainWindow(), [] {
        QApplication::setWindowIcon(tavek::iconOf(QStringLiteral(":/art/tavek.svg"), tavek::programIconSizes()));
    });
    return QApplication::exec();
}
