#include "kit/frame/form_window.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionMenuItem>
#include <QWindow>

#include "kit/core/run.h"
#include "kit/frame/link_label.h"
#include "kit/frame/messenger.h"
#include "kit/frame/picture.h"
#include "kit/frame/practice_menu.h"
#include "kit/frame/result_lock.h"

namespace tavek {

FormWindow::FormWindow(FormNumber number, const Context& context, QWidget* parent)
    : QMainWindow(parent), number_(number), context_(context), applier_(this, context.messenger)
{
    setObjectName(QStringLiteral("Form%1").arg(number));
}

FormWindow::~FormWindow() = default;

void FormWindow::place(const Placement& placement)
{
    placement_ = placement;
    placed_ = true;
    setWindowTitle(QString::fromUtf8(placement.caption));
    if (placement.main) {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    } else {
        // A small caption bar with a close box only.
        setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    }
}

void FormWindow::addLink(const char* item, FormNumber target)
{
    links_.emplace_back(item, target);
}

void FormWindow::setVisible(bool visible)
{
    if (visible) {
        ensureBuilt();
        standAlone();
    }
    QMainWindow::setVisible(visible);
}

void FormWindow::standAlone()
{
    // The main window owns the others, and Qt would tell the window manager
    // that each is a transient of it: minimising one exercise window would
    // then take the main window, and with it every link, along. Without a
    // transient parent Qt names the program as a whole to the window manager.
    if (!placed_ || placement_.main || windowHandle())
        return;
    winId();
    if (QWindow* handle = windowHandle())
        handle->setTransientParent(nullptr);
}

void FormWindow::ensureBuilt()
{
    if (built_)
        return;
    built_ = true;
    build();
    paintClientWhite();
    plainTextAndGrownCaptions();
    loadPictures();
    wireMenus();
    wireExercises();
    wireResultLock();
    wireSolutions();
    wireKeyboard();
    placeOnScreen();
}

void FormWindow::paintClientWhite()
{
    if (QWidget* client = centralWidget()) {
        QPalette pal = client->palette();
        pal.setColor(QPalette::Window, Qt::white);
        client->setPalette(pal);
        client->setAutoFillBackground(true);
    }
}

void FormWindow::plainTextAndGrownCaptions()
{
    QWidget* client = centralWidget();
    if (!client)
        return;
    // Every label shows its text as it is: what a user typed (a password
    // shown back) is never taken for markup.
    for (QLabel* label : client->findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    // The layouts were drawn for narrower fonts than the free ones installed
    // here: growing each caption to its text keeps it whole at its place.
    auto grow = [](QWidget* w) {
        const QSize hint = w->sizeHint();
        w->resize(std::max(w->width(), hint.width()), std::max(w->height(), hint.height()));
    };
    for (QLabel* label : client->findChildren<QLabel*>())
        grow(label);
    for (QAbstractButton* box : client->findChildren<QCheckBox*>())
        grow(box);
}

void FormWindow::loadPictures()
{
    // Pictures find their artwork by window and control name.
    QWidget* client = centralWidget();
    if (!client)
        return;
    const QString prefix = QStringLiteral(":/art/form%1/").arg(number_);
    for (Picture* picture : client->findChildren<Picture*>()) {
        if (!picture->source().isEmpty())
            continue;
        const QString path = prefix + picture->objectName() + QStringLiteral(".svg");
        if (QFile::exists(path))
            picture->setSource(path);
    }
}

void FormWindow::wireMenus()
{
    // Closing an exercise window only hides it (a top-level QWidget's close
    // does exactly that unless it is deleted on close).
    if (auto* close = control<QAction>("FecharJanela1"))
        connect(close, &QAction::triggered, this, &QWidget::close);
    for (const auto& [name, target] : links_) {
        const FormNumber t = target;
        auto follow = [this, t] { context_.navigator->show(t); };
        // A disabled link gets neither mouse nor keys, so while the exit lock
        // has the topic links disabled these simply do not arrive.
        if (auto* item = findControl<QAction>(this, name))
            connect(item, &QAction::triggered, this, follow);
        else if (auto* link = requireControl<LinkLabel>(this, name))
            connect(link, &LinkLabel::activated, this, follow);
    }
}

void FormWindow::wireExercises()
{
    if (quickSi_)
        quickSiMenu_ = new QuickSiMenu(this, *quickSi_, applier_);
    lastPressed_.assign(exercises_.size(), nullptr);
    for (const Exercise& exercise : exercises_) {
        const std::size_t index = std::size_t(&exercise - exercises_.data());
        draws_.push_back(std::make_unique<ProgramDraws>(*context_.random));
        for (const WiredPress& press : exercise.presses) {
            Q_ASSERT(press.button);
            connect(press.button, &QAbstractButton::clicked, this, [this, &exercise, index, &press] {
                lastPressed_[index] = press.button;
                calculate(exercise, *press.press);
            });
        }
        if (exercise.presses.size() == 1) {
            for (QLineEdit* input : exercise.inputs)
                pressOnEnter(input, exercise.presses.front().button);
        } else if (!exercise.presses.empty()) {
            // Enter repeats the unit last chosen; before any, it leads to
            // the first unit button, and Tab to the others.
            for (QLineEdit* input : exercise.inputs)
                connect(input, &QLineEdit::returnPressed, this, [this, &exercise, index] {
                    if (QAbstractButton* last = lastPressed_[index])
                        last->click();
                    else
                        exercise.presses.front().button->setFocus(Qt::TabFocusReason);
                });
        }
        if (exercise.clear)
            connect(exercise.clear, &QAbstractButton::clicked, this, [this, &exercise] { clear(exercise); });
        for (QWidget* result : exercise.results)
            if (auto* cell = qobject_cast<QLineEdit*>(result))
                designTexts_.insert(cell, cell->text());
    }
}

void FormWindow::wireResultLock()
{
    if (!resultLock_)
        return;
    // The lock hides exactly the exercises' answers.
    ResultLockSetup& lock = *resultLock_;
    for (const Exercise& exercise : exercises_) {
        for (QWidget* result : exercise.results) {
            if (auto* cell = qobject_cast<QLineEdit*>(result))
                lock.cells.push_back(cell);
            else if (auto* list = qobject_cast<QAbstractItemView*>(result))
                lock.list = list;
            else
                lock.labels.push_back(result);
        }
        if (!lock.firstCell && !exercise.inputs.empty())
            lock.firstCell = exercise.inputs.front();
    }
    lock_ = new ResultLock(this, lock, context_.messenger);
    pressOnEnter(control<QLineEdit>("Edit14"), control<QAbstractButton>("Button7"));   // "Crie senha"
    pressOnEnter(control<QLineEdit>("Edit15"), control<QAbstractButton>("Button8"));   // "Redigite Senha"
}

void FormWindow::wireSolutions()
{
    if (exercises_.empty())
        return;
    solutions_ = new SolutionMenu(this, number_, exercises_);
    // Practice after the solutions: the student answers first, the program checks.
    practice_ = new PracticeMenu(this, number_, exercises_, context_.messenger);
    if (lock_) {
        connect(lock_, &ResultLock::answersLocked, solutions_, &SolutionMenu::setLocked);
        connect(lock_, &ResultLock::answersLocked, practice_, &PracticeMenu::setLocked);
    }
}

void pressOnEnter(QLineEdit* cell, QAbstractButton* button)
{
    if (!cell || !button)
        return;
    QObject::connect(cell, &QLineEdit::returnPressed, button, [button] {
        if (button->isVisible())
            button->click();
    });
}

namespace {

bool isEnter(const QKeyEvent& key)
{
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

void FormWindow::wireKeyboard()
{
    // Outside a dialog a push button takes only Space; Enter presses it too.
    if (QWidget* client = centralWidget())
        for (QPushButton* button : client->findChildren<QPushButton*>())
            button->installEventFilter(this);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && isEnter(*key)) {
            if (!key->isAutoRepeat()) // held down, it presses once
                button->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    // F10, the other key desktops reach the menu bar with, comes here from
    // whatever has the focus (cells, buttons and the bar itself leave it).
    // A shortcut would not do: the main window owns the others, and Qt
    // would find its F10 as well in each of them.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::NoModifier) {
        toggleMenuBar();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void FormWindow::toggleMenuBar()
{
    // Qt's menu bar goes into its keyboard mode (or out of it) when it sees
    // a lone Alt pressed and released in its window; F10 hands it that Alt.
    QMenuBar* bar = menuBar();
    if (!bar || !bar->isVisible())
        return;
    QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier); // reads as Alt held
    QCoreApplication::sendEvent(this, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(this, &release);
}

namespace {

// The windows' menu bars as the application's style draws them, with two
// changes. The title the keyboard is on is highlighted: Fusion marks a title
// only while its menu is open, so Alt or F10 would seem to do nothing on a
// title without a menu ("Fechar Janela"). And where the designed menus and
// the menu "Resolução" would not fit side by side at the usual spacing, the
// titles sit closer together, so that every one stays in sight.
class MenuBarStyle : public QProxyStyle {
public:
    // `padding`: the room beside each title's text, in pixels; -1 the usual.
    explicit MenuBarStyle(int padding) : QProxyStyle(QApplication::style()->name()), padding_(padding) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        // The bar has the focus only in its keyboard mode.
        if (element == CE_MenuBarItem && (option->state & State_Selected) && widget && widget->hasFocus()) {
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                QStyleOptionMenuItem chosen = *item;
                chosen.state |= State_Sunken;
                QProxyStyle::drawControl(element, &chosen, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (padding_ >= 0 && metric == PM_MenuBarItemSpacing)
            return padding_ >= kCompactPadding ? 1 : 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        const QSize usual = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (padding_ < 0 || type != CT_MenuBarItem)
            return usual;
        return {std::min(usual.width(), size.width() + padding_), usual.height()};
    }

    static constexpr int kCompactPadding = 4;

private:
    int padding_;
};

// The room beside each title that lets them all stand side by side within
// `width`: the compact 4 pixels where those fit, else as much as there is.
int roomPerTitle(const QMenuBar* bar, int width)
{
    const QStyle* style = bar->style();
    int texts = 2 * (style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, bar) +
                     style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, bar));
    int titles = 0;
    for (QAction* action : bar->actions()) {
        if (!action->isVisible())
            continue;
        texts += bar->fontMetrics().size(Qt::TextShowMnemonic, action->text()).width();
        ++titles;
    }
    if (titles == 0)
        return MenuBarStyle::kCompactPadding;
    const int compact = texts + (titles + 1) * (MenuBarStyle::kCompactPadding + 1);
    if (compact <= width)
        return MenuBarStyle::kCompactPadding;
    return std::max(1, (width - texts) / titles - 1);
}

// The width the bar's titles take side by side, as the bar lays them out.
int titlesWidth(const QMenuBar* bar)
{
    const QStyle* style = bar->style();
    const int spacing = style->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, bar);
    const int margins = 2 * (style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, bar) +
                             style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, bar));
    int width = margins + spacing;
    for (QAction* action : bar->actions()) {
        if (!action->isVisible())
            continue;
        QStyleOptionMenuItem option;
        option.initFrom(bar);
        option.text = action->text();
        const QSize text = bar->fontMetrics().size(Qt::TextShowMnemonic, action->text());
        width += style->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, bar).width() + spacing;
    }
    return width;
}

} // namespace

