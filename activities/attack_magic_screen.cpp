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
    Control &Command1 = school("Command1", "炎系", kFireMagic, 600, 960, 975, 495).background(0xFF0000);
    Control &Command2 = school("Command2", "水系", kWaterMagic, 2760, 960, 975, 495).background(0x00FFFF);
    Control &Command3 = school("Command3", "雷系", kThunderMagic, 2760, 2160, 975, 495).background(0xFFFF00);
    Control &Command4 = school("Command4", "無属性", kNeutralMagic, 600, 2160, 975, 495).background(0xFFFFFF);
    Control &Command5 = button("Command5", "戻る", 1800, 1560, 735, 495).background(0xC000C0).onClick([this] { back(); });
    // clang-format on
};

} // namespace

std::unique_ptr<Screen> makeAttackMagicScreen(Game &game) {
    return std::make_unique<AttackMagicScreen>(game);
}

} // namespace vermona
