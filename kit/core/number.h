#pragma once
// Conversions between a cell's text and a double. Both directions are
// independent of the C locale: the GUI toolkit calls setlocale(), and a
// Brazilian locale would otherwise turn the decimal point into a comma.
#include <string>
#include <string_view>

namespace tavek {

struct Reading {
    double value = 0.0;     // the number; for a malformed text, the digits read so far
    bool malformed = false; // the text is not a complete number
    bool overflow = false;  // a complete number too large for a double (1e400)
};

// Leading and trailing blanks (code 32 only) are ignored; an empty text reads 0.
// A complete number is: optional sign, integer digits, optional point and
// fraction digits, optional exponent (E or e, optional sign, at least one digit).
// "5.", ".5", "." and "-0" are complete. A text with exactly one comma and no
// point reads the comma as the point ("1,5" is 1.5); a comma and a point, or
// two commas, are malformed. Anything else is malformed.
Reading read_number(std::string_view text);

// W(x; w, d): fixed notation with d decimals, halves away from zero, left-padded
// with blanks to at least w characters; magnitudes from 1e36 on in scientific form.
std::string write_number(double x, int width, int decimals);

} // namespace tavek
