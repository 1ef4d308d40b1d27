#include "kit/form_window.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAbstractProxyModel>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QStringListModel>
#include <QWindow>

#include "kit/messenger.h"
#include "kit/picture.h"
#include "kit/quick_si.h"
#include "kit/result_lock.h"

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

FormWindow::FormWindow(FormId id, const Context& context, QWidget* parent)
    : QMainWindow(parent), id_(id), context_(context)
{
    setObjectName(QStringLiteral("Form%1").arg(static_cast<int>(id)));
}

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

void FormWindow::addLink(const char* action, FormId target)
{
    links_.emplace_back(action, target);
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
    applyFrame();
}

void FormWindow::applyFrame()
{
    QWidget* client = centralWidget();
    if (client) {
        QPalette pal = client->palette();
        pal.setColor(QPalette::Window, Qt::white);
        client->setPalette(pal);
        client->setAutoFillBackground(true);
    }

    // Every label shows its text as it is: what a user typed (a password
    // shown back) is never taken for markup.
    for (QLabel* label : client ? client->findChildren<QLabel*>() : QList<QLabel*>{})
        label->setTextFormat(Qt::PlainText);

    // The layouts were drawn for narrower fonts than the free ones installed
    // here: growing each caption to its text keeps it whole at its place.
    if (client) {
        auto grow = [](QWidget* w) {
            const QSize hint = w->sizeHint();
            w->resize(std::max(w->width(), hint.width()), std::max(w->height(), hint.height()));
        };
        for (QLabel* label : client->findChildren<QLabel*>())
            grow(label);
        for (QAbstractButton* box : client->findChildren<QCheckBox*>())
            grow(box);
    }

    // Pictures find their artwork by window and control name.
    const QString prefix = QStringLiteral(":/art/form%1/").arg(static_cast<int>(id_));
    for (Picture* picture : client ? client->findChildren<Picture*>() : QList<Picture*>{}) {
        if (!picture->source().isEmpty())
            continue;
        const QString path = prefix + picture->objectName() + QStringLiteral(".svg");
        if (QFile::exists(path))
            picture->setSource(path);
    }

    // Closing an exercise window only hides it (a top-level QWidget's close
    // does exactly that unless it is deleted on close).
    if (auto* close = control<QAction>("FecharJanela1"))
        connect(close, &QAction::triggered, this, &QWidget::close);
    for (const char* name : {"ConversesdeUnidades1", "Conversesdeunidades1"}) {
        if (auto* conversions = control<QAction>(name))
            connect(conversions, &QAction::triggered, this,
                    [this] { context_.navigator->show(FormId::Form3); });
    }
    for (const auto& [name, target] : links_) {
        if (auto* link = control<QAction>(name)) {
            const FormId t = target;
            connect(link, &QAction::triggered, this, [this, t] { context_.navigator->show(t); });
        }
    }

    // The teacher's lock and the quick speed conversion, as the window declared them.
    if (resultLock_)
        new ResultLock(this, *resultLock_, context_.messenger);
    if (quickSi_) {
        const std::pair<const char*, SpeedUnit> items[] = {
            {quickSi_->kmhAction, SpeedUnit::Kmh}, {"mihms1", SpeedUnit::Mih}, {"cmsms1", SpeedUnit::Cms}};
        for (const auto& [item, unit] : items) {
            const SpeedUnit u = unit;
            connectAction(item, [this, u] {
                const QuickSiSetup& si = *quickSi_;
                auto* box = control<QCheckBox>(si.checkBox);
                auto* cell = control<QLineEdit>(si.speedCell);
                apply(convert_speed(box && box->isChecked(), cell ? cell->text().toStdString() : std::string(), u,
                                    si.speedCell, si.note));
            });
        }
    }

    if (placed_) {
        const int menu = menuBar() ? menuBar()->heightForWidth(placement_.width) : 0;
        const int menuHeight = menu > 0 ? menu : (menuBar() ? menuBar()->sizeHint().height() : 0);
        if (client)
            client->setFixedSize(placement_.width, placement_.height);
        setFixedSize(placement_.width, placement_.height + menuHeight);
        // Left, Top place the outer frame, title bar included: move() asks the
        // window manager for that, where setGeometry() would place the client
        // area there and push the title bar off the top of the screen.
        move(placement_.left, placement_.top);
    }
}

Cells FormWindow::cells(std::initializer_list<const char*> names) const
{
    Cells result;
    for (const char* name : names) {
        auto* edit = control<QLineEdit>(name);
        result.emplace(name, edit ? edit->text().toStdString() : std::string());
    }
    return result;
}

void FormWindow::apply(const Outcome& outcome)
{
    QStringList pending; // consecutive list lines go into the list in one call
    QListView* pendingList = nullptr;
    std::string pendingName;
    auto flush = [&] {
        QStringListModel* model = linesOf(pendingList);
        if (model) {
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
            context_.messenger->inform(this, text);
            focusControl(a.target.c_str());
            break;
        case Action::Kind::Write:
            if (auto* edit = control<QLineEdit>(a.target.c_str())) {
                edit->setText(text);
                edit->setCursorPosition(0); // a long answer shows its sign and first digits
            } else if (auto* label = control<QLabel>(a.target.c_str())) {
                label->setText(text);
                label->adjustSize();
                label->show();
            }
            break;
        case Action::Kind::Show:
            if (auto* w = control<QWidget>(a.target.c_str()))
                w->show();
            break;
        case Action::Kind::Hide:
            if (auto* w = control<QWidget>(a.target.c_str()))
                w->hide();
            break;
        case Action::Kind::Append: {
            // A run of lines (32001 in Form11) looks its list up once.
            if (!pendingList || a.target != pendingName) {
                flush();
                pendingList = control<QListView>(a.target.c_str());
                pendingName = a.target;
            }
            pending << text;
            break;
        }
        case Action::Kind::Clear:
            if (QStringListModel* model = linesOf(control<QListView>(a.target.c_str())))
                model->setStringList({});
            break;
        }
    }
    flush();
    if (outcome.fault)
        context_.messenger->fault(this, QString::fromUtf8(fault_text(*outcome.fault).data(),
                                                         static_cast<qsizetype>(fault_text(*outcome.fault).size())));
}

void FormWindow::connectButton(const char* button, std::function<void()> handler)
{
    if (auto* b = control<QAbstractButton>(button))
        connect(b, &QAbstractButton::clicked, this, [h = std::move(handler)] { h(); });
}

void FormWindow::connectAction(const char* action, std::function<void()> handler)
{
    if (auto* a = control<QAction>(action))
        connect(a, &QAction::triggered, this, [h = std::move(handler)] { h(); });
}

void FormWindow::emptyCells(std::initializer_list<const char*> names)
{
    setTexts(names, QString());
}

void FormWindow::setTexts(std::initializer_list<const char*> names, const QString& text)
{
    for (const char* name : names) {
        if (auto* edit = control<QLineEdit>(name)) {
            edit->setText(text);
            edit->setCursorPosition(0);
        }
    }
}

void FormWindow::hideControls(std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (auto* w = control<QWidget>(name))
            w->hide();
}

void FormWindow::untick(const char* checkBox)
{
    if (auto* box = control<QCheckBox>(checkBox))
        box->setChecked(false);
}

void FormWindow::focusControl(const char* name)
{
    if (auto* w = control<QWidget>(name))
        w->setFocus(Qt::OtherFocusReason);
}

void FormWindow::inform(const QString& text)
{
    context_.messenger->inform(this, text);
}

} // namespace tavek
