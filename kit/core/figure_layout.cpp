#include "kit/core/figure_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavek {

namespace {

// A box's extent along one axis, from its lesser edge to its greater: a box
// of negative width or height reaches back from its corner.
struct Span {
    double lo;
    double hi;
};

Span spanOf(double at, double size) { return size < 0 ? Span{at + size, at} : Span{at, at + size}; }

bool overlaps(const Box& box, const std::vector<Box>& taken)
{
    return std::any_of(taken.begin(), taken.end(), [&box](const Box& t) { return t.intersects(box); });
}

} // namespace

bool Box::contains(const Box& b) const
{
    const Span x1 = spanOf(x, w), x2 = spanOf(b.x, b.w);
    if (x1.lo == x1.hi || x2.lo == x2.hi || x2.lo < x1.lo || x2.hi > x1.hi)
        return false;
    const Span y1 = spanOf(y, h), y2 = spanOf(b.y, b.h);
    return y1.lo != y1.hi && y2.lo != y2.hi && y2.lo >= y1.lo && y2.hi <= y1.hi;
}

bool Box::intersects(const Box& b) const
{
    const Span x1 = spanOf(x, w), x2 = spanOf(b.x, b.w);
    if (x1.lo == x1.hi || x2.lo == x2.hi || x1.lo >= x2.hi || x2.lo >= x1.hi)
        return false;
    const Span y1 = spanOf(y, h), y2 = spanOf(b.y, b.h);
    return y1.lo != y1.hi && y2.lo != y2.hi && y1.lo < y2.hi && y2.lo < y1.hi;
}

Box inside(Box box, const Box& room)
{
    box.x = std::clamp(box.x, room.x, std::max(room.x, room.right() - box.w));
    box.y = std::clamp(box.y, room.y, std::max(room.y, room.bottom() - box.h));
    return box;
}

Box place(const std::vector<Box>& candidates, const Box& room, const std::vector<Box>& taken)
{
    for (const Box& c : candidates)
        if (room.contains(c) && !overlaps(c, taken))
            return c;
    for (const Box& c : candidates) {
        const Box moved = inside(c, room);
        if (!overlaps(moved, taken))
            return moved;
    }
    return inside(candidates.front(), room);
}

std::vector<Box> mark_labels(const std::vector<MarkLabel>& marks, const Box& area, const Box& room)
{
    // Every mark's dot first: no label covers a mark drawn after it.
    std::vector<Box> taken;
    for (const MarkLabel& m : marks)
        taken.push_back({m.at.x - 4, m.at.y - 4, 8, 8});
    std::vector<Box> labels;
    for (const MarkLabel& m : marks) {
        const double x = m.at.x, y = m.at.y, w = m.size.w, h = m.size.h;
        const double d = 7;
        std::vector<Box> candidates = {
            {x + d, y - d - h, w, h},     {x - d - w, y - d - h, w, h}, {x + d, y + d, w, h},
            {x - d - w, y + d, w, h},     {x - w / 2, y - d - h, w, h}, {x - w / 2, y + d, w, h},
            {x + d, y - h / 2, w, h},     {x - d - w, y - h / 2, w, h},
        };
        // The four corners again, farther up or down, for labels stacked.
        for (int k = 1; k <= 5; ++k)
            for (int i = 0; i < 4; ++i)
                candidates.push_back(candidates[std::size_t(i)].translated(0, (i < 2 ? -1 : 1) * double(k) * (h + 2)));
        // Over the plotting area if it can be, clear of the tick labels.
        const bool inArea = std::any_of(candidates.begin(), candidates.end(),
                                        [&](const Box& c) { return area.contains(c) && !overlaps(c, taken); });
        const Box r = place(candidates, inArea ? area : room, taken);
        taken.push_back(r);
        labels.push_back(r);
    }
    return labels;
}

std::vector<TickLabel> x_tick_labels(const std::vector<double>& xs, const std::vector<double>& widths, double top,
                                     double line, const Box& room)
{
    std::vector<TickLabel> labels;
    double freeFrom = room.x;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const double w = widths[i];
        const Box r = inside({xs[i] - w / 2, top, w, line}, room);
        if (r.x < freeFrom)
            continue;
        labels.push_back({i, r});
        freeFrom = r.right() + 4;
    }
    return labels;
}

