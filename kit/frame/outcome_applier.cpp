#include "kit/frame/outcome_applier.h"

#include <QAbstractProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>

#include "kit/frame/controls.h"
#include "kit/frame/messenger.h"
#include "kit/frame/quiet_show.h"

namespace tavek {

namespace {

// The lines of a result list, behind whatever the view shows them through.
QStringListModel* linesOf(QListView* list)
{
    QAbstractItemModel* model = list ? list->model() : nullptr;
    while (auto* proxy = qobject_cast<QAbstractProxyModel*>(model))
        model = proxy->sourceModel();
    return qobject_cast<QStringListModel*>(model);
}

} // namespace

void OutcomeApplier::apply(const Outcome& outcome) const
{
    QStringList pending; // consecutive list lines go into the list in one call
    QListView* pendingList = nullptr;
    std::string pendingName;
    auto flush = [&] {
        if (QStringListModel* model = linesOf(pendingList)) {
            QStringList lines = model->stringList();
            lines += pending;
            model->setStringList(lines);
        }
        pending.clear(); // lines for a missing list go nowhere, not into the next one
        pendingList = nullptr;
    };

    for (const Action& a : outcome.actions) {
        const QString text = QString::fromStdString(a.text);
        if (a.kind != Action::Kind::Append)
            flush();
        switch (a.kind) {
        case Action::Kind::Message:
            messenger_->inform(window_, text);
            focus(a.target);
            break;
        case Action::Kind::Write:
            write(a.target, text);
            break;
        case Action::Kind::Show:
            if (auto* w = requireControl(window_, a.target.c_str()))
                showQuietly(w);
            break;
        case Action::Kind::Hide:
            if (auto* w = requireControl(window_, a.target.c_str()))
                w->hide();
            break;
        case Action::Kind::Append:
            // A run of lines (32001 in Form11) looks its list up once.
            if (!pendingList || a.target != pendingName) {
                flush();
                pendingList = requireControl<QListView>(window_, a.target.c_str());
                pendingName = a.target;
            }
            pending << text;
            break;
        case Action::Kind::Clear:
            if (QStringListModel* model = linesOf(requireControl<QListView>(window_, a.target.c_str())))
                model->setStringList({});
            break;
        }
    }
    flush();
    if (outcome.fault) {
        const std::string_view fault = fault_text(*outcome.fault);
        messenger_->fault(window_, QString::fromUtf8(fault.data(), static_cast<qsizetype>(fault.size())));
    }
}

void OutcomeApplier::write(const std::string& target, const QString& text) const
{
    // One search of the window's controls for a cell or a label alike.
    QWidget* control = requireControl(window_, target.c_str());
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
        edit->setCursorPosition(0); // a long answer shows its sign and first digits
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
        label->adjustSize();
        showQuietly(label);
    } else {
        Q_ASSERT_X(!control, target.c_str(), "a written control is neither a cell nor a label");
    }
}

void OutcomeApplier::focus(const std::string& target) const
{
    if (auto* w = requireControl(window_, target.c_str()))
        w->setFocus(Qt::OtherFocusReason);
}

} // namespace tavek
