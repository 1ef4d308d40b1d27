// The calculators of the force and motion window and of the first window of
// further force exercises, run as pure functions over cell texts.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "kit/core/number.h"
#include "kit/core/outcome.h"
#include "outcome_testing.h"
#include "topics/force/force.h"
#include "topics/force/tensions.h"
#include "worked_solution.h"

using tavek::Action;
using tavek::Cells;
using tavek::Fault;
using tavek::Outcome;

namespace {

using namespace outcome_testing;

struct Case {
    const char* name;
    Cells cells;
    std::vector<Action> actions; // everything the press does, in order
    std::optional<Fault> fault = std::nullopt;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

void expectOutcome(const Case& c, const Outcome& out)
{
    EXPECT_EQ(out.actions, c.actions) << c.name;
    EXPECT_EQ(out.fault, c.fault) << c.name;
}

// A text that reads back as exactly x (17 significant digits identify any
// double below 10).
std::string exactText(double x)
{
    std::string text = tavek::write_number(x, 0, 17);
    const tavek::Reading r = tavek::read_number(text);
    EXPECT_FALSE(r.malformed) << text;
    EXPECT_EQ(r.value, x) << text;
    return text;
}

double numberIn(const std::string& line, const std::string& prefix, const std::string& suffix)
{
    EXPECT_EQ(line.substr(0, prefix.size()), prefix) << line;
    EXPECT_EQ(line.substr(line.size() - suffix.size()), suffix) << line;
    const std::string number = line.substr(prefix.size(), line.size() - prefix.size() - suffix.size());
    const tavek::Reading r = tavek::read_number(number);
    EXPECT_FALSE(r.malformed) << line;
    return r.value;
}

// ---------------------------------------------------------------- exercise 1

const std::string kNegativeMass = "Massa com medida negativa. Ajuste seus dados";

std::vector<Action> tensions(const char* ta, const char* tb, const char* p)
{
    return {wr("Label12", std::string("Tensão A = ") + ta + " N"), wr("Label2", std::string("Tensão B = ") + tb + " N"),
            wr("Label3", std::string("Tensão C = ") + p + " N"),
            wr("Label4", std::string("Peso do Bloco = ") + p + " N")};
}

class RopeTensions : public testing::TestWithParam<Case> {};

TEST_P(RopeTensions, Press)
{
    expectOutcome(GetParam(), pressing("form6.1")(GetParam().cells));
}

INSTANTIATE_TEST_SUITE_P(
    Force, RopeTensions,
    testing::Values(
        Case{"mass 10", {{"Edit1", "10"}}, tensions("69.50", "89.43", "98.00")},
        Case{"mass 1", {{"Edit1", "1"}}, tensions("6.95", "8.94", "9.80")},
        Case{"mass 2.5 with blanks around", {{"Edit1", " 2.5 "}}, tensions("17.38", "22.36", "24.50")},
        Case{"mass 0 is silent", {{"Edit1", "0"}}, {}},
        Case{"empty cell is silent", {{"Edit1", ""}}, {}},
        Case{"missing cell is silent", {}, {}},
        Case{"negative zero is silent", {{"Edit1", "-0"}}, {}},
        Case{"negative mass", {{"Edit1", "-1"}}, {msg(kNegativeMass, "Edit1")}},
        Case{"tiny negative mass", {{"Edit1", "-1e-300"}}, {msg(kNegativeMass, "Edit1")}},
        Case{"letters", {{"Edit1", "abc"}}, {msg(kInvalid, "Edit1")}},
        Case{"comma and point are refused before the sign check", {{"Edit1", "-1,5.0"}}, {msg(kInvalid, "Edit1")}},
        Case{"number too large to read", {{"Edit1", "1e400"}}, {}, Fault::Overflow},
        Case{"weight too large", {{"Edit1", "1e308"}}, {}, Fault::Overflow}),
    caseName);

// ---------------------------------------------------------------- exercise 2

const std::string kF1Negative = "F1 com valor negativo. Ajuste seus dados";
const std::string kF2Negative = "F2 com valor negativo. Ajuste seus dados";
const std::string kWeightNegative = "Peso com valor negativo. Ajuste seus dados";
const std::string kF2BelowF1 = "F2 < F1 - Ajuste seus dados";

Cells pulled(const std::string& f1, const std::string& weight, const std::string& f2)
{
    return {{"Edit2", f1}, {"Edit3", weight}, {"Edit4", f2}};
}

std::vector<Action> acceleration(const char* a, const char* f2x, const char* m)
{
    return {wr("Label16", std::string("Aceleração = ") + a + " m/s²"),
            wr("Label17", std::string("Componente do vetor F2 em X = ") + f2x + " N"),
            wr("Label18", std::string("Massa do Bloco= ") + m + " kg")};
}

class PulledBlock : public testing::TestWithParam<Case> {};

TEST_P(PulledBlock, Press)
{
    expectOutcome(GetParam(), pressing("form6.2")(GetParam().cells));
}

INSTANTIATE_TEST_SUITE_P(
    Force, PulledBlock,
    testing::Values(
        Case{"F1 10, weight 98, F2 20", pulled("10", "98", "20"), acceleration("0.5765", "15.7654", "10.00")},
        Case{"F1 5, weight 49, F2 100", pulled("5", "49", "100"), acceleration("14.7654", "78.8272", "5.00")},
        Case{"F1 1, weight 9.8, F2 2", pulled("1", "9.8", "2"), acceleration("0.5765", "1.5765", "1.00")},
        Case{"F2x below F1", pulled("20", "98", "20"), {msg(kF2BelowF1, "Edit2")}},
        Case{"all three negative", pulled("-1", "-1", "-1"),
             {msg(kF1Negative, "Edit2"), msg(kF2Negative, "Edit4"), msg(kWeightNegative, "Edit3")}},
        Case{"F2 and weight negative", pulled("3", "-1", "-1"),
             {msg(kF2Negative, "Edit4"), msg(kWeightNegative, "Edit3")}},
        Case{"F1 negative only", pulled("-5", "98", "20"), {msg(kF1Negative, "Edit2")}},
        Case{"F1 zero is silent although F2x exceeds it", pulled("0", "98", "20"), {}},
        Case{"weight zero is silent", pulled("10", "0", "20"), {}},
        Case{"F2 zero is silent", pulled("10", "98", "0"), {}},
        Case{"negative zero F1 is silent", pulled("-0", "98", "20"), {}},
        Case{"all empty is silent", {}, {}},
        Case{"a negative beside a zero: message, nothing computed", pulled("0", "98", "-2"),
             {msg(kF2Negative, "Edit4")}},
        Case{"malformed cells refused in reading order, no checks", pulled("-1", "9 8", "2,,5"),
             {msg(kInvalid, "Edit3"), msg(kInvalid, "Edit4")}},
        Case{"weight too small for a mass", pulled("1", "5e-324", "20"), {}, Fault::DivisionByZero},
        Case{"acceleration too large", pulled("1", "1", "1e308"), {}, Fault::Overflow}),
    caseName);

// The guard is exact: F2x equal to F1 down to the last bit neither moves the
// block nor complains; one step either side does.
TEST(ForcePulledBlock, EqualComponentAndF1DoNothing)
{
    const double f2x = tavek::Real(std::cos(0.6628)).value(); // F2 = 1
    const Outcome equal = pressing("form6.2")(pulled(exactText(f2x), "9.8", "1"));
    EXPECT_TRUE(equal.actions.empty());
    EXPECT_FALSE(equal.fault);

    const Outcome below = pressing("form6.2")(pulled(exactText(std::nextafter(f2x, 0.0)), "9.8", "1"));
    EXPECT_TRUE(below.messages().empty());
    ASSERT_TRUE(below.written("Label16"));
    EXPECT_EQ(*below.written("Label16"), "Aceleração = 0.0000 m/s²");
    EXPECT_EQ(*below.written("Label17"), "Componente do vetor F2 em X = 0.7883 N");

    const Outcome above = pressing("form6.2")(pulled(exactText(std::nextafter(f2x, 1.0)), "9.8", "1"));
    EXPECT_EQ(above.messages(), std::vector<std::string>{kF2BelowF1});
    EXPECT_EQ(above.last_focus(), "Edit2");
    EXPECT_FALSE(above.wrote_anything());
}

// Newton's second law along x for a spread of inputs: m·a + F1 = F2·cos 38°.
TEST(ForcePulledBlock, ResultsBalanceTheForces)
{
    struct In {
        double f1, weight, f2;
    };
    for (const In in : {In{1, 9.8, 50}, In{12.5, 200, 40}, In{0.25, 3, 7}, In{100, 1000, 500}}) {
        const Outcome out = pressing("form6.2")(pulled(tavek::write_number(in.f1, 0, 4),
                                                            tavek::write_number(in.weight, 0, 4),
                                                            tavek::write_number(in.f2, 0, 4)));
        ASSERT_TRUE(out.written("Label16")) << in.f1;
        const double a = numberIn(*out.written("Label16"), "Aceleração = ", " m/s²");
        const double f2x = numberIn(*out.written("Label17"), "Componente do vetor F2 em X = ", " N");
        const double m = numberIn(*out.written("Label18"), "Massa do Bloco= ", " kg");
        EXPECT_NEAR(f2x, in.f2 * 0.78827, in.f2 * 1e-5);
        EXPECT_NEAR(m, in.weight / 9.8, 0.005);
        EXPECT_NEAR(in.weight / 9.8 * a + in.f1, f2x, 1e-3 * (1 + in.weight));
    }
}

// ---------------------------------------------------------------- exercise 3

const std::string kBadWeight = "Peso inválido. Ajuste seus dados";
const std::string kNegativeForce = "Forca com valor negativo. Ajuste seus dados";

Cells row(const std::string& p1, const std::string& p2, const std::string& p3, const std::string& f)
{
    return {{"Edit1", p1}, {"Edit2", p2}, {"Edit3", p3}, {"Edit4", f}};
}

std::vector<Action> masses(const char* m1, const char* m2, const char* m3)
{
    return {wr("Label4", std::string("Massa do Bloco 1 =") + m1 + " kg"),
            wr("Label15", std::string("Massa do Bloco 2 =") + m2 + " kg"),
            wr("Label16", std::string("Massa do Bloco 3 =") + m3 + " kg")};
}

std::vector<Action> pulledRow(const char* m1, const char* m2, const char* m3, const char* a, const char* t1,
                              const char* t2)
{
    std::vector<Action> r = masses(m1, m2, m3);
    r.push_back(wr("Label17", std::string("Aceleração do Sistema = ") + a + " m/s²"));
    r.push_back(wr("Label18", std::string("Tensão 1 = ") + t1 + " N"));
    r.push_back(wr("Label19", std::string("Tensão 2 = ") + t2 + " N"));
    return r;
}

class ThreeBlocks : public testing::TestWithParam<Case> {};

TEST_P(ThreeBlocks, Press)
{
    expectOutcome(GetParam(), pressing("form7.3")(GetParam().cells));
}

INSTANTIATE_TEST_SUITE_P(
    Force, ThreeBlocks,
    testing::Values(
        Case{"weights 98, force 30", row("98", "98", "98", "30"),
             pulledRow("10.00", "10.00", "10.00", "1.0000", "20.0000", "10.0000")},
        Case{"weights 9.8, 19.6, 29.4, force 12", row("9.8", "19.6", "29.4", "12"),
             pulledRow("1.00", "2.00", "3.00", "2.0000", "6.0000", "2.0000")},
        Case{"weights 10, 20, 30, force 5", row("10", "20", "30", "5"),
             pulledRow("1.02", "2.04", "3.06", "0.8167", "2.5000", "0.8333")},
        Case{"force 0 is a valid answer", row("98", "98", "98", "0"),
             pulledRow("10.00", "10.00", "10.00", "0.0000", "0.0000", "0.0000")},
        Case{"negative zero force passes and keeps its sign", row("98", "98", "98", "-0"),
             pulledRow("10.00", "10.00", "10.00", "-0.0000", "0.0000", "-0.0000")},
        Case{"empty second weight", row("98", "", "98", "30"), {msg(kBadWeight, "Edit2")}},
        Case{"all empty: three weight messages, force 0 passes", {},
             {msg(kBadWeight, "Edit1"), msg(kBadWeight, "Edit2"), msg(kBadWeight, "Edit3")}},
        Case{"all negative: four messages", row("-1", "-2", "-3", "-4"),
             {msg(kBadWeight, "Edit1"), msg(kBadWeight, "Edit2"), msg(kBadWeight, "Edit3"),
              msg(kNegativeForce, "Edit4")}},
        Case{"negative force only", row("98", "98", "98", "-30"), {msg(kNegativeForce, "Edit4")}},
        Case{"negative zero weight is refused", row("-0", "98", "98", "30"), {msg(kBadWeight, "Edit1")}},
        Case{"malformed weight and force", row("98", "98x", "98", "3."), {msg(kInvalid, "Edit2")}},
        Case{"every cell malformed", row("1,0.0", "-", "1e", "+"),
             {msg(kInvalid, "Edit1"), msg(kInvalid, "Edit2"), msg(kInvalid, "Edit3"), msg(kInvalid, "Edit4")}},
        // Weights so small their masses vanish: the masses are shown, then the
        // acceleration divides by zero and nothing after it is written.
        Case{"vanishing masses, force 1", row("5e-324", "5e-324", "5e-324", "1"),
             masses("0.00", "0.00", "0.00"), Fault::DivisionByZero},
        Case{"vanishing masses, force 0", row("5e-324", "5e-324", "5e-324", "0"),
             masses("0.00", "0.00", "0.00"), Fault::InvalidOperation},
        Case{"force unreadably large", row("98", "98", "98", "1e999"), {}, Fault::Overflow}),
    caseName);

// ---------------------------------------------------------------- exercise 4

Cells table(const std::string& ma, const std::string& mb, const std::string& mc, const std::string& md)
{
    return {{"Edit5", ma}, {"Edit6", mb}, {"Edit7", mc}, {"Edit8", md}};
}

std::vector<Action> hanging(const char* p, const char* a, const char* t1, const char* t2, const char* t3)
{
    return {wr("Label29", std::string("Peso do Bloco D = ") + p + " N"),
            wr("Label33", std::string("Aceleração do sistema = ") + a + " m/s²"),
            wr("Label30", std::string("Tensão 1 = ") + t1 + " N"), wr("Label31", std::string("Tensão 2 = ") + t2 + " N"),
            wr("Label32", std::string("Tensão 3 = ") + t3 + " N")};
}

const std::string kBadA = "Massa A inválida. Ajuste seus dados";
const std::string kBadB = "Massa B inválida. Ajuste seus dados";
const std::string kBadC = "Massa C inválida. Ajuste seus dados";
const std::string kBadD = "Massa D inválida. Ajuste seus dados";

class HangingBlock : public testing::TestWithParam<Case> {};

TEST_P(HangingBlock, Press)
{
    expectOutcome(GetParam(), pressing("form7.4")(GetParam().cells));
}

INSTANTIATE_TEST_SUITE_P(
    Force, HangingBlock,
    testing::Values(
        Case{"all masses 1", table("1", "1", "1", "1"), hanging("9.80", "2.4500", "7.3500", "4.9000", "2.4500")},
        Case{"masses 1, 2, 3, 4", table("1", "2", "3", "4"),
             hanging("39.20", "3.9200", "23.5200", "11.7600", "3.9200")},
        Case{"masses 2, 0.5, 1.5, 4", table("2", "0.5", "1.5", "4"),
             hanging("39.20", "4.9000", "19.6000", "12.2500", "9.8000")},
        Case{"mass B zero", table("1", "0", "1", "1"), {msg(kBadB, "Edit6")}},
        Case{"all empty: four messages in order", {},
             {msg(kBadA, "Edit5"), msg(kBadB, "Edit6"), msg(kBadC, "Edit7"), msg(kBadD, "Edit8")}},
        Case{"A and C negative", table("-1", "1", "-0", "1"), {msg(kBadA, "Edit5"), msg(kBadC, "Edit7")}},
        Case{"hanging mass negative", table("1", "1", "1", "-2"), {msg(kBadD, "Edit8")}},
        Case{"malformed masses", table("1", "1.1.1", "1", "2 kg"), {msg(kInvalid, "Edit6"), msg(kInvalid, "Edit8")}},
        Case{"hanging weight too large", table("1", "1", "1", "1e308"), {}, Fault::Overflow}),
    caseName);

// The three tensions must agree with Newton's second law for each part of the
// chain, whatever the masses: T1 pulls A+B+C, T2 pulls A+B, T3 pulls A, and
// D's weight less T1 accelerates D.
TEST(ForceHangingBlock, TensionsMatchEachPartOfTheChain)
{
    struct In {
        double ma, mb, mc, md;
    };
    for (const In in : {In{1, 1, 1, 1}, In{3, 0.5, 7, 2}, In{10, 20, 30, 0.1}, In{0.2, 0.3, 0.4, 50}}) {
        const Outcome out = pressing("form7.4")(
            table(tavek::write_number(in.ma, 0, 4), tavek::write_number(in.mb, 0, 4),
                  tavek::write_number(in.mc, 0, 4), tavek::write_number(in.md, 0, 4)));
        ASSERT_TRUE(out.written("Label32")) << in.ma;
        const double p = numberIn(*out.written("Label29"), "Peso do Bloco D = ", " N");
        const double a = numberIn(*out.written("Label33"), "Aceleração do sistema = ", " m/s²");
        const double t1 = numberIn(*out.written("Label30"), "Tensão 1 = ", " N");
        const double t2 = numberIn(*out.written("Label31"), "Tensão 2 = ", " N");
        const double t3 = numberIn(*out.written("Label32"), "Tensão 3 = ", " N");
        const double tol = 1e-3 * (1 + in.ma + in.mb + in.mc + in.md);
        EXPECT_NEAR(p, 9.8 * in.md, 0.005);
        EXPECT_NEAR(a * (in.ma + in.mb + in.mc + in.md), p, tol);
        EXPECT_NEAR(t1, (in.ma + in.mb + in.mc) * a, tol);
        EXPECT_NEAR(t2, (in.ma + in.mb) * a, tol);
        EXPECT_NEAR(t3, in.ma * a, tol);
        EXPECT_NEAR(p - t1, in.md * a, tol);
    }
}

// Exercise 3 by the same law: F accelerates everything, T1 drags blocks 1 and
// 2, T2 drags block 1.
TEST(ForceThreeBlocks, TensionsMatchEachPartOfTheRow)
{
    struct In {
        double p1, p2, p3, f;
    };
    for (const In in : {In{9.8, 9.8, 9.8, 3}, In{50, 10, 25, 17}, In{1000, 1, 1, 250}}) {
        const Outcome out = pressing("form7.3")(
            row(tavek::write_number(in.p1, 0, 4), tavek::write_number(in.p2, 0, 4),
                tavek::write_number(in.p3, 0, 4), tavek::write_number(in.f, 0, 4)));
        ASSERT_TRUE(out.written("Label19")) << in.p1;
        const double a = numberIn(*out.written("Label17"), "Aceleração do Sistema = ", " m/s²");
        const double t1 = numberIn(*out.written("Label18"), "Tensão 1 = ", " N");
        const double t2 = numberIn(*out.written("Label19"), "Tensão 2 = ", " N");
        const double m1 = in.p1 / 9.8, m2 = in.p2 / 9.8, m3 = in.p3 / 9.8;
        const double tol = 1e-3 * (1 + m1 + m2 + m3);
        EXPECT_NEAR(a * (m1 + m2 + m3), in.f, tol);
        EXPECT_NEAR(t1, (m1 + m2) * a, tol);
        EXPECT_NEAR(t2, m1 * a, tol);
    }
}

// ---------------------------------------------------------------- worked solutions

const Worked kWorked[] = {
    {"ropes of a 10 kg block", pressing("form6.1"), {{"Edit1", "10"}}},
    {"ropes of a gram", pressing("form6.1"), {{"Edit1", "0.001"}}},
    {"ropes of a thousand tonnes", pressing("form6.1"), {{"Edit1", "1e6"}}},
    {"block pulled by F2", pressing("form6.2"), pulled("10", "98", "20")},
    {"block pulled in thousandths", pressing("form6.2"), pulled("0.001", "0.001", "0.002")},
    {"block pulled in millions", pressing("form6.2"), pulled("1e6", "1e6", "2e6")},
    {"three blocks pulled", pressing("form7.3"), row("10", "20", "30", "5")},
    {"three light blocks pulled", pressing("form7.3"), row("1", "2", "3", "10")},
    {"three blocks in thousandths", pressing("form7.3"), row("0.001", "0.001", "0.001", "0.001")},
    {"three blocks in millions", pressing("form7.3"), row("1e6", "1e6", "1e6", "1e6")},
    {"block D hanging", pressing("form7.4"), table("1", "2", "3", "4")},
    {"blocks in grams", pressing("form7.4"), table("0.001", "0.001", "0.001", "0.001")},
    {"blocks in thousand tonnes", pressing("form7.4"), table("1e6", "1", "1e6", "3")},
};
INSTANTIATE_TEST_SUITE_P(Force, WorkedSolution, testing::ValuesIn(kWorked), caseName);

// The cosine has decimals enough for F2X to come out of it again by hand.
TEST(ForcePulledBlock, SolutionGivesTheComponentByHand)
{
    EXPECT_TRUE(substitutes(pressing("form6.2")(pulled("5", "49", "100")),
                            "F2X = F2 × cos θ = 100 × 0.788272 = 78.8272 N"));
}

} // namespace
