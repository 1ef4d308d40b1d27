#pragma once
// The program's own markup of a worked solution's texts: `_{…}` is a
// subscript, `^{…}` a power (written with the superscript characters, ² ³, so
// that it survives copying). Numbers are never markup: a line keeps them as
// plain text, and they are escaped as they are when it becomes rich text.
#include <string>
#include <string_view>
#include <vector>

namespace tavek {

struct Piece {
    enum class Kind { Markup, Number };
    Kind kind;
    std::string text;
    bool operator==(const Piece&) const = default;
};
using Line = std::vector<Piece>;

// Markup at the end of a line, joined to the markup already there.
void add_markup(Line& line, std::string_view text);
void add_number(Line& line, std::string text);
// " m/s²" after a number, "30°" without the blank; nothing for a pure number.
void add_unit(Line& line, std::string_view unit);

// Where a line is read. The windows write numbers with the decimal point
// they were designed with; paper, what the class hands in and is graded
// on, writes them as the students do: "9,8", "31 560 000".
enum class Notation { Screen, Paper };

// Rich text of a line: markup escaped and its sub- and superscripts made tags,
// numbers escaped as they are. On paper every number takes the decimal comma,
// those in its markup too ("1.41" of a remark).
std::string to_html(const Line& line, Notation notation = Notation::Screen);
// The same line as plain text, as a screen reader or a test reads it.
std::string to_plain(const Line& line, Notation notation = Notation::Screen);

// A text written whole in the markup (a statement, an answer's name) as rich
// text: on paper with the decimal comma, and a unit such as m/s² never broken
// at its slash (a word joiner holds the slash to what follows it).
std::string markup_html(std::string_view text, Notation notation = Notation::Screen);

// A number text as a program writes it ("-1234567.5", "1.5 × 10⁶") as paper
// prints it: the decimal comma, and the whole part of five digits or more in
// groups of three held together by no-break spaces ("-1 234 567,5").
std::string paper_number(std::string_view text);
// Every decimal point between two digits of a text made a comma.
std::string paper_decimals(std::string_view text);

// Text made safe inside rich text: & < > " as entities.
std::string escaped(std::string_view text);
// A power's digits and signs as superscript characters: "-4" becomes "⁻⁴".
std::string superscript(std::string_view text);
// A symbol of the markup as plain text that still looks like it: a subscript
// of digits in subscript characters ("F_{2}" is "F₂"), any other kept on the
// line ("P_{X}" is "PX"). For texts drawn where no rich text goes: figures.
std::string plain_symbol(std::string_view markup);

} // namespace tavek
