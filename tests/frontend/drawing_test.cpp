// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows draw: geometry from twips, colours, fonts, layering,
// pictures and menus, checked on real widgets and grabbed images.
#include "app/all_screens.h"
#include "platform/fonts.h"
#include "tests/frontend/frontend_support.h"

#include <QAction>
#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vermona::test {
namespace {

TEST(WindowGeometry, TitleScreenIsPlacedInPixelsFromTwips) {
    Windows w;
    app::registerAllScreens(w.game);
    w.game.start(ids::kTitle);
    platform::ScreenWindow *win = w.window("Form1");
    ASSERT_NE(win, nullptr);
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(win->windowTitle().toStdString(), "ヴェルモナシュミレーション");
    EXPECT_EQ(win->clientArea()->size(), QSize(393, 294)); // 5895 x 4410
    EXPECT_EQ(w.widget("Form1", "Command1")->geometry(), QRect(144, 160, 89, 49));
    EXPECT_EQ(w.widget("Form1", "Label1")->geometry(), QRect(16, 48, 345, 41));
    // Not resizable, and the menu bar sits above the client area, not in it.
    ASSERT_NE(win->menuBar(), nullptr);
    EXPECT_EQ(win->minimumSize(), win->maximumSize());
    EXPECT_EQ(win->clientArea()->y(), win->menuBar()->height());
    EXPECT_EQ(win->height(), 294 + win->menuBar()->height());
    EXPECT_EQ(win->width(), 393);
}

TEST(WindowGeometry, ScreensKeepTheirClientAreasThroughANewGame) {
    Windows w;
    app::registerAllScreens(w.game);
    w.game.start(ids::kTitle);
    w.click("Form1", "Command1");
    EXPECT_EQ(w.window("Form2")->clientArea()->size(), QSize(428, 304));
    EXPECT_EQ(w.window("Form2")->size(), QSize(428, 304)); // no menu bar
    EXPECT_EQ(w.widget("Form2", "Command6")->geometry(), QRect(232, 80, 41, 25));
    for (int i = 0; i < 10; ++i) {
        w.click("Form2", "Command3");
    }
    EXPECT_EQ(w.window("Form10")->clientArea()->size(), QSize(432, 132));
    w.click("Form10", "Command4");
    platform::ScreenWindow *menu = w.window("Form3");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->windowTitle().toStdString(), "メニュー");
    EXPECT_EQ(menu->clientArea()->size(), QSize(360, 430));
    EXPECT_EQ(menu->height(), 430 + menu->menuBar()->height());
}

TEST(WindowColours, TitleScreenShowsItsDesignColours) {
    Windows w;
    app::registerAllScreens(w.game);
    w.game.start(ids::kTitle);
    const QImage img = w.client("Form1");
    EXPECT_EQ(rgbAt(img, 2, 2), "#FFFF00");     // window
    EXPECT_EQ(rgbAt(img, 18, 86), "#00FF00");   // Label1, below its text
    EXPECT_EQ(rgbAt(img, 150, 184), "#00FFFF"); // Command1, a coloured button
    EXPECT_EQ(rgbAt(img, 228, 200), "#00FFFF");
}

// A screen of blue with the controls whose drawing rules interact.
void layeredScreen(TestScreen &s) {
    s.label("Label1", "", 0, 0, 1500, 1500).background(0xFF0000);
    s.label("Label2", "", 1500, 0, 1500, 1500).background(0xFF0000).transparent();
    s.label("Label3", "", 3000, 0, 1500, 1500).background(0x00FF00).hidden();
    s.line("Line1", 0, 750, 4500, 750);
    s.button("Command1", "", 0, 3000, 1500, 750).background(0x00FF00);
    s.button("Command2", "", 3000, 3000, 1500, 750);
}

TEST(WindowColours, LabelsLinesAndButtonsFollowTheirDesign) {
    Windows w;
    w.define("Form1", 0x0000FF, layeredScreen);
    w.game.start(ids::kTitle);
    QImage img = w.client("Form1");
    EXPECT_EQ(rgbAt(img, 25, 25), "#FF0000");  // label background
    EXPECT_EQ(rgbAt(img, 150, 25), "#0000FF"); // transparent label shows the window
    EXPECT_EQ(rgbAt(img, 250, 25), "#0000FF"); // hidden label is not drawn
    EXPECT_EQ(rgbAt(img, 25, 50), "#000000");  // the line is drawn above the label
    EXPECT_EQ(rgbAt(img, 250, 50), "#000000");
    EXPECT_EQ(rgbAt(img, 50, 225), "#00FF00"); // coloured button
    const QColor plain = img.pixelColor(250, 225);
    EXPECT_NE(plain, QColor(0x0000FF)); // a plain button has the system's face
    EXPECT_LT(std::abs(plain.red() - plain.blue()), 16);

    w.game.find("Form1")->find("Label3")->setVisible(true);
    img = w.client("Form1");
    EXPECT_EQ(rgbAt(img, 250, 25), "#00FF00");
    w.game.find("Form1")->find("Line1")->setVisible(false);
    img = w.client("Form1");
    EXPECT_EQ(rgbAt(img, 25, 50), "#FF0000");
}

