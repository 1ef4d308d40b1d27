#pragma once
// Numbers as a worked solution writes them: fixed notation where that is
// short, a power of ten ("1.5 × 10⁶") where it is not.
#include <string>

namespace tavek {

// The shortest text that reads back as the same double, powers of ten
// written "1 × 10²⁰" ("0.1", "1 × 10⁻⁴").
std::string given_text(double x);

// W(x; width, decimals) without the padding: an answer as the window writes it.
std::string unpadded(double x, int width, int decimals);

// The exponent of the leading digit of x (finite, not zero).
int exponent_of(double x);

// A number as a working writes it: its text, whether it is written with a
// power of ten, what it reads as and one unit of its last digit.
struct Written {
    std::string text;
    bool timesTen = false;
    long double value = 0;
    long double lastDigit = 0;
};

// x rounded to `d` decimals (to 10^-d). Fixed notation from 0.0001 up to
// 10^15, trailing zeros kept down to `keep` decimals; outside it (or for a
// rounding beyond the units or beyond 17 decimals) a power of ten.
Written written_at(double x, int d, int keep);

} // namespace tavek
