// SPDX-License-Identifier: GPL-3.0-or-later
// The game from the keyboard alone: Tab and Shift+Tab in reading order,
// Space and Enter press the focused control, Ctrl+S saves on the main menu.
#include "app/all_screens.h"
#include "tests/frontend/frontend_support.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace vermona::test {
namespace {

// The window in front, which has the keyboard: the visible screen shown last
// (the message window over the battle, the result over the table).
QWidget *activeWindow(const Windows &w) { return w.frontend.frontWindow(); }

// Presses and releases a key where the keyboard focus is, as a player does.
void press(const Windows &w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget *window = activeWindow(w);
    ASSERT_NE(window, nullptr);
    // The window of the screen in front has the keyboard, as on a desktop.
    QApplication::setActiveWindow(window);
    QWidget *target = window->focusWidget() != nullptr ? window->focusWidget() : window;
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    Windows::settle();
}

// Tabs forward until the control has the focus; the number of presses.
int tabTo(const Windows &w, const std::string &screen, const std::string &control, int index = -1) {
    QWidget *target = w.widget(screen, control, index);
    for (int presses = 0; presses < 40; ++presses) {
        if (activeWindow(w)->focusWidget() == target) {
            return presses;
        }
        press(w, Qt::Key_Tab);
    }
    ADD_FAILURE() << "Tab never reached " << screen << "." << control;
    return -1;
}

std::string focusedName(const Windows &w, const std::string &screen) {
    QWidget *focus = activeWindow(w)->focusWidget();
    for (const auto &c : w.game.find(screen)->controls()) {
        if (w.window(screen)->widgetFor(*c) == focus) {
            return c->name();
        }
    }
    return "";
}

TEST(Keyboard, TabFollowsReadingOrderBothWays) {
    Windows w;
    app::registerAllScreens(w.game);
    stateOf(w.game).fatigue = 0;
    w.game.start(ids::kTitle);
    w.game.show("Form4");
    w.game.close("Form1");
    Windows::settle();
    // The schedule's grid, row by row: the first row is 休む, マラソン, 土木作業, 警備, 町へ.
    EXPECT_EQ(focusedName(w, "Form4"), "Command1");
    std::vector<std::string> order;
    for (int i = 0; i < 5; ++i) {
        order.push_back(focusedName(w, "Form4"));
        press(w, Qt::Key_Tab);
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"Command1", "Command4", "Command7", "Command10", "Command13"}));
    EXPECT_EQ(focusedName(w, "Form4"), "Command2");
    press(w, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusedName(w, "Form4"), "Command13");
}

TEST(Keyboard, NewGameAndAWeekWithKeysAlone) {
    Windows w;
    app::registerAllScreens(w.game);
    w.game.start(ids::kTitle);
    tabTo(w, "Form1", "Command1");
    press(w, Qt::Key_Return); // 開始
    ASSERT_NE(w.window("Form2"), nullptr);
    tabTo(w, "Form2", "Command1");
    for (int i = 0; i < 10; ++i) {
        press(w, i % 2 == 0 ? Qt::Key_Space : Qt::Key_Enter); // 力
    }
    ASSERT_NE(w.window("Form10"), nullptr);
    tabTo(w, "Form10", "Command2");
    press(w, Qt::Key_Space); // 炎
    ASSERT_NE(w.window("Form3"), nullptr);
    EXPECT_EQ(stateOf(w.game).strength, 11);
    EXPECT_EQ(stateOf(w.game).element, 1);

    tabTo(w, "Form3", "Command1");
    press(w, Qt::Key_Space); // 行動
    ASSERT_NE(w.window("Form4"), nullptr);
    w.ports.fractions = {0.99};
    tabTo(w, "Form4", "Command3");
    press(w, Qt::Key_Return); // 筋トレ
    ASSERT_NE(w.window("Form3"), nullptr);
    EXPECT_EQ(stateOf(w.game).strength, 13);
    EXPECT_EQ(stateOf(w.game).week, 2);
    EXPECT_EQ(w.ports.boxes.back().prompt, "力が２ポイントアップ！");
}

