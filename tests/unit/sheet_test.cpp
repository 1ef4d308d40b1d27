// The exercise sheets' model: every version's numbers are a set the window
// answers without a message, every answer is what the window's calculator
// writes for them, and a list's code gives the same sheets again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "kit/core/last_press.h"
#include "kit/core/markup.h"
#include "kit/core/number.h"
#include "kit/core/units.h"
#include "kit/core/worked_number.h"
#include "outcome_testing.h"
#include "sheets/core/sheet.h"
#include "kit/core/drawn_exercise.h"
#include "topics/exercises.h"

using namespace tavek;
using outcome_testing::pressing;

namespace {

// The value of a datum as the window reads what is typed.
double typed(const DrawnDatum& d) { return read_number(d.value).value; }

const DrawnDatum& datum(const DrawnExercise& item, const char* label)
{
    for (const DrawnDatum& d : item.data)
        if (d.label == label)
            return d;
    throw std::out_of_range(label);
}

// Each exercise's window calculator, called here on its own, so that the
// sheet cannot answer with anything but what the window writes.
using Window = std::function<Outcome(const DrawnExercise&, const DrawnPart&)>;
const std::map<std::string, Window>& windows()
{
    auto cells = [](const char* id) {
        return [f = pressing(id)](const DrawnExercise&, const DrawnPart& p) { return f(p.cells); };
    };
    auto converted = [](const DrawnExercise& i, const DrawnPart& p) {
        // "b) 3,5 km", "c) 3 anos": the unit names the button.
        const std::string unit = p.label.substr(p.label.rfind(' ') + 1);
        for (const Press& b : i.exercise->presses)
            if (unit == b.converts || unit == b.converts + std::string("s"))
                return outcome_testing::pressButton(b.button, p.cells);
        ADD_FAILURE() << "no button for " << p.label;
        return Outcome{};
    };
    static const std::map<std::string, Window> table = {
        {"form2.1", cells("form2.1")},
        {"form2.2", cells("form2.2")},
        {"form2.3",
         [](const DrawnExercise& i, const DrawnPart& p) {
             return outcome_testing::vertical_launch(p.cells, static_cast<int>(typed(datum(i, "p"))));
         }},
        {"form3.length", converted},
        {"form3.time", converted},
        {"form3.mass", converted},
        {"form4.1", cells("form4.1")},
        {"form4.2", cells("form4.2")},
        {"form5.3", [](const DrawnExercise& i, const DrawnPart&) { return outcome_testing::drawn_angle_speed(typed(datum(i, "ângulo"))); }},
        {"form5.4", cells("form5.4")},
        {"form6.1", cells("form6.1")},
        {"form6.2", cells("form6.2")},
        {"form7.3", cells("form7.3")},
        {"form7.4", cells("form7.4")},
        {"form8.5", cells("form8.5")},
        {"form8.6", cells("form8.6")},
        {"form9.6", cells("form9.6")},
        {"form9.7", cells("form9.7")},
        {"form10.1", cells("form10.1")},
        {"form10.2", cells("form10.2")},
        {"form11.3", cells("form11.3")},
    };
    return table;
}

std::vector<const ExerciseRecord*> all()
{
    const auto every = all_exercises();
    return {every.begin(), every.end()};
}

std::vector<std::string> statements(const std::vector<SheetVersion>& sheet, std::size_t item)
{
    std::vector<std::string> r;
    for (const SheetVersion& v : sheet)
        r.push_back(v.items.at(item).statement);
    return r;
}

// Whole sheets of every exercise, made once for all the tests below.
struct Sheets : testing::Test {
    static const std::vector<SheetVersion>& of(int code)
    {
        static std::map<int, std::vector<SheetVersion>> made;
        auto [it, fresh] = made.try_emplace(code);
        if (fresh)
            it->second = make_sheet({code, all(), kMaxVersions});
        return it->second;
    }
};

} // namespace

TEST_F(Sheets, EveryExerciseHasItsWindowsCalculator)
{
    ASSERT_EQ(all_exercises().size(), windows().size());
    for (const ExerciseRecord* e : all_exercises())
        EXPECT_TRUE(windows().contains(e->id)) << e->id;
}

