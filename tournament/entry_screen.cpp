// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_screen.h"
#include "tournament/tournament_screens.h"

namespace vermona {

namespace {

// The caption of Label5 while no bet item has been named.
constexpr const char *kNoItem = "アイテム一覧";

class EntryScreen : public GameScreen {
public:
    explicit EntryScreen(Game &g) : GameScreen(g, ids::kEntry, "大会参加", 4680, 3195, kFormFace) {}

    // clang-format off
    Control &Label1 = label("Label1", "現在の参加人数", 240, 480, 1695, 255).background(0xFFFF00).points(12);
    Control &Label3 = label("Label3", "Label3", 2160, 480, 735, 255).background(0xFFFF00).points(12);
    Control &Label2 = label("Label2", "人", 2880, 480, 255, 255).background(0xFFFF00).points(12);
    Control &Label4 = label("Label4", "かけるアイテム", 240, 1080, 1695, 255).background(0x00FF00).points(12);
    Control &Label5 = label(ids::entry::kBet, kNoItem, 2160, 1080, 1335, 240)
        .background(0x00FF00).points(12).autoSize().onClick([this] { Label5_Click(); });
    Control &Command1 = button("Command1", "戻る", 1080, 1920, 855, 495).onClick([this] { Command1_Click(); });
    Control &Command2 = button("Command2", "大会へ", 2280, 1920, 855, 495).onClick([this] { Command2_Click(); });
    // clang-format on

    // The count is one sentence over its three labels.
    void Form_Load() override {
        const Text sentence = Text("現在の参加人数|%n|人").count(s.entrants);
        Label1.setCaption(Text(sentence).part(0));
        Label3.setCaption(Text(sentence).part(1));
        Label2.setCaption(Text(sentence).part(2));
    }

    // The item list hands the chosen item back through Label5 and resets
    // the flag, so only this one choice leads back here.
    void Label5_Click() {
        s.itemListFromEntry = 1;
        changeTo(ids::kItemList);
    }

    // Back to the menu; the tournament day stays, so the notice can be
    // opened again.
    void Command1_Click() { changeTo(ids::kMainMenu); }

    void Command2_Click() {
        if (Label5.caption() == kNoItem) {
            game_.msgBox("アイテムを選んで下さい", kOkOnly, "大会受付");
            return;
        }
        changeTo(ids::kTable);
    }
};

} // namespace

std::unique_ptr<Screen> makeEntryScreen(Game &game) { return std::make_unique<EntryScreen>(game); }

} // namespace vermona
