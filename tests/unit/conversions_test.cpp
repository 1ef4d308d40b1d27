#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "kit/core/outcome.h"
#include "kit/core/units.h"
#include "topics/conversions/conversions.h"
#include "topics/exercises.h"
#include "worked_solution.h"

using tavek::Cells;
using tavek::ExerciseRecord;
using tavek::Fault;
using tavek::Outcome;

namespace {

// The conversion group a unit button belongs to, and the cell it reads.
const ExerciseRecord* groupOf(const char* button)
{
    for (const ExerciseRecord* r : tavek::exercises_of(3))
        if (r->press(button))
            return r;
    return nullptr;
}
const char* inputOf(const char* button)
{
    const ExerciseRecord* r = groupOf(button);
    return r ? r->given(r->press(button)->converts)->cell : "";
}

Outcome press(const char* button, const char* text)
{
    EXPECT_NE(groupOf(button), nullptr) << button;
    if (!groupOf(button))
        return {};
    return outcome_testing::pressButton(button, Cells{{inputOf(button), text}});
}

struct Row {
    const char* button;
    const char* input;  // the group's input cell
    const char* result; // the group's result cell
    const char* typed;
    const char* expected;
};

// One row per button with a value that shows its factor, in the window's order.
const std::vector<Row> kWorked = {
    {"Button1", "Edit1", "Edit2", "1500", "1.50000000 m"},
    {"Button2", "Edit1", "Edit2", "250", "2.50000000 m"},
    {"Button3", "Edit1", "Edit2", "1", "0.91440000 m"},
    {"Button4", "Edit1", "Edit2", "10", "3.04800000 m"},
    {"Button5", "Edit1", "Edit2", "2.5", "2500.00000000 m"},
    {"Button11", "Edit1", "Edit2", "100", "2.54000000 m"},
    {"Button12", "Edit1", "Edit2", "1", "1609.00000000 m"},
    {"Button7", "Edit3", "Edit4", "2", "7200.00000000 s"},
    {"Button8", "Edit3", "Edit4", "1.5", "90.00000000 s"},
    {"Button9", "Edit3", "Edit4", "1", "86400.00000000 s"},
    {"Button10", "Edit3", "Edit4", "1", "31560000.00000000 s"},
    {"Button14", "Edit5", "Edit6", "250", "0.25000000 kg"},
    {"Button15", "Edit5", "Edit6", "1", "0.02835000 kg"},
    {"Button16", "Edit5", "Edit6", "1", "14.59390000 kg"},
    {"Button17", "Edit5", "Edit6", "1", "907.18474000 kg"},
    {"Button18", "Edit5", "Edit6", "1", "0.45359237 kg"},
};

std::string suffix_of(const char* result)
{
    return std::string(result) == "Edit2" ? " m" : std::string(result) == "Edit4" ? " s" : " kg";
}

} // namespace

TEST(Conversions, SixteenButtonsEachOnce)
{
    std::set<std::string> buttons;
    for (const ExerciseRecord* r : tavek::exercises_of(3))
        for (const tavek::Press& p : r->presses) {
            buttons.insert(p.button);
            // Every unit a button converts has its classroom factor, in the SI unit the group writes.
            ASSERT_NE(tavek::unit_named(p.converts), nullptr) << p.button;
            EXPECT_STREQ(tavek::si_unit_of(p.converts)->name, r->answers.at(0).unit) << p.button;
        }
    EXPECT_EQ(buttons.size(), 16u);
    for (const Row& r : kWorked)
        EXPECT_EQ(buttons.count(r.button), 1u) << r.button;
    // The clear buttons convert nothing.
    for (const char* clear : {"Button6", "Button13", "Button19"})
        EXPECT_EQ(groupOf(clear), nullptr) << clear;
}

TEST(Conversions, WorkedValues)
{
    for (const Row& r : kWorked) {
        SCOPED_TRACE(r.button);
        const ExerciseRecord* group = groupOf(r.button);
        ASSERT_NE(group, nullptr);
        EXPECT_STREQ(inputOf(r.button), r.input);
        EXPECT_STREQ(group->answers.at(0).control, r.result);
        const Outcome out = press(r.button, r.typed);
        EXPECT_TRUE(out.messages().empty());
        EXPECT_FALSE(out.fault);
        EXPECT_EQ(out.written(r.result), r.expected);
        // A group's button writes its own result cell and nothing else.
        EXPECT_EQ(out.actions.size(), 1u);
    }
}

TEST(Conversions, EmptyCellAndZeroConvertToZero)
{
    for (const Row& r : kWorked) {
        SCOPED_TRACE(r.button);
        for (const char* zero : {"", "0", "   ", "0.0", "."}) {
            const Outcome out = press(r.button, zero);
            EXPECT_TRUE(out.messages().empty()) << '"' << zero << '"';
            EXPECT_EQ(out.written(r.result), "0.00000000" + suffix_of(r.result)) << '"' << zero << '"';
        }
    }
}

