// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/magic_lesson.h"

#include "data/game_screen.h"

#include <limits>
#include <utility>

namespace vermona {

MagicLessonScreen::MagicLessonScreen(Game &game, std::string_view id, int clientWidth, int clientHeight,
                                     Rgb background, JourneyTime time)
    : GameScreen(game, id, kJourneyTitle, clientWidth, clientHeight, background), time_(time) {}

namespace {
constexpr int kJourneyFatigue = 40;
} // namespace

Text journeyTip() {
    return Text("費用 %1G　期間 約1か月").arg(kJourneyCost) + Text("\n") +
           Text("疲労 +%1").arg(kJourneyFatigue);
}

void MagicLessonScreen::learn(const MagicSchool &school) {
    Var &level = s.*school.level;
    // The spell list has nothing beyond a school's top level; a further
    // journey would cost money and a month and hide the school's best spell.
    if (level >= school.topLevel) {
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
    s.fatigue += kJourneyFatigue;
    if (time_ == JourneyTime::FourWeeks) {
        s.week += 4;
    } else {
        s.month += 1;
    }
    s.money -= kJourneyCost;
    s.daysToTournament -= 4;
    changeTo(ids::kMainMenu);
}

Control &MagicLessonScreen::school(std::string name, const Text &caption, const MagicSchool &school, int left,
                                   int top, int width, int height) {
    Control &c = button(std::move(name), caption, left, top, width, height).onClick([this, &school] {
        learn(school);
    });
    schools_.emplace_back(&c, &school);
    return c;
}

void MagicLessonScreen::back() { changeTo(ids::kJourney); }

void MagicLessonScreen::Form_Load() {
    for (const auto &[button, school] : schools_) {
        showNeeds(*button, *school);
    }
}

// Each level asks for more intellect. Only the band of the current level is
// refused: intellect never falls in play, so a school raised past a band was
// raised with enough. Two-spell schools stop at level 2 before their band
// is asked.
bool MagicLessonScreen::tooLittleIntellect(const Var &level) const {
    const Var::Int l = level.get();
    if (l < 0 || l > 2) {
        return false;
    }
    const Var::Int floor = l == 0 ? std::numeric_limits<Var::Int>::min() : intellectNeeded(l - 1);
    return floor <= s.intellect && s.intellect < intellectNeeded(l);
}

int MagicLessonScreen::intellectNeeded(Var::Int level) {
    switch (level) {
    case 0:
        return 3;
    case 1:
        return 8;
    default:
        return 20;
    }
}

void MagicLessonScreen::showNeeds(Control &button, const MagicSchool &school) {
    const Var &level = s.*school.level;
    if (level >= school.topLevel) {
        button.setTip("これ以上覚える魔法はありません");
    } else {
        button.setTip(Text("次のレベルに必要な知力 %1").arg(intellectNeeded(level.get())));
    }
}

void MagicLessonScreen::refuse(const char *prompt) {
    game_.msgBox(prompt, kOkOnly, kJourneyTitle);
    changeTo(ids::kMainMenu);
}

} // namespace vermona
