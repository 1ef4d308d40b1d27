#include "kit/frame/figure_view.h"

#include <QPainter>
#include <QPainterPath>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "kit/core/figure_layout.h"

namespace tavek {

namespace {

// The artwork's colours: ink, forces red, motion teal.
const QColor kInk(0x1d, 0x35, 0x57);
const QColor kGrid(0xe3, 0xe8, 0xef);
const QColor kCurve(0x15, 0x65, 0xc0);
const QColor kGuide(0x70, 0x70, 0x70);
const QColor kMark(0xd6, 0x28, 0x28);
const QColor kThing(0xef, 0x6c, 0x00);
const QColor kForce(0xd6, 0x28, 0x28);
const QColor kComponent(0x7b, 0x2c, 0xbf);
const QColor kMotion(0x2a, 0x9d, 0x8f);
const QColor kBlock(0xc9, 0xd6, 0xf5);
const QColor kBlockEdge(0x1a, 0x3a, 0x8f);

constexpr qreal kGap = 4;

QString text(const std::string& s) { return QString::fromStdString(s); }

// Cells for n pieces in a box, as near the given width:height as a grid allows.
std::vector<QRectF> grid(const QRectF& box, std::size_t n, qreal aspect)
{
    std::size_t columns = 1;
    qreal best = 1e9;
    for (std::size_t c = 1; c <= n; ++c) {
        const std::size_t rows = (n + c - 1) / c;
        const qreal cell = (box.width() / qreal(c)) / (box.height() / qreal(rows));
        const qreal miss = std::fabs(std::log(cell / aspect));
        if (miss < best - 1e-9) {
            best = miss;
            columns = c;
        }
    }
    const std::size_t rows = (n + columns - 1) / columns;
    const qreal w = box.width() / qreal(columns), h = box.height() / qreal(rows);
    std::vector<QRectF> cells;
    for (std::size_t i = 0; i < n; ++i)
        cells.emplace_back(box.left() + qreal(i % columns) * w, box.top() + qreal(i / columns) * h, w, h);
    return cells;
}

// A text's lines, each cut to the width with an ellipsis where it is longer.
QStringList fitted(const QFontMetricsF& fm, const QString& s, qreal width)
{
    QStringList lines = s.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = fm.elidedText(line, Qt::ElideRight, width);
    return lines;
}

QSizeF sizeOf(const QFontMetricsF& fm, const QStringList& lines)
{
    qreal w = 0;
    for (const QString& l : lines)
        w = std::max(w, fm.horizontalAdvance(l));
    return {w + 4, fm.height() * qreal(lines.size()) + 2};
}

// A label on a white ground, so that it reads over grid lines and curves.
void label(QPainter& p, const QRectF& r, const QStringList& lines, const QColor& colour)
{
    p.fillRect(r, QColor(255, 255, 255, 215));
    p.setPen(colour);
    const QFontMetricsF fm(p.font());
    for (qsizetype i = 0; i < lines.size(); ++i)
        p.drawText(QPointF(r.left() + 2, r.top() + 1 + fm.ascent() + fm.height() * qreal(i)), lines[i]);
}

// A heading in bold, cut to its row.
void heading(QPainter& p, const QRectF& row, const std::string& s, Qt::Alignment align)
{
    const QFont plain = p.font();
    QFont bold = plain;
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(kInk);
    p.drawText(row, align | Qt::AlignVCenter, QFontMetricsF(bold).elidedText(text(s), Qt::ElideRight, row.width()));
    p.setFont(plain);
}

// Keeps a coordinate within a few boxes of the drawing: the painter is
// clipped there anyway, and far-off points must not overflow its arithmetic.
qreal tame(double f) { return std::isfinite(f) ? std::clamp(f, -4.0, 5.0) : 0.0; }

Box toBox(const QRectF& r) { return {r.x(), r.y(), r.width(), r.height()}; }

QRectF toRect(const Box& b) { return {b.x, b.y, b.w, b.h}; }

// A plot laid out in its cell: the plotting area inside its tick labels and
// titles, and where its values fall there.
struct PlotFrame {
    const Plot& plot;
    QRectF cell;
    QRectF area;
    qreal yLabels; // the width of the y axis's tick labels

