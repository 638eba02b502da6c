// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>

class QMouseEvent;

namespace vermona::platform {

// Keeps a click off a window that opened after the click began: the second
// click of a double-click whose first opened a window under the pointer,
// or a press held while a new window took the place of the one it began
// on. Such a press, and the rest of its click, reach nothing. Only the
// mouse of the window system is watched: the keyboard, a screen reader's
// press and events a program sends itself pass, and so does a click at a
// normal pace, slower than a double-click. Popup menus are left alone,
// since they open under the pointer on purpose. Stopped where the window
// system hands the event to a window, it does not even move the focus.
class ClickGuard : public QObject {
public:
    // Watches every window of the application.
    explicit ClickGuard(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void opened(QWindow &window) const;
    bool swallowed(QWindow &window, const QMouseEvent &event);

    unsigned long long presses_ = 0; // mouse presses seen, on any window
    quint64 lastPress_ = 0;          // the window system's time of the last one
    QPointer<QWindow> blocked_;      // where the rest of a stopped click goes
};

} // namespace vermona::platform
