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

namespace {

constexpr double kBall = 5; // pixels

// A path y(x) from x0 to x1, dashed.
template <class Y> void addPath(Sketch& s, Y&& y, double x0, double x1)
{
    const Curve c = traced([](double x) { return x; }, y, x0, x1, 48);
    std::vector<Spot> spots;
    for (const Point& p : c.points)
        spots.push_back({p});
    add_line(s, Stroke::Kind::Guide, std::move(spots));
}

// A basket's rim at `rim`, the board behind it and its post down to `floor`
// (the height its foot stands at), `below` pixels lower.
void addBasket(Sketch& s, Point rim, double floor, double below)
{
    add_line(s, Stroke::Kind::Line, {shifted({{rim.x, floor}}, 14, -below), shifted({rim}, 14, 30)});
    add_line(s, Stroke::Kind::Line, {shifted({rim}, 11, -6), shifted({rim}, 11, 28)});
    add_line(s, Stroke::Kind::Line, {shifted({rim}, -9, 0), shifted({rim}, 11, 0)});
    add_line(s, Stroke::Kind::Guide, {shifted({rim}, -8, 0), shifted({rim}, -4, -9), shifted({rim}, 4, -9),
                                      shifted({rim}, 8, 0)});
}

// The angle of a launch from `at`, over a level guide.
void addLaunchAngle(Sketch& s, Point at, double degrees)
{
    // A narrow angle's arc and text beyond the velocity's arrow, which would
    // cover them.
    const double radius = degrees < 35 ? 48 : 24;
    add_line(s, Stroke::Kind::Guide, {{at}, shifted({at}, radius + 16, 0)});
    s.angles.push_back({{at}, 0, degrees, stated(degrees, "°"), radius});
}

} // namespace

Figure dropped_missile_statement_figure(const Outcome& out)
{
    const double v = out.value("v"), h = out.value("h"), reach = out.value("d");
    Sketch s;
    add_line(s, Stroke::Kind::Ground, {shifted({{0, 0}}, -40, 0), shifted({{reach, 0}}, 30, 0)});
    addPath(s, [&](double x) { return h * (1 - (x / reach) * (x / reach)); }, 0, reach);
    // The aircraft, nose to the right, over the point it lets the missile go.
    const Spot craft{{0, h}};
    s.strokes.push_back({Stroke::Kind::Solid,
                         {shifted(craft, -22, 1), shifted(craft, 10, 1), shifted(craft, 16, 4), shifted(craft, 10, 7),
                          shifted(craft, -16, 7), shifted(craft, -22, 15), shifted(craft, -26, 15),
                          shifted(craft, -24, 5)}});
    s.strokes.push_back({Stroke::Kind::Ring, {shifted({{reach, 0}}, 0, 6)}, 5});
    s.pointers.push_back({shifted(craft, 20, 4), named("v", v, 0, Arrow::Kind::Velocity)});
    s.dimensions.push_back({{{0, 0}}, {{0, h}}, 34, "h = " + stated(h, "m")});
    return sketched(std::move(s), "Uma nave voa horizontalmente com velocidade v a uma altura h = " + stated(h, "m") +
                                      " e solta um míssil, que cai em curva até o alvo, no chão, mais adiante.");
}