    // A tick's place along its axis: 0 at the axis's low end, 1 at its high.
    static qreal fraction(const Axis& a, double t) { return (t - a.lo) / (a.hi - a.lo); }
    qreal x(double t) const { return area.left() + fraction(plot.x, t) * area.width(); }
    qreal y(double t) const { return area.bottom() - fraction(plot.y, t) * area.height(); }
    QPointF at(Point pt) const
    {
        return QPointF(area.left() + tame(plot.x.fraction(pt.x)) * area.width(),
                       area.bottom() - tame(plot.y.fraction(pt.y)) * area.height());
    }
};

// Title, then the y axis's title above the plotting area.
void drawTitles(QPainter& p, const QFontMetricsF& fm, const QRectF& cell, const Plot& plot)
{
    const qreal line = fm.height();
    heading(p, QRectF(cell.left(), cell.top(), cell.width(), line), plot.title, Qt::AlignHCenter);
    p.drawText(QRectF(cell.left(), cell.top() + line, cell.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
               fm.elidedText(text(plot.y.title()), Qt::ElideRight, cell.width()));
}

PlotFrame layOut(const QFontMetricsF& fm, const QRectF& cell, const Plot& plot)
{
    const qreal line = fm.height();
    qreal yLabels = 0;
    for (const std::string& l : plot.y.labels)
        yLabels = std::max(yLabels, fm.horizontalAdvance(text(l)));
    yLabels = std::min(yLabels, cell.width() / 3);
    const qreal lastX = plot.x.labels.empty() ? 0 : fm.horizontalAdvance(text(plot.x.labels.back()));
    const QRectF area(QPointF(cell.left() + yLabels + 6, cell.top() + 2.5 * line),
                      QPointF(cell.right() - std::max(lastX / 2, 8.0), cell.bottom() - 2 * line - 2));
    return {plot, cell, area, yLabels};
}

void drawGrid(QPainter& p, const PlotFrame& f)
{
    p.setPen(QPen(kGrid, 1));
    for (double t : f.plot.x.ticks) {
        const qreal x = f.x(t);
        p.drawLine(QPointF(x, f.area.top()), QPointF(x, f.area.bottom()));
    }
    for (double t : f.plot.y.ticks) {
        const qreal y = f.y(t);
        p.drawLine(QPointF(f.area.left(), y), QPointF(f.area.right(), y));
    }
}

// The ticks' labels, none over its neighbour, and the x axis's title.
void drawTickLabels(QPainter& p, const QFontMetricsF& fm, const PlotFrame& f)
{
    const Plot& plot = f.plot;
    const qreal line = fm.height();
    p.setPen(kInk);
    std::vector<double> xs, widths;
    for (std::size_t i = 0; i < plot.x.ticks.size(); ++i) {
        xs.push_back(f.x(plot.x.ticks[i]));
        widths.push_back(fm.horizontalAdvance(text(plot.x.labels[i])));
    }
    for (const TickLabel& l : x_tick_labels(xs, widths, f.area.bottom() + 2, line, toBox(f.cell)))
        p.drawText(toRect(l.box), Qt::AlignCenter, text(plot.x.labels[l.tick]));
    std::vector<double> ys;
    for (double t : plot.y.ticks)
        ys.push_back(f.y(t));
    const Box column{f.cell.left(), f.cell.top(), f.yLabels + 2, f.cell.height()};
    for (const TickLabel& l : y_tick_labels(ys, line, column))
        p.drawText(toRect(l.box), Qt::AlignRight | Qt::AlignVCenter,
                   fm.elidedText(text(plot.y.labels[l.tick]), Qt::ElideLeft, f.yLabels + 2));
    p.drawText(QRectF(f.cell.left(), f.cell.bottom() - line, f.cell.width(), line), Qt::AlignRight | Qt::AlignVCenter,
               fm.elidedText(text(plot.x.title()), Qt::ElideRight, f.cell.width()));
}

// The axes where zero is, else the frame's edges.
void drawAxes(QPainter& p, const PlotFrame& f)
{
    p.setPen(QPen(QColor(0x9a, 0xa5, 0xb1), 1));
    p.drawRect(f.area);
    p.setPen(QPen(kInk, 1.2));
    const qreal zeroY = PlotFrame::fraction(f.plot.y, 0);
    if (zeroY >= 0 && zeroY <= 1)
        p.drawLine(QPointF(f.area.left(), f.y(0)), QPointF(f.area.right(), f.y(0)));
    const qreal zeroX = PlotFrame::fraction(f.plot.x, 0);
    if (zeroX >= 0 && zeroX <= 1)
        p.drawLine(QPointF(f.x(0), f.area.top()), QPointF(f.x(0), f.area.bottom()));
}

// The curves, kept to the plotting area.
void drawCurves(QPainter& p, const PlotFrame& f)
{
    p.save();
    p.setClipRect(f.area.adjusted(-1, -1, 1, 1), Qt::IntersectClip);
    for (const Curve& c : f.plot.curves) {
        QPolygonF poly;
        poly.reserve(qsizetype(c.points.size()));
        for (const Point& pt : c.points)
            poly << f.at(pt);
        switch (c.style) {
        case Curve::Style::Line:
            p.setPen(QPen(kCurve, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(poly);
            break;
        case Curve::Style::Guide:
            p.setPen(QPen(kGuide, 1.2, Qt::DashLine));
            p.drawPolyline(poly);
            break;
        case Curve::Style::Dots:
            p.setPen(Qt::NoPen);
            p.setBrush(kCurve);
            for (const QPointF& q : poly)
                p.drawEllipse(q, 2.5, 2.5);
            p.setBrush(Qt::NoBrush);
            break;
        }
    }
    p.restore();
}

// Marks and their labels, inside the plot's cell and clear of each other.
void drawMarks(QPainter& p, const QFontMetricsF& fm, const PlotFrame& f)
{
    const qreal line = fm.height();
    const QRectF room = f.cell.adjusted(0, line, 0, -line);
    std::vector<QStringList> texts;
    std::vector<MarkLabel> marks;
    for (const Mark& m : f.plot.marks) {
        texts.push_back(fitted(fm, text(m.label), room.width() - 4));
        const QPointF q = f.at(m.at);
        const QSizeF s = sizeOf(fm, texts.back());
        marks.push_back({{q.x(), q.y()}, {s.width(), s.height()}});
    }
    const std::vector<Box> labels = mark_labels(marks, toBox(f.area), toBox(room));
    for (std::size_t i = 0; i < f.plot.marks.size(); ++i) {
        const Mark& m = f.plot.marks[i];
        const QPointF q = f.at(m.at);
        p.setPen(Qt::NoPen);
        if (m.curve < 0) {
            p.setPen(QPen(kThing, 2.5));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(q, 6, 6);
        } else {
            p.setBrush(kMark);
            p.drawEllipse(q, 3.5, 3.5);
            p.setBrush(Qt::NoBrush);
        }
        label(p, toRect(labels[i]), texts[i], m.curve < 0 ? kThing : kInk);
    }
}

void drawPlot(QPainter& p, const QRectF& cell, const Plot& plot)
{
    const QFontMetricsF fm(p.font());
    drawTitles(p, fm, cell, plot);
    const PlotFrame f = layOut(fm, cell, plot);
    if (f.area.width() < 24 || f.area.height() < 16)
        return;
    drawGrid(p, f);
    drawTickLabels(p, fm, f);
    drawAxes(p, f);
    drawCurves(p, f);
    drawMarks(p, fm, f);
}

// A unit direction on the screen: y grows downwards.
using Dir = Point;
Dir screen(double degrees)
{
    const double r = degrees * std::numbers::pi / 180;
    return {qreal(std::cos(r)), qreal(-std::sin(r))};
}

void arrowLine(QPainter& p, QPointF from, QPointF to, const QPen& pen)
{
    const QLineF l(from, to);
    const qreal len = l.length();
    if (len < 0.5)
        return;
    const qreal head = std::min<qreal>(9, len * 0.6);
    const QPointF u = (to - from) / len;
    const QPointF n(-u.y(), u.x());
    p.setPen(pen);
    p.drawLine(from, to - u * head * 0.6);
    QPolygonF tip;
    tip << to << to - u * head + n * head * 0.4 << to - u * head - n * head * 0.4;
    p.setPen(Qt::NoPen);
    p.setBrush(pen.color());
    p.drawPolygon(tip);
    p.setBrush(Qt::NoBrush);
}

QColor colourOf(Arrow::Kind kind)
{
    switch (kind) {
    case Arrow::Kind::Force: return kForce;
    case Arrow::Kind::Component: return kComponent;
    case Arrow::Kind::Acceleration:
    case Arrow::Kind::Velocity: return kMotion;
    }
    return kForce;
}

bool accelerates(const Body& b)
{
    return std::any_of(b.arrows.begin(), b.arrows.end(),
                       [](const Arrow& a) { return a.kind == Arrow::Kind::Acceleration; });
}

// A body's cell less its heading: its name, and its acceleration if it has one.
QRectF field(const Body& b, const QRectF& cell, qreal line)
{
    return cell.adjusted(0, line * (accelerates(b) ? 2.4 : 1.2), 0, 0);
}

qreal blockSize(const Body& b, const QRectF& field)
{
    return b.knot ? 8 : std::clamp(std::min(field.width(), field.height()) * 0.14, 14.0, 30.0);
}

// From the centre to the block's edge the arrow's way: forces start there,
// so that the smallest stays in sight.
qreal toEdge(const Body& b, qreal size, double direction)
{
    if (b.knot)
        return 4;
    const double r = (direction - b.tilt) * std::numbers::pi / 180;
    return size / 2 / std::max(std::fabs(std::cos(r)), std::fabs(std::sin(r)));
}

// The longest arrow (the largest force) that leaves every force and its label
// inside its body's cell: one scale for the whole figure.
qreal longestArrow(const std::vector<Body>& bodies, const std::vector<QRectF>& cells, const QFontMetricsF& fm)
{
    const qreal line = fm.height();
    qreal longest = 1e9;
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        const Body& b = bodies[i];
        const QRectF f = field(b, cells[i], line);
        const qreal size = blockSize(b, f);
        const qreal halfW = f.width() / 2 - kGap, halfH = f.height() / 2 - kGap;
        longest = std::min({longest, halfW, halfH});
        for (const Arrow& a : b.arrows) {
            if (a.kind == Arrow::Kind::Acceleration || a.length <= 0)
                continue;
            const Dir d = screen(a.direction);
            const qreal w = fm.horizontalAdvance(text(a.label)) + 6;
            const qreal edge = toEdge(b, size, a.direction);
            const qreal x = std::fabs(d.x) * a.length, y = std::fabs(d.y) * a.length;
            const qreal roomX = halfW - std::fabs(d.x) * edge, roomY = halfH - std::fabs(d.y) * edge;
            switch (beside_of(d)) {
            case Beside::Level: // a label that does not fit beyond goes over the arrow
                longest = std::min(longest, (roomX - 2) / x);
                break;
            case Beside::Upright: longest = std::min(longest, (roomY - line - 4) / y); break;
            case Beside::Slant: longest = std::min({longest, (roomX - w - 4) / x, (roomY - line - 4) / y}); break;
            }
        }
    }
    return std::max<qreal>(longest, 12);
}

// The grid that gives the arrows the most room.
std::vector<QRectF> bodyCells(const QRectF& box, const std::vector<Body>& bodies, const QFontMetricsF& fm,
                              qreal& longest)
{
    std::vector<QRectF> best;
    longest = 0;
    const std::size_t n = bodies.size();
    for (std::size_t columns = 1; columns <= n; ++columns) {
        const std::size_t rows = (n + columns - 1) / columns;
        if (columns > 1 && (columns - 1) * rows >= n)
            continue; // a column left empty
        const qreal w = box.width() / qreal(columns), h = box.height() / qreal(rows);
        std::vector<QRectF> cells;
        for (std::size_t i = 0; i < n; ++i)
            cells.emplace_back(box.left() + qreal(i % columns) * w, box.top() + qreal(i / columns) * h, w, h);
        // Every heading whole, where a grid allows it.
        const bool headed = std::all_of(bodies.begin(), bodies.end(), [&](const Body& b) {
            return std::all_of(b.arrows.begin(), b.arrows.end(), [&](const Arrow& a) {
                return a.kind != Arrow::Kind::Acceleration || fm.horizontalAdvance(text(a.label)) + 30 <= w;
            });
        });
        const qreal l = longestArrow(bodies, cells, fm) * (headed ? 1 : 0.5);
        if (l > longest * 1.05) {
            longest = l;
            best = std::move(cells);
        }
    }
    return best;
}

void drawSupport(QPainter& p, const Body& b, QPointF centre, qreal size)
{
    p.setPen(QPen(kInk, 1.5));
    if (b.support == Body::Support::Plane) {
        const Dir up = screen(b.tilt + 90), along = screen(b.tilt);
        const QPointF alongV(along.x, along.y), upV(up.x, up.y);
        const QPointF foot = centre - upV * (size / 2);
        // Just under the block: forces along the plane start beside it.
        p.drawLine(foot - alongV * size, foot + alongV * size);
        for (int k = -2; k <= 2; ++k) {
            const QPointF at = foot + alongV * (qreal(k) * size * 0.45);
            p.drawLine(at, at - upV * 5 - alongV * 4);
        }
    } else if (b.support == Body::Support::Wall) {
        const qreal x = centre.x() + size / 2;
        p.drawLine(QPointF(x, centre.y() - size * 1.6), QPointF(x, centre.y() + size * 1.6));
        for (int k = -3; k <= 3; ++k)
            p.drawLine(QPointF(x, centre.y() + qreal(k) * size * 0.5),
                       QPointF(x + 5, centre.y() + qreal(k) * size * 0.5 - 4));
    }
}

void drawBody(QPainter& p, const Body& b, const QRectF& cell, qreal longest)
{
    const QFontMetricsF fm(p.font());
    const qreal line = fm.height();
    heading(p, QRectF(cell.left() + 2, cell.top(), cell.width() - 4, line), b.name, Qt::AlignLeft);

    // Its acceleration under its name: a short arrow its way and its value.
    for (const Arrow& a : b.arrows) {
        if (a.kind != Arrow::Kind::Acceleration)
            continue;
        const qreal box = std::min<qreal>(line * 1.2, 18);
        const QPointF mid(cell.left() + 4 + box / 2, cell.top() + line * 1.8);
        const Dir d = screen(a.direction);
        const QPointF half = QPointF(d.x, d.y) * (box / 2);
        arrowLine(p, mid - half, mid + half, QPen(kMotion, 2.2));
        p.setPen(kMotion.darker(115));
        p.drawText(QRectF(mid.x() + box / 2 + 4, mid.y() - line / 2, cell.width() - box - 10, line),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(text(a.label), Qt::ElideRight, cell.width() - box - 10));
    }

    const QRectF f = field(b, cell, line);
    const QPointF centre = f.center();
    const qreal size = blockSize(b, f);
    drawSupport(p, b, centre, size);
    if (b.knot) {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(centre, 4, 4);
    } else {
        p.save();
        p.translate(centre);
        p.rotate(-b.tilt);
        p.setPen(QPen(kBlockEdge, 1.5));
        p.setBrush(kBlock);
        p.drawRoundedRect(QRectF(-size / 2, -size / 2, size, size), 2, 2);
        p.restore();
    }
    p.setBrush(Qt::NoBrush);

    // The forces from the body's centre, those of one direction side by side.
    std::vector<Box> taken{{centre.x() - size / 2, centre.y() - size / 2, size, size}};
    for (const Arrow& a : b.arrows) {
        if (a.kind == Arrow::Kind::Acceleration)
            continue;
        const Dir d = screen(a.direction);
        const QPointF across(-d.y, d.x);
        const qreal side = a.lane == 0 ? 0 : (a.lane % 2 ? 1 : -1) * qreal((a.lane + 1) / 2) * 7;
        const QPointF from = centre + across * side + QPointF(d.x, d.y) * toEdge(b, size, a.direction);
        const QPointF to = from + QPointF(d.x, d.y) * (qreal(a.length) * longest);
        QPen pen(colourOf(a.kind), 2.2);
        if (a.kind == Arrow::Kind::Component)
            pen.setStyle(Qt::DashLine);
        pen.setCapStyle(Qt::FlatCap);
        arrowLine(p, from, to, pen);

        const QStringList lines = fitted(fm, text(a.label), cell.width() - 4);
        const QSizeF s = sizeOf(fm, lines);
        const Box r = place(force_label_places({to.x(), to.y()}, d, {s.width(), s.height()}, line),
                            toBox(f.adjusted(1, 0, -1, -1)), taken);
        taken.push_back(r);
        label(p, toRect(r), lines, pen.color().darker(115));
    }
}

void drawBodies(QPainter& p, const QRectF& box, const std::vector<Body>& bodies)
{
    qreal longest = 0;
    const std::vector<QRectF> cells = bodyCells(box, bodies, QFontMetricsF(p.font()), longest);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        p.save();
        p.setClipRect(cells[i], Qt::IntersectClip);
        drawBody(p, bodies[i], cells[i], longest);
        p.restore();
    }
}

const QColor kPlane(0xe4, 0xec, 0xf7);
// A sketch's blocks as the windows' pictures draw them, their names in white.
const QColor kSketchBlock(0x30, 0x5c, 0xd6);
const QColor kRope(0x6d, 0x4c, 0x41);
const QColor kBall(0xef, 0x8f, 0x2c);

QPointF toPoint(Point p) { return {p.x, p.y}; }

QPolygonF polygonOf(const SketchFrame& f, const std::vector<Spot>& spots)
{
    QPolygonF poly;
    for (const Spot& s : spots)
        poly << toPoint(f.screen(s));
    return poly;
}

// A floor or a wall: its line, hatched on its right-hand side.
void drawGround(QPainter& p, const QPolygonF& line)
{
    p.setPen(QPen(kInk, 1.5));
    p.drawPolyline(line);
    p.setPen(QPen(kInk, 1));
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        const QLineF edge(line[i], line[i + 1]);
        const qreal len = edge.length();
        if (len < 1)
            continue;
        const QPointF u = (line[i + 1] - line[i]) / len;
        const QPointF right(-u.y(), u.x()); // on the screen, y down
        for (qreal t = 4; t < len; t += 8) {
            const QPointF at = line[i] + u * t;
            p.drawLine(at, at + right * 5 - u * 4);
        }
    }
}

void drawStroke(QPainter& p, const SketchFrame& f, const Stroke& s)
{
    const QPolygonF poly = polygonOf(f, s.points);
    if (poly.isEmpty())
        return;
    p.setBrush(Qt::NoBrush);
    switch (s.kind) {
    case Stroke::Kind::Ground: drawGround(p, poly); break;
    case Stroke::Kind::Solid:
        p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(kPlane);
        p.drawPolygon(poly);
        break;
    case Stroke::Kind::Block:
        p.setPen(QPen(kBlockEdge, 1.5));
        p.setBrush(kSketchBlock);
        p.drawPolygon(poly);
        break;
    case Stroke::Kind::Line:
        p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(poly);
        break;
    case Stroke::Kind::Rope: p.setPen(QPen(kRope, 1.5)); p.drawPolyline(poly); break;
    case Stroke::Kind::Guide:
        p.setPen(QPen(kGuide, 1.2, Qt::DashLine));
        p.drawPolyline(poly);
        break;
    case Stroke::Kind::Pulley:
        p.setPen(QPen(kBlockEdge, 1.5));
        p.setBrush(kSketchBlock.lighter(150));
        p.drawEllipse(poly.front(), s.radius, s.radius);
        p.setBrush(kBlockEdge);
        p.drawEllipse(poly.front(), 1.5, 1.5);
        break;
    case Stroke::Kind::Ball:
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(kBall);
        p.drawEllipse(poly.front(), s.radius, s.radius);
        break;
    case Stroke::Kind::Ring: p.setPen(QPen(kInk, 1.5)); p.drawEllipse(poly.front(), s.radius, s.radius); break;
    }
    p.setBrush(Qt::NoBrush);
}

// A dimension: its line with an arrowhead at each end, and the lines out to
// what it measures.
void drawDimension(QPainter& p, const SketchFrame& f, const Dimension& d)
{
    const DimensionLine line = dimension_line(d);
    const QPointF a = toPoint(f.screen(line.a)), b = toPoint(f.screen(line.b));
    p.setPen(QPen(kGuide, 0.8));
    p.drawLine(toPoint(f.screen(d.a)), a);
    p.drawLine(toPoint(f.screen(d.b)), b);
    const QLineF l(a, b);
    if (l.length() < 1)
        return;
    const QPen pen(kInk, 1);
    const QPointF mid = (a + b) / 2;
    arrowLine(p, mid, a, pen);
    arrowLine(p, mid, b, pen);
}

// A sketch's texts as drawn, each cut to the width, and their sizes.
struct SketchTexts {
    std::vector<QStringList> lines;
    std::vector<Extent> sizes;
};

SketchTexts measured(const Sketch& s, const QFont& font, qreal width)
{
    const QFontMetricsF fm(font);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF boldFm(bold);
    SketchTexts r;
    const std::vector<std::string> texts = s.texts();
    const std::size_t blockNames = s.pointers.size() + s.angles.size() + s.dimensions.size() + s.captions.size();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QFontMetricsF& m = i >= blockNames ? boldFm : fm;
        r.lines.push_back(texts[i].empty() ? QStringList() : fitted(m, text(texts[i]), width - 4));
        const QSizeF size = r.lines.back().isEmpty() ? QSizeF() : sizeOf(m, r.lines.back());
        r.sizes.push_back({size.width(), size.height()});
    }
    return r;
}

void drawSketch(QPainter& p, const QRectF& area, const Sketch& s)
{
    const SketchTexts t = measured(s, p.font(), area.width());
    const std::vector<QStringList>& lines = t.lines;
    const std::vector<Extent>& sizes = t.sizes;
    const SketchFrame f = lay_out_sketch(s, sizes, toBox(area));
    for (const Stroke& st : s.strokes)
        drawStroke(p, f, st);
    for (const Dimension& d : s.dimensions)
        drawDimension(p, f, d);
    p.setPen(QPen(kInk, 1));
    for (const AngleMark& a : s.angles) {
        const QPointF v = toPoint(f.screen(a.vertex));
        const QRectF r(v.x() - a.radius, v.y() - a.radius, 2 * a.radius, 2 * a.radius);
        p.drawArc(r, qRound(a.from * 16), qRound((a.to - a.from) * 16));
    }
    for (const Pointer& pt : s.pointers) {
        const PointerEnds ends = pointer_ends(pt, s.longest);
        QPen pen(colourOf(pt.arrow.kind), 2.2);
        pen.setCapStyle(Qt::FlatCap);
        arrowLine(p, toPoint(f.screen(ends.tail)), toPoint(f.screen(ends.head)), pen);
    }
    // The texts last, each on its white ground: the names inside the blocks
    // on the blocks' own colour.
    std::size_t blockNames = s.pointers.size() + s.angles.size() + s.dimensions.size() + s.captions.size();
    for (std::size_t i = 0; i < lines.size() && i < f.texts.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        const QColor colour = i < s.pointers.size() ? colourOf(s.pointers[i].arrow.kind).darker(115) : kInk;
        if (i >= blockNames) {
            QFont bold = p.font();
            bold.setBold(true);
            p.save();
            p.setFont(bold);
            p.setPen(Qt::white);
            p.drawText(toRect(f.texts[i]), Qt::AlignCenter, lines[i].join(QLatin1Char('\n')));
            p.restore();
        } else {
            label(p, toRect(f.texts[i]), lines[i], colour);
        }
    }
}

} // namespace

