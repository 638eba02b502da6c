// SPDX-License-Identifier: GPL-3.0-or-later
// The shop signs on the town's windows: each drawn at its place, not
// stretched, and clipped to its button or window.
#include "app/all_screens.h"
#include "tests/frontend/frontend_support.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace vermona::test {
namespace {

QImage asset(const char *file) { return QImage(QStringLiteral(VERMONA_ASSET_DIR "/") + file); }

// Samples the bitmap as it should lie in the client area (top-left corner at
// origin, cut to clip) wherever no other control covers it, and expects the
// window to show exactly the bitmap's colour there. Returns how many samples
// differed from the window's own colour, so a missing bitmap cannot pass.
int expectPictureAt(Windows &w, const std::string &id, const QImage &picture, QPoint origin, QRect clip,
                    const Control *holder = nullptr) {
    EXPECT_FALSE(picture.isNull());
    const QImage img = w.client(id);
    const Screen &screen = *w.game.find(id);
    std::vector<QRect> covered;
    for (const auto &c : screen.controls()) {
        QWidget *widget = w.window(id)->widgetFor(*c);
        if (c.get() != holder && widget != nullptr && widget->isVisible()) {
            covered.push_back(widget->geometry());
        }
    }
    const QColor ground(static_cast<QRgb>(screen.background()));
    int distinct = 0;
    int wrong = 0;
    std::string first;
    for (int y = 0; y < picture.height(); y += 3) {
        for (int x = 0; x < picture.width(); x += 3) {
            const QPoint at = origin + QPoint(x, y);
            if (!clip.contains(at) ||
                std::any_of(covered.begin(), covered.end(), [&](const QRect &r) { return r.contains(at); })) {
                continue;
            }
            const QColor want = picture.pixelColor(x, y);
            if (img.pixelColor(at) != want && wrong++ == 0) {
                first = want.name().toStdString() + " wanted at " + std::to_string(at.x()) + "," +
                        std::to_string(at.y()) + ", drawn " + img.pixelColor(at).name().toStdString();
            }
            distinct += want.rgb() != ground.rgb() ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0) << id << ": " << first;
    return distinct;
}

void showAlone(Windows &w, const char *id) {
    registerAllScreens(w.game);
    w.game.dispatch([&] { w.game.show(id); });
    Windows::settle();
}

TEST(TownPictures, ButtonSignsAreCentredOnTheirButtonsAndClipped) {
    Windows w;
    showAlone(w, "Form12");
    const Screen &town = *w.game.find("Form12");
    for (const auto &[name, file] :
         {std::pair{"Command1", "weapon_sign_small.bmp"}, std::pair{"Command2", "armour_sign.bmp"}}) {
        SCOPED_TRACE(name);
        const QImage sign = asset(file);
        const QRect button = w.widget("Form12", name)->geometry();
        QRect placed(QPoint(0, 0), sign.size());
        placed.moveCenter(QRect(QPoint(0, 0), button.size()).center());
        EXPECT_GT(
            expectPictureAt(w, "Form12", sign, button.topLeft() + placed.topLeft(), button, town.find(name)),
            20);
    }
    // The small sign fits with the button's red around it; the armour sign
    // is cut at the button's edge, and the town shows beyond it.
    const QImage img = w.client("Form12");
    const QRect weapon = w.widget("Form12", "Command1")->geometry();
    EXPECT_EQ(rgbAt(img, weapon.left() + 4, weapon.center().y()), "#FF0000");
    const QRect armour = w.widget("Form12", "Command2")->geometry();
    EXPECT_EQ(rgbAt(img, armour.left() - 2, armour.center().y()), "#00FF00");
    EXPECT_EQ(rgbAt(img, armour.center().x(), armour.top() - 2), "#00FF00");
}

TEST(TownPictures, WindowSignsLieFromTheTopLeftCornerAtNaturalSize) {
    for (const auto &[id, file] :
         {std::pair{"Form13", "armour_sign.bmp"}, std::pair{"Form17", "weapon_sign_large.bmp"},
          std::pair{"Form18", "weapon_sign_large.bmp"}}) {
        SCOPED_TRACE(id);
        Windows w;
        showAlone(w, id);
        const QRect client = w.window(id)->clientArea()->rect();
        EXPECT_GT(expectPictureAt(w, id, asset(file), QPoint(0, 0), client), 100);
    }
}

} // namespace
} // namespace vermona::test
