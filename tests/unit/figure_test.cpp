// The figures under the worked solutions: round axes that cover what they
// show, marks on their curves, arrows in proportion to their forces, and each
// figure through the numbers of its own answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "kit/core/figure.h"
#include "kit/core/last_press.h"
#include "kit/core/number.h"
#include "kit/core/random.h"
#include "outcome_testing.h"
#include "topics/force/force.h"
#include "topics/force/incline_friction.h"
#include "topics/force/inclined_plane.h"
#include "topics/force/figures.h"
#include "topics/force/tensions.h"
#include "topics/launches/launches.h"
#include "topics/power/power.h"
#include "topics/power/power_table.h"
#include "topics/rectilinear/rectilinear.h"

using tavek::Arrow;
using tavek::Axis;
using tavek::Curve;
using tavek::Figure;
using tavek::Outcome;
using tavek::Plot;
using tavek::Point;

namespace {

using namespace outcome_testing;

// The step between two ticks is 1, 2 or 5 times a power of ten, and every
// tick a whole number of steps.
bool round(const Axis& a)
{
    const std::size_t n = a.ticks.size();
    if (n < 2 || n > 12 || a.labels.size() != n || a.lo != a.ticks.front() || a.hi != a.ticks.back())
        return false;
    const double step = (a.ticks.back() - a.ticks.front()) / double(n - 1);
    const double decade = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double nominal = std::round(step / decade) * decade;
    if (std::fabs(step - nominal) > 1e-6 * nominal ||
        (nominal != decade && nominal != 2 * decade && nominal != 5 * decade))
        return false;
    return std::all_of(a.ticks.begin(), a.ticks.end(), [&](double t) {
        return std::fabs(t - std::round(t / nominal) * nominal) <= 1e-9 * std::max(std::fabs(t), nominal);
    });
}

TEST(FigureAxis, TicksAreRoundAndCoverTheData)
{
    struct Range {
        double lo, hi;
    };
    for (const Range r : {Range{0, 10},
                          {0, 0},
                          {5, 5},
                          {-3, 7},
                          {0, 1e300},
                          {0, DBL_MAX},
                          {-DBL_MAX, DBL_MAX},
                          {1e-320, 2e-320},
                          {0, 0.0012},
                          {1e6, 1e6 + 0.01},
                          {-2.5e-7, -1e-7},
                          {12, 12.0000000001}}) {
        SCOPED_TRACE(testing::Message() << r.lo << " .. " << r.hi);
        const Axis a = tavek::make_axis("x", "m", r.lo, r.hi);
        EXPECT_TRUE(round(a));
        EXPECT_GE(a.fraction(r.lo), -1e-9);
        EXPECT_LE(a.fraction(r.hi), 1 + 1e-9);
    }
}

TEST(FigureAxis, HugeAndTinyValuesGetAPowerOfTenInTheTitle)
{
    EXPECT_EQ(tavek::make_axis("x", "m", 0, 2e6).title(), "x (× 10⁶ m)");
    EXPECT_EQ(tavek::make_axis("t", "s", 0, 0.0012).title(), "t (× 10⁻³ s)");
    const Axis plain = tavek::make_axis("y", "m", 0, 20.4);
    EXPECT_EQ(plain.title(), "y (m)");
    EXPECT_EQ(plain.labels, (Texts{"0", "5", "10", "15", "20", "25"}));
    EXPECT_EQ(tavek::make_axis("y", "m", -1.5, 0.2).labels, (Texts{"-1.5", "-1.0", "-0.5", "0.0", "0.5"}));
}

// Distance from a point to a curve, in fractions of the plot's axes.
double apart(const Plot& p, const Curve& c, Point at)
{
    const auto f = [&](Point q) { return Point{p.x.fraction(q.x), p.y.fraction(q.y)}; };
    const Point m = f(at);
    double best = 1e300;
    for (std::size_t i = 0; i < c.points.size(); ++i) {
        const Point a = f(c.points[i]), b = f(c.points[std::min(i + 1, c.points.size() - 1)]);
        const double dx = b.x - a.x, dy = b.y - a.y, len = dx * dx + dy * dy;
        const double t = len > 0 ? std::clamp(((m.x - a.x) * dx + (m.y - a.y) * dy) / len, 0.0, 1.0) : 0;
        best = std::min(best, std::hypot(a.x + t * dx - m.x, a.y + t * dy - m.y));
    }
    return best;
}

// What holds for every figure: axes round and covering every point, marks
// on their curves, forces in proportion and none of zero.
void expectSound(const Figure& f)
{
    EXPECT_FALSE(f.empty());
    EXPECT_FALSE(f.description.empty());
    for (const Plot& p : f.plots) {
        SCOPED_TRACE(p.title);
        EXPECT_TRUE(round(p.x) && round(p.y));
        for (const Curve& c : p.curves)
            for (const Point& q : c.points) {
                EXPECT_NEAR(std::clamp(p.x.fraction(q.x), 0.0, 1.0), p.x.fraction(q.x), 1e-9);
                EXPECT_NEAR(std::clamp(p.y.fraction(q.y), 0.0, 1.0), p.y.fraction(q.y), 1e-9);
            }
        for (const tavek::Mark& m : p.marks)
            EXPECT_TRUE(m.curve < 0 || apart(p, p.curves.at(std::size_t(m.curve)), m.at) < 0.01) << m.label;
    }
    double perUnit = 0; // length per newton, one for the whole figure
    for (const tavek::Body& b : f.bodies)
        for (const Arrow& a : b.arrows) {
            EXPECT_GT(a.magnitude, 0) << a.label;
            if (a.kind == Arrow::Kind::Acceleration)
                continue;
            EXPECT_LE(a.length, 1.0);
            if (perUnit == 0)
                perUnit = a.length / a.magnitude;
            EXPECT_NEAR(a.length / a.magnitude / perUnit, 1.0, 1e-12) << a.label;
        }
}

struct Press {
    const char* name;
    std::function<Outcome(const tavek::Cells&)> calculator;
    tavek::Cells cells;
};

class EveryFigure : public testing::TestWithParam<Press> {};

TEST_P(EveryFigure, IsSound)
{
    const Outcome out = GetParam().calculator(GetParam().cells);
    ASSERT_FALSE(out.fault);
    ASSERT_TRUE(tavek::figure_of(&out));
    expectSound(out.figure);
}

Outcome launch(const tavek::Cells& cells)
{
    tavek::RandomDraw random;
    return outcome_testing::vertical_launch(cells, random);
}
Outcome drawn(double angle) { return outcome_testing::drawn_angle_speed(tavek::Real(angle)); }

// Ordinary numbers and the edges: a zero angle, a system at rest, huge and
// tiny values.
INSTANTIATE_TEST_SUITE_P(
    Presses, EveryFigure,
    testing::Values(
        Press{"average", pressing("form2.1"), fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"0", "100", "0", "10"})},
        Press{"average_backwards", pressing("form2.1"),
              fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"0", "10", "3", "1"})},
        Press{"average_huge", pressing("form2.1"),
              fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"0", "1e300", "0", "1"})},
        Press{"cubic", pressing("form2.2"), fill({"Edit7", "Edit8", "Edit9", "Edit10"}, {"1", "2", "3", "2"})},
        Press{"cubic_empty", pressing("form2.2"), {}},
        Press{"cubic_before_zero", pressing("form2.2"),
              fill({"Edit7", "Edit8", "Edit9", "Edit10"}, {"5", "-1", "2", "-3"})},
        Press{"vertical", launch, cellsOf({{"Edit13", "19.6"}})}, Press{"vertical_at_rest", launch, {}},
        Press{"vertical_tiny", launch, cellsOf({{"Edit13", "1e-300"}})},
        Press{"missile", pressing("form4.1"), cellsOf({{"Edit1", "200"}, {"Edit2", "500"}})},
        Press{"missile_huge", pressing("form4.1"), cellsOf({{"Edit1", "1e300"}, {"Edit2", "1"}})},
        Press{"basket", pressing("form4.2"), cellsOf({{"Edit3", "2"}})},
        Press{"basket_above", pressing("form4.2"), cellsOf({{"Edit3", "3"}})},
        Press{"drawn_26", [](const tavek::Cells&) { return drawn(26); }, {}},
        Press{"drawn_88", [](const tavek::Cells&) { return drawn(88); }, {}},
        Press{"kick", pressing("form5.4"), cellsOf({{"Edit1", "20"}, {"Edit2", "45"}})},
        Press{"kick_zero_angle", pressing("form5.4"), cellsOf({{"Edit1", "20"}, {"Edit2", "0"}})},
        Press{"kick_upright", pressing("form5.4"), cellsOf({{"Edit1", "10"}, {"Edit2", "90"}})},
        Press{"kick_huge", pressing("form5.4"), cellsOf({{"Edit1", "1e150"}, {"Edit2", "30"}})},
        Press{"ropes", pressing("form6.1"), cellsOf({{"Edit1", "10"}})},
        Press{"pulled", pressing("form6.2"), fill({"Edit2", "Edit3", "Edit4"}, {"10", "98", "20"})},
        Press{"pulled_tiny_f1", pressing("form6.2"), fill({"Edit2", "Edit3", "Edit4"}, {"1e-300", "98", "20"})},
        Press{"three", pressing("form7.3"), fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"98", "98", "98", "30"})},
        Press{"three_at_rest", pressing("form7.3"),
              fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"98", "98", "98", "0"})},
        Press{"hanging", pressing("form7.4"), fill({"Edit5", "Edit6", "Edit7", "Edit8"}, {"1", "1", "1", "1"})},
        Press{"hanging_huge", pressing("form7.4"),
              fill({"Edit5", "Edit6", "Edit7", "Edit8"}, {"1e300", "1", "1", "1e300"})},
        Press{"smooth_up", pressing("form8.5"), fill({"Edit1", "Edit2", "Edit3"}, {"10", "10", "30"})},
        Press{"smooth_down", pressing("form8.5"), fill({"Edit1", "Edit2", "Edit3"}, {"20", "5", "60"})},
        Press{"smooth_upright", pressing("form8.5"), fill({"Edit1", "Edit2", "Edit3"}, {"10", "10", "90"})},
        Press{"wall", pressing("form8.6"), cellsOf({{"Edit4", "0.5"}, {"Edit5", "10"}})},
        Press{"rough_up", pressing("form9.6"), fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"0.1", "10", "10", "30"})},
        Press{"rough_down", pressing("form9.6"), fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"0.2", "20", "5", "60"})},
        Press{"rough_at_rest", pressing("form9.6"),
              fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"1", "10", "10", "30"})},
        Press{"climb", pressing("form9.7"),
              fill({"Edit5", "Edit6", "Edit7", "Edit8", "Edit9"}, {"0.1", "10", "10", "30", "10"})},
        Press{"elevator", pressing("form10.1"), fill({"Edit1", "Edit2", "Edit3"}, {"100", "5", "10"})},
        Press{"incline_power", pressing("form10.2"),
              fill({"Edit8", "Edit4", "Edit5", "Edit6", "Edit7"}, {"2", "0.5", "10", "3", "4"})},
        Press{"incline_power_steep", pressing("form10.2"),
              fill({"Edit8", "Edit4", "Edit5", "Edit6", "Edit7"}, {"2", "0.5", "10", "1e6", "1"})},
        Press{"table", pressing("form11.3"), fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"2", "10", "60", "3"})},
        Press{"table_long", pressing("form11.3"),
              fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"2", "10", "90", "32000"})}),
    caseName);

