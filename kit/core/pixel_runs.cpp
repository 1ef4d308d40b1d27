#include "kit/core/pixel_runs.h"

#include <cstring>

namespace tavek {

namespace {

constexpr int kLongestRun = 128;
constexpr std::uint8_t kAbove = 0x80;

} // namespace

std::vector<std::uint8_t> packRows(std::span<const std::uint8_t> pixels, int width, int height,
                                   std::span<const std::uint8_t> background)
{
    const std::size_t size = background.size();
    const std::size_t stride = static_cast<std::size_t>(width) * size;
    std::vector<std::uint8_t> code;
    if (size == 0)
        return code;
    std::vector<std::uint8_t> above(stride);
    for (int x = 0; x < width; ++x)
        std::memcpy(&above[static_cast<std::size_t>(x) * size], background.data(), size);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = pixels.data() + static_cast<std::size_t>(y) * stride;
        auto pixel = [size](const std::uint8_t* r, int x) { return r + static_cast<std::size_t>(x) * size; };
        auto same = [size](const std::uint8_t* a, const std::uint8_t* b) { return std::memcmp(a, b, size) == 0; };
        int x = 0;
        while (x < width) {
            // The longer of the two runs that start here; the row above wins a
            // tie (one byte instead of one and a pixel).
            int aboveRun = 0;
            while (x + aboveRun < width && aboveRun < kLongestRun
                   && same(pixel(row, x + aboveRun), pixel(above.data(), x + aboveRun)))
                ++aboveRun;
            int pixelRun = 1;
            while (x + pixelRun < width && pixelRun < kLongestRun && same(pixel(row, x + pixelRun), pixel(row, x)))
                ++pixelRun;
            if (aboveRun >= pixelRun) {
                code.push_back(static_cast<std::uint8_t>(kAbove | (aboveRun - 1)));
                x += aboveRun;
            } else {
                code.push_back(static_cast<std::uint8_t>(pixelRun - 1));
                code.insert(code.end(), pixel(row, x), pixel(row, x) + size);
                x += pixelRun;
            }
        }
        std::memcpy(above.data(), row, stride);
    }
    return code;
}

RowUnpacker::RowUnpacker(std::span<const std::uint8_t> code, int width, std::span<const std::uint8_t> background)
    : code_(code), width_(width), background_(background)
{
}

bool RowUnpacker::next(std::span<std::uint8_t> row)
{
    const std::size_t size = background_.size();
    if (size == 0 || row.size() < static_cast<std::size_t>(width_) * size)
        return false;
    if (first_) {
        for (int x = 0; x < width_; ++x)
            std::memcpy(&row[static_cast<std::size_t>(x) * size], background_.data(), size);
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
        if (!(op & kAbove)) {
            if (code_.size() - at_ < size)
                return false;
            for (int i = 0; i < n; ++i)
                std::memcpy(&row[static_cast<std::size_t>(x + i) * size], &code_[at_], size);
            at_ += size;
        }
        // A run like the row above leaves the row as it is.
        x += n;
    }
    return true;
}

} // namespace tavek
