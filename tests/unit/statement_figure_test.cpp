// The figures beside the statements, drawn for each version's own numbers:
// every number in them is one the statement prints, angles and lengths are
// the version's, forces are in proportion, and it all stands inside its box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <numbers>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "kit/core/drawn_exercise.h"
#include "kit/core/figure_layout.h"
#include "kit/core/markup.h"
#include "kit/core/number.h"
#include "kit/core/outcome.h"
#include "topics/exercises.h"

using namespace tavek;

namespace {

// Every exercise whose drawing depends on its numbers; the others keep their
// window's picture, whose numbers are fixed (Form6's rope angles) or which
// shows no number nor proportion (three blocks in a row, an elevator).
const std::set<std::string> kDrawn = {"form4.1", "form4.2", "form5.3", "form5.4", "form6.2", "form8.5",
                                      "form8.6", "form9.6", "form9.7", "form10.2", "form11.3"};

struct Drawing {
    const ExerciseRecord* exercise;
    DrawnExercise drawn;
    Figure figure;
    const Outcome& out() const { return drawn.parts.front().outcome; }
    std::string id() const { return exercise->id; }
};

// Forty versions of each, from two lists.
const std::vector<Drawing>& drawings()
{
    static const std::vector<Drawing> all = [] {
        std::vector<Drawing> r;
        for (const ExerciseRecord* e : all_exercises()) {
            if (!e->statementFigure)
                continue;
            for (const int code : {4821, 1357}) {
                std::set<std::string> used;
                for (int version = 1; version <= 20; ++version) {
                    SeededRandom random(code, e->id, version);
                    DrawnExercise d = draw_exercise(*e, random, used);
                    Figure f = statement_figure(d);
                    r.push_back({e, std::move(d), std::move(f)});
                }
            }
        }
        return r;
    }();
    return all;
}

std::set<std::string> numbers(const std::string& text)
{
    static const std::regex number("[0-9]+([.,][0-9]+)?");
    std::set<std::string> r;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it)
        r.insert(it->str());
    return r;
}

double degreesOf(Point d) { return std::atan2(d.y, d.x) * 180 / std::numbers::pi; }

