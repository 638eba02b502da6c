// SPDX-License-Identifier: GPL-3.0-or-later
// The game in English: every screen reads in English and its texts fit
// their boxes, and a change of language reaches every open window.
#include "app/all_screens.h"
#include "app/language.h"
#include "platform/qt_ports.h"
#include "tests/frontend/frontend_support.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace vermona::test {
namespace {

// Every screen, a few times over in the states that change its texts.
struct Visit {
    std::string_view screen;
    std::function<void(GameState &)> before;
    std::function<void(Game &)> after = {}; // texts other screens put there
};

std::vector<Visit> everyScreen() {
    std::vector<Visit> visits;
    for (std::string_view id :
         {ids::kTitle,      ids::kHeroSetup,   ids::kMainMenu,      ids::kElement,      ids::kSchedule,
          ids::kJourney,    ids::kAttackMagic, ids::kRecoveryMagic, ids::kSupportMagic, ids::kTown,
          ids::kArmourShop, ids::kArmourList,  ids::kItemList,      ids::kEquipment,    ids::kWeaponShop,
          ids::kWeaponList, ids::kItemShop,    ids::kHerbList,      ids::kSpellList,    ids::kMovie,
          ids::kNotice,     ids::kEntry,       ids::kTable,         ids::kBattle,       ids::kResult}) {
        visits.push_back({id, {}});
    }
    // The longest dates the menu shows, and the equipment of both kinds.
    visits.push_back({ids::kMainMenu, [](GameState &s) {
                          s.year = 88;
                          s.month = 12;
                          s.week = 4;
                          s.money = 999999;
                      }});
    visits.push_back({ids::kEquipment, [](GameState &s) { s.equipKind = 3; }});
    // The lists in selling mode, the countdown counting weeks and on the day
    // itself, one entrant alone.
    for (std::string_view list : {ids::kArmourList, ids::kWeaponList, ids::kHerbList}) {
        visits.push_back({list, [](GameState &s) { s.shopMode = 1; }});
    }
    for (int weeks : {29, 1, 0}) {
        visits.push_back({ids::kNotice, [weeks](GameState &s) { s.daysToTournament = weeks; }});
    }
    visits.push_back({ids::kEntry, [](GameState &s) { s.entrants = 1; }});
    // The result of a lost match, and of a round the hero sat out.
    for (const char *message : {"残念！次は勝とう", "COM戦終了"}) {
        visits.push_back({ids::kResult, {}, [message](Game &g) {
                              g.control(ids::kResult, "Label1").setCaption("敗北");
                              g.control(ids::kResult, "Label2").setCaption(message);
                          }});
    }
    // Every message the battle's window shows after a spell.
    for (int kind = 1; kind <= 10; ++kind) {
        visits.push_back({ids::kBattleMessage, [kind](GameState &s) {
                              s.castKind = kind;
                              s.heroSpellPower = 999;
                          }});
    }
    return visits;
}

// Japanese letters, as the player of the English game cannot read them:
// kana, kanji and the full-width forms.
bool hasJapanese(const QString &text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
    });
}

// Where a screen's controls lie on its window, as widgets.
QRect placeOf(platform::ScreenWindow &window, const Control &c) {
    if (c.kind() == ControlKind::Line) {
        // A line as the thin box it covers.
        const QPoint a(platform::px(c.design().left), platform::px(c.design().top));
        const QPoint b(platform::px(static_cast<int>(c.x2())), platform::px(static_cast<int>(c.y2())));
        return QRect(a, b).normalized().adjusted(0, 0, 1, 1);
    }
    QWidget *widget = window.widgetFor(c);
    return widget == nullptr ? QRect() : widget->geometry();
}

// What the open screens do wrong in their layout: a control that leaves its
// window, and two that cover each other. The design has a few of these on
// purpose (an arena under a video, a gauge across its label); a language
// must not add any.
std::set<std::string> layoutFaults(Windows &w) {
    std::set<std::string> faults;
    for (Screen *open : w.game.screens()) {
        platform::ScreenWindow &window = *w.frontend.windowFor(*open);
        const QRect client = window.clientArea()->rect();
        std::vector<std::pair<const Control *, QRect>> placed;
        for (const auto &c : open->controls()) {
            const QRect r = placeOf(window, *c);
            if (!r.isEmpty() && c->visible()) {
                placed.emplace_back(c.get(), r);
            }
        }
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const auto &[a, ra] = placed[i];
            if (!client.contains(ra)) {
                faults.insert(a->qualifiedName() + " leaves its window");
            }
            for (std::size_t j = i + 1; j < placed.size(); ++j) {
                if (ra.intersects(placed[j].second)) {
                    faults.insert(a->qualifiedName() + " covers " + placed[j].first->qualifiedName());
                }
            }
        }
    }
    return faults;
}

// Every text of the open screens the English player sees, with the control
// it belongs to: captions, tips, window titles and menus. The language menu
// names each language in its own words, and the entrants' names are the
// name file's.
std::vector<std::pair<std::string, QString>> shownTexts(Windows &w) {
    const GameState &s = stateOf(w.game);
    const auto withoutNames = [&](QString text) {
        for (int i = 1; i <= decltype(s.entrantNames)::kLast; ++i) {
            if (const TextVar name = s.entrantNames.get(i); name && !name->empty()) {
                text.replace(QString::fromStdString(*name), QString());
            }
        }
        return text;
    };
    std::vector<std::pair<std::string, QString>> texts;
    for (Screen *open : w.game.screens()) {
        platform::ScreenWindow &window = *w.frontend.windowFor(*open);
        texts.emplace_back(open->id(), window.windowTitle());
        for (const auto &c : open->controls()) {
            if (QWidget *widget = window.widgetFor(*c); widget != nullptr && c->visible()) {
                const Translation *english = w.game.translation();
                texts.emplace_back(c->qualifiedName(),
                                   withoutNames(QString::fromStdString(c->captionText().in(english))));
                texts.emplace_back(c->qualifiedName() + " tip", widget->toolTip());
            }
        }
        if (window.menuBar() != nullptr) {
            for (QAction *a : window.menuBar()->findChildren<QAction *>()) {
                if (a->text() != QStringLiteral("言語 / Language") && a->text() != QStringLiteral("日本語")) {
                    texts.emplace_back(open->id() + " menu", a->text());
                }
            }
        }
    }
    return texts;
}

