#include "kit/core/figure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "kit/core/markup.h"
#include "kit/core/number.h"

namespace tavek {

namespace {

// Below this a value is drawn as zero: its power of ten would not be a
// normal double.
constexpr long double kTiny = 1e-290L;

bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

double normalDegrees(double d)
{
    d = std::fmod(d, 360.0);
    return d < 0 ? d + 360.0 : d;
}


} // namespace

std::string figure_number(double x, int decimals)
{
    std::string s = write_number(x, 0, decimals);
    s.erase(0, s.find_first_not_of(' ')); // the sign's place of "1.0E+0300"
    return s;
}

std::string labelled(std::string_view name, double x, int decimals, std::string_view unit)
{
    std::string s(name);
    s += " = ";
    s += figure_number(x, decimals);
    if (!unit.empty() && unit != "°")
        s += ' ';
    s += unit;
    return s;
}

Point unit_vector(double degrees)
{
    const double r = degrees * std::numbers::pi / 180;
    return {std::cos(r), std::sin(r)};
}

std::string stated(double x, std::string_view unit)
{
    std::string s = figure_number(x, 6);
    if (s.find('.') != std::string::npos) {
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.')
            s.pop_back();
    }
    if (!unit.empty() && unit != "°" && unit != "%")
        s += ' ';
    return s += unit;
}

std::vector<std::string> Sketch::texts() const
{
    std::vector<std::string> r;
    for (const Pointer& p : pointers)
        r.push_back(p.arrow.label);
    for (const AngleMark& a : angles)
        r.push_back(a.label);
    for (const Dimension& d : dimensions)
        r.push_back(d.label);
    for (const Caption& c : captions)
        r.push_back(c.text);
    for (const Stroke& s : strokes)
        if (s.kind == Stroke::Kind::Block)
            r.push_back(s.name);
    return r;
}

void edit_texts(Figure& figure, const std::function<void(std::string&)>& edit)
{
    for (Plot& p : figure.plots) {
        edit(p.title);
        for (Axis* a : {&p.x, &p.y})
            for (std::string& l : a->labels)
                edit(l);
        for (Mark& m : p.marks)
            edit(m.label);
    }
    for (Body& b : figure.bodies)
        for (Arrow& a : b.arrows)
            edit(a.label);
    Sketch& s = figure.sketch;
    for (Pointer& p : s.pointers)
        edit(p.arrow.label);
    for (AngleMark& a : s.angles)
        edit(a.label);
    for (Dimension& d : s.dimensions)
        edit(d.label);
    for (Caption& c : s.captions)
        edit(c.text);
    edit(figure.note);
    edit(figure.description);
}

void use_decimal_comma(Figure& figure)
{
    edit_texts(figure, [](std::string& s) { s = paper_decimals(s); });
}

void size_pointers(Sketch& sketch)
{
    double largest = 0;
    for (const Pointer& p : sketch.pointers)
        if (p.arrow.kind == Arrow::Kind::Force)
            largest = std::max(largest, std::fabs(p.arrow.magnitude));
    for (Pointer& p : sketch.pointers) {
        Arrow& a = p.arrow;
        if (a.magnitude < 0) {
            a.magnitude = -a.magnitude;
            a.direction += 180;
        }
        a.direction = normalDegrees(a.direction);
        // A velocity shows its way at a length of its own; a force far the
        // smallest stays long enough to be seen, still the shortest.
        if (a.kind != Arrow::Kind::Force)
            a.length = kVelocityLength;
        else
            a.length = a.magnitude > 0 ? std::max(a.magnitude / largest, kShortestForce) : 0;
    }
    std::erase_if(sketch.pointers, [](const Pointer& p) { return !(p.arrow.length > 0); });
}

Spot shifted(Spot s, double dx, double dy) { return {s.at, {s.px.x + dx, s.px.y + dy}}; }

void add_line(Sketch& sketch, Stroke::Kind kind, std::vector<Spot> points)
{
    sketch.strokes.push_back({kind, std::move(points)});
}

Point add_plane(Sketch& sketch, Point foot, double degrees, double base, std::string label)
{
    const Point corner{foot.x + base, foot.y};
    const Point top{corner.x, foot.y + base * std::tan(degrees * std::numbers::pi / 180)};
    sketch.strokes.push_back({Stroke::Kind::Solid, {{foot}, {corner}, {top}}});
    sketch.angles.push_back({{foot}, 0, degrees, std::move(label)});
    return top;
}

Spot block_side(Spot centre, double degrees, double width, double height, double side)
{
    const Point across = unit_vector(degrees), up = unit_vector(degrees + 90), d = unit_vector(side);
    // Out to the edge the way of `side`, in the block's own axes.
    const double reach = std::min(std::fabs(d.x) > 1e-9 ? width / 2 / std::fabs(d.x) : 1e300,
                                  std::fabs(d.y) > 1e-9 ? height / 2 / std::fabs(d.y) : 1e300);
    const double a = d.x * reach, u = d.y * reach;
    return shifted(centre, across.x * a + up.x * u, across.y * a + up.y * u);
}

Spot add_block(Sketch& sketch, Spot base, double degrees, double width, double height, std::string name,
               Stroke::Kind kind)
{
    const Point along = unit_vector(degrees), up = unit_vector(degrees + 90);
    const auto at = [&](double a, double u) {
        return shifted(base, along.x * a + up.x * u, along.y * a + up.y * u);
    };
    const double w = width / 2;
    std::vector<Spot> corners{at(-w, 0), at(w, 0), at(w, height), at(-w, height)};
    if (kind != Stroke::Kind::Block)
        corners.push_back(corners.front()); // an outline, closed
    sketch.strokes.push_back({kind, std::move(corners), 0, std::move(name)});
    return at(0, height / 2);
}

Spot add_pulled_block(Sketch& sketch, Arrow pull)
{
    add_line(sketch, Stroke::Kind::Ground, {{{0, 0}, {-kPulledWidth * 1.6, 0}}, {{0, 0}, {kPulledWidth * 2.2, 0}}});
    const Spot centre = add_block(sketch, {}, 0, kPulledWidth, kPulledHeight, "");
    const Spot right = block_side(centre, 0, kPulledWidth, kPulledHeight, 0);
    add_line(sketch, Stroke::Kind::Guide, {right, shifted(right, 44, 0)});
    sketch.angles.push_back({right, 0, pull.direction, stated(pull.direction, "°"), 26, pull.direction < 30});
    sketch.pointers.push_back({right, std::move(pull)});
    return centre;
}

Figure sketched(Sketch sketch, std::string description)
{
    Figure f;
    size_pointers(sketch);
    f.sketch = std::move(sketch);
    f.description = std::move(description);
    return f;
}

std::string Axis::title() const
{
    if (exponent == 0 && unit.empty())
        return name;
    std::string t = name + " (";
    if (exponent != 0) {
        t += "× 10" + superscript(std::to_string(exponent));
        if (!unit.empty())
            t += ' ';
    }
    return t + unit + ")";
}

double Axis::fraction(double value) const { return (value / std::pow(10.0, exponent) - lo) / (hi - lo); }

Axis make_axis(std::string name, std::string unit, double lo, double hi)
{
    Axis a;
    a.name = std::move(name);
    a.unit = std::move(unit);
    // Extended precision: a range from -DBL_MAX to DBL_MAX, or its widening,
    // is still a number.
    long double l = std::min(lo, hi);
    long double h = std::max(lo, hi);
    long double magnitude = std::max(std::fabs(l), std::fabs(h));
    if (magnitude < kTiny) {
        l = 0;
        h = 1;
        magnitude = 1;
    } else if (h - l <= magnitude * 1e-9L) {
        // One value (a body at rest, a constant power): from zero to twice it.
        l = std::min(0.0L, 2 * l);
        h = std::max(0.0L, 2 * h);
        magnitude *= 2;
    }
    const int power = static_cast<int>(std::floor(std::log10(magnitude)));
    a.exponent = power >= 5 || power <= -3 ? power : 0;
    const long double unitValue = std::pow(10.0L, a.exponent);
    const long double sl = l / unitValue;
    const long double sh = h / unitValue;
    // The tightest cover by three to seven steps of 1, 2 or 5 times a power
    // of ten.
    const long double decade = std::pow(10.0L, std::floor(std::log10((sh - sl) / 5)));
    long double step = 0, first = 0, last = 0;
    for (const long double scale : {0.1L, 1.0L, 10.0L}) {
        for (const int m : {1, 2, 5}) {
            const long double s = m * decade * scale;
            // A hair beyond a tick (a path's end at -1e-15) is on it.
            const long double f = std::floor(sl / s + 1e-9L) * s, e = std::ceil(sh / s - 1e-9L) * s;
            const long double n = std::round((e - f) / s);
            if (n < 3 || n > 7 || (step > 0 && e - f > last - first))
                continue;
            step = s;
            first = f;
            last = e;
        }
    }
    const long count = std::lround(static_cast<double>((last - first) / step));
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9L)));
    a.lo = static_cast<double>(first);
    a.hi = static_cast<double>(last);
    for (long i = 0; i <= count; ++i) {
        double tick = static_cast<double>(first + step * i);
        if (std::fabs(tick) < static_cast<double>(step) * 1e-9)
            tick = 0; // no "-0"
        a.ticks.push_back(tick);
        a.labels.push_back(figure_number(tick, decimals));
    }
    return a;
}

