// Practice: the checker judges a student's answer against the program's, and
// every exercise, drawn for practice, is answered right by its own values.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "kit/core/practice.h"
#include "topics/exercises.h"

using namespace tavek;

namespace {

// A speed of 20 m/s written with two decimals, and a zero of four.
const Answer kSpeed{"v", "velocidade", "v", "m/s", "Label1", "v = ", " m/s", 4, 2};
const Answer kRest{"a", "aceleração", "a", "m/s²", "Label2", "a = ", " m/s²", 4, 4};
const Answer kSmall{"F", "força", "F", "N", "Label3", "F = ", " N", 4, 2};

Asked asked(const Answer& a, double value) { return {{&a, value}, a.name, a.unit, {}}; }

} // namespace

TEST(PracticeJudge, Tolerance)
{
    struct Row {
        const char* name;
        Asked asked;
        double typed;
        bool locked;
        Verdict::Kind kind;
        const char* text;
    };
    const std::vector<Row> rows = {
        {"exact", asked(kSpeed, 20), 20, false, Verdict::Kind::Right, "Correto"},
        {"0.9 % off", asked(kSpeed, 20), 20.18, false, Verdict::Kind::Right, "Correto"},
        {"1.1 % off", asked(kSpeed, 20), 20.22, false, Verdict::Kind::Almost, "Quase: confira os arredondamentos"},
        {"5 % off", asked(kSpeed, 20), 21, false, Verdict::Kind::Almost, "Quase: confira os arredondamentos"},
        {"6 % off", asked(kSpeed, 20), 21.2, false, Verdict::Kind::Wrong, "Incorreto"},
        // 1 % of 0.5 N is less than the 0.01 N of its last printed digit.
        {"the last digit's floor", asked(kSmall, 0.5), 0.51, false, Verdict::Kind::Right, "Correto"},
        {"past the last digit", asked(kSmall, 0.5), 0.52, false, Verdict::Kind::Almost,
         "Quase: confira os arredondamentos"},
        {"a zero answer", asked(kRest, 0), 0.0001, false, Verdict::Kind::Right, "Correto"},
        {"off a zero answer", asked(kRest, 0), 0.01, false, Verdict::Kind::Wrong, "Incorreto"},
        {"the sign", asked(kSpeed, 20), -20, false, Verdict::Kind::Sign, "Confira o sinal"},
        {"km/h for m/s", asked(kSpeed, 20), 72.2, false, Verdict::Kind::Unit, "Confira a unidade: parece estar em km/h"},
        {"locked: right", asked(kSpeed, 20), 20.1, true, Verdict::Kind::Right, "Correto"},
        {"locked: no sign", asked(kSpeed, 20), -20, true, Verdict::Kind::Wrong, "Incorreto"},
        {"locked: no unit", asked(kSpeed, 20), 72.2, true, Verdict::Kind::Wrong, "Incorreto"},
        {"locked: no almost", asked(kSpeed, 20), 20.5, true, Verdict::Kind::Wrong, "Incorreto"},
    };
    for (const Row& r : rows) {
        const Verdict v = judge(r.asked, r.typed, r.locked);
        EXPECT_EQ(v.kind, r.kind) << r.name;
        EXPECT_EQ(v.text, r.text) << r.name;
    }
    EXPECT_EQ(verdict_text({Verdict::Kind::Right, "Correto"}), "✓ Correto");
    EXPECT_EQ(verdict_text({Verdict::Kind::Sign, "Confira o sinal"}), "✗ Confira o sinal");
}

TEST(PracticeRead, NumbersAndUnits)
{
    struct Row {
        const char* typed;
        bool malformed;
        double value;
        const char* unit;
    };
    for (const Row& r : std::vector<Row>{{"24", false, 24, ""},
                                         {" 12,5 ", false, 12.5, ""},
                                         {"24 km/h", false, 24, "km/h"},
                                         {"0,5kN", false, 0.5, "kN"},
                                         {"1,5e3 m", false, 1500, "m"},
                                         {"-3.2 m/s²", false, -3.2, "m/s²"},
                                         {"", true, 0, ""},
                                         {"abc", true, 0, ""},
                                         {"1,,5", true, 0, ""},
                                         {"1 000", true, 0, ""}}) {
        const TypedAnswer t = read_answer(r.typed);
        EXPECT_EQ(t.malformed, r.malformed) << r.typed;
        if (!r.malformed) {
            EXPECT_DOUBLE_EQ(t.value, r.value) << r.typed;
            EXPECT_EQ(t.unit, r.unit) << r.typed;
        }
    }
}