TEST_F(Sheets, EveryVersionIsAnsweredByItsWindowWithoutAMessage)
{
    for (int code : {4821, kMaxSheetCode}) {
        for (const SheetVersion& v : of(code)) {
            for (const DrawnExercise& item : v.items) {
                SCOPED_TRACE(std::string(item.exercise->id) + " code " + std::to_string(code) + " version " +
                             std::to_string(v.number));
                for (const DrawnPart& part : item.parts) {
                    const Outcome window = windows().at(item.exercise->id)(item, part);
                    EXPECT_TRUE(window.messages().empty());
                    EXPECT_FALSE(window.fault);
                    EXPECT_TRUE(window.wrote_anything());
                    EXPECT_EQ(part.outcome.actions, window.actions);
                    // Each answer is a text the window writes, in its order.
                    std::vector<std::string> written;
                    for (const Action& a : window.actions)
                        if (a.kind == Action::Kind::Write || a.kind == Action::Kind::Append)
                            written.push_back(a.text);
                    ASSERT_EQ(part.answers.size(), written.size());
                    for (std::size_t k = 0; k < written.size(); ++k)
                        EXPECT_TRUE(part.answers[k].ends_with(written[k])) << part.answers[k];
                }
            }
        }
    }
}

TEST_F(Sheets, NumbersAreOnTheirGridsAndInTheStatement)
{
    for (const SheetVersion& v : of(4821)) {
        for (const DrawnExercise& item : v.items) {
            const ExerciseRecord& e = *item.exercise;
            SCOPED_TRACE(std::string(e.id) + " version " + std::to_string(v.number));
            const auto onGrid = [](double x, const Grid& grid) {
                EXPECT_GE(x, grid.min);
                EXPECT_LE(x, grid.max);
                const double steps = (x - grid.min) / grid.step;
                EXPECT_NEAR(steps, std::round(steps), 1e-6) << x;
            };
            if (e.working().converts) {
                // A conversion group states its amounts in the statement, each on its unit's grid.
                EXPECT_TRUE(item.data.empty());
                for (const DrawnPart& part : item.parts) {
                    const std::string unit = part.label.substr(part.label.rfind(' ') + 1);
                    const Given* g = nullptr;
                    for (const Given& u : e.givens)
                        if (unit == u.unit || (u.plural && unit == u.plural))
                            g = &u;
                    ASSERT_NE(g, nullptr) << part.label;
                    onGrid(read_number(part.cells.at(g->cell)).value, g->range);
                }
                continue;
            }
            ASSERT_EQ(item.data.size(), e.givens.size());
            for (std::size_t k = 0; k < item.data.size(); ++k) {
                const DrawnDatum& d = item.data[k];
                const Grid& grid = e.givens[k].range;
                onGrid(typed(d), grid);
                // Decimal comma, as the class writes it, and no point at all.
                EXPECT_EQ(d.value.find('.'), std::string::npos) << d.value;
                EXPECT_NE(item.statement.find(d.value), std::string::npos) << d.value;
                // What is typed into the window is what the statement says.
                if (e.givens[k].cell) {
                    EXPECT_EQ(item.parts.at(0).cells.at(e.givens[k].cell), d.value);
                }
                EXPECT_EQ(d.drawn, e.givens[k].cell == nullptr);
            }
            // Every mark filled in: what is left of braces is the markup of subscripts.
            static const std::regex mark("(^|[^_^])\\{");
            EXPECT_FALSE(std::regex_search(item.statement, mark)) << item.statement;
        }
    }
}

TEST_F(Sheets, DrawnValuesAreStatedAsData)
{
    // What the window draws itself is, on paper, data like any other: stated
    // with its symbol, and nowhere said to be drawn by a program.
    const SheetVersion& v = of(4821).front();
    for (const DrawnExercise& item : v.items) {
        const bool draws = item.exercise->id == std::string("form2.3") || item.exercise->id == std::string("form5.3");
        bool drawnDatum = false;
        for (const DrawnDatum& d : item.data) {
            drawnDatum = drawnDatum || d.drawn;
            if (d.drawn) {
                EXPECT_NE(item.statement.find(d.symbol + "\u00a0=\u00a0" + d.value), std::string::npos)
                    << item.statement;
            }
        }
        EXPECT_EQ(drawnDatum, draws) << item.exercise->id;
        EXPECT_EQ(item.statement.find("sortead"), std::string::npos) << item.statement;
        for (const DrawnPart& part : item.parts)
            EXPECT_EQ(solution_html(&part.outcome, Notation::Paper).find("sortead"), std::string::npos);
    }
}

