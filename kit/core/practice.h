#pragma once
// Practice ("Treino"): the student works an exercise out first and the
// program checks his answers. An exercise is drawn with numbers of its own
// (as a sheet draws one), its answers asked one by one with their units, and
// every try judged: right within the classroom's tolerance, or a wrong sign,
// a unit mistaken for another, a rounding slip, or wrong. A hint (the
// formulas) after a try that is not all right, the worked solution after
// any try; an exercise whose solution was seen is no longer counted right.
// Nothing here knows about windows.
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "kit/core/drawn_exercise.h"
#include "kit/core/exercise_record.h"
#include "kit/core/outcome.h"
#include "kit/core/units.h"

namespace tavek {

// How far an answer may be from the program's value and still be right: 1 %
// of it, or one unit of the last digit the window prints, whichever is larger.
double tolerance(const Quantity& answer);

// An answer cell's text as the windows read a cell (decimal comma, blanks
// around), with perhaps a unit after the number ("24 km/h", "0,5 kN").
struct TypedAnswer {
    bool malformed = false;
    double value = 0;
    std::string unit; // as typed; empty: the unit shown beside the cell
};
TypedAnswer read_answer(std::string_view text);

// One quantity the practice asks.
struct Asked {
    Quantity expected;     // the program's answer, as the window writes it
    std::string label;     // "Tensão da corda (T)", "Potência média em t = 2 s (Pot)"
    std::string unit;      // shown after the cell: its SI unit, "" for a pure number or a sentence
    std::vector<std::string> choices; // a sentence answer: what the window can write
};

// The answers a part of a drawn exercise asks: each one its press gives, in
// the sheet's order; of a result list, three of its seconds, drawn by
// `random`, and of each the power, its label naming its second (or,
// `wholeLines`, all its line gives but the time itself, the label bare: the
// caller says the second).
std::vector<Asked> asked_answers(const DrawnPart& part, SeededRandom& random, bool wholeLines = false);

struct Verdict {
    enum class Kind { Right, Sign, Unit, Almost, Wrong };
    Kind kind;
    std::string text; // "Correto", "Confira o sinal", … as the student reads it
    bool right() const { return kind == Kind::Right; }
};

// The words and the sign (✓, ✗) of a verdict, never colour alone.
std::string verdict_text(const Verdict& v);

// What a check of all the answers gives: a refusal (a malformed answer, a
// unit of another kind) with the answer it is about, not counted as a try;
// else a verdict per answer.
struct Checked {
    std::optional<std::size_t> refused; // the answer the message is about
    std::string message;
    std::vector<Verdict> verdicts;
    bool allRight() const;
};

// Judges one answer typed for `asked`. With the window's answers locked by
// the teacher only "Correto" or "Incorreto" is said.
Verdict judge(const Asked& asked, double typedInItsUnit, bool locked);

// "Nesta sessão: 4 certos de 6 exercícios".
std::string score_text(int right, int tried);

class Practice {
public:
    // `seed` picks this run's numbers; each "Outro exercício" draws anew.
    Practice(const ExerciseRecord& exercise, std::uint64_t seed);

    const ExerciseRecord& exercise() const { return exercise_; }
    const DrawnExercise& drawn() const { return drawn_; }
    // The statement as the sheets print it, for the one conversion asked
    // where the exercise is a conversion group.
    const std::string& statement() const { return statement_; }
    const std::vector<Asked>& asked() const { return asked_; }
    // The press whose worked solution and figure go with these numbers.
    const Outcome& worked() const;

    // A try: one text per asked answer, in order (a choice's text for a
    // sentence answer).
    Checked check(const std::vector<std::string>& typed, bool locked);

    int tries() const { return tries_; }
    bool hintAvailable(bool locked) const { return !locked && wrongTry_; }
    bool solutionAvailable(bool locked) const { return !locked && tries_ > 0; }
    void solutionSeen();
    // New numbers; the tries start over.
    void another();

    // "Nesta sessão: 4 certos de 6 exercícios".
    int right() const { return right_; }
    int tried() const { return tried_; }
    std::string score() const;

private:
    void draw();

    const ExerciseRecord& exercise_;
    std::uint64_t seed_;
    int drawnCount_ = 0;
    std::set<std::string> used_;
    DrawnExercise drawn_;
    std::string statement_;
    std::vector<Asked> asked_;
    int tries_ = 0;
    bool wrongTry_ = false;
    bool seen_ = false;
    bool counted_ = false; // tried this exercise
    bool scored_ = false;  // counted right
    int right_ = 0;
    int tried_ = 0;
};

} // namespace tavek
