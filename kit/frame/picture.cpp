#include "kit/frame/picture.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

Picture::Picture(QWidget* parent) : QWidget(parent) {}

Picture::~Picture() = default;

void Picture::setSource(const QString& source)
{
    source_ = source;
    delete renderer_;
    renderer_ = nullptr;
    update();
}

void Picture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!renderer_ && !source_.isEmpty() && QFile::exists(source_))
        renderer_ = new QSvgRenderer(source_, this);
    if (renderer_ && renderer_->isValid()) {
        renderer_->render(&p, QRectF(rect()));
        return;
    }
    // No artwork yet: a quiet frame marks the picture's place.
    p.setPen(QColor(0xc0, 0xc0, 0xc0));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
