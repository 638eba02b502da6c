#include "data/game_screen.h"
#include "town/equipment.h"
#include "town/row_click.h"
#include "town/town_screens.h"

#include <array>
#include <cstddef>
#include <span>

namespace vermona {

namespace {

class EquipmentScreen : public GameScreen {
public:
    using Row = std::array<Control *, 2>; // name, bonus

    explicit EquipmentScreen(Game &g) : GameScreen(g, ids::kEquipment, "装備変更", 4680, 3195, 0xFFFFFF) {
        Label1.background = 0x00FF00;
        Label1.font.points = 14.25;
        Label2.background = 0xFF0000;
        Label2.font.points = 12;
        for (const Row &row : rows()) {
            row[0]->background = 0x00FF00;
            row[0]->autoSize = true;
            row[1]->background = 0xFF0000;
            for (Control *c : row) {
                c->font.points = 14.25;
                c->setVisible(false);
            }
        }
        onRowClick(Label3, [this](int index) { Label3_Click(index); });
        onRowClick(Label4, [this](int index) { Label4_Click(index); });
        onRowClick(Label5, [this](int index) { Label5_Click(index); });
        onRowClick(Label6, [this](int index) { Label6_Click(index); });
        onRowClick(Label7, [this](int index) { Label7_Click(index); });
        Command1.background = 0xFF00FF;
        Command1.onClick = [this] { Command1_Click(); };
    }

    Control &Label1 = label("Label1", "装備一覧", 240, 120, 1215, 375);
    Control &Label2 = label("Label2", "攻撃力", 2400, 240, 735, 255);
    Row Label3 = row("Label3", 600, 780);
    Row Label4 = row("Label4", 960, 780);
    Row Label5 = row("Label5", 1320, 780);
    Row Label6 = row("Label6", 1680, 780);
    Row Label7 = row("Label7", 2040, 930);
    Control &Command1 = button("Command1", "戻る", 1800, 2760, 975, 375);

    // Every owned item of the kind gets a row of its own, so any of them can
    // be equipped. Armour and accessories have no items.
    void Form_Load() override {
        std::span<const Equipment *const> kind;
        if (s.equipKind == 1) {
            kind = kWeapons;
            itemScreenLabel_ = "Label2";
        } else if (s.equipKind == 3) {
            kind = kShields;
            itemScreenLabel_ = "Label4";
            Label2.setCaption("防御力");
        }
        // Counted afresh, whatever a save file held.
        s.equipStep = 0;
        const std::array<Row, 5> all = rows();
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
            all[n][0]->setCaption(item.name);
            all[n][1]->setCaption(item.shownValue);
            all[n][0]->setVisible(true);
            all[n][1]->setVisible(true);
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
    Row row(const char *name, int top, int nameWidth) {
        return {&label(name, 0, name, 240, top, nameWidth, 285), &label(name, 1, name, 2400, top, 855, 255)};
    }

    [[nodiscard]] std::array<Row, 5> rows() const { return {Label3, Label4, Label5, Label6, Label7}; }

    // Stays on this screen; "戻る" shows the item screen with the new name.
    void equip(std::size_t row) {
        const Equipment *item = listed_[row];
        if (item == nullptr) {
            return;
        }
        // Writing the item screen's label makes that screen anew, invisibly.
        game_.control(ids::kItemList, itemScreenLabel_).setCaption(item->name);
        s.*item->bonus = item->value;
    }

    std::array<const Equipment *, 5> listed_{}; // the item in each row, if any
    const char *itemScreenLabel_ = "";
};

} // namespace

std::unique_ptr<Screen> makeEquipmentScreen(Game &game) { return std::make_unique<EquipmentScreen>(game); }

} // namespace vermona
