#include "kit/core/pixel_runs.h"

#include <algorithm>
#include <cstring>

namespace tavek {

namespace {

constexpr int kLongestRun = 128;
constexpr std::uint8_t kAbove = 0x80;

} // namespace

std::vector<std::uint8_t> packRows(std::span<const std::uint8_t> pixels, int width, int height, Rgb background)
{
    std::vector<std::uint8_t> code;
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> above(stride);
    for (int x = 0; x < width; ++x)
        std::memcpy(&above[static_cast<std::size_t>(x) * 3], background.data(), 3);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = pixels.data() + static_cast<std::size_t>(y) * stride;
        auto pixel = [](const std::uint8_t* r, int x) { return r + static_cast<std::ptrdiff_t>(x) * 3; };
        auto same = [&](const std::uint8_t* a, const std::uint8_t* b) { return std::memcmp(a, b, 3) == 0; };
        int x = 0;
        while (x < width) {
            // The longer of the two runs that start here; the row above wins a tie
            // (one byte instead of four).
            int aboveRun = 0;
            while (x + aboveRun < width && aboveRun < kLongestRun
                   && same(pixel(row, x + aboveRun), pixel(above.data(), x + aboveRun)))
                ++aboveRun;
            int colourRun = 1;
            while (x + colourRun < width && colourRun < kLongestRun && same(pixel(row, x + colourRun), pixel(row, x)))
                ++colourRun;
            if (aboveRun >= colourRun) {
                code.push_back(static_cast<std::uint8_t>(kAbove | (aboveRun - 1)));
                x += aboveRun;
            } else {
                code.push_back(static_cast<std::uint8_t>(colourRun - 1));
                code.insert(code.end(), pixel(row, x), pixel(row, x) + 3);
                x += colourRun;
            }
        }
        std::memcpy(above.data(), row, stride);
    }
    return code;
}

RowUnpacker::RowUnpacker(std::span<const std::uint8_t> code, int width, Rgb background)
    : code_(code), width_(width), background_(background)
{
}

bool RowUnpacker::next(std::span<std::uint8_t> row)
{
    if (row.size() < static_cast<std::size_t>(width_) * 3)
        return false;
    if (first_) {
        for (int x = 0; x < width_; ++x)
            std::memcpy(&row[static_cast<std::size_t>(x) * 3], background_.data(), 3);
        first_ = false;
    }
    int x = 0;
    while (x < width_) {
        if (at_ >= code_.size())
            return false;
        const std::uint8_t op = code_[at_++];
        const int n = (op & ~kAbove) + 1;
        if (x + n > width_)
            return false;
        if (op & kAbove) {
            // The row still holds the row above: nothing to write.
        } else {
            if (code_.size() - at_ < 3)
                return false;
            for (int i = 0; i < n; ++i)
                std::memcpy(&row[static_cast<std::size_t>(x + i) * 3], &code_[at_], 3);
            at_ += 3;
        }
        x += n;
    }
    return true;
}

} // namespace tavek
