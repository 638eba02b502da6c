// SPDX-License-Identifier: GPL-3.0-or-later
// What a player sees of a tournament: the table's rows and columns, the
// gauges filling over the video area, the message window without a frame,
// and the commands that wait for it.
#include "app/all_screens.h"
#include "tests/frontend/frontend_support.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace vermona::test {
namespace {

constexpr const char *kFace = "#F0F0F0";
constexpr const char *kHeader = "#C0E0FF";
constexpr const char *kRed = "#FF0000";
constexpr const char *kGreen = "#00FF00";

// A point of row r's (the header row's, r = 0) cell in column c (the row
// headers', c = 0) below its text.
QPoint belowText(int r, int c) {
    const int top = r == 0 ? 1200 : 1560 + 360 * (r - 1);
    const int left = c == 0 ? 360 : 1440 + 600 * (c - 1);
    return {platform::px(left) + 4, platform::px(top) + 22};
}

TEST(TournamentWindows, TheTableShowsTheRowsAndColumnsOfThePlayersTakingPart) {
    for (int n : {1, 2, 7}) {
        SCOPED_TRACE(std::to_string(n) + " entrants");
        Windows w;
        enterTable(w, n, 3);
        const QImage table = w.client("Form22");
        for (int player = 0; player <= 7; ++player) {
            const bool shown = player <= n;
            // Column header, and the row header beside the row.
            const QPoint column = belowText(0, player + 1);
            const QPoint row = belowText(player + 1, 0);
            EXPECT_EQ(rgbAt(table, column.x(), column.y()), shown ? kHeader : kFace)
                << "column " << player + 1;
            EXPECT_EQ(rgbAt(table, row.x(), row.y()), shown ? kHeader : kFace) << "row " << player + 1;
            if (player >= 1) {
                const std::string name = "Label" + std::to_string(player + 4);
                EXPECT_EQ(w.widget("Form22", name, 0)->isVisible(), shown);
                EXPECT_EQ(w.widget("Form22", name, 2 * player + 2)->isVisible(), shown);
            }
        }
    }
}

TEST(TournamentWindows, GaugesFillOverTheVideoAreaAndTheHerosBar) {
    Windows w;
    enterTable(w, 1, 3); // hero 5 / 5 against 4 / 4 / 4: 42 a blow, 18 a reply
    w.click("Form22", "Command1");
    ASSERT_NE(w.window("Form25"), nullptr);
    QImage battle = w.client("Form25");
    const int enemyY = platform::px(1800);
    const int heroY = platform::px(3720);
    // The enemy's bar over the movie area (its first frame is checked with
    // the movie's own tests).
    EXPECT_EQ(rgbAt(battle, platform::px(3200), enemyY), kGreen);
    EXPECT_EQ(rgbAt(battle, platform::px(2500), heroY), kGreen);

    for (int i = 0; i < 10; ++i) {
        w.click("Form25", "Command1");
        w.click("Form26", "Label1");
        w.click("Form26", "Label1");
    }
    battle = w.client("Form25");
    // The enemy's red line ends at 3135 + 10 x 42 = 3555 twips (237 px).
    EXPECT_EQ(rgbAt(battle, platform::px(3200), enemyY), kRed);
    EXPECT_EQ(rgbAt(battle, platform::px(3520), enemyY), kRed);
    EXPECT_EQ(rgbAt(battle, platform::px(3600), enemyY), kGreen);
    EXPECT_EQ(rgbAt(battle, platform::px(3200), enemyY + 2), kRed) << "a thick line";
    // The hero's: 2415 + 10 x 3.6, rounded at each step, ends near 2455.
    EXPECT_EQ(rgbAt(battle, platform::px(2430), heroY), kRed);
    EXPECT_EQ(rgbAt(battle, platform::px(2520), heroY), kGreen);
}

TEST(TournamentWindows, TheMessageWindowHasNoFrameAndTheCommandsWaitForIt) {
    Windows w;
    enterTable(w, 1, 3);
    w.click("Form22", "Command1");
    w.click("Form25", "Command1");
    platform::ScreenWindow *message = w.window("Form26");
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->windowFlags().testFlag(Qt::FramelessWindowHint));
    // 3225, 5910 twips from the battle window's corner.
    EXPECT_EQ(message->pos(), w.window("Form25")->frameGeometry().topLeft() + QPoint(215, 394));
    EXPECT_EQ(message->clientArea()->size(), QSize(350, 88));

    auto *attack = qobject_cast<QPushButton *>(w.widget("Form25", "Command1"));
    ASSERT_NE(attack, nullptr);
    EXPECT_FALSE(attack->isEnabled());
    EXPECT_FALSE(w.widget("Form25", "Command4")->isEnabled());
    attack->click(); // a disabled button takes no click
    EXPECT_EQ(w.game.find("Form25")->find("Line5")->x2(), 3177.0F);
    w.click("Form26", "Label1");
    w.click("Form26", "Label1");
    EXPECT_EQ(w.window("Form26"), nullptr);
    EXPECT_TRUE(attack->isEnabled());
}

} // namespace
} // namespace vermona::test
