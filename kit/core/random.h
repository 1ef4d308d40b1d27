#pragma once
#include <cstdint>

namespace tavek {

// The program's one random generator: a 32-bit linear congruential sequence
// that starts at seed 0 and is never reseeded, so every run draws the same
// numbers in the same order whichever window draws them.
class RandomDraw {
public:
    // An integer in 0 .. n-1; advances the seed by one step.
    std::uint32_t draw(std::uint32_t n);
    // 1 .. 99: rounds of R(1) .. R(100), repeated while the last one is 0.
    int percentage();
    // 26 .. 88: rounds of R(25) .. R(89), repeated until the last one is in range.
    int angle();

    std::uint32_t seed() const { return seed_; }

private:
    std::uint32_t seed_ = 0;
};

} // namespace tavek
