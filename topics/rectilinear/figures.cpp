#include "topics/rectilinear/figures.h"

#include <algorithm>
#include <cmath>

#include "kit/core/outcome.h"

namespace tavek {

namespace {

constexpr int kDecimals = 4;

std::string said(std::string_view name, double x, std::string_view unit) { return labelled(name, x, kDecimals, unit); }

std::string number(double x) { return figure_number(x, kDecimals); }

Plot overTime(std::string title, std::string quantity, std::string unit)
{
    Plot p;
    p.title = std::move(title);
    p.x = {"t", "s"};
    p.y = {std::move(quantity), std::move(unit)};
    return p;
}

} // namespace

Figure average_motion_figure(Real x0, Real t0, Real t, Real vm, Real a)
{
    const double xs = x0.value(), ts = t0.value(), te = t.value(), acc = a.value(), mean = vm.value();
    // From rest at t0: the reading under which two positions and two instants
    // give one acceleration.
    const auto x = [=](double tau) { return xs + acc * (tau - ts) * (tau - ts) / 2; };
    const auto v = [=](double tau) { return acc * (tau - ts); };
    const double xe = x(te);
    const double ve = v(te);

    Figure f;
    Plot position = overTime("Posição × tempo, a partir do repouso", "x", "m");
    position.curves = {sampled(x, ts, te)};
    position.marks = {{{ts, xs}, said("t0", ts, "s") + "\n" + said("x0", xs, "m"), 0},
                      {{te, xe}, said("t", te, "s") + "\n" + said("x", xe, "m"), 0}};
    add_plot(f, std::move(position), false, true);

    Plot velocity = overTime("Velocidade × tempo: " + said("a", acc, "m/s²"), "v", "m/s");
    velocity.curves = {sampled(v, ts, te), guide({ts, mean}, {te, mean})};
    velocity.marks = {{{te, ve}, said("v", ve, "m/s"), 0}, {{(ts + te) / 2, mean}, said("vm", mean, "m/s"), 1}};
    add_plot(f, std::move(velocity), false, true);

    if (f.note.empty())
        f.description = "Posição e velocidade × tempo, a partir do repouso com " + said("a", acc, "m/s²") +
                        ": x vai de " + number(xs) + " m em t = " + number(ts) + " s a " + number(xe) +
                        " m em t = " + number(te) + " s; velocidade média " + number(mean) + " m/s.";
    return f;
}

Figure cubic_motion_figure(Real c1, Real c2, Real c3, Real t, Real v, Real a)
{
    const double k1 = c1.value(), k2 = c2.value(), k3 = c3.value(), at = t.value();
    const auto x = [=](double tau) { return k1 + k2 * tau + k3 * tau * tau * tau; };
    const auto dx = [=](double tau) { return k2 + 3 * k3 * tau * tau; };
    const auto ddx = [=](double tau) { return 6 * k3 * tau; };
    // Around t: from 0 to 2t for t of a second or more.
    const double half = std::max(std::fabs(at), 1.0);
    const double from = at - half, to = at + half;
    const double xt = x(at);

    Figure f;
    struct Row {
        const char* title;
        const char* name;
        const char* unit;
        Curve curve;
        double value;
    };
    for (const Row& row : {Row{"Posição × tempo", "x", "m", sampled(x, from, to), xt},
                           Row{"Velocidade × tempo", "v", "m/s", sampled(dx, from, to), v.value()},
                           Row{"Aceleração × tempo", "a", "m/s²", sampled(ddx, from, to), a.value()}}) {
        Plot p = overTime(row.title, row.name, row.unit);
        p.curves = {row.curve};
        p.marks = {{{at, row.value}, said("t", at, "s") + "\n" + said(row.name, row.value, row.unit), 0}};
        add_plot(f, std::move(p), false, false);
    }
    if (f.note.empty())
        f.description = "Posição, velocidade e aceleração × tempo de t = " + number(from) + " s a " + number(to) +
                        " s; em " + said("t", at, "s") + ": " + said("x", xt, "m") + ", " +
                        said("v", v.value(), "m/s") + " e " + said("a", a.value(), "m/s²") + ".";
    return f;
}

Figure vertical_launch_figure(Real v0, Real g, Real top, Real hmax, Real h, Real t1, Real t2, Real total)
{
    const double speed = v0.value(), gravity = g.value(), end = total.value(), height = h.value();
    const double rise = std::min(t1.value(), t2.value()), fall = std::max(t1.value(), t2.value());
    const auto y = [=](double tau) { return speed * tau - gravity * tau * tau / 2; };

    Figure f;
    Plot p = overTime("Altura × tempo", "y", "m");
    p.curves = {sampled(y, 0, end), guide({0, height}, {end, height})};
    p.marks = {
        {{top.value(), hmax.value()}, said("ttopo", top.value(), "s") + "\n" + said("Hmáx", hmax.value(), "m"), 0},
        {{rise, height}, said("t1", rise, "s"), 0},
        {{fall, height}, said("t2", fall, "s"), 0},
        {{0, height}, said("h", height, "m"), 1}};
    add_plot(f, std::move(p), true, true);
    if (f.note.empty())
        f.description = "Altura × tempo: altura máxima " + number(hmax.value()) +
                        " m em ttopo = " + number(top.value()) + " s; a altura h = " + number(height) +
                        " m é cruzada em t1 = " + number(rise) + " s, na subida, e em t2 = " + number(fall) +
                        " s, na descida.";
    return f;
}


Figure average_motion_figure(const Outcome& out)
{
    return average_motion_figure(out.value("x0"), out.value("t0"), out.value("t"), out.value("v"), out.value("a"));
}

Figure cubic_motion_figure(const Outcome& out)
{
    return cubic_motion_figure(out.value("c1"), out.value("c2"), out.value("c3"), out.value("t"), out.value("v"),
                               out.value("a"));
}

Figure vertical_launch_figure(const Outcome& out)
{
    return vertical_launch_figure(out.value("v0"), out.value("g"), out.value("top"), out.value("hmax"),
                                  out.value("h"), out.value("t1"), out.value("t2"), out.value("total"));
}

} // namespace tavek
