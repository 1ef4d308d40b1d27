// Pictures of the program for the documentation and the software centres.
//
//   screenshots [DIR]                      every window as DIR/formN.png (design
//                                          state), the topic windows again with
//                                          answers (formN-answers.png) and one
//                                          with the result-cell lock engaged
//                                          (form6-locked.png, its password typed
//                                          as dots before: form6-senha.png), the
//                                          main window's password change asking
//                                          for the current password
//                                          (form1-senha-atual.png) and seven worked
//                                          solutions with their figures
//                                          (formN-resolucaoK.png, Form5's drawn
//                                          angle beside its window); DIR defaults
//                                          to docs/screenshots; then Form1, Form9
//                                          (with answers) and two of its
//                                          solutions again at twice the scale, as
//                                          form1-2x.png, form9-answers-2x.png,
//                                          form9-resolucao6-2x.png and
//                                          form9-resolucao7-2x.png
//   screenshots --scale F [DIR]            only those four, at scale F (a
//                                          separate run: Qt takes the scale
//                                          once, when the program starts)
//   screenshots --render IN.svg OUT.png W H
//                                          one drawing rendered at W x H pixels
//                                          (the icon PNGs are made this way)
//
// It drives the windows only through their controls, as a student would, with
// message boxes recorded instead of shown. Run it through tools/screenshots,
// which starts it under Xvfb.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScreen>
#include <QSvgRenderer>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "app/main_window_pictures.h"
#include "app/registry.h"
#include "kit/core/practice.h"
#include "kit/frame/companion.h"
#include "kit/frame/fonts.h"
#include "kit/frame/form_window.h"
#include "kit/frame/messenger.h"
#include "kit/frame/practice_menu.h"
#include "tools/worked_examples.h"

