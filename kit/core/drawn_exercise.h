#pragma once
// An exercise with numbers of its own, as a sheet prints it and a practice
// asks it: values drawn from its record's ranges, the statement filled in
// with them, and every answer as the window writes it for them.
//
// The numbers come from a generator of their own. The program's draw
// (RandomDraw) is a single sequence that Form2 and Form5 advance as designed;
// a sheet or a practice must neither disturb it nor depend on it, and a sheet
// must come out the same whenever its code is typed again, so it is seeded
// from the list's code, the exercise and the version.
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "kit/core/exercise_record.h"
#include "kit/core/figure.h"
#include "kit/core/outcome.h"

namespace tavek {

class SeededRandom {
public:
    SeededRandom(int code, std::string_view exercise, int version);
    // An integer in 0 .. n-1 (n ≥ 1).
    std::uint32_t below(std::uint32_t n);

private:
    std::uint64_t next();
    std::uint64_t state_;
};


struct Drawn {
    double value;     // as the window reads `typed`
    std::string text; // "12,5": decimal comma, no trailing zeros
};

Drawn draw(SeededRandom& random, const Grid& grid);

// A given quantity as the window names it and as it is typed there ("12,5").
struct DrawnDatum {
    std::string label;
    std::string symbol; // as the statement, the key and the worked solution write it: "v_{0}"
    std::string value;
    std::string unit;
    bool drawn = false; // the window draws it itself: stated, not typed
};

// One press of the window's calculator; an exercise of several conversions
// has one for each.
struct DrawnPart {
    std::string label; // "a) 350 mm", or empty
    const Press* press = nullptr;
    Cells cells;
    Outcome outcome;
    // The texts the window writes, in its order; a result cell's text after
    // the caption beside it.
    std::vector<std::string> answers;
};

// One quantity the sheet asks, lettered as the statement lists it, and what
// the key answers: the number as the window writes it, on paper ("12,5 m/s"),
// or the sentence in the statement's words; in a result list, one answer for
// each of its lines.
struct DrawnQuestion {
    std::string letter;   // "a)"
    const Answer* answer; // its name in words, symbol and SI unit
    std::string amount;   // what a conversion converts, "350 mm"; else empty
    struct Entry {
        std::string line; // a list's line, "t = 2 s"; else empty
        std::string text; // in markup, on paper
    };
    std::vector<Entry> key;
};

struct DrawnExercise {
    const ExerciseRecord* exercise = nullptr;
    // In the program's markup (kit/core/markup.h), its numbers on paper.
    std::string statement;
    std::vector<DrawnDatum> data;
    std::vector<DrawnPart> parts;
    std::vector<DrawnQuestion> questions;
};

// The figure beside the statement, drawn for these numbers and written as
// the statement is, with the decimal comma; empty where the window's
// picture stands there instead.
Figure statement_figure(const DrawnExercise& drawn);

// Draws the exercise's values until the window answers them definitely, the
// record's sense check holds and, while the ranges allow, the statement is
// none of `used` (which then holds it too). Throws std::logic_error where no
// set will do, which the ranges are chosen never to allow.
DrawnExercise draw_exercise(const ExerciseRecord& exercise, SeededRandom& random, std::set<std::string>& used);

// "12,5 m", "30°", "0,25": a value with its unit as the statements print it.
std::string with_unit(const std::string& value, const std::string& unit);

// A conversion group's statement for the units its parts convert: their
// amounts (lettered as the parts are, or alone) and the factor of each unit
// ("Considere 1 mi = 1609 m.").
std::string conversion_statement(const ExerciseRecord& group, const std::vector<const DrawnPart*>& parts);

// The answers are definite: no message, no fault, something answered, no
// number beyond `digits` whole digits and none the window writes as zero.
bool definite(const Outcome& outcome, int digits);

} // namespace tavek
