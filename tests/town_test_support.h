#pragma once

// The town's screens over a prepared state, clicked row by row.
#include "tests/activities_test_support.h"

#include <map>
#include <sstream>
#include <string>

namespace vermona::test {

// Every game variable as a text, so a test can tell exactly what changed.
inline std::map<std::string, std::string> allVars(GameState s) {
    std::istringstream names(
        "strength defense speed stamina intellect magicPower setupPoints fatigue money week month year "
        "weekRoll fireMagicLevel waterMagicLevel thunderMagicLevel neutralMagicLevel healMagicLevel "
        "cureMagicLevel powerMagicLevel guardMagicLevel speedMagicLevel element answer shopMode "
        "ownsWoodShield ownsIronShield ownsSteelShield equipKind equipStep equipChoice ownsKnife ownsSword "
        "herbs msgStyle itemListFromEntry weaponAttack shieldDefense daysToTournament entrants matchRound "
        "saveSpare1 saveSpare2");
    std::map<std::string, std::string> out;
    for (std::string name; names >> name;) {
        out[name] = s.number(name)->text();
    }
    out["msgText"] = s.msgText.value_or("(empty)");
    out["msgTitle"] = s.msgTitle.value_or("(empty)");
    return out;
}

struct TownTest : ActivityTest {
    void SetUp() override {
        ActivityTest::SetUp();
        s.shopMode = 0;
    }

    // A label of a row (a control array) on a visible screen.
    void clickRow(const char *screen, const char *name, int index) {
        Screen *sc = game.find(screen);
        ASSERT_NE(sc, nullptr) << screen;
        ASSERT_TRUE(sc->visible()) << screen;
        Control *c = sc->find(name, index);
        ASSERT_NE(c, nullptr) << screen << "." << name << "(" << index << ")";
        ASSERT_TRUE(c->visible()) << c->qualifiedName();
        game.click(*c);
    }

    [[nodiscard]] Control &at(const char *screen, const char *name, int index = -1) const {
        return *game.find(screen)->find(name, index);
    }
};

} // namespace vermona::test
