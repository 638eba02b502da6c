// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_screen.h"
#include "data/magic_schools.h"
#include "runtime/text.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vermona {

// Every box of a journey carries this title.
inline constexpr const char *kJourneyTitle = "修行";

// What a journey costs.
inline constexpr int kJourneyCost = 1000;

// What a journey costs and how long it takes, for the schedule's tooltip.
Text journeyTip();

// How long a journey keeps the hero away.
enum class JourneyTime { FourWeeks, OneMonth };

// What the three choice screens of a journey share: the gates on a school's
// level and the lesson itself. Each screen adds its own buttons.
class MagicLessonScreen : public GameScreen {
protected:
    MagicLessonScreen(Game &game, std::string_view id, int clientWidth, int clientHeight, Rgb background,
                      JourneyTime time);

    // A school's button: it tells what the school's next level needs, and a
    // click learns it.
    Control &school(std::string name, const Text &caption, const MagicSchool &school, int left, int top,
                    int width, int height);
    // "戻る": back to the journey screen, nothing spent.
    void back();

    // Each school tells what its next level asks for.
    void Form_Load() override;

private:
    // Refuse, or spend the money and the time and raise the school's level;
    // either way the menu follows.
    void learn(const MagicSchool &school);
    // Tells on a school's button what its next level needs.
    void showNeeds(Control &button, const MagicSchool &school);
    [[nodiscard]] bool tooLittleIntellect(const Var &level) const;
    // The intellect a school's next level asks for.
    static int intellectNeeded(Var::Int level);
    void refuse(const char *prompt);

    JourneyTime time_;
    std::vector<std::pair<Control *, const MagicSchool *>> schools_; // in the layout's order
};

} // namespace vermona
