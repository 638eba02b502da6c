// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_state.h"

namespace vermona {

// A school of magic: the variable that holds the hero's learned level, and
// the level that teaches its last spell. A journey stops there, and the
// spell list has nothing beyond it.
struct MagicSchool {
    Var GameState::*level;
    int topLevel;
};

inline constexpr MagicSchool kFireMagic{&GameState::fireMagicLevel, 3};
inline constexpr MagicSchool kWaterMagic{&GameState::waterMagicLevel, 3};
inline constexpr MagicSchool kThunderMagic{&GameState::thunderMagicLevel, 3};
inline constexpr MagicSchool kNeutralMagic{&GameState::neutralMagicLevel, 3};
inline constexpr MagicSchool kHealMagic{&GameState::healMagicLevel, 3};
inline constexpr MagicSchool kCureMagic{&GameState::cureMagicLevel, 2};
inline constexpr MagicSchool kPowerMagic{&GameState::powerMagicLevel, 2};
inline constexpr MagicSchool kGuardMagic{&GameState::guardMagicLevel, 2};
inline constexpr MagicSchool kSpeedMagic{&GameState::speedMagicLevel, 2};

} // namespace vermona