// The number a text shows after its `n`th "=" (a result cell: its first
// number), as the window writes it.
std::string afterEquals(const std::string& text, int n = 1)
{
    std::size_t at = 0;
    for (int i = 0; i < n && at != std::string::npos; ++i)
        at = text.find('=', at ? at + 1 : 0);
    at = at == std::string::npos ? 0 : at + 1;
    at = text.find_first_not_of(' ', at);
    const std::size_t end = text.find_first_not_of("-0123456789.", at);
    return text.substr(at, end - at);
}
std::string shown(const Outcome& out, const char* target, int n = 1)
{
    return afterEquals(out.written(target).value_or(""), n);
}
double value(const Outcome& out, const char* target, int n = 1)
{
    return tavek::read_number(shown(out, target, n)).value;
}

// The curve's height where it passes x (its points go one way along x).
double through(const Curve& c, double x)
{
    for (std::size_t i = 1; i < c.points.size(); ++i) {
        const Point a = c.points[i - 1], b = c.points[i];
        if ((a.x - x) * (b.x - x) <= 0)
            return a.x == b.x ? a.y : a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
    }
    return NAN;
}

const Arrow* arrow(const Figure& f, const std::string& body, const std::string& name)
{
    for (const tavek::Body& b : f.bodies)
        if (b.name == body)
            for (const Arrow& a : b.arrows)
                if (a.label.rfind(name + " = ", 0) == 0)
                    return &a;
    return nullptr;
}

