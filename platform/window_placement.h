// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace vermona::platform {

// Where windows go on the desktop. Rectangles are outer frames (title bar
// and border included) in the desktop's logical pixels.

// Moved, not resized, so that as much as possible of it lies inside avail,
// its top-left corner (the title bar) first.
QRect keptInside(QRect frame, const QRect &avail);

// A window of this size at offset from anchor's top-left corner, kept on
// the screen.
QRect fromCorner(const QRect &anchor, QPoint offset, QSize size, const QRect &avail);

// A window of this size beside anchor: to its right or left, top edges
// level, gap pixels apart, where it fits inside avail; otherwise where it
// covers as little of anchor as the screen allows. A window larger than
// avail is cut down to it.
QRect beside(const QRect &anchor, QSize size, const QRect &avail, int gap);

// The frame a window manager puts round a top-level window: taken from a
// window it has already framed, since one not yet shown has none.
QMargins frameMargins(const QWidget &framed);

// A window taller than maxHeight (frame excluded) gets content, one of
// the widgets of its layout, in a scroll area that fits; one that fits
// keeps content as it is.
void fitHeight(QWidget &window, QWidget &content, int maxHeight);

// Keeps window at offset from anchor's top-left corner while anchor moves,
// on anchor's screen; ends with either window.
void follow(QWidget &window, QWidget &anchor, QPoint offset);

} // namespace vermona::platform
