#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "kit/core/outcome.h"
#include "kit/core/real.h"

using namespace tavek;

namespace {

struct FaultCase {
    const char* name;
    std::function<Real()> op;
    Fault fault;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class RealFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(RealFaults, ThrowAtTheOperation)
{
    const FaultCase& c = GetParam();
    try {
        const Real r = c.op();
        ADD_FAILURE() << c.name << " gave " << r.value() << " without a fault";
    } catch (const ArithmeticFault& f) {
        EXPECT_EQ(f.kind(), c.fault) << c.name;
    }
}

const double kMax = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(Operations, RealFaults, testing::Values(
    FaultCase{"5 / 0", [] { return Real(5) / Real(0); }, Fault::DivisionByZero},
    FaultCase{"-5 / 0", [] { return Real(-5) / Real(0); }, Fault::DivisionByZero},
    FaultCase{"5 / -0", [] { return Real(5) / Real(-0.0); }, Fault::DivisionByZero},
    FaultCase{"0 / 0", [] { return Real(0) / Real(0); }, Fault::InvalidOperation},
    FaultCase{"-0 / 0", [] { return Real(-0.0) / Real(0); }, Fault::InvalidOperation},
    FaultCase{"sqrt(-1)", [] { return sqrt(Real(-1)); }, Fault::InvalidOperation},
    FaultCase{"sqrt(-1e-300)", [] { return sqrt(Real(-1e-300)); }, Fault::InvalidOperation},
    FaultCase{"1e308 * 10", [] { return Real(1e308) * Real(10); }, Fault::Overflow},
    FaultCase{"-1e308 * 10", [] { return Real(-1e308) * Real(10); }, Fault::Overflow},
    FaultCase{"max + max", [] { return Real(kMax) + Real(kMax); }, Fault::Overflow},
    FaultCase{"-max - max", [] { return Real(-kMax) - Real(kMax); }, Fault::Overflow},
    FaultCase{"1e300 / 1e-10", [] { return Real(1e300) / Real(1e-10); }, Fault::Overflow},
    FaultCase{"x /= 0", [] { Real x = 3; x /= 0; return x; }, Fault::DivisionByZero},
    FaultCase{"x *= 1e300", [] { Real x = 1e300; x *= 1e300; return x; }, Fault::Overflow},
    // A kept result beyond the double range, however it was reached.
    FaultCase{"1e200 * 1e200 / 1e10", [] { return Real(1e200) * 1e200 / 1e10; }, Fault::Overflow},
    FaultCase{"sqrt(1e300 * 1e300) * 1e10", [] { return sqrt(Real(1e300) * 1e300) * 1e10; }, Fault::Overflow}));

// The steps of one formula may pass the double range; only what is kept must fit.
TEST(RealArithmetic, StepsOfAFormulaMayPassTheDoubleRange)
{
    EXPECT_DOUBLE_EQ(Real(sqrt(Real(3e200) * 3e200 + Real(4e200) * 4e200)).value(), 5e200);
    EXPECT_EQ(Real(Real(kMax) * 2 / 4).value(), kMax / 2);
    EXPECT_DOUBLE_EQ(Real(Real(1e-200) * 1e-200 * 1e300).value(), 1e-100);
    EXPECT_EQ(Real(Real(kMax) + kMax - kMax).value(), kMax);
}

TEST(RealArithmetic, NoFaultWhereTheResultIsADouble)
{
    EXPECT_EQ((Real(1) / Real(4)).value(), 0.25);
    EXPECT_EQ((Real(1e-300) * Real(1e-300)).value(), 0.0); // too small: zero, no fault
    EXPECT_EQ((Real(kMax) * Real(1)).value(), kMax);
    EXPECT_EQ(sqrt(Real(0)).value(), 0.0);
    EXPECT_TRUE(std::signbit(sqrt(Real(-0.0)).value()));   // the square root of -0 is -0, not invalid
    EXPECT_EQ(sqrt(Real(16)).value(), 4.0);
    EXPECT_TRUE(std::signbit((-Real(0)).value()));
    EXPECT_LT(Real(-1), 0);
    EXPECT_TRUE(Real(-0.0) == 0);
}

TEST(RealArithmetic, FaultTexts)
{
    EXPECT_EQ(fault_text(Fault::DivisionByZero), "Floating point division by zero.");
    EXPECT_EQ(fault_text(Fault::InvalidOperation), "Invalid floating point operation.");
    EXPECT_EQ(fault_text(Fault::Overflow), "Floating point overflow.");
}

TEST(Calculate, KeepsWritesBeforeAFault)
{
    const Outcome out = calculate([](Outcome& o) {
        o.write("Label1", answer_text("a = ", Real(2), 4, 4, " m"));
        o.message("Aviso", "Edit1");
        const Real zero = 0;
        const Real bad = Real(1) / zero;
        o.write("Label2", answer_text("b = ", bad, 4, 4, " m"));
    });
    ASSERT_TRUE(out.fault.has_value());
    EXPECT_EQ(*out.fault, Fault::DivisionByZero);
    EXPECT_EQ(out.written("Label1"), "a = 2.0000 m");
    EXPECT_FALSE(out.written("Label2").has_value());
    EXPECT_EQ(out.messages(), std::vector<std::string>{"Aviso"});
    EXPECT_EQ(out.actions.size(), 2u);
}

TEST(Calculate, NoFaultWhenAllGoesWell)
{
    const Outcome out = calculate([](Outcome& o) {
        o.write("Label1", answer_text("Tempo de chegada =", sqrt(Real(5) / 4.9), 4, 4, " s"));
    });
    EXPECT_FALSE(out.fault.has_value());
    EXPECT_EQ(out.written("Label1"), "Tempo de chegada =1.0102 s");
}

TEST(OutcomeQueries, ListsWritesAndFocus)
{
    Outcome out;
    out.append("ListBox1", "um");
    out.clear("ListBox1");
    out.append("ListBox1", "dois");
    out.append("ListBox1", "três");
    out.message("Primeira", "Edit1");
    out.message("Segunda", "Edit3");
    out.write("Label1", "x");
    out.write("Label1", "y");
    EXPECT_EQ(out.lines("ListBox1"), (std::vector<std::string>{"dois", "três"}));
    EXPECT_EQ(out.messages(), (std::vector<std::string>{"Primeira", "Segunda"}));
    EXPECT_EQ(out.last_focus(), "Edit3");
    EXPECT_EQ(out.written("Label1"), "y");
    EXPECT_TRUE(out.wrote_anything());

    Outcome quiet;
    quiet.message("Só aviso", "Edit2");
    quiet.show("Label9");
    EXPECT_FALSE(quiet.wrote_anything());
    EXPECT_FALSE(Outcome{}.last_focus().has_value());
}

// Reads the three cells in order and, when all are numbers, writes their sum.
Outcome sum_of_three(const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real a = read("Edit1");
        const Real b = read("Edit2");
        const Real c = read("Edit3");
        if (!read.ok())
            return;
        if (a < 0)
            out.message("Negativo", "Edit1");
        out.write("Label1", answer_text("s = ", a + b + c, 4, 2, ""));
    });
}

