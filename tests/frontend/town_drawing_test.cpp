// SPDX-License-Identifier: GPL-3.0-or-later
// The shop signs on the town's windows: each drawn at its place, not
// stretched, and clipped to its button or window, in the player's language;
// the labels laid over them stand on a calm ground, and an English sign has
// no Japanese on it.
#include "app/all_screens.h"
#include "app/language.h"
#include "generators/sign_pictures.h"
#include "platform/assets.h"
#include "platform/language_look.h"
#include "tests/frontend/frontend_support.h"

#include <QPushButton>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <set>

namespace vermona::test {
namespace {

// A committed sign in a language ("" for Japanese).
QImage asset(const char *file, std::string_view language = {}) {
    const QString folder = language.empty() ? QString() : QString::fromUtf8(language.data()) + "/";
    return QImage(QStringLiteral(VERMONA_ASSET_DIR "/") + folder + file);
}

// The game's languages, each with the folder of its signs.
constexpr std::array<std::string_view, 2> kLanguages{app::kJapanese, app::kEnglish};
std::string_view signFolder(std::string_view language) { return language == app::kJapanese ? "" : language; }

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

void showAlone(Windows &w, const char *id, std::string_view language = app::kJapanese) {
    app::registerAllScreens(w.game);
    app::useLanguage(w.game, language);
    w.game.dispatch([&] { w.game.show(id); });
    Windows::settle();
}

TEST(TownPictures, ButtonSignsAreCentredOnTheirButtonsAndClipped) {
    for (std::string_view language : kLanguages) {
        Windows w;
        showAlone(w, "Form12", language);
        const Screen &town = *w.game.find("Form12");
        for (const auto &[name, file] :
             {std::pair{"Command1", "weapon_sign_small.bmp"}, std::pair{"Command2", "armour_sign.bmp"}}) {
            SCOPED_TRACE(std::string(name) + " " + std::string(language));
            const QImage sign = asset(file, signFolder(language));
            const QRect button = w.widget("Form12", name)->geometry();
            QRect placed(QPoint(0, 0), sign.size());
            placed.moveCenter(QRect(QPoint(0, 0), button.size()).center());
            EXPECT_GT(expectPictureAt(w, "Form12", sign, button.topLeft() + placed.topLeft(), button,
                                      town.find(name)),
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
        app::useLanguage(w.game, app::kJapanese);
    }
}

TEST(TownPictures, WindowSignsLieFromTheTopLeftCornerAtNaturalSize) {
    for (std::string_view language : kLanguages) {
        for (const auto &[id, file] :
             {std::pair{"Form13", "armour_sign.bmp"}, std::pair{"Form17", "weapon_sign_large.bmp"},
              std::pair{"Form18", "weapon_sign_large.bmp"}}) {
            SCOPED_TRACE(std::string(id) + " " + std::string(language));
            Windows w;
            showAlone(w, id, language);
            const QRect client = w.window(id)->clientArea()->rect();
            EXPECT_GT(expectPictureAt(w, id, asset(file, signFolder(language)), QPoint(0, 0), client), 100);
            app::useLanguage(w.game, app::kJapanese);
        }
    }
}

// The shop fronts write their choices straight on their signs: under every
// letter of them, in either language, the sign shows one colour only.
TEST(TownPictures, LabelsOnTheSignsStandOnACalmGround) {
    for (std::string_view language : kLanguages) {
        for (const char *id : {"Form13", "Form17"}) {
            SCOPED_TRACE(std::string(id) + " " + std::string(language));
            Windows w;
            showAlone(w, id, language);
            const Screen &front = *w.game.find(id);
            const QImage sign(platform::findPicture(QString::fromStdString(front.picture()),
                                                    QString::fromUtf8(signFolder(language).data())));
            ASSERT_FALSE(sign.isNull());
            for (const auto &c : front.controls()) {
                QWidget *label = w.window(id)->widgetFor(*c);
                const ControlDesign design = platform::shownDesign(*c);
                const int align = design.align == Align::Left     ? Qt::AlignLeft
                                  : design.align == Align::Center ? Qt::AlignHCenter
                                                                  : Qt::AlignRight;
                const QString text = QString::fromStdString(c->captionText().in(w.game.translation()));
                const QRect letters =
                    label->fontMetrics()
                        .boundingRect(label->geometry(), align | Qt::AlignTop | Qt::TextWordWrap, text)
                        .intersected(sign.rect());
                std::set<QRgb> ground;
                for (int y = letters.top(); y <= letters.bottom(); ++y) {
                    for (int x = letters.left(); x <= letters.right(); ++x) {
                        ground.insert(sign.pixel(x, y));
                    }
                }
                EXPECT_EQ(ground.size(), 1U) << c->qualifiedName() << " \"" << text.toStdString()
                                             << "\" lies on " << ground.size() << " colours";
            }
            app::useLanguage(w.game, app::kJapanese);
        }
    }
}

// Each language's signs are the same pictures with its own words: the same
// files at the same sizes, and no Japanese on the English ones.
TEST(TownPictures, EnglishSignsAreTheJapaneseOnesInEnglish) {
    const std::vector<generators::SignPicture> japanese = generators::signPictures("");
    const std::vector<generators::SignPicture> english = generators::signPictures("en");
    ASSERT_EQ(english.size(), japanese.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
        SCOPED_TRACE(english[i].file);
        EXPECT_EQ(english[i].file, japanese[i].file);
        EXPECT_EQ(english[i].image.size(), japanese[i].image.size());
        EXPECT_EQ(asset(english[i].file.c_str(), "en").size(), english[i].image.size());
        EXPECT_FALSE(english[i].words.isEmpty());
        for (const QString &word : english[i].words) {
            EXPECT_TRUE(std::all_of(word.begin(), word.end(), [](QChar c) { return c.unicode() < 0x3000; }))
                << word.toStdString();
        }
    }
}

} // namespace
} // namespace vermona::test
