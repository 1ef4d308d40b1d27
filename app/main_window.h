#pragma once
#include <QTimer>

#include <chrono>
#include <memory>

#include "app/exit_lock.h"
#include "kit/frame/form_window.h"

class QCloseEvent;

namespace Ui {
class MainWindow;
}

namespace tavek {

// The student's home screen: topic links and the way out of the program.
class MainWindow : public FormWindow {
    Q_OBJECT
public:
    MainWindow(FormNumber number, const Context& context, QWidget* parent);
    ~MainWindow() override;

    // The exit password's check, for whatever else a teacher opens with it.
    const ExitLock& exitLock() const { return exitLock_; }

    // How long the password-change panel waits for a key, once the current
    // password is accepted, before it starts over (kChangeIdle).
    void setChangeIdle(std::chrono::milliseconds idle) { changeIdle_.setInterval(idle); }

protected:
    void build() override;
    // The program's own close ends it, with every window, and so does the
    // end of the desktop session; a close request from the window manager
    // opens the exit lock instead.
    void closeEvent(QCloseEvent* event) override;
    // A key in the password-change panel keeps its accepted step.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openExitLock();

    // The exit lock: "Confirma Senha", the presses on "Mecânica" and the
    // password-change panel.
    void confirmExitPassword();
    void mechanicsPressed(Qt::MouseButton button);
    void RadioconfirmExitPassword();
    void changeExitPassword();
    void hideChangePanel();
    void endChange();
    void focusMoved();
    void askForPassword();
    void enableTopicLinks(bool enabled);

    std::unique_ptr<Ui::MainWindow> ui_;
    ExitLock exitLock_;
    QTimer changeIdle_;
    QTimer focusSettles_;
};

} // namespace tavek
