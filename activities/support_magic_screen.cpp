// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activity_screens.h"
#include "activities/magic_lesson.h"

namespace vermona {

namespace {

// A support journey takes a calendar month, so it ends in the same week of
// the next month rather than in its first week.
class SupportMagicScreen : public MagicLessonScreen {
public:
    explicit SupportMagicScreen(Game &g)
        : MagicLessonScreen(g, ids::kSupportMagic, 5310, 3915, 0x8CC232, JourneyTime::OneMonth) {}

    // clang-format off
    Control &Label1 = label("Label1", "どの魔法？", 1320, 360, 2655, 495).background(0xC943BB).points(18);
    Control &Command1 = button("Command1", "攻撃力系", 360, 1200, 1335, 615)
        .background(0xFF0000).onClick([this] { Command1_Click(); });
    Control &Command2 = button("Command2", "防御力系", 3480, 1200, 1335, 615)
        .background(0xFF8000).onClick([this] { Command2_Click(); });
    Control &Command3 = button("Command3", "早さ系", 360, 2400, 1335, 615)
        .background(0xFFFF00).onClick([this] { Command3_Click(); });
    Control &Command4 = button("Command4", "戻る", 3480, 2400, 1335, 615)
        .background(0xFFFFFF).onClick([this] { Command4_Click(); });
    // clang-format on

    // Each school tells what its next level asks for.
    void Form_Load() override {
        showNeeds(Command1, kPowerMagic);
        showNeeds(Command2, kGuardMagic);
        showNeeds(Command3, kSpeedMagic);
    }

    void Command1_Click() { learn(kPowerMagic); }
    void Command2_Click() { learn(kGuardMagic); }
    void Command3_Click() { learn(kSpeedMagic); }
    void Command4_Click() { back(); }
};

} // namespace

std::unique_ptr<Screen> makeSupportMagicScreen(Game &game) {
    return std::make_unique<SupportMagicScreen>(game);
}

} // namespace vermona
