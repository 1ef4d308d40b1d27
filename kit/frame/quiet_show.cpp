#include "kit/frame/quiet_show.h"

#include <QWidget>
#include <QtWidgets/private/qwidget_p.h>

namespace tavek {

void showQuietly(QWidget* control)
{
    QWidget* parent = control->isWindow() ? nullptr : control->parentWidget();
    if (!parent || !parent->isVisible() || !control->isHidden()) {
        control->show();
        return;
    }
    // Qt skips the enter and leave of a control shown while its parent is
    // being shown; the parent is marked so for this one call only.
    QWidgetData& data = QWidgetPrivate::get(parent)->data;
    const uint wasInShow = data.in_show;
    data.in_show = 1;
    control->show();
    data.in_show = wasInShow;
}

} // namespace tavek
