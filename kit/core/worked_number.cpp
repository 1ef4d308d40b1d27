#include "kit/core/worked_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "kit/core/markup.h"
#include "kit/core/number.h"

namespace tavek {

namespace {

// "1.5 × 10⁶": a mantissa and its power of ten.
std::string timesTen(std::string_view mantissa, int exponent)
{
    std::string r(mantissa);
    r += " × 10";
    r += superscript(std::to_string(exponent));
    return r;
}

// The exponent of a number written "1.5e+06", its 'e' at `at`.
int exponentAt(std::string_view s, std::size_t at)
{
    int exponent = 0;
    std::from_chars(s.data() + at + 1 + (s[at + 1] == '+'), s.data() + s.size(), exponent);
    return exponent;
}

} // namespace

std::string given_text(double x)
{
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, x);
    const std::string_view s(buffer, static_cast<std::size_t>(r.ptr - buffer));
    const auto e = s.find('e');
    if (e == std::string_view::npos)
        return std::string(s);
    return timesTen(s.substr(0, e), exponentAt(s, e));
}

std::string unpadded(double x, int width, int decimals)
{
    std::string s = write_number(x, width, decimals);
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
}

int exponent_of(double x)
{
    char buffer[40];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 16);
    const std::string_view s(buffer, static_cast<std::size_t>(r.ptr - buffer));
    return exponentAt(s, s.find('e'));
}

Written written_at(double x, int d, int keep)
{
    Written w;
    const int e = x == 0 ? 0 : exponent_of(x);
    if (x == 0 || (e >= -4 && e < 15 && d >= 0 && d <= 17)) {
        w.text = unpadded(x, 0, d);
        const auto point = w.text.find('.');
        int decimals = point == std::string::npos ? 0 : static_cast<int>(w.text.size() - point - 1);
        while (decimals > keep && w.text.back() == '0') {
            w.text.pop_back();
            --decimals;
        }
        if (decimals == 0 && !w.text.empty() && w.text.back() == '.')
            w.text.pop_back();
        w.value = read_number(w.text).value;
        w.lastDigit = std::pow(10.0L, -decimals);
        return w;
    }
    char buffer[40];
    const int significant = std::max(1, d + e + 1);
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, significant - 1);
    const std::string_view s(buffer, static_cast<std::size_t>(r.ptr - buffer));
    const auto at = s.find('e');
    std::string mantissa(s.substr(0, at));
    const int exponent = exponentAt(s, at);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0')
            mantissa.pop_back();
        if (mantissa.back() == '.')
            mantissa.pop_back();
    }
    const auto point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    w.value = read_number(std::string(s)).value;
    w.text = timesTen(mantissa, exponent);
    w.timesTen = true;
    w.lastDigit = std::pow(10.0L, exponent - decimals);
    return w;
}

} // namespace tavek
