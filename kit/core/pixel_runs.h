#pragma once
// Rows of pixels packed as runs, for the pictures the program draws once
// when it is built: a run either repeats one pixel or repeats the row above
// (a left-to-right gradient is the same from row to row). Little to store,
// nothing to unpack but the row being drawn. A pixel is any fixed number of
// bytes (3 for RGB, 4 for ARGB), compared and copied as they are.
//
// Code, one run per entry, runs never crossing the end of a row:
//   0nnnnnnn <pixel>  n + 1 copies of the pixel that follows
//   1nnnnnnn          n + 1 pixels as in the row above (above the first row:
//                     the background pixel)
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tavek {

// `pixels` holds `height` rows of `width` pixels of background.size() bytes.
std::vector<std::uint8_t> packRows(std::span<const std::uint8_t> pixels, int width, int height,
                                   std::span<const std::uint8_t> background);

// Unpacks the rows one after the other, in order.
class RowUnpacker {
public:
    // `background` is kept by reference: it must outlive the unpacker.
    RowUnpacker(std::span<const std::uint8_t> code, int width, std::span<const std::uint8_t> background);

    // Writes the next row (width pixels) into `row`, which must hold the row
    // before it from the previous call. False when the code ends early or a
    // run would pass the end of the row: the row is then not whole.
    bool next(std::span<std::uint8_t> row);

private:
    std::span<const std::uint8_t> code_;
    std::size_t at_ = 0;
    int width_;
    std::span<const std::uint8_t> background_;
    bool first_ = true;
};

} // namespace tavek
