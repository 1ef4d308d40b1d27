#include "app/main_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "kit/frame/link_label.h"
#include "kit/frame/mouse.h"
#include "ui_form1.h"

namespace tavek {

MainWindow::MainWindow(FormNumber number, const Context& context, QWidget* parent)
    : FormWindow(number, context, parent)
{
    // The session manager asks every program to save before the desktop
    // session ends; from then on the window manager's close is obeyed, so a
    // log out or shut down is never held up by the exit password.
    if (qGuiApp)
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { sessionEnding_ = true; });
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
}

void MainWindow::openExitLock()
{
    ui_->Panel1->show();
    enableTopicLinks(false);
    ui_->Edit1->clear();
    ui_->Edit1->setFocus(Qt::OtherFocusReason);
    exitLock_.open(ui_->RadioButton1->isChecked());
}

void MainWindow::confirmExitPassword()
{
    if (exitLock_.accepts(ui_->Edit1->text().toStdString())) {
        notice(QString::fromUtf8(kFarewell.data(), static_cast<qsizetype>(kFarewell.size())));
        close();
        return;
    }
    inform(QString::fromUtf8(kExitRefused.data(), static_cast<qsizetype>(kExitRefused.size())));
    enableTopicLinks(true);
    ui_->Panel1->hide();
}

void MainWindow::mechanicsPressed(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        ui_->Panel2->show();
    else if (button == Qt::LeftButton)
        ui_->Panel2->hide();
}

void MainWindow::RadioconfirmExitPassword()
{
    ui_->Edit2->show();
    ui_->Button2->show();
    ui_->Edit2->setFocus(Qt::OtherFocusReason);
}

void MainWindow::changeExitPassword()
{
    if (!exitLock_.change(ui_->Edit2->text().toStdString())) {
        inform(QString::fromUtf8(kEmptyNewPassword.data(), static_cast<qsizetype>(kEmptyNewPassword.size())));
        ui_->Edit2->setFocus(Qt::OtherFocusReason);
        return;
    }
    ui_->Panel2->hide();
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
    // exit lock as "Fechar TAVEK" does. The program's own close after the
    // password, and the application closing its windows when told to quit
    // at the end of the session, are not spontaneous and end the program.
    if (event->spontaneous() && !sessionEnding_) {
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
