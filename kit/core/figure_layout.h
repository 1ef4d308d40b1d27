#pragma once
// Where a figure's labels go: beside the marks of a plot, under the ticks of
// its axes and at the tips of the forces on a body, inside their room and
// clear of what is drawn already. Plain geometry in the painter's
// coordinates (pixels, y growing downwards), so that it is tested without a
// window; the painter measures the texts and draws them where this says.
#include <cstddef>
#include <vector>

#include "kit/core/figure.h"

namespace tavek {

// A rectangle by its top left corner and its size, read as the painter reads
// its own: one of no width or height holds and meets nothing, and two that
// only touch along an edge do not meet.
struct Box {
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;

    double right() const { return x + w; }
    double bottom() const { return y + h; }
    Box translated(double dx, double dy) const { return {x + dx, y + dy, w, h}; }
    bool contains(const Box& b) const;
    bool intersects(const Box& b) const;
    bool operator==(const Box&) const = default;
};

// A label's size.
struct Extent {
    double w = 0;
    double h = 0;
};

// Moved inside `room` as far as it fits: where it is larger, its left or top
// edge stays on the room's.
Box inside(Box box, const Box& room);

// The first of the candidate places inside `room` and clear of `taken`; else
// the first that is clear once moved inside; else the first, moved inside.
Box place(const std::vector<Box>& candidates, const Box& room, const std::vector<Box>& taken);

// A plot's mark, where it is drawn, and the size of its label.
struct MarkLabel {
    Point at;
    Extent size;
};

// The labels of a plot's marks, in order: each at a corner or a side of its
// mark, over the plotting area `area` where it fits there clear of the marks
// and of the labels before it, else in `room`. Labels of marks close together
// (a launch at rest: all at the origin) stack.
std::vector<Box> mark_labels(const std::vector<MarkLabel>& marks, const Box& area, const Box& room);

// A tick's label: which tick, and where its text goes.
struct TickLabel {
    std::size_t tick;
    Box box;
};

// The labels of the x axis's ticks at `xs`, each `widths` wide and `line`
// high, centred under its tick at `top`, kept inside `room`; a label that
// would run into the one before it is left out.
std::vector<TickLabel> x_tick_labels(const std::vector<double>& xs, const std::vector<double>& widths, double top,
                                     double line, const Box& room);
// The labels of the y axis's ticks at `ys` (upwards), each `line` high and
// centred on its tick in `column`, from the bottom up; one that would
// run into the one below it is left out.
std::vector<TickLabel> y_tick_labels(const std::vector<double>& ys, double line, const Box& column);

// How a force's label sits at its tip: beside a level arrow (or over its
// end), beyond an upright or slanting one. `d` is the arrow's unit direction
// on the screen.
enum class Beside { Level, Upright, Slant };
Beside beside_of(Point d);

// Where the label of a force whose arrow ends at `tip` may go, best first.
// `line` is the height of a line of text.
std::vector<Box> force_label_places(Point tip, Point d, Extent size, double line);

// A sketch's arrow, from tail to head, as drawn: `longest` pixels for the
// largest force.
struct PointerEnds {
    Spot tail;
    Spot head;
};
PointerEnds pointer_ends(const Pointer& pointer, double longest);

// A dimension's line, beside what it measures, and the unit normal (y up)
// from what it measures to it.
struct DimensionLine {
    Spot a;
    Spot b;
    Point normal;
};
DimensionLine dimension_line(const Dimension& dimension);

// A sketch laid out in a box: how many pixels one of its units is, where
// its (0, 0) falls and the box of each of its texts, in the order of
// Sketch::texts, each beside what it names.
struct SketchFrame {
    double scale = 1;
    Point origin = {};
    std::vector<Box> texts = {};
    Point screen(const Spot& s) const
    {
        return {origin.x + s.at.x * scale + s.px.x, origin.y - s.at.y * scale - s.px.y};
    }
};

// At the largest scale that keeps everything it draws and writes inside the
// box, centred in it; `texts` are the sizes of its texts.
SketchFrame lay_out_sketch(const Sketch& sketch, const std::vector<Extent>& texts, const Box& box);

// The size of the box that shows the sketch at its largest within `most`:
// no wider nor taller than what it draws needs there, nor less than `least`.
Extent sketch_size(const Sketch& sketch, const std::vector<Extent>& texts, Extent most, Extent least);

} // namespace tavek