namespace {

using tavek::FormNumber;

// The practice's numbers in the pictures, the same at every run.
constexpr std::uint64_t kPracticeSeed = 2026;
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
    // A window hidden just before may have left part of this one to be drawn
    // again; the screen is read once that is done.
    w->raise();
    w->repaint();
    settle();
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

// The exercise window with its solution window over it, as the student sees
// them together; without a window manager, the solution window alone.
bool saveBoth(QWidget* w, QWidget* view, const QDir& dir, const QString& name)
{
    static const bool framed = qEnvironmentVariableIntValue("TAVEK_SCREENSHOT_FRAMES") == 1;
    if (!framed)
        return save(view, dir, name);
    picture(w);
    picture(view); // both framed and drawn, the solution window on top
    const QRect both = w->frameGeometry().united(view->frameGeometry());
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    if (!w->screen()->grabWindow(0, both.x(), both.y(), both.width(), both.height()).save(path)) {
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

void fill(FormWindow* w)
{
    for (const tavek::WorkedStep& step : tavek::workedExamples(w->number())) {
        for (const auto& [cell, text] : step.cells)
            type(w, cell, text);
        press(w, step.button);
    }
}

bool openDir(const QString& dirName, QDir& dir)
{
    if (!dir.mkpath(dirName)) {
        std::fprintf(stderr, "screenshots: cannot create %s\n", qPrintable(dirName));
        return false;
    }
    dir.setPath(dirName);
    return true;
}

// The solution of an exercise of `w`, as its menu "Resolução" opens it; the
// drawn angle's shot beside the figure it is worked out for.
bool shootSolution(FormWindow* w, int exercise, const QDir& dir, const QString& suffix = {})
{
    const int n = static_cast<int>(w->number());
    choose(w, qPrintable(QStringLiteral("ResolucaoExercicio%1").arg(exercise)));
    auto* view = w->findChild<QWidget*>(QStringLiteral("ResolucaoForm%1").arg(n));
    if (!view) {
        std::fprintf(stderr, "screenshots: %s has no solution window\n", qPrintable(w->objectName()));
        return false;
    }
    const QString name = QStringLiteral("form%1-resolucao%2").arg(n).arg(exercise) + suffix;
    const bool ok = n == 5 && exercise == 3 ? saveBoth(w, view, dir, name) : save(view, dir, name);
    view->hide();
    return ok;
}

// The main window and the window with the most figures, at a larger scale:
// the pictures must be drawn anew for it, never a bitmap blown up.
int shootScaled(const QString& dirName, const QString& scale)
{
    QDir dir;
    if (!openDir(dirName, dir))
        return 1;
    const QString suffix = QStringLiteral("-%1x").arg(scale);
    QuietMessenger messenger;
    tavek::Registry registry(messenger);
    registry.mainWindow()->show();
    bool ok = save(registry.mainWindow(), dir, QStringLiteral("form1") + suffix);
    registry.show(9);
    FormWindow* w = registry.form(9);
    fill(w);
    ok = save(w, dir, QStringLiteral("form9-answers") + suffix) && ok;
    // Its figures: the words, arrows and lines drawn anew at the scale.
    ok = shootSolution(w, 6, dir, suffix) && ok;
    ok = shootSolution(w, 7, dir, suffix) && ok;
    return ok ? 0 : 1;
}

// The scale is read once at start-up, so the scaled shots come from a second
// run of this program.
bool runScaled(const QString& dirName, const QString& scale)
{
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::ForwardedChannels);
    run.start(QApplication::applicationFilePath(), {QStringLiteral("--scale"), scale, dirName});
    return run.waitForFinished(120000) && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
}

// The main window's panel that replaces the exit password, as a right press
// on "Mecânica" and its switch leave it: asking for the current password.
bool shootPasswordChange(FormWindow* main, const QDir& dir)
{
    auto* heading = main->control<QWidget>("Label4");
    auto* change = main->control<QAbstractButton>("RadioButton1");
    if (!heading || !change) {
        std::fprintf(stderr, "screenshots: Form1 has no password-change panel\n");
        return false;
    }
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(2, 2), heading->mapToGlobal(QPointF(2, 2)), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(heading, &right);
    change->click();
    type(main, "Edit2", "zo");
    const bool ok = save(main, dir, QStringLiteral("form1-senha-atual"));
    main->control<QWidget>("Panel2")->hide();
    return ok;
}

// A practice try as a student types it: each answer right, or off by its
// sign, in centimetres for metres, a little, or wrong, as `tries` says.
enum class Try { Right, Sign, Unit, Almost, Wrong };

bool shootPractice(FormWindow* w, const char* id, const std::vector<Try>& tries, bool hint, const QDir& dir,
                   const QString& name)
{
    const tavek::ExerciseRecord& record = *tavek::find_exercise(id);
    const auto mates = tavek::exercises_of(record.form);
    const auto index = std::size_t(std::find(mates.begin(), mates.end(), &record) - mates.begin());
    choose(w, qPrintable(tavek::menuItemName("Treino", record, index)));
    auto* view = w->findChild<QWidget*>(QStringLiteral("TreinoForm%1").arg(w->number()));
    if (!view) {
        std::fprintf(stderr, "screenshots: %s has no practice window\n", qPrintable(w->objectName()));
        return false;
    }
    const tavek::Practice expected(record, kPracticeSeed);
    for (std::size_t i = 0; i < expected.asked().size() && i < tries.size(); ++i) {
        const tavek::Asked& a = expected.asked()[i];
        QWidget* cell = view->findChild<QWidget*>(QStringLiteral("Resposta%1").arg(i + 1));
        if (auto* choice = qobject_cast<QComboBox*>(cell)) {
            const int right = static_cast<int>(a.expected.value) + 1;
            choice->setCurrentIndex(tries[i] == Try::Right ? right : right % (choice->count() - 1) + 1);
            continue;
        }
        const double factor = tries[i] == Try::Sign ? -1 : tries[i] == Try::Almost ? 1.03 : tries[i] == Try::Wrong ? 2 : 1;
        QString text = QString::number(a.expected.value * factor, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
        if (tries[i] == Try::Unit) // metres worked out, centimetres written, the unit left out
            text = QString::number(a.expected.value * 100, 'f', 0);
        if (auto* edit = qobject_cast<QLineEdit*>(cell))
            edit->setText(text);
    }
    view->findChild<QAbstractButton*>(QStringLiteral("Verificar"))->click();
    if (hint)
        view->findChild<QAbstractButton*>(QStringLiteral("Dica"))->click();
    const bool ok = save(view, dir, name);
    view->hide();
    return ok;
}

int shoot(const QString& dirName)
{
    QDir dir;
    if (!openDir(dirName, dir))
        return 1;

    QuietMessenger messenger;
    tavek::Registry registry(messenger);
    registry.mainWindow()->show();
    bool ok = save(registry.mainWindow(), dir, QStringLiteral("form1"));

    for (int n = 2; n <= 11; ++n) {
        const auto id = static_cast<FormNumber>(n);
        registry.show(id);
        FormWindow* w = registry.form(id);
        ok = save(w, dir, QStringLiteral("form%1").arg(n)) && ok;
        fill(w);
        ok = save(w, dir, QStringLiteral("form%1-answers").arg(n)) && ok;
        // Worked solutions with their figures: a launch, a path, the drawn
        // angle's shot, a kick, an incline pulled by a hanging block, the same
        // with friction and its climb.
        for (const auto& [form, exercise] : {std::pair{2, 3}, {4, 1}, {5, 3}, {5, 4}, {8, 5}, {9, 6}, {9, 7}})
            if (form == n)
                ok = shootSolution(w, exercise, dir) && ok;
        w->hide();
    }

    // The teacher hides the answers of the force window behind a password,
    // typed as dots.
    registry.show(6);
    FormWindow* w = registry.form(6);
    choose(w, "DesabilitarcdulasdeResultados1");
    type(w, "Edit14", "prof");
    ok = save(w, dir, QStringLiteral("form6-senha")) && ok;
    press(w, "Button7");
    type(w, "Edit15", "prof");
    press(w, "Button8");
    ok = save(w, dir, QStringLiteral("form6-locked")) && ok;
    w->hide();

    // Practice: right and wrong answers told apart, the hint, and a locked
    // window's practice that says only right or wrong.
    tavek::setPracticeSeeds([] { return kPracticeSeed; });
    registry.show(8);
    w = registry.form(8);
    ok = shootPractice(w, "form8.5", {Try::Right, Try::Almost, Try::Sign, Try::Wrong, Try::Right}, false, dir,
                       QStringLiteral("treino-form8-verificado")) && ok;
    ok = shootPractice(w, "form8.5", {Try::Right, Try::Almost, Try::Sign, Try::Wrong, Try::Right}, true, dir,
                       QStringLiteral("treino-form8-dica")) && ok;
    w->hide();
    registry.show(4);
    w = registry.form(4);
    choose(w, "DesabilitarcdulasdeResultados1");
    type(w, "Edit14", "prof");
    press(w, "Button7");
    type(w, "Edit15", "prof");
    press(w, "Button8");
    ok = shootPractice(w, "form4.1", {Try::Sign, Try::Unit}, false, dir, QStringLiteral("treino-form4-bloqueado")) && ok;
    w->hide();
    ok = shootPasswordChange(registry.mainWindow(), dir) && ok;
    ok = runScaled(dirName, QStringLiteral("2")) && ok;
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    // Grabbing a widget needs no screen: without a display, draw offscreen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The scale must be set before the application starts.
    if (argc >= 3 && std::strcmp(argv[1], "--scale") == 0)
        qputenv("QT_SCALE_FACTOR", argv[2]);
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
    // The main window shows its pictures as the program does.
    tavek::useBakedPictures(tavek::mainWindowPictures());
    if (args.size() >= 3 && args[1] == QStringLiteral("--scale"))
        return shootScaled(args.size() >= 4 ? args[3] : QStringLiteral("docs/screenshots"), args[2]);
    return shoot(args.size() >= 2 ? args[1] : QStringLiteral("docs/screenshots"));
}
