// SPDX-License-Identifier: GPL-3.0-or-later
// The item list and the equipment change: what they list, what a click
// equips, how long a name stays on the item list, and the bet handed to the
// tournament entry.
#include "tests/activities_test_support.h"
#include "tests/game_driver.h"

#include <gtest/gtest.h>

namespace vermona {
namespace {

struct EquipmentTest : ::testing::Test, test::GameDriver {
    void SetUp() override {
        test::prepareHero(s);
        s.shopMode = 0;
    }
    // Name and value shown in each of the five rows; empty for a hidden row.
    std::vector<std::string> listed() const {
        std::vector<std::string> out;
        for (const char *row : {"Label3", "Label4", "Label5", "Label6", "Label7"}) {
            const Control &name = control("Form16", row, 0);
            const Control &value = control("Form16", row, 1);
            EXPECT_EQ(name.visible(), value.visible()) << row;
            out.push_back(name.visible() ? name.caption() + " " + value.caption() : "");
        }
        return out;
    }
};

TEST_F(EquipmentTest, EveryOwnedItemOfTheKindIsListedInOrder) {
    s.ownsKnife = 1;
    s.ownsSword = 1;
    s.ownsIronShield = 1;
    s.ownsSteelShield = 1;
    open("Form15");
    click("Form15", "Label2");
    EXPECT_EQ(s.equipKind, 1);
    EXPECT_EQ(caption("Form16", "Label2"), "攻撃力");
    EXPECT_EQ(listed(), (std::vector<std::string>{"ナイフ ３", "ソード ５", "", "", ""}));
    EXPECT_EQ(s.equipChoice, 1);
    EXPECT_EQ(s.equipStep, 0) << "only counts while the list is filled";

    open("Form15");
    click("Form15", "Label4");
    EXPECT_EQ(caption("Form16", "Label2"), "防御力");
    EXPECT_EQ(listed(), (std::vector<std::string>{"鉄の盾 ４", "鋼鉄の盾 ７", "", "", ""}));
    EXPECT_EQ(s.equipChoice, 2);

    s.ownsKnife = 0;
    open("Form15");
    click("Form15", "Label2");
    EXPECT_EQ(listed(), (std::vector<std::string>{"ソード ５", "", "", "", ""}));
    EXPECT_EQ(s.equipChoice, 2);

    // Armour and accessories have no items.
    for (const char *kind : {"Label3", "Label5"}) {
        open("Form15");
        click("Form15", kind);
        EXPECT_EQ(caption("Form16", "Label2"), "攻撃力");
        EXPECT_EQ(listed(), (std::vector<std::string>(5, "")));
    }
}

TEST_F(EquipmentTest, AnyListedRowEquipsItsItem) {
    s.ownsKnife = 1;
    s.ownsSword = 1;
    s.weaponAttack = 3;
    open("Form15");
    click("Form15", "Label2");
    click("Form16", "Label4", 0);
    EXPECT_EQ(s.weaponAttack, 5);
    // The item list is made afresh behind the scenes and carries the name.
    ASSERT_NE(game.find("Form15"), nullptr);
    EXPECT_FALSE(game.find("Form15")->visible());
    EXPECT_EQ(caption("Form15", "Label2"), "ソード");
    click("Form16", "Label3", 1);
    EXPECT_EQ(s.weaponAttack, 3);
    EXPECT_EQ(caption("Form15", "Label2"), "ナイフ");
    EXPECT_EQ(screens(), (std::vector<std::string>{"Form16", "Form15(hidden)"}));

    s.ownsWoodShield = 1;
    s.ownsSteelShield = 1;
    s.shieldDefense = 2;
    open("Form15");
    click("Form15", "Label4");
    click("Form16", "Label4", 1);
    EXPECT_EQ(s.shieldDefense, 7);
    EXPECT_EQ(caption("Form15", "Label4"), "鋼鉄の盾");
    EXPECT_EQ(s.weaponAttack, 3);
}

TEST_F(EquipmentTest, TheEquippedNameLastsUntilTheItemListIsLeft) {
    s.ownsIronShield = 1;
    s.herbs = 2;
    open("Form15");
    click("Form15", "Label4");
    click("Form16", "Label3", 0);
    s.equipStep = 3; // whatever it was, the way back clears it
    click("Form16", "Command1");
    EXPECT_EQ(screens(), std::vector<std::string>{"Form15"});
    EXPECT_EQ(caption("Form15", "Label4"), "鉄の盾");
    EXPECT_EQ(s.equipChoice, 0);
    EXPECT_EQ(s.equipStep, 0);

    click("Form15", "Command1");
    EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
    click("Form3", "Command2");
    EXPECT_EQ(caption("Form15", "Label4"), "盾");
    EXPECT_EQ(s.shieldDefense, 4);
}

TEST_F(EquipmentTest, TheItemListShowsTheHerbsHeld) {
    open("Form15");
    EXPECT_EQ(caption("Form15", "Label8", 0), "Label8");
    EXPECT_TRUE(control("Form15", "Label8", 0).visible());
    EXPECT_FALSE(control("Form15", "Label8", 1).visible());
    EXPECT_FALSE(control("Form15", "Label9", 0).visible());
    s.herbs = 3;
    open("Form15");
    EXPECT_EQ(caption("Form15", "Label8", 0), "薬草");
    EXPECT_EQ(caption("Form15", "Label8", 1), "3");
    EXPECT_TRUE(control("Form15", "Label8", 1).visible());
    // Opened from the menu, an item row does nothing.
    const auto before = test::allVars(s);
    click("Form15", "Label8", 1);
    EXPECT_EQ(screens(), std::vector<std::string>{"Form15"});
    EXPECT_EQ(test::allVars(s), before);
}

// Stands in for the tournament entry screen: the label the bet is named in.
class EntryProbe : public Screen {
public:
    EntryProbe(Game &g, int *loads) : Screen(g, "Form21", "probe", 100, 100, 0), loads_(loads) {}
    void Form_Load() override { ++*loads_; }
    Control &Label5 = label("Label5", "アイテム一覧", 0, 0, 100, 100);

private:
    int *loads_;
};

TEST_F(EquipmentTest, TheBetIsHandedToTheEntryScreenOnce) {
    s.itemListFromEntry = 1;
    open("Form15");
    int loads = 0;
    game.registerScreen("Form21", [&loads](Game &g) { return std::make_unique<EntryProbe>(g, &loads); });
    click("Form15", "Label8", 0);
    EXPECT_EQ(screens(), std::vector<std::string>{"Form21"});
    EXPECT_TRUE(game.find("Form21")->visible());
    EXPECT_EQ(caption("Form21", "Label5"), "薬草");
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(s.itemListFromEntry, 0);

    // Later, from the main menu, the same row is an ordinary one again.
    open("Form15");
    click("Form15", "Label8", 0);
    EXPECT_EQ(screens(), std::vector<std::string>{"Form15"});

    // Left without a choice, the list forgets the entry screen as well.
    s.itemListFromEntry = 1;
    click("Form15", "Command1");
    EXPECT_EQ(s.itemListFromEntry, 0);
    EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
}

} // namespace
} // namespace vermona
