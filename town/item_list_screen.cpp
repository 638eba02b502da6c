// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_codes.h"
#include "data/game_screen.h"
#include "town/town_screens.h"

#include <string>

namespace vermona {

namespace {

class ItemListScreen : public GameScreen {
public:
    explicit ItemListScreen(Game &g) : GameScreen(g, ids::kItemList, "アイテム一覧", 5670, 3765, 0xFFFF80) {}

    // clang-format off
    Control &Label1 = label("Label1", "現在装備品", 360, 720, 1455, 375).background(0x80FF80).points(14.25);
    // The equipment labels carry the name of what is equipped, so they grow
    // with it.
    Control &Label2 = label(ids::item_list::kWeapon, "武器", 360, 1320, 570, 285).transparent().autoSize().points(14.25)
        .onClick([this] { Label2_Click(); });
    Control &Label3 = label("Label3", "鎧", 360, 1800, 285, 285).transparent().autoSize().points(14.25)
        .onClick([this] { Label3_Click(); });
    Control &Label4 = label(ids::item_list::kShield, "盾", 360, 2280, 285, 285).transparent().autoSize().points(14.25)
        .onClick([this] { Label4_Click(); });
    Control &Label5 = label("Label5", "アクセサリー", 360, 2760, 1500, 285).transparent().autoSize().points(14.25)
        .onClick([this] { Label5_Click(); });
    Control &Label6 = label("Label6", "アイテム", 2760, 240, 1455, 255).background(0x80FFFF).points(12).bold();
    Control &Label7 = label("Label7", "個数", 4680, 240, 735, 255).background(0x8080FF).points(12).bold();
    // The first row shows its design text until a herb fills it; it is also
    // what a hero without herbs names as the bet.
    ControlRow Label8 = hiddenCount(labelRow("Label8", 600, {{"Label8", 2760, 1455, 255}, {"Label8", 4680, 735, 255}}))
        .backgrounds({0x80FFFF, 0x8080FF}).points(12).bold().readAs({nullptr, &Label7}).onClick([this](int index) { Label8_Click(index); });
    ControlRow Label9 = labelRow("Label9", 960, {{"Label9", 2760, 1455, 255}, {"Label9", 4680, 735, 255}})
        .backgrounds({0x80FFFF, 0x8080FF}).points(12).bold().readAs({nullptr, &Label7}).hidden().onClick([this](int index) { Label9_Click(index); });
    ControlRow Label10 = labelRow("Label10", 1320, {{"Label10", 2760, 1455, 255}, {"Label10", 4680, 735, 255}})
        .backgrounds({0x80FFFF, 0x8080FF}).points(12).bold().readAs({nullptr, &Label7}).hidden().onClick([this](int index) { Label10_Click(index); });
    ControlRow Label11 = labelRow("Label11", 1680, {{"Label11", 2760, 1455, 255}, {"Label11", 4680, 735, 255}})
        .backgrounds({0x80FFFF, 0x8080FF}).points(12).bold().readAs({nullptr, &Label7}).hidden().onClick([this](int index) { Label11_Click(index); });
    ControlRow Label12 = labelRow("Label12", 2040, {{"Label12", 2760, 1455, 255}, {"Label12", 4680, 735, 255}})
        .backgrounds({0x80FFFF, 0x8080FF}).points(12).bold().readAs({nullptr, &Label7}).hidden().onClick([this](int index) { Label12_Click(index); });
    ControlRow Label13 = labelRow("Label13", 2400, {{"Label13", 2760, 1455, 255}, {"Label13", 4680, 735, 255}})
        .backgrounds({0x80FFFF, 0x8080FF}).points(12).bold().readAs({nullptr, &Label7}).hidden().onClick([this](int index) { Label13_Click(index); });
    Control &Command1 = button("Command1", "戻る", 1680, 3360, 1215, 375).background(0xFF00FF)
        .onClick([this] { Command1_Click(); });
    // clang-format on

    // Herbs are the only items there are.
    void Form_Load() override {
        if (s.herbs >= 1) {
            Label8[0].setCaption("薬草");
            Label8[1].setCaption(s.herbs.text());
            Label8[0].setVisible(true);
            Label8[1].setVisible(true);
        }
    }

    void Label2_Click() { changeEquipment(EquipKind::Weapon); }
    void Label3_Click() { changeEquipment(EquipKind::Armour); }
    void Label4_Click() { changeEquipment(EquipKind::Shield); }
    void Label5_Click() { changeEquipment(EquipKind::Accessory); }
    void Label8_Click(int /*index*/) { chooseBet(); }
    void Label9_Click(int /*index*/) { chooseBet(); }
    void Label10_Click(int /*index*/) { chooseBet(); }
    void Label11_Click(int /*index*/) { chooseBet(); }
    void Label12_Click(int /*index*/) { chooseBet(); }
    void Label13_Click(int /*index*/) { chooseBet(); }
    // Leaving without a choice ends the bet choice too, so the list opened
    // later from the menu is an ordinary one.
    void Command1_Click() {
        s.itemListFromEntry = 0;
        changeTo(ids::kMainMenu);
    }

private:
    static ControlRow hiddenCount(ControlRow row) {
        row[1].hidden();
        return row;
    }

    void changeEquipment(EquipKind kind) {
        setEquipKind(s, kind);
        changeTo(ids::kEquipment);
    }

    // Any item row, when the tournament entry opened the list: the bet is a
    // herb, the only item there is.
    void chooseBet() {
        if (s.itemListFromEntry != 1) {
            return;
        }
        // Writing the entry screen's label makes that screen anew, invisibly;
        // showing it then only brings it up.
        game_.control(ids::entry::kBet).setCaption("薬草");
        // Handed over once: a later visit from the main menu cannot lead into
        // the tournament.
        s.itemListFromEntry = 0;
        changeTo(ids::kEntry);
    }
};

} // namespace

std::unique_ptr<Screen> makeItemListScreen(Game &game) { return std::make_unique<ItemListScreen>(game); }

} // namespace vermona
