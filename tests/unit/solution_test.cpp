// The worked solutions: each answer a window shows comes out of its solution
// with the same text, and the solution's rich text holds only the program's
// own markup.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "kit/core/last_press.h"
#include "kit/core/outcome.h"
#include "kit/core/worked_number.h"
#include "topics/force/force.h"
#include "topics/force/incline_friction.h"
#include "topics/force/tensions.h"
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
    const Outcome out = pressing("form9.6")(fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"0.1", "10", "10", "30"}));
    // a carries the digit T = PB − mB × a needs: 98.00 − 10 × 2.03 would not give T's 77.73.
    EXPECT_TRUE(substitutes(
        out, "a = (|PX − PB| − Fat) / (mA + mB) = (|48.98 − 98.00| − 8.49) / (10 + 10) = 2.027 m/s² ≈ 2.03 m/s²"));
    EXPECT_TRUE(substitutes(out, "T = PB − mB × a = 98.00 − 10 × 2.027 = 77.73 N"));
    EXPECT_EQ(plain(out.solution.data).substr(0, 20), "μ = 0.1\nmA = 10 kg\n");
    EXPECT_NE(tavek::solution_html(&out).find("<b>Substituição:</b><br>sen θ"), std::string::npos);
}

TEST(SolutionText, numbersAndMessagesAreNeverMarkup)
{
    tavek::Line line{{tavek::Piece::Kind::Markup, "x_{1}^{2} < y & \"z\""},
                     {tavek::Piece::Kind::Number, "<b>_{1}</b>"}};
    // A power is written in superscript characters, so that x₁² never copies as x12.
    EXPECT_EQ(tavek::to_html(line), "x<sub>1</sub>² &lt; y &amp; &quot;z&quot;&lt;b&gt;_{1}&lt;/b&gt;");
    EXPECT_EQ(tavek::to_plain(line), "x1² < y & \"z\"<b>_{1}</b>");

    Outcome refused;
    refused.message("a < b", "Edit1");
    EXPECT_EQ(tavek::solution_html(&refused), "<p>a &lt; b</p><p>" + std::string(tavek::kNoAnswer) + "</p>");
    EXPECT_EQ(tavek::solution_html(nullptr), "<p>" + std::string(tavek::kNothingYet) + "</p>");
    // a fault part-way keeps the steps before it and says where it stopped
    const Outcome fault = pressing("form4.1")(fill({"Edit1", "Edit2"}, {"1e308", "490"}));
    ASSERT_TRUE(fault.fault);
    const std::string html = tavek::solution_html(&fault);
    EXPECT_NE(html.find("= 10.0000 s"), std::string::npos) << html;
    EXPECT_NE(html.find("O cálculo parou com o erro &quot;Floating point overflow.&quot;"), std::string::npos) << html;
}

TEST(SolutionText, PaperWritesTheDecimalCommaAndTheScreenItsPoint)
{
    constexpr const char* nb = "\u00a0";
    const std::vector<std::pair<const char*, std::string>> numbers = {
        {"9.8", "9,8"},
        {"-0.25", "-0,25"},
        {"1609", "1609"},
        {"31560000", std::string("31") + nb + "560" + nb + "000"},
        {"-12345.678", std::string("-12") + nb + "345,678"},
        {"1.5 × 10⁶", "1,5 × 10⁶"},
        {"", ""},
    };
    for (const auto& [screen, paper] : numbers)
        EXPECT_EQ(tavek::paper_number(screen), paper) << screen;

    // Numbers in the markup of a remark take the comma too; a sentence's own
    // points and commas stay.
    const tavek::Line line{{tavek::Piece::Kind::Markup, "k = 1.41 vale 1.4163. Fim, x_{1} = "},
                           {tavek::Piece::Kind::Number, "12345.5"}};
    EXPECT_EQ(tavek::to_plain(line, tavek::Notation::Paper),
              std::string("k = 1,41 vale 1,4163. Fim, x1 = 12") + nb + "345,5");
    EXPECT_EQ(tavek::to_plain(line), "k = 1.41 vale 1.4163. Fim, x1 = 12345.5");

    // The same press on the screen and on paper: only the notation differs.
    const Outcome out = pressing("form9.6")(fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"0.1", "10", "10", "30"}));
    const std::string paper = tavek::solution_html(&out, tavek::Notation::Paper);
    EXPECT_NE(paper.find("= 98,00 − 10 × 2,027 = 77,73 N"), std::string::npos) << paper;
    EXPECT_NE(paper.find("3,14 na conversão"), std::string::npos) << paper;
    std::string back = paper;
    for (std::size_t i = 1; i + 1 < back.size(); ++i)
        if (back[i] == ',' && std::isdigit(static_cast<unsigned char>(back[i - 1])) &&
            std::isdigit(static_cast<unsigned char>(back[i + 1])))
            back[i] = '.';
    EXPECT_EQ(back, tavek::solution_html(&out));
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

