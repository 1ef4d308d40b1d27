#pragma once
// What one press of a calculate button does, as data: the window applies the
// actions in order, so a calculator can be run and checked without a window.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kit/core/exercise_record.h"
#include "kit/core/figure.h"
#include "kit/core/real.h"
#include "kit/core/solution.h"

namespace tavek {

struct Action {
    enum class Kind {
        Message, // an information box with `text`, then focus moves to `target`
        Write,   // `target` gets `text`; a label written to becomes visible
        Show,    // `target` becomes visible
        Hide,    // `target` is hidden
        Append,  // `text` is appended as a line to the list `target`
        Clear,   // the list `target` is emptied
    };
    Kind kind;
    std::string target;
    std::string text;
    bool operator==(const Action&) const = default;
};

// An answer as a press worked it out: its record's entry (name, unit, the
// control that shows it), its value as computed and, in a result list, the
// line it stands on (from 1). A sentence answer's value is the index of its
// sentence among the record's.
struct Quantity {
    const Answer* answer;
    double value;
    long line = 0;
    bool operator==(const Quantity&) const = default;
};

// The number as the window writes it (W(x; width, decimals) without the
// padding), or the sentence.
std::string answer_number(const Quantity& q);

// "Floating point division by zero." and its two siblings.
std::string_view fault_text(Fault fault);

struct Outcome {
    std::vector<Action> actions;
    std::optional<Fault> fault; // at most one, and it ends the handler
    Solution solution;          // how the answers come out of the data
    Figure figure;              // what they look like, drawn under the solution
    std::vector<Quantity> answers; // in the order written

    void message(std::string text, std::string focus);
    void write(std::string target, std::string text);
    void show(std::string target);
    void hide(std::string target);
    void append(std::string list, std::string line);
    void clear(std::string list);

    // Conveniences for checking an outcome.
    std::vector<std::string> messages() const;
    std::optional<std::string> last_focus() const;          // focus of the last message
    std::optional<std::string> written(std::string_view target) const; // last text written there
    std::vector<std::string> lines(std::string_view list) const;       // what the list ends up holding
    bool wrote_anything() const;
    // The answer of that name (on that line of a list), if the press gave it.
    const Quantity* answered(std::string_view quantity, long line = 0) const;
    // A value given or worked out, as computed (std::out_of_range if none).
    double value(std::string_view name) const;
    bool has(std::string_view name) const;
};

// The texts of a window's input cells, by control name. A name that is not
// present reads as an empty cell.
using Cells = std::map<std::string, std::string, std::less<>>;

// Runs a calculator body against a fresh outcome; an arithmetic fault ends the
// outcome where it happened, keeping what was written before it.
template <class Body>
Outcome calculate(Body&& body)
{
    Outcome out;
    try {
        body(out);
    } catch (const ArithmeticFault& f) {
        out.fault = f.kind();
    }
    return out;
}

// Reads cells in the order they are asked for. A malformed cell adds the
// message "Valor inválido. Ajuste seus dados" with the focus on that cell and
// makes ok() false: the caller then stops before any check or computation.
// A number too large for a double is an overflow fault of the reading itself.
class CellReader {
public:
    CellReader(const Cells& cells, Outcome& out) : cells_(cells), out_(out) {}
    Real operator()(std::string_view cell);
    bool ok() const { return ok_; }

private:
    const Cells& cells_;
    Outcome& out_;
    bool ok_ = true;
};

inline constexpr std::string_view kInvalidValue = "Valor inválido. Ajuste seus dados";

// Prefix + W(x; w, d) + suffix, the shape of every answer text.
std::string answer_text(std::string_view prefix, Real x, int width, int decimals, std::string_view suffix);

} // namespace tavek
