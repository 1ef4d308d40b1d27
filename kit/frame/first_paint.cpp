#include "kit/frame/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace tavek {

namespace {

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* window, std::function<void()> work)
        : QObject(window), window_(window), work_(std::move(work))
    {
        // Where children cover the whole window, they alone are painted.
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !queued_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            queued_ = true;
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued: the paint begun here is finished, and on its way to the
            // screen, by the time the work runs.
            QTimer::singleShot(0, this, [this] {
                work_();
                deleteLater();
            });
        }
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> work_;
    bool queued_ = false;
};

} // namespace

void afterFirstPaint(QWidget* window, std::function<void()> work)
{
    new FirstPaint(window, std::move(work));
}

} // namespace tavek
