#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "kit/core/quick_si.h"

using tavek::SpeedUnit;

namespace {

struct Row {
    const char* name;
    std::string before;
    SpeedUnit unit;
    std::string after;
    std::string note;
};

// clang-format off
const Row kConversions[] = {
    {"kmh_100",          "100",     SpeedUnit::Kmh, "27.7000",   "100 km/h -> m/s"},
    {"mih_100",          "100",     SpeedUnit::Mih, "44.7040",   "100 mi/h -> m/s"},
    {"cms_100",          "100",     SpeedUnit::Cms, "1.0000",    "100 cm/s -> m/s"},
    {"kmh_twice",        "27.7000", SpeedUnit::Kmh, "7.6729",    "27.7000 km/h -> m/s"},
    {"empty_cell",       "",        SpeedUnit::Kmh, "0.0000",    " km/h -> m/s"},
    {"empty_cell_cms",   "",        SpeedUnit::Cms, "0.0000",    " cm/s -> m/s"},
    {"negative",         "-10",     SpeedUnit::Kmh, "-2.7700",   "-10 km/h -> m/s"},
    {"four_decimals",    "1",       SpeedUnit::Kmh, "0.2770",    "1 km/h -> m/s"},
    {"no_truncation",    "123456",  SpeedUnit::Mih, "55189.7702", "123456 mi/h -> m/s"},
    {"rounding_half_up", "0.5",     SpeedUnit::Cms, "0.0050",    "0.5 cm/s -> m/s"},
    {"negative_zero",    "-0",      SpeedUnit::Kmh, "-0.0000",   "-0 km/h -> m/s"},
    {"exponent",         "1e3",     SpeedUnit::Mih, "447.0400",  "1e3 mi/h -> m/s"},
    {"decimal_comma",    "36,5",    SpeedUnit::Kmh, "10.1105",   "36,5 km/h -> m/s"},
    // blanks around a number are not part of it, but the note keeps the text as typed
    {"blanks_kept_in_note", " 36 ", SpeedUnit::Kmh, "9.9720",    " 36  km/h -> m/s"},
};
// clang-format on

} // namespace

TEST(QuickSi, Conversions)
{
    for (const Row& row : kConversions) {
        SCOPED_TRACE(row.name);
        const tavek::Outcome out = tavek::convert_speed(true, row.before, row.unit, "Edit13", "Label38");
        EXPECT_FALSE(out.fault.has_value());
        EXPECT_TRUE(out.messages().empty());
        EXPECT_EQ(out.written("Edit13"), row.after);
        EXPECT_EQ(out.written("Label38"), row.note);
        // the note is written before the cell is replaced
        ASSERT_EQ(out.actions.size(), 2u);
        EXPECT_EQ(out.actions[0].target, "Label38");
        EXPECT_EQ(out.actions[1].target, "Edit13");
    }
}

TEST(QuickSi, NothingWhileUnticked)
{
    for (SpeedUnit unit : {SpeedUnit::Kmh, SpeedUnit::Mih, SpeedUnit::Cms})
        for (const char* text : {"100", "", "abc", "1e400"}) {
            const tavek::Outcome out = tavek::convert_speed(false, text, unit, "Edit1", "Label9");
            EXPECT_TRUE(out.actions.empty()) << text;
            EXPECT_FALSE(out.fault.has_value()) << text;
        }
}

TEST(QuickSi, MalformedCellConvertsNothing)
{
    for (SpeedUnit unit : {SpeedUnit::Kmh, SpeedUnit::Mih, SpeedUnit::Cms})
        for (const char* text : {"1,5.0", "abc", "2.5e", "-", "1 000", "10km/h"}) {
            SCOPED_TRACE(text);
            const tavek::Outcome out = tavek::convert_speed(true, text, unit, "Edit8", "Label27");
            EXPECT_EQ(out.messages(), std::vector<std::string>{"Valor inválido. Ajuste seus dados"});
            EXPECT_EQ(out.last_focus(), "Edit8");
            EXPECT_FALSE(out.wrote_anything());
            EXPECT_FALSE(out.fault.has_value());
        }
}

TEST(QuickSi, NumberTooLargeIsAnOverflow)
{
    const tavek::Outcome out = tavek::convert_speed(true, "1e400", SpeedUnit::Cms, "Edit1", "Label7");
    EXPECT_EQ(out.fault, tavek::Fault::Overflow);
    EXPECT_FALSE(out.wrote_anything());
}

TEST(QuickSi, FactorsAndSuffixes)
{
    EXPECT_EQ(tavek::speed_factor(SpeedUnit::Kmh), 0.277);
    EXPECT_EQ(tavek::speed_factor(SpeedUnit::Mih), 0.44704);
    EXPECT_EQ(tavek::speed_factor(SpeedUnit::Cms), 0.01);
    EXPECT_EQ(tavek::speed_suffix(SpeedUnit::Kmh), " km/h -> m/s");
    EXPECT_EQ(tavek::speed_suffix(SpeedUnit::Mih), " mi/h -> m/s");
    EXPECT_EQ(tavek::speed_suffix(SpeedUnit::Cms), " cm/s -> m/s");
}