double angleApart(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

bool same(const Spot& a, const Spot& b)
{
    return a.at.x == b.at.x && a.at.y == b.at.y && a.px.x == b.px.x && a.px.y == b.px.y;
}

// The direction (degrees) of something drawn leaving `from` the way of
// `direction`: an arrow there, or a stroke's segment starting there (in the
// sketch's units, or in pixels where it has no length in them).
bool leaves(const Sketch& s, const Spot& from, double direction, double tolerance)
{
    for (const Pointer& p : s.pointers)
        if (same(p.at, from) && angleApart(p.arrow.direction, direction) < tolerance)
            return true;
    for (const Stroke& st : s.strokes) {
        const std::size_t n = st.points.size();
        // Each segment either way round; a solid's last closes it.
        for (std::size_t i = 0; i + 1 < n || (i + 1 == n && st.kind == Stroke::Kind::Solid); ++i)
            for (const auto& [a, b] : {std::pair{&st.points[i], &st.points[(i + 1) % n]},
                                       std::pair{&st.points[(i + 1) % n], &st.points[i]}}) {
                if (!same(*a, from))
                    continue;
                Point d{b->at.x - a->at.x, b->at.y - a->at.y};
                if (std::hypot(d.x, d.y) < 1e-12)
                    d = {b->px.x - a->px.x, b->px.y - a->px.y};
                if (angleApart(degreesOf(d), direction) < tolerance)
                    return true;
            }
    }
    return false;
}

TEST(StatementFigures, EveryExerciseWhoseDrawingDependsOnItsNumbersHasOne)
{
    std::set<std::string> drawn;
    for (const ExerciseRecord* e : all_exercises())
        if (e->statementFigure)
            drawn.insert(e->id);
    EXPECT_EQ(drawn, kDrawn);
}

TEST(StatementFigures, EveryNumberInThemIsOneTheStatementPrints)
{
    for (const Drawing& d : drawings()) {
        SCOPED_TRACE(d.id() + ": " + d.drawn.statement);
        ASSERT_FALSE(d.figure.sketch.empty());
        const std::set<std::string> stated = numbers(d.drawn.statement);
        std::vector<std::string> texts = d.figure.sketch.texts();
        texts.push_back(d.figure.description);
        for (const std::string& t : texts)
            for (const std::string& n : numbers(t)) {
                EXPECT_TRUE(stated.contains(n)) << "\"" << n << "\" in \"" << t << "\"";
                EXPECT_EQ(n.find('.'), std::string::npos) << "a decimal point in \"" << t << "\"";
            }
        // Nor any answer as the window writes it, with either mark.
        for (const Quantity& q : d.out().answers) {
            if (q.answer->isSentence())
                continue;
            std::string written = answer_number(q), comma = written;
            std::replace(comma.begin(), comma.end(), '.', ',');
            if (stated.contains(comma))
                continue; // an answer that is also a given's value
            for (const std::string& t : texts)
                for (const std::string& n : numbers(t))
                    EXPECT_TRUE(n != written && n != comma) << q.answer->quantity << " in \"" << t << "\"";
        }
        EXPECT_EQ(d.figure.description.back(), '.');
    }
}

// A figure writes v₀ and F₂ as the statement and the key do, never the
// calculator's names v0 and F2.
TEST(StatementFigures, QuantitiesAreNamedByTheStatementsSymbols)
{
    EXPECT_EQ(plain_symbol("F_{2}"), "F₂");
    EXPECT_EQ(plain_symbol("y_{0} + P_{X}"), "y₀ + PX");
    for (const Drawing& d : drawings()) {
        std::map<std::string, std::string> renamed;
        for (const Given& g : d.exercise->givens)
            if (g.symbol && plain_symbol(g.symbol) != g.name)
                renamed[g.name] = plain_symbol(g.symbol);
        for (const Answer& a : d.exercise->answers)
            if (a.symbol && plain_symbol(a.symbol) != a.quantity)
                renamed[a.quantity] = plain_symbol(a.symbol);
        std::vector<std::string> texts = d.figure.sketch.texts();
        texts.push_back(d.figure.description);
        // Words as the figure's reader splits them: the bytes of ₀ and é belong to one.
        for (const std::string& t : texts) {
            std::string w;
            for (const char c : t + " ") {
                if (std::isalnum(static_cast<unsigned char>(c)) || (c & 0x80)) {
                    w += c;
                    continue;
                }
                EXPECT_FALSE(renamed.contains(w)) << d.id() << ": \"" << w << "\" in \"" << t << "\"";
                w.clear();
            }
        }
    }
    // The words that are names are those whole words only: "velocidade v₀", not "v₀elocidade".
    const Drawing& missile = drawings().front();
    ASSERT_EQ(missile.id(), "form4.1");
    EXPECT_NE(missile.figure.description.find("velocidade v₀ a uma altura y₀ = "), std::string::npos)
        << missile.figure.description;
}

TEST(StatementFigures, AnglesAreTheVersionsAndDrawnAsTheySay)
{
    // The angle each figure marks: a given, or the one the statement fixes;
    // form10.2's is asked, and named only.
    struct Row {
        const char* given;
        double fixed;
    };
    const std::map<std::string, Row> marked = {
        {"form4.2", {nullptr, 45}},  {"form5.3", {"theta", 0}}, {"form5.4", {"theta", 0}},
        {"form6.2", {nullptr, 38}},  {"form8.5", {"theta", 0}}, {"form9.6", {"theta", 0}},
        {"form9.7", {"theta", 0}},   {"form10.2", {"theta", 0}}, {"form11.3", {"alpha", 0}},
    };
    for (const Drawing& d : drawings()) {
        SCOPED_TRACE(d.id() + ": " + d.drawn.statement);
        const Sketch& s = d.figure.sketch;
        const auto row = marked.find(d.id());
        if (row == marked.end()) {
            EXPECT_TRUE(s.angles.empty());
            continue;
        }
        ASSERT_EQ(s.angles.size(), 1u);
        const AngleMark& a = s.angles.front();
        const double expected = row->second.given ? d.out().value(row->second.given) : row->second.fixed;
        // The answer's angle comes out of π = 3,14: the drawing's is the plane's own.
        EXPECT_NEAR(a.to - a.from, expected, d.id() == "form10.2" ? 0.05 : 1e-9);
        EXPECT_EQ(a.from, 0);
        if (d.id() == "form10.2") {
            EXPECT_EQ(a.label, "θ");
        } else {
            std::string label = stated(expected, "°");
            std::replace(label.begin(), label.end(), '.', ',');
            EXPECT_EQ(a.label, label);
        }
        // Both its sides are drawn: a level or an edge, and the slope, the
        // pull or the launch (a path's first step, within a degree).
        EXPECT_TRUE(leaves(s, a.vertex, a.from, 1)) << "no level at the angle";
        EXPECT_TRUE(leaves(s, a.vertex, a.to, 1)) << "nothing drawn at " << a.to << "°";
    }
}

TEST(StatementFigures, LengthsAreToOneScaleTheirValuesAndTheKeys)
{
    // What each length marked measures, by its name: a value the statement
    // gives (in the label) or one the key works out (a name alone).
    const std::map<std::string, std::map<std::string, const char*>> named = {
        {"form9.7", {{"CO", "CO"}, {"HIP", "HIP"}}},
    };
    for (const Drawing& d : drawings()) {
        SCOPED_TRACE(d.id() + ": " + d.drawn.statement);
        for (const Dimension& dim : d.figure.sketch.dimensions) {
            EXPECT_TRUE(same({{}, dim.a.px}, {{}, dim.b.px})) << dim.label << ": pixels in its length";
            const double length = std::hypot(dim.b.at.x - dim.a.at.x, dim.b.at.y - dim.a.at.y);
            const std::set<std::string> n = numbers(dim.label);
            if (!n.empty()) {
                ASSERT_EQ(n.size(), 1u) << dim.label;
                EXPECT_NEAR(length, read_number(*n.begin()).value, 1e-9) << dim.label;
                continue;
            }
            const auto of = named.find(d.id());
            ASSERT_NE(of, named.end()) << dim.label;
            // The key's value comes out of π = 3,14: within a part in two hundred.
            EXPECT_NEAR(length / d.out().value(of->second.at(dim.label)), 1, 5e-3) << dim.label;
        }
    }
}

TEST(StatementFigures, ForcesAreInProportionAndTheValuesTheyStandFor)
{
    const std::map<std::string, std::map<std::string, const char*>> forces = {
        {"form6.2", {{"F₁", "F1"}, {"F₂", "F2"}}},
        {"form8.6", {{"F", "F"}, {"P", "P"}, {"Fat", "P"}}}, // friction holds the whole weight
        {"form11.3", {{"F₁", "F1"}}},
    };
    for (const Drawing& d : drawings()) {
        SCOPED_TRACE(d.id() + ": " + d.drawn.statement);
        double largest = 0;
        std::size_t count = 0;
        for (const Pointer& p : d.figure.sketch.pointers)
            if (p.arrow.kind == Arrow::Kind::Force) {
                largest = std::max(largest, p.arrow.magnitude);
                ++count;
            }
        const auto of = forces.find(d.id());
        ASSERT_EQ(count, of == forces.end() ? 0 : of->second.size());
        for (const Pointer& p : d.figure.sketch.pointers) {
            if (p.arrow.kind != Arrow::Kind::Force)
                continue;
            EXPECT_NEAR(p.arrow.magnitude, d.out().value(of->second.at(p.arrow.label)), 1e-9) << p.arrow.label;
            EXPECT_DOUBLE_EQ(p.arrow.length, std::max(p.arrow.magnitude / largest, kShortestForce)) << p.arrow.label;
        }
    }
}

// Texts a size like the painter's: 6 pixels a letter, 13 a line.
std::vector<Extent> sizes(const Sketch& s)
{
    std::vector<Extent> r;
    for (const std::string& t : s.texts())
        r.push_back({t.empty() ? 0.0 : 6.0 * static_cast<double>(t.size()) + 4, t.empty() ? 0.0 : 15.0});
    return r;
}

// Every point drawn, in the frame's pixels.
std::vector<Point> drawnPoints(const Sketch& s, const SketchFrame& f)
{
    std::vector<Point> r;
    for (const Stroke& st : s.strokes)
        for (const Spot& p : st.points)
            r.push_back(f.screen(p));
    for (const Pointer& p : s.pointers) {
        const PointerEnds e = pointer_ends(p, s.longest);
        r.push_back(f.screen(e.tail));
        r.push_back(f.screen(e.head));
    }
    for (const Dimension& dim : s.dimensions) {
        const DimensionLine l = dimension_line(dim);
        r.push_back(f.screen(l.a));
        r.push_back(f.screen(l.b));
    }
    return r;
}

TEST(StatementFigures, EverythingStandsInsideItsBoxAndTheTextsApart)
{
    for (const Drawing& d : drawings()) {
        SCOPED_TRACE(d.id() + ": " + d.drawn.statement);
        const Sketch& s = d.figure.sketch;
        const std::vector<Extent> texts = sizes(s);
        const Extent natural = sketch_size(s, texts, {312, 232}, {150, 90});
        EXPECT_LE(natural.w, 312);
        EXPECT_LE(natural.h, 232);
        // At its own size, and in a box of other proportions (a sketch of
        // pixels alone does not shrink: it is drawn at its size, then scaled).
        for (const Box box : {Box{4, 4, natural.w, natural.h}, Box{10, 20, natural.w * 2, natural.h * 1.3}}) {
            const SketchFrame f = lay_out_sketch(s, texts, box);
            const Box room{box.x - 0.5, box.y - 0.5, box.w + 1, box.h + 1};
            for (const Box& t : f.texts)
                EXPECT_TRUE(t.w == 0 || room.contains(t)) << t.x << ", " << t.y << " " << t.w << " × " << t.h;
            for (const Point p : drawnPoints(s, f))
                EXPECT_TRUE(p.x >= room.x && p.x <= room.right() && p.y >= room.y && p.y <= room.bottom())
                    << p.x << ", " << p.y;
            if (box.x != 4)
                continue;
            for (std::size_t i = 0; i < f.texts.size(); ++i)
                for (std::size_t j = 0; j < i; ++j)
                    EXPECT_FALSE(f.texts[i].intersects(f.texts[j])) << s.texts()[i] << " over " << s.texts()[j];
        }
    }
}

} // namespace