Curve guide(Point a, Point b) { return {{a, b}, Curve::Style::Guide}; }

Curve thinned(Curve curve, std::size_t most)
{
    const std::vector<Point>& p = curve.points;
    const std::size_t n = p.size();
    if (most < 4 || n <= most)
        return curve;
    const std::size_t stretches = most / 2 - 1;
    std::vector<Point> kept{p.front()};
    for (std::size_t s = 0; s < stretches; ++s) {
        const std::size_t begin = 1 + (n - 2) * s / stretches;
        const std::size_t end = 1 + (n - 2) * (s + 1) / stretches;
        if (begin == end)
            continue;
        auto [low, high] = std::minmax_element(p.begin() + static_cast<std::ptrdiff_t>(begin),
                                               p.begin() + static_cast<std::ptrdiff_t>(end),
                                               [](Point a, Point b) { return a.y < b.y; });
        if (high < low)
            std::swap(low, high);
        kept.push_back(*low);
        if (high != low)
            kept.push_back(*high);
    }
    kept.push_back(p.back());
    curve.points = std::move(kept);
    return curve;
}

void add_plot(Figure& figure, Plot plot, bool xFromZero, bool yFromZero)
{
    if (figure.note == kTooLarge)
        return;
    constexpr double inf = std::numeric_limits<double>::infinity();
    double xlo = inf, xhi = -inf, ylo = inf, yhi = -inf;
    bool ok = true;
    auto take = [&](Point p) {
        if (!finite(p)) {
            ok = false;
            return;
        }
        xlo = std::min(xlo, p.x);
        xhi = std::max(xhi, p.x);
        ylo = std::min(ylo, p.y);
        yhi = std::max(yhi, p.y);
    };
    for (const Curve& c : plot.curves)
        std::for_each(c.points.begin(), c.points.end(), take);
    for (const Mark& m : plot.marks)
        take(m.at);
    if (!ok) {
        // Half a figure would mislead: none, and why.
        figure.plots.clear();
        figure.note = std::string(kTooLarge);
        figure.description = figure.note;
        return;
    }
    if (xlo > xhi)
        return; // nothing to draw
    if (xFromZero) {
        xlo = std::min(xlo, 0.0);
        xhi = std::max(xhi, 0.0);
    }
    if (yFromZero) {
        ylo = std::min(ylo, 0.0);
        yhi = std::max(yhi, 0.0);
    }
    plot.x = make_axis(std::move(plot.x.name), std::move(plot.x.unit), xlo, xhi);
    plot.y = make_axis(std::move(plot.y.name), std::move(plot.y.unit), ylo, yhi);
    figure.plots.push_back(std::move(plot));
}

