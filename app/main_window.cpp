#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include "kit/frame/link_label.h"
#include "kit/frame/mouse.h"
#include "sheets/frame/sheet_dialog.h"
#include "ui_form1.h"

namespace tavek {

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace

MainWindow::MainWindow(FormNumber number, const Context& context, QWidget* parent)
    : FormWindow(number, context, parent)
{
}

MainWindow::~MainWindow() = default;

void MainWindow::build()
{
    ui_ = std::make_unique<Ui::MainWindow>();
    ui_->setupUi(this);

    // The window itself holds the focus at start, so that no link wears the
    // focus mark before the student presses Tab.
    ui_->centralwidget->setFocus(Qt::OtherFocusReason);
    connect(ui_->FecharTAVEK1, &QAction::triggered, this, [this] { openExitLock(); });
    // The teacher's exercise sheets, behind the exit password.
    connect(ui_->ListaDeExercicios, &QAction::triggered, this,
            [this] {
                openExerciseSheets(
                    this, [this](const std::string& typed) { return exitLock_.accepts(typed); },
                    *context().messenger);
            });

    connect(ui_->Button1, &QPushButton::clicked, this, [this] { confirmExitPassword(); });
    connect(ui_->Button2, &QPushButton::clicked, this, [this] { changeExitPassword(); });
    pressOnEnter(ui_->Edit1, ui_->Button1); // "Confirma Senha"
    pressOnEnter(ui_->Edit2, ui_->Button2); // "Confirmar Alteração"
    onMousePress(ui_->Label4, [this](Qt::MouseButton button) { mechanicsPressed(button); });
    // A lone radio button would turn off again on a second click; in an
    // exclusive group of its own it stays on, as the switch must.
    auto* switchGroup = new QButtonGroup(this);
    switchGroup->setExclusive(true);
    switchGroup->addButton(ui_->RadioButton1);
    // Runs when the switch turns on; nothing ever turns it off again.
    connect(ui_->RadioButton1, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            RadioconfirmExitPassword();
    });

    changeIdle_.setSingleShot(true);
    changeIdle_.setInterval(kChangeIdle);
    connect(&changeIdle_, &QTimer::timeout, this, [this] { endChange(); });
    for (QWidget* w : {static_cast<QWidget*>(ui_->Edit2), static_cast<QWidget*>(ui_->Button2),
                       static_cast<QWidget*>(ui_->RadioButton1)})
        w->installEventFilter(this);
    // The keyboard goes from window to window by way of none at all, or of a
    // box the panel itself shows: only where it comes to rest counts.
    focusSettles_.setSingleShot(true);
    focusSettles_.setInterval(250);
    connect(&focusSettles_, &QTimer::timeout, this, [this] { focusMoved(); });
    connect(qApp, &QGuiApplication::focusWindowChanged, &focusSettles_, qOverload<>(&QTimer::start));
}

void MainWindow::openExitLock()
{
    endChange();
    ui_->Panel1->show();
    enableTopicLinks(false);
    ui_->Edit1->clear();
    ui_->Edit1->setFocus(Qt::OtherFocusReason);
    exitLock_.open(ui_->RadioButton1->isChecked());
}

void MainWindow::confirmExitPassword()
{
    if (exitLock_.accepts(ui_->Edit1->text().toStdString())) {
        notice(text(kFarewell));
        close();
        return;
    }
    inform(text(kExitRefused));
    enableTopicLinks(true);
    ui_->Panel1->hide();
}

void MainWindow::mechanicsPressed(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        ui_->Panel2->show();
    else if (button == Qt::LeftButton)
        hideChangePanel();
}

void MainWindow::RadioconfirmExitPassword()
{
    ui_->Label10->show();
    ui_->Edit2->show();
    ui_->Button2->show();
    ui_->Edit2->setFocus(Qt::OtherFocusReason);
}

void MainWindow::changeExitPassword()
{
    const ChangeStep step = exitLock_.confirmChange(ui_->Edit2->text().toStdString());
    // Nothing typed stays in the entry, right or wrong.
    ui_->Edit2->clear();
    if (!step.message.empty())
        inform(text(step.message));
    if (step.panelCloses) {
        hideChangePanel();
        return;
    }
    if (exitLock_.changeAccepted())
        changeIdle_.start();
    askForPassword();
    ui_->Edit2->setFocus(Qt::OtherFocusReason);
}

void MainWindow::hideChangePanel()
{
    ui_->Panel2->hide();
    endChange();
}

void MainWindow::endChange()
{
    changeIdle_.stop();
    ui_->Edit2->clear();
    exitLock_.restartChange();
    askForPassword();
}

void MainWindow::focusMoved()
{
    if (!exitLock_.changeAccepted() || QGuiApplication::focusWindow() == windowHandle())
        return;
    // The panel's own box ("Cédula vazia. Ajuste Senha") stands over it for
    // a moment; any other window, ours or not, ends the accepted step.
    const auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box && box->parentWidget() && box->parentWidget()->window() == this)
        return;
    endChange();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && changeIdle_.isActive())
        changeIdle_.start();
    return FormWindow::eventFilter(watched, event);
}

void MainWindow::askForPassword()
{
    const bool current = exitLock_.changePrompt() == kAskCurrentPassword;
    ui_->Label10->setText(text(exitLock_.changePrompt()));
    ui_->Edit2->setAccessibleName(current ? QStringLiteral("Senha de saída atual")
                                          : QStringLiteral("Nova senha de saída"));
}

void MainWindow::enableTopicLinks(bool enabled)
{
    for (QLabel* link : {ui_->Label3, ui_->Label5, ui_->Label6, ui_->Label7})
        link->setEnabled(enabled);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Alt+F4 or a task bar's "Close" comes from outside the program
    // (spontaneous): it must not get round the exit password, so it opens the
    // exit lock as "Fechar TAVEK" does, even while or after the session
    // manager asks the program to save (a log-out can still be cancelled).
    // The program's own close after the password, and the application
    // closing its windows when the session manager ends the session, are not
    // spontaneous and end the program.
    if (event->spontaneous()) {
        event->ignore();
        if (ui_) {
            raise();
            activateWindow();
            openExitLock();
        }
        return;
    }
    QMainWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    // The other windows are owned by this one but are windows of their own:
    // they would stay on screen until the event loop ends.
    for (FormWindow* other : findChildren<FormWindow*>(QString(), Qt::FindDirectChildrenOnly))
        other->hide();
    QCoreApplication::quit();
}

} // namespace tavek
