#pragma once
// The figure under a worked solution, as data: plots of the motion against
// time or of a path, and free-body diagrams of the blocks. A calculator hands
// its figure to the outcome from the very values it worked out, so the figure
// cannot disagree with the answers; the window's painter only maps this
// description to pixels. Every rule of what is drawn (the axes' round ticks,
// which arrows there are and how long) lives here, testable without a window.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavek {

struct Point {
    double x = 0;
    double y = 0;
};

// The unit vector of a direction in degrees, counterclockwise from the
// right, y up: a figure's geometry, exact π (not the classroom's 3.14).
Point unit_vector(double degrees);

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
        Velocity,     // a velocity in a sketch: its direction only, not to scale
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

// A place in a sketch: a point in the sketch's own lengths (metres where the
// statement gives them; y up), moved by `px` pixels (y up too) for what keeps
// its size at every scale: a block, a pulley, an arrow, a gap.
struct Spot {
    Point at = {};
    Point px = {};
};

// What a sketch draws, in the order given.
struct Stroke {
    enum class Kind {
        Ground, // a floor, a wall: a line hatched on its right, seen from its first point
        Solid,  // a plane's wedge, a wall, a table: a polygon, filled and outlined
        Block,  // a block: a polygon in the blocks' colours, its name at its centre
        Line,   // a post, a limb: ink
        Rope,   // a rope
        Guide,  // dashed: a path, a level, where a block stops
        Pulley, // a wheel around points[0], `radius` pixels
        Ball,   // a ball around points[0]
        Ring,   // an outlined circle: a head, a target
    };
    Kind kind = Kind::Line;
    std::vector<Spot> points = {};
    double radius = 0;     // a circle's, in pixels
    std::string name = {}; // a block's: "A"
};

// An arrow at a place: a force in proportion to the sketch's other forces
// (its length 0 to 1 of the longest, as size_pointers sets it), or a
// velocity's direction. It carries a name, never a value worked out.
struct Pointer {
    Spot at;              // where its tail is, or its head where it pushes
    Arrow arrow;          // kind, label, magnitude, direction
    bool pushes = false;  // drawn ending at `at`: a push against what is there
    bool aside = false;   // its name beside its head, on its left: clear of a path it starts
};

// An angle by an arc from direction `from` to `to` (degrees counter-clockwise
// from +x) around its vertex.
struct AngleMark {
    Spot vertex;
    double from = 0;
    double to = 0;
    std::string label = {}; // "34°", as the statement gives it
    double radius = 22;     // pixels
    bool outside = false;   // its text beyond the second direction: an angle too narrow to hold it
};

// A length marked beside what it measures: a line with an end at each of
// `a` and `b`, `side` pixels to the left of the way from a to b.
struct Dimension {
    Spot a;
    Spot b;
    double side = 12;
    std::string label = {}; // "CA = 4.5 m", or a name alone: "HIP"
};

// A text beside a place: on the side of it that `toward` points to (y up; a
// unit vector or zero, centred on it).
struct Caption {
    Spot at;
    std::string text;
    Point toward = {};
};

// The system an exercise's statement sets, drawn to scale: one of its units
// as long across as up, fitted into the box with its texts and the pixels of
// what keeps its size.
struct Sketch {
    std::vector<Stroke> strokes = {};
    std::vector<Pointer> pointers = {};
    std::vector<AngleMark> angles = {};
    std::vector<Dimension> dimensions = {};
    std::vector<Caption> captions = {};
    double longest = 56; // pixels: the longest force's arrow

    bool empty() const { return strokes.empty() && pointers.empty(); }
    // Every text it writes, in the order lay_out_sketch takes their sizes:
    // the pointers', the angles', the dimensions', the captions', the blocks'.
    std::vector<std::string> texts() const;
};

struct Figure {
    std::vector<Plot> plots = {};
    std::vector<Body> bodies = {};
    Sketch sketch = {};
    std::string note = {};        // "Sistema em repouso", drawn under the figure
    std::string description = {}; // one sentence: what a screen reader says of it
    bool empty() const { return plots.empty() && bodies.empty() && sketch.empty() && note.empty(); }
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
// An arrow beside a statement: its name only ("P", "Vo"), never its value.
Arrow named(std::string name, double magnitude, double direction, Arrow::Kind kind = Arrow::Kind::Force);

// A value the statement gives, as short as it is exact: "4.5 m", "34°", "1.37 m".
std::string stated(double x, std::string_view unit);

// Every text a figure draws or says (labels, captions, note, description),
// handed to `edit` to be changed in place.
void edit_texts(Figure& figure, const std::function<void(std::string&)>& edit);
// Every decimal point between two digits of the figure's texts made a comma,
// as paper writes numbers: "3,1 m". The windows keep their point.
void use_decimal_comma(Figure& figure);

// A sketch's arrows: each force's length its magnitude over the largest's,
// but no less than kShortestForce; each velocity's kVelocityLength. Arrows of
// nothing are left out.
inline constexpr double kShortestForce = 0.2;
inline constexpr double kVelocityLength = 0.7;
void size_pointers(Sketch& sketch);

// Pieces of sketches. A plane's wedge rising to the right from `foot` by
// `degrees` over a base `base` long, its angle marked at the foot with
// `label`; the wedge's top corner.
Point add_plane(Sketch& sketch, Point foot, double degrees, double base, std::string label);
// A block `width` by `height` pixels whose underside's middle is `base`,
// turned by `degrees`; the spot of its centre. One of another kind (a
// guide: where the block will be) is its outline.
Spot add_block(Sketch& sketch, Spot base, double degrees, double width, double height, std::string name,
               Stroke::Kind kind = Stroke::Kind::Block);
// The middle of a side of that block: the one `side` degrees round from its
// right (0 its right, 90 its top, in the block's own turn).
Spot block_side(Spot centre, double degrees, double width, double height, double side);
// A block on a floor pulled from the middle of its right side by `pull`,
// whose angle above the level is marked; the spot of the block's centre.
inline constexpr double kPulledWidth = 46, kPulledHeight = 30;
Spot add_pulled_block(Sketch& sketch, Arrow pull);
// The figure of a sketch, its forces sized, and its sentence.
Figure sketched(Sketch sketch, std::string description);
// A spot moved by more pixels.
Spot shifted(Spot s, double dx, double dy);
// A line of the kind through the spots.
void add_line(Sketch& sketch, Stroke::Kind kind, std::vector<Spot> points);

// Finishes a free-body diagram: forces of zero have no arrow, every force's
// length is its magnitude over the largest force of the figure, accelerations
// of zero go too, and arrows of one direction on one body get lanes.
void size_arrows(Figure& figure);
// The sentence of a free-body diagram, once sized: the forces on each body in
// order ("Forças no bloco A: T = 77.73 N e PX = 48.98 N; no bloco B: …"),
// then `tail` (how the system moves).
std::string forces_sentence(const Figure& figure, std::string_view tail);

} // namespace tavek
