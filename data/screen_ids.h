// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/control_ref.h"

#include <array>
#include <string_view>

// Every screen of the game by name. Screens reach each other only through
// these (to show one, or to touch another's controls), so a mistyped id is a
// compile error rather than a dead button. Names only: no screen's header.
// The controls another screen reaches follow, one namespace a screen; the
// owning screen builds each of them by its name here.
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

// The item list's equipment labels, which name what is equipped.
namespace item_list {
inline constexpr ControlRef kWeapon{kItemList, "Label2"};
inline constexpr ControlRef kShield{kItemList, "Label4"};
} // namespace item_list

// The entry's bet, which the item list names.
namespace entry {
inline constexpr ControlRef kBet{kEntry, "Label5"};
} // namespace entry

// The table's "試合", closed while a match's result is open, and the cells
// of its cross table, where each result is entered.
namespace table {
inline constexpr ControlRef kMatch{kTable, "Command1"};
// The corner and the hero's diagonal cell share a control array.
inline constexpr ControlRef kCorner{kTable, "Label2", 0};
inline constexpr ControlRef kHeroDiagonal{kTable, "Label2", 1};
// Entrant j's (1 to 7) control array: its row header, its row up to the
// diagonal, its column above the diagonal and its column header.
inline constexpr std::array<std::string_view, 7> kEntrantArrays{"Label5", "Label6",  "Label7", "Label8",
                                                                "Label9", "Label10", "Label11"};
// A label of entrant j's array; for any other j, a control no screen has.
constexpr ControlRef entrantCell(int j, int index) {
    const bool known = j >= 1 && j <= static_cast<int>(kEntrantArrays.size());
    return {kTable, known ? kEntrantArrays[static_cast<std::size_t>(j - 1)] : std::string_view{}, index};
}
} // namespace table

// The battle's commands, and its two gauges: each a green bar with the red
// line of the damage taken over it.
namespace battle {
inline constexpr ControlRef kAttack{kBattle, "Command1"};
inline constexpr ControlRef kMagic{kBattle, "Command2"};
inline constexpr ControlRef kItem{kBattle, "Command3"};
inline constexpr ControlRef kSkill{kBattle, "Command4"};
inline constexpr ControlRef kEnemyBar{kBattle, "Line4"};
inline constexpr ControlRef kEnemyDamage{kBattle, "Line5"};
inline constexpr ControlRef kHeroBar{kBattle, "Line2"};
inline constexpr ControlRef kHeroDamage{kBattle, "Line3"};
} // namespace battle

// The message window's one message.
namespace battle_message {
inline constexpr ControlRef kMessage{kBattleMessage, "Label1"};
} // namespace battle_message

// The result's heading (win or defeat) and the line under it.
namespace result {
inline constexpr ControlRef kHeadline{kResult, "Label1"};
inline constexpr ControlRef kRemark{kResult, "Label2"};
} // namespace result

} // namespace vermona::ids
