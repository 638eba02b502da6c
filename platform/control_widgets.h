// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/screen.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

class QAccessibleEvent;

namespace vermona::platform {

// A widget that draws its own focus frame: drawn again as the keyboard
// comes and goes.
class FocusFramed : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void focusInEvent(QFocusEvent *event) override {
        QWidget::focusInEvent(event);
        update();
    }
    void focusOutEvent(QFocusEvent *event) override {
        QWidget::focusOutEvent(event);
        update();
    }
};

// Twips to logical pixels: 15 twips make one pixel.
int px(int twips);
QString qs(const std::string &text);

// The widgets that draw a screen's controls from their design, with their
// captions as shown (in the player's language). Clickable ones call
// onClick; it may close the control's screen, so nothing of the widget's
// runs after it.

// The client area: the window's colour and its bitmap at natural size;
// painted is called after each paint.
QWidget *makeClientArea(QWidget *parent, const Screen &screen, std::function<void()> painted);
// A label: text in its box, wrapped unless sized to its text, narrowed to
// fit; clickable, and pressed from the keyboard when it has a handler. To a
// screen reader it is a button then (pressed as a click presses it), static
// text otherwise, named by its text and described by its tip.
QWidget *makeLabel(QWidget *parent, const Control &c, const QString &caption, std::function<void()> onClick);
// A push button in the design's colours, with its picture centred.
QWidget *makeButton(QWidget *parent, const Control &c, const QString &caption, std::function<void()> onClick);
// A picture box: its bitmap at natural size from the top-left, clipped.
QWidget *makePicture(QWidget *parent, const Control &c);
// A movie player, or a black area when there is nothing to play.
QWidget *makeMovieArea(QWidget *parent, const Control &c);
// The screen's lines on one layer over the whole client area: those on the
// form (drawn above the labels), or those drawn over everything.
QWidget *makeLineLayer(QWidget *parent, const Screen &screen, bool onTop);
// The screen is gone: the layer must not look at its lines again.
void forgetLines(QWidget *layer);
// A label's or button's caption changed (or the language it is shown in).
void setControlText(QWidget *widget, const Control &c, const QString &caption);
// The language changed: a control's box, type and picture, and the client
// area's picture, as the new language shows them.
void restyle(QWidget *widget, const Control &c);
void restyleClientArea(QWidget *client, const Screen &screen);

// The text a label or button draws (a reader may be told more).
QString drawnText(const QWidget *widget);

// Qt tells screen readers nothing while none listens, which is always so on
// the offscreen platform. The observer set here hears what a label tells
// them all the same: NameChanged, each time its text changes. Empty: none.
void setAccessibilityObserver(std::function<void(const QAccessibleEvent &)> observer);
// Tells the observer of an event Qt has been (or need not be) told of.
void tellObserver(const QAccessibleEvent &event);

} // namespace vermona::platform