void FormWindow::fitMenuBar()
{
    QMenuBar* bar = menuBar();
    if (!bar)
        return;
    auto* style = new MenuBarStyle(titlesWidth(bar) > placement_.width ? roomPerTitle(bar, placement_.width) : -1);
    style->setParent(bar);
    bar->setStyle(style);
}

void FormWindow::placeOnScreen()
{
    if (!placed_)
        return;
    fitMenuBar();
    const int menu = menuBar() ? menuBar()->heightForWidth(placement_.width) : 0;
    const int menuHeight = menu > 0 ? menu : (menuBar() ? menuBar()->sizeHint().height() : 0);
    if (QWidget* client = centralWidget())
        client->setFixedSize(placement_.width, placement_.height);
    setFixedSize(placement_.width, placement_.height + menuHeight);
    // Left, Top place the outer frame, title bar included: move() asks the
    // window manager for that, where setGeometry() would place the client
    // area there and push the title bar off the top of the screen.
    move(placement_.left, placement_.top);
}

void FormWindow::calculate(const Exercise& exercise, const Press& press)
{
    Cells cells;
    for (QLineEdit* input : exercise.inputs)
        cells.emplace(input->objectName().toStdString(), input->text().toStdString());
    const std::size_t index = std::size_t(&exercise - exercises_.data());
    Outcome outcome = run(*exercise.record, press, cells, *draws_[index]);
    apply(outcome);
    if (solutions_)
        solutions_->pressed(index, std::move(outcome));
}

