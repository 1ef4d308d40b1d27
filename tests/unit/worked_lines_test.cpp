// Every line of a worked solution redone by hand, as a teacher would: each
// substitution recomputed from the numbers printed in it must give its printed
// result to within one unit of the result's last digit, over every worked
// example row of every window (the rows of WorkedSolution).
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "kit/core/last_press.h"
#include "kit/core/number.h"
#include "kit/core/outcome.h"
#include "worked_solution.h"

namespace {

using outcome_testing::WorkedSolution;

// A number as printed, "-2.0267" or "1.5 × 10⁻⁴", and one unit of its last digit.
struct Printed {
    double value = 0;
    double lastDigit = 0;
};

const char* const kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};

// Reads the plain text of a line the way a student reads it off the screen.
class HandReader {
public:
    explicit HandReader(std::string_view text) : t_(text) {}

    // The whole text as one expression.
    std::optional<double> expression()
    {
        const double v = sum();
        blanks();
        if (!ok_ || at_ != t_.size())
            return std::nullopt;
        return v;
    }

    // A printed number at the start, leaving the unit after it.
    std::optional<Printed> printed()
    {
        blanks();
        const bool minus = eat("-") || eat("−");
        const std::size_t from = at_;
        int decimals = 0;
        bool point = false;
        while (at_ < t_.size() && (std::isdigit(static_cast<unsigned char>(t_[at_])) || t_[at_] == '.')) {
            if (point)
                ++decimals;
            point = point || t_[at_] == '.';
            ++at_;
        }
        if (at_ == from)
            return std::nullopt;
        Printed p{tavek::read_number(t_.substr(from, at_ - from)).value, std::pow(10.0, -decimals)};
        if (eat("× 10")) {
            const int e = exponent();
            p.value *= std::pow(10.0, e);
            p.lastDigit *= std::pow(10.0, e);
        }
        if (minus)
            p.value = -p.value;
        return p;
    }

private:
    void blanks()
    {
        while (at_ < t_.size() && t_[at_] == ' ')
            ++at_;
    }
    bool eat(std::string_view s)
    {
        blanks();
        if (t_.substr(at_, s.size()) != s)
            return false;
        at_ += s.size();
        return true;
    }
    // A run of superscript digits, perhaps with ⁻: the power written after a number.
    std::optional<int> superscript()
    {
        const bool minus = t_.substr(at_, 3) == "⁻";
        std::size_t at = at_ + (minus ? 3 : 0);
        int e = 0;
        bool any = false;
        for (bool more = true; more;) {
            more = false;
            for (int digit = 0; digit < 10; ++digit) {
                const std::string_view s = kSuperscripts[digit];
                if (t_.substr(at, s.size()) == s) {
                    e = e * 10 + digit;
                    at += s.size();
                    any = more = true;
                    break;
                }
            }
        }
        if (!any)
            return std::nullopt;
        at_ = at;
        return minus ? -e : e;
    }
    int exponent()
    {
        const auto e = superscript();
        ok_ = ok_ && e.has_value();
        return e.value_or(0);
    }
    double sum()
    {
        double v = product();
        for (;;) {
            if (eat("+"))
                v += product();
            else if (eat("−") || eat("-"))
                v -= product();
            else
                return v;
        }
    }
    double product()
    {
        double v = unary();
        for (;;) {
            if (eat("×")) {
                v *= unary();
            } else if (eat("/") || eat("÷")) {
                const double by = unary();
                ok_ = ok_ && by != 0; // a printed zero divisor is no number
                v /= by;
            } else {
                return v;
            }
        }
    }
    double unary()
    {
        if (eat("−") || eat("-"))
            return -unary();
        double v = primary();
        while (const auto e = superscript())
            v = std::pow(v, *e);
        return v;
    }
    double bracketed(const char* close)
    {
        const double v = sum();
        ok_ = ok_ && eat(close);
        return v;
    }
    double primary()
    {
        if (eat("("))
            return bracketed(")");
        if (eat("|"))
            return std::fabs(bracketed("|"));
        if (eat("√")) {
            const double v = primary();
            ok_ = ok_ && v >= 0;
            return std::sqrt(v);
        }
        if (eat("sen("))
            return std::sin(bracketed(")"));
        if (eat("cos("))
            return std::cos(bracketed(")"));
        if (eat("arctg("))
            return std::atan(bracketed(")"));
        if (eat("tg("))
            return std::tan(bracketed(")"));
        const std::size_t from = at_;
        while (at_ < t_.size() && (std::isdigit(static_cast<unsigned char>(t_[at_])) || t_[at_] == '.'))
            ++at_;
        ok_ = ok_ && at_ > from;
        return tavek::read_number(t_.substr(from, at_ - from)).value;
    }

