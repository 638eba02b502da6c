// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_screen.h"
#include "tournament/tournament_screens.h"

namespace vermona {

namespace {

class NoticeScreen : public GameScreen {
public:
    explicit NoticeScreen(Game &g) : GameScreen(g, ids::kNotice, "大会", 5130, 3810, kFormFace) {
        setReaderDescription("大会のお知らせ");
    }

    // clang-format off
    Control &Label1 = label("Label1", "次回開催は", 480, 600, 1695, 375).background(0xFFFF00).points(15.75);
    Control &Label2 = label("Label2", "０", 2160, 600, 375, 375).background(0xFFFF00).points(15.75);
    Control &Label3 = label("Label3", "日後です。", 2520, 600, 1575, 375).background(0xFFFF00).points(15.75);
    Control &Command2 = button("Command2", "大会に参加する", 1920, 1680, 1335, 615)
        .background(0xFF80FF).hidden().onClick([this] { Command2_Click(); });
    Control &Command1 = button("Command1", "戻る", 840, 3000, 1095, 495)
        .background(0x0000FF).onClick([this] { Command1_Click(); });
    // clang-format on

    // The countdown is one sentence over the three labels; on the day itself
    // a language may say so instead of counting.
    void Form_Load() override {
        const Text sentence = (s.daysToTournament == 0 ? Text::meaning("次回開催は|%n|日後です。", "today")
                                                       : Text("次回開催は|%n|日後です。"))
                                  .count(s.daysToTournament);
        Label1.setCaption(Text(sentence).part(0));
        Label2.setCaption(Text(sentence).part(1));
        Label3.setCaption(Text(sentence).part(2));
        if (s.daysToTournament == 0) {
            Command2.setVisible(true);
        }
    }

    void Command1_Click() { changeTo(ids::kMainMenu); }

    void Command2_Click() {
        if (s.entrants == 0) {
            game_.msgBox("今回は、参加者がいないため中止になりました", kOkOnly, "大会");
            changeTo(ids::kMainMenu);
            return;
        }
        changeTo(ids::kEntry);
    }
};

} // namespace

std::unique_ptr<Screen> makeNoticeScreen(Game &game) { return std::make_unique<NoticeScreen>(game); }

} // namespace vermona
