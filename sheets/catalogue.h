#pragma once
// The exercises a teacher can put on a sheet: for each, the window it comes
// from, a statement with a place for every given quantity, the values a
// textbook would give them and the window's own calculator, which answers
// every version exactly as the window would.
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kit/core/outcome.h"
#include "sheets/sheet_random.h"

namespace tavek {

// One given quantity. `name` marks its place in the statement ({name} for the
// value and its unit). A quantity the window draws itself has no cell: the
// sheet draws it and states it as data.
struct SheetGiven {
    const char* name;
    const char* cell;  // the input cell it is typed into, or nullptr
    const char* label; // what the window calls it beside that cell
    const char* unit;  // "" for a pure number
    Grid grid;
};

// A name the window writes over its figure (beside a cell there), drawn on
// the printed figure: x is where the text starts and y its middle, in the
// picture's own pixels.
struct SheetMark {
    const char* text;
    double x;
    double y;
};

// The drawn values by name.
using SheetValues = std::map<std::string, double, std::less<>>;

struct SheetExercise {
    const char* id;        // "form4.1": seeds its numbers, the same in every list
    int form;              // the window, Form<form>
    const char* number;    // as the window numbers it, "1)"; empty where it does not
    const char* title;     // what it asks, in a few words
    const char* figure;    // the window's picture of it under :/art/, or nullptr
    const char* statement; // with {name} for each given
    std::vector<SheetGiven> givens;
    // The window's calculator for these cells; the values add what the window draws.
    Outcome (*calculate)(const Cells&, const SheetValues&) = nullptr;
    // Physics the checks alone do not ensure: a system that clearly moves,
    // a pull that clearly wins. Null when every accepted set will do.
    bool (*sensible)(const SheetValues&) = nullptr;
    // Result cells are captioned by a label beside them ("Velocidade Média =").
    std::vector<std::pair<const char*, const char*>> captions = {};
    // A unit-conversion exercise: the window's buttons it may draw from.
    std::vector<const char*> conversions = {};
    std::vector<SheetMark> marks = {};
};

// A window's exercises under the name its menus give it.
struct SheetWindow {
    int form;
    const char* name;
};

// Every exercise, grouped by window in the windows' order.
std::span<const SheetExercise> sheet_exercises();
std::span<const SheetWindow> sheet_windows();
const SheetExercise* sheet_exercise(std::string_view id);
const char* sheet_window_name(int form);

// The range of values a conversion exercise gives for a button's unit, and
// the unit as a statement writes it after `amount` ("mi", "1 dia", "3 anos").
Grid conversion_grid(std::string_view button);
std::string conversion_unit(std::string_view button, double amount);

} // namespace tavek