std::vector<TickLabel> y_tick_labels(const std::vector<double>& ys, double line, const Box& column)
{
    std::vector<TickLabel> labels;
    double freeAbove = column.bottom();
    for (std::size_t i = 0; i < ys.size(); ++i) {
        const Box r{column.x, ys[i] - line / 2, column.w, line};
        if (r.bottom() > freeAbove)
            continue;
        labels.push_back({i, r});
        freeAbove = r.y;
    }
    return labels;
}

Beside beside_of(Point d)
{
    return std::fabs(d.x) >= 0.8 ? Beside::Level : std::fabs(d.y) >= 0.8 ? Beside::Upright : Beside::Slant;
}

std::vector<Box> force_label_places(Point tip, Point d, Extent size, double line)
{
    const double w = size.w, h = size.h;
    std::vector<Box> places;
    switch (beside_of(d)) {
    case Beside::Level: {
        const Box beyond{d.x > 0 ? tip.x + 4 : tip.x - w - 4, tip.y - h / 2, w, h};
        places.push_back(beyond);
        for (int k = 1; k <= 2; ++k) {
            places.push_back(beyond.translated(0, -double(k) * line));
            places.push_back(beyond.translated(0, double(k) * line));
        }
        // Over the arrow's end, on the side its shaft leaves free.
        const double over = d.x > 0 ? tip.x - w : tip.x;
        for (int k = 0; k < 3; ++k) {
            if (d.y < 0.05)
                places.push_back({over, tip.y - h - 2 - double(k) * line, w, h});
            if (d.y > -0.05)
                places.push_back({over, tip.y + 2 + double(k) * line, w, h});
        }
        break;
    }
    case Beside::Upright: {
        const double top = d.y > 0 ? tip.y + 2 : tip.y - h - 2;
        const double level = d.y > 0 ? tip.y - h : tip.y;
        places.push_back({tip.x - w / 2, top, w, h});
        places.push_back({tip.x + 6, level, w, h});
        places.push_back({tip.x - w - 6, level, w, h});
        break;
    }
    case Beside::Slant: {
        const Point at{tip.x + d.x * 3, tip.y + d.y * 3};
        const Box first{d.x > 0 ? at.x : at.x - w, d.y > 0 ? at.y : at.y - h, w, h};
        places.push_back(first);
        const Point across{-d.y * line, d.x * line};
        for (int k = 1; k <= 3; ++k) {
            places.push_back(first.translated(across.x * double(k), across.y * double(k)));
            places.push_back(first.translated(-across.x * double(k), -across.y * double(k)));
        }
        break;
    }
    }
    return places;
}

