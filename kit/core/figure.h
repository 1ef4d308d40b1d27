#pragma once
// The figure under a worked solution, as data: plots of the motion against
// time or of a path, and free-body diagrams of the blocks. A calculator hands
// its figure to the outcome from the very values it worked out, so the figure
// cannot disagree with the answers; the window's painter only maps this
// description to pixels. Every rule of what is drawn (the axes' round ticks,
// which arrows there are and how long) lives here, testable without a window.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavek {

struct Point {
    double x = 0;
    double y = 0;
};

// One axis of a plot. Its range and ticks are read in units of 10^exponent,
// so that huge and tiny quantities keep short tick labels ("x (× 10⁶ m)").
struct Axis {
    std::string name = {}; // "t"
    std::string unit = {}; // "s"
    int exponent = 0;
    double lo = 0; // the range, in units of 10^exponent
    double hi = 1;
    std::vector<double> ticks = {};       // round values from lo to hi, same units
    std::vector<std::string> labels = {}; // the ticks as the program writes numbers

    std::string title() const;
    // Where a value (in its own unit) falls along the axis: 0 at lo, 1 at hi.
    double fraction(double value) const;
};

struct Curve {
    enum class Style {
        Line,  // the motion itself
        Guide, // a dashed line of reference: a height, a mean
        Dots,  // one value per second
    };
    std::vector<Point> points = {};
    Style style = Style::Line;
};

struct Mark {
    Point at;
    std::string label = {}; // numbers written as the answers write them
    int curve = -1;         // the curve it lies on; -1: a thing of its own (the basket)
};

struct Plot {
    std::string title = {};
    Axis x = {};
    Axis y = {};
    std::vector<Curve> curves = {};
    std::vector<Mark> marks = {};
};

struct Arrow {
    enum class Kind {
        Force,
        Component,    // a component of a force drawn beside it: dashed
        Acceleration, // the body's acceleration: its direction only, not to scale
    };
    Kind kind = Kind::Force;
    std::string label = {}; // "P = 98.00 N"
    double magnitude = 0;   // in the label's unit
    double direction = 0;   // degrees counter-clockwise from the +x axis
    double length = 0;      // 0 to 1 of the longest arrow the body may have
    int lane = 0;           // arrows of one direction on one body stand side by side
};

struct Body {
    enum class Support { None, Plane, Wall };
    std::string name = {}; // "Bloco A", "Nó"
    Support support = Support::None;
    double tilt = 0;   // the plane it rests on rises by this many degrees
    bool knot = false; // where ropes meet: a point, not a block
    std::vector<Arrow> arrows = {};
};

struct Figure {
    std::vector<Plot> plots = {};
    std::vector<Body> bodies = {};
    std::string note = {};        // "Sistema em repouso", drawn under the figure
    std::string description = {}; // one sentence: what a screen reader says of it
    bool empty() const { return plots.empty() && bodies.empty() && note.empty(); }
};

// A number as the answers write it, W(x; 0, decimals), without the padding.
std::string figure_number(double x, int decimals);
// "P = 98.00 N"; no blank before "°".
std::string labelled(std::string_view name, double x, int decimals, std::string_view unit);

// An axis with round ticks (1, 2 or 5 times a power of ten) covering lo..hi.
// A range of one value is widened around it; lo and hi must be finite.
Axis make_axis(std::string name, std::string unit, double lo, double hi);

// Samples of t -> (x(t), y(t)) from t0 to t1 (either way round), both ends
// included.
template <class X, class Y> Curve traced(X&& x, Y&& y, double t0, double t1, int segments = 64)
{
    Curve c;
    c.points.reserve(static_cast<std::size_t>(segments) + 1);
    for (int i = 0; i <= segments; ++i) {
        const double t = i == segments ? t1 : t0 + (t1 - t0) * i / segments;
        c.points.push_back({x(t), y(t)});
    }
    return c;
}
// Samples of a quantity against time: points (t, f(t)).
template <class F> Curve sampled(F&& f, double t0, double t1, int segments = 64)
{
    return traced([](double t) { return t; }, f, t0, t1, segments);
}

// A straight line of reference from a to b.
Curve guide(Point a, Point b);

// At most about `most` points that keep the curve's outline: the least and
// the greatest value of each stretch (a list of 32001 seconds stays drawable).
Curve thinned(Curve curve, std::size_t most);

// Adds a plot whose axes cover its curves and marks, and zero on the y axis
// on either axis where asked (heights above the ground, powers). A plot holding a number a
// double cannot hold is left out and the figure says why.
void add_plot(Figure& figure, Plot plot, bool xFromZero, bool yFromZero);

inline constexpr std::string_view kTooLarge = "Os números são grandes demais para desenhar a figura.";

// An arrow of a force on a body (labelled with its name and value) and of an
// acceleration (its direction only).
Arrow force(std::string_view name, double magnitude, double direction, int decimals, std::string_view unit = "N");
Arrow component(std::string_view name, double magnitude, double direction, int decimals);
Arrow acceleration(double magnitude, double direction, int decimals);

// Finishes a free-body diagram: forces of zero have no arrow, every force's
// length is its magnitude over the largest force of the figure, accelerations
// of zero go too, and arrows of one direction on one body get lanes.
void size_arrows(Figure& figure);
// The sentence of a free-body diagram, once sized: the forces on each body in
// order ("Forças no bloco A: T = 77.73 N e PX = 48.98 N; no bloco B: …"),
// then `tail` (how the system moves).
std::string forces_sentence(const Figure& figure, std::string_view tail);

} // namespace tavek
