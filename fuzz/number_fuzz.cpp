// libFuzzer target for the number text of the cells and answers.
//
// Any input is read as a cell's text: nothing may crash or trip a sanitizer,
// and a text taken as a complete number must give the correctly rounded
// double that the C library's strtod gives for it (the target runs in the
// "C" locale, so strtod reads a decimal point). A lone comma with no point is
// the decimal point; a text with a comma and a point, or two commas, must be
// malformed.
//
// Doubles taken from the input (its first eight bytes, and the number its
// text reads as) are written with every (width, decimals) pair the windows
// use and read back: the text must be a complete number with the same sign
// and lie within half a unit of its last written decimal of the double,
// allowing for the 17-place / 18-digit expansion the writing rounds from and
// for the reading's own rounding to a double. Larger doubles must come out in
// the scientific form and read back to their written digits; infinities and
// NaN must at least not crash the writing. Every fixed-notation text typed
// back with a comma for its point reads as the same number.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "kit/core/number.h"

namespace {

[[noreturn]] void fail(const char* what, std::string_view text, double x = 0.0, double got = 0.0)
{
    std::fprintf(stderr, "number_fuzz: %s\n  text: \"%.*s\"\n  x: %.17g\n  got: %.17g\n", what,
                 static_cast<int>(text.size()), text.data(), x, got);
    std::abort();
}

bool same_double(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void check_reading(std::string_view text)
{
    const tavek::Reading r = tavek::read_number(text);
    if (r.malformed && r.overflow)
        fail("malformed and overflow at once", text);
    if (!std::isfinite(r.value))
        fail("reading gave a value that is not finite", text, 0.0, r.value);
    const auto commas = std::count(text.begin(), text.end(), ',');
    const bool point = text.find('.') != std::string_view::npos;
    if ((commas > 1 || (commas == 1 && point)) && !r.malformed)
        fail("a comma beside a point, or a second comma, read as a number", text, 0.0, r.value);
    if (r.malformed)
        return;

    // Compare a complete number with strtod on the same text without its
    // blanks, its one comma (if any) made the point strtod reads.
    std::string_view core = text;
    while (!core.empty() && core.front() == ' ')
        core.remove_prefix(1);
    while (!core.empty() && core.back() == ' ')
        core.remove_suffix(1);
    if (core.empty()) {
        if (!same_double(r.value, 0.0) || r.overflow)
            fail("an empty text must read 0", text, 0.0, r.value);
        return;
    }
    std::string s(core);
    std::replace(s.begin(), s.end(), ',', '.');
    // strtod wants a digit before the point: ".5", "." and ".e5" are complete for us.
    const std::size_t lead = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    if (lead < s.size() && s[lead] == '.')
        s.insert(lead, "0");
    errno = 0;
    char* end = nullptr;
    const double ref = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size())
        fail("a complete number that strtod does not take whole", text);
    if (r.overflow) {
        if (!std::isinf(ref))
            fail("overflow reported for a number strtod can hold", text, ref);
        return;
    }
    if (!same_double(r.value, ref))
        fail("reading differs from strtod", text, ref, r.value);
}

constexpr struct {
    int width, decimals;
} kFormats[] = {{4, 4}, {4, 2}, {6, 6}, {8, 8}, {0, 0}};

void check_round_trip(double x)
{
    if (!std::isfinite(x) || std::fabs(x) >= 1e36)
        return;
    const long double m = std::fabs(static_cast<long double>(x));
    // The unit of the last digit of the expansion the writing rounds from:
    // 17 places after the point below 10, the 18th significant digit above.
    long double expansion_unit = 1e-17L;
    if (m >= 10) {
        const int e = static_cast<int>(std::floor(std::log10(m)));
        expansion_unit = std::pow(10.0L, e - 17);
    }
    for (const auto& f : kFormats) {
        const std::string text = tavek::write_number(x, f.width, f.decimals);
        if (text.size() < static_cast<std::size_t>(f.width))
            fail("text shorter than its width", text, x);
        if (text.find_first_not_of(" -0123456789.") != std::string::npos)
            fail("fixed notation expected below 1e36", text, x);
        if (f.decimals == 0 && text.find('.') != std::string::npos)
            fail("a point with no decimals", text, x);
        const tavek::Reading r = tavek::read_number(text);
        if (r.malformed || r.overflow)
            fail("written text does not read back as a number", text, x, r.value);
        if (std::signbit(r.value) != std::signbit(x))
            fail("sign lost on the way", text, x, r.value);
        const long double half_decimal = 0.5L * std::pow(10.0L, -f.decimals);
        // When the expansion's last digit lies within the decimals written, the
        // two roundings add up; otherwise the written digits end in zeros and
        // only the expansion's rounding counts.
        const long double half_expansion = 0.5L * expansion_unit;
        const long double written = half_decimal >= half_expansion ? half_decimal + half_expansion : half_expansion;
        const double above = std::nextafter(std::fabs(r.value), INFINITY);
        const long double reading = 0.5L * (static_cast<long double>(above) - std::fabs(r.value));
        const long double allowed = written + reading;
        const long double diff = std::fabs(static_cast<long double>(r.value) - static_cast<long double>(x));
        if (diff > allowed)
            fail("read back too far from the number written", text, x, r.value);
        std::string comma = text;
        std::replace(comma.begin(), comma.end(), '.', ',');
        const tavek::Reading c = tavek::read_number(comma);
        if (c.malformed || c.overflow || !same_double(c.value, r.value))
            fail("the text with a decimal comma reads otherwise", comma, r.value, c.value);
    }
}

// From 10^36 on the writing switches to the scientific form: a blank or a
// minus, one digit, a point, max(2, min(18, w - 8)) significant digits in
// all, E, the exponent's sign and four digits. Read back, it must be the
// double to within half a unit of its last digit, or overflow where that
// digit rounds the magnitude beyond the largest double.
void check_scientific(double x)
{
    if (!std::isfinite(x)) {
        for (const auto& f : kFormats)
            tavek::write_number(x, f.width, f.decimals); // must not crash; never shown
        return;
    }
    if (std::fabs(x) < 1e36)
        return;
    for (const auto& f : kFormats) {
        const std::string text = tavek::write_number(x, f.width, f.decimals);
        const int digits = std::max(2, std::min(18, f.width - 8));
        const std::size_t length = static_cast<std::size_t>(1 + digits + 1 + 2 + 4);
        if (text.size() != std::max(length, static_cast<std::size_t>(f.width)))
            fail("scientific text of unexpected length", text, x);
        const std::string_view core = std::string_view(text).substr(text.size() - length);
        if (core[0] != (std::signbit(x) ? '-' : ' ') || core[1] < '1' || core[1] > '9' || core[2] != '.' ||
            core.substr(1 + digits + 1, 2) != "E+")
            fail("scientific text of unexpected shape", text, x);
        for (std::size_t i = 3; i < length; ++i)
            if (i != static_cast<std::size_t>(2 + digits) && i != static_cast<std::size_t>(3 + digits) &&
                (core[i] < '0' || core[i] > '9'))
                fail("scientific text of unexpected shape", text, x);
        const int exponent = std::atoi(std::string(core.substr(length - 4)).c_str());
        const tavek::Reading r = tavek::read_number(text);
        if (r.malformed)
            fail("scientific text does not read back as a number", text, x);
        if (r.overflow) {
            if (std::fabs(x) < 1.75e308)
                fail("scientific text overflows far below the largest double", text, x);
            continue;
        }
        if (std::signbit(r.value) != std::signbit(x))
            fail("sign lost on the way", text, x, r.value);
        const long double unit = std::pow(10.0L, exponent - (digits - 1));
        const double above = std::nextafter(std::fabs(r.value), INFINITY);
        const long double allowed = 0.5L * unit + 0.5L * unit * 1e-16L + (static_cast<long double>(above) - std::fabs(r.value));
        const long double diff = std::fabs(static_cast<long double>(r.value) - static_cast<long double>(x));
        if (diff > allowed)
            fail("scientific text read back too far from the number written", text, x, r.value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check_reading(text);

    const tavek::Reading r = tavek::read_number(text);
    if (!r.malformed && !r.overflow) {
        check_round_trip(r.value);
        check_scientific(r.value);
    }
    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        check_round_trip(x);
        check_scientific(x);
    }
    return 0;
}
