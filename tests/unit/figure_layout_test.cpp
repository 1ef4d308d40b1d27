// Where a figure's labels go: the painter draws them where these rules say,
// so a label that covers a mark, a neighbour or leaves its room is caught
// here, without a window.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kit/core/figure_layout.h"

using tavek::Box;
using tavek::Point;

namespace {

// Clear of every other box and of every taken one.
void expectApart(const std::vector<Box>& boxes, const std::vector<Box>& taken)
{
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(boxes[i].intersects(boxes[j])) << i << " meets " << j;
        for (const Box& t : taken)
            EXPECT_FALSE(boxes[i].intersects(t)) << i;
    }
}

TEST(FigureLayout, BoxesMeetAndHoldAsThePainterSays)
{
    const Box unit{0, 0, 10, 10};
    struct Row {
        Box other;
        bool held, met;
    } rows[] = {
        {{2, 2, 5, 5}, true, true},
        {{0, 0, 10, 10}, true, true},
        {{10, 0, 5, 5}, false, false}, // touching along an edge
        {{8, 8, 5, 5}, false, true},
        {{3, 3, 0, 4}, false, false},  // no width
        {{12, 12, -4, -4}, false, true}, // reaching back from its corner
    };
    for (const Row& r : rows) {
        EXPECT_EQ(unit.contains(r.other), r.held) << r.other.x << "," << r.other.y;
        EXPECT_EQ(unit.intersects(r.other), r.met) << r.other.x << "," << r.other.y;
        EXPECT_EQ(r.other.intersects(unit), r.met);
    }
}

TEST(FigureLayout, PlaceTakesTheFirstFreeCandidateThenMovesOneInside)
{
    const Box room{0, 0, 100, 50};
    const Box a{10, 10, 20, 10}, b{60, 10, 20, 10}, out{90, 45, 20, 10};
    struct Row {
        std::vector<Box> candidates;
        std::vector<Box> taken;
        Box expected;
    } rows[] = {
        {{a, b}, {}, a},
        {{a, b}, {{15, 15, 2, 2}}, b},
        {{out, a}, {}, a},                            // inside and clear beats first
        {{out}, {}, {80, 40, 20, 10}},                // moved inside
        {{out, a}, {{0, 0, 50, 50}}, {80, 40, 20, 10}}, // clear once moved
        {{a}, {{0, 0, 100, 50}}, a},                  // nowhere clear: the first
    };
    for (const Row& r : rows)
        EXPECT_EQ(tavek::place(r.candidates, room, r.taken), r.expected) << r.expected.x << "," << r.expected.y;
}

TEST(FigureLayout, MarkLabelsKeepOffTheMarksAndEachOther)
{
    const Box area{20, 20, 200, 100}, room{0, 10, 240, 130};
    const tavek::Extent size{40, 18};
    struct Row {
        std::vector<Point> marks;
        Box first; // where the first label goes
    } rows[] = {
        {{{100, 80}}, {107, 55, 40, 18}},            // up and right of its mark
        {{{215, 80}}, {168, 55, 40, 18}},            // up and left at the right edge
        {{{100, 25}}, {107, 32, 40, 18}},            // below at the top edge
        {{{30, 110}, {30, 110}, {30, 110}}, {37, 85, 40, 18}}, // one point: stacked
        {{{100, 80}, {160, 80}, {100, 110}}, {107, 55, 40, 18}},
    };
    for (const Row& r : rows) {
        std::vector<tavek::MarkLabel> marks;
        std::vector<Box> dots;
        for (Point p : r.marks) {
            marks.push_back({p, size});
            dots.push_back({p.x - 4, p.y - 4, 8, 8});
        }
        const std::vector<Box> labels = tavek::mark_labels(marks, area, room);
        ASSERT_EQ(labels.size(), marks.size());
        EXPECT_EQ(labels.front(), r.first) << labels.front().x << "," << labels.front().y;
        expectApart(labels, dots);
        for (const Box& l : labels)
            EXPECT_TRUE(area.contains(l));
    }
    // An area too small for the label: the label goes to the room.
    const std::vector<Box> small = tavek::mark_labels({{{50, 50}, size}}, {40, 40, 20, 20}, room);
    EXPECT_TRUE(room.contains(small.front()));
    EXPECT_FALSE(small.front().intersects({46, 46, 8, 8}));
}

TEST(FigureLayout, TickLabelsLeaveOutWhatRunsIntoTheOneBefore)
{
    const Box room{0, 0, 100, 200};
    const auto ticks = [](const std::vector<tavek::TickLabel>& ls) {
        std::vector<std::size_t> r;
        for (const auto& l : ls)
            r.push_back(l.tick);
        return r;
    };
    // Five labels 30 wide every 25: every other one; the first kept inside.
    const auto x = tavek::x_tick_labels({0, 25, 50, 75, 100}, {30, 30, 30, 30, 30}, 150, 12, room);
    EXPECT_EQ(ticks(x), (std::vector<std::size_t>{0, 2, 4}));
    EXPECT_EQ(x.front().box, (Box{0, 150, 30, 12}));
    EXPECT_EQ(x.back().box, (Box{70, 150, 30, 12}));
    // Upwards every 10, 12 high: every other one; one past the bottom is left out.
    const auto y = tavek::y_tick_labels({195, 180, 170, 160, 150}, 12, {0, 0, 20, 190});
    EXPECT_EQ(ticks(y), (std::vector<std::size_t>{1, 3}));
    EXPECT_EQ(y.front().box, (Box{0, 174, 20, 12}));
}

