#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "topics/power/power_table.h"
#include "topics/power/power.h"
#include "outcome_testing.h"
#include "worked_solution.h"

using tavek::Action;
using tavek::Cells;
using tavek::Fault;
using tavek::Outcome;

namespace {

using namespace outcome_testing;

const char* const kMass = "Massa inválida. Ajuste seus dados";
const char* const kTime = "Tempo inválido. Ajuste seus dados";
const char* const kHeight = "Altura de deslocamento inválida. Ajuste seus dados";
const char* const kMu = "Coeficiente de atrito cinético inválido. Ajuste seus dados";
const char* const kSpeed = "Velocidade inválida. Ajuste seus dados";
const char* const kCo = "Comprimento CO inválido. Ajuste seus dados";
const char* const kCa = "Comprimento CA inválido. Ajuste seus dados";
const char* const kForce = "Força inválida. Ajuste seus dados";
const char* const kAngle = "Ânngulo inválido. Ajuste seus dados";
const char* const kMemory = "Memória insuficiente. Ajuste outra valor para o tempo";

// ---------------------------------------------------------------- exercise 1

struct ElevatorCase {
    const char* name;
    const char* m;
    const char* t;
    const char* h;
    Texts messages;
    std::optional<std::string> focus;
    // Label18, Label8, Label6; empty when nothing may be written
    Texts results;
};

class PowerElevator : public testing::TestWithParam<ElevatorCase> {};

TEST_P(PowerElevator, MessagesFocusAndResults)
{
    const ElevatorCase& c = GetParam();
    const Outcome out = pressing("form10.1")({{"Edit1", c.m}, {"Edit2", c.t}, {"Edit3", c.h}});
    EXPECT_FALSE(out.fault);
    EXPECT_EQ(out.messages(), c.messages);
    EXPECT_EQ(out.last_focus(), c.focus);
    if (c.results.empty()) {
        EXPECT_FALSE(out.wrote_anything());
        return;
    }
    EXPECT_EQ(out.written("Label18"), c.results[0]);
    EXPECT_EQ(out.written("Label8"), c.results[1]);
    EXPECT_EQ(out.written("Label6"), c.results[2]);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PowerElevator,
    testing::Values(
        ElevatorCase{"worked_example", "100", "5", "10", {}, std::nullopt,
                     {"Peso do elevador =980.00 N", "Trabalho realizado =9800.00 J", "Potência Média =1960.00 W"}},
        ElevatorCase{"fractions_rounded_half_up", "0.5", "3", "1", {}, std::nullopt,
                     {"Peso do elevador =4.90 N", "Trabalho realizado =4.90 J", "Potência Média =1.63 W"}},
        ElevatorCase{"large_result_written_in_full", "1000000", "1", "1000", {}, std::nullopt,
                     {"Peso do elevador =9800000.00 N", "Trabalho realizado =9800000000.00 J",
                      "Potência Média =9800000000.00 W"}},
        ElevatorCase{"all_empty", "", "", "", {kMass, kTime, kHeight}, "Edit3", {}},
        ElevatorCase{"time_zero_only", "100", "0", "10", {kTime}, "Edit2", {}},
        ElevatorCase{"negative_mass", "-1", "5", "10", {kMass}, "Edit1", {}},
        ElevatorCase{"negative_zero_height", "100", "5", "-0", {kHeight}, "Edit3", {}},
        ElevatorCase{"mass_and_height", "0", "5", "-3", {kMass, kHeight}, "Edit3", {}},
        ElevatorCase{"malformed_time_stops_before_checks", "", "1,,5", "", {kInvalid}, "Edit2", {}},
        ElevatorCase{"two_malformed_cells", "x", "5", "1e", {kInvalid, kInvalid}, "Edit3", {}}),
    caseName);

TEST(PowerElevatorFault, OverflowStopsBeforeAnyAnswer)
{
    const Outcome out = pressing("form10.1")({{"Edit1", "1e308"}, {"Edit2", "1"}, {"Edit3", "1"}});
    EXPECT_EQ(out.fault, Fault::Overflow);
    EXPECT_FALSE(out.wrote_anything());
    EXPECT_TRUE(out.messages().empty());
}

TEST(PowerElevatorFault, NumberTooLargeForADoubleIsAnOverflow)
{
    const Outcome out = pressing("form10.1")({{"Edit1", "1e400"}, {"Edit2", "1"}, {"Edit3", "1"}});
    EXPECT_EQ(out.fault, Fault::Overflow);
    EXPECT_FALSE(out.wrote_anything());
}

TEST(PowerElevatorOrder, LabelsWrittenWeightWorkPower)
{
    const Outcome out = pressing("form10.1")({{"Edit1", "100"}, {"Edit2", "5"}, {"Edit3", "10"}});
    EXPECT_EQ(actionTargets(out), (Texts{"Label18", "Label8", "Label6"}));
}

// ---------------------------------------------------------------- exercise 2

struct InclineCase {
    const char* name;
    const char* v;
    const char* mu;
    const char* m;
    const char* co;
    const char* ca;
    Texts messages;
    std::optional<std::string> focus;
    // Label20, Label22, Label23, Label24, Label19; empty when nothing may be written
    Texts results;
};

class PowerIncline : public testing::TestWithParam<InclineCase> {};

TEST_P(PowerIncline, MessagesFocusAndResults)
{
    const InclineCase& c = GetParam();
    const Outcome out = pressing("form10.2")(
        {{"Edit8", c.v}, {"Edit4", c.mu}, {"Edit5", c.m}, {"Edit6", c.co}, {"Edit7", c.ca}});
    EXPECT_FALSE(out.fault);
    EXPECT_EQ(out.messages(), c.messages);
    EXPECT_EQ(out.last_focus(), c.focus);
    if (c.results.empty()) {
        EXPECT_FALSE(out.wrote_anything());
        return;
    }
    EXPECT_EQ(out.written("Label20"), c.results[0]);
    EXPECT_EQ(out.written("Label22"), c.results[1]);
    EXPECT_EQ(out.written("Label23"), c.results[2]);
    EXPECT_EQ(out.written("Label24"), c.results[3]);
    EXPECT_EQ(out.written("Label19"), c.results[4]);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PowerIncline,
    testing::Values(
        InclineCase{"worked_example", "2", "0.5", "10", "3", "4", {}, std::nullopt,
                    {"Peso PX do bloco =78.40 N", "Peso PY do bloco =58.80 N", "Força de Atrito =39.2000 N",
                     "Potência do aparelho =196.0000 W", "Angulo de inclinação =36.89°"}},
        // 45° over the exercise's 3.14 instead of pi
        InclineCase{"equal_sides_give_45_02", "1", "1", "10", "5", "5", {}, std::nullopt,
                    {"Peso PX do bloco =69.30 N", "Peso PY do bloco =69.30 N", "Força de Atrito =69.2965 N",
                     "Potência do aparelho =138.5929 W", "Angulo de inclinação =45.02°"}},
        InclineCase{"mu_one_accepted", "2", "1", "10", "3", "4", {}, std::nullopt,
                    {"Peso PX do bloco =78.40 N", "Peso PY do bloco =58.80 N", "Força de Atrito =78.4000 N",
                     "Potência do aparelho =274.4000 W", "Angulo de inclinação =36.89°"}},
        InclineCase{"mu_just_above_one", "2", "1.01", "10", "3", "4", {kMu}, "Edit4", {}},
        InclineCase{"mu_zero", "2", "0", "10", "3", "4", {kMu}, "Edit4", {}},
        InclineCase{"mu_negative", "2", "-0.5", "10", "3", "4", {kMu}, "Edit4", {}},
        // A velocity called invalid never has a power shown beside it.
        InclineCase{"velocity_empty_refused", "", "0.5", "10", "3", "4", {kSpeed}, "Edit8", {}},
        InclineCase{"velocity_negative_refused", "-2", "0.5", "10", "3", "4", {kSpeed}, "Edit8", {}},
        InclineCase{"all_empty", "", "", "", "", "", {kMu, kSpeed, kMass, kCo, kCa}, "Edit7", {}},
        InclineCase{"mass_and_co", "2", "0.5", "0", "-3", "4", {kMass, kCo}, "Edit6", {}},
        InclineCase{"ca_only", "2", "0.5", "10", "3", "0", {kCa}, "Edit7", {}},
        InclineCase{"malformed_mass", "2", "0.5", "1,,5", "3", "4", {kInvalid}, "Edit5", {}},
        InclineCase{"decimal_commas", "2,0", "0,5", "10", "3,0", "4", {}, std::nullopt,
                    {"Peso PX do bloco =78.40 N", "Peso PY do bloco =58.80 N", "Força de Atrito =39.2000 N",
                     "Potência do aparelho =196.0000 W", "Angulo de inclinação =36.89°"}},
        // CO² is beyond the double range, every answer is not: no overflow.
        InclineCase{"long_co_squared_on_the_way", "2", "0.3", "10", "1e155", "4", {}, std::nullopt,
                    {"Peso PX do bloco =0.00 N", "Peso PY do bloco =98.00 N", "Força de Atrito =0.0000 N",
                     "Potência do aparelho =196.0000 W", "Angulo de inclinação =90.05°"}},
        // The hypotenuse beyond the double range, and a ratio below it.
        InclineCase{"sides_near_the_largest_double", "1", "1", "10", "1.5e308", "1.5e308", {}, std::nullopt,
                    {"Peso PX do bloco =69.30 N", "Peso PY do bloco =69.30 N", "Força de Atrito =69.2965 N",
                     "Potência do aparelho =138.5929 W", "Angulo de inclinação =45.02°"}},
        InclineCase{"ratio_below_the_smallest_double", "2", "0.3", "10", "1e300", "1e-300", {}, std::nullopt,
                    {"Peso PX do bloco =0.00 N", "Peso PY do bloco =98.00 N", "Força de Atrito =0.0000 N",
                     "Potência do aparelho =196.0000 W", "Angulo de inclinação =90.05°"}}),
    caseName);

TEST(PowerInclineOrder, LabelsWrittenPxPyFrictionPowerAngle)
{
    const Outcome out = pressing("form10.2")(
        {{"Edit8", "2"}, {"Edit4", "0.5"}, {"Edit5", "10"}, {"Edit6", "3"}, {"Edit7", "4"}});
    EXPECT_EQ(actionTargets(out), (Texts{"Label20", "Label22", "Label23", "Label24", "Label19"}));
}

TEST(PowerInclineFault, OverflowOfTheWeightStopsBeforeAnyAnswer)
{
    const Outcome out = pressing("form10.2")(
        {{"Edit8", "2"}, {"Edit4", "0.5"}, {"Edit5", "1e308"}, {"Edit6", "3"}, {"Edit7", "4"}});
    EXPECT_EQ(out.fault, Fault::Overflow);
    EXPECT_FALSE(out.wrote_anything());
}

// ---------------------------------------------------------------- exercise 3

Outcome perSecond(const char* v, const char* f1, const char* alpha, const char* t)
{
    return pressing("form11.3")({{"Edit1", v}, {"Edit2", f1}, {"Edit3", alpha}, {"Edit4", t}});
}

bool shows(const Outcome& out)
{
    for (const Action& a : out.actions)
        if (a.kind == Action::Kind::Show && a.target == "ListBox1")
            return true;
    return false;
}

struct PerSecondCase {
    const char* name;
    const char* v;
    const char* f1;
    const char* alpha;
    const char* t;
    Texts messages;
    std::optional<std::string> focus;
    bool listShown;
    std::size_t lineCount;
    Texts firstLines; // the list's first lines, as many as given
    const char* lastLine;
};

class MorePower : public testing::TestWithParam<PerSecondCase> {};

TEST_P(MorePower, MessagesFocusAndLines)
{
    const PerSecondCase& c = GetParam();
    const Outcome out = perSecond(c.v, c.f1, c.alpha, c.t);
    EXPECT_FALSE(out.fault);
    EXPECT_EQ(out.messages(), c.messages);
    EXPECT_EQ(out.last_focus(), c.focus);
    EXPECT_EQ(shows(out), c.listShown);
    const Texts lines = out.lines("ListBox1");
    ASSERT_EQ(lines.size(), c.lineCount);
    for (std::size_t i = 0; i < c.firstLines.size(); ++i)
        EXPECT_EQ(lines[i], c.firstLines[i]) << "line " << i + 1;
    if (c.lastLine) {
        EXPECT_EQ(lines.back(), c.lastLine);
    }
}

const char* const kLine1 = "Tempo =1s | Trabalho realizado =10.009194J | Potência = 10.009194 W  -> 0.013422 hp";
const char* const kLine2 = "Tempo =2s | Trabalho realizado =20.018388J | Potência = 10.009194 W  -> 0.013422 hp";
const char* const kLine3 = "Tempo =3s | Trabalho realizado =30.027581J | Potência = 10.009194 W  -> 0.013422 hp";
const char* const kLine4 = "Tempo =4s | Trabalho realizado =40.036775J | Potência = 10.009194 W  -> 0.013422 hp";

INSTANTIATE_TEST_SUITE_P(
    Cases, MorePower,
    testing::Values(
        PerSecondCase{"worked_example", "2", "10", "60", "3", {}, std::nullopt, true, 3, {kLine1, kLine2, kLine3},
                      nullptr},
        PerSecondCase{"other_inputs", "1.5", "20", "30", "4", {}, std::nullopt, true, 4,
                      {"Tempo =1s | Trabalho realizado =25.984743J | Potência = 25.984743 W  -> 0.034846 hp"},
                      "Tempo =4s | Trabalho realizado =103.938971J | Potência = 25.984743 W  -> 0.034846 hp"},
        // n is T rounded to the nearest whole second, halves to the even one.
        PerSecondCase{"t_0_4_shows_empty_list", "2", "10", "60", "0.4", {}, std::nullopt, true, 0, {}, nullptr},
        PerSecondCase{"t_0_5_shows_empty_list", "2", "10", "60", "0.5", {}, std::nullopt, true, 0, {}, nullptr},
        PerSecondCase{"t_0_6_gives_one", "2", "10", "60", "0.6", {}, std::nullopt, true, 1, {kLine1}, nullptr},
        PerSecondCase{"t_1_5_gives_two", "2", "10", "60", "1.5", {}, std::nullopt, true, 2, {kLine1, kLine2},
                      nullptr},
        PerSecondCase{"t_2_5_gives_two", "2", "10", "60", "2.5", {}, std::nullopt, true, 2, {kLine1, kLine2},
                      nullptr},
        PerSecondCase{"t_3_5_gives_four", "2", "10", "60", "3.5", {}, std::nullopt, true, 4,
                      {kLine1, kLine2, kLine3, kLine4}, nullptr},
        PerSecondCase{"t_32000", "2", "10", "60", "32000", {}, std::nullopt, true, 32000, {kLine1},
                      "Tempo =32000s | Trabalho realizado =320294.200965J | Potência = 10.009194 W  -> 0.013422 hp"},
        PerSecondCase{"t_32000_9_gives_32001", "2", "10", "60", "32000.9", {}, std::nullopt, true, 32001, {kLine1},
                      "Tempo =32001s | Trabalho realizado =320304.210159J | Potência = 10.009194 W  -> 0.013422 hp"},
        PerSecondCase{"t_32001_refused", "2", "10", "60", "32001", {kMemory}, "Edit4", false, 0, {}, nullptr},
        PerSecondCase{"t_far_too_long", "2", "10", "60", "1e9", {kMemory}, "Edit4", false, 0, {}, nullptr},
        // cos(3.14 / 2) is small but not zero
        PerSecondCase{"alpha_90_accepted", "2", "10", "90", "2", {}, std::nullopt, true, 2,
                      {"Tempo =1s | Trabalho realizado =0.015927J | Potência = 0.015927 W  -> 0.000021 hp",
                       "Tempo =2s | Trabalho realizado =0.031853J | Potência = 0.015927 W  -> 0.000021 hp"},
                      nullptr},
        PerSecondCase{"alpha_90_5_refused", "2", "10", "90.5", "3", {kAngle}, "Edit3", false, 0, {}, nullptr},
        PerSecondCase{"alpha_zero_refused", "2", "10", "0", "3", {kAngle}, "Edit3", false, 0, {}, nullptr},
        PerSecondCase{"all_empty", "", "", "", "", {kSpeed, kTime, kForce, kAngle}, "Edit3", false, 0, {}, nullptr},
        PerSecondCase{"all_five_checks", "-1", "-1", "-1", "40000", {kSpeed, kForce, kAngle, kMemory}, "Edit4",
                      false, 0, {}, nullptr},
        PerSecondCase{"negative_time", "2", "10", "60", "-3", {kTime}, "Edit4", false, 0, {}, nullptr},
        PerSecondCase{"malformed_angle", "2", "10", "6O", "3", {kInvalid}, "Edit3", false, 0, {}, nullptr},
        // The distance of the second line (2e308 m) is beyond the double range, its work is not.
        PerSecondCase{"distance_beyond_double_range", "1e308", "1", "60", "2", {}, std::nullopt, true, 2,
                      {"Tempo =1s | Trabalho realizado = 5.0E+0307J | Potência =  5.0E+0307 W  ->  6.7E+0304 hp",
                       "Tempo =2s | Trabalho realizado = 1.0E+0308J | Potência =  5.0E+0307 W  ->  6.7E+0304 hp"},
                      nullptr},
        PerSecondCase{"decimal_commas", "2,0", "10", "60", "2,6", {}, std::nullopt, true, 3,
                      {kLine1, kLine2, kLine3}, nullptr}),
    caseName);

TEST(MorePowerList, EveryPressStartsByEmptyingAndHidingTheList)
{
    const std::vector<std::vector<const char*>> presses = {
        {"2", "10", "60", "3"}, {"", "", "", ""}, {"2", "x", "60", "3"}, {"2", "10", "60", "32001"}};
    for (const auto& p : presses) {
        const Outcome out = perSecond(p[0], p[1], p[2], p[3]);
        ASSERT_GE(out.actions.size(), 2u);
        EXPECT_EQ(out.actions[0], (Action{Action::Kind::Clear, "ListBox1", ""})) << p[1];
        EXPECT_EQ(out.actions[1], (Action{Action::Kind::Hide, "ListBox1", ""})) << p[1];
    }
}

TEST(MorePowerList, ShownBeforeItsLines)
{
    const Outcome out = perSecond("2", "10", "60", "2");
    ASSERT_EQ(out.actions.size(), 5u);
    EXPECT_EQ(out.actions[2].kind, Action::Kind::Show);
    EXPECT_EQ(out.actions[3].kind, Action::Kind::Append);
    EXPECT_EQ(out.actions[4].kind, Action::Kind::Append);
}

TEST(MorePowerList, EveryLineShowsTheSamePower)
{
    const Texts lines = perSecond("3", "7", "45", "500").lines("ListBox1");
    ASSERT_EQ(lines.size(), 500u);
    const auto tail = [](const std::string& s) { return s.substr(s.find(" | Potência")); };
    for (const std::string& line : lines)
        ASSERT_EQ(tail(line), tail(lines.front())) << line;
}

TEST(MorePowerFault, OverflowKeepsTheLinesBeforeIt)
{
    // Fx = 5.0046 N: the work passes the largest double at the fourth second.
    const Outcome out = perSecond("1e307", "10", "60", "10");
    EXPECT_EQ(out.fault, Fault::Overflow);
    EXPECT_TRUE(shows(out));
    const Texts lines = out.lines("ListBox1");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Tempo =1s | Trabalho realizado = 5.0E+0307J | Potência =  5.0E+0307 W  ->  6.7E+0304 hp");
}

// ---------------------------------------------------------------- worked solutions

const Worked kWorked[] = {
    {"elevator", pressing("form10.1"), {{"Edit1", "100"}, {"Edit2", "5"}, {"Edit3", "10"}}},
    {"elevator in thousandths", pressing("form10.1"), {{"Edit1", "0.001"}, {"Edit2", "0.001"}, {"Edit3", "0.001"}}},
    {"elevator in millions", pressing("form10.1"), {{"Edit1", "1e6"}, {"Edit2", "3"}, {"Edit3", "1e6"}}},
    {"block pulled up the incline", pressing("form10.2"),
     {{"Edit8", "2"}, {"Edit4", "0.5"}, {"Edit5", "10"}, {"Edit6", "3"}, {"Edit7", "4"}}},
    {"block up the incline in thousandths", pressing("form10.2"),
     {{"Edit8", "0.001"}, {"Edit4", "0.001"}, {"Edit5", "0.001"}, {"Edit6", "0.001"}, {"Edit7", "0.001"}}},
    {"block up the incline in millions", pressing("form10.2"),
     {{"Edit8", "1e6"}, {"Edit4", "1"}, {"Edit5", "1e6"}, {"Edit6", "1e6"}, {"Edit7", "3"}}},
    {"work and power each second", pressing("form11.3"),
     {{"Edit1", "2"}, {"Edit2", "10"}, {"Edit3", "60"}, {"Edit4", "3"}}},
    {"work and power in thousandths", pressing("form11.3"),
     {{"Edit1", "0.001"}, {"Edit2", "0.001"}, {"Edit3", "0.001"}, {"Edit4", "2"}}},
    {"work and power in millions", pressing("form11.3"),
     {{"Edit1", "1e6"}, {"Edit2", "1e6"}, {"Edit3", "89"}, {"Edit4", "5"}}},
};
INSTANTIATE_TEST_SUITE_P(Power, WorkedSolution, testing::ValuesIn(kWorked), caseName);

// The solution works out the list's last line, from an Fx with decimals
// enough to give its work again by hand.
TEST(MorePowerSolution, WorksTheLastLine)
{
    EXPECT_TRUE(substitutes(perSecond("2", "10", "60", "3"), "τ = Fx × v × t = 5.00459689 × 2 × 3 = 30.027581 J"));
}

} // namespace
