#include "kit/frame/messenger.h"

#include <QMessageBox>

namespace tavek {

namespace {

// The boxes show their sentence as it is, like every label of the program.
void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, QString::fromLatin1(kAppTitle), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void BoxMessenger::inform(QWidget* parent, const QString& text)
{
    showBox(parent, QMessageBox::Information, text);
}

void BoxMessenger::fault(QWidget* parent, const QString& text)
{
    showBox(parent, QMessageBox::Critical, text);
}

} // namespace tavek
