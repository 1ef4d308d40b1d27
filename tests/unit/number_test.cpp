#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "kit/core/number.h"

using tavek::read_number;
using tavek::Reading;
using tavek::write_number;

namespace {

// One reading: the text, whether it is malformed, and the number it gives
// (for a malformed text, the digits read before the first misfit).
struct ReadCase {
    std::string text;
    bool malformed;
    double value;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

void expect_reading(const ReadCase& c)
{
    const Reading r = read_number(c.text);
    EXPECT_EQ(r.malformed, c.malformed) << '"' << c.text << '"';
    EXPECT_FALSE(r.overflow) << '"' << c.text << '"';
    EXPECT_EQ(r.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(std::signbit(r.value), std::signbit(c.value)) << "sign of \"" << c.text << '"';
}

class NumberReadingTable : public testing::TestWithParam<ReadCase> {};

TEST_P(NumberReadingTable, GivesTheNumber) { expect_reading(GetParam()); }

// How texts read: blanks around a number are ignored and every text that is
// not a complete number is flagged.
INSTANTIATE_TEST_SUITE_P(NumberRows, NumberReadingTable, testing::Values(
    ReadCase{"", false, 0.0},
    ReadCase{"   ", false, 0.0},
    ReadCase{"abc", true, 0.0},
    ReadCase{"12", false, 12.0},
    ReadCase{"  -2.5", false, -2.5},
    ReadCase{"+4", false, 4.0},
    ReadCase{"1e3", false, 1000.0},
    ReadCase{"2.5E-1", false, 0.25},
    ReadCase{"1,5", false, 1.5},      // used to be malformed: the comma is a decimal point
    ReadCase{"-1,5", false, -1.5},
    ReadCase{"2.5 ", false, 2.5},     // used to read 25
    ReadCase{"-7 ", false, -7.0},     // used to read 7
    ReadCase{"3.14abc", true, 314.0},
    ReadCase{"1.5e", true, 15.0},
    ReadCase{"-", true, 0.0},
    ReadCase{"1 000", true, 1.0}));

INSTANTIATE_TEST_SUITE_P(NumberCompleteForms, NumberReadingTable, testing::Values(
    ReadCase{"5.", false, 5.0},
    ReadCase{".5", false, 0.5},
    ReadCase{".", false, 0.0},
    ReadCase{"-.", false, -0.0},
    ReadCase{"-0", false, -0.0},
    ReadCase{"-0.000", false, -0.0},
    ReadCase{"+0", false, 0.0},
    ReadCase{"0", false, 0.0},
    ReadCase{"007", false, 7.0},
    ReadCase{"  12  ", false, 12.0},
    ReadCase{" +4 ", false, 4.0},
    ReadCase{"1E+5", false, 100000.0},
    ReadCase{"1e-0", false, 1.0},
    ReadCase{"1e05", false, 100000.0},
    ReadCase{"1.e2", false, 100.0},
    ReadCase{".5e1", false, 5.0},
    ReadCase{"-.25", false, -0.25},
    ReadCase{".e5", false, 0.0},
    ReadCase{"0.1", false, 0.1},
    ReadCase{"9.8", false, 9.8},
    ReadCase{"-1E-3", false, -0.001},
    ReadCase{"1e-400", false, 0.0},   // too small: zero, no fault
    ReadCase{"-1e-400", false, -0.0},
    ReadCase{"1e-310", false, 1e-310}, // subnormal
    ReadCase{"1.7976931348623157e308", false, std::numeric_limits<double>::max()},
    ReadCase{"0e99999", false, 0.0}));

// A lone comma, with no point, is the decimal point as Brazilian students write it.
INSTANTIATE_TEST_SUITE_P(NumberDecimalComma, NumberReadingTable, testing::Values(
    ReadCase{"9,8", false, 9.8},
    ReadCase{"-0,25", false, -0.25},
    ReadCase{",5", false, 0.5},
    ReadCase{"1,5e3", false, 1500.0},
    ReadCase{"5,", false, 5.0},
    ReadCase{" 2,5 ", false, 2.5},
    ReadCase{",", false, 0.0},
    ReadCase{"1,5.2", true, 1.0},    // a comma beside a point
    ReadCase{"1.5,2", true, 15.0},
    ReadCase{"1,,5", true, 1.0},     // two commas
    ReadCase{"1,5,2", true, 1.0},
    ReadCase{"1e3,5", true, 1.0},    // the comma after the exponent is a misfit
    ReadCase{"1,5e", true, 15.0}));

INSTANTIATE_TEST_SUITE_P(NumberMalformed, NumberReadingTable, testing::Values(
    ReadCase{"\t1", true, 0.0},     // only code 32 is a blank
    ReadCase{"1\t", true, 1.0},
    ReadCase{"1\n", true, 1.0},
    ReadCase{"1e", true, 1.0},
    ReadCase{"1e+", true, 1.0},
    ReadCase{"1e-", true, 1.0},
    ReadCase{"1e5x", true, 1.0},    // exponent digits never reach the fallback
    ReadCase{"--1", true, 0.0},
    ReadCase{"+-1", true, 0.0},
    ReadCase{"+", true, 0.0},
    ReadCase{"- 5", true, 0.0},
    ReadCase{"e5", true, 0.0},
    ReadCase{"E", true, 0.0},
    ReadCase{"1.2.3", true, 12.0},
    ReadCase{"..", true, 0.0},
    ReadCase{"12-", true, 12.0},
    ReadCase{"0x10", true, 0.0},
    ReadCase{"inf", true, 0.0},
    ReadCase{"nan", true, 0.0},
    ReadCase{"2,5,0", true, 2.0},
    ReadCase{"1e400x", true, 1.0},
    ReadCase{std::string("1\0", 2), true, 1.0},
    ReadCase{"\xc2\xa0" "1", true, 0.0},  // a non-breaking space is not a blank
    ReadCase{"１", true, 0.0}));

TEST(NumberReading, OverflowIsFlaggedNotMalformed)
{
    for (const char* text : {"1e400", "-1e400", "1.7976931348623159e308", "0.5e309", "1e99999999999999999999",
                             "  1e400  "}) {
        const Reading r = read_number(text);
        EXPECT_TRUE(r.overflow) << text;
        EXPECT_FALSE(r.malformed) << text;
    }
}

TEST(NumberReading, LongDigitStrings)
{
    // 2^53 + 1 lies halfway between two doubles: ties go to even ...
    EXPECT_EQ(read_number("9007199254740993").value, 9007199254740992.0);
    // ... but any digit further on decides the rounding.
    EXPECT_EQ(read_number("9007199254740993.000000000000000000001").value, 9007199254740994.0);
    EXPECT_EQ(read_number("12345678901234567890123").value, 1.2345678901234568e22);
    // The exact decimal value of the double nearest 0.1.
    EXPECT_EQ(read_number("0.1000000000000000055511151231257827021181583404541015625").value, 0.1);

    const std::string zeros(400, '0');
    EXPECT_EQ(read_number("1" + zeros + "e-400").value, 1.0);
    EXPECT_EQ(read_number("0." + zeros + "25e400").value, 0.25);
    EXPECT_TRUE(read_number("1" + zeros).overflow);
    const Reading tiny = read_number("0." + zeros + "1");
    EXPECT_EQ(tiny.value, 0.0);
    EXPECT_FALSE(tiny.overflow);
    EXPECT_FALSE(tiny.malformed);
    EXPECT_EQ(read_number(zeros + "7").value, 7.0);

    const std::string many(5000, '3');
    const Reading r = read_number(many);
    EXPECT_TRUE(r.overflow);
    const Reading frac = read_number("0." + many);
    EXPECT_FALSE(frac.malformed);
    EXPECT_EQ(frac.value, 1.0 / 3.0);
    const Reading bad = read_number(many + "x");
    EXPECT_TRUE(bad.malformed);
    EXPECT_FALSE(bad.overflow);
}

// One writing: x, width, decimals and the text expected.
struct WriteCase {
    double x;
    int width;
    int decimals;
    std::string text;
};

void PrintTo(const WriteCase& c, std::ostream* os)
{
    *os << c.x << " (" << c.width << ", " << c.decimals << ')';
}

class NumberWritingTable : public testing::TestWithParam<WriteCase> {};

TEST_P(NumberWritingTable, WritesTheText)
{
    const WriteCase& c = GetParam();
    EXPECT_EQ(write_number(c.x, c.width, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(NumberDesignRows, NumberWritingTable, testing::Values(
    WriteCase{1.0204081632653061, 4, 4, "1.0204"},
    WriteCase{10.204081632653061, 4, 4, "10.2041"},
    WriteCase{-3.0, 4, 4, "-3.0000"},
    WriteCase{0.0, 4, 4, "0.0000"},
    WriteCase{9.99996, 4, 4, "10.0000"},
    WriteCase{1234.5, 4, 2, "1234.50"},
    WriteCase{-2.25, 4, 2, "-2.25"},
    WriteCase{0.333333333, 6, 6, "0.333333"},
    WriteCase{0.001, 8, 8, "0.00100000"},
    WriteCase{45.0, 0, 0, "45"}));

INSTANTIATE_TEST_SUITE_P(NumberSignAndHalves, NumberWritingTable, testing::Values(
    WriteCase{-0.0, 4, 4, "-0.0000"},
    WriteCase{-0.00004, 4, 4, "-0.0000"},
    WriteCase{-0.00001, 4, 4, "-0.0000"},
    WriteCase{-0.4, 0, 0, "-0"},
    WriteCase{0.125, 4, 2, "0.13"},
    WriteCase{0.03125, 4, 4, "0.0313"},
    WriteCase{2.5, 0, 0, "3"},
    WriteCase{0.5, 0, 0, "1"},
    WriteCase{1.5, 0, 0, "2"},
    WriteCase{-0.125, 4, 2, "-0.13"},
    WriteCase{-2.5, 0, 0, "-3"},
    WriteCase{0.0000499999999999999, 4, 4, "0.0001"},  // judged on 17 places
    WriteCase{0.00004999, 4, 4, "0.0000"},
    WriteCase{0.000000015, 8, 8, "0.00000002"},
    WriteCase{0.99995, 4, 4, "1.0000"},
    WriteCase{99.995, 4, 2, "100.00"},                  // stored as 99.99500000000000455
    WriteCase{1.005, 4, 2, "1.00"},                     // stored as 1.00499999999999989
    WriteCase{0.00000000499999999999, 8, 8, "0.00000001"}, // 17 places: 0.00000000500000000
    WriteCase{5e-324, 8, 8, "0.00000000"},
    WriteCase{-5e-324, 8, 8, "-0.00000000"}));

INSTANTIATE_TEST_SUITE_P(NumberMagnitudes, NumberWritingTable, testing::Values(
    WriteCase{123456.789, 4, 2, "123456.79"},          // never truncated
    WriteCase{1e22, 4, 4, "10000000000000000000000.0000"},
    WriteCase{1.2345678901234569e23, 4, 4, "123456789012345686000000.0000"}, // 18 digits, then zeros
    WriteCase{12345.678901234567, 8, 8, "12345.67890123"},
    WriteCase{9.99e35, 0, 0, "998999999999999954000000000000000000"},
    WriteCase{1.7e36, 4, 4, " 1.7E+0036"},
    WriteCase{1.7e36, 4, 2, " 1.7E+0036"},
    WriteCase{1.7e36, 6, 6, " 1.7E+0036"},
    WriteCase{1.7e36, 8, 8, " 1.7E+0036"},
    WriteCase{1.7e36, 0, 0, " 1.7E+0036"},
    WriteCase{-1.7e36, 4, 4, "-1.7E+0036"},
    WriteCase{1e36, 4, 4, " 1.0E+0036"},
    WriteCase{9.96e36, 4, 4, " 1.0E+0037"},
    WriteCase{1.25e100, 4, 4, " 1.2E+0100"},            // stored as 1.2499999999999999713e100
    WriteCase{1.7976931348623157e308, 6, 6, " 1.8E+0308"},
    WriteCase{1.23456789e40, 13, 4, " 1.2346E+0040"},   // wider fields keep more digits
    WriteCase{1.23456789e40, 12, 4, " 1.235E+0040"},
    WriteCase{5.0, 8, 0, "       5"},                    // padding to the width
    WriteCase{-5.0, 6, 2, " -5.00"}));

// Reading back what was written gives the number again, to the decimals written.
TEST(NumberWriting, ReadsBackWithinHalfAUnit)
{
    const std::vector<double> xs = {0.0, 1.0 / 3.0, -2.0 / 3.0, 9.8, 123456.789, -0.00049, 7e-9, 3.14159e20};
    const std::vector<std::pair<int, int>> formats = {{4, 4}, {4, 2}, {6, 6}, {8, 8}, {0, 0}};
    for (double x : xs) {
        for (const auto& [w, d] : formats) {
            const std::string text = write_number(x, w, d);
            const Reading r = read_number(text);
            EXPECT_FALSE(r.malformed) << text;
            const double unit = std::pow(10.0, -d);
            EXPECT_LE(std::fabs(r.value - x), unit / 2 + std::fabs(x) * 1e-15) << x << " -> " << text;
            EXPECT_EQ(std::signbit(r.value), std::signbit(x)) << text;
        }
    }
}

// Under a Brazilian locale the C library writes and reads decimal commas; the
// program's numbers must not notice.
void expect_point_conversions()
{
    EXPECT_EQ(read_number("2.5").value, 2.5);
    EXPECT_FALSE(read_number("2.5").malformed);
    EXPECT_EQ(read_number("2,5").value, 2.5);
    EXPECT_FALSE(read_number("2,5").malformed);
    EXPECT_TRUE(read_number("2,5.0").malformed);
    EXPECT_EQ(write_number(2.5, 4, 2), "2.50");
    EXPECT_EQ(write_number(-1234.5678, 4, 4), "-1234.5678");
    EXPECT_EQ(write_number(1.7e36, 4, 4), " 1.7E+0036");
    EXPECT_EQ(read_number(write_number(0.333333333, 6, 6)).value, 0.333333);
}

TEST(LocaleDecimalComma, ConversionsKeepThePoint)
{
    const char* expect = std::getenv("TAVEK_EXPECT_COMMA_LOCALE");
    if (expect != nullptr && std::string(expect) == "1") {
        // Proves the run really is under a decimal-comma locale.
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    expect_point_conversions();
}

TEST(LocaleDecimalComma, SwitchedInsideTheRun)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    // The glibc name, then the one Windows' C runtime knows (and wine's).
    if (std::setlocale(LC_ALL, "pt_BR.UTF-8") == nullptr &&
        std::setlocale(LC_ALL, "Portuguese_Brazil.1252") == nullptr)
        GTEST_SKIP() << "no Brazilian locale is installed";
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    expect_point_conversions();
    std::setlocale(LC_ALL, before.c_str());
}

} // namespace
