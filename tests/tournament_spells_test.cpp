// SPDX-License-Identifier: GPL-3.0-or-later
// Spells: which rows the list shows, what each cast announces and does to
// the match, and that nothing of it outlives the match.
#include "tests/tournament_test_support.h"
#include "tournament/battle_rules.h"

#include <array>

namespace vermona {
namespace {

struct Expected {
    const char *name;
    int cost;
    int kind;
};

// Row k is Label(k + 2); the schools in list order with their rows.
constexpr std::array<Expected, 23> kRows{{
    {"ファイア", 2, 1},       {"ファイラ", 4, 1},         {"ファイガ", 7, 1},
    {"ブリザド", 2, 1},       {"ブリザラ", 4, 1},         {"ブリザガ", 7, 1},
    {"サンダー", 2, 1},       {"サンダラ", 4, 1},         {"サンダガ", 7, 1},
    {"コメット", 4, 1},       {"コメテオ", 9, 1},         {"メテオ", 20, 1},
    {"ケアル", 2, 2},         {"ケアルラ", 5, 2},         {"ケアルガ", 10, 2},
    {"キアリー", 2, 3},       {"ディスペル", 8, 4},       {"パワーアップ", 3, 5},
    {"パワーダウン", 3, 6},   {"プロテクトアップ", 3, 7}, {"プロテクトダウン", 3, 8},
    {"スピードアップ", 3, 9}, {"スピードダウン", 3, 10},
}};

struct School {
    Var GameState::*level;
    int firstRow;
    int rows;
};
constexpr std::array<School, 9> kSchools{{
    {&GameState::fireMagicLevel, 1, 3},
    {&GameState::waterMagicLevel, 4, 3},
    {&GameState::thunderMagicLevel, 7, 3},
    {&GameState::neutralMagicLevel, 10, 3},
    {&GameState::healMagicLevel, 13, 3},
    {&GameState::cureMagicLevel, 16, 2},
    {&GameState::powerMagicLevel, 18, 2},
    {&GameState::guardMagicLevel, 20, 2},
    {&GameState::speedMagicLevel, 22, 2},
}};

std::string rowName(int row) { return "Label" + std::to_string(row + 2); }

struct SpellTest : test::TournamentTest {
    // A match against type 3 (attack 4, defence 4, stamina 4) for a hero of
    // 5 / 5 with intellect 3, so X = 6 + cost, and every school learned.
    void fight() {
        s.intellect = 3;
        s.magicPower = 100;
        for (const School &school : kSchools) {
            s.*school.level = 3;
        }
        enterTable({3});
        click("Form22", "Command1");
    }
    void cast(int row) {
        click("Form25", "Command2");
        click("Form7", rowName(row), 0);
    }
    // The opponent's answer and the window closed.
    std::string answer() {
        click("Form26", "Label1");
        std::string text = caption("Form26", "Label1");
        click("Form26", "Label1");
        return text;
    }
    // The hero's blow and the answer; empty when the blow won the match
    // (its message is then left for the player to close).
    std::string attack() {
        click("Form25", "Command1");
        if (game.find("Form25") == nullptr) {
            return {};
        }
        std::string text = caption("Form26", "Label1");
        answer();
        return text;
    }
};

TEST_F(SpellTest, EachRowShowsFromItsLevelAndATopSpellStaysAboveTheTop) {
    for (const School &school : kSchools) {
        for (int level = 0; level <= 4; ++level) {
            for (const School &other : kSchools) {
                s.*other.level = 0;
            }
            s.*school.level = level;
            open("Form7");
            for (int row = 1; row <= 23; ++row) {
                const int place = row - school.firstRow + 1; // 1 for the school's first spell
                const bool shown = place >= 1 && place <= school.rows && level >= place;
                for (int i = 0; i < 3; ++i) {
                    ASSERT_EQ(control("Form7", rowName(row), i).visible(), shown)
                        << kRows[row - 1].name << " at level " << level << " of row " << school.firstRow;
                }
            }
        }
    }
}

TEST_F(SpellTest, RowsLieAtTheirFixedPlacesWithFullWidthCosts) {
    open("Form7");
    for (int row = 1; row <= 23; ++row) {
        const Control &name = control("Form7", rowName(row), 0);
        const Control &cost = control("Form7", rowName(row), 1);
        const Control &text = control("Form7", rowName(row), 2);
        EXPECT_EQ(name.caption(), kRows[row - 1].name);
        for (const Control *c : {&name, &cost, &text}) {
            EXPECT_EQ(c->design().top, 1200 + 360 * (row - 1)) << c->qualifiedName();
            EXPECT_EQ(c->design().height, 375);
        }
        EXPECT_EQ((std::array{name.design().left, cost.design().left, text.design().left}),
                  (std::array{240, 1800, 2760}));
        EXPECT_EQ((std::array{name.design().width, cost.design().width, text.design().width}),
                  (std::array{1575, 975, 3375}));
    }
    EXPECT_EQ(caption("Form7", "Label3", 1), "２");
    EXPECT_EQ(caption("Form7", "Label14", 1), "２０");
    EXPECT_EQ(caption("Form7", "Label17", 1), "１０");
    EXPECT_EQ(control("Form7", "Label2", 0).design().top, 840);
}

// Every spell, each in a match of its own: its message with X, its cost, and
// what the next exchange shows of it.
TEST_F(SpellTest, EverySpellAnnouncesItsAmountAndActsOnTheNextExchange) {
    for (int row = 1; row <= 23; ++row) {
        const Expected &spell = kRows[row - 1];
        SCOPED_TRACE(spell.name);
        fight();
        const int x = 6 + spell.cost;
        const std::string n = std::to_string(x);
        cast(row);
        EXPECT_EQ(s.heroMP, 100 - spell.cost);
        EXPECT_EQ(s.spellAmount, 3 + spell.cost);
        EXPECT_EQ(s.castKind, 0) << "the window has shown the message";
        const std::string said = caption("Form26", "Label1");
        const float enemyLine = end("Line5");
        // The opponent answers as after an attack; a blow of 4 against the
        // hero's 5 (or more) is always 1.
        const std::string reply = answer();
        const std::string blow = attack();
        switch (spell.kind) {
        case 1:
            EXPECT_EQ(said, "主人公は魔法を唱えた！敵に" + n + "のダメージ");
            EXPECT_EQ(enemyLine, 3135.0F + 168.0F * static_cast<float>(x) / 4);
            break;
        case 2:
            EXPECT_EQ(said, "主人公は魔法を唱えた！" + n + "回復");
            break;
        case 3:
            EXPECT_EQ(said, "主人公は魔法を唱えた！毒が消え去った");
            break;
        case 4:
            EXPECT_EQ(said, "主人公は魔法を唱えた！主人公にかかっているすべての魔法が消えた");
            break;
        case 5:
            EXPECT_EQ(said, "主人公は魔法を唱えた！攻撃力が" + n + "あがった");
            EXPECT_EQ(blow, "主人公の攻撃！敵に" + std::to_string(5 + x - 4) + "のダメージ▼");
            break;
        case 6:
            EXPECT_EQ(said, "主人公は魔法を唱えた！敵の攻撃力が" + n + "さがった");
            EXPECT_EQ(s.enemyAttack.get(1), 4 - x) << "below 0, and still the least blow";
            break;
        case 7:
            EXPECT_EQ(said, "主人公は魔法を唱えた！防御力が" + n + "あがった");
            EXPECT_EQ(s.heroDefense, 5 + x);
            break;
        case 8:
            EXPECT_EQ(said, "主人公は魔法を唱えた！敵の防御力が" + n + "さがった");
            EXPECT_EQ(blow, "主人公の攻撃！敵に" + std::to_string(5 - (4 - x)) + "のダメージ▼");
            break;
        case 9:
            EXPECT_EQ(said, "主人公は魔法を唱えた！素早さが" + n + "あがった");
            break;
        case 10:
            EXPECT_EQ(said, "主人公は魔法を唱えた！敵の素早さが" + n + "さがった");
            break;
        }
        if (spell.kind != 1) {
            EXPECT_EQ(enemyLine, 3135.0F) << "only a damage spell moves the enemy's gauge";
        }
        if (spell.kind != 5 && spell.kind != 8) {
            EXPECT_EQ(blow, "主人公の攻撃！敵に1のダメージ▼");
        }
        EXPECT_EQ(reply, "敵の攻撃！１のダメージ");
        EXPECT_EQ(s.heroAttack, spell.kind == 5 ? 5 + x : 5);
    }
}

TEST_F(SpellTest, DispelPutsBackWhatTheSupportSpellsChangedAndNoMatchInherits) {
    s.entrants = 3;
    s.intellect = 3;
    s.magicPower = 100;
    s.powerMagicLevel = s.guardMagicLevel = s.cureMagicLevel = s.fireMagicLevel = 2;
    enterTable({3, 3, 3});
    click("Form22", "Command1");
    for (int row : {18, 19, 20, 21, 18}) { // the attack raised twice
        cast(row);
        answer();
    }
    EXPECT_EQ(s.heroAttack, 5 + 9 + 9);
    EXPECT_EQ(s.heroDefense, 5 + 9);
    EXPECT_EQ(s.enemyAttack.get(1), 4 - 9);
    EXPECT_EQ(s.enemyDefense.get(1), 4 - 9);
    cast(2); // a blow of the fire school is no support spell and stays
    answer();
    const float enemyLine = end("Line5");
    const float heroLine = end("Line3");
    cast(17);
    EXPECT_EQ(s.heroAttack, 5);
    EXPECT_EQ(s.heroDefense, 5);
    EXPECT_EQ(s.enemyAttack.get(1), 4);
    EXPECT_EQ(s.enemyDefense.get(1), 4);
    EXPECT_EQ(end("Line5"), enemyLine);
    EXPECT_EQ(end("Line3"), heroLine);
    EXPECT_EQ(answer(), "敵の攻撃！１のダメージ");

    // A raised attack is gone at the next match, whose values "試合" fixes.
    cast(18);
    answer();
    while (game.find("Form27") == nullptr) {
        attack();
    }
    click("Form27", "Command1");
    click("Form22", "Command1");
    ASSERT_NE(game.find("Form25"), nullptr);
    EXPECT_EQ(s.heroAttack, 5);
    EXPECT_EQ(s.heroMP, 100);
    cast(17); // nothing to undo: the match's own values stay
    EXPECT_EQ(s.heroAttack, 5);
    EXPECT_EQ(s.enemyAttack.get(2), 4);
}

TEST_F(SpellTest, RecoveryMovesTheHerosLineBackAndNeverPastItsStart) {
    s.defense = 1; // the opponent's blows are 3, 180 x 3 / 50 each
    s.healMagicLevel = 1;
    fight();
    for (int i = 0; i < 4; ++i) {
        attack();
    }
    EXPECT_EQ(end("Line3"), 2448.0F + 10.8F);
    cast(13); // X = 8: back by 180 x 8 / 50 = 28.8, from the rounded end
    EXPECT_EQ(end("Line3"), 2459.0F - 28.8F);
    answer();
    cast(13);
    EXPECT_EQ(end("Line3"), 2415.0F);
    EXPECT_TRUE(control("Form25", "Line3").visible());
}

TEST(GaugeRecovery, StartsFromTheRoundedEndAndStopsAtTheStart) {
    EXPECT_EQ(gaugeRecovery(2500.5F, kHeroGauge, 2, 10), 2500.0F - 36.0F);
    EXPECT_EQ(gaugeRecovery(2500.0F, kHeroGauge, 100, 10), 2415.0F);
    EXPECT_EQ(gaugeRecovery(3500.0F, kEnemyGauge, 1, 4), 3458.0F);
    EXPECT_EQ(gaugeRecovery(2600.0F, kHeroGauge, 1, 0), 2600.0F) << "no HP: nothing to divide by";
}

TEST_F(SpellTest, ADamageSpellThatFillsTheGaugeWinsWithoutAnAnswer) {
    s.intellect = 3;
    s.magicPower = 100;
    s.neutralMagicLevel = 3;
    enterTable({5}); // stamina 1: meteor's 26 fills the gauge at once
    click("Form22", "Command1");
    cast(12);
    EXPECT_EQ(screens(), (std::vector<std::string>{"Form22(hidden)", "Form26", "Form27"}));
    EXPECT_EQ(caption("Form26", "Label1"), "主人公は魔法を唱えた！敵に26のダメージ")
        << "the winning spell stays readable";
    EXPECT_EQ(caption("Form27", "Label1"), "勝利！");
    EXPECT_EQ(s.heroMP, 80);
}

TEST_F(SpellTest, TooLittleMpIsRefusedAndTheListStaysOpen) {
    s.magicPower = 6;
    s.fireMagicLevel = 3;
    enterTable({3});
    click("Form22", "Command1");
    cast(3);
    ASSERT_EQ(ports.boxes.size(), 1U);
    EXPECT_EQ(ports.boxes[0].prompt, "MPが足りません");
    EXPECT_EQ(ports.boxes[0].title, "大会");
    EXPECT_EQ(ports.boxes[0].style, kOkOnly);
    EXPECT_EQ(screens(), (std::vector<std::string>{"Form22(hidden)", "Form25", "Form7"}));
    EXPECT_EQ(s.heroMP, 6);
    EXPECT_EQ(s.castKind, 1);
    EXPECT_FALSE(control("Form25", "Command1").enabled());
    click("Form7", "Command1");
    EXPECT_TRUE(control("Form25", "Command1").enabled());
}

TEST_F(SpellTest, BackFromAListLeftWithoutABattleGoesToTheMenu) {
    // Only an edited state can get here: a list that thinks it is over a
    // battle that is gone would otherwise leave the player without a window.
    s.castKind = 1;
    s.fireMagicLevel = 1;
    s.heroMP = 50;
    open("Form7");
    click("Form7", "Label3", 0);
    EXPECT_EQ(s.heroMP, 50);
    click("Form7", "Command1");
    EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
}

} // namespace
} // namespace vermona
