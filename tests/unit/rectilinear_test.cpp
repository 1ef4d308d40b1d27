#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "kit/core/number.h"
#include "kit/core/random.h"
#include "topics/rectilinear/rectilinear.h"
#include "outcome_testing.h"
#include "worked_solution.h"

using namespace tavek;

using namespace outcome_testing;

// ---------------------------------------------------------------- exercise 1

struct AverageCase {
    const char* name;
    const char* x0;
    const char* x;
    const char* t0;
    const char* t;
    std::vector<std::string> messages;
    std::optional<std::string> focus;
    std::optional<std::string> velocity;     // Edit5, when written
    std::optional<std::string> acceleration; // Edit6, when written
    std::optional<Fault> fault = std::nullopt;
};

class AverageVelocity : public testing::TestWithParam<AverageCase> {};

TEST_P(AverageVelocity, MessagesFocusAndAnswers)
{
    const AverageCase& c = GetParam();
    const Outcome out =
        pressing("form2.1")(cellsOf({{"Edit1", c.x0}, {"Edit2", c.x}, {"Edit3", c.t0}, {"Edit4", c.t}}));
    EXPECT_EQ(out.messages(), c.messages);
    EXPECT_EQ(out.last_focus(), c.focus);
    EXPECT_EQ(out.written("Edit5"), c.velocity);
    EXPECT_EQ(out.written("Edit6"), c.acceleration);
    EXPECT_EQ(out.fault, c.fault);
    if (c.velocity && c.acceleration) {
        EXPECT_EQ(writtenTargets(out), (std::vector<std::string>{"Edit5", "Edit6"}));
    }
}

const std::string kXo = "Xo com valor negativo, ajuste seu valor";
const std::string kX = "X com valor negativo, ajuste seu valor";
const std::string kTo = "To com valor negativo, ajuste seu valor";
const std::string kT = "T com valor negativo, ajuste seu valor";
const std::string kZero = "Divisão por zero, ajuste seu valores";

// The accelerations are those of a particle starting from rest with a constant
// acceleration, 2 (X − Xo) / (t − to)²: the first two rows are the mended
// worked examples (twice the design's (X − Xo) / (t − to)²).
INSTANTIATE_TEST_SUITE_P(
    Rectilinear, AverageVelocity,
    testing::Values(
        AverageCase{"Forward", "0", "10", "0", "2", {}, {}, "5.0000 m/s", "5.0000 m/s²"},
        AverageCase{"FinalInstantBeforeInitial", "0", "10", "3", "1", {}, {}, "-5.0000 m/s", "5.0000 m/s²"},
        AverageCase{"Thirds", "0", "1", "0", "3", {}, {}, "0.3333 m/s", "0.2222 m/s²"},
        AverageCase{"BackwardsMotion", "12.5", "2.5", "1", "5", {}, {}, "-2.5000 m/s", "-1.2500 m/s²"},
        AverageCase{"BlanksAroundNumbers", " 0", "10 ", "  0  ", "2", {}, {}, "5.0000 m/s", "5.0000 m/s²"},
        AverageCase{"Exponents", "0", "1e3", "0", "1E1", {}, {}, "100.0000 m/s", "20.0000 m/s²"},
        AverageCase{"EmptyCellsDivideByZero", "", "", "", "", {kZero}, "Edit3", {}, {}},
        AverageCase{"EqualInstants", "1", "9", "4", "4", {kZero}, "Edit3", {}, {}},
        AverageCase{"NegativeZeroIsNotNegative", "-0", "-0", "-0", "0", {kZero}, "Edit3", {}, {}},
        AverageCase{"NegativeZeroDisplacement", "0", "-0", "0", "1", {}, {}, "-0.0000 m/s", "-0.0000 m/s²"},
        AverageCase{"XoAndTNegative", "-1", "10", "0", "-2", {kXo, kT}, "Edit4", {}, {}},
        AverageCase{"AllFourNegative", "-1", "-2", "-3", "-4", {kXo, kX, kTo, kT}, "Edit4", {}, {}},
        AverageCase{"OnlyXNegative", "0", "-0.0001", "0", "2", {kX}, "Edit2", {}, {}},
        AverageCase{"OnlyToNegative", "0", "5", "-1", "2", {kTo}, "Edit3", {}, {}},
        // The division check waits for the sign checks: a negative value and
        // equal instants give only the sign message.
        AverageCase{"SignBeforeDivision", "-5", "1", "2", "2", {kXo}, "Edit1", {}, {}},
        AverageCase{"MalformedCellsStopBeforeChecks", "-3", "1,5.2", "x", "2", {kInvalid, kInvalid}, "Edit3", {}, {}},
        AverageCase{"TrailingGarbage", "0", "3.14abc", "0", "1", {kInvalid}, "Edit2", {}, {}},
        AverageCase{"LoneMinus", "-", "1", "0", "1", {kInvalid}, "Edit1", {}, {}},
        AverageCase{"DecimalCommas", "0", "12,5", "0,5", "2,5", {}, {}, "6.2500 m/s", "6.2500 m/s²"},
        AverageCase{"LonePointIsZero", ".", "5.", "0", ".5", {}, {}, "10.0000 m/s", "40.0000 m/s²"},
        AverageCase{"VelocityOverflows", "0", "1e308", "0", "1e-300", {}, {}, {}, {}, Fault::Overflow},
        AverageCase{"TypedNumberTooLarge", "0", "1e400", "0", "1", {}, {}, {}, {}, Fault::Overflow}),
    caseName);

