// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/clock_random.h"
#include "runtime/game.h"

#include <deque>
#include <iosfwd>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace vermona::script {

// Real windows for a script run with --windows: clicks go through the
// widgets, waits run the event loop, shots grab what was drawn.
class ScriptWindows {
public:
    virtual ~ScriptWindows() = default;
    virtual void click(Control &control) = 0;
    virtual void choose(Screen &screen, MenuEntry &entry) = 0;
    // Runs the event loop for ms milliseconds; timers do not tick by
    // themselves meanwhile.
    virtual void wait(int ms) = 0;
    // One tick of a timer, as its window would deliver it.
    virtual void tick(Control &timer) = 0;
    // Returns an error text, empty on success.
    virtual std::string shot(Screen &screen, const std::string &file) = 0;
    // The same for an open window beside the screens (Game::openView).
    virtual std::string shotView(const std::string &view, const std::string &file) = 0;
};

// Runs the game headless from a script of clicks, queued answers and queued
// random fractions, printing every message box.
class ScriptHost : public Ports, private ScreenObserver {
public:
    explicit ScriptHost(std::ostream &out);
    ~ScriptHost() override;
    ScriptHost(const ScriptHost &) = delete;
    ScriptHost &operator=(const ScriptHost &) = delete;

    Game &game() { return game_; }
    void setWindows(ScriptWindows *windows) { windows_ = windows; }

    // Starts the game (Form1 shown) and runs the script; returns the exit
    // status: 0, or 1 after an error.
    int run(std::istream &script);

    // Ports
    int messageBox(const Text &prompt, int style, const Text &title) override;
    void reseedFromClock() override {}
    double nextFraction() override;
    // A mistyped id fails the script.
    void unknownScreen(std::string_view id) override;

private:
    struct Failure {
        std::string reason;
    };

    // One line of a script, split into words; the text keeps what follows
    // a command's first words as written.
    struct Line {
        std::string text;
        std::vector<std::string> words;
        // Exactly n words, the command's own included.
        void need(std::size_t n) const;
        // The text after word i, as written.
        [[nodiscard]] std::string restAfter(std::size_t i) const;
    };
    void runLine(const std::string &text);
    // A text as the script's player sees it, in the game's language.
    [[nodiscard]] std::string shown(const Text &text) const { return text.in(game_.translation()); }

    // The commands, one each.
    void click(const Line &line);
    void menu(const Line &line);
    void answer(const Line &line);
    void random(const Line &line);
    void seed(const Line &line);
    void variable(const Line &line); // get and set
    void caption(const Line &line);  // prints a caption, or sets one
    void property(const Line &line); // tip, visible, enabled
    void lineEnd(const Line &line);
    void show(const Line &line);
    void listScreens(const Line &line);
    void waitCommand(const Line &line);
    void record(const Line &line);
    void shot(const Line &line);
    void listSlots(const Line &line);
    void slotButton(const Line &line); // saveslot, loadslot, deleteslot
    // The screen named in a command; it must exist (and be visible to be
    // clicked).
    Screen &existing(const std::string &form, bool mustBeVisible);
    Control &target(const std::string &ref, bool forClick);
    // Advances the script's clock, ticking the timers that fall due.
    void wait(int ms);

    void screenCreated(Screen &screen) override;
    void screenClosed(Screen &screen) override;

    std::ostream &out_;
    Game game_;
    ScriptWindows *windows_ = nullptr;
    std::deque<int> answers_;
    std::deque<double> fractions_;
    std::mt19937_64 engine_{1};
    std::map<Control *, int> timerElapsed_; // timers of existing screens, ms since start
};

} // namespace vermona::script