TEST(FigureThroughTheAnswers, VerticalLaunchPassesTheTopAndTheHeightTwice)
{
    const Outcome out = launch(cellsOf({{"Edit13", "19.6"}}));
    const Plot& p = out.figure.plots.at(0);
    const Curve& y = p.curves.at(0);
    EXPECT_NEAR(through(y, value(out, "Label34")), value(out, "Label33"), 0.02);
    EXPECT_NEAR(through(y, value(out, "Label35")), value(out, "Label32"), 0.02);
    EXPECT_NEAR(y.points.back().x, value(out, "Label37"), 1e-9);
    EXPECT_NE(out.figure.description.find("altura máxima " + shown(out, "Label33") + " m"), std::string::npos);
}

TEST(FigureThroughTheAnswers, MotionFromRestAndTheCubic)
{
    // From rest at t0 with the answer's acceleration; its mean velocity drawn.
    Outcome out = pressing("form2.1")(fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"0", "100", "0", "10"}));
    EXPECT_NEAR(out.figure.plots.at(0).curves.at(0).points.back().y, value(out, "Edit6") * 100 / 2, 1e-9);
    // ... and so it ends at X, the final position given, backwards in time too.
    EXPECT_NEAR(out.figure.plots.at(0).curves.at(0).points.back().y, 100, 1e-9);
    const Outcome back = pressing("form2.1")(fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"0", "10", "3", "1"}));
    EXPECT_EQ(back.figure.plots.at(0).curves.at(0).points.back().x, 1);
    EXPECT_NEAR(back.figure.plots.at(0).curves.at(0).points.back().y, 10, 1e-9);
    EXPECT_NEAR(through(out.figure.plots.at(1).curves.at(0), 10), value(out, "Edit6") * 10, 1e-9);
    EXPECT_EQ(out.figure.plots.at(1).curves.at(1).points.front().y, value(out, "Edit5"));

    out = pressing("form2.2")(fill({"Edit7", "Edit8", "Edit9", "Edit10"}, {"1", "2", "3", "2"}));
    EXPECT_NEAR(through(out.figure.plots.at(1).curves.at(0), 2), value(out, "Edit11"), 1e-9);
    EXPECT_NEAR(through(out.figure.plots.at(2).curves.at(0), 2), value(out, "Edit12"), 1e-9);
}

