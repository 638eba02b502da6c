#include "town/town_screens.h"

#include "core/game.h"

namespace vermona {

void registerTownScreens(Game &game) {
    game.registerScreen("Form12", makeTownScreen);
    game.registerScreen("Form13", makeArmourShopScreen);
    game.registerScreen("Form14", makeArmourListScreen);
    game.registerScreen("Form15", makeItemListScreen);
    game.registerScreen("Form16", makeEquipmentScreen);
    game.registerScreen("Form17", makeWeaponShopScreen);
    game.registerScreen("Form18", makeWeaponListScreen);
    game.registerScreen("Form23", makeItemShopScreen);
    game.registerScreen("Form24", makeHerbListScreen);
}

} // namespace vermona