// A one-entrant tournament from the entry screen to the main menu: the bet is
// named, the match fought and the message window moved on by keys alone.
TEST(Keyboard, ABattleToItsEndWithKeysAlone) {
    WorkDir dir;
    {
        Windows w;
        app::registerAllScreens(w.game);
        GameState &s = stateOf(w.game);
        for (Var *v : {&s.strength, &s.defense, &s.speed, &s.stamina, &s.intellect, &s.magicPower}) {
            *v = 5;
        }
        s.strength = 40; // a few blows are enough
        s.year = s.month = s.week = 1;
        s.money = 1000;
        s.daysToTournament = 0;
        s.entrants = 1;
        s.matchRound = 0;
        w.game.start(ids::kTitle);
        w.game.show("Form21");
        w.game.close("Form1");
        Windows::settle();
        tabTo(w, "Form21", "Label5");
        press(w, Qt::Key_Return); // name the bet: the item list opens
        ASSERT_NE(w.window("Form15"), nullptr);
        tabTo(w, "Form15", "Label8", 0);
        press(w, Qt::Key_Space); // the herb row
        ASSERT_NE(w.window("Form21"), nullptr);
        w.ports.fractions = {0.5}; // the entrant's type
        tabTo(w, "Form21", "Command2");
        press(w, Qt::Key_Return); // 大会へ
        ASSERT_NE(w.window("Form22"), nullptr);
        tabTo(w, "Form22", "Command1");
        press(w, Qt::Key_Return); // 試合
        ASSERT_NE(w.window("Form25"), nullptr);
        int blows = 0;
        while (w.game.find("Form25") != nullptr && blows < 20) {
            tabTo(w, "Form25", "Command1");
            press(w, Qt::Key_Return); // 攻撃
            ++blows;
            // The message window takes the keyboard; Enter and Space move it on.
            for (int key : {Qt::Key_Return, Qt::Key_Space}) {
                if (w.game.find("Form26") != nullptr) {
                    ASSERT_EQ(activeWindow(w), w.window("Form26"));
                    press(w, key);
                }
            }
        }
        ASSERT_NE(w.window("Form27"), nullptr);
        EXPECT_EQ(w.game.find("Form27")->find("Label1")->caption(), "勝利！");
        tabTo(w, "Form27", "Command1");
        press(w, Qt::Key_Space); // 次へ: the last round, back to the menu
        EXPECT_NE(w.window("Form3"), nullptr);
        EXPECT_EQ(stateOf(w.game).entrants, 0);
    }
}

TEST(Keyboard, ClickableLabelsTakeTheFocusAndShowIt) {
    Windows w;
    int clicks = 0;
    w.define("Form1", 0xFFFFFF, [&](TestScreen &s) {
        s.label("Label1", "ただの文字", 0, 0, 1500, 300);
        s.label("Label2", "押せる", 0, 600, 1500, 300).onClick([&] { ++clicks; });
    });
    w.game.start(ids::kTitle);
    Windows::settle();
    EXPECT_EQ(w.widget("Form1", "Label1")->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(focusedName(w, "Form1"), "Label2");
    QApplication::setActiveWindow(w.window("Form1"));
    const QImage before = w.client("Form1");
    press(w, Qt::Key_Space);
    press(w, Qt::Key_Return);
    EXPECT_EQ(clicks, 2);
    // The focus mark is drawn inside the label, in its text colour.
    w.widget("Form1", "Label2")->clearFocus();
    const QImage after = w.client("Form1");
    EXPECT_NE(before, after);
    EXPECT_EQ(before.size(), after.size());
}

TEST(Keyboard, CtrlSSavesOnTheMainMenu) {
    WorkDir dir;
    {
        Windows w;
        app::registerAllScreens(w.game);
        stateOf(w.game).fatigue = 0;
        w.game.start(ids::kTitle);
        w.game.show("Form3");
        w.game.close("Form1");
        Windows::settle();
        press(w, Qt::Key_S, Qt::ControlModifier);
        ASSERT_FALSE(w.ports.boxes.empty());
        EXPECT_EQ(w.ports.boxes.back().prompt, "セーブを完了しました");
        EXPECT_TRUE(std::filesystem::exists(dir.path() / "savedate.sav"));
    }
}

} // namespace
} // namespace vermona::test
