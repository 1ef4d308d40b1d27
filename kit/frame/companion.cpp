#include "kit/frame/companion.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QRegularExpression>
#include <QScreen>

#include <algorithm>

#include "kit/core/solution_place.h"

namespace tavek {

namespace {

// A result label grows to the right with its answer line; the longest lines
// ("Velocidade de A =6.84 m/s | Tempo de chegada =3.38 s") run to about this
// many characters.
constexpr int kAnswerChars = 54;

// The window's own name in its caption: "TAVEK 1 - Mais Exercicios de Força e
// Movimento - 3" gives "Força e Movimento 3", which tells it from Form8's
// "Força e Movimento 2".
QString windowName(QString caption)
{
    static const QRegularExpression program(QStringLiteral("^TAVEK 1\\s*-\\s*"));
    static const QRegularExpression more(QStringLiteral("^Mais exerc[ií]cios de\\s+"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression dash(QStringLiteral("\\s+-\\s+"));
    caption.remove(program);
    caption.remove(more);
    caption.replace(dash, QStringLiteral(" "));
    return caption;
}

// Where a control of the exercise stands on the screen; a result label as
// far as its longest answer line may reach within its window.
QRect onScreen(const QWidget* control)
{
    QRect r(control->mapToGlobal(QPoint(0, 0)), control->size());
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const int reach = label->fontMetrics().averageCharWidth() * kAnswerChars;
        const int room = label->parentWidget() ? label->parentWidget()->width() - label->x() : reach;
        r.setWidth(std::max(r.width(), std::min(reach, room)));
    }
    return r;
}

ScreenRect screenRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

} // namespace

QString menuItemText(const ExerciseRecord& record)
{
    if (record.ordinal() > 0)
        return QStringLiteral("Exercício %1").arg(record.ordinal());
    return QString::fromUtf8(record.title);
}

QString menuItemName(const char* prefix, const ExerciseRecord& record, std::size_t index)
{
    if (record.ordinal() > 0)
        return QString::fromLatin1(prefix) + QStringLiteral("Exercicio%1").arg(record.ordinal());
    return QString::fromLatin1(prefix) + QStringLiteral("Conversao%1").arg(index + 1);
}

QString companionTitle(const QString& what, const ExerciseRecord& record, const QString& windowCaption)
{
    QString title = what + QStringLiteral(" - ") + menuItemText(record);
    if (record.ordinal() > 0)
        title += QStringLiteral(" - ") + windowName(windowCaption);
    return title;
}

Companion::Companion(QMainWindow* window) : QObject(window), window_(window) { window_->installEventFilter(this); }

void Companion::placeBeside(const Exercise& chosen, QSize preferred, QSize smallest)
{
    // Beside the exercise window where the screen has room; on a small
    // screen (1024 × 768) over it, clear of the chosen exercise: the student
    // changes a number, presses and watches the companion follow.
    const QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    const QRect frame = window_->frameGeometry();
    const QRect client = window_->geometry();
    QRect covered;
    auto cover = [&covered](const QWidget* control) { covered |= onScreen(control); };
    std::for_each(chosen.inputs.begin(), chosen.inputs.end(), cover);
    std::for_each(chosen.results.begin(), chosen.results.end(), cover);
    std::for_each(chosen.givens.begin(), chosen.givens.end(), cover);
    for (const WiredPress& press : chosen.presses)
        cover(press.button);
    if (chosen.clear)
        cover(chosen.clear);
    const FrameMargins margins{client.left() - frame.left(), client.top() - frame.top(),
                               frame.right() - client.right(), frame.bottom() - client.bottom()};
    const ScreenRect place =
        place_solution({screenRect(screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768)),
                        screenRect(frame), screenRect(covered), margins},
                       {preferred.width(), preferred.height()}, {smallest.width(), smallest.height()});
    view_->resize(place.w, place.h);
    // move() places the frame, title bar included, where the window manager
    // draws one.
    view_->move(place.x - margins.left, place.y - margins.top);
}

void Companion::takeAway()
{
    if (view_ && view_->isVisible()) {
        view_->hide();
        comesBack_ = true;
    }
}

void Companion::bringBack()
{
    if (!view_ || !comesBack_ || held_ || !window_->isVisible())
        return;
    comesBack_ = false;
    // Back where it was, as it was; the keyboard stays with the exercise window.
    view_->setAttribute(Qt::WA_ShowWithoutActivating);
    view_->show();
    view_->setAttribute(Qt::WA_ShowWithoutActivating, false);
}

bool Companion::eventFilter(QObject* watched, QEvent* event)
{
    // Closing the exercise window hides it; the window manager minimising
    // it (a spontaneous hide) takes the companion along by itself.
    if (watched == window_ && !event->spontaneous()) {
        if (event->type() == QEvent::Hide)
            takeAway();
        else if (event->type() == QEvent::Show)
            bringBack();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tavek
