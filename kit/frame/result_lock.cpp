#include "kit/frame/result_lock.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QEvent>
#include <QIdentityProxyModel>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>

#include "kit/frame/controls.h"
#include "kit/frame/messenger.h"
#include "kit/frame/mouse.h"

namespace tavek {

namespace {

// The lock's paint: red result labels are red boxes whose text cannot be read,
// and white ones read as on the window's white background. The result list
// (white text on blue) turns white while locked.
constexpr const char* kLockedLabel = "#ff0000";
constexpr const char* kReadableLabel = "#ffffff";
constexpr const char* kLockedList = "#ffffff";
constexpr const char* kReadableList = "#0000ff";

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// What the user can do to a list: while locked, none of it reaches the list.
bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::FocusIn:
        return true;
    default:
        return false;
    }
}

} // namespace

// The result list's lines as the view and assistive technology see them:
// while hidden, a screen reader hears the same notice for every line, though
// the lines themselves stay in the list to be shown when unlocked.
class HiddenLines : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    void setHidden(bool hidden)
    {
        if (hidden_ == hidden)
            return;
        hidden_ = hidden;
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, 0),
                             {Qt::AccessibleTextRole, Qt::AccessibleDescriptionRole});
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (hidden_ && (role == Qt::AccessibleTextRole || role == Qt::AccessibleDescriptionRole))
            return QString::fromUtf8(kHiddenAnswer);
        return QIdentityProxyModel::data(index, role);
    }

private:
    bool hidden_ = false;
};

QString ResultLock::withBackground(const QString& sheet, const QString& objectName, const QString& color)
{
    if (sheet.contains(QLatin1Char('{'))) {
        // A sheet of rules: a rule on the control's own name outweighs them.
        return sheet + QStringLiteral("\n#%1 { background-color: %2; }").arg(objectName, color);
    }
    // A plain list of declarations, as the forms give them.
    static const QRegularExpression background(QStringLiteral("background(-color)?\\s*:[^;]*;?"));
    QString plain = sheet;
    plain.remove(background);
    plain = plain.trimmed();
    if (!plain.isEmpty() && !plain.endsWith(QLatin1Char(';')))
        plain += QLatin1Char(';');
    if (!plain.isEmpty())
        plain += QLatin1Char(' ');
    return plain + QStringLiteral("background-color: %1;").arg(color);
}

ResultLock::ResultLock(QWidget* window, ResultLockSetup setup, Messenger* messenger)
    : QObject(window), window_(window), setup_(std::move(setup)), messenger_(messenger)
{
    if (auto* a = requireControl<QAction>(window_, setup_.disableAction))
        connect(a, &QAction::triggered, this, [this] { askToLock(); });
    if (auto* a = requireControl<QAction>(window_, "ReabilitarcdulasdeResultados1"))
        connect(a, &QAction::triggered, this, [this] { askToUnlock(); });
    if (auto* b = requireControl<QAbstractButton>(window_, "Button7"))
        connect(b, &QAbstractButton::clicked, this, [this] { createPassword(); });
    if (auto* b = requireControl<QAbstractButton>(window_, "Button8"))
        connect(b, &QAbstractButton::clicked, this, [this] { confirmPassword(); });
    // A projector shows the teacher's screen to the class: the passwords
    // show as dots while typed, in every window.
    for (const char* cell : {"Edit14", "Edit15"})
        if (auto* edit = requireControl<QLineEdit>(window_, cell))
            edit->setEchoMode(QLineEdit::Password);
    // A screen reader reads a result label by its accessible name: the
    // answer it shows, and what the answer is (the form's own name for it) as
    // its description.
    for (QWidget* label : setup_.labels) {
        designNames_.insert(label, label->accessibleName());
        label->setAccessibleDescription(label->accessibleName());
    }
    for (QLineEdit* cell : setup_.cells)
        designNames_.insert(cell, cell->accessibleName());
    nameAnswers(false);
    if (setup_.revealLabel) {
        if (auto* reveal = requireControl<QWidget>(window_, setup_.revealLabel))
            onMousePress(reveal, [this](Qt::MouseButton button) { revealPressed(button); });
    }
    if (auto* label = setup_.passwordLabel ? requireControl<QLabel>(window_, setup_.passwordLabel) : nullptr) {
        passwordDesign_ = label->text();
        passwordSize_ = label->size();
    }
    if (QAbstractItemView* list = setup_.list) {
        if (list->model()) {
            lines_ = new HiddenLines(list);
            lines_->setSourceModel(list->model());
            list->setModel(lines_);
        }
        listSelection_ = list->selectionMode();
        listFocus_ = list->focusPolicy();
        listBars_[0] = list->horizontalScrollBarPolicy();
        listBars_[1] = list->verticalScrollBarPolicy();
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
    }
}