Figure basketball_statement_figure(const Outcome& out)
{
    const double h = out.value("h");
    const double rimY = classroom::basketHeight, ahead = classroom::basketDistance;
    // Jumping: the feet off the floor, the hands over the head where the
    // ball leaves them, at the release height the solution works out.
    const double lift = 0.12 * h, hands = out.value("y0"), rise = out.value("dy");
    const Point release{0.2 * h, hands}, rim{release.x + ahead, rimY};
    // Through the rim at 45°: y = x − k x² from the hands.
    const double k = (ahead - rise) / (ahead * ahead);
    Sketch s;
    add_line(s, Stroke::Kind::Ground, {shifted({{-0.6 * h, 0}}, 0, 0), shifted({{rim.x, 0}}, 40, 0)});
    // The athlete: legs, body, arm up to the ball, head.
    const Point hip{0, lift + 0.5 * h}, shoulder{0, lift + 0.8 * h};
    add_line(s, Stroke::Kind::Line, {{{-0.12 * h, lift}}, {hip}, {{0.1 * h, lift}}});
    add_line(s, Stroke::Kind::Line, {{hip}, {shoulder}});
    add_line(s, Stroke::Kind::Line, {{{-0.1 * h, lift + 0.55 * h}}, {shoulder}, {release}});
    s.strokes.push_back({Stroke::Kind::Ring, {{{0, lift + 0.91 * h}}}, 6});
    addBasket(s, rim, 0, 0);
    addPath(s, [&](double x) { return release.y + (x - release.x) - k * (x - release.x) * (x - release.x); }, release.x,
            rim.x);
    s.strokes.push_back({Stroke::Kind::Ball, {{release}}, kBall});
    addLaunchAngle(s, release, 45);
    add_line(s, Stroke::Kind::Guide, {{{release.x, 0}}, {release}});
    add_line(s, Stroke::Kind::Guide, {{{rim.x, 0}}, {rim}});
    s.dimensions.push_back({{{-0.35 * h, lift}}, {{-0.35 * h, lift + h}}, 0, stated(h, "m")});
    s.dimensions.push_back({{{rim.x, 0}}, {rim}, -30, stated(rimY, "m")});
    s.dimensions.push_back({{{release.x, 0}}, {{rim.x, 0}}, -16, stated(ahead, "m")});
    return sketched(std::move(s), "Um atleta de " + stated(h, "m") +
                                      " de altura salta e lança a bola, acima da cabeça, a 45° com a horizontal; o "
                                      "aro está a " + stated(rimY, "m") + " do chão e a " + stated(ahead, "m") +
                                      " do ponto de lançamento, na horizontal.");
}

Figure drawn_angle_statement_figure(const Outcome& out)
{
    const double degrees = out.value("theta"), rise = classroom::rimRise;
    // The top of the arc, at the rim, as far ahead as the solution works out.
    const double ahead = out.value("d");
    Sketch s;
    const Point rim{ahead, rise};
    addBasket(s, rim, 0, 30);
    addPath(s, [&](double x) { return rise * (1 - (1 - x / ahead) * (1 - x / ahead)); }, 0, ahead);
    s.strokes.push_back({Stroke::Kind::Ball, {{}}, kBall});
    addLaunchAngle(s, {}, degrees);
    add_line(s, Stroke::Kind::Guide, {{}, shifted({{ahead, 0}}, 14, 0)});
    s.pointers.push_back({{}, named("v0", 1, degrees, Arrow::Kind::Velocity), false, true});
    s.dimensions.push_back({{{ahead, 0}}, {rim}, -30, stated(rise, "m")});
    s.captions.push_back({shifted({rim}, -12, 12), "alto do arco", {-1, 0}});
    return sketched(std::move(s), "A bola é lançada com velocidade v0 a " + stated(degrees, "°") +
                                      " com a horizontal e chega ao aro, " + stated(rise, "m") +
                                      " acima do ponto de lançamento, no alto da sua trajetória.");
}

Figure kicked_ball_statement_figure(const Outcome& out)
{
    const double v0 = out.value("v0"), degrees = out.value("theta"), reach = out.value("A");
    const double slope = std::tan(out.value("rad"));
    Sketch s;
    add_line(s, Stroke::Kind::Ground, {shifted({{0, 0}}, -30, -kBall), shifted({{reach, 0}}, 30, -kBall)});
    addPath(s, [&](double x) { return x * slope * (1 - x / reach); }, 0, reach);
    s.strokes.push_back({Stroke::Kind::Ball, {{}}, kBall});
    s.strokes.push_back({Stroke::Kind::Ball, {{{reach, 0}}}, kBall});
    addLaunchAngle(s, {}, degrees);
    s.pointers.push_back({{}, named("v0", v0, degrees, Arrow::Kind::Velocity), false, true});
    return sketched(std::move(s), "Uma bola é chutada do chão com velocidade inicial v0, a " + stated(degrees, "°") +
                                      " com a horizontal, e volta ao chão mais adiante.");
}

} // namespace tavek
