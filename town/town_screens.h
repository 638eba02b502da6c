// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace vermona {

class Game;
class Screen;

// How a screen reader tells a shop's front from its lists, which carry the
// same caption.
inline constexpr const char *kShopFront = "店先";

std::unique_ptr<Screen> makeTownScreen(Game &game);       // Form12
std::unique_ptr<Screen> makeArmourShopScreen(Game &game); // Form13
std::unique_ptr<Screen> makeArmourListScreen(Game &game); // Form14
std::unique_ptr<Screen> makeItemListScreen(Game &game);   // Form15
std::unique_ptr<Screen> makeEquipmentScreen(Game &game);  // Form16
std::unique_ptr<Screen> makeWeaponShopScreen(Game &game); // Form17
std::unique_ptr<Screen> makeWeaponListScreen(Game &game); // Form18
std::unique_ptr<Screen> makeItemShopScreen(Game &game);   // Form23
std::unique_ptr<Screen> makeHerbListScreen(Game &game);   // Form24

} // namespace vermona
