#include "kit/messenger.h"

#include <QMessageBox>

namespace tavek {

void BoxMessenger::inform(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QString::fromLatin1(kAppTitle), text);
}

void BoxMessenger::fault(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, QString::fromLatin1(kAppTitle), text);
}

} // namespace tavek
