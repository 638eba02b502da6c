// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_codes.h"
#include "data/game_screen.h"
#include "town/equipment.h"
#include "town/town_screens.h"

#include <array>
#include <cstddef>
#include <span>

namespace vermona {

namespace {

class EquipmentScreen : public GameScreen {
public:
    explicit EquipmentScreen(Game &g) : GameScreen(g, ids::kEquipment, "装備変更", 4680, 3195, 0xFFFFFF) {}

    // clang-format off
    Control &Label1 = label("Label1", "装備一覧", 240, 120, 1215, 375).background(0x00FF00).points(14.25);
    Control &Label2 = label("Label2", "攻撃力", 2400, 240, 735, 255).background(0xFF0000).points(12);
    // Name and bonus of an owned item; the name grows with what it shows.
    ControlRow Label3 = growingName(labelRow("Label3", 600, {{"Label3", 240, 780, 285}, {"Label3", 2400, 855, 255}}))
        .backgrounds({0x00FF00, 0xFF0000}).points(14.25).readAs({nullptr, &Label2}).hidden().onClick([this](int index) { Label3_Click(index); });
    ControlRow Label4 = growingName(labelRow("Label4", 960, {{"Label4", 240, 780, 285}, {"Label4", 2400, 855, 255}}))
        .backgrounds({0x00FF00, 0xFF0000}).points(14.25).readAs({nullptr, &Label2}).hidden().onClick([this](int index) { Label4_Click(index); });
    ControlRow Label5 = growingName(labelRow("Label5", 1320, {{"Label5", 240, 780, 285}, {"Label5", 2400, 855, 255}}))
        .backgrounds({0x00FF00, 0xFF0000}).points(14.25).readAs({nullptr, &Label2}).hidden().onClick([this](int index) { Label5_Click(index); });
    ControlRow Label6 = growingName(labelRow("Label6", 1680, {{"Label6", 240, 780, 285}, {"Label6", 2400, 855, 255}}))
        .backgrounds({0x00FF00, 0xFF0000}).points(14.25).readAs({nullptr, &Label2}).hidden().onClick([this](int index) { Label6_Click(index); });
    ControlRow Label7 = growingName(labelRow("Label7", 2040, {{"Label7", 240, 930, 285}, {"Label7", 2400, 855, 255}}))
        .backgrounds({0x00FF00, 0xFF0000}).points(14.25).readAs({nullptr, &Label2}).hidden().onClick([this](int index) { Label7_Click(index); });
    Control &Command1 = button("Command1", "戻る", 1800, 2760, 975, 375).background(0xFF00FF)
        .onClick([this] { Command1_Click(); });
    // clang-format on

    // Every owned item of the kind gets a row of its own, so any of them can
    // be equipped. Armour and accessories have no items.
    void Form_Load() override {
        std::span<const Equipment *const> kind;
        if (equipKind(s) == EquipKind::Weapon) {
            kind = kWeapons;
            itemScreenLabel_ = ids::item_list::kWeapon;
        } else if (equipKind(s) == EquipKind::Shield) {
            kind = kShields;
            itemScreenLabel_ = ids::item_list::kShield;
            Label2.setCaption("防御力");
        }
        // Counted afresh, whatever a save file held.
        s.equipStep = 0;
        const std::array<ControlRow, 5> all = rows();
        for (std::size_t i = 0; i < kind.size(); ++i) {
            const Equipment &item = *kind[i];
            if (s.*item.owned != 1 || s.equipStep >= static_cast<Var::Int>(all.size())) {
                continue;
            }
            const auto n = static_cast<std::size_t>(s.equipStep.get());
            if (n == 0) {
                s.equipChoice = static_cast<Var::Int>(i) + 1;
            }
            listed_[n] = &item;
            all[n][0].setCaption(item.name);
            all[n][1].setCaption(item.shownValue);
            all[n][0].setVisible(true);
            all[n][1].setVisible(true);
            s.equipStep += 1;
        }
        s.equipStep = 0;
    }

    void Label3_Click(int /*index*/) { equip(0); }
    void Label4_Click(int /*index*/) { equip(1); }
    void Label5_Click(int /*index*/) { equip(2); }
    void Label6_Click(int /*index*/) { equip(3); }
    void Label7_Click(int /*index*/) { equip(4); }

    void Command1_Click() {
        s.equipChoice = 0;
        s.equipStep = 0;
        changeTo(ids::kItemList);
    }

private:
    static ControlRow growingName(ControlRow row) {
        row[0].autoSize();
        return row;
    }

    [[nodiscard]] std::array<ControlRow, 5> rows() const { return {Label3, Label4, Label5, Label6, Label7}; }

    // Stays on this screen; "戻る" shows the item screen with the new name.
    void equip(std::size_t row) {
        const Equipment *item = listed_[row];
        if (item == nullptr) {
            return;
        }
        // Writing the item screen's label makes that screen anew, invisibly.
        game_.control(itemScreenLabel_).setCaption(item->name);
        s.*item->bonus = item->value;
    }

    std::array<const Equipment *, 5> listed_{}; // the item in each row, if any
    ControlRef itemScreenLabel_;                // set with the kind, before any row can be clicked
};

} // namespace

std::unique_ptr<Screen> makeEquipmentScreen(Game &game) { return std::make_unique<EquipmentScreen>(game); }

} // namespace vermona
