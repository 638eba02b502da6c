// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vermona::generators {

struct Colour {
    std::uint8_t red, green, blue;
};

// A picture in palette indices, as the game's bitmaps are kept.
struct IndexedBitmap {
    int width = 0;
    int height = 0;
    std::vector<Colour> palette;       // at most 256; the entries left over are written black
    std::vector<std::uint8_t> pixels;  // row by row from the top, width * height of them
    std::uint32_t dotsPerMetre = 3780; // 96 dots per inch
};

// Writes an uncompressed 8-bit BMP: a BITMAPINFOHEADER, 256 palette entries
// and bottom-up rows padded to four bytes. False if the bitmap is not
// consistent or the file cannot be written.
bool writeBmp(const IndexedBitmap &bitmap, const std::string &path);

} // namespace vermona::generators
