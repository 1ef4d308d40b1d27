#include "kit/frame/statement_figure_view.h"

#include <QPainter>

namespace tavek {

StatementFigureView::StatementFigureView(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    hide();
}

void StatementFigureView::setExercise(const DrawnExercise* drawn)
{
    figure_.reset();
    if (drawn)
        figure_.emplace(*drawn);
    const bool shown = figure_ && !figure_->isNull();
    setAccessibleDescription(shown ? figure_->description() : QString());
    setVisible(shown);
    updateGeometry();
    update();
}

QSize StatementFigureView::sizeHint() const
{
    if (!figure_ || figure_->isNull())
        return {0, 0};
    return figure_->naturalSize().toSize();
}

void StatementFigureView::paintEvent(QPaintEvent*)
{
    if (!figure_ || figure_->isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    figure_->paint(painter, QRectF(rect()));
}

} // namespace tavek