bool ResultLock::eventFilter(QObject* watched, QEvent* event)
{
    if (listLocked_ && isUserInput(event->type())) {
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ResultLock::askToLock() { apply(state_.disable()); }

void ResultLock::askToUnlock() { apply(state_.reenable()); }

void ResultLock::createPassword()
{
    auto* edit = findControl<QLineEdit>(window_, "Edit14");
    apply(state_.create(edit ? edit->text().toStdString() : std::string()));
}

void ResultLock::confirmPassword()
{
    auto* edit = findControl<QLineEdit>(window_, "Edit15");
    apply(state_.retype(edit ? edit->text().toStdString() : std::string()));
}

void ResultLock::revealPressed(Qt::MouseButton button)
{
    auto* label = setup_.passwordLabel ? requireControl<QLabel>(window_, setup_.passwordLabel) : nullptr;
    if (!label)
        return;
    if (button == Qt::RightButton) {
        if (const auto shown = state_.reveal()) {
            label->setText(QString::fromStdString(*shown));
            label->adjustSize();
            label->show();
        }
    } else if (button == Qt::LeftButton) {
        hidePassword();
    }
}

void ResultLock::hidePassword()
{
    auto* label = setup_.passwordLabel ? findControl<QLabel>(window_, setup_.passwordLabel) : nullptr;
    if (!label)
        return;
    label->hide();
    // Hidden, the label is still read by whatever walks the window (a screen
    // reader reads its text as its name, and its width is the password's):
    // it goes back to its own caption and size.
    if (label->text() != passwordDesign_)
        label->setText(passwordDesign_);
    label->resize(passwordSize_);
}

QWidget* ResultLock::lockControl(LockControl c) const
{
    switch (c) {
    case LockControl::Edit14: return findControl(window_, "Edit14");
    case LockControl::Button7: return findControl(window_, "Button7");
    case LockControl::Edit15: return findControl(window_, "Edit15");
    case LockControl::Button8: return findControl(window_, "Button8");
    }
    return nullptr;
}

void ResultLock::apply(const LockEffects& fx)
{
    for (LockControl c : fx.emptied)
        if (auto* edit = qobject_cast<QLineEdit*>(lockControl(c)))
            edit->clear();
    if (fx.message && (*fx.message == kWrongPassword || *fx.message == kEmptyPassword))
        messenger_->inform(window_, text(*fx.message));
    else if (fx.message) // "Cédulas Já …" only tells the teacher where the lock stands
        messenger_->notice(window_, text(*fx.message));
    for (LockControl c : fx.hidden)
        if (QWidget* w = lockControl(c))
            w->hide();
    for (LockControl c : fx.shown)
        if (QWidget* w = lockControl(c))
            w->show();
    paint(fx.answers);
    if (!state_.mayReveal())
        hidePassword();

    QWidget* focus = nullptr;
    switch (fx.focus) {
    case LockFocus::None: break;
    case LockFocus::Edit14: focus = lockControl(LockControl::Edit14); break;
    case LockFocus::Edit15: focus = lockControl(LockControl::Edit15); break;
    case LockFocus::FirstCell: focus = setup_.firstCell; break;
    }
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

void ResultLock::repaint(QWidget* w, const char* color)
{
    auto it = designSheets_.find(w);
    if (it == designSheets_.end())
        it = designSheets_.insert(w, w->styleSheet());
    // A style sheet, unlike a palette, survives the label's later texts,
    // resizes, hides and shows.
    w->setStyleSheet(withBackground(*it, w->objectName(), QLatin1String(color)));
}

void ResultLock::paint(AnswerPaint answers)
{
    if (answers == AnswerPaint::Unchanged)
        return;
    const bool locked = answers == AnswerPaint::Locked;
    for (QLineEdit* cell : setup_.cells) {
        cell->setVisible(!locked);
        // A line edit that echoes nothing copies, drags and reports nothing
        // either, should it ever get the keyboard.
        if (locked) {
            if (!designEcho_.contains(cell))
                designEcho_.insert(cell, cell->echoMode());
            cell->setEchoMode(QLineEdit::NoEcho);
        } else {
            cell->setEchoMode(designEcho_.value(cell, QLineEdit::Normal));
        }
    }
    for (QWidget* label : setup_.labels) {
        repaint(label, locked ? kLockedLabel : kReadableLabel);
        holdSize(label, locked);
    }
    nameAnswers(locked);
    if (QAbstractItemView* list = setup_.list) {
        repaint(list, locked ? kLockedList : kReadableList);
        lockList(list, locked);
    }
    emit answersLocked(locked);
}

void ResultLock::answersWritten()
{
    if (!state_.answersLocked())
        nameAnswers(false);
}

void ResultLock::nameAnswers(bool hidden)
{
    // While hidden, name and text say only that. A result cell is read by its
    // text as well, so its own name stays when readable.
    const QString notice = QString::fromUtf8(kHiddenAnswer);
    auto name = [](QWidget* w, const QString& n) {
        if (w->accessibleName() != n)
            w->setAccessibleName(n); // tells assistive technology of the change
    };
    for (QLineEdit* cell : setup_.cells)
        name(cell, hidden ? notice : designNames_.value(cell));
    for (QWidget* label : setup_.labels) {
        const auto* l = qobject_cast<QLabel*>(label);
        name(label, hidden ? notice : l ? l->text() : designNames_.value(label));
    }
}

void ResultLock::holdSize(QWidget* label, bool locked)
{
    // A red box that grew with its hidden text would show how long the
    // answer is: locked, it keeps the size it had. (The forms set no size
    // limits on their result labels.)
    auto* l = qobject_cast<QLabel*>(label);
    if (locked) {
        label->setFixedSize(label->size());
        textsAtLock_.insert(label, l ? l->text() : QString());
        return;
    }
    if (!textsAtLock_.contains(label))
        return; // a lock abandoned before it hid anything
    const QString atLock = textsAtLock_.take(label);
    label->setMinimumSize(0, 0);
    label->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (l && l->text() != atLock)
        l->adjustSize(); // written while locked: as wide as its answer now
}

void ResultLock::lockList(QAbstractItemView* list, bool locked)
{
    listLocked_ = locked;
    if (lines_)
        lines_->setHidden(locked);
    if (locked) {
        // Scroll bars would follow the width and number of the hidden lines.
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // No line selected, none current and no keyboard: the list has
        // nothing to highlight, scroll to or copy.
        list->clearFocus();
        list->setFocusPolicy(Qt::NoFocus);
        list->setSelectionMode(QAbstractItemView::NoSelection);
        if (QItemSelectionModel* selection = list->selectionModel())
            selection->clear();
    } else {
        list->setHorizontalScrollBarPolicy(listBars_[0]);
        list->setVerticalScrollBarPolicy(listBars_[1]);
        list->setSelectionMode(static_cast<QAbstractItemView::SelectionMode>(listSelection_));
        list->setFocusPolicy(listFocus_);
    }
}

} // namespace tavek
