#pragma once
// The worked solution of one press: the data as read, the formulas in the
// order they are applied and the same formulas with the numbers put in. A
// calculator builds it beside its answers from the very values it writes, so
// the answer on the window and the result in the solution cannot disagree.
//
// Texts are the program's own markup (kit/core/markup.h), and in a formula
// `@name` stands for a quantity already given or worked out
// (kit/core/formula.h).
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kit/core/markup.h"
#include "kit/core/real.h"

namespace tavek {

struct ExerciseRecord;

struct Solution {
    std::vector<Line> data;          // "Dados"
    std::vector<Line> formulas;      // "Fórmulas"
    std::vector<Line> substitutions; // "Substituição"
    std::vector<Line> remarks;       // what the numbers mean, in words
    // Each answer target with the number text its step ended with.
    std::vector<std::pair<std::string, std::string>> shown;
    // Every value given and worked out, by name, as computed: what the
    // figure and a sheet's sense check read, never computing it again.
    std::vector<std::pair<std::string, double>> values;
    // The classroom values taken as known (g, π, 0.785 rad for 45°), by
    // name: what a statement must give for a student to get the answers.
    std::vector<std::pair<std::string, double>> known;
};

// Builds a solution as a calculator works. Every substitution line can be
// redone by hand: the Working reads each line back from the numbers it prints
// and, where a result would not come out of them to within its last digit,
// writes the quantities it substitutes with more digits (the line of such a
// quantity then ends "= 2.0267 m/s² ≈ 2.03 m/s²" when it is also an answer).
// A line that cannot be made to check out keeps its formula and result but
// not its numbers. Answers are written as the window writes them,
// W(x; width, decimals) without the padding.
class Working {
public:
    // With the exercise's record, givens and answers are worked under the
    // symbols and units it gives them.
    Working(Solution& solution, int width, int decimals, const ExerciseRecord* record = nullptr)
        : s_(solution), width_(width), decimals_(decimals), record_(record)
    {
    }

    // A value as the student typed it (or as the program drew it).
    Real given(std::string_view name, std::string_view symbol, Real value, std::string_view unit,
               std::string_view note = {});
    // A given of the record, under its symbol and unit; one the program drew
    // says so, unless the values are stated as data (a sheet's).
    Real given(std::string_view name, Real value);
    void stateDraws(bool stated) { drawsStated_ = stated; }
    // A classroom value the exercise takes as known (g, π).
    Real known(std::string_view name, std::string_view symbol, Real value, std::string_view unit,
               std::string_view note = {});
    // π as the classroom takes it, 3.14, known as @pi, and the sentence that
    // says so.
    Real knownPi();
    // A worked-out quantity: `formula` names earlier quantities as @name and
    // may use + − × / ÷, brackets, |…|, √(…), ², ³ and sen, cos, tg, arctg of
    // radians. An empty formula states a value the working settles on (a = 0
    // at rest). `decimals` overrides the format's for this quantity (its
    // answer's decimals, or the six of a sine).
    Real step(std::string_view name, std::string_view symbol, std::string_view formula, Real value,
              std::string_view unit, int decimals = -1);
    // An answer of the record, under its symbol and unit and with its
    // decimals.
    Real step(std::string_view name, std::string_view formula, Real value);
    // What a quantity was given or worked out as.
    double value(std::string_view name) const;
    // The quantity's number as written here is the number the window shows
    // in `target`.
    void shows(std::string_view name, std::string target);
    // The same for several answers: {quantity, target} each.
    void shows(std::initializer_list<std::pair<const char*, const char*>> answers)
    {
        for (const auto& [name, target] : answers)
            shows(name, target);
    }
    // A sentence: which way the system moves, why nothing moves.
    void remark(std::string_view markup);
    // From here on answers are written with this format.
    void format(int width, int decimals)
    {
        width_ = width;
        decimals_ = decimals;
    }

private:
    struct Quantity {
        std::string name;
        std::string symbol;
        std::string unit;
        double value = 0;
        bool fixed = true;                 // given or known: its text never changes
        std::string formula;               // a step's; empty for a value settled on
        bool alias = false;                // the formula is one other quantity
        std::vector<std::size_t> operands; // the quantities @named, in order
        std::vector<std::size_t> users;    // the steps that substitute this one
        int width = 0;                     // the answer's format
        int decimals = 0;
        int d = 0;                         // decimals of the working text ...
        int lo = 0;                        // ... never below one significant digit
        int hi = 0;                        // ... nor above what the double holds
        bool shown = false;
        bool unchecked = false;            // its numbers would not give its result
        std::string text;                  // the number substituted and written
        bool bracket = false;              // substituted in brackets: negative or × 10ⁿ
        long double textValue = 0;         // what the text reads as
        long double lastDigit = 0;         // one unit of its last digit
        std::size_t line = 0;              // among the substitutions
    };
    std::size_t find(std::string_view name) const;
    Quantity quantity(std::string_view name, std::string_view symbol, Real value, std::string_view unit,
                      int decimals) const;
    Real fact(std::string_view name, std::string_view symbol, Real value, std::string_view unit,
              std::string_view note);
    void write(Quantity& q, int d);
    bool checks(const Quantity& q) const;
    void expand(Line& line, const Quantity& q, bool numbers) const;
    void settle(std::size_t from);
    void render(const Quantity& q);

    Solution& s_;
    int width_;
    int decimals_;
    const ExerciseRecord* record_;
    bool drawsStated_ = false;
    std::vector<Quantity> quantities_;
};

} // namespace tavek
