// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// Every screen of the game by name. Screens reach each other only through
// these (to show one, or to touch another's controls), so a mistyped id is a
// compile error rather than a dead button. Names only: no screen's header.
namespace vermona::ids {

// the start and the hub
inline constexpr std::string_view kTitle = "Form1";
inline constexpr std::string_view kHeroSetup = "Form2";
inline constexpr std::string_view kMainMenu = "Form3";
inline constexpr std::string_view kElement = "Form10";

// the week's activities
inline constexpr std::string_view kSchedule = "Form4";
inline constexpr std::string_view kJourney = "Form5";
inline constexpr std::string_view kAttackMagic = "Form6";
inline constexpr std::string_view kRecoveryMagic = "Form9";
inline constexpr std::string_view kSupportMagic = "Form11";

// the town
inline constexpr std::string_view kTown = "Form12";
inline constexpr std::string_view kArmourShop = "Form13";
inline constexpr std::string_view kArmourList = "Form14";
inline constexpr std::string_view kItemList = "Form15";
inline constexpr std::string_view kEquipment = "Form16";
inline constexpr std::string_view kWeaponShop = "Form17";
inline constexpr std::string_view kWeaponList = "Form18";
inline constexpr std::string_view kItemShop = "Form23";
inline constexpr std::string_view kHerbList = "Form24";

// the tournament
inline constexpr std::string_view kSpellList = "Form7";
inline constexpr std::string_view kMovie = "Form19";
inline constexpr std::string_view kNotice = "Form20";
inline constexpr std::string_view kEntry = "Form21";
inline constexpr std::string_view kTable = "Form22";
inline constexpr std::string_view kBattle = "Form25";
inline constexpr std::string_view kBattleMessage = "Form26";
inline constexpr std::string_view kResult = "Form27";

} // namespace vermona::ids
