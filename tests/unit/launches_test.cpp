#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "kit/core/number.h"
#include "kit/core/outcome.h"
#include "kit/core/random.h"
#include "outcome_testing.h"
#include "topics/launches/launches.h"
#include "worked_solution.h"

using tavek::Cells;
using tavek::Fault;
using tavek::Outcome;
using tavek::RandomDraw;
using tavek::Real;

namespace {

using namespace outcome_testing;

// ---- Launches window, exercise 1: missile -------------------------------------

const std::string kHeightNegative = "Altura com medida negativa, ajuste seus dados";
const std::string kSpeedNegative = "Velocidade com valor negativo, ajuste seus dados";

std::string time1(const char* n) { return std::string("Tempo de chegada do míssil ao seu alvo = ") + n + " s"; }
std::string distance1(const char* n) { return std::string("Distância percorrida do míssil = ") + n + "m "; }

struct Missile {
    const char* v;
    const char* h;
    std::optional<std::string> label8;
    std::optional<std::string> label10;
};

} // namespace

TEST(LaunchesCalculator1, Answers)
{
    const std::vector<Missile> rows = {
        {"100", "490", time1("10.0000"), distance1("1000.0000")},
        {"200", "4.9", time1("1.0000"), distance1("200.0000")},
        {"50", "10", time1("1.4286"), distance1("71.4286")},
        {"1e-3", "1e-3", time1("0.0143"), distance1("0.0000")},
        {" 100 ", "+490", time1("10.0000"), distance1("1000.0000")},
    };
    for (const Missile& r : rows) {
        SCOPED_TRACE(std::string(r.v) + " / " + r.h);
        const Outcome out = pressing("form4.1")(Cells{{"Edit1", r.v}, {"Edit2", r.h}});
        EXPECT_TRUE(out.messages().empty());
        EXPECT_FALSE(out.fault);
        EXPECT_EQ(out.written("Label8"), r.label8);
        EXPECT_EQ(out.written("Label10"), r.label10);
        // The time comes first, then the distance.
        ASSERT_EQ(out.actions.size(), 2u);
        EXPECT_EQ(out.actions[0].target, "Label8");
        EXPECT_EQ(out.actions[1].target, "Label10");
    }
}

