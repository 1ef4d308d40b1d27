#include "kit/frame/mouse.h"

#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>

namespace tavek {

namespace {

class MouseWatcher : public QObject {
public:
    MouseWatcher(QWidget* w, std::function<void()> click, std::function<void(Qt::MouseButton)> press)
        : QObject(w), widget_(w), click_(std::move(click)), press_(std::move(press))
    {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Filters see events before the widget decides to ignore them, so
        // a disabled widget's presses must be dropped here.
        if (watched != widget_ || !widget_->isEnabled())
            return false;
        if (event->type() == QEvent::MouseButtonPress && press_) {
            press_(static_cast<QMouseEvent*>(event)->button());
        } else if (event->type() == QEvent::MouseButtonRelease && click_) {
            auto* me = static_cast<QMouseEvent*>(event);
            if (me->button() == Qt::LeftButton && widget_->rect().contains(me->position().toPoint()))
                click_();
        }
        return false;
    }

private:
    QWidget* widget_;
    std::function<void()> click_;
    std::function<void(Qt::MouseButton)> press_;
};

} // namespace

void onClick(QWidget* widget, std::function<void()> handler)
{
    new MouseWatcher(widget, std::move(handler), {});
}

void onMousePress(QWidget* widget, std::function<void(Qt::MouseButton)> handler)
{
    new MouseWatcher(widget, {}, std::move(handler));
}

} // namespace tavek
