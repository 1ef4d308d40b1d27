#include "kit/frame/solution_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include "kit/core/last_press.h"
#include "kit/frame/companion.h"
#include "kit/frame/figure_view.h"

namespace tavek {

namespace {
constexpr int kWidth = 460;
constexpr int kHeight = 700;    // the text, and its figure under it
constexpr int kNarrowest = 320; // narrower, the formulas would wrap line by line
constexpr int kLowest = 420;    // lower, a dozen lines and the figure at its smallest would not fit
} // namespace

SolutionMenu::SolutionMenu(QMainWindow* window, int formNumber, const std::vector<Exercise>& table)
    : QObject(window), window_(window), formNumber_(formNumber), last_(table.size()), exercises_(table),
      companion_(new Companion(window))
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
}

QString SolutionMenu::title(std::size_t exercise) const
{
    return companionTitle(QStringLiteral("Resolução"), *exercises_[exercise].record, window_->windowTitle());
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
    companion_->attach(view_);
}

void SolutionMenu::open(std::size_t exercise)
{
    if (locked_)
        return;
    if (!view_)
        buildView();
    // Where the student left it, once it is showing.
    if (!view_->isVisible())
        companion_->placeBeside(exercises_[exercise], QSize(kWidth, kHeight), QSize(kNarrowest, kLowest));
    showing_ = exercise;
    showSolution();
    view_->show();
    view_->raise();
    view_->activateWindow();
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
    companion_->setHeld(locked);
    if (locked) {
        companion_->takeAway();
        // What it held stays out of reach, not merely out of sight.
        text_->clear();
        figure_->setFigure(nullptr);
    } else {
        showSolution();
        companion_->bringBack();
    }
}

} // namespace tavek