namespace {

constexpr double kTextGap = 3; // pixels between a text and what it names
constexpr double kInk = 2;     // pixels a line or an outline reaches beyond its points

// Something drawn, as the sketch's point it hangs on and its pixels around
// the scaled point, y up.
struct Piece {
    Point at;
    double left, right, below, above;
};

Piece around(const Spot& s, double pad)
{
    return {s.at, s.px.x - pad, s.px.x + pad, s.px.y - pad, s.px.y + pad};
}

// A text of size `e` on the side `toward` (y up) of `s`: its centre in pixels.
Spot beside(const Spot& s, Point toward, Extent e, double gap)
{
    if (toward.x == 0 && toward.y == 0)
        return s;
    const double reach = gap + std::fabs(toward.x) * e.w / 2 + std::fabs(toward.y) * e.h / 2;
    return shifted(s, toward.x * reach, toward.y * reach);
}

Spot midway(const Spot& a, const Spot& b)
{
    return {{(a.at.x + b.at.x) / 2, (a.at.y + b.at.y) / 2}, {(a.px.x + b.px.x) / 2, (a.px.y + b.px.y) / 2}};
}

// Everything the sketch draws, then the centres of its texts in their order.
struct Pieces {
    std::vector<Piece> drawn;
    std::vector<Spot> centres;
};

Pieces piecesOf(const Sketch& sketch, const std::vector<Extent>& texts)
{
    Pieces r;
    std::size_t next = 0;
    const auto text = [&](const Spot& centre) {
        const Extent e = next < texts.size() ? texts[next] : Extent{};
        ++next;
        r.centres.push_back(centre);
        r.drawn.push_back({centre.at, centre.px.x - e.w / 2, centre.px.x + e.w / 2, centre.px.y - e.h / 2,
                           centre.px.y + e.h / 2});
    };
    const auto size = [&] { return next < texts.size() ? texts[next] : Extent{}; };
    for (const Pointer& p : sketch.pointers) {
        const PointerEnds ends = pointer_ends(p, sketch.longest);
        r.drawn.push_back(around(ends.tail, kInk));
        r.drawn.push_back(around(ends.head, kInk + 3));
        const Point d = unit_vector(p.arrow.direction);
        if (p.aside)
            text(beside(shifted(ends.head, -d.x * 6, -d.y * 6), {-d.y, d.x}, size(), kTextGap + 2));
        else
            text(p.pushes ? beside(ends.tail, {-d.x, -d.y}, size(), kTextGap)
                          : beside(ends.head, d, size(), kTextGap));
    }
    for (const AngleMark& a : sketch.angles) {
        for (int k = 0; k <= 8; ++k) {
            const Point d = unit_vector(a.from + (a.to - a.from) * k / 8);
            r.drawn.push_back(around(shifted(a.vertex, d.x * a.radius, d.y * a.radius), kInk));
        }
        if (a.outside) {
            const Point end = unit_vector(a.to), out = unit_vector(a.to + 90);
            text(beside(shifted(a.vertex, end.x * a.radius, end.y * a.radius), out, size(), kTextGap));
            continue;
        }
        const Point d = unit_vector((a.from + a.to) / 2);
        Spot centre = beside(shifted(a.vertex, d.x * a.radius, d.y * a.radius), d, size(), kTextGap);
        // A narrow angle over the level: its text above the level, not on it.
        if (a.from == 0 && a.to > 0)
            centre.px.y = std::max(centre.px.y, a.vertex.px.y + size().h / 2 + kTextGap);
        text(centre);
    }
    for (const Dimension& dim : sketch.dimensions) {
        const DimensionLine line = dimension_line(dim);
        for (const Spot& s : {dim.a, dim.b, line.a, line.b})
            r.drawn.push_back(around(s, kInk + 2));
        text(beside(midway(line.a, line.b), line.normal, size(), kTextGap));
    }
    for (const Caption& c : sketch.captions)
        text(beside(c.at, c.toward, size(), kTextGap));
    for (const Stroke& s : sketch.strokes) {
        const bool round = s.kind == Stroke::Kind::Pulley || s.kind == Stroke::Kind::Ball ||
                           s.kind == Stroke::Kind::Ring;
        const double pad = round ? s.radius + kInk : s.kind == Stroke::Kind::Ground ? kInk + 6 : kInk;
        for (const Spot& p : s.points)
            r.drawn.push_back(around(p, pad));
        if (s.kind == Stroke::Kind::Block && !s.points.empty()) {
            Spot c{};
            for (const Spot& p : s.points) {
                c.at = {c.at.x + p.at.x, c.at.y + p.at.y};
                c.px = {c.px.x + p.px.x, c.px.y + p.px.y};
            }
            const double n = static_cast<double>(s.points.size());
            text({{c.at.x / n, c.at.y / n}, {c.px.x / n, c.px.y / n}});
        }
    }
    return r;
}

// The largest scale at which every piece spans no more than `room` pixels
// along one axis (x, or y when `up`).
double fitted(const std::vector<Piece>& pieces, double room, bool up)
{
    double best = std::numeric_limits<double>::infinity();
    for (const Piece& i : pieces)
        for (const Piece& j : pieces) {
            const double du = up ? j.at.y - i.at.y : j.at.x - i.at.x;
            if (du > 1e-12) {
                const double low = up ? i.below : i.left, high = up ? j.above : j.right;
                best = std::min(best, (room + low - high) / du);
            }
        }
    return best;
}

// Where the sketch's 0 goes along an axis so that its pieces, at `scale`,
// stand in the middle of lo .. hi (pixels in the axis's own sense).
double centred(const std::vector<Piece>& pieces, double scale, double lo, double hi, bool up)
{
    double from = -std::numeric_limits<double>::infinity(), to = std::numeric_limits<double>::infinity();
    for (const Piece& p : pieces) {
        const double at = scale * (up ? p.at.y : p.at.x);
        from = std::max(from, lo - at - (up ? p.below : p.left));
        to = std::min(to, hi - at - (up ? p.above : p.right));
    }
    if (pieces.empty())
        return (lo + hi) / 2;
    return from <= to ? (from + to) / 2 : from;
}

double scaleFor(const std::vector<Piece>& pieces, Extent room)
{
    const double s = std::min(fitted(pieces, room.w, false), fitted(pieces, room.h, true));
    if (!std::isfinite(s))
        return 1; // nothing of any length: pixels alone
    return std::max(s, 1e-9);
}

} // namespace

