// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/bmp_writer.h"

#include <QImage>
#include <QStringList>
#include <string>
#include <vector>

namespace vermona::generators {

// One of the shop signs, drawn in one language: the file it is kept in, the
// picture, and the words written on it.
struct SignPicture {
    std::string file;
    QImage image;
    QStringList words;
};

// The shop signs in a language: "" for the game's own Japanese, "en" for
// English. Each language's signs are the same files, sizes and palette; the
// words, and where they stand, are the language's. The words keep clear of
// the places where the shop fronts lay their labels over the signs, so that
// those read on a calm ground. Drawn without antialiasing, in the colours of
// the palette.
std::vector<SignPicture> signPictures(const std::string &language);

// A picture in the signs' palette: each pixel the palette's nearest colour.
IndexedBitmap indexed(const QImage &image);

} // namespace vermona::generators
