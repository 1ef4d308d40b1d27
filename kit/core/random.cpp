#include "kit/core/random.h"

namespace tavek {

std::uint32_t RandomDraw::draw(std::uint32_t n)
{
    seed_ = seed_ * 134775813u + 1u; // wraps modulo 2^32
    return static_cast<std::uint32_t>((std::uint64_t{seed_} * n) >> 32);
}

int RandomDraw::percentage()
{
    std::uint32_t r = 0;
    while (r == 0) {
        for (std::uint32_t i = 1; i <= 100; ++i)
            r = draw(i);
    }
    return static_cast<int>(r);
}

int RandomDraw::angle()
{
    std::uint32_t a = 1;
    while (a <= 25 || a >= 89) {
        for (std::uint32_t i = 25; i <= 89; ++i)
            a = draw(i);
    }
    return static_cast<int>(a);
}

} // namespace tavek
