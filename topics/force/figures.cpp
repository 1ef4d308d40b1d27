#include "topics/force/figures.h"

#include <cmath>

#include "kit/core/classroom.h"
#include "kit/core/outcome.h"

namespace tavek {

namespace {

constexpr double kRight = 0, kUp = 90, kLeft = 180, kDown = 270;

Body body(std::string name, Body::Support support = Body::Support::None, double tilt = 0)
{
    Body b;
    b.name = std::move(name);
    b.support = support;
    b.tilt = tilt;
    return b;
}

// Sizes the arrows and says what the system does, here and under the figure.
Figure finished(std::vector<Body> bodies, std::string_view tail, std::string note = {})
{
    Figure f;
    f.bodies = std::move(bodies);
    f.note = std::move(note);
    size_arrows(f);
    f.description = forces_sentence(f, tail);
    return f;
}

} // namespace

Figure rope_tensions_figure(Real weight, Real ta, Real tb)
{
    constexpr int d = 2;
    Body knot = body("Nó");
    knot.knot = true;
    knot.arrows = {force("TA", ta.value(), kLeft - classroom::ropeADegrees, d),
                   force("TB", tb.value(), classroom::ropeBDegrees, d),
                   force("TC", weight.value(), kDown, d)};
    Body block = body("Bloco");
    block.arrows = {force("TC", weight.value(), kUp, d), force("P", weight.value(), kDown, d)};
    return finished({knot, block}, "sistema em repouso", "Sistema em repouso: em cada corpo as forças se equilibram.");
}

Figure pulled_block_figure(Real f1, Real weight, Real f2, Real degrees, Real f2x, Real a)
{
    constexpr int d = 4;
    Body block = body("Bloco", Body::Support::Plane);
    block.arrows = {force("F1", f1.value(), kLeft, d),
                    force("F2", f2.value(), degrees.value(), d),
                    component("F2x", f2x.value(), kRight, d), force("P", weight.value(), kDown, d),
                    acceleration(a.value(), kRight, d)};
    return finished({block}, "F2x > F1: o bloco acelera para a direita com " + labelled("a", a.value(), d, "m/s²"));
}

Figure pulled_blocks_figure(Real f, Real t1, Real t2, Real a)
{
    constexpr int d = 4;
    // Along the floor: the weights, balanced by the floor, only give the masses.
    Body one = body("Bloco 1", Body::Support::Plane);
    one.arrows = {force("T2", t2.value(), kRight, d)};
    Body two = body("Bloco 2", Body::Support::Plane);
    two.arrows = {force("T1", t1.value(), kRight, d), force("T2", t2.value(), kLeft, d)};
    Body three = body("Bloco 3", Body::Support::Plane);
    three.arrows = {force("F", f.value(), kRight, d), force("T1", t1.value(), kLeft, d)};
    for (Body* b : {&one, &two, &three})
        b->arrows.push_back(acceleration(a.value(), kRight, d));
    if (!(a.value() > 0))
        return finished({one, two, three}, "sistema em repouso", "Sistema em repouso: sem força, nada acelera.");
    return finished({one, two, three}, "os blocos aceleram para a direita com " + labelled("a", a.value(), d, "m/s²"));
}

Figure hanging_block_pull_figure(Real pd, Real a, Real t1, Real t2, Real t3)
{
    constexpr int d = 4;
    const double acc = a.value();
    Body ba = body("Bloco A", Body::Support::Plane);
    ba.arrows = {force("T3", t3.value(), kRight, d), acceleration(acc, kRight, d)};
    Body bb = body("Bloco B", Body::Support::Plane);
    bb.arrows = {force("T2", t2.value(), kRight, d), force("T3", t3.value(), kLeft, d), acceleration(acc, kRight, d)};
    Body bc = body("Bloco C", Body::Support::Plane);
    bc.arrows = {force("T1", t1.value(), kRight, d), force("T2", t2.value(), kLeft, d), acceleration(acc, kRight, d)};
    Body bd = body("Bloco D");
    bd.arrows = {force("T1", t1.value(), kUp, d), force("PD", pd.value(), kDown, 2), acceleration(acc, kDown, d)};
    return finished({ba, bb, bc, bd},
                    "A, B e C aceleram para a direita e D desce com " + labelled("a", acc, d, "m/s²"));
}

Figure smooth_incline_figure(Real degrees, Real px, Real pb, Real a, Real t)
{
    constexpr int d = 4;
    const double slope = degrees.value();
    Body ba = body("Bloco A", Body::Support::Plane, slope);
    ba.arrows = {force("PX", px.value(), slope + 180, 2), force("T", t.value(), slope, d)};
    Body bb = body("Bloco B");
    bb.arrows = {force("T", t.value(), kUp, d), force("PB", pb.value(), kDown, 2)};
    const std::string acc = labelled("a", a.value(), d, "m/s²");
    // The calculator decides the balance on the pulls as it writes them, and
    // then leaves no acceleration at all.
    if (!(a.value() > 0))
        return finished({ba, bb}, "sistema em equilíbrio", "Sistema em equilíbrio: PX = PB.");
    if (px.value() < pb.value()) {
        ba.arrows.push_back(acceleration(a.value(), slope, d));
        bb.arrows.push_back(acceleration(a.value(), kDown, d));
        return finished({ba, bb}, "B desce e puxa A plano acima com " + acc);
    }
    ba.arrows.push_back(acceleration(a.value(), slope + 180, d));
    bb.arrows.push_back(acceleration(a.value(), kUp, d));
    return finished({ba, bb}, "A desce o plano e puxa B para cima com " + acc);
}

Figure block_on_wall_figure(Real f, Real weight)
{
    Body block = body("Bloco A", Body::Support::Wall);
    // The wall pushes back as hard as F; friction carries the whole weight.
    block.arrows = {force("F", f.value(), kRight, 4), force("N", f.value(), kLeft, 4),
                    force("Fat", weight.value(), kUp, 2), force("P", weight.value(), kDown, 2)};
    return finished({block}, "bloco em repouso: o atrito sustenta o peso",
                    "Bloco em repouso: o atrito Fat = μ × F sustenta o peso.");
}

Figure rough_incline_figure(Real degrees, Real px, Real py, Real fat, Real pb, Real a, Real t)
{
    constexpr int d = 2;
    const double slope = degrees.value(), acc = a.value();
    // Which way A goes, or would go without friction: friction opposes it.
    const bool up = pb.value() > px.value(), down = px.value() > pb.value();
    Body ba = body("Bloco A", Body::Support::Plane, slope);
    ba.arrows = {component("PX", px.value(), slope + 180, d), component("PY", py.value(), slope - 90, d),
                 force("N", py.value(), slope + 90, d), force("T", t.value(), slope, d)};
    if (up || down)
        ba.arrows.push_back(force("Fat", fat.value(), up ? slope + 180 : slope, d));
    Body bb = body("Bloco B");
    bb.arrows = {force("T", t.value(), kUp, d), force("PB", pb.value(), kDown, d)};
    if (!(acc > 0))
        return finished({ba, bb}, "sistema em repouso",
                        "Sistema em repouso: o atrito segura a diferença entre PX e PB.");
    ba.arrows.push_back(acceleration(acc, up ? slope : slope + 180, d));
    bb.arrows.push_back(acceleration(acc, up ? kDown : kUp, d));
    const std::string how = labelled("a", acc, d, "m/s²");
    return finished({ba, bb}, up ? "B desce e puxa A plano acima com " + how : "A desce o plano e puxa B com " + how);
}

Figure rope_tensions_figure(const Outcome& out)
{
    return rope_tensions_figure(out.value("P"), out.value("TA"), out.value("TB"));
}

Figure pulled_block_figure(const Outcome& out)
{
    return pulled_block_figure(out.value("F1"), out.value("P"), out.value("F2"), classroom::pullDegrees,
                               out.value("F2X"), out.value("a"));
}

Figure pulled_blocks_figure(const Outcome& out)
{
    return pulled_blocks_figure(out.value("F"), out.value("T1"), out.value("T2"), out.value("a"));
}

Figure hanging_block_pull_figure(const Outcome& out)
{
    return hanging_block_pull_figure(out.value("PD"), out.value("a"), out.value("T1"), out.value("T2"),
                                     out.value("T3"));
}

Figure smooth_incline_figure(const Outcome& out)
{
    return smooth_incline_figure(out.value("theta"), out.value("PX"), out.value("PB"), out.value("a"),
                                 out.value("T"));
}

Figure block_on_wall_figure(const Outcome& out) { return block_on_wall_figure(out.value("F"), out.value("P")); }

Figure rough_incline_figure(const Outcome& out)
{
    return rough_incline_figure(out.value("theta"), out.value("PX"), out.value("PY"), out.value("Fat"),
                                out.value("PB"), out.value("a"), out.value("T"));
}

namespace {

// The sketches' sizes, in pixels.
constexpr double kBlock = 22;      // a block on a plane
constexpr double kHanging = 20;    // a hanging block
constexpr double kPulley = 7;      // a pulley's radius

Point along(double degrees, double length)
{
    const Point d = unit_vector(degrees);
    return {d.x * length, d.y * length};
}

// Block A on a plane of `degrees` rising from (0, 0) over a base `base`
// long, `up` of the way up its slope (at its foot, just clear of it, for 0),
// tied by a rope over a pulley at the top to block B, hanging beside the
// plane.
struct Incline {
    Point top;
    Spot bottomOfB; // the middle of B's underside
};

Incline add_incline(Sketch& s, double degrees, double base, double up)
{
    Incline r;
    r.top = add_plane(s, {}, degrees, base, stated(degrees, "°"));
    const Point on = along(degrees, std::hypot(base, r.top.y) * up);
    const Point past = along(degrees, up > 0 ? 0 : kBlock / 2 + 2);
    const Spot a = add_block(s, {on, past}, degrees, kBlock, kBlock, "A");
    // On a bracket just beyond the top, clear of the plane's vertical face.
    const Spot pulley = shifted({r.top}, kPulley - 1, kPulley - 1);
    add_line(s, Stroke::Kind::Line, {{r.top}, pulley});
    const Point over = along(degrees + 90, kPulley);
    const Spot side = shifted(pulley, kPulley, 0), topOfB = shifted(side, 0, -18);
    add_line(s, Stroke::Kind::Rope, {block_side(a, degrees, kBlock, kBlock, 0), shifted(pulley, over.x, over.y)});
    add_line(s, Stroke::Kind::Rope, {side, topOfB});
    s.strokes.push_back({Stroke::Kind::Pulley, {pulley}, kPulley});
    r.bottomOfB = shifted(topOfB, 0, -kHanging);
    add_block(s, r.bottomOfB, 0, kHanging, kHanging, "B");
    return r;
}

std::string inclineSentence(double degrees, std::string_view friction)
{
    return "O bloco A, sobre um plano inclinado de " + stated(degrees, "°") + std::string(friction) +
           ", está ligado por uma corda, que passa por uma roldana no topo do plano, ao bloco B, pendurado ao lado "
           "do plano.";
}

// A plane of `degrees` on level ground, block A halfway up, B hanging.
Figure inclineSketch(double degrees, std::string_view friction)
{
    Sketch s;
    add_incline(s, degrees, 1, 0.45);
    add_line(s, Stroke::Kind::Ground, {shifted({{0, 0}}, -14, 0), shifted({{1, 0}}, 3 * kPulley + kHanging, 0)});
    return sketched(std::move(s), inclineSentence(degrees, friction));
}

} // namespace

Figure pulled_block_statement_figure(const Outcome& out)
{
    Sketch s;
    const double degrees = classroom::pullDegrees;
    const Spot centre = add_pulled_block(s, named("F2", out.value("F2"), degrees));
    s.pointers.push_back({block_side(centre, 0, kPulledWidth, kPulledHeight, 180), named("F1", out.value("F1"), 180)});
    return sketched(std::move(s), "Um bloco sobre um piso horizontal é puxado pela força F2, inclinada " +
                                      stated(degrees, "°") +
                                      " acima da horizontal, e a força horizontal F1 se opõe ao movimento; as setas "
                                      "em proporção às forças.");
}

Figure smooth_incline_statement_figure(const Outcome& out)
{
    return inclineSketch(out.value("theta"), ", sem atrito");
}

Figure rough_incline_statement_figure(const Outcome& out)
{
    return inclineSketch(out.value("theta"), ", com atrito");
}

Figure block_on_wall_statement_figure(const Outcome& out)
{
    constexpr double size = 32, reach = 84;
    Sketch s;
    s.longest = 64;
    // The wall at the block's right, the block pressed against it.
    const double wall = size / 2;
    const Spot bottom{{}, {wall, -reach}}, top{{}, {wall, reach}};
    s.strokes.push_back({Stroke::Kind::Solid, {bottom, shifted(bottom, 12, 0), shifted(top, 12, 0), top}});
    add_line(s, Stroke::Kind::Ground, {bottom, top});
    const Spot centre = add_block(s, {{}, {0, -size / 2}}, 0, size, size, "A");
    const double weight = out.value("P");
    s.pointers.push_back({block_side(centre, 0, size, size, 180), named("F", out.value("F"), 0), true});
    s.pointers.push_back({block_side(centre, 0, size, size, 270), named("P", weight, 270)});
    // Friction at the wall, upwards, as large as the weight it holds.
    s.pointers.push_back({block_side(centre, 0, size, size, 90), named("Fat", weight, 90)});
    return sketched(std::move(s), "O bloco A é empurrado contra uma parede vertical pela força horizontal F; o "
                                  "peso P e o atrito Fat, que o sustenta, na vertical; as setas em proporção às "
                                  "forças.");
}

Figure incline_climb_statement_figure(const Outcome& out)
{
    const double degrees = out.value("theta"), base = out.value("CA");
    const double height = out.value("CO"), slope = out.value("HIP");
    Sketch s;
    const Incline in = add_incline(s, degrees, base, 0); // A starts at the foot
    // B hangs free beside a ledge: below it the floor is as far down as A
    // will climb, and a little more.
    const Spot bottom = in.bottomOfB;
    const Spot end{{bottom.at.x, bottom.at.y - slope}, bottom.px};
    add_block(s, end, 0, kHanging, kHanging, "", Stroke::Kind::Guide);
    const Spot low = shifted({{base, end.at.y}}, 0, end.px.y - 5);
    add_line(s, Stroke::Kind::Ground, {shifted({{0, 0}}, -14, 0), {{base, 0}}, low,
                                       shifted(low, 3 * kPulley + kHanging + 8, 0)});
    s.dimensions.push_back({{{0, 0}}, {{base, 0}}, -16, "CA = " + stated(base, "m")});
    // CO inside the wedge: B hangs at its outer side.
    s.dimensions.push_back({{{base, 0}}, {{base, height}}, 10, "CO"});
    s.dimensions.push_back({{{0, 0}}, {in.top}, kBlock + 6, "HIP"});
    return sketched(std::move(s), "O bloco A, no pé de um plano inclinado de " + stated(degrees, "°") +
                                      ", de base CA = " + stated(base, "m") +
                                      ", altura CO e comprimento HIP, está ligado por uma corda, que passa por uma "
                                      "roldana no topo do plano, ao bloco B, pendurado livre ao lado do plano, com "
                                      "espaço para descer tanto quanto A sobe.");
}

} // namespace tavek
