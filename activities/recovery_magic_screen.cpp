// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activity_screens.h"
#include "activities/magic_lesson.h"

namespace vermona {

namespace {

class RecoveryMagicScreen : public MagicLessonScreen {
public:
    explicit RecoveryMagicScreen(Game &g)
        : MagicLessonScreen(g, ids::kRecoveryMagic, 4725, 2520, 0xFFFF80, JourneyTime::FourWeeks) {}

    // clang-format off
    Control &Label1 = label("Label1", "どの魔法？", 1200, 240, 1935, 495)
        .background(0xFF8080).foreground(0x0000FF).points(18);
    Control &Command1 = school("Command1", "HP回復", kHealMagic, 480, 1080, 1455, 495).background(0x00FFFF);
    Control &Command2 = school("Command2", "ステータス回復", kCureMagic, 2640, 1080, 1455, 495).background(0x00FF00);
    Control &Command3 = button("Command3", "戻る", 1680, 1920, 1335, 495).background(0xFF00FF).onClick([this] { back(); });
    // clang-format on
};

} // namespace

std::unique_ptr<Screen> makeRecoveryMagicScreen(Game &game) {
    return std::make_unique<RecoveryMagicScreen>(game);
}

} // namespace vermona
