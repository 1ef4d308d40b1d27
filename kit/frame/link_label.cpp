#include "kit/frame/link_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QFontMetricsF>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

// What a screen reader hears: a link named by the label's accessible name
// (its text if it has none), which can be pressed.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<LinkLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            emit static_cast<LinkLabel*>(widget())->activated();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* linkAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("LinkLabel") && object)
        if (auto* link = qobject_cast<LinkLabel*>(object))
            return new LinkAccessible(link);
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(linkAccessible);
        return true;
    }();
    (void)installed;
}

bool LinkLabel::event(QEvent* event)
{
    // The keyboard reaches it; a click opens it without leaving a mark
    // behind. Given once the text is in place: a label that can take the
    // focus when its text is set keeps a whole text document for it.
    if (event->type() == QEvent::Polish && focusPolicy() == Qt::NoFocus)
        setFocusPolicy(Qt::TabFocus);
    return QLabel::event(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            emit activated();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

// A disabled widget gets no mouse events at all, so a disabled link ignores clicks.
void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (event->button() == Qt::LeftButton && wasPressed) {
        event->accept();
        if (rect().contains(event->position().toPoint()))
            emit activated();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent*)
{
    // Drawn as a plain label draws its text, also once the focus has given
    // the label a text document: the link looks the same with and without it.
    QPainter p(this);
    p.setPen(palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, foregroundRole()));
    const QFontMetricsF fm(font());
    const QRectF cr = contentsRect();
    const qreal top = std::floor(std::max((cr.height() - (fm.ascent() + fm.descent())) / 2, qreal(0)));
    p.drawText(QPointF(cr.left(), cr.top() + top + fm.ascent()), text());
    if (!hasFocus())
        return;
    p.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
