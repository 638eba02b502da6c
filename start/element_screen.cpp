// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/element.h"
#include "data/game_screen.h"
#include "start/start_screens.h"

namespace vermona {

namespace {

class ElementScreen : public GameScreen {
public:
    explicit ElementScreen(Game &g) : GameScreen(g, ids::kElement, "主人公設定２", 6480, 1980, 0xFF00FF) {}

    // clang-format off
    Control &Label1 = label("Label1", "主人公の属性を決めて下さい", 1320, 360, 3615, 495)
        .background(0x00FF00).points(14.25).centred();
    Control &Command2 = button("Command2", "炎", 1320, 1080, 1095, 495)
        .background(0xFF0000).points(11.25).onClick([this] { Command2_Click(); });
    Control &Command3 = button("Command3", "水", 2760, 1080, 1095, 495)
        .background(0x00FFFF).points(11.25).onClick([this] { Command3_Click(); });
    Control &Command4 = button("Command4", "雷", 4200, 1080, 1095, 495)
        .background(0xFFFF00).points(11.25).onClick([this] { Command4_Click(); });
    // clang-format on

    void Command2_Click() { choose(Element::Fire); }
    void Command3_Click() { choose(Element::Water); }
    void Command4_Click() { choose(Element::Thunder); }

private:
    void choose(Element element) {
        setElement(s, element);
        changeTo(ids::kMainMenu);
    }
};

} // namespace

std::unique_ptr<Screen> makeElementScreen(Game &game) { return std::make_unique<ElementScreen>(game); }

} // namespace vermona
