// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a desktop, on whatever screen the platform offers (ctest
// runs these again on screens of 1280x800 at 2x, 1920x1080, and 1280x720
// less a panel at 1.5x).
#include "app/all_screens.h"
#include "data/game_screen.h"
#include "data/growth_record.h"
#include "platform/qt_ports.h"
#include "platform/window_placement.h"
#include "tests/frontend/frontend_support.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStyleHints>
#include <QTest>
#include <QTimer>
#include <QVideoFrame>
#include <QVideoSink>
#include <QWindow>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace vermona::test {
namespace {

QRect avail() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// The left button at a point of the desktop, as the window system hands it
// to the window that is there.
void mouseAt(QWidget *window, QPoint global, QEvent::Type type, int timestamp) {
    QWindow *handle = window->windowHandle();
    ASSERT_NE(handle, nullptr);
    qt_handleMouseEvent(handle, handle->mapFromGlobal(global), global,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton,
                        type, Qt::NoModifier, timestamp);
}

TEST(DesktopClicks, TheSecondClickOfADoubleClickNeverReachesTheWindowTheFirstOpened) {
    Windows w;
    int weeks = 0;
    // 行動 opens the schedule in its place, where マラソン spends a week.
    w.define("Form1", 0x00FF00, [&](TestScreen &s) {
        s.button("Command1", "行動", 0, 0, 6000, 4500).onClick([&] {
            w.game.show("Form2");
            w.game.close("Form1");
        });
    });
    w.define("Form2", 0x00FFFF, [&](TestScreen &s) {
        s.button("Command1", "マラソン", 0, 0, 6000, 4500).onClick([&] { ++weeks; });
    });
    w.game.start(ids::kTitle);
    const QPoint at = w.window("Form1")->geometry().center();
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    int time = 1000;
    auto click = [&](const char *screen, int after) {
        time += after;
        mouseAt(w.window(screen), at, QEvent::MouseButtonPress, time);
        mouseAt(w.window(screen), at, QEvent::MouseButtonRelease, time + 40);
        Windows::settle();
    };
    click("Form1", 0);
    QWidget *marathon = w.widget("Form2", "Command1");
    click("Form2", interval / 3);
    EXPECT_EQ(weeks, 0) << "the double-click's second click";
    click("Form2", interval + 100);
    EXPECT_EQ(weeks, 1) << "a click at a normal pace";
    QTest::keyClick(marathon, Qt::Key_Space);
    EXPECT_EQ(weeks, 2) << "the keyboard at any pace";
}

TEST(DesktopPlacement, TheBattleMessageLiesFromTheBattleWindowsCornerAndFollowsIt) {
    Windows w;
    w.define(
        "Form1", 0xC0C0C0,
        [&](TestScreen &s) {
            s.button("Command1", "攻撃", 0, 0, 1215, 495).onClick([&] { w.game.show("Form2"); });
        },
        7350, 5415, "戦闘");
    w.define(
        "Form2", 0x000000,
        [](TestScreen &s) {
            s.setBorderless();
            s.placeFrom("Form1", 3225, 5910);
        },
        5250, 1320);
    w.game.start(ids::kTitle);
    QWidget *battle = w.window("Form1");
    battle->move(avail().topLeft() + QPoint(40, 30));
    Windows::settle();
    w.click("Form1", "Command1");
    QWidget *message = w.window("Form2");
    const QPoint offset(215, 394); // 3225, 5910 twips
    EXPECT_EQ(message->pos(), battle->frameGeometry().topLeft() + offset);

    battle->move(battle->pos() + QPoint(60, 20));
    QCoreApplication::processEvents();
    EXPECT_EQ(message->pos(), battle->frameGeometry().topLeft() + offset) << "it follows the battle";

    battle->move(avail().bottomRight() - QPoint(battle->frameGeometry().width(), 200));
    QCoreApplication::processEvents();
    EXPECT_TRUE(avail().contains(message->frameGeometry())) << "and stays on the screen";
}

TEST(DesktopPlacement, BesideTakesTheSideWithRoomElseCoversTheLeast) {
    const QRect screen(0, 0, 1280, 800);
    const QRect menu(458, 160, 364, 470);
    struct Case {
        const char *what;
        QRect anchor;
        QSize size;
        QRect expected;
    } cases[] = {
        {"right, level with its top", menu, {440, 480}, {830, 160, 440, 480}},
        {"left when the right has no room", menu.translated(400, 0), {440, 480}, {410, 160, 440, 480}},
        {"no room on any side: on the screen, over the least of it", menu, {760, 700}, {520, 100, 760, 700}},
        {"larger than the screen: the screen", menu, {1400, 900}, screen},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(platform::beside(c.anchor, c.size, screen, 8), c.expected) << c.what;
    }
}

TEST(DesktopPlacement, TheGrowthChartOpensBesideTheMenuInTheSizeItWasLeft) {
    Windows w;
    newGame(w);
    QWidget *menu = w.window("Form3");
    auto open = [&] {
        QAction *record = menu->findChild<QMenuBar *>()->actions().back();
        record->menu()->actions().front()->trigger();
        Windows::settle();
        return w.frontend.viewWindow(kGrowthView);
    };
    QWidget *chart = open();
    ASSERT_NE(chart, nullptr);
    // The room beside the menu, less the gap and the offscreen frame (8 + 2 + 2).
    const int room = std::max(avail().right() - menu->frameGeometry().right(),
                              menu->frameGeometry().left() - avail().left()) -
                     12;
    EXPECT_TRUE(avail().contains(chart->frameGeometry()));
    if (room >= chart->minimumWidth()) {
        EXPECT_FALSE(chart->frameGeometry().intersects(menu->frameGeometry()));
    }

    // Left over the menu and made smaller: opened again, beside it in that size.
    const QSize smaller = chart->minimumSize() + QSize(10, 10);
    chart->setGeometry(QRect(menu->geometry().topLeft(), smaller));
    chart->close();
    chart = open();
    EXPECT_EQ(chart->size(), smaller);
    EXPECT_TRUE(avail().contains(chart->frameGeometry()));
    if (room >= smaller.width()) {
        EXPECT_FALSE(chart->frameGeometry().intersects(menu->frameGeometry()));
    }
}

TEST(DesktopBoxes, EnterAndEscapeGiveTheAnswerThatLosesNothing) {
    Windows w;
    w.define("Form1", 0xFFFF00, [](TestScreen &) {});
    w.game.start(ids::kTitle);
    platform::QtPorts ports;
    ports.setDialogParent([&] { return w.frontend.dialogParent(); });
    // No to a purchase, a sale or quitting with unsaved weeks; Yes to going
    // on from the resume point, which keeps it.
    for (const auto &[style, answer] :
         {std::pair{kYesNo | kDefaultNo, kNo}, std::pair{kYesNo | kQuestion, kYes}}) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            QTimer::singleShot(0, [key] { QTest::keyClick(QApplication::activeModalWidget(), key); });
            EXPECT_EQ(ports.messageBox("終了しますか？", style, "ヴェルモナ"), answer) << style << " " << key;
        }
    }
}