void FormWindow::apply(const Outcome& outcome)
{
    applier_.apply(outcome);
    if (lock_)
        lock_->answersWritten();
}

void FormWindow::clear(const Exercise& exercise)
{
    const bool speedCellHere =
        quickSiMenu_ && std::count(exercise.inputs.begin(), exercise.inputs.end(), quickSiMenu_->setup().speedCell);
    if (speedCellHere)
        quickSiMenu_->reset();
    for (QLineEdit* input : exercise.inputs)
        input->clear();
    // Result labels and the list are hidden and keep their texts: the next
    // press overwrites them. Result cells show their design text again.
    for (QWidget* result : exercise.results) {
        if (auto* cell = qobject_cast<QLineEdit*>(result)) {
            cell->setText(designTexts_.value(cell));
            cell->setCursorPosition(0);
        } else {
            result->hide();
        }
    }
    for (QWidget* given : exercise.givens)
        given->hide();
    if (!exercise.inputs.empty())
        exercise.inputs.front()->setFocus(Qt::OtherFocusReason);
    if (solutions_)
        solutions_->cleared(std::size_t(&exercise - exercises_.data()));
}

QStringList FormWindow::declaredNames() const
{
    QStringList names;
    for (const auto& link : links_)
        names << QString::fromLatin1(link.first);
    if (resultLock_) {
        for (const char* name : {resultLock_->revealLabel, resultLock_->passwordLabel, resultLock_->disableAction})
            if (name)
                names << QString::fromLatin1(name);
    }
    return names;
}

void FormWindow::notice(const QString& text)
{
    context_.messenger->notice(this, text);
}

void FormWindow::inform(const QString& text)
{
    context_.messenger->inform(this, text);
}

} // namespace tavek
