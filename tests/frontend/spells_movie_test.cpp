// SPDX-License-Identifier: GPL-3.0-or-later
// What a player sees of the spell list and the attack video: the rows in
// their places, frames that really arrive, the battle's player holding its
// first frame under the enemy's gauge, and a black area for a file that is
// missing or cannot be played.
#include "app/all_screens.h"
#include "tests/frontend/frontend_support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaPlayer>
#include <QPointer>
#include <QTemporaryDir>
#include <QVideoFrame>
#include <QVideoSink>
#include <functional>
#include <gtest/gtest.h>

namespace vermona::test {
namespace {

constexpr const char *kBlack = "#000000";
constexpr const char *kGreen = "#00FF00";

// Runs the event loop until done() holds or ms have passed; returns done().
bool runUntil(const std::function<bool()> &done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

// Frames a movie control's player hands to its sink.
struct FrameCount {
    explicit FrameCount(QWidget *view) {
        sink = view != nullptr ? view->findChild<QVideoSink *>() : nullptr;
        player = view != nullptr ? view->findChild<QMediaPlayer *>() : nullptr;
        if (sink != nullptr) {
            QObject::connect(sink, &QVideoSink::videoFrameChanged, sink,
                             [this](const QVideoFrame &frame) { frames += frame.isValid() ? 1 : 0; });
        }
        if (player != nullptr) {
            QObject::connect(player, &QMediaPlayer::errorOccurred, player, [this] { ++errors; });
        }
    }
    QPointer<QVideoSink> sink;
    QPointer<QMediaPlayer> player;
    int frames = 0;
    int errors = 0;
};

QRect rowBox(int row, int column) {
    constexpr int kLeft[] = {240, 1800, 2760};
    constexpr int kWidth[] = {1575, 975, 3375};
    const int top = row == 0 ? 840 : 1200 + 360 * (row - 1);
    return {platform::px(kLeft[column]), platform::px(top), platform::px(kWidth[column]), platform::px(375)};
}

TEST(SpellListWindow, LearnedRowsShowInTheirOwnPlacesWithGapsBetween) {
    Windows w;
    app::registerAllScreens(w.game);
    stateOf(w.game).waterMagicLevel = 1;
    stateOf(w.game).powerMagicLevel = 2;
    w.game.dispatch([&] { w.game.show("Form7"); });
    for (int column = 0; column < 3; ++column) {
        QWidget *header = w.widget("Form7", "Label2", column);
        EXPECT_EQ(header->geometry(), rowBox(0, column));
        EXPECT_TRUE(header->isVisible());
        for (int row : {4, 18, 19}) {
            QWidget *cell = w.widget("Form7", "Label" + std::to_string(row + 2), column);
            EXPECT_EQ(cell->geometry(), rowBox(row, column)) << "row " << row;
            EXPECT_TRUE(cell->isVisible()) << "row " << row;
        }
        for (int row : {1, 5, 17, 20}) {
            EXPECT_FALSE(w.widget("Form7", "Label" + std::to_string(row + 2), column)->isVisible()) << row;
        }
    }
    const QImage list = w.client("Form7");
    // A gap where row 5 would be, the form's own colour.
    EXPECT_EQ(rgbAt(list, rowBox(5, 0).center().x(), rowBox(5, 0).center().y()), "#000080");
    QWidget *back = w.widget("Form7", "Command1");
    EXPECT_TRUE(list.rect().contains(back->geometry()));
    EXPECT_GT(back->geometry().top(), rowBox(23, 0).bottom());
}

TEST(MovieWindow, TheAttackVideoPlaysItsFramesAndTheMenuFollowsAfterThreeSeconds) {
    Windows w;
    app::registerAllScreens(w.game);
    w.game.dispatch([&] { w.game.show("Form19"); });
    FrameCount count(w.widget("Form19", "ActiveMovie1"));
    ASSERT_NE(count.sink, nullptr) << "a player for the committed KOUGEKI.AVI";
    ASSERT_NE(count.player, nullptr);
    ASSERT_TRUE(runUntil([&] { return count.player->mediaStatus() == QMediaPlayer::EndOfMedia; }, 2900))
        << "1.6 s of video, played to its end";
    EXPECT_GE(count.frames, 12) << "of 24; a busy machine may drop some late ones";
    EXPECT_EQ(count.errors, 0);
    EXPECT_NE(w.game.find("Form19"), nullptr);
    const QImage shown = w.client("Form19");
    EXPECT_NE(rgbAt(shown, shown.width() / 2, shown.height() / 2), kBlack) << "the last frame stays";
    ASSERT_TRUE(runUntil([&] { return w.game.find("Form19") == nullptr; }, 4000));
    ASSERT_NE(w.game.find("Form3"), nullptr);
    EXPECT_EQ(w.errors, 0);
}

TEST(MovieWindow, TheBattleHoldsTheFirstFrameUnderTheEnemysGauge) {
    Windows w;
    app::registerAllScreens(w.game);
    GameState &s = stateOf(w.game);
    s.strength = s.defense = s.stamina = 5;
    s.daysToTournament = 0;
    s.entrants = 1;
    w.game.dispatch([&] { w.game.show("Form21"); });
    w.game.control("Form21", "Label5").setCaption("薬草");
    w.ports.fractions.push_back(0.25);
    w.click("Form21", "Command2");
    w.click("Form22", "Command1");
    FrameCount count(w.widget("Form25", "ActiveMovie1"));
    ASSERT_NE(count.player, nullptr);
    ASSERT_TRUE(runUntil([&] { return count.frames > 0; }, 3000));
    runUntil([] { return false; }, 500);
    EXPECT_EQ(count.player->playbackState(), QMediaPlayer::PausedState);
    EXPECT_LE(count.frames, 3) << "held at the start, not played";
    const QImage battle = w.client("Form25");
    EXPECT_NE(rgbAt(battle, platform::px(1000), platform::px(600)), kBlack) << "the frame is drawn";
    EXPECT_EQ(rgbAt(battle, platform::px(3200), platform::px(1800)), kGreen) << "the gauge stays on top";
}

TEST(MovieWindow, AMissingOrUnplayableFileLeavesABlackAreaAndNothingElse) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString junk = dir.filePath("junk.avi");
    {
        QFile file(junk);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
    }
    Windows w;
    w.define("Form1", 0x808080, [&](TestScreen &sc) {
        for (const auto &[name, file, left] : {std::tuple{"ActiveMovie1", dir.filePath("missing.avi"), 120},
                                               std::tuple{"ActiveMovie2", junk, 3000}}) {
            sc.movie(name, file.toStdString(), left, 120, 1500, 1500).autoPlay();
        }
    });
    w.game.start(ids::kTitle);
    FrameCount missing(w.widget("Form1", "ActiveMovie1"));
    FrameCount unplayable(w.widget("Form1", "ActiveMovie2"));
    EXPECT_EQ(missing.player, nullptr) << "nothing to play";
    ASSERT_NE(unplayable.player, nullptr);
    // The player gives up on the file (its error goes nowhere but to it).
    EXPECT_TRUE(
        runUntil([&] { return unplayable.player->mediaStatus() == QMediaPlayer::InvalidMedia; }, 3000));
    EXPECT_GE(unplayable.errors, 1);
    runUntil([] { return false; }, 300);
    EXPECT_EQ(unplayable.frames, 0);
    const QImage shown = w.client("Form1");
    EXPECT_EQ(rgbAt(shown, platform::px(870), platform::px(870)), kBlack);
    EXPECT_EQ(rgbAt(shown, platform::px(3750), platform::px(870)), kBlack);
    EXPECT_EQ(rgbAt(shown, platform::px(2500), platform::px(870)), "#808080");
    EXPECT_EQ(w.errors, 0);
    EXPECT_EQ(w.ended, 0);
    EXPECT_EQ(w.frontend.windows().size(), 1U) << "no box, no other window";
}

} // namespace
} // namespace vermona::test