TEST(LaunchesCalculator1, ChecksAndSilentGuard)
{
    struct Case {
        const char* v;
        const char* h;
        Texts messages;
        std::optional<std::string> focus;
    };
    const std::vector<Case> cases = {
        {"0", "490", {}, std::nullopt},
        {"100", "0", {}, std::nullopt},
        {"", "", {}, std::nullopt},
        {"-0", "490", {}, std::nullopt},
        {"100", "-0", {}, std::nullopt},
        {"100", "-1", {kHeightNegative}, "Edit2"},
        {"0", "-1", {kHeightNegative}, "Edit2"},
        {"-1", "490", {kSpeedNegative}, "Edit1"},
        {"-1", "0", {kSpeedNegative}, "Edit1"},
        // Both wrong: height first, the focus ends on the speed.
        {"-1", "-1", {kHeightNegative, kSpeedNegative}, "Edit1"},
        {"-1e-300", "-5", {kHeightNegative, kSpeedNegative}, "Edit1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.v) + " / " + c.h);
        const Outcome out = pressing("form4.1")(Cells{{"Edit1", c.v}, {"Edit2", c.h}});
        expectRefused(out, c.messages, c.focus);
    }
}

TEST(LaunchesCalculator1, MalformedCellsStopBeforeTheChecks)
{
    struct Case {
        const char* v;
        const char* h;
        Texts messages;
        std::string focus;
    };
    const std::vector<Case> cases = {
        {"1,,5", "490", {kInvalid}, "Edit1"},
        {"100", "abc", {kInvalid}, "Edit2"},
        {"1,,5", "abc", {kInvalid, kInvalid}, "Edit2"},
        // A well-formed negative speed beside a malformed height gives no sign message.
        {"-5", "4 9", {kInvalid}, "Edit2"},
        {"-", "-1", {kInvalid}, "Edit1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.v) + " / " + c.h);
        const Outcome out = pressing("form4.1")(Cells{{"Edit1", c.v}, {"Edit2", c.h}});
        expectRefused(out, c.messages, c.focus);
    }
}

TEST(LaunchesCalculator1, Faults)
{
    // v * t overflows after the time was written.
    Outcome out = pressing("form4.1")(Cells{{"Edit1", "1e308"}, {"Edit2", "490"}});
    EXPECT_EQ(out.fault, Fault::Overflow);
    EXPECT_EQ(out.written("Label8"), time1("10.0000"));
    EXPECT_EQ(out.written("Label10"), std::nullopt);
    EXPECT_EQ(tavek::fault_text(*out.fault), "Floating point overflow.");

    // A typed number beyond the double range is an overflow of the reading.
    out = pressing("form4.1")(Cells{{"Edit1", "100"}, {"Edit2", "1e400"}});
    EXPECT_EQ(out.fault, Fault::Overflow);
    EXPECT_FALSE(out.wrote_anything());

    // The largest height still gives a time, and a small speed a distance.
    out = pressing("form4.1")(Cells{{"Edit1", "1e-100"}, {"Edit2", "1.7e308"}});
    EXPECT_FALSE(out.fault);
    EXPECT_TRUE(out.written("Label10"));
}

// ---- Launches window, exercise 2: basketball jump -----------------------------

namespace {

const std::string kAthleteNegative = "Altura do atleta negativa, ajuste seus dados";

struct Jump {
    const char* height;
    const char* v0;
    const char* kmh;
    const char* rise;
    const char* travel;
};

double number_after(const std::string& text, const std::string& prefix)
{
    EXPECT_EQ(text.rfind(prefix, 0), 0u) << text;
    std::string rest = text.substr(prefix.size());
    rest = rest.substr(0, rest.find_first_not_of("0123456789.-E+"));
    return tavek::read_number(rest).value;
}

} // namespace

TEST(LaunchesCalculator2, Answers)
{
    // The speed at 0.785 rad whose path passes through the rim, 4.39 m ahead
    // and 3.1 − 1.46 H above the hands; the rise is Vy / 9.8, up to the top of
    // the arc. The first three rows are the mended examples: the design's
    // speed put the top of the arc at the basket's height a few centimetres
    // ahead, never at the basket.
    const std::vector<Jump> rows = {
        {"2", "6.6980", "24.1127", "0.4831", "0.9265"},
        {"1.8", "6.9433", "24.9959", "0.5008", "0.8938"},
        // Released above the rim: the ball comes down through it.
        {"3", "5.7709", "20.7754", "0.4162", "1.0754"},
        {"1.5", "7.3677", "26.5238", "0.5314", "0.8423"},
        {"1", "8.2892", "29.8412", "0.5979", "0.7487"},
        {"1,5", "7.3677", "26.5238", "0.5314", "0.8423"}, // a decimal comma
    };
    for (const Jump& r : rows) {
        SCOPED_TRACE(r.height);
        const Outcome out = pressing("form4.2")(Cells{{"Edit3", r.height}});
        EXPECT_TRUE(out.messages().empty());
        EXPECT_FALSE(out.fault);
        EXPECT_EQ(out.written("Label16"), std::string("V0 = ") + r.v0 + "m/s ->" + r.kmh + " km/h");
        EXPECT_EQ(out.written("Label17"), std::string("Tempo de subida = ") + r.rise + "s ");
        EXPECT_EQ(out.written("Label18"), std::string("Tempo do percurso = ") + r.travel + "s ");
        ASSERT_EQ(out.actions.size(), 3u);
        EXPECT_EQ(out.actions[0].target, "Label16");
        EXPECT_EQ(out.actions[1].target, "Label17");
        EXPECT_EQ(out.actions[2].target, "Label18");
    }
}

TEST(LaunchesCalculator2, ReleaseExactlyAtTheRimHeight)
{
    // This height gives a release point that is the double nearest 3.1: the
    // rim is level with the hands, and a 45-degree throw lands there from
    // V0² = g Δx / sen 2θ (the design's speed came out 0 here).
    const double height = 2.1232876712328768;
    ASSERT_EQ(height + height * 46 / 100, 3.1);
    const Outcome out = pressing("form4.2")(Cells{{"Edit3", "2.1232876712328768"}});
    EXPECT_FALSE(out.fault);
    EXPECT_EQ(out.written("Label16"), "V0 = 6.5591m/s ->23.6128 km/h");
    EXPECT_EQ(out.written("Label17"), "Tempo de subida = 0.4731s ");
    EXPECT_EQ(out.written("Label18"), "Tempo do percurso = 0.9462s ");
    // Level with the hands, the ball takes twice the rise to come back down.
    EXPECT_NEAR(number_after(*out.written("Label18"), "Tempo do percurso = "),
                2 * number_after(*out.written("Label17"), "Tempo de subida = "), 1e-3);
}

TEST(LaunchesCalculator2, ChecksAndSilentGuard)
{
    struct Case {
        const char* height;
        Texts messages;
        std::optional<std::string> focus;
    };
    const std::vector<Case> cases = {
        {"", {}, std::nullopt},
        {"0", {}, std::nullopt},
        {"-0", {}, std::nullopt},
        {"-2", {kAthleteNegative}, "Edit3"},
        {"-1e-300", {kAthleteNegative}, "Edit3"},
        {"2,5.0", {kInvalid}, "Edit3"},
        {"-2,,5", {kInvalid}, "Edit3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        const Outcome out = pressing("form4.2")(Cells{{"Edit3", c.height}});
        expectRefused(out, c.messages, c.focus);
    }
}

TEST(LaunchesCalculator2, Faults)
{
    const Outcome out = pressing("form4.2")(Cells{{"Edit3", "1e400"}});
    EXPECT_EQ(out.fault, Fault::Overflow);
    EXPECT_FALSE(out.wrote_anything());
}

TEST(LaunchesCalculator2, HugeAthleteStillHasAnswers)
{
    // The release height passes the double range on the way (the hands far
    // above the rim), the speed (about 1e-153) and the travel time do not:
    // every line is written, no fault.
    for (const char* height : {"1e306", "4e306", "1e307", "1.7976931348623157e308"}) {
        SCOPED_TRACE(height);
        const Outcome out = pressing("form4.2")(Cells{{"Edit3", height}});
        EXPECT_FALSE(out.fault);
        ASSERT_EQ(out.actions.size(), 3u);
        EXPECT_EQ(out.written("Label16"), "V0 = 0.0000m/s ->0.0000 km/h");
        EXPECT_NE(out.written("Label18")->find("E+015"), std::string::npos) << *out.written("Label18");
    }
    EXPECT_EQ(pressing("form4.2")(Cells{{"Edit3", "1e308"}}).written("Label18"),
              "Tempo do percurso =  5.5E+0153s ");
}

// ---- More launch exercises, exercise 3: drawn angle ---------------------------

TEST(LaunchesAngleDraw, FirstSixPressesAfterStart)
{
    RandomDraw random;
    Real angle = 0.0;
    for (const char* expected : {"45", "61", "71", "67", "38", "72"}) {
        SCOPED_TRACE(expected);
        const Outcome out = outcome_testing::draw_launch_angle(random, angle);
        EXPECT_EQ(out.written("Label10"), expected);
        EXPECT_EQ(tavek::write_number(angle.value(), 0, 0), expected);
        // The angle is written first, then the speed button appears.
        ASSERT_EQ(out.actions.size(), 2u);
        EXPECT_EQ(out.actions[0].target, "Label10");
        EXPECT_EQ(out.actions[1].kind, tavek::Action::Kind::Show);
        EXPECT_EQ(out.actions[1].target, "Button2");
    }
}

TEST(LaunchesAngleDraw, SharesTheProgramSeed)
{
    RandomDraw shared, alone;
    shared.percentage(); // as a press of the rectilinear window's exercise 3 would
    Real a = 0.0, b = 0.0;
    outcome_testing::draw_launch_angle(shared, a);
    outcome_testing::draw_launch_angle(alone, b);
    EXPECT_EQ(b, Real(45.0));
    EXPECT_NE(a, b);
    RandomDraw replay;
    replay.percentage();
    EXPECT_EQ(a, Real(replay.angle()));
}

TEST(LaunchesCalculator3, SpeedForTheDrawnAngle)
{
    struct Row {
        double angle;
        const char* text;
    };
    const std::vector<Row> rows = {
        {45, "Velocidade Inicial = 7.33 m/s -> 26.39 km/h"},
        {26, "Velocidade Inicial = 11.83 m/s -> 42.57 km/h"},
        {88, "Velocidade Inicial = 5.19 m/s -> 18.67 km/h"},
        {61, "Velocidade Inicial = 5.93 m/s -> 21.34 km/h"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.angle);
        const Outcome out = outcome_testing::drawn_angle_speed(Real(r.angle));
        EXPECT_EQ(out.written("Label8"), r.text);
        EXPECT_FALSE(out.fault);
        // Pressing again without a new draw gives the same text.
        EXPECT_EQ(outcome_testing::drawn_angle_speed(Real(r.angle)).written("Label8"), r.text);
    }
}

TEST(LaunchesCalculator3, EveryDrawableAngleHasAFiniteSpeed)
{
    for (int angle = 26; angle <= 88; ++angle) {
        const Outcome out = outcome_testing::drawn_angle_speed(Real(angle));
        EXPECT_FALSE(out.fault) << angle;
        EXPECT_TRUE(out.written("Label8")) << angle;
    }
    // With no angle drawn there is no launch: the speed would divide by zero.
    EXPECT_EQ(outcome_testing::drawn_angle_speed(Real(0.0)).fault, Fault::DivisionByZero);
}

// ---- More launch exercises, exercise 4: kicked ball ---------------------------

namespace {

const std::string kSpeedNegative4 = "Velocidade negativa. Ajuste seus dados";
const std::string kAngle = "Ajuste medida do ângulo";

struct Kick {
    const char* v0;
    const char* alpha;
    const char* height;
    const char* time;
    const char* range;
};

} // namespace

TEST(LaunchesCalculator4, Answers)
{
    const std::vector<Kick> rows = {
        {"20", "45", "10.20", "2.89", "40.82"},
        // pi taken as 3.14 leaves a little range at 90 degrees.
        {"10", "90", "5.10", "2.04", "0.02"},
        {"10", "0", "0.00", "0.00", "0.00"},
        {"15", "30", "2.87", "1.53", "19.88"},
        // -0 passes the angle check; the height squares the sign away.
        {"10", "-0", "0.00", "-0.00", "-0.00"},
    };
    for (const Kick& r : rows) {
        SCOPED_TRACE(std::string(r.v0) + " / " + r.alpha);
        const Outcome out = pressing("form5.4")(Cells{{"Edit1", r.v0}, {"Edit2", r.alpha}});
        EXPECT_TRUE(out.messages().empty());
        EXPECT_FALSE(out.fault);
        EXPECT_EQ(out.written("Label12"), std::string("Altura máxima atingida pela bola = ") + r.height + " m");
        EXPECT_EQ(out.written("Label17"), std::string("Tempo do Percurso = ") + r.time + " s");
        EXPECT_EQ(out.written("Label16"), std::string("Alcance horizontal = ") + r.range + " m");
        ASSERT_EQ(out.actions.size(), 3u);
        EXPECT_EQ(out.actions[0].target, "Label12");
        EXPECT_EQ(out.actions[1].target, "Label17");
        EXPECT_EQ(out.actions[2].target, "Label16");
    }
}

TEST(LaunchesCalculator4, ChecksAndSilentGuard)
{
    struct Case {
        const char* v0;
        const char* alpha;
        Texts messages;
        std::optional<std::string> focus;
    };
    const std::vector<Case> cases = {
        {"0", "45", {}, std::nullopt},
        {"", "", {}, std::nullopt},
        {"-0", "45", {}, std::nullopt},
        {"10", "90.5", {kAngle}, "Edit2"},
        {"10", "-0.1", {kAngle}, "Edit2"},
        {"0", "100", {kAngle}, "Edit2"},
        {"-1", "45", {kSpeedNegative4}, "Edit1"},
        {"-1", "90", {kSpeedNegative4}, "Edit1"},
        // Both wrong: speed first, the focus ends on the angle.
        {"-1", "100", {kSpeedNegative4, kAngle}, "Edit2"},
        {"-1", "-1", {kSpeedNegative4, kAngle}, "Edit2"},
        // Malformed cells: only the invalid-value message, cell by cell.
        {"1,,5", "45", {kInvalid}, "Edit1"},
        {"-1", "4S", {kInvalid}, "Edit2"},
        {"abc", "1..5", {kInvalid, kInvalid}, "Edit2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.v0) + " / " + c.alpha);
        const Outcome out = pressing("form5.4")(Cells{{"Edit1", c.v0}, {"Edit2", c.alpha}});
        expectRefused(out, c.messages, c.focus);
    }
}

TEST(LaunchesCalculator4, Faults)
{
    // Vy squared overflows before anything is written.
    Outcome out = pressing("form5.4")(Cells{{"Edit1", "1e200"}, {"Edit2", "45"}});
    EXPECT_EQ(out.fault, Fault::Overflow);
    EXPECT_FALSE(out.wrote_anything());

    // At 30 degrees V0 squared is beyond the double range on the way, but
    // the range itself fits: every line is written.
    out = pressing("form5.4")(Cells{{"Edit1", "1.5e154"}, {"Edit2", "30"}});
    EXPECT_FALSE(out.fault);
    EXPECT_EQ(out.written("Label16"), "Alcance horizontal =  2.0E+0307 m");

    // At 10 degrees the height and the time fit, the range does not.
    out = pressing("form5.4")(Cells{{"Edit1", "8e154"}, {"Edit2", "10"}});
    EXPECT_EQ(out.fault, Fault::Overflow);
    EXPECT_TRUE(out.written("Label12"));
    EXPECT_TRUE(out.written("Label17"));
    EXPECT_EQ(out.written("Label16"), std::nullopt);

    out = pressing("form5.4")(Cells{{"Edit1", "1e400"}, {"Edit2", "45"}});
    EXPECT_EQ(out.fault, Fault::Overflow);
    EXPECT_FALSE(out.wrote_anything());
}

// ---- Worked solutions ---------------------------------------------------------

namespace {

Outcome firstDraw(const Cells&)
{
    RandomDraw random;
    Real angle = 0.0;
    return outcome_testing::draw_launch_angle(random, angle);
}

Outcome secondDraw(const Cells&)
{
    RandomDraw random;
    Real angle = 0.0;
    outcome_testing::draw_launch_angle(random, angle);
    return outcome_testing::draw_launch_angle(random, angle);
}

const Worked kWorkedLaunches[] = {
    {"missile", pressing("form4.1"), fill({"Edit1", "Edit2"}, {"100", "490"})},
    {"missile in thirds", pressing("form4.1"), fill({"Edit1", "Edit2"}, {"50", "10"})},
    {"missile in thousandths", pressing("form4.1"), fill({"Edit1", "Edit2"}, {"0.001", "0.001"})},
    {"jump below the basket", pressing("form4.2"), fill({"Edit3"}, {"2"})},
    {"jump of a shorter athlete", pressing("form4.2"), fill({"Edit3"}, {"1.8"})},
    {"jump above the basket", pressing("form4.2"), fill({"Edit3"}, {"3"})},
    {"jump of a tiny athlete", pressing("form4.2"), fill({"Edit3"}, {"0.001"})},
    {"jump of a giant", pressing("form4.2"), fill({"Edit3"}, {"1e6"})},
    {"angle drawn", firstDraw, {}},
    {"angle drawn again", secondDraw, {}},
    {"speed at 45", [](const Cells&) { return outcome_testing::drawn_angle_speed(Real(45)); }, {}},
    {"speed at 61", [](const Cells&) { return outcome_testing::drawn_angle_speed(Real(61)); }, {}},
    {"speed at 26", [](const Cells&) { return outcome_testing::drawn_angle_speed(Real(26)); }, {}},
    {"speed at 88", [](const Cells&) { return outcome_testing::drawn_angle_speed(Real(88)); }, {}},
    {"kick at 45", pressing("form5.4"), fill({"Edit1", "Edit2"}, {"20", "45"})},
    {"kick at 30", pressing("form5.4"), fill({"Edit1", "Edit2"}, {"15", "30"})},
    {"kick at 90", pressing("form5.4"), fill({"Edit1", "Edit2"}, {"10", "90"})},
    {"kick in thousandths", pressing("form5.4"), fill({"Edit1", "Edit2"}, {"0.001", "0.001"})},
    {"kick in millions", pressing("form5.4"), fill({"Edit1", "Edit2"}, {"1e6", "45"})},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Launches, WorkedSolution, testing::ValuesIn(kWorkedLaunches), caseName);

// The radians carry enough decimals that the sine of the number shown is the
// sine shown.
TEST(LaunchesSolution, SineOfTheWrittenRadians)
{
    const Outcome out = pressing("form5.4")(Cells{{"Edit1", "15"}, {"Edit2", "30"}});
    EXPECT_EQ(tavek::to_plain(out.solution.substitutions.at(1)), "sen θ = sen(θrad) = sen(0.523333) = 0.499770");
}

// The jump's closing sentence tells which way the ball crosses the rim; the
// drawn angle's gives the distance the shot works from.
TEST(LaunchesSolution, ClosingSentencesAreTrue)
{
    auto last = [](const Outcome& out) { return tavek::to_plain(out.solution.remarks.back()); };
    EXPECT_NE(last(pressing("form4.2")(Cells{{"Edit3", "2"}})).find("já descendo"), std::string::npos);
    // A short athlete's ball still rises through the rim: its top lies beyond.
    EXPECT_NE(last(pressing("form4.2")(Cells{{"Edit3", "0.5"}})).find("ainda subindo"), std::string::npos);
    EXPECT_TRUE(substitutes(outcome_testing::drawn_angle_speed(Real(45)), "d = 2 × Δy / tg θ = 2 × 1.37 / 0.999204 = 2.74 m"));
}
