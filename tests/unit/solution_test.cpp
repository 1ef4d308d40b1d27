// The worked solutions: each answer a window shows comes out of its solution
// with the same text, and the solution's rich text holds only the program's
// own markup.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "kit/core/outcome.h"
#include "topics/force/incline_friction.h"
#include "topics/launches/launches.h"
#include "outcome_testing.h"
#include "worked_solution.h"

using tavek::Outcome;

namespace {

using namespace outcome_testing;

// `number` stands in `text` as a whole number, not as part of a longer one.
bool standsIn(const std::string& text, const std::string& number)
{
    auto digitish = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-'; };
    for (auto at = text.find(number); at != std::string::npos; at = text.find(number, at + 1)) {
        const auto end = at + number.size();
        if ((at == 0 || !digitish(text[at - 1])) && (end == text.size() || !digitish(text[end])))
            return true;
    }
    return false;
}

std::string plain(const std::vector<tavek::Line>& lines)
{
    std::string r;
    for (const auto& l : lines)
        r += tavek::to_plain(l) + "\n";
    return r;
}

// Every number the window shows is the result of a step (or a given) of the
// solution, written the same; every numeric answer has one.
TEST_P(WorkedSolution, answersComeOutOfTheirSteps)
{
    const Outcome out = GetParam().calculator(GetParam().cells);
    ASSERT_FALSE(out.fault);
    ASSERT_TRUE(out.messages().empty());
    const tavek::Solution& s = out.solution;
    EXPECT_FALSE(s.data.empty());

    std::vector<std::string> covered;
    for (const auto& [target, number] : s.shown) {
        SCOPED_TRACE(target + " shows " + number);
        // A label or cell shows its last text; a list, any of its lines.
        const auto written = out.written(target);
        const Texts texts = written ? Texts{*written} : out.lines(target);
        ASSERT_FALSE(texts.empty());
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const auto& t) { return standsIn(t, number); }))
            << texts.front();
        covered.push_back(target);
    }
    for (const tavek::Action& a : out.actions) {
        const bool shows = a.kind == tavek::Action::Kind::Write || a.kind == tavek::Action::Kind::Append;
        if (!shows || std::none_of(a.text.begin(), a.text.end(), [](unsigned char c) { return std::isdigit(c); }))
            continue;
        EXPECT_NE(std::find(covered.begin(), covered.end(), a.target), covered.end())
            << a.target << " shows \"" << a.text << "\" with no step behind it\n"
            << plain(s.substitutions);
    }
}

TEST(SolutionText, readsAsTheTextbookWritesIt)
{
    const Outcome out = tavek::rough_incline(fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"0.1", "10", "10", "30"}));
    EXPECT_TRUE(substitutes(out, "a = (|PX − PB| − Fat) / (mA + mB) = (|48.98 − 98.00| − 8.49) / (10 + 10) = 2.03 m/s²"));
    EXPECT_EQ(plain(out.solution.data).substr(0, 20), "μ = 0.1\nmA = 10 kg\n");
    EXPECT_NE(tavek::solution_html(&out).find("<b>Substituição:</b><br>sen θ"), std::string::npos);
}

TEST(SolutionText, numbersAndMessagesAreNeverMarkup)
{
    tavek::Line line{{tavek::Piece::Kind::Markup, "x_{1}^{2} < y & \"z\""},
                     {tavek::Piece::Kind::Number, "<b>_{1}</b>"}};
    EXPECT_EQ(tavek::to_html(line),
              "x<sub>1</sub><sup>2</sup> &lt; y &amp; &quot;z&quot;&lt;b&gt;_{1}&lt;/b&gt;");
    EXPECT_EQ(tavek::to_plain(line), "x12 < y & \"z\"<b>_{1}</b>");

    Outcome refused;
    refused.message("a < b", "Edit1");
    EXPECT_EQ(tavek::solution_html(&refused), "<p>a &lt; b</p><p>" + std::string(tavek::kNoAnswer) + "</p>");
    EXPECT_EQ(tavek::solution_html(nullptr), "<p>" + std::string(tavek::kNothingYet) + "</p>");
    // a fault part-way keeps the steps before it and says where it stopped
    const Outcome fault = tavek::dropped_missile(fill({"Edit1", "Edit2"}, {"1e308", "490"}));
    ASSERT_TRUE(fault.fault);
    const std::string html = tavek::solution_html(&fault);
    EXPECT_NE(html.find("= 10.0000 s"), std::string::npos) << html;
    EXPECT_NE(html.find("O cálculo parou com o erro &quot;Floating point overflow.&quot;"), std::string::npos) << html;
}

TEST(SolutionText, substitutionsBracketNegativesAndGiveAnAliasOnce)
{
    tavek::Solution s;
    tavek::Working w(s, 4, 2);
    w.given("x", "x", -3, "m");
    w.step("y", "y", "2 × @x", -6, "m");
    w.step("z", "z", "@y", -6, "m");
    EXPECT_EQ(plain(s.data), "x = -3 m\n");
    EXPECT_EQ(plain(s.substitutions), "y = 2 × x = 2 × (-3) = -6.00 m\nz = y = -6.00 m\n");
}

} // namespace
