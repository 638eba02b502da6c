// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control_widgets.h"
#include "runtime/screen.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <unordered_map>

class QAction;
class QMenuBar;
class QTimer;

namespace vermona::platform {

class Frontend;

// The one window class: draws any Screen from its design-time properties and
// passes clicks on to the game. It knows nothing of the game's rules.
class ScreenWindow : public QWidget {
    Q_OBJECT

public:
    ScreenWindow(Frontend &frontend, Screen &screen);
    ~ScreenWindow() override;

    // Null once the screen has been closed.
    [[nodiscard]] Screen *gameScreen() const { return screen_; }
    [[nodiscard]] QWidget *clientArea() const { return client_; }
    [[nodiscard]] QMenuBar *menuBar() const { return menuBar_; } // null without a menu
    [[nodiscard]] QWidget *widgetFor(const Control &control) const;
    [[nodiscard]] QAction *actionFor(const MenuEntry &entry) const;
    [[nodiscard]] QTimer *timerFor(const Control &control) const;

    void updateControl(Control &control);
    // What a screen reader is told of the window's announcing labels now, in
    // their order; without the one the keyboard starts on when asked.
    [[nodiscard]] QStringList announcements(bool leaveFocusTarget) const;
    // Reads a text out to a screen reader.
    void notify(const QString &text);
    // The name, and what tells the window apart, for a screen reader.
    void updateReaderTexts();
    // The game's language changed: every text again.
    void retranslate();
    // The screen is closed: forget it, stop everything and go away once
    // control returns to the event loop (a handler of ours may still be on
    // the stack).
    void detach();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void build();
    // A text of the game's as the player reads it.
    [[nodiscard]] QString shown(const Text &text) const;
    void nameByTip(QWidget *widget, const Control &c) const;
    // A control's name to a screen reader: its caption, read with its own
    // caption label or as its whole row where the design says so.
    [[nodiscard]] QString readerName(const Control &c) const;
    void updateLabel(const Control &c, QWidget *widget);
    void updateGauge(const Control &bar);
    [[nodiscard]] QWidget *firstActionable() const;
    void setReadingTabOrder();
    void addMenuEntry(QWidget *parent, const MenuEntry &entry);
    QWidget *makeControl(Control &control);
    void clicked(Control &control);
    void chosen(MenuEntry &entry);

    Frontend &frontend_;
    Screen *screen_;
    QMenuBar *menuBar_ = nullptr;
    QWidget *client_ = nullptr;
    QWidget *lines_ = nullptr;
    QWidget *topLines_ = nullptr;
    std::unordered_map<const Control *, QWidget *> widgets_;
    std::unordered_map<const Control *, QTimer *> timers_;
    std::unordered_map<const Control *, QWidget *> gauges_;
    QWidget *notice_ = nullptr;
    QWidget *tableReader_ = nullptr;
    QPointer<QWidget> refocus_;
    std::vector<QPointer<QWidget>> tabOrder_; // reading order
    std::unordered_map<const MenuEntry *, QAction *> actions_;
};

} // namespace vermona::platform