// A velocity near the top of the double range whose acceleration overflows:
// both answers are computed before either is written, so neither cell changes.
TEST(AverageVelocityFault, AccelerationOverflowWritesNothing)
{
    const Outcome out = pressing("form2.1")(
        cellsOf({{"Edit1", "0"}, {"Edit2", "1e300"}, {"Edit3", "0"}, {"Edit4", "1e-5"}}));
    ASSERT_EQ(out.fault, Fault::Overflow);
    EXPECT_FALSE(out.wrote_anything());
    EXPECT_TRUE(out.messages().empty());
}

// ---------------------------------------------------------------- exercise 2

struct CubicCase {
    const char* name;
    const char* c1;
    const char* c2;
    const char* c3;
    const char* t;
    std::vector<std::string> messages;
    std::optional<std::string> velocity;     // Edit11
    std::optional<std::string> acceleration; // Edit12
    std::optional<Fault> fault = std::nullopt;
};

class CubicPosition : public testing::TestWithParam<CubicCase> {};

TEST_P(CubicPosition, Derivatives)
{
    const CubicCase& c = GetParam();
    const Outcome out =
        pressing("form2.2")(cellsOf({{"Edit7", c.c1}, {"Edit8", c.c2}, {"Edit9", c.c3}, {"Edit10", c.t}}));
    EXPECT_EQ(out.messages(), c.messages);
    EXPECT_EQ(out.written("Edit11"), c.velocity);
    EXPECT_EQ(out.written("Edit12"), c.acceleration);
    EXPECT_EQ(out.fault, c.fault);
    if (c.velocity && c.acceleration) {
        EXPECT_EQ(writtenTargets(out), (std::vector<std::string>{"Edit11", "Edit12"}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rectilinear, CubicPosition,
    testing::Values(
        CubicCase{"Worked", "", "2", "1", "2", {}, "14.0000 m/s", "12.0000 m/s²"},
        CubicCase{"ConstantTermDropsOut", "1000", "2", "1", "2", {}, "14.0000 m/s", "12.0000 m/s²"},
        CubicCase{"NegativeConstantTermDropsOut", "-7.5", "2", "1", "2", {}, "14.0000 m/s", "12.0000 m/s²"},
        CubicCase{"AllEmpty", "", "", "", "", {}, "0.0000 m/s", "0.0000 m/s²"},
        CubicCase{"NegativesComputed", "5", "-1", "-2", "-3", {}, "-55.0000 m/s", "36.0000 m/s²"},
        CubicCase{"Fractions", "0", "0.5", "0.25", "1.5", {}, "2.1875 m/s", "2.2500 m/s²"},
        CubicCase{"NegativeZeroAcceleration", "", "", "-0", "1", {}, "0.0000 m/s", "-0.0000 m/s²"},
        CubicCase{"HalfRoundsAway", "", "0.00005", "", "", {}, "0.0001 m/s", "0.0000 m/s²"},
        CubicCase{"MalformedConstantTerm", "1,,5", "2", "1", "2", {kInvalid}, {}, {}},
        CubicCase{"EveryMalformedCellReported", "a", "b", "c", "d", {kInvalid, kInvalid, kInvalid, kInvalid}, {}, {}},
        CubicCase{"Overflow", "", "", "1e300", "1e10", {}, {}, {}, Fault::Overflow},
        // 3·c3 and 6·c3 pass the double range on the way; the answers do not.
        CubicCase{"LargeCoefficientSmallInstant", "", "", "1e308", "1e-5", {}, " 3.0E+0298 m/s", " 6.0E+0303 m/s²"},
        CubicCase{"TypedNumberTooLarge", "", "1e400", "", "", {}, {}, {}, Fault::Overflow}),
    caseName);

TEST(CubicPositionFocus, LastMalformedCellKeepsFocus)
{
    const Outcome out = pressing("form2.2")(cellsOf({{"Edit7", "x"}, {"Edit9", "2.5 5"}}));
    EXPECT_EQ(out.messages(), (std::vector<std::string>{kInvalid, kInvalid}));
    EXPECT_EQ(out.last_focus(), "Edit9");
    EXPECT_FALSE(out.wrote_anything());
}

// ---------------------------------------------------------------- exercise 3

namespace {

const std::vector<std::string> kLaunchLabels = {"Label34", "Label33", "Label32", "Label35", "Label36", "Label37"};
const std::string kNegativeSpeed = "Velocidade inicial com valor negativo, ajuste seus dados";

struct LaunchTexts {
    std::string top, height, generated, rising, falling, total;
};

void expectTexts(const Outcome& out, const LaunchTexts& t)
{
    EXPECT_TRUE(out.messages().empty());
    EXPECT_FALSE(out.fault.has_value());
    EXPECT_EQ(writtenTargets(out), kLaunchLabels);
    EXPECT_EQ(out.written("Label34"), t.top);
    EXPECT_EQ(out.written("Label33"), t.height);
    EXPECT_EQ(out.written("Label32"), t.generated);
    EXPECT_EQ(out.written("Label35"), t.rising);
    EXPECT_EQ(out.written("Label36"), t.falling);
    EXPECT_EQ(out.written("Label37"), t.total);
}

Outcome launch(const char* v0, RandomDraw& random)
{
    return vertical_launch(cellsOf({{"Edit13", v0}}), random);
}

} // namespace

TEST(VerticalLaunch, FirstAndSecondPressAfterStart)
{
    RandomDraw random; // as the program starts: nothing drawn yet anywhere
    expectTexts(launch("19.6", random),
                {"Tempo de chegada =2.0000 s", "Altura máxima =19.6000 m", "Altura gerada =14.3080 m",
                 "Tempo de Subida =0.9608 s", "Tempo de descida =3.0392 s", "Tempo Total =4.0000 s"});
    expectTexts(launch("19.6", random),
                {"Tempo de chegada =2.0000 s", "Altura máxima =19.6000 m", "Altura gerada =10.5840 m",
                 "Tempo de Subida =0.6435 s", "Tempo de descida =3.3565 s", "Tempo Total =4.0000 s"});
}

TEST(VerticalLaunch, EachPressDrawsOnePercentage)
{
    // The generated height is hmax · p / 100 with p the program's next
    // percentage: follow the same sequence on a second generator.
    RandomDraw random, probe;
    for (int press = 0; press < 6; ++press) {
        const int p = probe.percentage();
        const Outcome out = launch("9.8", random); // hmax = 4.9 m
        EXPECT_EQ(out.written("Label32"), answer_text("Altura gerada =", Real(4.9) * p / 100, 4, 4, " m")) << press;
        EXPECT_EQ(random.seed(), probe.seed());
    }
}

TEST(VerticalLaunch, EmptyCellIsZeroSpeed)
{
    RandomDraw random;
    expectTexts(launch("", random),
                {"Tempo de chegada =0.0000 s", "Altura máxima =0.0000 m", "Altura gerada =0.0000 m",
                 "Tempo de Subida =0.0000 s", "Tempo de descida =0.0000 s", "Tempo Total =0.0000 s"});
}

TEST(VerticalLaunch, NegativeZeroPassesTheCheck)
{
    RandomDraw random;
    const Outcome out = launch("-0", random);
    EXPECT_TRUE(out.messages().empty());
    EXPECT_EQ(out.written("Label34"), "Tempo de chegada =-0.0000 s");
    EXPECT_EQ(out.written("Label33"), "Altura máxima =0.0000 m");
    EXPECT_EQ(writtenTargets(out), kLaunchLabels);
}

struct RefusedLaunch {
    const char* name;
    const char* v0;
    std::string message;
};

class VerticalLaunchRefused : public testing::TestWithParam<RefusedLaunch> {};

TEST_P(VerticalLaunchRefused, MessageOnlyAndNoDraw)
{
    RandomDraw random;
    const Outcome out = launch(GetParam().v0, random);
    EXPECT_EQ(out.messages(), std::vector<std::string>{GetParam().message});
    EXPECT_EQ(out.last_focus(), "Edit13");
    EXPECT_FALSE(out.wrote_anything());
    EXPECT_FALSE(out.fault.has_value());
    // A refused press draws nothing: the next good press is still the first.
    EXPECT_EQ(random.seed(), 0u);
    EXPECT_EQ(launch("19.6", random).written("Label32"), "Altura gerada =14.3080 m");
}

INSTANTIATE_TEST_SUITE_P(Rectilinear, VerticalLaunchRefused,
                         testing::Values(RefusedLaunch{"Negative", "-19.6", kNegativeSpeed},
                                         RefusedLaunch{"TinyNegative", "-1e-300", kNegativeSpeed},
                                         RefusedLaunch{"CommaAndPoint", "1,9.6", kInvalid},
                                         RefusedLaunch{"TwoCommas", "19,,6", kInvalid},
                                         RefusedLaunch{"InnerBlank", "19 6", kInvalid},
                                         RefusedLaunch{"ExponentWithoutDigits", "1.5e", kInvalid}),
                         caseName);

TEST(VerticalLaunch, BlanksOnlyReadAsZero)
{
    RandomDraw random;
    const Outcome out = launch("   ", random);
    EXPECT_TRUE(out.messages().empty());
    EXPECT_EQ(out.written("Label37"), "Tempo Total =0.0000 s");
}

TEST(VerticalLaunch, OverflowStopsAfterTheTimeToTheTop)
{
    RandomDraw random;
    const Outcome out = launch("1e200", random); // Vo² overflows
    EXPECT_EQ(out.fault, Fault::Overflow);
    EXPECT_EQ(writtenTargets(out), std::vector<std::string>{"Label34"});
    EXPECT_EQ(random.seed(), 0u); // the fault came before the draw
}

TEST(VerticalLaunch, LargeSpeedWhoseAnswersFit)
{
    // Vo² and hmax · p are beyond the double range on the way; every line fits.
    RandomDraw random;
    const Outcome out = launch("1e154", random);
    EXPECT_FALSE(out.fault.has_value());
    EXPECT_EQ(writtenTargets(out), kLaunchLabels);
    EXPECT_EQ(out.written("Label33"), "Altura máxima = 5.1E+0306 m");
    EXPECT_EQ(out.written("Label37"), "Tempo Total = 2.0E+0153 s");
}

TEST(VerticalLaunch, TimesStraddleTheTop)
{
    // For every percentage the two instants lie either side of Vo/g and
    // add up to the whole flight, 2 Vo/g.
    RandomDraw random;
    for (int press = 0; press < 50; ++press) {
        const Outcome out = launch("30", random);
        const std::string flight = "Tempo Total =" + write_number(2 * 30 / 9.8, 4, 4) + " s";
        EXPECT_EQ(out.written("Label37"), flight);
        const std::string rising = *out.written("Label35");
        const std::string falling = *out.written("Label36");
        // "Tempo de Subida =0.9608 s": the number between "=" and " s".
        auto number = [](const std::string& line) {
            const auto from = line.find('=') + 1;
            return read_number(line.substr(from, line.rfind(' ') - from)).value;
        };
        const double up = number(rising);
        const double down = number(falling);
        EXPECT_LT(up, 30 / 9.8);
        EXPECT_GT(down, 30 / 9.8);
        EXPECT_NEAR((up + down) / 2, 30 / 9.8, 1e-4);
    }
}

// ---------------------------------------------------------------- worked solutions

namespace {

Outcome launchFirstDraw(const Cells& cells)
{
    RandomDraw random; // p = 73 on the first press after the start
    return vertical_launch(cells, random);
}

const Worked kWorkedRectilinear[] = {
    {"average forward", pressing("form2.1"), fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"0", "10", "0", "2"})},
    {"average backwards", pressing("form2.1"), fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"12.5", "2.5", "1", "5"})},
    {"cubic worked", pressing("form2.2"), fill({"Edit7", "Edit8", "Edit9", "Edit10"}, {"", "2", "1", "2"})},
    {"cubic negatives", pressing("form2.2"), fill({"Edit7", "Edit8", "Edit9", "Edit10"}, {"5", "-1", "-2", "-3"})},
    {"average in thousandths", pressing("form2.1"), fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"0.001", "0.002", "0.001", "0.003"})},
    {"cubic in millions", pressing("form2.2"), fill({"Edit7", "Edit8", "Edit9", "Edit10"}, {"1e6", "1e6", "1e6", "1e6"})},
    {"vertical launch", launchFirstDraw, fill({"Edit13"}, {"19.6"})},
    {"vertical launch slow", launchFirstDraw, fill({"Edit13"}, {"0.001"})},
    {"vertical launch fast", launchFirstDraw, fill({"Edit13"}, {"1e6"})},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Rectilinear, WorkedSolution, testing::ValuesIn(kWorkedRectilinear), caseName);

TEST(VerticalLaunchSolution, RiseIsTheSmallerRootWorkedFromTheDrawnPercentage)
{
    const Outcome out = launchFirstDraw(fill({"Edit13"}, {"19.6"}));
    EXPECT_EQ(to_plain(out.solution.data.back()), "p = 73 % (sorteado pelo programa)");
    EXPECT_EQ(to_plain(out.solution.substitutions.at(5)),
              "t1 = (v0 − √D) / (2 × k) = (19.6 − 10.1845) / (2 × 4.9000) = 0.9608 s");
}
