#include "kit/frame/solution_menu.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "kit/core/last_press.h"
#include "kit/core/solution_place.h"
#include "kit/frame/figure_view.h"

namespace tavek {

namespace {
constexpr int kWidth = 460;
constexpr int kHeight = 700;    // the text, and its figure under it
constexpr int kNarrowest = 320; // narrower, the formulas would wrap line by line
constexpr int kLowest = 420;    // lower, a dozen lines and the figure at its smallest would not fit
// A result label grows to the right with its answer line; the longest lines
// ("Velocidade de A =6.84 m/s | Tempo de chegada =3.38 s") run to about this
// many characters.
constexpr int kAnswerChars = 54;

// The window's own name in its caption, for the titles of its solutions:
// "TAVEK 1 - Mais Exercicios de Força e Movimento - 3" gives "Força e
// Movimento 3", which tells it from Form8's "Força e Movimento 2".
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

SolutionMenu::SolutionMenu(QMainWindow* window, int formNumber, const std::vector<Exercise>& table)
    : QObject(window), window_(window), formNumber_(formNumber), last_(table.size()), exercises_(table)
{
    // After the designed menus: nothing designed moves.
    QMenu* menu = window_->menuBar()->addMenu(QStringLiteral("Resolução"));
    menu->setObjectName(QStringLiteral("Resolucao"));
    for (std::size_t i = 0; i < table.size(); ++i) {
        QAction* action = menu->addAction(menuItemText(*table[i].record));
        action->setObjectName(menuItemName("Resolucao", *table[i].record, i));
        connect(action, &QAction::triggered, this, [this, i] { open(i); });
        actions_.push_back(action);
    }
    // The solution window goes and comes back with its exercise window.
    window_->installEventFilter(this);
}

QString SolutionMenu::title(std::size_t exercise) const
{
    // Two windows may both have an "Exercício 6": the title names the window too.
    QString title = QStringLiteral("Resolução - ") + actions_[exercise]->text();
    if (exercises_[exercise].record->ordinal() > 0)
        title += QStringLiteral(" - ") + windowName(window_->windowTitle());
    return title;
}

void SolutionMenu::buildView()
{
    view_ = new QWidget(window_, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    view_->setObjectName(QStringLiteral("ResolucaoForm%1").arg(formNumber_));
    text_ = new QTextBrowser(view_);
    text_->setObjectName(QStringLiteral("Texto"));
    text_->setAccessibleName(QStringLiteral("Resolução"));
    text_->setOpenLinks(false);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Selectable from the keyboard, but read-only: no text cursor blinks in it.
    text_->setCursorWidth(0);
    // A size that reads comfortably beside the windows' small print, and
    // headings in the blue of the windows' titles.
    QFont font = text_->font();
    font.setPointSize(10);
    text_->setFont(font);
    text_->document()->setDocumentMargin(8);
    text_->document()->setDefaultStyleSheet(QStringLiteral("b { color: #0000ff; }"));
    // A scroll bar that comes and goes would lay the text out twice.
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The worked text above, its figure below at the size it reads well: both
    // in sight at once, the text taking whatever room the figure leaves.
    figure_ = new FigureView(view_);
    auto* layout = new QVBoxLayout(view_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(text_, 1);
    layout->addWidget(figure_, 0);
}

void SolutionMenu::open(std::size_t exercise)
{
    if (locked_)
        return;
    if (!view_)
        buildView();
    // Where the student left it, once it is showing.
    if (!view_->isVisible())
        placeBeside(exercise);
    showing_ = exercise;
    showSolution();
    view_->show();
    view_->raise();
    view_->activateWindow();
}

void SolutionMenu::placeBeside(std::size_t exercise)
{
    // Beside the exercise window where the screen has room; on a small
    // screen (1024 × 768) over it, clear of the chosen exercise: the student
    // changes a number, presses and watches the solution follow.
    const QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    const QRect frame = window_->frameGeometry();
    const QRect client = window_->geometry();
    const Exercise& chosen = exercises_[exercise];
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
                       {kWidth, kHeight}, {kNarrowest, kLowest});
    view_->resize(place.w, place.h);
    // move() places the frame, title bar included, where the window manager
    // draws one.
    view_->move(place.x - margins.left, place.y - margins.top);
}

void SolutionMenu::showSolution()
{
    if (!view_)
        return;
    view_->setWindowTitle(title(showing_));
    const std::optional<Outcome>& last = last_[showing_];
    text_->setHtml(QString::fromStdString(solution_html(last ? &*last : nullptr)));
    figure_->setFigure(figure_of(last ? &*last : nullptr));
}

void SolutionMenu::pressed(std::size_t exercise, Outcome outcome)
{
    last_[exercise] = std::move(outcome);
    if (showing_ == exercise)
        refreshSoon();
}

void SolutionMenu::cleared(std::size_t exercise)
{
    // The data it was worked from are gone from the window.
    last_[exercise].reset();
    if (showing_ == exercise)
        refreshSoon();
}

void SolutionMenu::refreshSoon()
{
    // Laying out the solution costs about a millisecond: the press shows its
    // answers first, and the solution follows as soon as the press is done.
    if (!view_ || !view_->isVisible() || refreshQueued_)
        return;
    refreshQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshQueued_ = false;
        if (view_->isVisible())
            showSolution();
    });
}

void SolutionMenu::setLocked(bool locked)
{
    if (locked == locked_)
        return;
    locked_ = locked;
    for (QAction* action : actions_)
        action->setEnabled(!locked);
    if (!view_)
        return;
    if (locked) {
        takeAway();
        // What it held stays out of reach, not merely out of sight.
        text_->clear();
        figure_->setFigure(nullptr);
    } else {
        showSolution();
        bringBack();
    }
}

void SolutionMenu::takeAway()
{
    if (view_ && view_->isVisible()) {
        view_->hide();
        comesBack_ = true;
    }
}

void SolutionMenu::bringBack()
{
    if (!view_ || !comesBack_ || locked_ || !window_->isVisible())
        return;
    comesBack_ = false;
    // Back where it was, as it was; the keyboard stays with the exercise window.
    view_->setAttribute(Qt::WA_ShowWithoutActivating);
    view_->show();
    view_->setAttribute(Qt::WA_ShowWithoutActivating, false);
}

bool SolutionMenu::eventFilter(QObject* watched, QEvent* event)
{
    // Closing the exercise window hides it; the window manager minimising
    // it (a spontaneous hide) takes the solution along by itself.
    if (watched == window_ && !event->spontaneous()) {
        if (event->type() == QEvent::Hide)
            takeAway();
        else if (event->type() == QEvent::Show)
            bringBack();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tavek
