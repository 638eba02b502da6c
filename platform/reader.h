// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/screen.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

namespace vermona::platform {

class Frontend;
class ScreenWindow;

// What a screen reader finds beside the drawn controls. Nothing here is
// painted, except a focus frame while the keyboard is on it.

// A gauge's bar as a meter (a progress bar to a reader): its name, what is
// left and of how much. A Tab stop, so a player can read it at any moment.
QWidget *makeGauge(QWidget *parent, const Control &bar, const QString &name);
void setGauge(QWidget *gauge, const QString &name, Var::Int value, Var::Int maximum);
// The screen's reader table (a cross table of labels) as a real table: a
// Tab stop whose cells the arrow keys walk, each read with its row's and
// column's player. Drawn are only the labels beneath it, and a focus frame.
QWidget *makeReaderTable(QWidget *parent, const ReaderTable &table);
// Its players and marks as the labels now show them; shown: a text as the
// player reads it.
void updateReaderTable(QWidget *reader, const ReaderTable &table,
                       const std::function<QString(const Text &)> &shown);
// Reads a text out through the window's notice, made when first needed.
void showNotice(QWidget *&notice, QWidget *window, const QString &text);
// True for a control that is only read, never pressed: the keyboard does not
// start on it when a window opens.
bool onlyRead(const QWidget *widget);

// Tells a screen reader what changes while the player watches: a battle's
// messages, a match's result, hit points, a value raised on the set-up.
// Readers of the Qt 6.4 bridge speak no changed text of a label, but they do
// read a notification the moment it shows; so what one turn of the event
// loop changed is gathered and read out as one notification.
class Announcer : public QObject {
public:
    explicit Announcer(Frontend &frontend) : frontend_(frontend) {}

    // A window has opened: its announcing labels are read as they stand at
    // the end of the turn. The one the keyboard starts on is left to the
    // focus to read, unless another window opened after it.
    void windowShown(ScreenWindow &window);
    // A label that announces, or a meter, reads anew on a window already open.
    void changed(ScreenWindow &window, const QString &text);
    // Reads out what is gathered; the front end calls it when a player's
    // action has run, so it is read before a new window takes the focus.
    void flush();

private:
    void schedule();
    [[nodiscard]] bool opening(const ScreenWindow &window) const;

    struct Entry {
        QPointer<ScreenWindow> window;
        QString text; // empty: the window's announcing labels, when it opened
    };
    Frontend &frontend_;
    std::vector<Entry> pending_;
    int waits_ = 0; // for the window that opened last to take the focus
};

} // namespace vermona::platform
