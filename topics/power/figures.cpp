#include "topics/power/figures.h"

#include "kit/core/outcome.h"

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

} // namespace tavek
