// SPDX-License-Identifier: GPL-3.0-or-later
#include "town/town_screens.h"

#include "data/game_screen.h"

namespace vermona {

void registerTownScreens(Game &game) {
    game.registerScreen(ids::kTown, makeTownScreen);
    game.registerScreen(ids::kArmourShop, makeArmourShopScreen);
    game.registerScreen(ids::kArmourList, makeArmourListScreen);
    game.registerScreen(ids::kItemList, makeItemListScreen);
    game.registerScreen(ids::kEquipment, makeEquipmentScreen);
    game.registerScreen(ids::kWeaponShop, makeWeaponShopScreen);
    game.registerScreen(ids::kWeaponList, makeWeaponListScreen);
    game.registerScreen(ids::kItemShop, makeItemShopScreen);
    game.registerScreen(ids::kHerbList, makeHerbListScreen);
}

} // namespace vermona