// Every exercise can be practised: drawn, and answered with its own values
// as the window writes them (with the decimal comma), it is all right.
TEST(Practice, EveryExerciseAnsweredRight)
{
    for (const ExerciseRecord* r : all_exercises()) {
        SCOPED_TRACE(r->id);
        for (std::uint64_t seed : {1u, 77u}) {
            Practice p(*r, seed);
            ASSERT_FALSE(p.asked().empty());
            // Filled in: what is left of braces is the markup of subscripts.
            static const std::regex mark("(^|[^_^])\\{");
            EXPECT_FALSE(std::regex_search(p.statement(), mark)) << p.statement();
            // Asked in the order the sheet letters them: its record's.
            EXPECT_TRUE(std::is_sorted(p.asked().begin(), p.asked().end(), [](const Asked& x, const Asked& y) {
                return std::less<const Answer*>()(x.expected.answer, y.expected.answer);
            }));
            std::vector<std::string> typed;
            for (const Asked& a : p.asked()) {
                std::string text = answer_number(a.expected);
                if (a.choices.empty())
                    std::replace(text.begin(), text.end(), '.', ',');
                typed.push_back(text);
            }
            const Checked c = p.check(typed, false);
            EXPECT_TRUE(c.allRight()) << c.message;
            EXPECT_EQ(p.score(), "Nesta sessão: 1 certo de 1 exercício");
        }
    }
}

TEST(Practice, UnitsTriesHintsAndCount)
{
    const ExerciseRecord& missile = *find_exercise("form4.1"); // a time in s, a distance in m
    Practice p(missile, 5);
    ASSERT_EQ(p.asked().size(), 2u);
    const double t = p.asked()[0].expected.value, d = p.asked()[1].expected.value;
    const auto text = [](double x, const char* unit) { return std::to_string(x) + unit; };

    // Refused, not tries: a malformed answer, a unit of another kind, an unknown unit.
    for (const auto& [typed, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"dez", text(d, "")}, "Tempo até o alvo: escreva um número, como 12,5 ou 12,5 s."},
             {{text(t, ""), text(d, " kg")}, "A resposta é um comprimento: use m"},
             {{text(t, " xyz"), text(d, "")}, "Unidade desconhecida: xyz. Escreva Tempo até o alvo em s."}}) {
        const Checked c = p.check(typed, false);
        EXPECT_EQ(c.message, message);
        EXPECT_TRUE(c.verdicts.empty());
    }
    EXPECT_EQ(p.tries(), 0);
    EXPECT_FALSE(p.solutionAvailable(false));

    // A wrong try: the hint and the solution, but not while the teacher locks them.
    Checked c = p.check({text(t / 60, " min"), text(d * 100, "")}, false);
    ASSERT_EQ(c.verdicts.size(), 2u);
    EXPECT_EQ(c.verdicts[0].text, "Correto"); // minutes converted with the program's factor
    EXPECT_EQ(c.verdicts[1].text, "Confira a unidade: parece estar em cm");
    EXPECT_TRUE(p.hintAvailable(false));
    EXPECT_TRUE(p.solutionAvailable(false));
    EXPECT_FALSE(p.hintAvailable(true));
    EXPECT_FALSE(p.solutionAvailable(true));

    // Right after the solution was seen: not counted.
    p.solutionSeen();
    EXPECT_TRUE(p.check({text(t, ""), text(d / 1000, " km")}, false).allRight());
    EXPECT_EQ(p.score(), "Nesta sessão: 0 certos de 1 exercício");

    // Another one: the tries start over; right at once counts.
    p.another();
    EXPECT_EQ(p.tries(), 0);
    EXPECT_FALSE(p.hintAvailable(false));
    std::vector<std::string> right;
    for (const Asked& a : p.asked())
        right.push_back(answer_number(a.expected));
    EXPECT_TRUE(p.check(right, false).allRight());
    EXPECT_EQ(p.score(), "Nesta sessão: 1 certo de 2 exercícios");
}
