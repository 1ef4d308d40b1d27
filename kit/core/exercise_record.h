#pragma once
// One exercise of a window, described once: what it is given and where it is
// typed, what it answers and where the window shows it, the calculator that
// works it out, the figure drawn from its values and the statement a sheet
// prints. The windows wire their controls from it, the solution menu names
// its items from it, the sheets draw and print from it, the benchmarks and
// the tests press it: nothing about an exercise is written anywhere else.
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace tavek {

struct Figure;
struct Outcome;
class Run;

// Values a textbook would print: min, min + step, …, max. `step` is a power of
// ten or a small multiple of one (1, 5, 0.5, 0.05), so every value has a
// short exact decimal text.
struct Grid {
    double min;
    double max;
    double step;
};

// How the window draws a value it does not read from a cell, from the
// program's one random draw.
enum class ProgramDraw {
    None,       // typed into a cell
    Percentage, // 1 .. 99
    Angle,      // 26 .. 88 degrees
};

struct Given {
    const char* name;   // what the calculator reads it as: "mA"
    const char* symbol; // in the worked solution: "m_{A}"
    const char* unit;   // "kg"; "" for a pure number
    const char* cell;   // the input cell it is typed into; nullptr: drawn by the program
    const char* label;  // what the window calls it beside that cell: "Massa do Bloco A"
    Grid range;         // what a textbook gives it, and its rounding
    ProgramDraw draw = ProgramDraw::None;
    const char* shownIn = nullptr; // where the window shows a value it drew
    const char* plural = nullptr;  // a unit written as a word, after two or more: "3 anos"
};

struct Answer {
    const char* quantity; // the name the calculator works it out as: "PX"
    const char* name;     // what it is, in words: "componente do peso de A ao longo do plano"
    const char* symbol;   // "P_{X}"; nullptr for a sentence
    const char* unit;     // its SI unit: "N"; "" for a pure number or a sentence
    const char* control;  // the control that shows it
    // The window's text around the number, as designed ("PX do Bloco A = ",
    // " N"). Answers that one control shows together follow each other here,
    // the first one's suffix leading into the next one's number.
    const char* prefix = "";
    const char* suffix = "";
    int width = 4; // written W(x; width, decimals)
    int decimals = 4;
    // A result cell's caption: the label beside it ("Velocidade Média =").
    const char* caption = nullptr;
    // A sentence the window writes (which way a system moves): what it can say.
    std::vector<const char*> sentences = {};
    // The same sentences as a sheet's key says them, in the statement's
    // words and symbols (the window's "PA" is the sheet's P_{X}).
    std::vector<const char*> stated = {};
    // What a line of a result list is for (its second), written by the
    // window but not a quantity the exercise asks.
    bool heading = false;
    bool isSentence() const { return !sentences.empty(); }
};

// One calculate button and what it runs. A conversion group has a button per
// unit, each converting the given it names.
struct Press {
    const char* button;
    void (*calculate)(Run& run);
    const char* converts = nullptr;
};

// The inputs of a worked example, by given name ("mA" = "10"): what the
// screenshots, the benchmarks and the tests type before pressing.
struct Example {
    std::vector<std::pair<const char*, const char*>> typed = {};
    // The buttons pressed, in order; none: the one that converts the typed
    // unit, or the exercise's first.
    std::vector<const char*> buttons = {};
};

struct ExerciseRecord {
    const char* id;     // "form9.7": names it in files and seeds a sheet's numbers
    int form;           // the window, Form<form>
    const char* number; // as the window numbers it, "7)"; empty where it does not
    const char* title;  // what it asks, in a few words; a conversion group's menu name
    const char* picture; // the window's picture of it under :/art/, or nullptr
    // A sheet's, in the program's markup (kit/core/markup.h), ending where
    // the quantities it asks are listed: {name} for a given's value and unit,
    // {#name} its value, {=name} its symbol, value and unit ("v_{0} = 20 m/s"),
    // {$name} a classroom constant's value and unit ({$g}: "9,8 m/s²").
    const char* statement;
    std::vector<Given> givens;
    // In the order a sheet asks them, lettered a), b), …; the calculator's
    // writes decide the order the window writes them in.
    std::vector<Answer> answers;
    std::vector<Press> presses;
    const char* clear;  // "Limpar Campos"
    // Drawn under the worked solution, from the values the press worked out;
    // nullptr where nothing is drawn.
    Figure (*figure)(const Outcome& out) = nullptr;
    // A set a teacher would give: what the checks alone do not ensure (a
    // system that clearly moves), from the values the press worked out.
    bool (*sensible)(const Outcome& out) = nullptr;
    // Drawn beside the statement for its own numbers (a plane at its angle),
    // from the values the press worked out but showing none of its answers;
    // nullptr where the window's picture, whose numbers are fixed, will do.
    Figure (*statementFigure)(const Outcome& out) = nullptr;
    Example example = {};
    // Shown by a press but given data, not answers (besides where the window
    // shows a value it drew): hidden by the clear, never by the teacher's lock.
    std::vector<const char*> data = {};
    // A name the window writes over its picture beside a cell, drawn on the
    // printed picture as the statement writes it (the window's "Vo" is the
    // sheet's v₀): x where the text starts, y its middle, in the picture's pixels.
    struct Mark {
        const char* text;
        double x;
        double y;
    };
    std::vector<Mark> marks = {};

    const Given* given(std::string_view name) const;
    const Answer* answer(std::string_view quantity) const;
    const Press* press(std::string_view button) const;
    // The menus' number of the exercise: 7 for "7)", 0 where there is none.
    int ordinal() const;
    // The controls a press writes, each once, in the order of the answers.
    std::vector<const char*> answerControls() const;
    // The press that works the exercise out: the last (Form5's first only draws).
    const Press& working() const { return presses.back(); }
};

// The records among `records` of window Form<form>, in their order.
std::vector<const ExerciseRecord*> exercises_of(std::span<const ExerciseRecord> records, int form);

} // namespace tavek
