#include "kit/frame/statement_figure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <map>
#include <memory>

#include "kit/frame/figure_view.h"

namespace tavek {

namespace {

// A drawn figure reads well at the size of a window's picture, a sketch
// at what it needs of that.
constexpr QSizeF kDrawnSize(320, 240);
constexpr qreal kMarkPoints = 8;
constexpr qreal kWindowDpi = 96;

// A drawn figure is laid out in the windows' pixels and then scaled to its
// box; its letters are the names' size on the device, `scale` being how
// many of the device's units one of those pixels is.
QFont drawnFont(qreal dpi = kWindowDpi, qreal scale = 1)
{
    QFont font = StatementFigure::markFont();
    font.setBold(false);
    font.setPixelSize(std::max(1, qRound(kMarkPoints * dpi / 72 / scale)));
    return font;
}

// One renderer a picture, for every sheet, practice and export of the run:
// a 60-version sheet prints the same picture sixty times.
QSvgRenderer* renderer(const QString& path)
{
    static std::map<QString, std::unique_ptr<QSvgRenderer>> renderers;
    auto& r = renderers[path];
    if (!r)
        r = std::make_unique<QSvgRenderer>(path);
    return r->isValid() ? r.get() : nullptr;
}

} // namespace

StatementFigure::StatementFigure(const DrawnExercise& drawn) : drawn_(statement_figure(drawn))
{
    if (!drawn_.empty())
        drawnSize_ = figureSize(drawn_, drawnFont(), kDrawnSize);
    if (!drawn_.empty() || !drawn.exercise || !drawn.exercise->picture)
        return;
    pictureName_ = QString::fromUtf8(drawn.exercise->title);
    picture_ = renderer(QStringLiteral(":/art/") + QString::fromUtf8(drawn.exercise->picture));
    marks_ = &drawn.exercise->marks;
}

QSizeF StatementFigure::naturalSize() const
{
    if (!drawn_.empty())
        return drawnSize_;
    return picture_ ? QSizeF(picture_->defaultSize()) : QSizeF();
}

QFont StatementFigure::markFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(kMarkPoints);
    font.setBold(true);
    // Letters as drawn, unshaped (copied text stays letter by letter) and
    // not fitted to a screen's pixels.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void StatementFigure::paint(QPainter& painter, const QRectF& at, const QFont& marks) const
{
    if (isNull() || at.isEmpty())
        return;
    const QSizeF size = naturalSize().scaled(at.size(), Qt::KeepAspectRatio);
    const QRectF box(at.topLeft() + QPointF((at.width() - size.width()) / 2, 0), size);
    if (!drawn_.empty()) {
        const qreal scale = box.width() / drawnSize_.width();
        const qreal dpi = painter.device() ? painter.device()->logicalDpiY() : kWindowDpi;
        painter.save();
        painter.translate(box.topLeft());
        painter.scale(scale, scale);
        painter.setFont(drawnFont(dpi, scale));
        paintFigure(painter, QRectF(QPointF(0, 0), drawnSize_), drawn_);
        painter.restore();
        return;
    }
    // A picture's strokes may reach past its edges: kept to its box.
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    picture_->render(&painter, box);
    // Over the picture, the names the window writes there.
    const qreal scale = box.width() / naturalSize().width();
    painter.setFont(marks);
    painter.setPen(QColor(0x1f, 0x2d, 0x4f)); // the ink of the pictures' own letters
    const QFontMetricsF metrics = painter.fontMetrics();
    for (const ExerciseRecord::Mark& m : *marks_) {
        const QString text = QString::fromUtf8(m.text);
        const qreal w = metrics.horizontalAdvance(text);
        const qreal x = std::clamp(box.left() + m.x * scale, box.left(), box.right() - w);
        const qreal baseline = box.top() + m.y * scale + (metrics.ascent() - metrics.descent()) / 2;
        painter.drawText(QPointF(x, baseline), text);
    }
    painter.restore();
}

QString StatementFigure::description() const
{
    if (!drawn_.empty())
        return QString::fromStdString(drawn_.description);
    return picture_ ? QStringLiteral("Figura do exercício: %1").arg(pictureName_) : QString();
}

} // namespace tavek