void paintFigure(QPainter& p, const QRectF& box, const Figure& figure)
{
    p.save();
    p.setClipRect(box, Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFontMetricsF fm(p.font());
    QRectF area = box.adjusted(kGap, kGap, -kGap, -kGap);
    if (!figure.note.empty()) {
        QFont italic = p.font();
        italic.setItalic(true);
        p.setFont(italic);
        const QRectF note(area.left(), area.bottom() - fm.height(), area.width(), fm.height());
        p.setPen(kInk);
        p.drawText(note, Qt::AlignCenter,
                   QFontMetricsF(italic).elidedText(text(figure.note), Qt::ElideRight, note.width()));
        italic.setItalic(false);
        p.setFont(italic);
        area.setBottom(note.top() - kGap);
    }
    if (area.width() > 40 && area.height() > 40) {
        if (!figure.plots.empty()) {
            const std::vector<QRectF> cells = grid(area, figure.plots.size(), 1.6);
            for (std::size_t i = 0; i < cells.size(); ++i)
                drawPlot(p, cells[i].adjusted(kGap, kGap, -kGap, -kGap), figure.plots[i]);
        } else if (!figure.bodies.empty()) {
            drawBodies(p, area, figure.bodies);
        } else if (!figure.sketch.empty()) {
            drawSketch(p, area, figure.sketch);
        }
    }
    p.restore();
}

QSizeF figureSize(const Figure& figure, const QFont& font, const QSizeF& most)
{
    if (figure.sketch.empty() || !figure.plots.empty() || !figure.bodies.empty() || !figure.note.empty())
        return most;
    const QSizeF inner = most - QSizeF(2 * kGap, 2 * kGap);
    const SketchTexts t = measured(figure.sketch, font, inner.width());
    // Room for its texts, however small the drawing.
    const Extent least{std::min(inner.width(), 150.0), std::min(inner.height(), 90.0)};
    const Extent e = sketch_size(figure.sketch, t.sizes, {inner.width(), inner.height()}, least);
    return {e.w + 2 * kGap, e.h + 2 * kGap};
}

FigureView::FigureView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Figura"));
    setAccessibleName(QStringLiteral("Figura"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    QFont f = font();
    f.setPointSize(9);
    setFont(f);
    hide();
}

void FigureView::setFigure(const Figure* figure)
{
    figure_ = figure ? *figure : Figure{};
    setAccessibleDescription(QString::fromStdString(figure_.description));
    setVisible(!figure_.empty());
    update();
}

QSize FigureView::sizeHint() const { return {440, 330}; }

QSize FigureView::minimumSizeHint() const { return {200, 180}; }

void FigureView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    paintFigure(p, QRectF(rect()), figure_);
}

} // namespace tavek