TEST(FigureThroughTheAnswers, PathsReachTheirRangeTargetAndBasket)
{
    Outcome out = pressing("form5.4")(cellsOf({{"Edit1", "20"}, {"Edit2", "45"}}));
    EXPECT_EQ(out.figure.description, "Trajetória: altura máxima 10.20 m em x = 20.41 m; alcance 40.82 m; "
                                      "tempo do percurso 2.89 s.");
    const Curve& kick = out.figure.plots.at(0).curves.at(0);
    EXPECT_NEAR(through(kick, value(out, "Label16") / 2), value(out, "Label12"), 0.005);
    EXPECT_NEAR(kick.points.back().x, value(out, "Label16"), 0.005);

    out = pressing("form4.1")(cellsOf({{"Edit1", "200"}, {"Edit2", "500"}}));
    const Curve& fall = out.figure.plots.at(0).curves.at(0);
    EXPECT_NEAR(fall.points.back().x, value(out, "Label10"), 1e-4);
    EXPECT_NEAR(fall.points.back().y, 0, 1e-9);

    // The ball flies the 4.39 m to the basket in the answer's travel time,
    // through the rim 3.1 m up.
    for (const char* height : {"2", "1.8", "3"}) {
        SCOPED_TRACE(height);
        out = pressing("form4.2")(cellsOf({{"Edit3", height}}));
        const Plot& basket = out.figure.plots.at(0);
        EXPECT_NEAR(basket.curves.at(0).points.back().x, 4.39, 1e-9);
        EXPECT_NEAR(basket.curves.at(0).points.back().y, 3.1, 1e-9);
        EXPECT_EQ(basket.marks.back().at.x, 4.39);
        EXPECT_EQ(basket.marks.back().curve, -1);
        EXPECT_NE(out.figure.description.find(shown(out, "Label18") + " s"), std::string::npos);
    }

    // The drawn angle's ball tops its arc at the rim, 1.37 m up.
    out = drawn(45);
    EXPECT_NEAR(out.figure.plots.at(0).curves.at(0).points.back().y, 1.37, 1e-9);
}