TEST(FigureLayout, ForceLabelsStartAtTheirArrowsTip)
{
    const Point tip{100, 100};
    const tavek::Extent size{30, 14};
    const double s = std::sqrt(0.5);
    struct Row {
        Point d;
        tavek::Beside beside;
        Box first;
    } rows[] = {
        {{1, 0}, tavek::Beside::Level, {104, 93, 30, 14}},   // beyond, level with it
        {{-1, 0}, tavek::Beside::Level, {66, 93, 30, 14}},
        {{0, -1}, tavek::Beside::Upright, {85, 84, 30, 14}}, // above an upward arrow
        {{0, 1}, tavek::Beside::Upright, {85, 102, 30, 14}},
        {{s, -s}, tavek::Beside::Slant, {100 + 3 * s, 100 - 3 * s - 14, 30, 14}},
        {{-s, s}, tavek::Beside::Slant, {100 - 3 * s - 30, 100 + 3 * s, 30, 14}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(tavek::beside_of(r.d), r.beside);
        const std::vector<Box> places = tavek::force_label_places(tip, r.d, size, 12);
        ASSERT_GT(places.size(), 2u);
        EXPECT_EQ(places.front(), r.first) << r.d.x << "," << r.d.y;
    }
}

} // namespace

namespace {

using tavek::Extent;
using tavek::Sketch;
using tavek::SketchFrame;
using tavek::Spot;
using tavek::Stroke;

// A slope from (0, 0) to (4, 3) with a text at its top.
Sketch slope()
{
    Sketch s;
    tavek::add_line(s, Stroke::Kind::Line, {{{0, 0}}, {{4, 3}}});
    s.captions.push_back({{{4, 3}}, "topo", {1, 0}});
    return s;
}

TEST(SketchLayout, FillsItsBoxOneWayAndStandsInTheMiddleTheOther)
{
    const std::vector<Extent> text{{30, 14}};
    for (const Box box : {Box{0, 0, 300, 100}, Box{20, 10, 100, 300}, Box{5, 5, 60, 40}}) {
        SCOPED_TRACE(testing::Message() << box.w << " × " << box.h);
        const Sketch s = slope();
        const SketchFrame f = lay_out_sketch(s, text, box);
        const Point foot = f.screen({{0, 0}}), top = f.screen({{4, 3}});
        // To scale: as many pixels a unit across as up.
        EXPECT_NEAR((top.x - foot.x) / 4, (foot.y - top.y) / 3, 1e-9);
        const Box& label = f.texts.at(0);
        EXPECT_DOUBLE_EQ(label.x, top.x + 3); // beside the top, on its right
        // What it draws from its left (the line's ink) to its right (the
        // text's end), from its top to its bottom.
        const double left = foot.x - 2, right = label.right(), up = std::min(top.y - 2, label.y),
                     down = foot.y + 2;
        EXPECT_GE(left, box.x - 1e-9);
        EXPECT_LE(right, box.right() + 1e-9);
        EXPECT_GE(up, box.y - 1e-9);
        EXPECT_LE(down, box.bottom() + 1e-9);
        const bool across = std::fabs(right - left - box.w) < 1e-6, upright = std::fabs(down - up - box.h) < 1e-6;
        EXPECT_TRUE(across || upright);
        if (across)
            EXPECT_NEAR(up - box.y, box.bottom() - down, 1e-6);
        else
            EXPECT_NEAR(left - box.x, box.right() - right, 1e-6);
    }
}

TEST(SketchLayout, ItsSizeIsWhatItNeedsWithinTheMost)
{
    const std::vector<Extent> text{{30, 14}};
    // Flat: the whole width, its own height; steep: the whole height, its own width.
    Sketch flat;
    tavek::add_line(flat, Stroke::Kind::Line, {{{0, 0}}, {{10, 1}}});
    const Extent f = tavek::sketch_size(flat, {}, {300, 200}, {100, 60});
    EXPECT_DOUBLE_EQ(f.w, 300);
    EXPECT_DOUBLE_EQ(f.h, 60); // no less than the least
    const Extent s = tavek::sketch_size(slope(), text, {300, 200}, {50, 50});
    EXPECT_DOUBLE_EQ(s.h, 200);
    EXPECT_LT(s.w, 300);
    // A sketch of pixels alone is its pixels' size.
    Sketch pixels;
    tavek::add_line(pixels, Stroke::Kind::Line, {{{}, {-20, 0}}, {{}, {20, 10}}});
    const Extent p = tavek::sketch_size(pixels, {}, {300, 200}, {10, 10});
    EXPECT_DOUBLE_EQ(p.w, 44);
    EXPECT_DOUBLE_EQ(p.h, 14);
}

TEST(SketchLayout, DimensionsStandBesideWhatTheyMeasureAndForcesPushOrPull)
{
    // A length measured from a to b stands at its left, its text beyond it.
    const tavek::Dimension d{{{0, 0}}, {{5, 0}}, -12, "5 m"};
    const tavek::DimensionLine l = tavek::dimension_line(d);
    EXPECT_DOUBLE_EQ(l.a.px.y, -12);
    EXPECT_DOUBLE_EQ(l.b.px.y, -12);
    EXPECT_DOUBLE_EQ(l.normal.y, -1);
    // A push ends where it is put, a pull starts there.
    tavek::Arrow a = tavek::named("F", 10, 0);
    a.length = 0.5;
    const tavek::PointerEnds push = tavek::pointer_ends({{{1, 1}}, a, true}, 40);
    const tavek::PointerEnds pull = tavek::pointer_ends({{{1, 1}}, a}, 40);
    EXPECT_DOUBLE_EQ(push.tail.px.x, -20);
    EXPECT_DOUBLE_EQ(push.head.px.x, 0);
    EXPECT_DOUBLE_EQ(pull.head.px.x, 20);
}

} // namespace