TEST_F(Sheets, SystemsThatMoveMoveClearly)
{
    // The incline exercises ask which way the system moves: never a balance,
    // never friction holding it, whatever the window would say there.
    for (const SheetVersion& v : of(kMaxSheetCode)) {
        for (const DrawnExercise& item : v.items) {
            const std::string id = item.exercise->id;
            if (id == "form8.5" || id == "form9.6") {
                EXPECT_NE(item.parts[0].outcome.written("Label17")->find("Sistema se move"), std::string::npos);
            }
            if (id == "form9.7") {
                EXPECT_TRUE(item.parts[0].outcome.written("Label41").has_value());
            }
        }
    }
}

TEST_F(Sheets, TheSameCodeGivesTheSameSheet)
{
    const std::vector<SheetVersion> again = make_sheet({4821, all(), 30});
    for (std::size_t i = 0; i < again.size(); ++i)
        for (std::size_t k = 0; k < again[i].items.size(); ++k) {
            EXPECT_EQ(again[i].items[k].statement, of(4821)[i].items[k].statement);
            EXPECT_EQ(again[i].items[k].parts.back().answers, of(4821)[i].items[k].parts.back().answers);
        }
    // An exercise keeps its numbers in a shorter list of the same code.
    const std::vector<const ExerciseRecord*> two = {find_exercise("form9.7"), find_exercise("form2.1")};
    const std::vector<SheetVersion> shorter = make_sheet({4821, two, 5});
    auto place = [](const ExerciseRecord* e) {
        return static_cast<std::size_t>(std::find(all_exercises().begin(), all_exercises().end(), e) -
                                        all_exercises().begin());
    };
    for (std::size_t i = 0; i < shorter.size(); ++i)
        for (std::size_t k = 0; k < two.size(); ++k)
            EXPECT_EQ(shorter[i].items[k].statement, of(4821)[i].items[place(two[k])].statement);
}

TEST_F(Sheets, VersionsDifferAndCodesDiffer)
{
    // A class of thirty gets thirty different sets of every exercise.
    for (std::size_t k = 0; k < all_exercises().size(); ++k) {
        std::vector<std::string> s = statements(of(4821), k);
        s.resize(30);
        EXPECT_EQ(std::set<std::string>(s.begin(), s.end()).size(), 30u) << all_exercises()[k]->id;
    }
    const std::vector<SheetVersion> other = make_sheet({4822, all(), 1});
    int same = 0;
    for (std::size_t k = 0; k < other[0].items.size(); ++k)
        same += other[0].items[k].statement == of(4821)[0].items[k].statement;
    EXPECT_LT(same, 3);
}