TEST(FigureThroughTheAnswers, ForcesAreTheAnswersNumbers)
{
    Outcome out = pressing("form9.6")(fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"0.1", "10", "10", "30"}));
    EXPECT_EQ(arrow(out.figure, "Bloco A", "T")->label, "T = " + shown(out, "Label10") + " N");
    EXPECT_EQ(arrow(out.figure, "Bloco A", "Fat")->label, "Fat = " + shown(out, "Label13") + " N");
    EXPECT_EQ(arrow(out.figure, "Bloco A", "PX")->label, "PX = " + shown(out, "Label18") + " N");
    EXPECT_EQ(arrow(out.figure, "Bloco A", "a")->label, "a = " + shown(out, "Label9") + " m/s²");
    EXPECT_EQ(arrow(out.figure, "Bloco B", "PB")->label, "PB = " + shown(out, "Label8") + " N");
    EXPECT_EQ(arrow(out.figure, "Bloco B", "a")->direction, 270); // B goes down

    out = pressing("form6.1")(cellsOf({{"Edit1", "10"}}));
    EXPECT_EQ(out.figure.description, "Forças no nó: TA = 69.50 N, TB = 89.43 N e TC = 98.00 N; no bloco: "
                                      "TC = 98.00 N e P = 98.00 N; sistema em repouso.");
}

// A system at rest draws the friction that acts, |PX − PB|, against the way
// the pulls would move it; equal pulls as the window writes them are a
// balance; a press answered by a message alone draws nothing.
TEST(FigureThroughTheAnswers, RestBalanceAndRefusalAsTheWindowSaysThem)
{
    Outcome out = pressing("form9.6")(fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"1", "10", "10", "30"}));
    const Arrow* fat = arrow(out.figure, "Bloco A", "Fat");
    ASSERT_TRUE(fat);
    EXPECT_EQ(fat->label, "Fat = " + shown(out, "Label13") + " N");
    EXPECT_EQ(fat->label, "Fat = 49.02 N");
    EXPECT_EQ(fat->direction, 210); // B would pull A up the plane: friction down it
    EXPECT_EQ(arrow(out.figure, "Bloco A", "a"), nullptr);

    struct Balance {
        const char* mA;
        const char* mB;
        const char* theta;
        bool balanced;
    };
    for (const Balance b : {Balance{"10", "10", "90", true}, {"10", "5", "30", false}}) {
        SCOPED_TRACE(b.theta);
        out = pressing("form8.5")(fill({"Edit1", "Edit2", "Edit3"}, {b.mA, b.mB, b.theta}));
        EXPECT_EQ(out.figure.note.rfind("Sistema em equilíbrio", 0) == 0, b.balanced);
        EXPECT_EQ(arrow(out.figure, "Bloco B", "a") == nullptr, b.balanced);
        EXPECT_EQ(arrow(out.figure, "Bloco B", "T")->label, "T = " + shown(out, "Label10") + " N");
    }

    // Block A sliding down, or held by friction: the climb worked out does not happen.
    for (const Texts& data : {Texts{"0.1", "20", "5", "60", "10"}, Texts{"0.5", "20", "8", "30", "10"}}) {
        out = pressing("form9.7")(fill({"Edit5", "Edit6", "Edit7", "Edit8", "Edit9"}, data));
        EXPECT_EQ(tavek::figure_of(&out), nullptr) << data[0];
    }
}

