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
    Control &Command1 = button("Command1", "HP回復", 480, 1080, 1455, 495)
        .background(0x00FFFF).onClick([this] { Command1_Click(); });
    Control &Command2 = button("Command2", "ステータス回復", 2640, 1080, 1455, 495)
        .background(0x00FF00).onClick([this] { Command2_Click(); });
    Control &Command3 = button("Command3", "戻る", 1680, 1920, 1335, 495)
        .background(0xFF00FF).onClick([this] { Command3_Click(); });
    // clang-format on

    // Each school tells what its next level asks for.
    void Form_Load() override {
        showNeeds(Command1, kHealMagic);
        showNeeds(Command2, kCureMagic);
    }

    void Command1_Click() { learn(kHealMagic); }
    void Command2_Click() { learn(kCureMagic); }
    void Command3_Click() { back(); }
};

} // namespace

std::unique_ptr<Screen> makeRecoveryMagicScreen(Game &game) {
    return std::make_unique<RecoveryMagicScreen>(game);
}

} // namespace vermona
