#include "topics/launches/figures.h"

#include <cmath>

#include "kit/core/classroom.h"
#include "kit/core/outcome.h"

namespace tavek {

namespace {

Plot path(std::string title)
{
    Plot p;
    p.title = std::move(title);
    p.x = {"x", "m"};
    p.y = {"y", "m"};
    return p;
}

} // namespace

Figure dropped_missile_figure(Real v, Real h, Real g, Real t, Real d)
{
    constexpr int kDecimals = 4;
    const double speed = v.value(), height = h.value(), gravity = g.value();
    Figure f;
    Plot p = path("Trajetória do míssil");
    p.curves = {traced([=](double tau) { return speed * tau; },
                       [=](double tau) { return height - gravity * tau * tau / 2; }, 0, t.value())};
    p.marks = {{{0, height}, "soltura: " + labelled("y0", height, kDecimals, "m"), 0},
               {{d.value(), 0},
                "alvo: " + labelled("t", t.value(), kDecimals, "s") + "\n" + labelled("d", d.value(), kDecimals, "m"),
                0}};
    add_plot(f, std::move(p), true, true);
    if (f.note.empty())
        f.description = "Trajetória do míssil: cai de " + figure_number(height, kDecimals) + " m e atinge o alvo em " +
                        labelled("t", t.value(), kDecimals, "s") + ", a " + labelled("d", d.value(), kDecimals, "m") +
                        ".";
    return f;
}

Figure basketball_figure(Extended y0, Real v0, Real vy, Real cos, Real g, Real up, Real travel, double basketHeight,
                         double distance)
{
    constexpr int kDecimals = 4;
    // Beyond the double range the release height has no place on an axis.
    const double start = static_cast<double>(y0.wide());
    const double vx = v0.value() * cos.value(), rise = vy.value(), gravity = g.value();
    const auto x = [=](double tau) { return vx * tau; };
    const auto y = [=](double tau) { return start + rise * tau - gravity * tau * tau / 2; };
    const double end = travel.value(), top = up.value();

    Figure f;
    Plot p = path("Trajetória da bola até a cesta");
    p.curves = {traced(x, y, 0, end)};
    // The speed is the one whose path passes through the rim: the path ends
    // there, in the basket, drawn as a thing of its own.
    p.marks = {{{0, start}, "soltura: " + labelled("y0", start, kDecimals, "m"), 0},
               {{distance, basketHeight},
                "cesta: " + labelled("x", distance, 2, "m") + ", " + labelled("y", basketHeight, 2, "m") + "\n" +
                    labelled("t", end, kDecimals, "s"),
                -1}};
    const bool topFirst = top < end;
    if (topFirst)
        p.marks.insert(p.marks.begin() + 1, {{x(top), y(top)}, "topo: " + labelled("t", top, kDecimals, "s"), 0});
    add_plot(f, std::move(p), true, true);
    if (f.note.empty())
        f.description = "Trajetória da bola: sai a " + figure_number(start, kDecimals) + " m de altura com " +
                        labelled("v0", v0.value(), kDecimals, "m/s") +
                        (topFirst ? ", chega ao topo do arco em " + labelled("t", top, kDecimals, "s") + " e" : "") +
                        " passa pelo aro, a " + figure_number(distance, 2) + " m à frente e " +
                        figure_number(basketHeight, 2) + " m de altura, em " + labelled("t", end, kDecimals, "s") +
                        (topFirst ? "." : ", ainda subindo.");
    return f;
}

Figure drawn_angle_figure(Real degrees, Real radians, Real sin, Real v0, Real g)
{
    constexpr int kDecimals = 2;
    const double vx = v0.value() * std::cos(radians.value()), vy = v0.value() * sin.value();
    const double gravity = g.value();
    const auto x = [=](double tau) { return vx * tau; };
    const auto y = [=](double tau) { return vy * tau - gravity * tau * tau / 2; };
    // The ball reaches the rim at the top of its arc, when vy is spent.
    const double top = vy / gravity;
    const double d = x(top), rise = y(top);
    const std::string angle = labelled("θ", degrees.value(), 0, "°");

    Figure f;
    Plot p = path("Trajetória da bola até a cesta, no alto do arco");
    p.curves = {traced(x, y, 0, top)};
    p.marks = {
        {{0, 0}, "lançamento: " + angle + "\n" + labelled("v0", v0.value(), kDecimals, "m/s"), 0},
        {{d, rise}, "cesta: " + labelled("Δy", rise, kDecimals, "m") + "\n" + labelled("d", d, kDecimals, "m"), 0}};
    add_plot(f, std::move(p), true, true);
    if (f.note.empty())
        f.description = "Trajetória da bola lançada a " + figure_number(degrees.value(), 0) + "° com " +
                        labelled("v0", v0.value(), kDecimals, "m/s") + ": chega à cesta, " +
                        figure_number(rise, kDecimals) + " m acima do lançamento, no alto do arco, a " +
                        labelled("d", d, kDecimals, "m") + ".";
    return f;
}

Figure kicked_ball_figure(Real v0, Real radians, Real vy, Real g, Real hmax, Real time, Real range)
{
    constexpr int kDecimals = 2;
    const double vx = v0.value() * std::cos(radians.value()), up = vy.value(), gravity = g.value();
    const auto x = [=](double tau) { return vx * tau; };
    const auto y = [=](double tau) { return up * tau - gravity * tau * tau / 2; };
    const double end = time.value();
    const double xTop = x(end / 2);

    Figure f;
    Plot p = path("Trajetória da bola");
    p.curves = {traced(x, y, 0, end)};
    p.marks = {{{xTop, hmax.value()},
                "altura máxima " + figure_number(hmax.value(), kDecimals) +
                    " m\nem x = " + figure_number(xTop, kDecimals) + " m",
                0},
               {{range.value(), 0},
                "alcance " + figure_number(range.value(), kDecimals) + " m\n" + labelled("t", end, kDecimals, "s"),
                0}};
    add_plot(f, std::move(p), true, true);
    if (f.note.empty())
        f.description = "Trajetória: altura máxima " + figure_number(hmax.value(), kDecimals) +
                        " m em x = " + figure_number(xTop, kDecimals) + " m; alcance " +
                        figure_number(range.value(), kDecimals) + " m; tempo do percurso " +
                        figure_number(end, kDecimals) + " s.";
    return f;
}


Figure dropped_missile_figure(const Outcome& out)
{
    return dropped_missile_figure(out.value("v"), out.value("h"), out.value("g"), out.value("t"), out.value("d"));
}

Figure basketball_figure(const Outcome& out)
{
    // Beyond the double range the release height was never kept.
    const double y0 = out.has("y0") ? out.value("y0") : HUGE_VAL;
    return basketball_figure(y0, out.value("v0"), out.value("vy"), out.value("cos"), out.value("g"), out.value("up"),
                             out.value("travel"), classroom::basketHeight, classroom::basketDistance);
}

Figure drawn_angle_figure(const Outcome& out)
{
    return drawn_angle_figure(out.value("theta"), out.value("rad"), out.value("sin"), out.value("v0"),
                              classroom::g);
}

Figure kicked_ball_figure(const Outcome& out)
{
    return kicked_ball_figure(out.value("v0"), out.value("rad"), out.value("vy"), out.value("g"), out.value("hmax"),
                              out.value("t"), out.value("A"));
}

} // namespace tavek