Arrow force(std::string_view name, double magnitude, double direction, int decimals, std::string_view unit)
{
    return {Arrow::Kind::Force, labelled(name, magnitude, decimals, unit), magnitude, direction};
}

Arrow component(std::string_view name, double magnitude, double direction, int decimals)
{
    Arrow a = force(name, magnitude, direction, decimals);
    a.kind = Arrow::Kind::Component;
    return a;
}

Arrow acceleration(double magnitude, double direction, int decimals)
{
    return {Arrow::Kind::Acceleration, labelled("a", magnitude, decimals, "m/s²"), magnitude, direction};
}

Arrow named(std::string name, double magnitude, double direction, Arrow::Kind kind)
{
    return {kind, std::move(name), magnitude, direction};
}

void size_arrows(Figure& figure)
{
    double largest = 0;
    for (Body& body : figure.bodies) {
        for (Arrow& a : body.arrows) {
            // A negative value points the other way.
            if (a.magnitude < 0) {
                a.magnitude = -a.magnitude;
                a.direction += 180;
            }
            a.direction = normalDegrees(a.direction);
            if (a.kind != Arrow::Kind::Acceleration)
                largest = std::max(largest, a.magnitude);
        }
    }
    for (Body& body : figure.bodies) {
        std::erase_if(body.arrows, [](const Arrow& a) { return !(a.magnitude > 0); });
        for (std::size_t i = 0; i < body.arrows.size(); ++i) {
            Arrow& a = body.arrows[i];
            // An acceleration shows its direction beside the forces, at a
            // length of its own: it is not a force.
            a.length = a.kind == Arrow::Kind::Acceleration ? 0.55 : a.magnitude / largest;
            a.lane = 0;
            for (std::size_t j = 0; j < i; ++j) {
                const Arrow& b = body.arrows[j];
                const double apart = std::fabs(normalDegrees(a.direction - b.direction + 180) - 180);
                if (b.kind != Arrow::Kind::Acceleration && a.kind != Arrow::Kind::Acceleration && apart < 1)
                    ++a.lane;
            }
        }
    }
}

std::string forces_sentence(const Figure& figure, std::string_view tail)
{
    std::string s;
    for (const Body& body : figure.bodies) {
        std::vector<const std::string*> labels;
        for (const Arrow& a : body.arrows)
            if (a.kind != Arrow::Kind::Acceleration)
                labels.push_back(&a.label);
        if (labels.empty())
            continue;
        s += s.empty() ? "Forças no " : "; no ";
        std::string name = body.name;
        if (!name.empty() && name[0] >= 'A' && name[0] <= 'Z')
            name[0] = static_cast<char>(name[0] - 'A' + 'a');
        s += name + ": ";
        for (std::size_t i = 0; i < labels.size(); ++i) {
            if (i)
                s += i + 1 == labels.size() ? " e " : ", ";
            s += *labels[i];
        }
    }
    if (!tail.empty()) {
        if (!s.empty())
            s += "; ";
        s += tail;
    }
    // Nothing pulls (a system at rest): the sentence starts with the tail.
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z')
        s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s + ".";
}

} // namespace tavek