TEST(WindowFonts, DesignFacesResolveToProportionalJapaneseFonts) {
    // Without the substitutions Qt would quietly fall back to a fixed-width
    // gothic.
    const QFontInfo gothic(platform::toQFont(Font{kGothic, 9.75, false}));
    EXPECT_EQ(gothic.family().toStdString(), "IPAPGothic");
    EXPECT_FALSE(gothic.fixedPitch());
    EXPECT_DOUBLE_EQ(gothic.pointSizeF(), 9.75);
    const QFontInfo mincho(platform::toQFont(Font{kMincho, 21.75, false}));
    EXPECT_EQ(mincho.family().toStdString(), "IPAPMincho");
    EXPECT_FALSE(mincho.fixedPitch());
    const QFontInfo reisho(platform::toQFont(Font{kReisho, 12, false}));
    EXPECT_EQ(reisho.family().toStdString(), "KouzanBrushFont");
    EXPECT_EQ(QFontInfo(platform::toQFont(Font{kGothic, 12, true})).weight(), QFont::Bold);
    EXPECT_EQ(QFontInfo(platform::toQFont(Font{kGothic, 12, false})).weight(), QFont::Normal);
}

TEST(WindowFonts, ControlsUseTheirDesignFontAndSize) {
    Windows w;
    app::registerAllScreens(w.game);
    w.game.start(ids::kTitle);
    const QFontInfo title(w.widget("Form1", "Label1")->font());
    EXPECT_EQ(title.family().toStdString(), "IPAPMincho");
    EXPECT_DOUBLE_EQ(title.pointSizeF(), 21.75);
    const QFontInfo start(w.widget("Form1", "Command1")->font());
    EXPECT_EQ(start.family().toStdString(), "IPAPGothic");
    EXPECT_DOUBLE_EQ(start.pointSizeF(), 12);
    w.click("Form1", "Command1");
    EXPECT_EQ(QFontInfo(w.widget("Form2", "Label1")->font()).family().toStdString(), "KouzanBrushFont");
    // Menus and boxes are Japanese too.
    EXPECT_EQ(QFontInfo(QGuiApplication::font()).family().toStdString(), "IPAPGothic");
}

TEST(WindowLabels, CaptionTooWideForItsBoxIsNarrowedNotCut) {
    Windows w;
    app::registerAllScreens(w.game);
    w.game.start(ids::kTitle);
    QWidget *title = w.widget("Form1", "Label1");
    const int percent = title->property("stretch").toInt();
    EXPECT_LT(percent, 100);
    EXPECT_GE(percent, 70);
    // Narrowed to that width, the wrapped caption fits the box's height; at
    // the design width it would not.
    auto need = [&](int width) {
        return QFontMetrics(title->font())
            .boundingRect(QRect(0, 0, width, 1000), Qt::AlignHCenter | Qt::TextWordWrap,
                          title->accessibleName());
    };
    EXPECT_LE(need(title->width() * 100 / percent).height(), title->height());
    EXPECT_GT(need(title->width()).height(), title->height());
    // A caption that fits keeps the design's width.
    w.click("Form1", "Command1");
    EXPECT_EQ(w.widget("Form2", "Label2")->property("stretch").toInt(), 100);
}

TEST(WindowLabels, AutoSizedLabelGrowsAndShrinksWithItsCaption) {
    Windows w;
    w.define("Form1", 0x00FF00, [](TestScreen &s) {
        s.label("Label1", "1", 1500, 750, 300, 300).autoSize().points(15.75);
        s.label("Label2", "wrapped label keeps its box", 1500, 1500, 600, 300);
    });
    w.game.start(ids::kTitle);
    Control &c = *w.game.find("Form1")->find("Label1");
    QWidget *label = w.widget("Form1", "Label1");
    const int one = label->width();
    EXPECT_GT(one, 0);
    c.setCaption("1000");
    EXPECT_GT(label->width(), 2 * one);
    EXPECT_EQ(label->pos(), QPoint(100, 50));
    EXPECT_EQ(label->accessibleName().toStdString(), "1000");
    c.setCaption("7");
    EXPECT_LT(label->width(), 2 * one);
    EXPECT_EQ(label->pos(), QPoint(100, 50));
    EXPECT_EQ(w.widget("Form1", "Label2")->size(), QSize(40, 20));
}

