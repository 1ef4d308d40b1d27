#include "kit/core/figure_layout.h"

#include <algorithm>
#include <cmath>

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

} // namespace tavek
