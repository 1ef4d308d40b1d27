#include "sheets/sheet_random.h"

#include <cmath>

#include "kit/core/number.h"

namespace tavek {

namespace {

// FNV-1a: the exercise's name as a number, the same on every platform.
std::uint64_t hashed(std::string_view text)
{
    std::uint64_t h = 14695981039346656037ull;
    for (char c : text) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

// Decimals of the grid's step: 0.05 has two.
int decimalsOf(double step)
{
    int d = 0;
    double scaled = step;
    while (d < 6 && std::fabs(scaled - std::round(scaled)) > 1e-9) {
        scaled *= 10;
        ++d;
    }
    return d;
}

} // namespace

SheetRandom::SheetRandom(int code, std::string_view exercise, int version)
    : state_(hashed(exercise) ^ (static_cast<std::uint64_t>(code) << 20) ^ static_cast<std::uint64_t>(version))
{
}

// SplitMix64: every seed, however close to another, gives an unrelated sequence.
std::uint64_t SheetRandom::next()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint32_t SheetRandom::below(std::uint32_t n)
{
    return static_cast<std::uint32_t>(((next() >> 32) * n) >> 32);
}

Drawn draw(SheetRandom& random, const Grid& grid)
{
    // Whole numbers of the step's last decimal, so that no value drifts off
    // the grid (0.1 + 3 × 0.05 is not 0.25 in binary).
    const int decimals = decimalsOf(grid.step);
    const double scale = std::pow(10.0, decimals);
    const long long min = std::llround(grid.min * scale);
    const long long step = std::llround(grid.step * scale);
    const long long count = (std::llround(grid.max * scale) - min) / step + 1;
    const long long units = min + static_cast<long long>(random.below(static_cast<std::uint32_t>(count))) * step;

    std::string point = write_number(static_cast<double>(units) / scale, 0, decimals);
    if (decimals > 0) {
        point.erase(point.find_last_not_of('0') + 1);
        if (point.back() == '.')
            point.pop_back();
    }
    std::string comma = point;
    if (const auto dot = comma.find('.'); dot != std::string::npos)
        comma[dot] = ',';
    return {read_number(point).value, comma};
}

} // namespace tavek
