// SPDX-License-Identifier: GPL-3.0-or-later
// The battle: attacks and the opponent's answers in the message window, the
// two gauges with their boundaries, victory and defeat, and the commands
// that wait for the message.
#include "tests/tournament_test_support.h"
#include "tournament/battle_rules.h"

namespace vermona {
namespace {

struct BattleTest : test::TournamentTest {
    // A one-entrant tournament against the given type, at the battle.
    void fight(int type) {
        enterTable({type});
        click("Form22", "Command1");
    }
    bool commandsEnabled() const {
        bool all = true;
        bool any = false;
        for (const char *c : {"Command1", "Command2", "Command3", "Command4"}) {
            all = all && control("Form25", c).enabled();
            any = any || control("Form25", c).enabled();
        }
        EXPECT_EQ(all, any) << "the four commands go together";
        return all;
    }
};

TEST(GaugeStep, StartsFromTheEndRoundedHalfToEvenAndAddsInSinglePrecision) {
    EXPECT_EQ(gaugeStep(2400.5F, kHeroGauge, 0, 10), 2400.0F);
    EXPECT_EQ(gaugeStep(2401.5F, kHeroGauge, 0, 10), 2402.0F);
    EXPECT_EQ(gaugeStep(2401.49F, kHeroGauge, 0, 10), 2401.0F);
    EXPECT_EQ(gaugeStep(3135.0F, kEnemyGauge, 1, 4), 3177.0F);
    EXPECT_EQ(gaugeStep(2415.0F, kHeroGauge, 1, 70), 2415.0F + 180.0F / 70.0F);
    // A defender without HP falls at the first hit instead of dividing by 0.
    EXPECT_EQ(gaugeStep(2415.0F, kHeroGauge, 1, 0), 4200.0F);
    EXPECT_EQ(gaugeStep(3135.0F, kEnemyGauge, 1, -3), 4800.0F);
}

TEST_F(BattleTest, WorkedExampleTheEnemyFallsAtTheFortiethBlow) {
    fight(3); // attack 4, defence 4, stamina 4 against a hero of 5 / 5
    EXPECT_FALSE(control("Form25", "Line5").visible());
    EXPECT_EQ(end("Line5"), 3135.0F);
    for (int i = 1; i <= 39; ++i) {
        click("Form25", "Command1");
        ASSERT_EQ(caption("Form26", "Label1"), "主人公の攻撃！敵に1のダメージ▼");
        click("Form26", "Label1");
        ASSERT_EQ(caption("Form26", "Label1"), "敵の攻撃！１のダメージ");
        click("Form26", "Label1");
    }
    EXPECT_EQ(end("Line5"), 4773.0F);
    EXPECT_TRUE(control("Form25", "Line5").visible());
    EXPECT_EQ(caption("Form25", "Label10"), "50/50") << "the HP label keeps its starting value";
    click("Form25", "Command1");
    EXPECT_EQ(screens(), (std::vector<std::string>{"Form22(hidden)", "Form26", "Form27"}));
    EXPECT_EQ(caption("Form26", "Label1"), "主人公の攻撃！敵に1のダメージ▼")
        << "the winning blow stays readable";
    EXPECT_EQ(caption("Form27", "Label1"), "勝利！");
    EXPECT_EQ(caption("Form27", "Label2"), "おめでとう！次も勝とう");
    // "次へ" takes the message along if the player left it open.
    click("Form27", "Command1");
    EXPECT_EQ(game.find("Form26"), nullptr);
}

// What a screen reader reads of each gauge: the damage its side still takes,
// of ten times its HP.
TEST_F(BattleTest, EachGaugeReadsTheDamageItsSideStillTakes) {
    s.strength = 13; // 9 a blow against type 1 (defence 4, stamina 5, attack 10)
    s.defense = 0;
    s.stamina = 1; // the hero takes 100
    fight(1);
    using Meter = std::pair<Var::Int, Var::Int>;
    auto left = [&](const char *bar) {
        const Control &c = control("Form25", bar);
        return Meter(c.meterValue(), c.meterMaximum());
    };
    EXPECT_EQ(left("Line4"), Meter(50, 50));
    EXPECT_EQ(left("Line2"), Meter(100, 100));
    click("Form25", "Command1");
    click("Form26", "Label1");
    EXPECT_EQ(left("Line4"), Meter(41, 50));
    EXPECT_EQ(left("Line2"), Meter(90, 100));
}

TEST_F(BattleTest, MessagesNameTheDamageAboveOneAndOneOtherwise) {
    s.strength = 10;
    s.defense = 1;
    fight(2); // attack 3, defence 7
    click("Form25", "Command1");
    EXPECT_EQ(caption("Form26", "Label1"), "主人公の攻撃！敵に3のダメージ▼");
    EXPECT_EQ(end("Line5"), 3135.0F + 168.0F * 3 / 4);
    click("Form26", "Label1");
    EXPECT_EQ(caption("Form26", "Label1"), "敵の攻撃！2のダメージ");
    EXPECT_EQ(end("Line3"), 2415.0F + 180.0F * 2 / 50);
    EXPECT_TRUE(control("Form25", "Line3").visible());

    s.strength = 7; // equal to the defence: one point
    fight(2);
    click("Form25", "Command1");
    EXPECT_EQ(caption("Form26", "Label1"), "主人公の攻撃！敵に1のダメージ▼");
}

TEST_F(BattleTest, ABlowThatReachesTheEndExactlyWinsAndTheOpponentDoesNotAnswer) {
    s.strength = 2;
    fight(5); // defence 1, stamina 1: each blow 168
    control("Form25", "Line5").setEnd(4631, 1800);
    click("Form25", "Command1");
    EXPECT_EQ(end("Line5"), 4799.0F);
    EXPECT_NE(game.find("Form25"), nullptr) << "4799 is not yet the end";
    click("Form26", "Label1");
    click("Form26", "Label1");

    control("Form25", "Line5").setEnd(4632, 1800);
    const int reseeds = ports.reseeds;
    click("Form25", "Command1");
    EXPECT_EQ(screens(), (std::vector<std::string>{"Form22(hidden)", "Form26", "Form27"}));
    const auto before = test::allVars(s);
    const std::string cells = cell(0, 1) + cell(1, 0);
    // A click on the winning blow only closes it: no answer, nothing else.
    click("Form26", "Label1");
    EXPECT_EQ(screens(), (std::vector<std::string>{"Form22(hidden)", "Form27"}));
    EXPECT_EQ(test::allVars(s), before);
    EXPECT_EQ(cell(0, 1) + cell(1, 0), cells);
    EXPECT_EQ(s.enemyTurnTaken, 0);
    EXPECT_EQ(ports.reseeds, reseeds);
    EXPECT_FALSE(control("Form22", "Command1").enabled()) << "the table waits for the result";
}

TEST_F(BattleTest, TheHeroFallsAtTheEndOfHisGaugeAndTheLossIsEntered) {
    s.stamina = 1; // HP 10: each point of damage 18
    s.defense = 9;
    fight(1); // attack 10
    click("Form25", "Command1");
    control("Form25", "Line3").setEnd(4181, 3720);
    click("Form26", "Label1");
    EXPECT_EQ(end("Line3"), 4199.0F);
    click("Form26", "Label1");
    EXPECT_TRUE(commandsEnabled());

    click("Form25", "Command1");
    control("Form25", "Line3").setEnd(4182, 3720);
    click("Form26", "Label1");
    EXPECT_EQ(screens(), (std::vector<std::string>{"Form22(hidden)", "Form27"}));
    EXPECT_EQ(caption("Form27", "Label1"), "敗北");
    EXPECT_EQ(caption("Form27", "Label2"), "残念！次は勝とう");

    // Played by the opponent: his circle, the hero's cross.
    s.entrants = 3; // a field that goes on, so the table comes back
    click("Form27", "Command1");
    EXPECT_EQ(screens(), std::vector<std::string>{"Form22"});
    EXPECT_EQ(cell(1, 0), "○");
    EXPECT_EQ(cell(0, 1), "×");

    // The next match starts with both gauges empty and the opponent's turn
    // pending after the hero's first action.
    click("Form22", "Command1");
    EXPECT_FALSE(control("Form25", "Line3").visible());
    EXPECT_FALSE(control("Form25", "Line5").visible());
    EXPECT_EQ(end("Line3"), 2415.0F);
    EXPECT_EQ(s.enemyTurnTaken, 0);
}

TEST_F(BattleTest, CommandsWaitForTheMessageAndOnlyTheAttackActs) {
    fight(4);
    for (const char *idle : {"Command3", "Command4"}) {
        click("Form25", idle);
        EXPECT_EQ(screens(), (std::vector<std::string>{"Form22(hidden)", "Form25"})) << idle;
    }
    click("Form25", "Command1");
    EXPECT_FALSE(commandsEnabled());
    game.click(control("Form25", "Command1")); // a click that slips through does nothing
    EXPECT_EQ(end("Line5"), 3135.0F + 168.0F * 2 / 3) << "one blow only";
    click("Form26", "Label1");
    EXPECT_FALSE(commandsEnabled());
    click("Form26", "Label1");
    EXPECT_EQ(game.find("Form26"), nullptr);
    EXPECT_TRUE(commandsEnabled());
}

TEST_F(BattleTest, AfterACastTheWindowOpensOnTheSpellsMessage) {
    fight(4);
    s.heroSpellPower = 3;
    s.spellAmount = 6;
    s.castKind = 5;
    game.dispatch([this] { game.show("Form26"); });
    EXPECT_EQ(caption("Form26", "Label1"), "主人公は魔法を唱えた！攻撃力が9あがった");
    EXPECT_EQ(s.castKind, 0);
    game.close("Form26");
    s.castKind = 3;
    game.dispatch([this] { game.show("Form26"); });
    EXPECT_EQ(caption("Form26", "Label1"), "主人公は魔法を唱えた！毒が消え去った");
}

} // namespace
} // namespace vermona
