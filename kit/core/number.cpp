#include "kit/core/number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace tavek {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Converts the digits of a number (already split up) to the nearest double.
// std::from_chars is correctly rounded and ignores the C locale.
Reading convert(bool negative, std::string_view int_digits, std::string_view frac_digits,
                std::string_view exponent)
{
    std::string text;
    text.reserve(int_digits.size() + frac_digits.size() + exponent.size() + 4);
    text += int_digits.empty() ? std::string_view("0") : int_digits;
    if (!frac_digits.empty()) {
        text += '.';
        text += frac_digits;
    }
    if (!exponent.empty()) {
        text += 'e';
        text += exponent;
    }
    double v = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    Reading r;
    if (ec == std::errc::result_out_of_range) {
        // Out of range is either too small (becomes 0, no message) or too large.
        // The first significant digit's decimal position tells which.
        const auto first = text.find_first_of("123456789");
        long long exp10 = 0;
        if (!exponent.empty()) {
            // A long exponent saturates: either way the verdict is the same.
            const bool neg = exponent.front() == '-';
            std::string_view digits = exponent.substr(exponent.front() == '-' || exponent.front() == '+');
            for (char c : digits) {
                exp10 = exp10 * 10 + (c - '0');
                if (exp10 > 100000000)
                    break;
            }
            if (neg)
                exp10 = -exp10;
        }
        const auto point = int_digits.empty() ? 1 : int_digits.size();
        const long long position = exp10 + static_cast<long long>(point) - static_cast<long long>(first);
        if (first != std::string::npos && position > 0)
            r.overflow = true;
        v = 0.0;
    }
    r.value = negative ? -v : v;
    return r;
}

} // namespace

Reading read_number(std::string_view text)
{
    // Blanks around a number are the user's slip, not part of it.
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty())
        return {};

    // Brazilian students write 9,8: a lone comma, with no point anywhere, is
    // the decimal point. A comma beside a point, or two commas, stays a misfit.
    const auto commas = std::count(text.begin(), text.end(), ',');
    const bool pointless = text.find('.') == std::string_view::npos;
    const char decimal = commas == 1 && pointless ? ',' : '.';

    std::size_t i = 0;
    const std::size_t n = text.size();
    bool negative = false;
    if (text[i] == '-' || text[i] == '+') {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t int_begin = i;
    while (i < n && is_digit(text[i]))
        ++i;
    const std::string_view int_digits = text.substr(int_begin, i - int_begin);
    std::string_view frac_digits;
    bool point = false;
    if (i < n && text[i] == decimal) {
        point = true;
        const std::size_t frac_begin = ++i;
        while (i < n && is_digit(text[i]))
            ++i;
        frac_digits = text.substr(frac_begin, i - frac_begin);
    }
    const bool mantissa = !int_digits.empty() || point;
    std::string_view exponent;
    bool complete = mantissa;
    if (mantissa && i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t digits_begin = j;
        while (j < n && is_digit(text[j]))
            ++j;
        if (j > digits_begin) {
            exponent = text.substr(i + 1, j - i - 1);
            i = j;
        } else {
            complete = false; // "E" with no digit
        }
    }
    if (complete && i == n)
        return convert(negative, int_digits, frac_digits, exponent);

    // Malformed: all digits read so far, taken as one whole number. Nobody
    // computes with it; the caller warns.
    std::string digits;
    for (char c : int_digits)
        digits += c;
    for (char c : frac_digits)
        digits += c;
    Reading r = digits.empty() ? Reading{} : convert(false, digits, {}, {});
    r.malformed = true;
    r.overflow = false;
    return r;
}

namespace {

// Decimal digits of m (m >= 0, finite) and the position of the decimal point:
// value = 0.d1d2d3... * 10^point. Taken to 17 places after the point below 10,
// to 18 significant digits from 10 on, each correctly rounded (ties to even).
struct Expansion {
    std::string digits;
    int point = 0;
};

Expansion expand(double m)
{
    Expansion e;
    char buf[400];
    if (m < 10.0) {
        const auto res = std::to_chars(buf, buf + sizeof buf, m, std::chars_format::fixed, 17);
        const std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
        const auto dot = s.find('.');
        e.digits.assign(s.substr(0, dot));
        e.digits.append(s.substr(dot + 1));
        e.point = static_cast<int>(dot);
    } else {
        const auto res = std::to_chars(buf, buf + sizeof buf, m, std::chars_format::scientific, 17);
        const std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
        const auto epos = s.find('e');
        e.digits += s[0];
        e.digits.append(s.substr(2, epos - 2));
        int exp10 = 0;
        std::from_chars(s.data() + epos + 1 + (s[epos + 1] == '+'), s.data() + s.size(), exp10);
        e.point = exp10 + 1;
    }
    return e;
}

// Rounds a digit string half up (away from zero) so that `keep` digits remain;
// returns true when the carry adds a new leading digit.
bool round_half_up(std::string& digits, std::size_t keep)
{
    if (keep >= digits.size()) {
        digits.append(keep - digits.size(), '0');
        return false;
    }
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    if (!up)
        return false;
    for (std::size_t k = keep; k-- > 0;) {
        if (digits[k] == '9') {
            digits[k] = '0';
        } else {
            ++digits[k];
            return false;
        }
    }
    digits.insert(digits.begin(), '1');
    return true;
}

std::string pad(std::string s, int width)
{
    if (width > 0 && s.size() < static_cast<std::size_t>(width))
        s.insert(0, static_cast<std::size_t>(width) - s.size(), ' ');
    return s;
}

} // namespace

std::string write_number(double x, int width, int decimals)
{
    const bool negative = std::signbit(x);
    const double m = std::fabs(x);
    if (std::isnan(m))
        return pad("NAN", width);
    if (std::isinf(m))
        return pad(negative ? "-INF" : "INF", width);

    Expansion e = expand(m);
    if (m >= 1e36) {
        const int significant = std::max(2, std::min(18, width - 8));
        int exp10 = e.point - 1;
        if (round_half_up(e.digits, static_cast<std::size_t>(significant))) {
            e.digits.pop_back();
            ++exp10;
        }
        std::string s(1, negative ? '-' : ' ');
        s += e.digits[0];
        s += '.';
        s.append(e.digits, 1);
        s += exp10 < 0 ? "E-" : "E+";
        std::string ed = std::to_string(std::abs(exp10));
        s.append(ed.size() < 4 ? 4 - ed.size() : 0, '0');
        s += ed;
        return pad(s, width);
    }

    // Make the point fall inside the digit string: leading zeros for small
    // magnitudes, trailing zeros for positions beyond the expansion.
    if (e.point <= 0) {
        e.digits.insert(0, static_cast<std::size_t>(1 - e.point), '0');
        e.point = 1;
    }
    if (static_cast<int>(e.digits.size()) < e.point)
        e.digits.append(static_cast<std::size_t>(e.point - static_cast<int>(e.digits.size())), '0');
    const std::size_t keep = static_cast<std::size_t>(e.point + decimals);
    if (round_half_up(e.digits, keep))
        ++e.point;

    std::string s;
    if (negative)
        s += '-';
    std::string_view integer(e.digits.data(), static_cast<std::size_t>(e.point));
    const auto nonzero = integer.find_first_not_of('0');
    integer = nonzero == std::string_view::npos ? std::string_view("0") : integer.substr(nonzero);
    s += integer;
    if (decimals > 0) {
        s += '.';
        s.append(e.digits, static_cast<std::size_t>(e.point), static_cast<std::size_t>(decimals));
    }
    return pad(s, width);
}

} // namespace tavek
