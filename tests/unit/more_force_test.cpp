// The calculators of the second and third windows of further force and motion
// exercises (the incline with a hanging block, the block against a wall, the
// incline with friction and the climb up the whole plane).
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "kit/core/number.h"
#include "kit/core/outcome.h"
#include "topics/force/inclined_plane.h"
#include "topics/force/incline_friction.h"
#include "outcome_testing.h"
#include "worked_solution.h"

using tavek::Action;
using tavek::Cells;
using tavek::Fault;
using tavek::Outcome;

namespace {

using namespace outcome_testing;

// A label and the text it must end up with; nullopt: the label is not touched.
struct Line {
    const char* label;
    std::optional<std::string> text;
};

void expectLines(const Outcome& out, const std::vector<Line>& lines)
{
    for (const Line& l : lines) {
        SCOPED_TRACE(l.label);
        EXPECT_EQ(out.written(l.label), l.text);
    }
}

// A refused press: these messages in order, the focus on the last cell, nothing written.
struct Refusal {
    const char* name;
    Texts inputs;
    Texts messages;
    std::string focus;
};

void expectRefused(const Outcome& out, const Refusal& r)
{
    outcome_testing::expectRefused(out, r.messages, r.focus);
}

constexpr const char* kMassA = "Massa do bloco A inválida. Ajuste seus dados";
constexpr const char* kMassB = "Massa do bloco B inválida. Ajuste seus dados";
constexpr const char* kAngle = "Medida do ângulo inválida. Ajuste seus dados";
constexpr const char* kAngleAbove90 = "Ajuste a medida do ângulo";
constexpr const char* kMass = "Massa inválida. Ajuste seus dados";
constexpr const char* kStatic = "Ajuste o valor do coeficiente de atrito estático.";
constexpr const char* kKinetic = "Ajuste o valor do Coeficiente de Atrito cinético";
constexpr const char* kLength = "Medida do comprimento CA inválida. Ajuste seus dados";
constexpr const char* kVertical = "Divisão por zero. Ajuste seus dados";
constexpr const char* kNoMotion = "PA > PB - Não há movimentação do sistema";
constexpr const char* kASlidesDown = "PA > PB + FAT - O bloco A desce o plano";

constexpr const char* kRight = "|PB > PA | - Sistema se move da esquerda para direita";
constexpr const char* kLeft = "|PA > PB | - Sistema se move da direita para esquerda";
constexpr const char* kAtRest = "O atrito impede o movimento - Sistema em repouso";
constexpr const char* kBalanced = "|PA = PB | - Sistema em equilíbrio";
constexpr const char* kFrictionHolds = "PA + FAT ≥ PB - Não há movimentação do sistema";

// Masses for which B's weight equals the along-the-plane part of A's weight
// bit for bit at 30 degrees (mA = 1), and for which, with μ = 0.1 and mA = 10,
// B's weight exactly equals that part plus the friction.
constexpr const char* kBalancingMassB = "0.4997701026431024";
constexpr const char* kStallingMassB = "5.863859120836486";

double alongPlane(double mA, double degrees) { return std::sin(3.14 * degrees / 180) * (9.8 * mA); }

} // namespace

// ---------------------------------------------------------------- Form8, exercise 5

const std::vector<const char*> kCells5 = {"Edit1", "Edit2", "Edit3"};

struct Incline5 {
    const char* name;
    Texts inputs; // mA, mB, angle
    std::vector<Line> lines;
};

class MoreForce2Calculator5 : public ::testing::TestWithParam<Incline5> {};

