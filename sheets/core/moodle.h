#pragma once
// The sheets as a Moodle question bank, in words and numbers: the names a
// bank gives its categories, questions and files, and the embedded answers
// ("cloze") of each question. The XML around them is the windows' library's
// (sheets/frame/moodle_export.*).
#include <string>
#include <string_view>
#include <vector>

#include "kit/core/practice.h"
#include "sheets/core/sheet.h"

namespace tavek {

// A number as Moodle reads it: a point, no exponent, no more digits than the
// double needs.
std::string moodle_number(double x);

// "{1:NUMERICAL:=14.2857:0.142857}": the value the window writes, and the
// practice's tolerance; "{1:MULTICHOICE:=…~…}" for a sentence, the right one
// first marked, Moodle's special characters escaped.
std::string cloze_answer(const Asked& asked);
std::string escaped_choice(std::string_view text);

// One question of the bank: an exercise of one version.
struct MoodleQuestion {
    std::string category; // "$course$/top/TAVEK 1/Lista 4821/2. Lançamentos - Míssil solto de uma nave"
    std::string name;     // "Lista 4821 - Versão 03 - 2. Lançamentos: Míssil solto de uma nave"
    std::string idnumber; // "lista4821-v03-e2", unique in the bank
    const DrawnExercise* drawn = nullptr;
    std::vector<Asked> asked; // every part's answers, in order
    std::vector<std::string> partOf; // the part label each asked answer comes from ("a) 350 mm"), or ""
};

// The bank's questions, exercise by exercise (its categories in the sheet's
// order), version by version.
std::vector<MoodleQuestion> moodle_questions(int code, const std::vector<SheetVersion>& versions);

} // namespace tavek
