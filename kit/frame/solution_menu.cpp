#include "kit/frame/solution_menu.h"

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "kit/frame/figure_view.h"

namespace tavek {

namespace {
constexpr int kWidth = 460;
constexpr int kHeight = 700;        // the text, and its figure under it
constexpr int kNarrowest = 320;     // narrower, the formulas would wrap line by line
constexpr int kFrameAllowance = 12; // the window manager's borders around it

// The worked text above, its figure below at the size it reads well: both in
// sight at once, the text taking whatever room the figure leaves.
FigureView* layOutTextAndFigure(QWidget* view, QTextBrowser* text)
{
    auto* figure = new FigureView(view);
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(text, 1);
    layout->addWidget(figure, 0);
    return figure;
}
} // namespace

SolutionMenu::SolutionMenu(QMainWindow* window, int formNumber, const std::vector<Exercise>& table,
                           const SolutionItems& items)
    : QObject(window), window_(window), formNumber_(formNumber), items_(items), last_(table.size()),
      exercises_(table)
{
    // After the designed menus: nothing designed moves.
    QMenu* menu = window_->menuBar()->addMenu(QStringLiteral("Resolução"));
    menu->setObjectName(QStringLiteral("Resolucao"));
    for (std::size_t i = 0; i < table.size(); ++i) {
        QAction* action = menu->addAction(i < items_.names.size() ? QString::fromUtf8(items_.names[i])
                                                                  : QStringLiteral("Exercício %1").arg(items_.first + int(i)));
        action->setObjectName(QString::fromLatin1(items_.objectPrefix) + QString::number(items_.first + int(i)));
        connect(action, &QAction::triggered, this, [this, i] { open(i); });
        actions_.push_back(action);
    }
}

QString SolutionMenu::title(std::size_t exercise) const
{
    return QStringLiteral("Resolução - ") + actions_[exercise]->text();
}

void SolutionMenu::open(std::size_t exercise)
{
    if (locked_)
        return;
    if (!view_) {
        view_ = new QWidget(window_, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowCloseButtonHint);
        view_->setObjectName(QStringLiteral("ResolucaoForm%1").arg(formNumber_));
        text_ = new QTextBrowser(view_);
        text_->setObjectName(QStringLiteral("Texto"));
        text_->setAccessibleName(QStringLiteral("Resolução"));
        text_->setOpenLinks(false);
        text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        // A size that reads comfortably beside the windows' small print, and
        // headings in the blue of the windows' titles.
        QFont font = text_->font();
        font.setPointSize(10);
        text_->setFont(font);
        text_->document()->setDocumentMargin(8);
        text_->document()->setDefaultStyleSheet(QStringLiteral("b { color: #0000ff; }"));
        // A scroll bar that comes and goes would lay the text out twice.
        text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        figure_ = layOutTextAndFigure(view_, text_);
    }
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
    // To the right of the exercise window where the screen has room, else to
    // its left. A screen too small for either (1024 pixels wide) gets it over
    // the window, on the side the chosen exercise leaves free and only as wide
    // as that side: the student changes a number, presses and watches the
    // solution follow.
    const QRect frame = window_->frameGeometry();
    const QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int y = std::max(room.top(), std::min(frame.top(), room.bottom() + 1 - kHeight));
    int width = kWidth;
    int x = frame.right() + 1;
    if (x + kWidth > room.right() + 1) {
        x = frame.left() - kWidth;
        if (x < room.left()) {
            QRect area;
            auto cover = [&area](const QWidget* control) {
                area |= QRect(control->mapToGlobal(QPoint(0, 0)), control->size());
            };
            const Exercise& chosen = exercises_[exercise];
            std::for_each(chosen.inputs.begin(), chosen.inputs.end(), cover);
            std::for_each(chosen.results.begin(), chosen.results.end(), cover);
            for (const Press& press : chosen.presses)
                cover(press.button);
            const int leftFree = area.left() - room.left() - kFrameAllowance;
            const int rightFree = room.right() - area.right() - kFrameAllowance;
            width = std::clamp(std::max(leftFree, rightFree), kNarrowest, kWidth);
            x = leftFree >= rightFree ? room.left() : room.right() + 1 - width;
        }
    }
    view_->resize(width, kHeight);
    view_->move(x, y);
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
        shownBeforeLock_ = view_->isVisible();
        view_->hide();
        // What it held stays out of reach, not merely out of sight.
        text_->clear();
        figure_->setFigure(nullptr);
    } else {
        showSolution();
        if (shownBeforeLock_)
            view_->show();
    }
}

} // namespace tavek