TEST_P(MoreForce2Calculator5, Answers)
{
    const Incline5& c = GetParam();
    const Outcome out = pressing("form8.5")(fill(kCells5, c.inputs));
    EXPECT_TRUE(out.messages().empty());
    EXPECT_FALSE(out.fault.has_value());
    expectLines(out, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, MoreForce2Calculator5,
    ::testing::Values(
        Incline5{"BGoesDown", {"10", "10", "30"},
                 {{"Label18", "PX do Bloco A = 48.98 N"},
                  {"Label8", "Peso do Bloco B = 98.00 N"},
                  {"Label9", "Aceleração do sistema = 2.4511 m/s²"},
                  {"Label17", kRight},
                  {"Label10", "Tensão da corda = 73.4887 N"}}},
        Incline5{"ASlidesDown", {"20", "5", "60"},
                 {{"Label18", "PX do Bloco A = 169.69 N"},
                  {"Label8", "Peso do Bloco B = 49.00 N"},
                  {"Label9", "Aceleração do sistema = 4.8276 m/s²"},
                  {"Label17", kLeft},
                  {"Label10", "Tensão da corda = 73.1378 N"}}},
        // sin(3.14 / 2) is a hair under 1: A's pull is a hair under B's weight,
        // the same with two decimals, so the system is in balance.
        Incline5{"VerticalPlaneAccepted", {"1", "1", "90"},
                 {{"Label18", "PX do Bloco A = 9.80 N"},
                  {"Label8", "Peso do Bloco B = 9.80 N"},
                  {"Label9", "Aceleração do sistema = 0.0000 m/s²"},
                  {"Label17", kBalanced},
                  {"Label10", "Tensão da corda = 9.8000 N"}}},
        // The mended example: pulls equal as written are a balance, whose
        // rope carries B (the design wrote a direction for a = 0.0000).
        Incline5{"PullsEqualAsWrittenBalance", {"10", "10", "90"},
                 {{"Label18", "PX do Bloco A = 98.00 N"},
                  {"Label8", "Peso do Bloco B = 98.00 N"},
                  {"Label9", "Aceleração do sistema = 0.0000 m/s²"},
                  {"Label17", kBalanced},
                  {"Label10", "Tensão da corda = 98.0000 N"}}},
        // 48.98 against 49.00: close, but not equal as written.
        Incline5{"NearlyEqualPullsStillMove", {"10", "5", "30"},
                 {{"Label18", "PX do Bloco A = 48.98 N"},
                  {"Label8", "Peso do Bloco B = 49.00 N"},
                  {"Label9", "Aceleração do sistema = 0.0015 m/s²"},
                  {"Label17", kRight},
                  {"Label10", "Tensão da corda = 48.9925 N"}}},
        Incline5{"BlanksAroundNumbers", {" 10 ", "10  ", "  30"},
                 {{"Label18", "PX do Bloco A = 48.98 N"}, {"Label10", "Tensão da corda = 73.4887 N"}}},
        // Equal pulls: a balance (the design left direction and tension as they
        // were, a stale answer from an earlier press).
        Incline5{"EqualPullsBalance", {"1", kBalancingMassB, "30"},
                 {{"Label18", "PX do Bloco A = 4.90 N"},
                  {"Label8", "Peso do Bloco B = 4.90 N"},
                  {"Label9", "Aceleração do sistema = 0.0000 m/s²"},
                  {"Label17", kBalanced},
                  {"Label10", "Tensão da corda = 4.8977 N"}}}),
    caseName);

TEST(MoreForce2Calculator5Order, WeightsThenAccelerationThenDirectionAndTension)
{
    const Outcome out = pressing("form8.5")(fill(kCells5, {"10", "10", "30"}));
    EXPECT_EQ(writtenTargets(out), (std::vector<std::string>{"Label18", "Label8", "Label9", "Label17", "Label10"}));
}

TEST(MoreForce2Calculator5Order, BalancingMassReallyBalances)
{
    // The equality case above only means something if the two pulls are equal.
    EXPECT_EQ(9.8 * tavek::read_number(kBalancingMassB).value, alongPlane(1, 30));
}

class MoreForce2Calculator5Checks : public ::testing::TestWithParam<Refusal> {};

TEST_P(MoreForce2Calculator5Checks, Refused)
{
    const Refusal& r = GetParam();
    expectRefused(pressing("form8.5")(fill(kCells5, r.inputs)), r);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, MoreForce2Calculator5Checks,
    ::testing::Values(
        Refusal{"AllEmpty", {"", "", ""}, {kMassA, kMassB, kAngle}, "Edit3"},
        Refusal{"MassAZero", {"0", "10", "30"}, {kMassA}, "Edit1"},
        Refusal{"MassBNegative", {"10", "-0.5", "30"}, {kMassB}, "Edit2"},
        Refusal{"MassesBadAngleOk", {"-1", "0", "45"}, {kMassA, kMassB}, "Edit2"},
        Refusal{"AngleNegativeZero", {"10", "10", "-0"}, {kAngle}, "Edit3"},
        Refusal{"AngleAbove90", {"10", "10", "120"}, {kAngleAbove90}, "Edit3"},
        Refusal{"AngleJustAbove90", {"10", "10", "90.0001"}, {kAngleAbove90}, "Edit3"},
        Refusal{"EverythingWrong", {"0", "0", "120"}, {kMassA, kMassB, kAngleAbove90}, "Edit3"},
        // Malformed cells stop the press before any check runs.
        Refusal{"MalformedCells", {"1,,5", "", "30abc"}, {kInvalid, kInvalid}, "Edit3"},
        Refusal{"MalformedMassB", {"10", "2.5 kg", "30"}, {kInvalid}, "Edit2"}),
    caseName);

// ---------------------------------------------------------------- Form8, exercise 6

const std::vector<const char*> kCells6Wall = {"Edit4", "Edit5"};

struct Wall {
    const char* name;
    Texts inputs; // μ, m
    std::string force;
    std::string weight;
};

class MoreForce2Calculator6 : public ::testing::TestWithParam<Wall> {};

TEST_P(MoreForce2Calculator6, Answers)
{
    const Wall& c = GetParam();
    const Outcome out = pressing("form8.6")(fill(kCells6Wall, c.inputs));
    EXPECT_TRUE(out.messages().empty());
    EXPECT_EQ(writtenTargets(out), (std::vector<std::string>{"Label21", "Label22"}));
    EXPECT_EQ(out.written("Label21"), "Força miníma que deve ser exercida = " + c.force + " N");
    EXPECT_EQ(out.written("Label22"), "Peso do Bloco = " + c.weight + " N");
}

INSTANTIATE_TEST_SUITE_P(
    Worked, MoreForce2Calculator6,
    ::testing::Values(Wall{"HalfFriction", {"0.5", "10"}, "196.0000", "98.00"},
                      Wall{"FrictionOneAccepted", {"1", "10"}, "98.0000", "98.00"},
                      Wall{"SmallBlock", {"0.3", "0.25"}, "8.1667", "2.45"}),
    caseName);

class MoreForce2Calculator6Checks : public ::testing::TestWithParam<Refusal> {};

TEST_P(MoreForce2Calculator6Checks, Refused)
{
    const Refusal& r = GetParam();
    expectRefused(pressing("form8.6")(fill(kCells6Wall, r.inputs)), r);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, MoreForce2Calculator6Checks,
    ::testing::Values(
        // The mass is checked first although its cell comes second.
        Refusal{"AllEmpty", {"", ""}, {kMass, kStatic}, "Edit4"},
        Refusal{"FrictionAboveOne", {"1.2", "10"}, {kStatic}, "Edit4"},
        Refusal{"FrictionZero", {"0", "10"}, {kStatic}, "Edit4"},
        Refusal{"FrictionJustAboveOne", {"1.000001", "10"}, {kStatic}, "Edit4"},
        Refusal{"MassNegative", {"0.5", "-1"}, {kMass}, "Edit5"},
        Refusal{"MalformedFriction", {"0,,5", ""}, {kInvalid}, "Edit4"}),
    caseName);

TEST(MoreForce2Calculator6Fault, HugeForceOverflowsBeforeAnyLine)
{
    const Outcome out = pressing("form8.6")(fill(kCells6Wall, {"1e-300", "1e10"}));
    EXPECT_EQ(out.fault, Fault::Overflow);
    EXPECT_FALSE(out.wrote_anything());
}

// ---------------------------------------------------------------- Form9, exercise 6

const std::vector<const char*> kCells6Friction = {"Edit1", "Edit2", "Edit3", "Edit4"};

struct Friction6 {
    const char* name;
    Texts inputs; // μ, mA, mB, angle
    std::vector<Line> lines;
};

class MoreForce3Calculator6 : public ::testing::TestWithParam<Friction6> {};

TEST_P(MoreForce3Calculator6, Answers)
{
    const Friction6& c = GetParam();
    const Outcome out = pressing("form9.6")(fill(kCells6Friction, c.inputs));
    EXPECT_TRUE(out.messages().empty());
    EXPECT_FALSE(out.fault.has_value());
    expectLines(out, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, MoreForce3Calculator6,
    ::testing::Values(
        Friction6{"BGoesDown", {"0.1", "10", "10", "30"},
                  {{"Label17", kRight},
                   {"Label13", "Força de Atrito = 8.49 N"},
                   {"Label18", "PX do bloco A = 48.98 N    PY do bloco A =84.88 N"},
                   {"Label8", "Peso do bloco B = 98.00 N"},
                   {"Label9", "Aceleração do sistema = 2.03 m/s²"},
                   {"Label10", "Tensão da corda = 77.73 N"}}},
        Friction6{"ASlidesDown", {"0.2", "20", "5", "60"},
                  {{"Label17", kLeft},
                   {"Label13", "Força de Atrito = 19.62 N"},
                   {"Label18", "PX do bloco A = 169.69 N    PY do bloco A =98.09 N"},
                   {"Label8", "Peso do bloco B = 49.00 N"},
                   {"Label9", "Aceleração do sistema = 4.04 m/s²"},
                   {"Label10", "Tensão da corda = 69.21 N"}}},
        // Friction holds the system: at rest, and the rope carries B's weight.
        // The friction that acts is |PX − PB|, not its maximum μ PY = 84.88 N
        // the design wrote.
        Friction6{"FrictionHolds", {"1", "10", "10", "30"},
                  {{"Label17", kAtRest},
                   {"Label13", "Força de Atrito = 49.02 N"},
                   {"Label8", "Peso do bloco B = 98.00 N"},
                   {"Label9", "Aceleração do sistema = 0.00 m/s²"},
                   {"Label10", "Tensão da corda = 98.00 N"}}},
        // Friction coefficient 1 and a vertical plane are both accepted.
        Friction6{"LimitsAccepted", {"1", "1", "1", "90"},
                  {{"Label17", kAtRest},
                   {"Label13", "Força de Atrito = 0.00 N"},
                   {"Label18", "PX do bloco A = 9.80 N    PY do bloco A =0.01 N"},
                   {"Label9", "Aceleração do sistema = 0.00 m/s²"},
                   {"Label10", "Tensão da corda = 9.80 N"}}},
        // Equal pulls: friction holds, nothing moves.
        Friction6{"EqualPullsAtRest", {"0.1", "1", kBalancingMassB, "30"},
                  {{"Label17", kAtRest},
                   {"Label13", "Força de Atrito = 0.00 N"},
                   {"Label18", "PX do bloco A = 4.90 N    PY do bloco A =8.49 N"},
                   {"Label8", "Peso do bloco B = 4.90 N"},
                   {"Label9", "Aceleração do sistema = 0.00 m/s²"},
                   {"Label10", "Tensão da corda = 4.90 N"}}}),
    caseName);

TEST(MoreForce3Calculator6Order, DirectionFirstThenFrictionComponentsWeightAccelerationTension)
{
    const Outcome out = pressing("form9.6")(fill(kCells6Friction, {"0.1", "10", "10", "30"}));
    EXPECT_EQ(writtenTargets(out),
              (std::vector<std::string>{"Label17", "Label13", "Label18", "Label8", "Label9", "Label10"}));
}

class MoreForce3Calculator6Checks : public ::testing::TestWithParam<Refusal> {};

TEST_P(MoreForce3Calculator6Checks, Refused)
{
    const Refusal& r = GetParam();
    expectRefused(pressing("form9.6")(fill(kCells6Friction, r.inputs)), r);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, MoreForce3Calculator6Checks,
    ::testing::Values(
        Refusal{"AllEmpty", {"", "", "", ""}, {kKinetic, kMassA, kMassB, kAngle}, "Edit4"},
        Refusal{"FrictionAboveOne", {"1.5", "10", "10", "30"}, {kKinetic}, "Edit1"},
        Refusal{"FrictionNegative", {"-0.1", "10", "10", "30"}, {kKinetic}, "Edit1"},
        Refusal{"MassANegative", {"0.1", "-10", "10", "30"}, {kMassA}, "Edit2"},
        Refusal{"MassBZero", {"0.1", "10", "0", "30"}, {kMassB}, "Edit3"},
        // One message for either side of the angle range.
        Refusal{"AngleAbove90", {"0.1", "10", "10", "90.5"}, {kAngle}, "Edit4"},
        Refusal{"AngleZero", {"0.1", "10", "10", "0"}, {kAngle}, "Edit4"},
        Refusal{"FrictionAndAngle", {"2", "10", "10", "-30"}, {kKinetic, kAngle}, "Edit4"},
        Refusal{"MalformedFriction", {"0,,1", "10", "10", "30"}, {kInvalid}, "Edit1"},
        Refusal{"MalformedTwo", {"", "x", "", "3e"}, {kInvalid, kInvalid}, "Edit4"}),
    caseName);

// ---------------------------------------------------------------- Form9, exercise 7

const std::vector<const char*> kCells7 = {"Edit5", "Edit6", "Edit7", "Edit8", "Edit9"};

TEST(MoreForce3Calculator7, ClimbUpThePlane)
{
    const Outcome out = pressing("form9.7")(fill(kCells7, {"0.1", "10", "10", "30", "10"}));
    EXPECT_TRUE(out.messages().empty());
    EXPECT_FALSE(out.fault.has_value());
    expectLines(out, {{"Label24", "Comprimento CO =5.77 m"},
                      {"Label31", "Comprimento HIP =11.55 m"},
                      {"Label34", "Aceleração do sistema =2.03 m/s²"},
                      {"Label35", "Tensão nas cordas =77.73 N"},
                      {"Label36", "Força de atrito =8.49 N"},
                      // Resistant works are negative (the design wrote them positive).
                      {"Label37", "WPAY =-565.46 J"},
                      {"Label38", "WFAT =-98.00 J"},
                      {"Label39", "WPB =1131.43 J"},
                      {"Label40", "WTENSÃO =897.44 J"},
                      {"Label41", "Velocidade de A =6.84 m/s | Tempo de chegada =3.38 s"},
                      {"Label32", "PX do bloco A = 48.98 N    PY do bloco A =84.88 N"},
                      {"Label33", "Peso do bloco B =98.00 N"}});
    EXPECT_EQ(writtenTargets(out),
              (std::vector<std::string>{"Label24", "Label31", "Label34", "Label35", "Label36", "Label37", "Label38",
                                        "Label39", "Label40", "Label41", "Label32", "Label33"}));
}

TEST(MoreForce3Calculator7, SteepLightPlane)
{
    // μ = 1 is accepted; a heavy B still drags A up a 45-degree plane.
    const Outcome out = pressing("form9.7")(fill(kCells7, {"1", "1", "10", "45", "2"}));
    EXPECT_TRUE(out.messages().empty());
    EXPECT_FALSE(out.fault.has_value());
    expectLines(out, {{"Label24", "Comprimento CO =2.00 m"},
                      {"Label31", "Comprimento HIP =2.83 m"},
                      {"Label34", "Aceleração do sistema =7.65 m/s²"},
                      {"Label35", "Tensão nas cordas =21.51 N"},
                      {"Label36", "Força de atrito =6.93 N"},
                      {"Label37", "WPAY =-19.58 J"},
                      {"Label38", "WFAT =-19.60 J"},
                      {"Label39", "WPB =277.08 J"},
                      {"Label40", "WTENSÃO =60.81 J"},
                      {"Label41", "Velocidade de A =6.58 m/s | Tempo de chegada =0.86 s"},
                      {"Label32", "PX do bloco A = 6.93 N    PY do bloco A =6.93 N"},
                      {"Label33", "Peso do bloco B =98.00 N"}});
}

struct Halt7 {
    const char* name;
    Texts inputs; // μ, mA, mB, angle, CA
    Texts messages;
    std::optional<std::string> focus;
    std::optional<Fault> fault;
};

class MoreForce3Calculator7Halts : public ::testing::TestWithParam<Halt7> {};

// Every way the press can end without a single line written.
TEST_P(MoreForce3Calculator7Halts, NothingWritten)
{
    const Halt7& h = GetParam();
    const Outcome out = pressing("form9.7")(fill(kCells7, h.inputs));
    EXPECT_EQ(out.messages(), h.messages);
    EXPECT_EQ(out.last_focus(), h.focus);
    EXPECT_EQ(out.fault, h.fault);
    EXPECT_FALSE(out.wrote_anything());
}

INSTANTIATE_TEST_SUITE_P(
    Halts, MoreForce3Calculator7Halts,
    ::testing::Values(
        Halt7{"AllEmpty", {"", "", "", "", ""}, {kKinetic, kMassA, kMassB, kAngle, kLength}, "Edit9", {}},
        Halt7{"LengthZero", {"0.1", "10", "10", "30", "0"}, {kLength}, "Edit9", {}},
        Halt7{"FrictionAboveOne", {"1.01", "10", "10", "30", "10"}, {kKinetic}, "Edit5", {}},
        Halt7{"AngleAbove90", {"0.1", "10", "10", "91", "10"}, {kAngle}, "Edit8", {}},
        Halt7{"MassesNegative", {"0.1", "-1", "-1", "30", "10"}, {kMassA, kMassB}, "Edit7", {}},
        // A vertical plane passes the checks but has no base to measure along.
        Halt7{"VerticalPlane", {"0.1", "10", "10", "90", "10"}, {kVertical}, "Edit8", {}},
        // The vertical-plane message only comes once every check has passed.
        Halt7{"VerticalPlaneBadLength", {"0.1", "10", "10", "90", "-5"}, {kLength}, "Edit9", {}},
        // A's pull beats B and friction together: A slides down the plane (the
        // design said nothing moves), ...
        Halt7{"ASlidesBack", {"0.1", "20", "5", "60", "10"}, {kASlidesDown}, "Edit5", {}},
        // ... while friction that holds the difference leaves the design's message true.
        Halt7{"FrictionHoldsTheHeavierA", {"0.5", "20", "8", "30", "10"}, {kNoMotion}, "Edit5", {}},
        // B's weight exactly A's pull along the plane: nothing at all happens.
        Halt7{"EqualPulls", {"0.1", "1", kBalancingMassB, "30", "10"}, {}, {}, {}},
        // B outweighs A's pull but not pull and friction together: nothing moves.
        Halt7{"FrictionHoldsA", {"1", "10", "10", "30", "10"}, {kFrictionHolds}, "Edit5", {}},
        // ... friction taking up the difference exactly included.
        Halt7{"FrictionBalancesExactly", {"0.1", "10", kStallingMassB, "30", "10"}, {kFrictionHolds}, "Edit5", {}},
        Halt7{"MalformedLength", {"0.1", "10", "10", "30", "10m"}, {kInvalid}, "Edit9", {}},
        Halt7{"MalformedAllButLength", {"a", "b", "c", "d", "10"}, {kInvalid, kInvalid, kInvalid, kInvalid},
              "Edit8", {}}),
    caseName);

TEST(MoreForce3Calculator7, StallingMassReallyStalls)
{
    // The exact-balance case above only means something if a is exactly 0.
    const double mA = 10, mB = tavek::read_number(kStallingMassB).value, rad = 3.14 * 30 / 180;
    const double pb = 9.8 * mB, px = std::sin(rad) * (9.8 * mA), fat = 0.1 * (std::cos(rad) * (9.8 * mA));
    EXPECT_GT(pb, px);
    EXPECT_EQ(pb - px - fat, 0.0);
}

// ---------------------------------------------------------------- worked solutions

const Worked kWorked[] = {
    {"smooth incline moving right", pressing("form8.5"), fill(kCells5, {"10", "10", "30"})},
    {"smooth incline moving left", pressing("form8.5"), fill(kCells5, {"20", "5", "60"})},
    {"smooth incline balanced", pressing("form8.5"), fill(kCells5, {"1", kBalancingMassB, "30"})},
    {"block on the wall", pressing("form8.6"), fill(kCells6Wall, {"0.5", "10"})},
    {"gram on the wall", pressing("form8.6"), fill(kCells6Wall, {"0.001", "0.001"})},
    {"smooth incline in thousandths", pressing("form8.5"), fill(kCells5, {"0.001", "0.002", "0.001"})},
    {"smooth incline in millions", pressing("form8.5"), fill(kCells5, {"1e6", "3", "60"})},
    {"incline in thousandths", pressing("form9.6"), fill(kCells6Friction, {"0.001", "0.001", "0.002", "30"})},
    {"incline moving right", pressing("form9.6"), fill(kCells6Friction, {"0.1", "10", "10", "30"})},
    {"incline moving left", pressing("form9.6"), fill(kCells6Friction, {"0.2", "20", "5", "60"})},
    {"incline at rest", pressing("form9.6"), fill(kCells6Friction, {"1", "10", "10", "30"})},
    {"incline work", pressing("form9.7"), fill(kCells7, {"0.1", "5", "10", "30", "10"})},
    {"incline work of the statement", pressing("form9.7"), fill(kCells7, {"0.1", "10", "10", "30", "10"})},
    {"incline work in thousandths", pressing("form9.7"), fill(kCells7, {"0.001", "0.001", "0.002", "30", "0.001"})},
    {"incline work in millions", pressing("form9.7"), fill(kCells7, {"0.5", "1e6", "2e6", "45", "1e6"})},
};
INSTANTIATE_TEST_SUITE_P(MoreForce, WorkedSolution, testing::ValuesIn(kWorked), caseName);

// The sine has decimals enough for PX to come out of it again by hand.
TEST(MoreForce2Calculator5Solution, GivesPXByHand)
{
    EXPECT_TRUE(substitutes(pressing("form8.5")(fill(kCells5, {"20", "5", "60"})),
                            "PX = mA × g × sen θ = 20 × 9.8 × 0.86576 = 169.689 N ≈ 169.69 N"));
}

// At rest the window shows the friction that acts; the solution adds the most
// there could be.
TEST(MoreForce3Calculator6Solution, AtRestNamesTheMostFrictionCouldDo)
{
    const Outcome out = pressing("form9.6")(fill(kCells6Friction, {"1", "10", "10", "30"}));
    EXPECT_TRUE(substitutes(out, "Fat,máx = μ × PY = 1 × 84.88 = 84.88 N"));
    EXPECT_TRUE(substitutes(out, "Fat = |PX − PB| = |48.98 − 98.00| = 49.02 N"));
}
