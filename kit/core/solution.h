#pragma once
// The worked solution of one press: the data as read, the formulas in the
// order they are applied and the same formulas with the numbers put in. A
// calculator builds it beside its answers from the very values it writes, so
// the answer on the window and the result in the solution cannot disagree.
//
// Texts are the program's own markup: `_{…}` is a subscript, `^{…}` a
// superscript, and in a formula `@name` stands for a quantity already given
// or worked out. Numbers are never markup: they are kept as plain text and
// escaped when the solution becomes rich text.
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kit/core/real.h"

namespace tavek {

struct Piece {
    enum class Kind { Markup, Number };
    Kind kind;
    std::string text;
    bool operator==(const Piece&) const = default;
};
using Line = std::vector<Piece>;

struct Solution {
    std::vector<Line> data;          // "Dados"
    std::vector<Line> formulas;      // "Fórmulas"
    std::vector<Line> substitutions; // "Substituição"
    std::vector<Line> remarks;       // what the numbers mean, in words
    // Each answer target with the number text its step ended with.
    std::vector<std::pair<std::string, std::string>> shown;
};

// Builds a solution as a calculator works. Intermediate results are written as
// the window writes its answers, W(x; width, decimals) without the padding.
class Working {
public:
    Working(Solution& solution, int width, int decimals) : s_(solution), width_(width), decimals_(decimals) {}

    // A value as the student typed it (or as the program drew it).
    Real given(std::string_view name, std::string_view symbol, Real value, std::string_view unit,
               std::string_view note = {});
    // A classroom value the exercise takes as known (g, π).
    Real known(std::string_view name, std::string_view symbol, Real value, std::string_view unit);
    // A worked-out quantity: `formula` names earlier quantities as @name. An
    // empty formula states a value the working settles on (a = 0 at rest).
    // A step only leading to others may ask for more decimals than answers
    // have, so that its substituted number gives the next result again.
    Real step(std::string_view name, std::string_view symbol, std::string_view formula, Real value,
              std::string_view unit, int decimals = -1);
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
    // From here on intermediate results are written with this format.
    void format(int width, int decimals)
    {
        width_ = width;
        decimals_ = decimals;
    }

private:
    struct Quantity {
        std::string name;
        std::string symbol;
        std::string text;
        bool negative;
    };
    const Quantity* find(std::string_view name) const;
    Line expand(std::string_view formula, bool numbers) const;
    void remember(std::string_view name, std::string_view symbol, std::string text, bool negative);

    Solution& s_;
    int width_;
    int decimals_;
    std::vector<Quantity> quantities_;
};

// The shortest text that reads back as the same double ("0.1", "1e+20").
std::string given_text(double x);

// Rich text of a line: markup escaped and its sub- and superscripts made tags,
// numbers escaped as they are.
std::string to_html(const Line& line);
// The same line as plain text, as a screen reader or a test reads it.
std::string to_plain(const Line& line);

struct Outcome;
inline constexpr std::string_view kNothingYet = "Calcule o exercício para ver a resolução.";
inline constexpr std::string_view kNoAnswer = "Nenhuma resposta foi calculada.";

// The whole solution window's text for the last press of an exercise (none
// yet: nullptr). A refused press shows its messages and that nothing was
// computed; a fault shows where the working stopped.
std::string solution_html(const Outcome* last);

} // namespace tavek
