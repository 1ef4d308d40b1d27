#include "kit/frame/messenger.h"

#include <QMessageBox>
#include <QPointer>

namespace tavek {

namespace {

// The boxes show their sentence as it is, like every label of the program.
void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    const QPointer<QWidget> window = parent ? parent->window() : nullptr;
    QMessageBox box(icon, QString::fromLatin1(kAppTitle), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    // Once the box is gone the window manager gives the keyboard to a window
    // of its choosing (openbox: the main window), and what the student types
    // next would be lost. The window the box came from takes it back; the
    // focus widget it is given meanwhile gets the keys.
    if (window && window->isVisible() && !window->isMinimized()) {
        window->raise();
        window->activateWindow();
    }
}

} // namespace

void BoxMessenger::inform(QWidget* parent, const QString& text)
{
    showBox(parent, QMessageBox::Warning, text);
}

void BoxMessenger::notice(QWidget* parent, const QString& text)
{
    showBox(parent, QMessageBox::Information, text);
}

void BoxMessenger::fault(QWidget* parent, const QString& text)
{
    showBox(parent, QMessageBox::Critical, text);
}

} // namespace tavek
