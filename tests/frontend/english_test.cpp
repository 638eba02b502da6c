// SPDX-License-Identifier: GPL-3.0-or-later
// The game in English: every screen's texts fit their boxes, and a change of
// language reaches every open window.
#include "app/all_screens.h"
#include "app/language.h"
#include "platform/qt_ports.h"
#include "tests/frontend/frontend_support.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <gtest/gtest.h>

namespace vermona::test {
namespace {

// Every screen, a few times over in the states that change its texts.
struct Visit {
    std::string_view screen;
    std::function<void(GameState &)> before;
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
    // Every message the battle's window shows after a spell.
    for (int kind = 1; kind <= 10; ++kind) {
        visits.push_back({ids::kBattleMessage, [kind](GameState &s) {
                              s.castKind = kind;
                              s.heroSpellPower = 999;
                          }});
    }
    return visits;
}

TEST(English, EveryTextFitsItsBox) {
    WorkDir dir;
    Windows w;
    registerAllScreens(w.game);
    app::useLanguage(w.game, app::kEnglish);
    ASSERT_NE(w.game.translation(), nullptr) << "no English catalogue";
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
        w.game.dispatch([&] { w.game.show(visit.screen); });
        Windows::settle();
        for (Screen *open : w.game.screens()) {
            platform::ScreenWindow *window = w.frontend.windowFor(*open);
            ASSERT_NE(window, nullptr);
            const QRect client = window->clientArea()->rect();
            for (const auto &c : open->controls()) {
                QWidget *widget = window->widgetFor(*c);
                if (widget == nullptr || !c->visible()) {
                    continue;
                }
                const std::string shown = c->captionText().in(w.game.translation());
                EXPECT_FALSE(widget->property("clipped").toBool())
                    << c->qualifiedName() << " cut off: \"" << shown << "\"";
                if (c->design().autoSize) {
                    EXPECT_TRUE(client.contains(widget->geometry()))
                        << c->qualifiedName() << " runs out of its window: \"" << shown << "\"";
                }
            }
        }
    }
}

// The title's menu changes the language of every open window at once, and
// the choice is remembered for the next start.
TEST(English, TheLanguageMenuReachesEveryOpenWindowAndIsRemembered) {
    WorkDir dir;
    Windows w;
    registerAllScreens(w.game);
    w.game.setLanguageChooser([&](std::string_view code) { app::chooseLanguage(w.game, code); });
    w.game.start(ids::kTitle);
    w.game.dispatch([&] { w.game.show(ids::kTown); }); // a second window, open meanwhile
    Windows::settle();
    platform::ScreenWindow *title = w.window("Form1");
    const QString japanese = title->windowTitle();
    auto choose = [&](const char *entry) {
        w.game.choose(*w.game.find(ids::kTitle)->findMenu(entry));
        Windows::settle();
    };
    choose("english");
    EXPECT_NE(title->windowTitle(), japanese);
    EXPECT_EQ(qobject_cast<QPushButton *>(w.widget("Form1", "Command1"))->text().toStdString(),
              Text("開始").in(w.game.translation()));
    EXPECT_NE(w.window("Form12")->windowTitle(), QStringLiteral("町"));
    EXPECT_EQ(app::startLanguage(), "en");
    // The menu names each language in its own words, whichever is shown.
    EXPECT_EQ(title->menuBar()->actions().last()->text(), QStringLiteral("言語 / Language"));
    choose("japanese");
    EXPECT_EQ(title->windowTitle(), japanese);
    EXPECT_EQ(w.window("Form12")->windowTitle(), QStringLiteral("町"));
    EXPECT_EQ(app::startLanguage(), "ja");
    QSettings().remove(QStringLiteral("language"));
}

} // namespace
} // namespace vermona::test
