#include "activities/activity_screens.h"
#include "activities/magic_lesson.h"

namespace vermona {

namespace {

// A support journey takes a calendar month, so it ends in the same week of
// the next month rather than in its first week.
class SupportMagicScreen : public MagicLessonScreen {
public:
    explicit SupportMagicScreen(Game &g)
        : MagicLessonScreen(g, ids::kSupportMagic, 5310, 3915, 0x8CC232, JourneyTime::OneMonth) {
        Label1.background = 0xC943BB;
        Label1.font.points = 18;
        Command1.background = 0xFF0000;
        Command2.background = 0xFF8000;
        Command3.background = 0xFFFF00;
        Command4.background = 0xFFFFFF;
        Command1.onClick = [this] { Command1_Click(); };
        Command2.onClick = [this] { Command2_Click(); };
        Command3.onClick = [this] { Command3_Click(); };
        Command4.onClick = [this] { Command4_Click(); };
    }

    Control &Label1 = label("Label1", "どの魔法？", 1320, 360, 2655, 495);
    Control &Command1 = button("Command1", "攻撃力系", 360, 1200, 1335, 615);
    Control &Command2 = button("Command2", "防御力系", 3480, 1200, 1335, 615);
    Control &Command3 = button("Command3", "早さ系", 360, 2400, 1335, 615);
    Control &Command4 = button("Command4", "戻る", 3480, 2400, 1335, 615);

    // Each school tells what its next level asks for.
    void Form_Load() override {
        showNeeds(Command1, s.powerMagicLevel, 2);
        showNeeds(Command2, s.guardMagicLevel, 2);
        showNeeds(Command3, s.speedMagicLevel, 2);
    }

    // Every support school has two spells.
    void Command1_Click() { learn(s.powerMagicLevel, 2); }
    void Command2_Click() { learn(s.guardMagicLevel, 2); }
    void Command3_Click() { learn(s.speedMagicLevel, 2); }
    void Command4_Click() { back(); }
};

} // namespace

std::unique_ptr<Screen> makeSupportMagicScreen(Game &game) {
    return std::make_unique<SupportMagicScreen>(game);
}

} // namespace vermona