// A widget as drawn at a scale of the desktop, and the colours in part of it.
QImage drawnAt(QWidget *widget, qreal scale) {
    QPixmap drawn(widget->size() * scale);
    drawn.setDevicePixelRatio(scale);
    widget->render(&drawn);
    return drawn.toImage();
}

std::set<QRgb> colours(const QImage &image, const QRect &part) {
    std::set<QRgb> out;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x) {
            out.insert(image.pixel(x, y));
        }
    }
    return out;
}

std::set<QRgb> coloursOf(const char *bitmap) {
    const QImage image(QStringLiteral(VERMONA_ASSET_DIR "/") + QLatin1String(bitmap));
    return colours(image, image.rect());
}

TEST(DesktopPictures, BitmapsAndTheVideoFrameKeepTheirOwnColoursAtEveryScale) {
    Windows w;
    w.define(
        "Form1", 0x808080,
        [](TestScreen &s) {
            s.setPicture("armour_sign.bmp");
            s.picture("Picture1", "arena.bmp", 3300, 0, 3000, 2000);
            s.button("Command1", "", 0, 3000, 1500, 1200).picture("weapon_sign_small.bmp");
            s.movie("ActiveMovie1", "KOUGEKI.AVI", 0, 4500, 6180, 2385);
        },
        6600, 6900);
    w.game.start(ids::kTitle);
    QWidget *movie = w.widget("Form1", "ActiveMovie1");
    auto *sink = movie->findChild<QVideoSink *>();
    ASSERT_NE(sink, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sink->videoFrame().isValid(); }, 5000));
    QTest::qWait(200);
    QWidget *client = w.window("Form1")->clientArea();
    const QRect frame(1, 1, 410, 156);
    struct Part {
        const char *what;
        QWidget *widget;
        QRect part; // inside the picture, in logical pixels
        std::set<QRgb> own;
    } parts[] = {
        {"window bitmap", client, {1, 1, 100, 100}, coloursOf("armour_sign.bmp")},
        {"picture box", client, {221, 1, 190, 120}, coloursOf("arena.bmp")},
        {"picture on a button",
         w.widget("Form1", "Command1"),
         {10, 11, 80, 56},
         coloursOf("weapon_sign_small.bmp")},
        {"video frame", movie, frame, colours(drawnAt(movie, 1.0), frame)}, // as drawn one to one
    };
    for (qreal scale : {1.5, 2.0, QGuiApplication::primaryScreen()->devicePixelRatio()}) {
        for (const Part &p : parts) {
            const std::set<QRgb> drawn =
                colours(drawnAt(p.widget, scale), QRect(p.part.topLeft() * scale, p.part.size() * scale));
            EXPECT_TRUE(std::includes(p.own.begin(), p.own.end(), drawn.begin(), drawn.end()))
                << p.what << " at " << scale;
        }
    }
}

TEST(DesktopWindows, NoWindowIsTallerThanTheScreenItOpensOn) {
    Windows w;
    newGame(w);
    w.click("Form3", "Command3"); // 魔法一覧
    QWidget *list = w.window("Form7");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(avail().contains(list->frameGeometry()));
    QWidget *client = w.window("Form7")->clientArea();
    const int design = platform::px(10455);
    EXPECT_EQ(client->height(), design) << "drawn whole, as designed";
    if (list->frameGeometry().height() - list->geometry().height() + design > avail().height()) {
        auto *scroll = list->findChild<QScrollArea *>();
        ASSERT_NE(scroll, nullptr) << "too tall for the screen: it scrolls";
        EXPECT_EQ(scroll->widget(), client);
    }
}

} // namespace
} // namespace vermona::test
