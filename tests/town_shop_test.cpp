// SPDX-License-Identifier: GPL-3.0-or-later
// The buy lists: what a purchase and a sale ask, refuse, take and give.
#include "tests/activities_test_support.h"
#include "tests/game_driver.h"

#include <gtest/gtest.h>

namespace vermona {
namespace {

struct ShopTest : ::testing::Test, test::GameDriver {
    void SetUp() override {
        test::prepareHero(s);
        s.shopMode = 0;
    }
};

struct Goods {
    const char *screen;
    const char *row;
    const char *title;
    int price;
    Var GameState::*owned; // null for the herb, which is counted
    Var GameState::*bonus;
    int value;
};

const Goods kGoods[] = {
    {"Form14", "Label4", "防具屋", 200, &GameState::ownsWoodShield, &GameState::shieldDefense, 2},
    {"Form14", "Label5", "防具屋", 300, &GameState::ownsIronShield, &GameState::shieldDefense, 4},
    {"Form14", "Label6", "防具屋", 450, &GameState::ownsSteelShield, &GameState::shieldDefense, 7},
    {"Form18", "Label2", "武器屋", 300, &GameState::ownsKnife, &GameState::weaponAttack, 3},
    {"Form18", "Label3", "武器屋", 600, &GameState::ownsSword, &GameState::weaponAttack, 5},
    {"Form24", "Label2", "アイテム屋", 50, nullptr, nullptr, 0},
};

// The herb is a single label; other goods are rows, clicked on their price.
void clickGoods(test::GameDriver &t, const Goods &g) {
    t.click(g.screen, g.row, g.owned == nullptr ? -1 : 1);
}

TEST_F(ShopTest, ExactlyThePriceBuysAndOneGLessIsRefused) {
    for (const Goods &g : kGoods) {
        SCOPED_TRACE(std::string(g.screen) + "." + g.row);
        s.money = g.price - 1;
        ports.boxes.clear();
        open(g.screen);
        clickGoods(*this, g);
        ASSERT_EQ(prompts(), std::vector<std::string>{"お金が足りないよ"});
        EXPECT_EQ(ports.boxes[0].title, g.title);
        EXPECT_EQ(ports.boxes[0].style, kOkOnly);
        EXPECT_EQ(s.money, g.price - 1);

        s.money = g.price;
        ports.boxes.clear();
        ports.seen.clear();
        ports.answers = {kYes};
        clickGoods(*this, g);
        ASSERT_EQ(prompts(), std::vector<std::string>{"これでいいのかい？"});
        EXPECT_EQ(ports.boxes[0].style, kYesNo | kDefaultNo) << "Enter keeps the money";
        EXPECT_EQ(ports.boxes[0].title, g.title);
        EXPECT_EQ(ports.seen[0].money, g.price) << "nothing is taken while the box is up";
        EXPECT_EQ(s.money, 0);
        EXPECT_EQ(s.answer, kYes);
        EXPECT_EQ(*s.msgText, "これでいいのかい？");
        EXPECT_EQ(s.msgStyle, kYesNo);
        EXPECT_EQ(*s.msgTitle, g.title);
        if (g.owned != nullptr) {
            EXPECT_EQ(s.*g.owned, 1);
            EXPECT_EQ(s.*g.bonus, g.value);
        } else {
            EXPECT_EQ(s.herbs, 1);
        }
    }
    // Every item bought is still owned.
    for (Var *owned :
         {&s.ownsWoodShield, &s.ownsIronShield, &s.ownsSteelShield, &s.ownsKnife, &s.ownsSword}) {
        EXPECT_EQ(*owned, 1);
    }
    // The last purchase sets the bonus, even when weaker than what was held.
    EXPECT_EQ(s.shieldDefense, 7);
}

TEST_F(ShopTest, MoneyIsCheckedBeforePossession) {
    s.ownsWoodShield = 1;
    s.shieldDefense = 2;
    s.money = 150;
    open("Form14");
    const auto before = test::allVars(s);
    click("Form14", "Label4", 0);
    s.money = 200;
    click("Form14", "Label4", 2);
    EXPECT_EQ(prompts(), (std::vector<std::string>{"お金が足りないよ", "もう持ってるよ"}));
    EXPECT_EQ(ports.boxes[1].title, "防具屋");
    EXPECT_EQ(ports.boxes[1].style, kOkOnly);
    auto after = test::allVars(s);
    after["money"] = "150";
    EXPECT_EQ(after, before) << "a refusal changes nothing, the message variables included";
}

TEST_F(ShopTest, NoChangesOnlyTheAnswerAndTheMessage) {
    s.ownsKnife = 1;
    s.weaponAttack = 3;
    struct Case {
        const char *screen, *row;
        int mode;
        const char *prompt;
    };
    const Case cases[] = {
        {"Form14", "Label6", 0, "これでいいのかい？"},
        {"Form18", "Label2", 1, "１５０Ｇだけどいいかい？"},
        {"Form24", "Label2", 0, "これでいいのかい？"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.screen);
        s.shopMode = c.mode;
        open(c.screen);
        auto expected = test::allVars(s);
        ports.answers = {kNo};
        click(c.screen, c.row, std::string(c.screen) == "Form24" ? -1 : 0);
        expected["answer"] = "7";
        expected["msgText"] = c.prompt;
        expected["msgStyle"] = "4";
        expected["msgTitle"] = game.find(c.screen)->caption();
        EXPECT_EQ(test::allVars(s), expected);
    }
}

TEST_F(ShopTest, SellingHidesOnlyTheFirstRowNotOwned) {
    auto rowVisible = [this](const char *screen, const char *row) {
        bool all = true;
        bool none = true;
        for (int i = 0; i < 3; ++i) {
            const bool v = control(screen, row, i).visible();
            all = all && v;
            none = none && !v;
        }
        EXPECT_TRUE(all || none) << row << " is hidden as a whole or not at all";
        return all;
    };
    s.ownsSteelShield = 1;
    s.shopMode = 1;
    open("Form14");
    EXPECT_FALSE(rowVisible("Form14", "Label4"));
    EXPECT_TRUE(rowVisible("Form14", "Label5"));
    EXPECT_TRUE(rowVisible("Form14", "Label6"));
    EXPECT_EQ(caption("Form14", "Label1"), "何を買うんだい？買いたいアイテムをクリックしてくれ");
    // The iron shield is not owned: offering it to the shop does nothing.
    const auto before = test::allVars(s);
    click("Form14", "Label5", 0);
    EXPECT_TRUE(ports.boxes.empty());
    EXPECT_EQ(test::allVars(s), before);
    ports.answers = {kYes};
    click("Form14", "Label6", 1);
    EXPECT_EQ(prompts(), std::vector<std::string>{"２２５Ｇだけどいいかい？"});
    EXPECT_EQ(s.money, 1225);
    EXPECT_EQ(s.ownsSteelShield, 0);

    // Nothing owned: still only the first row goes.
    open("Form18");
    EXPECT_FALSE(rowVisible("Form18", "Label2"));
    EXPECT_TRUE(rowVisible("Form18", "Label3"));
    // Buying shows every row, owned or not.
    s.shopMode = 0;
    open("Form18");
    EXPECT_TRUE(rowVisible("Form18", "Label2"));
    open("Form14");
    EXPECT_TRUE(rowVisible("Form14", "Label4"));
}

TEST_F(ShopTest, ASaleTakesAwayTheBonusOnlyOfTheItemSold) {
    s.ownsWoodShield = 1;
    s.ownsSteelShield = 1;
    s.shieldDefense = 2; // the wood shield is in use
    s.shopMode = 1;
    ports.answers = {kYes, kYes};
    open("Form14");
    click("Form14", "Label6", 0);
    EXPECT_EQ(s.shieldDefense, 2);
    click("Form14", "Label4", 0);
    EXPECT_EQ(prompts(), (std::vector<std::string>{"２２５Ｇだけどいいかい？", "１００Ｇだけどいいかい？"}));
    EXPECT_EQ(s.money, 1325);
    EXPECT_EQ(s.shieldDefense, 0);
    EXPECT_EQ(s.ownsWoodShield, 0);
    // The sale asks no other screen what is equipped.
    EXPECT_EQ(game.find("Form15"), nullptr);

    s.ownsKnife = 1;
    s.ownsSword = 1;
    s.weaponAttack = 5;
    ports.answers = {kYes, kYes};
    open("Form18");
    click("Form18", "Label2", 2);
    EXPECT_EQ(s.weaponAttack, 5);
    click("Form18", "Label3", 0);
    EXPECT_EQ(prompts().back(), "３００Ｇだけどいいかい？");
    EXPECT_EQ(s.weaponAttack, 0);
    EXPECT_EQ(s.money, 1325 + 150 + 300);
}

TEST_F(ShopTest, EquippedOnTheItemScreenAndSoldAfterLeavingItIsGone) {
    // Equipped through the item screen, which is then left and made anew.
    s.ownsWoodShield = 1;
    s.shieldDefense = 0;
    open("Form15");
    click("Form15", "Label4");
    click("Form16", "Label3", 0);
    click("Form16", "Command1");
    click("Form15", "Command1");
    open("Form15");
    EXPECT_EQ(caption("Form15", "Label4"), "盾");
    ASSERT_EQ(s.shieldDefense, 2);
    s.shopMode = 1;
    ports.answers = {kYes};
    open("Form14");
    click("Form14", "Label4", 0);
    EXPECT_EQ(s.shieldDefense, 0);
}

TEST_F(ShopTest, EachHerbBoughtIsOneMore) {
    s.money = 100;
    ports.answers = {kYes, kYes};
    open("Form24");
    click("Form24", "Label2");
    click("Form24", "Label2");
    EXPECT_EQ(s.herbs, 2);
    EXPECT_EQ(s.money, 0);
    click("Form24", "Label2");
    EXPECT_EQ(prompts().back(), "お金が足りないよ");

    s.shopMode = 1;
    ports.answers = {kYes, kYes};
    ports.boxes.clear();
    open("Form24");
    click("Form24", "Label2");
    click("Form24", "Label2");
    EXPECT_EQ(prompts(), (std::vector<std::string>{"２５Ｇだけどいいかい？", "２５Ｇだけどいいかい？"}));
    EXPECT_EQ(ports.boxes[0].title, "アイテム屋");
    EXPECT_EQ(s.herbs, 0);
    EXPECT_EQ(s.money, 50);
    // None left to sell: not even a box.
    click("Form24", "Label2");
    EXPECT_EQ(ports.boxes.size(), 2U);
    EXPECT_EQ(s.herbs, 0);
}

TEST_F(ShopTest, EveryWayOutOfAListBuysAgain) {
    for (const char *list : {"Form14", "Form18", "Form24"}) {
        SCOPED_TRACE(list);
        s.shopMode = 1;
        open(list);
        click(list, "Command1");
        EXPECT_EQ(s.shopMode, 0);
    }
}

} // namespace
} // namespace vermona