    std::string_view t_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

std::vector<std::string> split(const std::string& s, const std::string& by)
{
    std::vector<std::string> parts;
    for (std::size_t from = 0;;) {
        const std::size_t at = s.find(by, from);
        parts.push_back(s.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos)
            return parts;
        from = at + by.size();
    }
}

bool within(double a, double b, double lastDigit)
{
    return std::fabs(a - b) <= lastDigit * (1 + 1e-9) + 1e-12 * std::fabs(b);
}

// One substitution line: "symbol = formula = numbers = result [≈ answer]",
// an alias "symbol = other = result" or a value settled on "symbol = result".
void redo(const std::string& line)
{
    SCOPED_TRACE(line);
    const std::vector<std::string> parts = split(line, " = ");
    ASSERT_GE(parts.size(), 2u);
    const std::vector<std::string> results = split(parts.back(), " ≈ ");
    ASSERT_LE(results.size(), 2u);
    const auto result = HandReader(results[0]).printed();
    ASSERT_TRUE(result) << "no number in \"" << results[0] << "\"";
    if (results.size() == 2) {
        const auto answer = HandReader(results[1]).printed();
        ASSERT_TRUE(answer);
        EXPECT_TRUE(within(result->value, answer->value, std::max(result->lastDigit, answer->lastDigit)));
    }
    if (parts.size() == 3) {
        // Only a quantity equal to another may skip its numbers.
        EXPECT_EQ(parts[1].find_first_of(" ()/|"), std::string::npos) << "a formula without its numbers";
        return;
    }
    if (parts.size() < 4)
        return;
    const auto recomputed = HandReader(parts[parts.size() - 2]).expression();
    ASSERT_TRUE(recomputed) << "\"" << parts[parts.size() - 2] << "\" does not compute";
    EXPECT_TRUE(within(*recomputed, result->value, result->lastDigit))
        << "by hand " << *recomputed << ", printed " << results[0];
}

std::string plainText(const std::vector<tavek::Line>& lines)
{
    std::string r;
    for (const tavek::Line& l : lines)
        r += tavek::to_plain(l) + "\n";
    return r;
}

TEST_P(WorkedSolution, everyLineRedoneByHand)
{
    const tavek::Outcome out = GetParam().calculator(GetParam().cells);
    ASSERT_FALSE(out.fault);
    const tavek::Solution& s = out.solution;
    for (const tavek::Line& l : s.substitutions)
        redo(tavek::to_plain(l));

    const std::string data = plainText(s.data);
    const std::string steps = plainText(s.substitutions);
    // Every answer stands in the working as the window writes it.
    for (const auto& [target, number] : s.shown)
        EXPECT_TRUE(steps.find(number) != std::string::npos || data.find(number) != std::string::npos)
            << target << " shows " << number << "\n" << steps;
    // Powers of ten as a student writes them, and powers that copy as such.
    for (const std::string& text : {data, steps, plainText(s.remarks)}) {
        for (const char* machine : {"e+", "e-", "E+", "E-", "^{"})
            EXPECT_EQ(text.find(machine), std::string::npos) << text;
    }
    EXPECT_EQ(tavek::solution_html(&out).find("<sup>"), std::string::npos);
    // One symbol, one meaning.
    std::set<std::string> symbols;
    for (const auto* lines : {&s.data, &s.substitutions}) {
        for (const tavek::Line& l : *lines) {
            const std::string text = tavek::to_plain(l);
            EXPECT_TRUE(symbols.insert(text.substr(0, text.find(" = "))).second) << "defined twice: " << text;
        }
    }
}

} // namespace
