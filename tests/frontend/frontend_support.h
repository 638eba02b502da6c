// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_screen.h"
#include "platform/frontend.h"
#include "platform/screen_window.h"
#include "tests/test_support.h"

#include <QColor>
#include <QImage>
#include <functional>
#include <memory>
#include <string>

namespace vermona::test {

// A screen assembled by a test: the design-time builders made public.
class TestScreen : public Screen {
public:
    TestScreen(Game &game, std::string id, std::string caption, int clientWidth, int clientHeight,
               Rgb background)
        : Screen(game, std::move(id), std::move(caption), clientWidth, clientHeight, background) {}

    using Screen::button;
    using Screen::label;
    using Screen::line;
    using Screen::menuEntry;
    using Screen::movie;
    using Screen::picture;
    using Screen::placeFrom;
    using Screen::setBorderless;
    using Screen::setPicture;
    using Screen::timer;

    std::function<void()> onLoad;
    void Form_Load() override {
        if (onLoad) {
            onLoad();
        }
    }
};

// A game drawn by the real front end, answered from queues.
struct Windows {
    Windows();
    ~Windows();
    Windows(const Windows &) = delete;
    Windows &operator=(const Windows &) = delete;

    // Registers a test screen; build() adds its controls.
    void define(const std::string &id, Rgb background, const std::function<void(TestScreen &)> &build,
                int clientWidth = 6000, int clientHeight = 4500, const std::string &caption = "テスト");

    [[nodiscard]] platform::ScreenWindow *window(const std::string &id) const;
    [[nodiscard]] QWidget *widget(const std::string &screen, const std::string &control,
                                  int index = -1) const;
    // The client area as drawn.
    [[nodiscard]] QImage client(const std::string &id) const;

    // Presses and releases the left button inside a widget, as the mouse does.
    static void mouseClick(QWidget *widget);
    // Clicks a control through its real widget (button or label).
    void click(const std::string &screen, const std::string &control, int index = -1) const;
    // Delivers posted events, deferred deletions included.
    static void settle();

    QueuePorts ports;
    Game game{ports};
    platform::Frontend frontend{game};
    int ended = 0;
    int errors = 0;
};

// The real game up to the main menu, through the real widgets: ten points
// on 力, element 水.
void newGame(Windows &w);

// Every screen registered, a hero of 5 in every ability, and through the
// entry screen into a table of entrants of the given type.
void enterTable(Windows &w, int entrants, int type);

// Colour of a pixel as #RRGGBB.
std::string rgbAt(const QImage &image, int x, int y);

} // namespace vermona::test
