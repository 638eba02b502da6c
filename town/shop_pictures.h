// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vermona {

// The shop signs, drawn by vermona-pictures and kept in assets/.
inline constexpr const char *kWeaponSignSmall = "weapon_sign_small.bmp"; // 84 x 61
inline constexpr const char *kArmourSign = "armour_sign.bmp";            // 207 x 159
inline constexpr const char *kWeaponSignLarge = "weapon_sign_large.bmp"; // 333 x 241

} // namespace vermona
