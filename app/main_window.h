#pragma once
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

protected:
    void build() override;
    // The program's own close ends it, with every window, and so does the
    // end of the desktop session; a close request from the window manager
    // opens the exit lock instead.
    void closeEvent(QCloseEvent* event) override;

private:
    void openExitLock();

    // The exit lock: "Confirma Senha", the presses on "Mecânica" and the
    // password-change panel.
    void confirmExitPassword();
    void mechanicsPressed(Qt::MouseButton button);
    void RadioconfirmExitPassword();
    void changeExitPassword();
    void hideChangePanel();
    void askForPassword();
    void enableTopicLinks(bool enabled);

    std::unique_ptr<Ui::MainWindow> ui_;
    ExitLock exitLock_;
};

} // namespace tavek
