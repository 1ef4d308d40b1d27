#pragma once
// The exercise sheets' own random numbers. The program's draw (RandomDraw) is
// a single sequence that Form2 and Form5 advance as designed; a sheet must
// neither disturb it nor depend on it, and must come out the same whenever
// its code is typed again, so it draws from a generator of its own, seeded
// from the list's code, the exercise and the version.
#include <cstdint>
#include <string>
#include <string_view>

#include "kit/core/exercise_record.h"

namespace tavek {

class SheetRandom {
public:
    SheetRandom(int code, std::string_view exercise, int version);
    // An integer in 0 .. n-1 (n ≥ 1).
    std::uint32_t below(std::uint32_t n);

private:
    std::uint64_t next();
    std::uint64_t state_;
};


struct Drawn {
    double value;     // as the window reads `typed`
    std::string text; // "12,5": decimal comma, no trailing zeros
};

Drawn draw(SheetRandom& random, const Grid& grid);

} // namespace tavek
