// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activity_screens.h"
#include "activities/magic_lesson.h"
#include "data/game_screen.h"

namespace vermona {

namespace {

class JourneyScreen : public GameScreen {
public:
    explicit JourneyScreen(Game &g) : GameScreen(g, ids::kJourney, kJourneyTitle, 4680, 3195, 0x8080FF) {}

    // clang-format off
    Control &Label1 = label("Label1", "魔法修得の旅へ行きます。１ヶ月ほどかかります。", 120, 120, 4215, 735)
        .background(0x80FF80).points(15.75);
    Control &Label2 = label("Label2", "旅費として、１０００Gかかります。", 120, 960, 2295, 735)
        .background(0x00FF00).foreground(0x000000).points(14.25);
    Control &Command2 = button("Command2", "攻撃魔法修得へ", 2640, 1080, 1575, 495)
        .background(0xFFC080).bold().onClick([this] { Command2_Click(); });
    Control &Command3 = button("Command3", "回復魔法修得へ", 2640, 1800, 1575, 495)
        .background(0xFF80FF).bold().onClick([this] { Command3_Click(); });
    Control &Command4 = button("Command4", "補助魔法修得へ", 2640, 2520, 1575, 495)
        .background(0xE0E0E0).bold().onClick([this] { Command4_Click(); });
    Control &Command1 = button("Command1", "やめる", 240, 2040, 975, 495)
        .background(0xFFFF80).onClick([this] { Command1_Click(); });
    // clang-format on

    void Command1_Click() { changeTo(ids::kSchedule); }
    void Command2_Click() { chooseFamily(ids::kAttackMagic); }
    void Command3_Click() { chooseFamily(ids::kRecoveryMagic); }
    void Command4_Click() { chooseFamily(ids::kSupportMagic); }

private:
    // The fare is only checked here; the choice screen takes it.
    void chooseFamily(std::string_view family) {
        if (s.money < kJourneyCost) {
            game_.msgBox("お金が足りません", kOkOnly, kJourneyTitle);
            changeTo(ids::kMainMenu);
            return;
        }
        changeTo(family);
    }
};

} // namespace

std::unique_ptr<Screen> makeJourneyScreen(Game &game) { return std::make_unique<JourneyScreen>(game); }

} // namespace vermona