// The lines the issue found false: masses rounded to the answers' two decimals
// and substituted again. They now carry the digits the next line needs, and
// the answer the window shows stands after them.
TEST(SolutionText, IntermediatesCarryTheDigitsTheNextLineNeeds)
{
    const Outcome out = pressing("form7.3")(fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"1", "2", "3", "10"}));
    EXPECT_TRUE(substitutes(out, "m3 = P3 / g = 3 / 9.8 = 0.306122 kg ≈ 0.31 kg"));
    EXPECT_TRUE(substitutes(out, "a = F / (m1 + m2 + m3) = 10 / (0.102041 + 0.204082 + 0.306122) = 16.3333 m/s²"));
    EXPECT_TRUE(substitutes(out, "T1 = F − m3 × a = 10 − 0.306122 × 16.3333 = 5.0000 N"));
    // Never a printed zero to divide by.
    const Outcome tiny = pressing("form7.3")(fill({"Edit1", "Edit2", "Edit3", "Edit4"}, {"0.001", "0.001", "0.001", "0.001"}));
    EXPECT_TRUE(substitutes(tiny, "a = F / (m1 + m2 + m3) = 0.001 / (0.00010204 + 0.00010204 + 0.00010204) = 3.2667 m/s²"));
}

TEST(SolutionText, PowersOfTenAsAStudentWritesThem)
{
    EXPECT_EQ(tavek::given_text(1e6), "1 × 10⁶");
    EXPECT_EQ(tavek::given_text(1e-4), "1 × 10⁻⁴");
    EXPECT_EQ(tavek::given_text(-2.5e-7), "-2.5 × 10⁻⁷");
    EXPECT_EQ(tavek::given_text(1.5e20), "1.5 × 10²⁰");
    EXPECT_EQ(tavek::given_text(0.001), "0.001");
    EXPECT_EQ(tavek::given_text(123456), "123456");

    // ... bracketed where they are substituted, and written so when worked out.
    tavek::Solution s;
    tavek::Working w(s, 4, 4);
    w.given("x", "x", 1e6, "m");
    w.step("y", "y", "@x / 1000", 1e3, "m");
    w.step("z", "z", "@x × @x", 1e12, "m²");
    w.step("u", "u", "1 / @z", 1e-12, "m⁻²");
    EXPECT_EQ(plain(s.substitutions), "y = x / 1000 = (1 × 10⁶) / 1000 = 1000.0000 m\n"
                                      "z = x × x = (1 × 10⁶) × (1 × 10⁶) = 1000000000000.0000 m²\n"
                                      "u = 1 / z = 1 / 1000000000000.0000 = 1 × 10⁻¹² m⁻²\n");
}

// A line whose numbers cannot give its result keeps its formula but not the
// numbers: a student is never shown a substitution that does not check out.
TEST(SolutionText, ALineThatCannotCheckOutKeepsNoNumbers)
{
    tavek::Solution s;
    tavek::Working w(s, 4, 2);
    w.given("x", "x", 3, "m");
    w.step("y", "y", "2 × @x", 7, "m");
    EXPECT_EQ(plain(s.substitutions), "y = 2 × x = 7 m\n");
}

// A press that stops after working something out shows how far it got and
// why; one that stops silently at a zero says which value stopped it.
TEST(SolutionText, AStoppedPressSaysWhy)
{
    const Outcome smaller = pressing("form6.2")(fill({"Edit2", "Edit3", "Edit4"}, {"20", "98", "20"}));
    const std::string html = tavek::solution_html(&smaller);
    for (const char* part : {"F2 &lt; F1 - Ajuste seus dados", "= 20 × 0.788272 = 15.7654 N",
                             "compara a componente horizontal de F<sub>2</sub> com F<sub>1</sub>, e ela é a menor",
                             tavek::kNoAnswer.data()})
        EXPECT_NE(html.find(part), std::string::npos) << part << "\n" << html;

    const Outcome silent = pressing("form6.1")(fill({"Edit1"}, {"0"}));
    EXPECT_TRUE(silent.messages().empty());
    EXPECT_NE(tavek::solution_html(&silent).find("A massa m é 0"), std::string::npos);
}

} // namespace
