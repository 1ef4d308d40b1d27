#include "topics/power/figures.h"

#include "kit/core/outcome.h"

#include <cmath>
#include <numbers>

namespace tavek {

Figure elevator_figure(Real weight)
{
    Figure f;
    Body elevator;
    elevator.name = "Elevador";
    // At constant speed the cable pulls as hard as the weight.
    elevator.arrows = {force("T", weight.value(), 90, 2), force("P", weight.value(), 270, 2)};
    f.bodies = {elevator};
    f.note = "Velocidade constante: T = P.";
    size_arrows(f);
    f.description = forces_sentence(f, "velocidade constante, T = P");
    return f;
}

Figure incline_power_figure(Real degrees, Real px, Real py, Real friction)
{
    const double slope = degrees.value();
    // Up the plane at constant speed: the pull balances friction and the
    // weight's pull along the plane.
    const double pull = friction.value() + py.value();
    Figure f;
    Body block;
    block.name = "Bloco";
    block.support = Body::Support::Plane;
    block.tilt = slope;
    block.arrows = {component("PX", px.value(), slope - 90, 2), force("N", px.value(), slope + 90, 2),
                    component("PY", py.value(), slope + 180, 2), force("Fat", friction.value(), slope + 180, 4),
                    force("F", pull, slope, 4)};
    f.bodies = {block};
    f.note = "Velocidade constante: F = Fat + PY.";
    size_arrows(f);
    f.description = forces_sentence(f, "velocidade constante, F = Fat + PY");
    return f;
}

Figure power_table_figure(const std::vector<double>& powers)
{
    constexpr int kDecimals = 6;
    Figure f;
    if (powers.empty())
        return f;
    Plot p;
    p.title = "Potência × tempo";
    p.x = {"t", "s"};
    p.y = {"Pot", "W"};
    Curve c;
    c.points.reserve(powers.size());
    for (std::size_t i = 0; i < powers.size(); ++i)
        c.points.push_back({static_cast<double>(i + 1), powers[i]});
    // One dot a second while they stand apart; a line through them beyond.
    c.style = powers.size() <= 60 ? Curve::Style::Dots : Curve::Style::Line;
    const double n = static_cast<double>(powers.size());
    p.curves = {thinned(std::move(c), 1000)};
    p.marks = {
        {{n, powers.back()}, labelled("t", n, 0, "s") + "\n" + labelled("Pot", powers.back(), kDecimals, "W"), 0}};
    add_plot(f, std::move(p), true, true);
    if (f.note.empty())
        f.description = "Potência × tempo, de t = 1 s a " + figure_number(n, 0) + " s: em t = " + figure_number(n, 0) +
                        " s, " + labelled("Pot", powers.back(), kDecimals, "W") + ".";
    return f;
}


Figure elevator_figure(const Outcome& out) { return elevator_figure(out.value("P")); }

Figure incline_power_figure(const Outcome& out)
{
    return incline_power_figure(out.value("theta"), out.value("PX"), out.value("PY"), out.value("Fat"));
}

Figure power_table_figure(const Outcome& out)
{
    std::vector<double> powers; // each second's
    for (const Quantity& q : out.answers)
        if (std::string_view(q.answer->quantity) == "Pot")
            powers.push_back(q.value);
    return power_table_figure(powers);
}

Figure incline_power_statement_figure(const Outcome& out)
{
    constexpr double block = 22, pulley = 7;
    const double base = out.value("CA"), height = out.value("CO"), r = out.value("rad");
    // Drawn at the plane's own slope, CO over CA: not the answer's degrees,
    // which the classroom's 3.14 makes 0.05 % larger.
    const double degrees = r * 180 / std::numbers::pi;
    Sketch s;
    // The plane from A up to O over C, its angle named: it is asked.
    const Point top = add_plane(s, {}, degrees, base, "θ");
    add_line(s, Stroke::Kind::Ground, {shifted({{0, 0}}, -14, 0), shifted({{base, 0}}, 70, 0)});
    const Spot seat{{0.4 * base, 0.4 * height}};
    const Spot centre = add_block(s, seat, degrees, block, block, "");
    // The pulley at O and the device beyond it, on its stand, pulling the rope.
    const Spot wheel = shifted({top}, pulley - 1, pulley - 1);
    add_line(s, Stroke::Kind::Line, {{top}, wheel});
    add_line(s, Stroke::Kind::Rope, {block_side(centre, degrees, block, block, 0),
                                     shifted(wheel, -std::sin(r) * pulley, std::cos(r) * pulley),
                                     shifted(wheel, 0, pulley), shifted(wheel, 30, pulley)});
    s.strokes.push_back({Stroke::Kind::Pulley, {wheel}, pulley});
    s.strokes.push_back({Stroke::Kind::Solid, {shifted(wheel, 30, -4), shifted(wheel, 52, -4), shifted(wheel, 52, 18),
                                               shifted(wheel, 30, 18)}});
    add_line(s, Stroke::Kind::Line, {shifted(wheel, 56, -10), shifted(wheel, 56, 24)}); // the wall it is fixed to
    s.captions.push_back({shifted(wheel, 41, 18), "aparelho", {0, 1}});
    const Spot ahead = shifted(block_side(centre, degrees, block, block, 90), -std::sin(r) * 6, std::cos(r) * 6);
    s.pointers.push_back({ahead, named("v", 1, degrees, Arrow::Kind::Velocity)});
    s.captions.push_back({shifted({{0, 0}}, -3, 0), "A", {-1, 0}});
    s.captions.push_back({shifted({{base, 0}}, 2, -2), "C", {0.7, -0.7}});
    s.captions.push_back({shifted({top}, -4, 4), "O", {-0.7, 0.7}});
    s.dimensions.push_back({{{0, 0}}, {{base, 0}}, -18, "CA = " + stated(base, "m")});
    s.dimensions.push_back({{{base, 0}}, {top}, -22, "CO = " + stated(height, "m")});
    return sketched(std::move(s), "Um aparelho puxa um bloco com velocidade constante v, plano acima, por uma corda "
                                  "que passa por uma roldana no topo O; o plano tem base CA = " +
                                      stated(base, "m") + " e altura CO = " + stated(height, "m") +
                                      ", e θ é o seu ângulo de inclinação.");
}

Figure power_table_statement_figure(const Outcome& out)
{
    const double degrees = out.value("alpha");
    Sketch s;
    const Spot centre = add_pulled_block(s, named("F1", out.value("F1"), degrees));
    const Spot under = shifted(centre, -kPulledWidth / 2, -kPulledHeight / 2 - 16);
    s.pointers.push_back({under, named("v", out.value("v"), 0, Arrow::Kind::Velocity)});
    s.pointers.back().arrow.label = "v constante";
    return sketched(std::move(s), "A força F1, a " + stated(degrees, "°") +
                                      " da horizontal, puxa um bloco sobre uma superfície horizontal com velocidade "
                                      "constante.");
}

} // namespace tavek
