#include "activities/magic_lesson.h"

#include "core/game.h"

#include <utility>

namespace vermona {

MagicLessonScreen::MagicLessonScreen(Game &game, std::string id, int clientWidth, int clientHeight,
                                     Rgb background, JourneyTime time)
    : Screen(game, std::move(id), kJourneyTitle, clientWidth, clientHeight, background), time_(time) {}

void MagicLessonScreen::learn(Var &level, int topLevel) {
    // The spell list has nothing beyond a school's top level; a further
    // journey would cost money and a month and hide the school's best spell.
    if (level >= topLevel) {
        refuse("これ以上覚える魔法はありません");
        return;
    }
    if (tooLittleIntellect(level)) {
        refuse("ステータスが足りません");
        return;
    }
    for (const char *prompt : {"旅にでた・・・", "・・・・", "修行中・・・", "魔法を覚えた！！"}) {
        game_.msgBox(prompt, kOkOnly, kJourneyTitle);
    }
    level += 1;
    s.fatigue += 40;
    if (time_ == JourneyTime::FourWeeks) {
        s.week += 4;
    } else {
        s.month += 1;
    }
    s.money -= 1000;
    s.daysToTournament -= 4;
    changeTo("Form3");
}

void MagicLessonScreen::back() { changeTo("Form5"); }

// Each level asks for more intellect. Only the band of the current level is
// refused: intellect never falls in play, so a school raised past a band was
// raised with enough. Two-spell schools stop at level 2 before their band
// is asked.
bool MagicLessonScreen::tooLittleIntellect(const Var &level) const {
    switch (level.get()) {
    case 0:
        return s.intellect < 3;
    case 1:
        return 3 <= s.intellect && s.intellect < 8;
    case 2:
        return 8 <= s.intellect && s.intellect < 20;
    default:
        return false;
    }
}

void MagicLessonScreen::refuse(const char *prompt) {
    game_.msgBox(prompt, kOkOnly, kJourneyTitle);
    changeTo("Form3");
}

} // namespace vermona
