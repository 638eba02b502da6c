// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QRect>

class QImage;
class QPainter;
class QWidget;

namespace vermona::platform {

// The game's pictures are pixel art: at whatever scale the desktop draws
// (1.5x, 2x), each of their pixels becomes whole device pixels of its own
// colour, never a blend of neighbours. Text is left to the fonts.

// A picture at its natural size (one pixel of it per logical pixel).
void drawPixelArt(QPainter &p, QPoint at, const QPixmap &picture);
// A picture scaled into target, as a video frame is.
void drawPixelArt(QPainter &p, const QRectF &target, const QImage &picture);
// A widget that shows a picture at its natural size, letting clicks through
// to what lies under it.
QWidget *makePixelArtView(QWidget *parent, const QPixmap &picture);

} // namespace vermona::platform
