// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the battle screen's arena: 413 x 277 pixels, 8 bits per pixel with a
// palette. Run from the source tree to renew the committed file:
//   build/generators/vermona-arena-bitmap assets/arena.bmp
#include "generators/bmp_writer.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr int kWidth = 413;
constexpr int kHeight = 277;

using vermona::generators::IndexedBitmap;

// Few colours: a sky, the stands with their crowd, the wall and the sand.
enum Colour : std::uint8_t {
    Sky,
    SkyLow,
    Stand,
    StandShade,
    Crowd1,
    Crowd2,
    Crowd3,
    Wall,
    WallTop,
    Sand,
    SandDark,
    Banner
};
constexpr std::array<vermona::generators::Colour, 12> kPalette{{
    {0x60, 0x90, 0xE0},
    {0xA0, 0xC8, 0xF0},
    {0x80, 0x60, 0x40},
    {0x60, 0x48, 0x30},
    {0xE0, 0x40, 0x40},
    {0xF0, 0xD0, 0x60},
    {0x40, 0x80, 0xE0},
    {0xA0, 0x90, 0x80},
    {0xC8, 0xB8, 0xA0},
    {0xE8, 0xD0, 0x98},
    {0xD0, 0xB0, 0x78},
    {0xC0, 0x20, 0x20},
}};

std::uint8_t pixel(int x, int y) {
    const int horizon = 70;  // sky above
    const int wallTop = 150; // stands between
    const int sandTop = 175; // wall between, sand below
    if (y < horizon) {
        // Banners on their poles every 60 pixels.
        if (x % 60 >= 28 && x % 60 < 32 && y > 20) {
            return StandShade;
        }
        if (x % 60 >= 32 && x % 60 < 48 && y > 20 && y < 36) {
            return Banner;
        }
        return y < horizon / 2 ? Sky : SkyLow;
    }
    if (y < wallTop) {
        // Tiers of seats, each with a row of spectators.
        const int tier = (y - horizon) % 16;
        if (tier < 3) {
            return StandShade;
        }
        if (tier < 9 && (x + (y - horizon) / 16 * 3) % 7 < 4) {
            static constexpr std::array<std::uint8_t, 3> kCrowd{Crowd1, Crowd2, Crowd3};
            return kCrowd[static_cast<std::size_t>((x / 7 + y / 16) % 3)];
        }
        return Stand;
    }
    if (y < sandTop) {
        if (y < wallTop + 4) {
            return WallTop;
        }
        // Stone blocks, the rows offset by half a block.
        const int row = (y - wallTop - 4) / 7;
        const int bx = (x + (row % 2) * 12) % 24;
        return (bx == 0 || (y - wallTop - 4) % 7 == 0) ? StandShade : Wall;
    }
    // Sand with a darker ring around the middle of the arena.
    const double dx = (x - kWidth / 2.0) / (kWidth / 2.0);
    const double dy = (y - (sandTop + kHeight) / 2.0) / ((kHeight - sandTop) / 2.0);
    const double d = std::sqrt(dx * dx + dy * dy);
    return (d > 0.55 && d < 0.6) || (x * 7 + y * 13) % 29 == 0 ? SandDark : Sand;
}

IndexedBitmap bitmap() {
    IndexedBitmap image;
    image.width = kWidth;
    image.height = kHeight;
    image.palette.assign(kPalette.begin(), kPalette.end());
    image.dotsPerMetre = 2835; // 72 dpi
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            image.pixels.push_back(pixel(x, y));
        }
    }
    return image;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.bmp\n", argv[0]);
        return 2;
    }
    if (!vermona::generators::writeBmp(bitmap(), argv[1])) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
