#include "activities/activity_screens.h"
#include "activities/magic_lesson.h"

namespace vermona {

namespace {

class AttackMagicScreen : public MagicLessonScreen {
public:
    explicit AttackMagicScreen(Game &g)
        : MagicLessonScreen(g, ids::kAttackMagic, 4680, 3195, 0xFFFF00, JourneyTime::FourWeeks) {
        Label1.background = 0x00FF00;
        Label1.font.points = 18;
        Command1.background = 0xFF0000;
        Command2.background = 0x00FFFF;
        Command3.background = 0xFFFF00;
        Command4.background = 0xFFFFFF;
        Command5.background = 0xC000C0;
        Command1.onClick = [this] { Command1_Click(); };
        Command2.onClick = [this] { Command2_Click(); };
        Command3.onClick = [this] { Command3_Click(); };
        Command4.onClick = [this] { Command4_Click(); };
        Command5.onClick = [this] { Command5_Click(); };
    }

    Control &Label1 = label("Label1", "どの種類の魔法？", 720, 120, 3015, 495);
    Control &Command1 = button("Command1", "炎系", 600, 960, 975, 495);
    Control &Command2 = button("Command2", "水系", 2760, 960, 975, 495);
    Control &Command3 = button("Command3", "雷系", 2760, 2160, 975, 495);
    Control &Command4 = button("Command4", "無属性", 600, 2160, 975, 495);
    Control &Command5 = button("Command5", "戻る", 1800, 1560, 735, 495);

    // Each school tells what its next level asks for.
    void Form_Load() override {
        showNeeds(Command1, s.fireMagicLevel, 3);
        showNeeds(Command2, s.waterMagicLevel, 3);
        showNeeds(Command3, s.thunderMagicLevel, 3);
        showNeeds(Command4, s.neutralMagicLevel, 3);
    }

    // Every attack school has three spells.
    void Command1_Click() { learn(s.fireMagicLevel, 3); }
    void Command2_Click() { learn(s.waterMagicLevel, 3); }
    void Command3_Click() { learn(s.thunderMagicLevel, 3); }
    void Command4_Click() { learn(s.neutralMagicLevel, 3); }
    void Command5_Click() { back(); }
};

} // namespace

std::unique_ptr<Screen> makeAttackMagicScreen(Game &game) {
    return std::make_unique<AttackMagicScreen>(game);
}

} // namespace vermona