TEST(Conversions, NegativeValueIsRefusedInEveryGroup)
{
    for (const Row& r : kWorked) {
        SCOPED_TRACE(r.button);
        for (const char* negative : {"-1", "-0.00000001", "-1e300"}) {
            const Outcome out = press(r.button, negative);
            EXPECT_EQ(out.messages(), std::vector<std::string>{"Valor para conversão negativo, favor ajuste o valor"});
            EXPECT_EQ(out.last_focus(), r.input);
            EXPECT_FALSE(out.wrote_anything());
            EXPECT_FALSE(out.fault);
        }
    }
}

TEST(Conversions, NegativeZeroIsNotNegative)
{
    // -0 passes the sign check and keeps its sign bit in the text.
    EXPECT_EQ(press("Button5", "-0").written("Edit2"), "-0.00000000 m");
    EXPECT_EQ(press("Button1", "-0").written("Edit2"), "-0.00000000 m");
    EXPECT_TRUE(press("Button7", "-0").messages().empty());
}

TEST(Conversions, MalformedValueIsRefusedBeforeTheSignCheck)
{
    struct Case {
        const char* button;
        const char* typed;
        const char* focus;
    };
    for (const Case& c : std::vector<Case>{{"Button1", "1,,5", "Edit1"},
                                           {"Button12", "3.14abc", "Edit1"},
                                           {"Button9", "-1,5.0", "Edit3"},
                                           {"Button10", "1.5e", "Edit3"},
                                           {"Button16", "-", "Edit5"},
                                           {"Button18", "1 000", "Edit5"}}) {
        SCOPED_TRACE(c.typed);
        const Outcome out = press(c.button, c.typed);
        EXPECT_EQ(out.messages(), std::vector<std::string>{"Valor inválido. Ajuste seus dados"});
        EXPECT_EQ(out.last_focus(), c.focus);
        EXPECT_FALSE(out.wrote_anything());
    }
}

TEST(Conversions, BlanksAroundANumberAreIgnored)
{
    EXPECT_EQ(press("Button8", "  2.5 ").written("Edit4"), "150.00000000 s");
    EXPECT_EQ(press("Button14", "+4").written("Edit6"), "0.00400000 kg");
    EXPECT_EQ(press("Button2", "2.5E-1").written("Edit2"), "0.00250000 m");
}

TEST(Conversions, Faults)
{
    struct Case {
        const char* button;
        const char* typed;
        Fault fault;
    };
    for (const Case& c : std::vector<Case>{{"Button5", "1e306", Fault::Overflow},  // x * 1000
                                           {"Button10", "1e302", Fault::Overflow}, // x * 31560000
                                           {"Button1", "1e400", Fault::Overflow},  // the reading itself
                                           {"Button14", "1e400", Fault::Overflow}}) {
        SCOPED_TRACE(c.typed);
        const Outcome out = press(c.button, c.typed);
        EXPECT_EQ(out.fault, c.fault);
        EXPECT_FALSE(out.wrote_anything());
        EXPECT_TRUE(out.messages().empty());
    }
    // Dividing a huge length stays finite.
    EXPECT_FALSE(press("Button1", "1e308").fault);
}

TEST(Conversions, LargeResultsAreWrittenInFull)
{
    EXPECT_EQ(press("Button5", "123456789").written("Edit2"), "123456789000.00000000 m");
    EXPECT_EQ(press("Button10", "100").written("Edit4"), "3156000000.00000000 s");
}

TEST(Conversions, DecimalCommaReadsAsThePoint)
{
    EXPECT_EQ(press("Button8", "1,5").written("Edit4"), "90.00000000 s");
    EXPECT_EQ(press("Button1", ",5e3").written("Edit2"), "0.50000000 m");
    EXPECT_TRUE(press("Button1", ",5e3").messages().empty());
}

namespace {

using namespace outcome_testing;

// Every button with its worked value, a thousandth and a million.
std::vector<Worked> workedConversions()
{
    static std::vector<std::string> names;
    names.reserve(kWorked.size() * 3);
    std::vector<Worked> rows;
    for (const Row& r : kWorked) {
        const char* button = r.button;
        for (const char* typed : {r.typed, "0.001", "1e6"}) {
            names.push_back(std::string(r.button) + " " + typed);
            rows.push_back({names.back().c_str(),
                            [button](const Cells& cells) { return outcome_testing::pressButton(button, cells); },
                            Cells{{r.input, typed}}});
        }
    }
    return rows;
}
const std::vector<Worked> kWorkedConversions = workedConversions();

} // namespace

INSTANTIATE_TEST_SUITE_P(Conversions, WorkedSolution, testing::ValuesIn(kWorkedConversions), caseName);

TEST(Conversions, SolutionStartsFromTheTypedUnit)
{
    const tavek::Solution s = press("Button1", "1500").solution;
    EXPECT_EQ(tavek::to_plain(s.data.at(0)), "x = 1500 mm");
    EXPECT_EQ(tavek::to_plain(s.substitutions.at(0)), "xSI = x ÷ 1000 = 1500 ÷ 1000 = 1.50000000 m");
}
