// Draws the battle screen's arena: 413 x 277 pixels, 8 bits per pixel with a
// palette. Run from the source tree to renew the committed file:
//   build/tools/vermona-arena-bitmap assets/arena.bmp
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 413;
constexpr int kHeight = 277;

struct Rgb {
    std::uint8_t r, g, b;
};

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
constexpr std::array<Rgb, 12> kPalette{{
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

void put16(std::vector<std::uint8_t> &out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFFU));
    out.push_back(static_cast<std::uint8_t>((v >> 8U) & 0xFFU));
}

void put32(std::vector<std::uint8_t> &out, std::uint32_t v) {
    put16(out, v & 0xFFFFU);
    put16(out, v >> 16U);
}

std::vector<std::uint8_t> bitmap() {
    const std::uint32_t stride = (kWidth + 3) / 4 * 4; // rows padded to four bytes
    const std::uint32_t paletteBytes = 256 * 4;
    const std::uint32_t offset = 14 + 40 + paletteBytes;
    const std::uint32_t imageBytes = stride * kHeight;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageBytes);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40); // BITMAPINFOHEADER
    put32(out, kWidth);
    put32(out, kHeight); // positive: rows from the bottom up
    put16(out, 1);
    put16(out, 8);
    put32(out, 0); // no compression
    put32(out, imageBytes);
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, 256);
    put32(out, 0);
    for (std::size_t i = 0; i < 256; ++i) {
        const Rgb c = i < kPalette.size() ? kPalette[i] : Rgb{0, 0, 0};
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (int y = kHeight - 1; y >= 0; --y) {
        for (int x = 0; x < kWidth; ++x) {
            out.push_back(pixel(x, y));
        }
        for (std::uint32_t pad = kWidth; pad < stride; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.bmp\n", argv[0]);
        return 2;
    }
    const std::vector<std::uint8_t> data = bitmap();
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char *>(data.data()), static_cast<std::streamsize>(data.size()));
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
