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
    Control &Command1 = school("Command1", "攻撃力系", kPowerMagic, 360, 1200, 1335, 615).background(0xFF0000);
    Control &Command2 = school("Command2", "防御力系", kGuardMagic, 3480, 1200, 1335, 615).background(0xFF8000);
    Control &Command3 = school("Command3", "早さ系", kSpeedMagic, 360, 2400, 1335, 615).background(0xFFFF00);
    Control &Command4 = button("Command4", "戻る", 3480, 2400, 1335, 615).background(0xFFFFFF).onClick([this] { back(); });
    // clang-format on
};

} // namespace

std::unique_ptr<Screen> makeSupportMagicScreen(Game &game) {
    return std::make_unique<SupportMagicScreen>(game);
}

} // namespace vermona