struct ReaderCase {
    const char* name;
    Cells cells;
    std::vector<std::string> messages;
    std::optional<std::string> focus;
    std::optional<std::string> sum;
};

void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.name; }

class CellReading : public testing::TestWithParam<ReaderCase> {};

TEST_P(CellReading, MalformedCellsStopTheHandler)
{
    const ReaderCase& c = GetParam();
    const Outcome out = sum_of_three(c.cells);
    EXPECT_FALSE(out.fault.has_value());
    EXPECT_EQ(out.messages(), c.messages);
    EXPECT_EQ(out.last_focus(), c.focus);
    EXPECT_EQ(out.written("Label1"), c.sum);
}

const std::string kBad(kInvalidValue);

INSTANTIATE_TEST_SUITE_P(Cells, CellReading, testing::Values(
    ReaderCase{"all numbers", {{"Edit1", "1"}, {"Edit2", "2.5 "}, {"Edit3", " -0.25"}}, {}, std::nullopt, "s = 3.25"},
    ReaderCase{"missing cells read 0", {{"Edit2", "4"}}, {}, std::nullopt, "s = 4.00"},
    ReaderCase{"one malformed", {{"Edit1", "1"}, {"Edit2", "1,,5"}, {"Edit3", "2"}}, {kBad}, "Edit2", std::nullopt},
    ReaderCase{"each malformed in order",
               {{"Edit1", "abc"}, {"Edit2", "2"}, {"Edit3", "3.14abc"}}, {kBad, kBad}, "Edit3", std::nullopt},
    ReaderCase{"all malformed", {{"Edit1", "-"}, {"Edit2", "1e"}, {"Edit3", "\t"}}, {kBad, kBad, kBad}, "Edit3",
               std::nullopt},
    ReaderCase{"no checks after a malformed cell", {{"Edit1", "-5"}, {"Edit2", "x"}}, {kBad}, "Edit2", std::nullopt},
    ReaderCase{"checks run when all are numbers", {{"Edit1", "-5"}}, {"Negativo"}, "Edit1", "s = -5.00"}));

TEST(CellReading, MessageText)
{
    EXPECT_EQ(kInvalidValue, "Valor inválido. Ajuste seus dados");
}

TEST(CellReading, OverflowOfTheReadingIsAFault)
{
    const Outcome out = sum_of_three({{"Edit1", "1"}, {"Edit2", "1e400"}, {"Edit3", "2"}});
    ASSERT_TRUE(out.fault.has_value());
    EXPECT_EQ(*out.fault, Fault::Overflow);
    EXPECT_TRUE(out.messages().empty());
    EXPECT_FALSE(out.wrote_anything());

    const Outcome tiny = sum_of_three({{"Edit1", "1e-400"}});
    EXPECT_FALSE(tiny.fault.has_value());
    EXPECT_EQ(tiny.written("Label1"), "s = 0.00");
}

TEST(CellReading, OkStaysTrueForGoodCells)
{
    Outcome out;
    const Cells cells{{"Edit1", "  7 "}, {"Edit2", ""}};
    CellReader read(cells, out);
    EXPECT_EQ(read("Edit1").value(), 7.0);
    EXPECT_EQ(read("Edit2").value(), 0.0);
    EXPECT_EQ(read("Edit9").value(), 0.0);
    EXPECT_TRUE(read.ok());
    EXPECT_TRUE(std::signbit(CellReader(Cells{{"Edit1", "-0"}}, out)("Edit1").value()));
    EXPECT_TRUE(out.actions.empty());
}

} // namespace
