#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "kit/core/pixel_runs.h"

using tavek::packRows;
using tavek::RowUnpacker;

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kWhite{255, 255, 255};
const Bytes kClear{0, 0, 0, 0}; // a transparent ARGB pixel

struct Picture {
    const char* name;
    int width, height;
    const Bytes& background;
    std::uint8_t (*channel)(int x, int y, int c);
};

// Unpacks every row of `code`; empty when a row does not come out whole.
Bytes unpack(const Bytes& code, int width, int height, const Bytes& background)
{
    Bytes pixels;
    Bytes row(static_cast<std::size_t>(width) * background.size());
    RowUnpacker unpacker(code, width, background);
    for (int y = 0; y < height; ++y) {
        if (!unpacker.next(row))
            return {};
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    return pixels;
}

Bytes draw(const Picture& p)
{
    Bytes pixels;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            for (std::size_t c = 0; c < p.background.size(); ++c)
                pixels.push_back(p.channel(x, y, static_cast<int>(c)));
    return pixels;
}

Bytes pack(const Picture& p) { return packRows(draw(p), p.width, p.height, p.background); }

const Picture kPictures[] = {
    {"background only", 305, 7, kWhite, [](int, int, int) -> std::uint8_t { return 255; }},
    {"left-to-right gradient", 505, 9, kWhite, [](int x, int, int c) { return static_cast<std::uint8_t>(x * (c + 1)); }},
    {"noise", 97, 13, kWhite,
     [](int x, int y, int c) { return static_cast<std::uint8_t>((x * 7919 + y * 104729 + c * 31) % 251); }},
    {"one column", 1, 5, kWhite, [](int, int y, int c) { return static_cast<std::uint8_t>(y * 50 + c); }},
    {"a run one longer than the longest", 129, 3, kWhite,
     [](int x, int y, int) { return static_cast<std::uint8_t>(x == 128 ? y : 0); }},
    {"icon with transparent corners", 32, 32, kClear,
     [](int x, int y, int c) { return static_cast<std::uint8_t>((x < 4 && y < 4) ? 0 : (c == 3 ? 255 : x + y + c)); }},
};

} // namespace

TEST(PixelRuns, EveryPictureComesBackAsItWas)
{
    for (const Picture& p : kPictures) {
        const Bytes pixels = draw(p);
        const Bytes code = pack(p);
        EXPECT_EQ(unpack(code, p.width, p.height, p.background), pixels) << p.name;
        // At worst one byte more per pixel.
        EXPECT_LE(code.size(), pixels.size() / p.background.size() * (p.background.size() + 1)) << p.name;
    }
}

TEST(PixelRuns, RowsLikeTheOneAboveCostAByteAPer128Pixels)
{
    const Picture& gradient = kPictures[1];
    const Bytes first = pack({"", gradient.width, 1, kWhite, gradient.channel});
    EXPECT_EQ(pack(gradient).size(), first.size() + (gradient.height - 1) * 4u); // 505 pixels: four runs a row
    EXPECT_EQ(pack(kPictures[0]).size(), 7 * 3u); // the background is "above" the first row
}

TEST(PixelRuns, BrokenCodeStopsWithinTheRow)
{
    const Picture& noise = kPictures[2];
    const Bytes code = pack(noise);
    // Cut anywhere, the last row never comes out whole.
    for (std::size_t cut : {std::size_t{0}, std::size_t{1}, code.size() / 2, code.size() - 1}) {
        const Bytes truncated(code.begin(), code.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_TRUE(unpack(truncated, noise.width, noise.height, kWhite).empty()) << cut;
    }
    // A run that would pass the end of the row, 2 pixels into a row of 1,
    // writes nothing beyond it (the canary after it stays).
    Bytes row(3 + 1, 0xAA);
    const Bytes tooLong{0x01, 1, 2, 3};
    RowUnpacker unpacker(tooLong, 1, kWhite);
    EXPECT_FALSE(unpacker.next(std::span<std::uint8_t>(row.data(), 3)));
    EXPECT_EQ(row[3], 0xAA);
    // A row buffer shorter than the row is refused.
    RowUnpacker shortRow(tooLong, 2, kWhite);
    EXPECT_FALSE(shortRow.next(std::span<std::uint8_t>(row.data(), 3)));
}