// Every screen, in the states that change its texts, shown in Japanese and
// then in English at once: the English texts fit their boxes as they are,
// neither cut off nor narrowed; the room the English layout gives them
// makes no control cover another or leave its window where the design does
// not; and no Japanese letter is left.
TEST(English, EveryScreenReadsInEnglishAndFitsItsWindow) {
    WorkDir dir;
    writeFile("name.txt", readFile(VERMONA_ASSET_DIR "/name.txt"));
    Windows w;
    app::registerAllScreens(w.game);
    GameState &s = stateOf(w.game);
    for (const Visit &visit : everyScreen()) {
        for (Var *v : {&s.strength, &s.defense, &s.speed, &s.stamina, &s.intellect, &s.magicPower}) {
            *v = 50;
        }
        s.year = s.month = s.week = 1;
        s.money = 1000;
        s.herbs = 3;
        s.entrants = 7;
        s.matchRound = 1;
        s.equipKind = 1;
        for (Var *v : {&s.ownsKnife, &s.ownsSword, &s.ownsWoodShield, &s.ownsIronShield, &s.ownsSteelShield,
                       &s.fireMagicLevel, &s.waterMagicLevel, &s.thunderMagicLevel, &s.neutralMagicLevel,
                       &s.healMagicLevel, &s.cureMagicLevel, &s.powerMagicLevel, &s.guardMagicLevel,
                       &s.speedMagicLevel}) {
            *v = 3;
        }
        if (visit.before) {
            visit.before(s);
        }
        for (Screen *open : w.game.screens()) {
            w.game.close(open->id());
        }
        app::useLanguage(w.game, app::kJapanese);
        w.game.dispatch([&] { w.game.show(visit.screen); });
        if (visit.after) {
            visit.after(w.game);
        }
        Windows::settle();
        const std::set<std::string> designed = layoutFaults(w);
        app::useLanguage(w.game, app::kEnglish);
        ASSERT_NE(w.game.translation(), nullptr) << "no English catalogue";
        Windows::settle();
        for (const std::string &fault : layoutFaults(w)) {
            EXPECT_TRUE(designed.contains(fault)) << fault << " in English only";
        }
        for (const auto &[where, text] : shownTexts(w)) {
            EXPECT_FALSE(hasJapanese(text)) << where << " shows \"" << text.toStdString() << "\"";
        }
        for (Screen *open : w.game.screens()) {
            platform::ScreenWindow *window = w.frontend.windowFor(*open);
            for (const auto &c : open->controls()) {
                QWidget *widget = window->widgetFor(*c);
                if (widget == nullptr || !c->visible()) {
                    continue;
                }
                const std::string shown = c->captionText().in(w.game.translation());
                EXPECT_FALSE(widget->property("clipped").toBool())
                    << c->qualifiedName() << " cut off: \"" << shown << "\"";
                const QVariant stretch = widget->property("stretch");
                EXPECT_TRUE(!stretch.isValid() || stretch.toInt() >= 100)
                    << c->qualifiedName() << " narrowed to " << stretch.toInt() << " %: \"" << shown << "\"";
            }
        }
    }
}

// The title's menu changes the language of every open window at once, and
// the choice is remembered for the next start.
TEST(English, TheLanguageMenuReachesEveryOpenWindowAndIsRemembered) {
    WorkDir dir;
    Windows w;
    app::registerAllScreens(w.game);
    w.game.setLanguageChooser([&](std::string_view code) { app::chooseLanguage(w.game, code); });
    w.game.start(ids::kTitle);
    w.game.dispatch([&] { w.game.show(ids::kTown); }); // a second window, open meanwhile
    Windows::settle();
    platform::ScreenWindow *title = w.window("Form1");
    const QString japanese = title->windowTitle();
    const QImage japaneseTown = w.client("Form12");
    auto choose = [&](const char *entry) {
        w.game.choose(*w.game.find(ids::kTitle)->findMenu(entry));
        Windows::settle();
    };
    choose("english");
    EXPECT_NE(title->windowTitle(), japanese);
    EXPECT_EQ(qobject_cast<QPushButton *>(w.widget("Form1", "Command1"))->text().toStdString(),
              Text("開始").in(w.game.translation()));
    EXPECT_NE(w.window("Form12")->windowTitle(), QStringLiteral("町"));
    // The town's signs in English at once.
    const QRect sign = w.widget("Form12", "Command1")->geometry();
    EXPECT_NE(w.client("Form12").copy(sign), japaneseTown.copy(sign));
    EXPECT_EQ(app::startLanguage(), "en");
    // The menu names each language in its own words, whichever is shown.
    EXPECT_EQ(title->menuBar()->actions().last()->text(), QStringLiteral("言語 / Language"));
    choose("japanese");
    EXPECT_EQ(title->windowTitle(), japanese);
    EXPECT_EQ(w.window("Form12")->windowTitle(), QStringLiteral("町"));
    EXPECT_EQ(w.client("Form12"), japaneseTown);
    EXPECT_EQ(app::startLanguage(), "ja");
    QSettings().remove(QStringLiteral("language"));
}

} // namespace
} // namespace vermona::test