TEST(FigureThroughTheAnswers, AZeroForceHasNoArrowAndRestIsSaid)
{
    const Outcome out = pressing("form7.3")(fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"98", "98", "98", "0"}));
    for (const char* name : {"F", "T1", "T2", "a"})
        EXPECT_EQ(arrow(out.figure, "Bloco 3", name), nullptr) << name;
    EXPECT_EQ(out.figure.note.rfind("Sistema em repouso", 0), 0u);
    EXPECT_EQ(out.figure.description, "Sistema em repouso.");

    // A system in balance: no acceleration, the rope holding B.
    const Figure balance = tavek::smooth_incline_figure(30, 49, 49, 0, 49);
    EXPECT_EQ(balance.note.rfind("Sistema em equilíbrio", 0), 0u);
    EXPECT_EQ(arrow(balance, "Bloco A", "a"), nullptr);
    EXPECT_EQ(arrow(balance, "Bloco B", "T")->length, 1);
}

TEST(FigureThroughTheAnswers, PowerOfEverySecond)
{
    Outcome out = pressing("form11.3")(fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"2", "10", "60", "3"}));
    const Curve& dots = out.figure.plots.at(0).curves.at(0);
    ASSERT_EQ(dots.points.size(), 3u);
    EXPECT_EQ(tavek::write_number(dots.points.back().y, 6, 6), afterEquals(out.lines("ListBox1").back(), 3));
    // 32000 seconds keep their outline in a drawable number of points.
    out = pressing("form11.3")(fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"2", "10", "60", "32000"}));
    EXPECT_LE(out.figure.plots.at(0).curves.at(0).points.size(), 1000u);
    EXPECT_EQ(out.figure.plots.at(0).curves.at(0).points.back().x, 32000);
}

TEST(FigureOf, OnlyAnAnsweredPressWithoutFaultHasOne)
{
    EXPECT_EQ(tavek::figure_of(nullptr), nullptr);
    // refused, and a fault part-way
    const Outcome refused = launch(cellsOf({{"Edit13", "-1"}}));
    EXPECT_EQ(tavek::figure_of(&refused), nullptr);
    const Outcome fault =
        pressing("form9.6")(fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"0.1", "1e308", "10", "30"}));
    ASSERT_TRUE(fault.fault);
    EXPECT_EQ(tavek::figure_of(&fault), nullptr);
    // Numbers beyond the double range on the way to the figure: none drawn, and why.
    const Outcome huge = pressing("form2.2")(fill({"Edit7", "Edit8", "Edit9", "Edit10"}, {"0", "0", "1e307", "2"}));
    ASSERT_TRUE(tavek::figure_of(&huge));
    EXPECT_TRUE(huge.figure.plots.empty());
    EXPECT_EQ(huge.figure.note, tavek::kTooLarge);
}

} // namespace

TEST(FigureNotation, PaperWritesTheDecimalComma)
{
    struct Row {
        const char* point;
        const char* comma;
    };
    const Row rows[] = {
        {"3.1 m", "3,1 m"},
        {"P = 98.00 N", "P = 98,00 N"},
        {"1.0E+0300", "1,0E+0300"},
        {"-0.5", "-0,5"},
        {"t = 10.", "t = 10."},           // a sentence's end
        {"em 2. Depois", "em 2. Depois"}, // and another's
        {"Fig.2", "Fig.2"},
    };
    for (const Row& r : rows) {
        Figure f;
        Plot p;
        p.title = r.point;
        p.x.labels = {r.point};
        p.marks = {{{0, 0}, r.point}};
        f.plots = {p};
        tavek::Body b;
        b.arrows = {tavek::named(r.point, 1, 0)};
        f.bodies = {b};
        f.sketch.dimensions = {{{}, {}, 0, r.point}};
        f.sketch.captions = {{{}, r.point}};
        f.sketch.angles = {{{}, 0, 1, r.point}};
        f.sketch.pointers = {{{}, tavek::named(r.point, 1, 0)}};
        f.note = f.description = r.point;
        tavek::use_decimal_comma(f);
        std::vector<std::string> texts = f.sketch.texts();
        for (const std::string* s : {&f.plots[0].title, &f.plots[0].x.labels[0], &f.plots[0].marks[0].label,
                                     &f.bodies[0].arrows[0].label, &f.note, &f.description})
            texts.push_back(*s);
        for (const std::string& t : texts)
            EXPECT_EQ(t, r.comma);
    }
}
