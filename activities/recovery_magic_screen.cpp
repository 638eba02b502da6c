#include "activities/activity_screens.h"
#include "activities/magic_lesson.h"

namespace vermona {

namespace {

class RecoveryMagicScreen : public MagicLessonScreen {
public:
    explicit RecoveryMagicScreen(Game &g)
        : MagicLessonScreen(g, ids::kRecoveryMagic, 4725, 2520, 0xFFFF80, JourneyTime::FourWeeks) {
        Label1.background = 0xFF8080;
        Label1.foreground = 0x0000FF;
        Label1.font.points = 18;
        Command1.background = 0x00FFFF;
        Command2.background = 0x00FF00;
        Command3.background = 0xFF00FF;
        Command1.onClick = [this] { Command1_Click(); };
        Command2.onClick = [this] { Command2_Click(); };
        Command3.onClick = [this] { Command3_Click(); };
    }

    Control &Label1 = label("Label1", "どの魔法？", 1200, 240, 1935, 495);
    Control &Command1 = button("Command1", "HP回復", 480, 1080, 1455, 495);
    Control &Command2 = button("Command2", "ステータス回復", 2640, 1080, 1455, 495);
    Control &Command3 = button("Command3", "戻る", 1680, 1920, 1335, 495);

    // Each school tells what its next level asks for.
    void Form_Load() override {
        showNeeds(Command1, s.healMagicLevel, 3);
        showNeeds(Command2, s.cureMagicLevel, 2);
    }

    // HP recovery has three spells, status recovery two.
    void Command1_Click() { learn(s.healMagicLevel, 3); }
    void Command2_Click() { learn(s.cureMagicLevel, 2); }
    void Command3_Click() { back(); }
};

} // namespace

std::unique_ptr<Screen> makeRecoveryMagicScreen(Game &game) {
    return std::make_unique<RecoveryMagicScreen>(game);
}

} // namespace vermona
