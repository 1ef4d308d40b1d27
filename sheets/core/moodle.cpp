#include "sheets/core/moodle.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "topics/exercises.h"

namespace tavek {

namespace {

// "Versão 03": two digits, so that the names sort as the versions go.
std::string twoDigits(int n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

// "2. Lançamentos - Míssil solto de uma nave": the exercise as the sheet
// numbers it, the window it comes from and what it asks.
std::string exerciseName(std::size_t item, const ExerciseRecord& e, std::string_view joint)
{
    std::string r = std::to_string(item + 1) + ". ";
    r += exercise_window_name(e.form);
    r += joint;
    r += e.title;
    return r;
}

} // namespace

std::string moodle_number(double x)
{
    if (x == 0)
        return "0";
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed);
    return error == std::errc() ? std::string(text, end) : std::string("0");
}

std::string escaped_choice(std::string_view text)
{
    std::string r;
    for (char c : text) {
        if (c == '}' || c == '#' || c == '~' || c == '/' || c == '"' || c == '\\')
            r += '\\';
        r += c;
    }
    return r;
}

std::string cloze_answer(const Asked& asked)
{
    // Appended piece by piece: GCC 12 at -O3 takes a chain of + here for an
    // overlapping copy (a false -Wrestrict).
    std::string r;
    if (!asked.choices.empty()) {
        const auto right = static_cast<std::size_t>(asked.expected.value);
        r += "{1:MULTICHOICE:=";
        r += escaped_choice(asked.choices.at(right));
        for (std::size_t i = 0; i < asked.choices.size(); ++i) {
            if (i == right)
                continue;
            r += '~';
            r += escaped_choice(asked.choices[i]);
        }
        r += '}';
        return r;
    }
    // The value as the window writes it, so that a student who copies the
    // window's digits is exactly right; the tolerance with two digits beyond
    // the answer's, rounded up: never less than the rule.
    const int decimals = asked.expected.answer->decimals + 2;
    const double scale = std::pow(10.0, decimals);
    const double tol = std::ceil(tolerance(asked.expected) * scale - 1e-6) / scale;
    r += "{1:NUMERICAL:=";
    r += answer_number(asked.expected);
    r += ':';
    r += moodle_number(tol);
    r += '}';
    return r;
}

std::vector<MoodleQuestion> moodle_questions(int code, const std::vector<SheetVersion>& versions)
{
    std::vector<MoodleQuestion> r;
    if (versions.empty())
        return r;
    const std::string list = "Lista " + std::to_string(code);
    for (std::size_t item = 0; item < versions.front().items.size(); ++item) {
        for (const SheetVersion& v : versions) {
            const DrawnExercise& drawn = v.items.at(item);
            const ExerciseRecord& e = *drawn.exercise;
            MoodleQuestion q;
            q.category = "$course$/top/TAVEK 1/" + list + "/" + exerciseName(item, e, " - ");
            q.name = list + " - Versão " + twoDigits(v.number) + " - " + exerciseName(item, e, ": ");
            q.idnumber = "lista" + std::to_string(code) + "-v" + twoDigits(v.number) + "-e" + std::to_string(item + 1);
            q.drawn = &drawn;
            // A list's seconds drawn as the version's numbers are: the same
            // list code gives the same bank.
            SeededRandom random(code, e.id, v.number);
            for (const DrawnPart& part : drawn.parts)
                for (Asked& a : asked_answers(part, random, true)) {
                    // The sheet's letter before the quantity it asks; a
                    // conversion's is its part's, "a) 350 mm".
                    if (part.label.empty())
                        for (const DrawnQuestion& asked : drawn.questions)
                            if (asked.answer == a.expected.answer)
                                a.label = asked.letter + " " + a.label;
                    // A list's line says its second first, as the sheet's table does.
                    q.partOf.push_back(a.expected.line > 0 ? "t = " + std::to_string(a.expected.line) + " s"
                                                           : part.label);
                    q.asked.push_back(std::move(a));
                }
            r.push_back(std::move(q));
        }
    }
    return r;
}

} // namespace tavek
