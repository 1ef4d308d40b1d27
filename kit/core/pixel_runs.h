#pragma once
// Rows of RGB pixels packed as runs, for the pictures the program draws once
// when it is built: a run either repeats one colour or repeats the row above
// (a left-to-right gradient is the same from row to row). Little to store,
// nothing to unpack but the row being drawn.
//
// Code, one run per entry, runs never crossing the end of a row:
//   0nnnnnnn r g b   n + 1 pixels of colour (r, g, b)
//   1nnnnnnn         n + 1 pixels as in the row above (above the first row:
//                    the background colour)
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tavek {

using Rgb = std::array<std::uint8_t, 3>;

// `pixels` holds `height` rows of `width` * 3 bytes.
std::vector<std::uint8_t> packRows(std::span<const std::uint8_t> pixels, int width, int height, Rgb background);

// Unpacks the rows one after the other, in order.
class RowUnpacker {
public:
    RowUnpacker(std::span<const std::uint8_t> code, int width, Rgb background);

    // Writes the next row (width * 3 bytes) into `row`, which must hold the
    // row before it from the previous call. False when the code ends early or
    // a run would pass the end of the row: the row is then not whole.
    bool next(std::span<std::uint8_t> row);

private:
    std::span<const std::uint8_t> code_;
    std::size_t at_ = 0;
    int width_;
    Rgb background_;
    bool first_ = true;
};

} // namespace tavek