PointerEnds pointer_ends(const Pointer& pointer, double longest)
{
    const Point d = unit_vector(pointer.arrow.direction);
    const double l = pointer.arrow.length * longest;
    if (pointer.pushes)
        return {shifted(pointer.at, -d.x * l, -d.y * l), pointer.at};
    return {pointer.at, shifted(pointer.at, d.x * l, d.y * l)};
}

DimensionLine dimension_line(const Dimension& dimension)
{
    Point d{dimension.b.at.x - dimension.a.at.x, dimension.b.at.y - dimension.a.at.y};
    if (std::hypot(d.x, d.y) < 1e-12)
        d = {dimension.b.px.x - dimension.a.px.x, dimension.b.px.y - dimension.a.px.y};
    const double len = std::hypot(d.x, d.y);
    Point n = len > 0 ? Point{-d.y / len, d.x / len} : Point{0, 1};
    const double side = dimension.side;
    const DimensionLine line{shifted(dimension.a, n.x * side, n.y * side), shifted(dimension.b, n.x * side, n.y * side),
                             side < 0 ? Point{-n.x, -n.y} : n};
    return line;
}

SketchFrame lay_out_sketch(const Sketch& sketch, const std::vector<Extent>& texts, const Box& box)
{
    const Pieces pieces = piecesOf(sketch, texts);
    SketchFrame f;
    f.scale = scaleFor(pieces.drawn, {box.w, box.h});
    f.origin.x = centred(pieces.drawn, f.scale, box.x, box.right(), false);
    // Upwards the sketch's y runs from the box's bottom (-bottom) to its top (-top).
    f.origin.y = -centred(pieces.drawn, f.scale, -box.bottom(), -box.y, true);
    for (std::size_t i = 0; i < pieces.centres.size(); ++i) {
        const Extent e = i < texts.size() ? texts[i] : Extent{};
        const Point c = f.screen(pieces.centres[i]);
        f.texts.push_back({c.x - e.w / 2, c.y - e.h / 2, e.w, e.h});
    }
    return f;
}

Extent sketch_size(const Sketch& sketch, const std::vector<Extent>& texts, Extent most, Extent least)
{
    const Pieces pieces = piecesOf(sketch, texts);
    const double s = scaleFor(pieces.drawn, most);
    double left = std::numeric_limits<double>::infinity(), right = -left, below = left, above = -left;
    for (const Piece& p : pieces.drawn) {
        left = std::min(left, s * p.at.x + p.left);
        right = std::max(right, s * p.at.x + p.right);
        below = std::min(below, s * p.at.y + p.below);
        above = std::max(above, s * p.at.y + p.above);
    }
    if (pieces.drawn.empty())
        return least;
    return {std::clamp(right - left, least.w, std::max(least.w, most.w)),
            std::clamp(above - below, least.h, std::max(least.h, most.h))};
}

} // namespace tavek
