// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/bmp_writer.h"

#include <cstddef>
#include <fstream>

namespace vermona::generators {

namespace {

constexpr std::uint32_t kPaletteSize = 256;

void put16(std::vector<std::uint8_t> &out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFFU));
    out.push_back(static_cast<std::uint8_t>((v >> 8U) & 0xFFU));
}

void put32(std::vector<std::uint8_t> &out, std::uint32_t v) {
    put16(out, v & 0xFFFFU);
    put16(out, v >> 16U);
}

// By hand rather than QImage::save: Qt fills in the count of important
// colours, which the committed bitmaps leave at 0.
std::vector<std::uint8_t> encode(const IndexedBitmap &bitmap) {
    const auto width = static_cast<std::uint32_t>(bitmap.width);
    const auto height = static_cast<std::uint32_t>(bitmap.height);
    const std::uint32_t stride = (width + 3U) & ~3U;
    const std::uint32_t offset = 14 + 40 + kPaletteSize * 4;
    const std::uint32_t imageBytes = stride * height;
    std::vector<std::uint8_t> out;
    out.reserve(offset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageBytes);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40); // BITMAPINFOHEADER
    put32(out, width);
    put32(out, height); // positive: rows from the bottom up
    put16(out, 1);
    put16(out, 8);
    put32(out, 0); // no compression
    put32(out, imageBytes);
    put32(out, bitmap.dotsPerMetre);
    put32(out, bitmap.dotsPerMetre);
    put32(out, kPaletteSize);
    put32(out, 0);
    for (std::size_t i = 0; i < kPaletteSize; ++i) {
        const Colour c = i < bitmap.palette.size() ? bitmap.palette[i] : Colour{0, 0, 0};
        out.push_back(c.blue);
        out.push_back(c.green);
        out.push_back(c.red);
        out.push_back(0);
    }
    for (std::uint32_t y = height; y-- > 0;) {
        const auto row = bitmap.pixels.begin() + static_cast<std::ptrdiff_t>(y) * width;
        out.insert(out.end(), row, row + width);
        out.insert(out.end(), stride - width, 0);
    }
    return out;
}

} // namespace

bool writeBmp(const IndexedBitmap &bitmap, const std::string &path) {
    if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.palette.size() > kPaletteSize ||
        bitmap.pixels.size() !=
            static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height)) {
        return false;
    }
    const std::vector<std::uint8_t> data = encode(bitmap);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(data.data()), static_cast<std::streamsize>(data.size()));
    out.close();
    return !out.fail();
}

} // namespace vermona::generators
