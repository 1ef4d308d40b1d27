#pragma once
// The figure under a worked solution: draws any figure description of the
// core with QPainter, as vectors, so it is crisp at every screen scale.
// Nothing is drawn outside the given box, whatever the numbers.
#include <QWidget>

#include "kit/core/figure.h"

class QPainter;

namespace tavek {

void paintFigure(QPainter& painter, const QRectF& box, const Figure& figure);
// The box a figure is best drawn in, at most `most`: a sketch no wider nor
// taller than its drawing and texts in `font` need (a flat launch, a steep
// plane), a plot or a diagram the whole of it.
QSizeF figureSize(const Figure& figure, const QFont& font, const QSizeF& most);

class FigureView : public QWidget {
    Q_OBJECT
public:
    explicit FigureView(QWidget* parent = nullptr);

    // What to draw; nothing (nullptr or an empty figure) hides the view, so
    // that the text above it has the room.
    void setFigure(const Figure* figure);
    const Figure& figure() const { return figure_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Figure figure_;
};

} // namespace tavek
