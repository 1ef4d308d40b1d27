#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "kit/core/pixel_runs.h"

using tavek::packRows;
using tavek::Rgb;
using tavek::RowUnpacker;

namespace {

constexpr Rgb kWhite{255, 255, 255};

struct Picture {
    const char* name;
    int width, height;
    std::uint8_t (*channel)(int x, int y, int c);
};

// Unpacks every row of `code`; empty when a row does not come out whole.
std::vector<std::uint8_t> unpack(const std::vector<std::uint8_t>& code, int width, int height)
{
    std::vector<std::uint8_t> pixels;
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * 3);
    RowUnpacker unpacker(code, width, kWhite);
    for (int y = 0; y < height; ++y) {
        if (!unpacker.next(row))
            return {};
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    return pixels;
}

std::vector<std::uint8_t> draw(const Picture& p)
{
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            for (int c = 0; c < 3; ++c)
                pixels.push_back(p.channel(x, y, c));
    return pixels;
}

const Picture kPictures[] = {
    {"background only", 305, 7, [](int, int, int) -> std::uint8_t { return 255; }},
    {"left-to-right gradient", 505, 9, [](int x, int, int c) { return static_cast<std::uint8_t>(x * (c + 1)); }},
    {"noise", 97, 13, [](int x, int y, int c) { return static_cast<std::uint8_t>((x * 7919 + y * 104729 + c * 31) % 251); }},
    {"one column", 1, 5, [](int, int y, int c) { return static_cast<std::uint8_t>(y * 50 + c); }},
    {"a run one longer than the longest", 129, 3, [](int x, int y, int) { return static_cast<std::uint8_t>(x == 128 ? y : 0); }},
};

} // namespace

TEST(PixelRuns, EveryPictureComesBackAsItWas)
{
    for (const Picture& p : kPictures) {
        const std::vector<std::uint8_t> pixels = draw(p);
        const std::vector<std::uint8_t> code = packRows(pixels, p.width, p.height, kWhite);
        EXPECT_EQ(unpack(code, p.width, p.height), pixels) << p.name;
        EXPECT_LE(code.size(), pixels.size() * 4 / 3 + 1) << p.name;
    }
}

TEST(PixelRuns, RowsLikeTheOneAboveCostAByteAPer128Pixels)
{
    const Picture& gradient = kPictures[1];
    const std::vector<std::uint8_t> first = packRows(draw({"", gradient.width, 1, gradient.channel}), gradient.width, 1, kWhite);
    const std::vector<std::uint8_t> all = packRows(draw(gradient), gradient.width, gradient.height, kWhite);
    EXPECT_EQ(all.size(), first.size() + (gradient.height - 1) * 4u); // 505 pixels: four runs a row
    EXPECT_EQ(packRows(draw(kPictures[0]), 305, 7, kWhite).size(), 7 * 3u); // the background is "above" the first row
}

TEST(PixelRuns, BrokenCodeStopsWithinTheRow)
{
    const Picture& noise = kPictures[2];
    const std::vector<std::uint8_t> code = packRows(draw(noise), noise.width, noise.height, kWhite);
    // Cut anywhere, the last row never comes out whole.
    for (std::size_t cut : {std::size_t{0}, std::size_t{1}, code.size() / 2, code.size() - 1}) {
        std::vector<std::uint8_t> truncated(code.begin(), code.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_TRUE(unpack(truncated, noise.width, noise.height).empty()) << cut;
    }
    // A run that would pass the end of the row, 2 pixels into a row of 1,
    // writes nothing beyond it (the canary after it stays).
    std::vector<std::uint8_t> row(3 + 1, 0xAA);
    const std::vector<std::uint8_t> tooLong{0x01, 1, 2, 3};
    RowUnpacker unpacker(tooLong, 1, kWhite);
    EXPECT_FALSE(unpacker.next(std::span<std::uint8_t>(row.data(), 3)));
    EXPECT_EQ(row[3], 0xAA);
    // A row buffer shorter than the row is refused.
    RowUnpacker shortRow(tooLong, 2, kWhite);
    EXPECT_FALSE(shortRow.next(std::span<std::uint8_t>(row.data(), 3)));
}
