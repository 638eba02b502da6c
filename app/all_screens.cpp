// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/all_screens.h"

#include "activities/activity_screens.h"
#include "data/screen_ids.h"
#include "runtime/game.h"
#include "start/start_screens.h"
#include "tournament/tournament_screens.h"
#include "town/town_screens.h"

#include <memory>
#include <string_view>

namespace vermona::app {

namespace {

struct ScreenMaker {
    std::string_view id;
    std::unique_ptr<Screen> (*make)(Game &);
};

// Every screen of the game, by the part of the game it belongs to.
constexpr ScreenMaker kScreens[] = {
    // clang-format off
    {ids::kTitle, makeTitleScreen}, {ids::kHeroSetup, makeHeroSetupScreen},
    {ids::kMainMenu, makeMainMenuScreen}, {ids::kElement, makeElementScreen},

    {ids::kSchedule, makeScheduleScreen}, {ids::kJourney, makeJourneyScreen},
    {ids::kAttackMagic, makeAttackMagicScreen}, {ids::kRecoveryMagic, makeRecoveryMagicScreen},
    {ids::kSupportMagic, makeSupportMagicScreen},

    {ids::kTown, makeTownScreen}, {ids::kArmourShop, makeArmourShopScreen},
    {ids::kArmourList, makeArmourListScreen}, {ids::kItemList, makeItemListScreen},
    {ids::kEquipment, makeEquipmentScreen}, {ids::kWeaponShop, makeWeaponShopScreen},
    {ids::kWeaponList, makeWeaponListScreen}, {ids::kItemShop, makeItemShopScreen},
    {ids::kHerbList, makeHerbListScreen},

    {ids::kSpellList, makeSpellListScreen}, {ids::kMovie, makeMovieScreen},
    {ids::kNotice, makeNoticeScreen}, {ids::kEntry, makeEntryScreen},
    {ids::kTable, makeTableScreen}, {ids::kBattle, makeBattleScreen},
    {ids::kBattleMessage, makeBattleMessageScreen}, {ids::kResult, makeResultScreen},
    // clang-format on
};

} // namespace

void registerAllScreens(Game &game) {
    for (const ScreenMaker &m : kScreens) {
        game.registerScreen(m.id, m.make);
    }
}

} // namespace vermona::app
