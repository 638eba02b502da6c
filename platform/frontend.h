// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/reader.h"
#include "runtime/game.h"

#include <QPointer>
#include <QWidget>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vermona::platform {

class ClickGuard;
class ScreenWindow;

// A window beside the screens that the game asks for by name
// (Game::openView), such as a chart of its data. The program registers the
// kinds it has; the front end opens, refreshes and hides them.
class ViewWindow : public QWidget {
public:
    using QWidget::QWidget;
    // The data it shows may have changed (Game::notifyDataChanged).
    virtual void refresh() {}
};

// Draws the game's screens: one ScreenWindow per existing screen, kept in
// step with the screen runtime. Every click, menu choice and timer tick of a
// window goes through here into the game.
class Frontend : public ScreenObserver {
public:
    explicit Frontend(Game &game);
    ~Frontend() override;
    Frontend(const Frontend &) = delete;
    Frontend &operator=(const Frontend &) = delete;

    [[nodiscard]] Game &game() const { return game_; }

    // A kind of side window, made on its first request.
    using ViewFactory = std::function<ViewWindow *(Game &)>;
    void registerView(std::string name, ViewFactory factory);
    // Asked when the player closes a window: true when the program may end
    // now. May ask the player through the game's message box. Without one,
    // closing a window ends the program.
    void setCloseRule(std::function<bool()> rule) { closeRule_ = std::move(rule); }
    [[nodiscard]] ScreenWindow *windowFor(const Screen &screen) const;
    [[nodiscard]] std::vector<ScreenWindow *> windows() const;
    // An open window beside the screens (Game::openView), or null.
    [[nodiscard]] QWidget *viewWindow(const std::string &view) const;
    // The window a message box belongs on: the active game window or window
    // beside the screens, else the game window shown or activated last;
    // null when none is visible.
    [[nodiscard]] QWidget *dialogParent() const;
    // The visible game window shown or activated last: the one in front.
    [[nodiscard]] ScreenWindow *frontWindow() const { return lastActive(nullptr); }

    // Called when the program ends (Game::end or the player closing a
    // window). Default: quit the application's event loop.
    void setProgramEndedHandler(std::function<void()> handler) { onEnded_ = std::move(handler); }
    // Called after a handler failed with an exception; the exception is kept
    // until rethrowPendingError. Default: nothing.
    void setErrorHandler(std::function<void()> handler) { onError_ = std::move(handler); }
    void rethrowPendingError();
    [[nodiscard]] bool hasPendingError() const { return pending_ != nullptr; }
    // Called each time a window has painted its client area.
    void setPaintHook(std::function<void(Screen &)> hook) { onPaint_ = std::move(hook); }
    // Timers tick only when someone calls click on them (a script's own
    // clock), never by themselves.
    void setTimersByHand(bool byHand) { timersByHand_ = byHand; }
    [[nodiscard]] bool timersByHand() const { return timersByHand_; }

    // Whether windows are raised and take the focus here; not on the
    // offscreen platforms, which have neither.
    [[nodiscard]] static bool windowsActivate();
    // What the windows read out to a screen reader as it changes.
    [[nodiscard]] Announcer &announcer() { return announcer_; }

    // From the windows.
    void click(Control &control);
    void choose(MenuEntry &entry);
    // A handler of the game from a window beside the screens, run as a
    // click is.
    void run(const std::function<void()> &handler);
    void closeRequested();
    void windowActivated(ScreenWindow &window);
    void windowPainted(Screen &screen);

    // ScreenObserver
    void screenCreated(Screen &screen) override;
    void screenVisibilityChanged(Screen &screen) override;
    void screenClosed(Screen &screen) override;
    void controlChanged(Control &control) override;
    void programEnded() override;
    void viewRequested(const std::string &view) override;
    void dataChanged() override;
    void languageChanged() override;

private:
    void route(const std::function<void()> &handler);
    void place(ScreenWindow &window) const;
    void placeBeside(ViewWindow &window, bool first) const;
    [[nodiscard]] ScreenWindow *lastActive(const ScreenWindow *except) const;

    Game &game_;
    Announcer announcer_{*this};
    std::unique_ptr<ClickGuard> clickGuard_;
    std::map<const Screen *, QPointer<ScreenWindow>> windows_;
    std::vector<QPointer<ScreenWindow>> recent_;  // most recently active first
    std::vector<QPointer<ScreenWindow>> closing_; // closed, waiting for deletion
    std::map<std::string, ViewFactory, std::less<>> viewFactories_;
    std::map<std::string, QPointer<ViewWindow>, std::less<>> views_;
    std::function<bool()> closeRule_;
    std::function<void()> onEnded_;
    std::function<void()> onError_;
    std::function<void(Screen &)> onPaint_;
    std::exception_ptr pending_;
    int depth_ = 0; // handlers of ours running, nested through message boxes
    bool timersByHand_ = false;
};

} // namespace vermona::platform
