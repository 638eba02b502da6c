// SPDX-License-Identifier: GPL-3.0-or-later
// The way into a tournament: the notice's countdown and join button, the
// cancellation, and the entry screen with its bet item.
#include "tests/tournament_test_support.h"

namespace vermona {
namespace {

struct EntryTest : test::TournamentTest {};

// Stands in for the item list in bet mode: hands "薬草" to the entry screen
// and ends bet mode, as the item list does.
class BetItemList : public GameScreen {
public:
    explicit BetItemList(Game &g) : GameScreen(g, "Form15", "アイテム一覧", 100, 100, 0) {
        Label8.onClick([this] {
            if (s.itemListFromEntry != 1) {
                return;
            }
            game_.control("Form21", "Label5").setCaption("薬草");
            s.itemListFromEntry = 0;
            changeTo("Form21");
        });
    }
    Control &Label8 = label("Label8", 0, "Label8", 0, 0, 100, 100);
};

TEST_F(EntryTest, NoticeCountsDownAndOffersToJoinOnlyOnTheDay) {
    s.daysToTournament = 3;
    open("Form20");
    EXPECT_EQ(caption("Form20", "Label1") + caption("Form20", "Label2") + caption("Form20", "Label3"),
              "次回開催は3日後です。");
    EXPECT_FALSE(control("Form20", "Command2").visible());
    click("Form20", "Command1");
    EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});

    s.daysToTournament = 0;
    open("Form20");
    EXPECT_EQ(caption("Form20", "Label2"), "0");
    EXPECT_TRUE(control("Form20", "Command2").visible());
}

TEST_F(EntryTest, WithoutEntrantsTheTournamentIsCancelledAndNothingChanges) {
    for (bool neverSet : {true, false}) {
        SCOPED_TRACE(neverSet ? "entrants empty" : "entrants 0");
        ports.boxes.clear();
        if (neverSet) {
            s.entrants.clear();
        } else {
            s.entrants = 0;
        }
        open("Form20");
        click("Form20", "Command2");
        ASSERT_EQ(ports.boxes.size(), 1U);
        EXPECT_EQ(ports.boxes[0].prompt, "今回は、参加者がいないため中止になりました");
        EXPECT_EQ(ports.boxes[0].title, "大会");
        EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
        EXPECT_EQ(s.daysToTournament, 0);
    }
}

TEST_F(EntryTest, EntryRefusesTheTableUntilAnItemIsNamed) {
    s.entrants = 4;
    open("Form20");
    click("Form20", "Command2");
    EXPECT_EQ(screens(), std::vector<std::string>{"Form21"});
    EXPECT_EQ(caption("Form21", "Label3"), "4");
    click("Form21", "Command2");
    ASSERT_EQ(ports.boxes.size(), 1U);
    EXPECT_EQ(ports.boxes[0].prompt, "アイテムを選んで下さい");
    EXPECT_EQ(ports.boxes[0].title, "大会受付");
    EXPECT_EQ(screens(), std::vector<std::string>{"Form21"});
}

TEST_F(EntryTest, BackFromTheEntryKeepsTheTournamentDay) {
    s.entrants = 2;
    open("Form21");
    click("Form21", "Command1");
    EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
    EXPECT_EQ(s.daysToTournament, 0);
    click("Form3", "Command4");
    EXPECT_TRUE(control("Form20", "Command2").visible());
}

TEST_F(EntryTest, TheItemListNamesTheBetOnceAndTheTableOpens) {
    game.registerScreen("Form15", [](Game &g) { return std::make_unique<BetItemList>(g); });
    s.entrants = 1;
    open("Form21");
    click("Form21", "Label5");
    EXPECT_EQ(s.itemListFromEntry, 1);
    EXPECT_EQ(screens(), std::vector<std::string>{"Form15"});
    s.entrants = 2; // the entry screen is made anew and shows the field as it is now
    click("Form15", "Label8", 0);
    EXPECT_EQ(screens(), std::vector<std::string>{"Form21"});
    EXPECT_EQ(s.itemListFromEntry, 0);
    EXPECT_EQ(caption("Form21", "Label5"), "薬草");
    EXPECT_EQ(caption("Form21", "Label3"), "2");

    ports.fractions = {0.0, 0.0};
    click("Form21", "Command2");
    EXPECT_EQ(screens(), std::vector<std::string>{"Form22"});
    EXPECT_TRUE(ports.boxes.empty());
}

} // namespace
} // namespace vermona
