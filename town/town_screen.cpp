// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_screen.h"
#include "town/shop_pictures.h"
#include "town/town_screens.h"

namespace vermona {

namespace {

class TownScreen : public GameScreen {
public:
    explicit TownScreen(Game &g) : GameScreen(g, ids::kTown, "町", 5745, 4590, 0x00FF00) {}

    // clang-format off
    Control &Label1 = label("Label1", "どこへ行く？", 1680, 360, 2175, 495).transparent().points(20.25);
    // The two signs are the buttons' only captions; their tips name them for
    // a screen reader and for a player who cannot read the signs.
    Control &Command1 = button("Command1", "", 720, 1080, 1455, 1095).background(0xFF0000)
        .picture(kWeaponSignSmall).points(14.25).tip("武器屋").onClick([this] { Command1_Click(); });
    Control &Command2 = button("Command2", "", 3120, 720, 1455, 1695).background(0x00FFFF)
        .picture(kArmourSign).points(14.25).tip("防具屋").onClick([this] { Command2_Click(); });
    // No handler: the accessory shop has no shop behind it.
    Control &Command3 = button("Command3", "アクセサリー屋", 720, 2640, 1455, 735).background(0xFFFF00).points(14.25).readerNote(kDoesNothing);
    Control &Command4 = button("Command4", "アイテム屋", 3120, 2640, 1455, 735).background(0xFF00FF).points(14.25)
        .onClick([this] { Command4_Click(); });
    Control &Command5 = button("Command5", "帰る", 2160, 3840, 1095, 615).background(0x00FF00).points(14.25)
        .onClick([this] { Command5_Click(); });
    // clang-format on

    // Walking about town takes no time.
    void Command1_Click() { changeTo(ids::kWeaponShop); }
    void Command2_Click() { changeTo(ids::kArmourShop); }
    void Command4_Click() { changeTo(ids::kItemShop); }
    void Command5_Click() { changeTo(ids::kSchedule); }
};

} // namespace

std::unique_ptr<Screen> makeTownScreen(Game &game) { return std::make_unique<TownScreen>(game); }

} // namespace vermona
