// Pictures of the program for the documentation and the software centres.
//
//   screenshots [DIR]                      every window as DIR/formN.png (design
//                                          state), the topic windows again with
//                                          answers (formN-answers.png) and one
//                                          with the result-cell lock engaged
//                                          (form6-locked.png); DIR defaults to
//                                          docs/screenshots
//   screenshots --render IN.svg OUT.png W H
//                                          one drawing rendered at W x H pixels
//                                          (the icon PNGs are made this way)
//
// It drives the windows only through their controls, as a student would, with
// message boxes recorded instead of shown. Run it through tools/screenshots,
// which starts it under Xvfb.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <utility>
#include <vector>

#include "app/registry.h"
#include "kit/fonts.h"
#include "kit/form_window.h"
#include "kit/messenger.h"

namespace {

using tavek::FormId;
using tavek::FormWindow;

class QuietMessenger : public tavek::Messenger {
public:
    void inform(QWidget* parent, const QString& text) override { note(parent, text); }
    void fault(QWidget* parent, const QString& text) override { note(parent, text); }

private:
    static void note(QWidget* parent, const QString& text)
    {
        QTextStream(stderr) << (parent ? parent->window()->objectName() : QStringLiteral("?")) << ": box \"" << text
                            << "\"\n";
    }
};

int render(const QString& in, const QString& out, int w, int h)
{
    QSvgRenderer svg(in);
    if (!svg.isValid()) {
        std::fprintf(stderr, "screenshots: cannot read %s\n", qPrintable(in));
        return 1;
    }
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(0, 0, w, h));
    p.end();
    if (!image.save(out)) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

// Under a window manager (tools/screenshots starts one and says so in
// TAVEK_SCREENSHOT_FRAMES) the picture is the window as the student sees it,
// title bar included, taken from the screen; otherwise the window's drawing.
QPixmap picture(QWidget* w)
{
    static const bool framed = qEnvironmentVariableIntValue("TAVEK_SCREENSHOT_FRAMES") == 1;
    if (!framed || !w->isWindow() || w->windowFlags().testFlag(Qt::FramelessWindowHint))
        return w->grab();
    for (int i = 0; i < 100 && w->frameGeometry() == w->geometry(); ++i)
        settle(); // the frame is known once the window manager has drawn it
    const QRect frame = w->frameGeometry();
    return w->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
}

bool save(QWidget* w, const QDir& dir, const QString& name)
{
    settle();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    if (!picture(w).save(path)) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void type(FormWindow* w, const char* edit, const char* text)
{
    if (auto* e = w->control<QLineEdit>(edit))
        e->setText(QString::fromUtf8(text));
    else
        std::fprintf(stderr, "screenshots: %s has no cell %s\n", qPrintable(w->objectName()), edit);
}

void press(FormWindow* w, const char* button)
{
    if (auto* b = w->control<QAbstractButton>(button))
        b->click();
    else
        std::fprintf(stderr, "screenshots: %s has no button %s\n", qPrintable(w->objectName()), button);
}

void choose(FormWindow* w, const char* action)
{
    if (auto* a = w->control<QAction>(action))
        a->trigger();
    else
        std::fprintf(stderr, "screenshots: %s has no menu item %s\n", qPrintable(w->objectName()), action);
}

// Worked examples of each exercise: the cells typed, then the button pressed.
struct Step {
    std::vector<std::pair<const char*, const char*>> cells;
    const char* button;
};

std::vector<Step> answers(FormId id)
{
    switch (id) {
    case FormId::Form2:
        return {{{{"Edit1", "0"}, {"Edit2", "100"}, {"Edit3", "0"}, {"Edit4", "10"}}, "Button1"},
                {{{"Edit7", "1"}, {"Edit8", "2"}, {"Edit9", "3"}, {"Edit10", "2"}}, "Button3"},
                {{{"Edit13", "20"}}, "Button5"}};
    case FormId::Form3:
        return {{{{"Edit1", "1500"}}, "Button1"}, {{{"Edit3", "2"}}, "Button7"}, {{{"Edit5", "10"}}, "Button18"}};
    case FormId::Form4:
        return {{{{"Edit1", "200"}, {"Edit2", "500"}}, "Button1"}, {{{"Edit3", "1.8"}}, "Button3"}};
    case FormId::Form5:
        return {{{}, "Button1"}, {{}, "Button2"}, {{{"Edit1", "20"}, {"Edit2", "45"}}, "Button4"}};
    case FormId::Form6:
        return {{{{"Edit1", "10"}}, "Button1"}, {{{"Edit2", "10"}, {"Edit3", "98"}, {"Edit4", "20"}}, "Button3"}};
    case FormId::Form7:
        return {{{{"Edit1", "98"}, {"Edit2", "98"}, {"Edit3", "98"}, {"Edit4", "30"}}, "Button1"},
                {{{"Edit5", "1"}, {"Edit6", "1"}, {"Edit7", "1"}, {"Edit8", "1"}}, "Button3"}};
    case FormId::Form8:
        return {{{{"Edit1", "10"}, {"Edit2", "10"}, {"Edit3", "30"}}, "Button1"},
                {{{"Edit4", "0.5"}, {"Edit5", "10"}}, "Button3"}};
    case FormId::Form9:
        return {{{{"Edit1", "0.1"}, {"Edit2", "10"}, {"Edit3", "10"}, {"Edit4", "30"}}, "Button1"},
                {{{"Edit5", "0.1"}, {"Edit6", "10"}, {"Edit7", "10"}, {"Edit8", "30"}, {"Edit9", "10"}}, "Button3"}};
    case FormId::Form10:
        return {{{{"Edit1", "100"}, {"Edit2", "5"}, {"Edit3", "10"}}, "Button1"},
                {{{"Edit8", "2"}, {"Edit4", "0.5"}, {"Edit5", "10"}, {"Edit6", "3"}, {"Edit7", "4"}}, "Button3"}};
    case FormId::Form11:
        return {{{{"Edit1", "2"}, {"Edit2", "10"}, {"Edit3", "60"}, {"Edit4", "3"}}, "Button1"}};
    case FormId::Form1:
        break;
    }
    return {};
}

void fill(FormWindow* w)
{
    for (const Step& step : answers(w->id())) {
        for (const auto& [cell, text] : step.cells)
            type(w, cell, text);
        press(w, step.button);
    }
}

int shoot(const QString& dirName)
{
    QDir dir;
    if (!dir.mkpath(dirName)) {
        std::fprintf(stderr, "screenshots: cannot create %s\n", qPrintable(dirName));
        return 1;
    }
    dir.setPath(dirName);

    QuietMessenger messenger;
    tavek::Registry registry(messenger);
    registry.mainWindow()->show();
    bool ok = save(registry.mainWindow(), dir, QStringLiteral("form1"));

    for (int n = 2; n <= 11; ++n) {
        const auto id = static_cast<FormId>(n);
        registry.show(id);
        FormWindow* w = registry.form(id);
        ok = save(w, dir, QStringLiteral("form%1").arg(n)) && ok;
        fill(w);
        ok = save(w, dir, QStringLiteral("form%1-answers").arg(n)) && ok;
        w->hide();
    }

    // The teacher hides the answers of the force window behind a password.
    registry.show(FormId::Form6);
    FormWindow* w = registry.form(FormId::Form6);
    choose(w, "DesabilitarcdulasdeResultados1");
    type(w, "Edit14", "prof");
    press(w, "Button7");
    type(w, "Edit15", "prof");
    press(w, "Button8");
    ok = save(w, dir, QStringLiteral("form6-locked")) && ok;
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    // Grabbing a widget needs no screen: without a display, draw offscreen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() >= 2 && args[1] == QStringLiteral("--render")) {
        if (args.size() != 6) {
            std::fprintf(stderr, "usage: screenshots --render IN.svg OUT.png WIDTH HEIGHT\n");
            return 2;
        }
        return render(args[2], args[3], args[4].toInt(), args[5].toInt());
    }
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/tavek.svg")));
    tavek::installFonts();
    return shoot(args.size() >= 2 ? args[1] : QStringLiteral("docs/screenshots"));
}