namespace {

// A number text on paper read back as the window writes it: its groups
// joined, its decimal comma a point.
std::string onScreen(std::string text)
{
    for (std::size_t at; (at = text.find("\u00a0")) != std::string::npos;)
        text.erase(at, 2);
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

// The statement gives x as a number of its own (9,8 is not the end of 19,8).
bool states(const std::string& statement, double x)
{
    const std::string number = given_text(x);
    const std::string text = onScreen(statement);
    const auto digitAt = [&](std::size_t i) {
        return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
    };
    for (std::size_t at = text.find(number); at != std::string::npos; at = text.find(number, at + 1)) {
        const std::size_t end = at + number.size();
        const bool before = at > 0 && (digitAt(at - 1) || (text[at - 1] == '.' && digitAt(at - 2)));
        const bool after = digitAt(end) || (end < text.size() && text[end] == '.' && digitAt(end + 1));
        if (!before && !after)
            return true;
    }
    return false;
}

} // namespace

TEST_F(Sheets, EveryNumberTheKeyUsesIsOnTheSheet)
{
    // A student who has only the sheet redoes the key: the data are in the
    // statement (above), and so is every constant the working takes as known
    // and every conversion's factor, written with the comma.
    for (int code : {4821, kMaxSheetCode}) {
        for (const SheetVersion& v : of(code)) {
            for (const DrawnExercise& item : v.items) {
                SCOPED_TRACE(std::string(item.exercise->id) + " version " + std::to_string(v.number));
                // Numbers with the decimal comma only.
                static const std::regex point("[0-9][.][0-9]");
                EXPECT_FALSE(std::regex_search(item.statement, point)) << item.statement;
                for (const DrawnPart& part : item.parts) {
                    for (const auto& [name, value] : part.outcome.solution.known)
                        EXPECT_TRUE(states(item.statement, value)) << name << " = " << value << ": " << item.statement;
                    if (part.press->converts) {
                        const double factor = unit_named(part.press->converts)->factor;
                        EXPECT_TRUE(states(item.statement, factor)) << factor << ": " << item.statement;
                    }
                }
            }
        }
    }
}

TEST_F(Sheets, TheKeyAnswersWhatTheStatementAsksInItsOrder)
{
    for (const SheetVersion& v : of(4821)) {
        for (const DrawnExercise& item : v.items) {
            const ExerciseRecord& e = *item.exercise;
            SCOPED_TRACE(std::string(e.id) + " version " + std::to_string(v.number));
            // a), b), c)… as the record lists its answers (a list's seconds are
            // the lines it is asked for, not a question), or a conversion's parts.
            std::vector<const Answer*> asked;
            for (const Answer& a : e.answers)
                if (!a.heading)
                    asked.push_back(&a);
            ASSERT_EQ(item.questions.size(), e.working().converts ? item.parts.size() : asked.size());
            for (std::size_t k = 0; k < item.questions.size(); ++k) {
                const DrawnQuestion& question = item.questions[k];
                EXPECT_EQ(question.letter, std::string(1, static_cast<char>('a' + k)) + ")");
                const DrawnPart& part = item.parts[e.working().converts ? k : 0];
                if (e.working().converts) {
                    EXPECT_EQ(part.label, question.letter + " " + question.amount);
                } else {
                    EXPECT_EQ(question.answer, asked[k]);
                }
                // Each answer is the window's for that quantity, on paper.
                std::vector<const Quantity*> window;
                for (const Quantity& q : part.outcome.answers)
                    if (q.answer == question.answer)
                        window.push_back(&q);
                ASSERT_EQ(question.key.size(), window.size());
                for (std::size_t i = 0; i < window.size(); ++i) {
                    const Answer& a = *question.answer;
                    const std::string& text = question.key[i].text;
                    if (a.isSentence()) {
                        EXPECT_EQ(text, a.stated.at(static_cast<std::size_t>(window[i]->value)));
                        continue;
                    }
                    EXPECT_EQ(text.find('.'), std::string::npos) << text;
                    const bool blank = *a.unit && std::string_view(a.unit) != "°"; // "30°", "12 m"
                    EXPECT_EQ(onScreen(text), answer_number(*window[i]) + (blank ? " " : "") + a.unit);
                    EXPECT_EQ(question.key[i].line.empty(), window[i]->line == 0);
                }
            }
        }
    }
}

TEST(SheetSense, TwoHundredVersionsOfEveryExerciseAreSetsATeacherWouldSet)
{
    // What the physics asks of a set, besides the calculators' own checks.
    const auto moves = [](const Outcome& o) {
        // Asked which way it moves, it moves: no balance, no friction holding it.
        return o.answered("motion")->value != 0 && o.value("a") > 0;
    };
    const std::map<std::string, std::function<bool(const Outcome&)>> sound = {
        // The block stays on its floor, and F2 beats F1.
        {"form6.2",
         [](const Outcome& o) {
             return o.value("F2") * std::sin(o.value("theta")) < o.value("P") && o.value("a") > 0;
         }},
        {"form7.3", [](const Outcome& o) { return o.value("a") > 0; }},
        {"form8.5", moves},
        {"form9.6", moves},
        // B pulls A up the plane from rest, against friction and A's weight.
        {"form9.7",
         [](const Outcome& o) { return o.value("PB") > o.value("PX") + o.value("Fat") && o.value("a") > 0; }},
        // A slope a block is pulled up, not a wall.
        {"form10.2", [](const Outcome& o) { return o.value("CO") < o.value("CA"); }},
    };
    constexpr int code = 999; // the list of the teacher's recomputation
    for (const ExerciseRecord* e : all_exercises()) {
        const auto check = sound.find(e->id);
        for (int version = 1; version <= 200; ++version) {
            // Each version on its own: past the sets its ranges hold, a
            // sheet's versions repeat earlier ones.
            std::set<std::string> used;
            SeededRandom random(code, e->id, version);
            const DrawnExercise item = draw_exercise(*e, random, used);
            if (check != sound.end()) {
                EXPECT_TRUE(check->second(item.parts.front().outcome))
                    << e->id << " list " << code << " version " << version << ": " << item.statement;
            }
        }
    }
}

TEST(SheetDraw, ValuesAreExactDecimalsOnTheGrid)
{
    SeededRandom random(4821, "form9.6", 1);
    std::set<std::string> seen;
    for (int i = 0; i < 2000; ++i) {
        const Drawn d = draw(random, {0.1, 0.5, 0.05});
        seen.insert(d.text);
        EXPECT_EQ(read_number(d.text).value, d.value);
    }
    // Every point of the grid comes up, written as a textbook prints it.
    EXPECT_EQ(seen, (std::set<std::string>{"0,1", "0,15", "0,2", "0,25", "0,3", "0,35", "0,4", "0,45", "0,5"}));
}

TEST(SheetDraw, SameSeedSameSequenceOtherSeedOther)
{
    SeededRandom a(4821, "form4.1", 3), b(4821, "form4.1", 3), c(4821, "form4.1", 4);
    int differ = 0;
    for (int i = 0; i < 20; ++i) {
        const std::uint32_t x = a.below(1000);
        EXPECT_EQ(x, b.below(1000));
        differ += x != c.below(1000);
    }
    EXPECT_GT(differ, 15);
}

TEST(SheetDefinite, RefusesWhatNoKeyShouldHold)
{
    // Answers as the windows write them: four and two decimals, and a sentence.
    const Answer four{"t", "tempo", "t", "s", "Label1", "Tempo = ", " s", 4, 4};
    const Answer two{"W", "trabalho", "W", "J", "Label1", "W =", " J", 4, 2};
    const Answer sentence{.quantity = "motion", .name = "sentido", .symbol = nullptr, .unit = "",
                          .control = "Label2", .sentences = {"Sistema em equilíbrio"}};
    struct Row {
        const char* name;
        std::vector<Quantity> answers;
        std::vector<Action> messages = {};
        bool definite;
    };
    const std::vector<Row> rows = {
        {"an answer", {{&four, 12.5}}, {}, true},
        {"six whole digits", {{&two, 123456.78}}, {}, true},
        {"two answers and a sentence", {{&four, 2.6574}, {&four, 9.5665}, {&sentence, 0}}, {}, true},
        {"seven whole digits", {{&two, 1234567}}, {}, false},
        {"a zero answer", {{&four, 0.00004}}, {}, false},
        {"what a window writes in scientific form", {{&four, 1.7e36}}, {}, false},
        {"no number at all", {{&four, std::nan("")}}, {}, false},
        {"a message", {}, {{Action::Kind::Message, "Edit1", "Massa inválida. Ajuste seus dados"}}, false},
        {"a message beside an answer",
         {{&four, 1}},
         {{Action::Kind::Message, "Edit1", "Massa inválida. Ajuste seus dados"}},
         false},
        {"nothing answered", {}, {}, false},
    };
    for (const Row& r : rows) {
        Outcome out;
        out.answers = r.answers;
        out.actions = r.messages;
        EXPECT_EQ(definite(out, 6), r.definite) << r.name;
    }
    Outcome faulted;
    faulted.answers = {{&four, 1}};
    faulted.fault = Fault::Overflow;
    EXPECT_FALSE(definite(faulted, 6));
}
