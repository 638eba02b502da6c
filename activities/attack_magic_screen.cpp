// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activity_screens.h"
#include "activities/magic_lesson.h"

namespace vermona {

namespace {

class AttackMagicScreen : public MagicLessonScreen {
public:
    explicit AttackMagicScreen(Game &g)
        : MagicLessonScreen(g, ids::kAttackMagic, 4680, 3195, 0xFFFF00, JourneyTime::FourWeeks) {}

    // clang-format off
    Control &Label1 = label("Label1", "どの種類の魔法？", 720, 120, 3015, 495).background(0x00FF00).points(18);
    Control &Command1 = button("Command1", "炎系", 600, 960, 975, 495)
        .background(0xFF0000).onClick([this] { Command1_Click(); });
    Control &Command2 = button("Command2", "水系", 2760, 960, 975, 495)
        .background(0x00FFFF).onClick([this] { Command2_Click(); });
    Control &Command3 = button("Command3", "雷系", 2760, 2160, 975, 495)
        .background(0xFFFF00).onClick([this] { Command3_Click(); });
    Control &Command4 = button("Command4", "無属性", 600, 2160, 975, 495)
        .background(0xFFFFFF).onClick([this] { Command4_Click(); });
    Control &Command5 = button("Command5", "戻る", 1800, 1560, 735, 495)
        .background(0xC000C0).onClick([this] { Command5_Click(); });
    // clang-format on

    // Each school tells what its next level asks for.
    void Form_Load() override {
        showNeeds(Command1, kFireMagic);
        showNeeds(Command2, kWaterMagic);
        showNeeds(Command3, kThunderMagic);
        showNeeds(Command4, kNeutralMagic);
    }

    void Command1_Click() { learn(kFireMagic); }
    void Command2_Click() { learn(kWaterMagic); }
    void Command3_Click() { learn(kThunderMagic); }
    void Command4_Click() { learn(kNeutralMagic); }
    void Command5_Click() { back(); }
};

} // namespace

std::unique_ptr<Screen> makeAttackMagicScreen(Game &game) {
    return std::make_unique<AttackMagicScreen>(game);
}

} // namespace vermona