TEST(WindowButtons, CaptionTooWideForItsButtonIsNarrowedOntoOneLine) {
    Windows w;
    w.define("Form1", 0x00FF00, [](TestScreen &s) {
        s.button("Command1", "アクセサリー屋", 720, 2640, 1455, 735).points(14.25);
        s.button("Command2", "帰る", 2160, 3840, 1095, 615).points(14.25);
    });
    w.game.start(ids::kTitle);
    auto *wide = qobject_cast<QPushButton *>(w.widget("Form1", "Command1"));
    ASSERT_NE(wide, nullptr);
    EXPECT_LT(wide->font().stretch(), 100);
    EXPECT_LE(QFontMetrics(wide->font()).horizontalAdvance(wide->text()), wide->width());
    const int stretch = w.widget("Form1", "Command2")->font().stretch();
    EXPECT_TRUE(stretch == 100 || stretch == QFont::AnyStretch) << stretch;
    // A shorter caption set at run time gets its full width back.
    w.game.find("Form1")->find("Command1")->setCaption("店");
    EXPECT_TRUE(wide->font().stretch() == 100 || wide->font().stretch() == QFont::AnyStretch);
}

TEST(WindowPictures, BitmapsAreDrawnAtNaturalSizeAndClipped) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage red(20, 10, QImage::Format_RGB32);
    red.fill(QColor(0xFF0000));
    const std::string file = QDir(dir.path()).filePath("red.bmp").toStdString();
    ASSERT_TRUE(red.save(QString::fromStdString(file)));

    Windows w;
    w.define("Form1", 0x0000FF, [&](TestScreen &s) {
        s.setPicture(file);
        s.picture("Picture1", file, 1500, 1500, 150, 75); // 10 x 5 pixels: the bitmap is cut, not shrunk
        s.button("Command1", "", 3000, 1500, 1500, 1500).picture(file);
        s.picture("Picture2", "no such picture.bmp", 3000, 3000, 300, 300);
    });
    w.game.start(ids::kTitle);
    const QImage img = w.client("Form1");
    EXPECT_EQ(rgbAt(img, 0, 0), "#FF0000"); // window bitmap from the top-left corner
    EXPECT_EQ(rgbAt(img, 19, 9), "#FF0000");
    EXPECT_EQ(rgbAt(img, 20, 10), "#0000FF"); // not stretched
    EXPECT_EQ(rgbAt(img, 109, 104), "#FF0000");
    EXPECT_EQ(rgbAt(img, 111, 102), "#0000FF"); // clipped to the picture box
    EXPECT_EQ(rgbAt(img, 250, 150), "#FF0000"); // centred on the button
    EXPECT_NE(rgbAt(img, 205, 150), "#FF0000");
    EXPECT_EQ(rgbAt(img, 205, 205), "#0000FF"); // a missing file draws nothing
}

TEST(WindowMenus, MenuBarsFollowTheScreensMenus) {
    Windows w;
    newGame(w);
    QMenuBar *bar = w.window("Form3")->menuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 2);
    QAction *file = bar->actions().front();
    EXPECT_EQ(file->text().toStdString(), "ファイル");
    ASSERT_NE(file->menu(), nullptr);
    ASSERT_EQ(file->menu()->actions().size(), 2);
    EXPECT_EQ(file->menu()->actions().front()->text().toStdString(), "セーブ(S)");
    EXPECT_EQ(file->menu()->actions().back()->text().toStdString(), "セーブデータ一覧");
    // The growth record beside it.
    QAction *record = bar->actions().back();
    EXPECT_EQ(record->text().toStdString(), "記録");
    ASSERT_NE(record->menu(), nullptr);
    ASSERT_EQ(record->menu()->actions().size(), 1);
    EXPECT_EQ(record->menu()->actions().front()->text().toStdString(), "成長グラフ");
}

TEST(WindowMenus, TopLevelEntryRunsItsHandlerAndSubmenusNest) {
    Windows w;
    int loads = 0;
    int deep = 0;
    w.define("Form1", 0xFFFF00, [&](TestScreen &s) {
        s.menuEntry("help", "ロード", [&] { ++loads; });
        MenuEntry &top = s.menuEntry("fail", "ファイル");
        top.children.push_back(
            MenuEntry{"more", "その他", {}, {MenuEntry{"deep", "奥", [&] { ++deep; }, {}, {}}}, {}});
    });
    w.game.start(ids::kTitle);
    Screen &screen = *w.game.find("Form1");
    platform::ScreenWindow *win = w.window("Form1");
    QAction *help = win->actionFor(*screen.findMenu("help"));
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->menu(), nullptr);
    EXPECT_EQ(help->text().toStdString(), "ロード");
    help->trigger();
    EXPECT_EQ(loads, 1);
    QAction *nested = win->actionFor(*screen.findMenu("deep"));
    ASSERT_NE(nested, nullptr);
    nested->trigger();
    EXPECT_EQ(deep, 1);
    EXPECT_EQ(win->actionFor(*screen.findMenu("more"))->menu()->title().toStdString(), "その他");
}

} // namespace
} // namespace vermona::test
