#include "data/game_screen.h"
#include "town/row_click.h"
#include "town/town_screens.h"

#include <array>
#include <string>

namespace vermona {

namespace {

class ItemListScreen : public GameScreen {
public:
    using ItemRow = std::array<Control *, 2>; // name, count

    explicit ItemListScreen(Game &g) : GameScreen(g, ids::kItemList, "アイテム一覧", 5670, 3765, 0xFFFF80) {
        Label1.background = 0x80FF80;
        Label1.font.points = 14.25;
        // The equipment labels carry the name of what is equipped, so they
        // grow with it.
        for (Control *c : {&Label2, &Label3, &Label4, &Label5}) {
            c->transparent = true;
            c->autoSize = true;
            c->font.points = 14.25;
        }
        Label6.background = 0x80FFFF;
        Label7.background = 0x8080FF;
        for (Control *c : {&Label6, &Label7}) {
            c->font.points = 12;
            c->font.bold = true;
        }
        for (const ItemRow &row : rows()) {
            row[0]->background = 0x80FFFF;
            row[1]->background = 0x8080FF;
            for (Control *c : row) {
                c->font.points = 12;
                c->font.bold = true;
                c->setVisible(false);
            }
        }
        // The first row shows its design text until a herb fills it; it is
        // also what a hero without herbs names as the bet.
        Label8[0]->setVisible(true);
        onRowClick(Label8, [this](int index) { Label8_Click(index); });
        onRowClick(Label9, [this](int index) { Label9_Click(index); });
        onRowClick(Label10, [this](int index) { Label10_Click(index); });
        onRowClick(Label11, [this](int index) { Label11_Click(index); });
        onRowClick(Label12, [this](int index) { Label12_Click(index); });
        onRowClick(Label13, [this](int index) { Label13_Click(index); });
        Label2.onClick = [this] { Label2_Click(); };
        Label3.onClick = [this] { Label3_Click(); };
        Label4.onClick = [this] { Label4_Click(); };
        Label5.onClick = [this] { Label5_Click(); };
        Command1.background = 0xFF00FF;
        Command1.onClick = [this] { Command1_Click(); };
    }

    Control &Label1 = label("Label1", "現在装備品", 360, 720, 1455, 375);
    Control &Label2 = label("Label2", "武器", 360, 1320, 570, 285);
    Control &Label3 = label("Label3", "鎧", 360, 1800, 285, 285);
    Control &Label4 = label("Label4", "盾", 360, 2280, 285, 285);
    Control &Label5 = label("Label5", "アクセサリー", 360, 2760, 1500, 285);
    Control &Label6 = label("Label6", "アイテム", 2760, 240, 1455, 255);
    Control &Label7 = label("Label7", "個数", 4680, 240, 735, 255);
    ItemRow Label8 = row("Label8", 600);
    ItemRow Label9 = row("Label9", 960);
    ItemRow Label10 = row("Label10", 1320);
    ItemRow Label11 = row("Label11", 1680);
    ItemRow Label12 = row("Label12", 2040);
    ItemRow Label13 = row("Label13", 2400);
    Control &Command1 = button("Command1", "戻る", 1680, 3360, 1215, 375);

    // Herbs are the only items there are.
    void Form_Load() override {
        if (s.herbs >= 1) {
            Label8[0]->setCaption("薬草");
            Label8[1]->setCaption(s.herbs.text());
            Label8[0]->setVisible(true);
            Label8[1]->setVisible(true);
        }
    }

    void Label2_Click() { changeEquipment(1); }
    void Label3_Click() { changeEquipment(2); }
    void Label4_Click() { changeEquipment(3); }
    void Label5_Click() { changeEquipment(4); }
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
    ItemRow row(const char *name, int top) {
        return {&label(name, 0, name, 2760, top, 1455, 255), &label(name, 1, name, 4680, top, 735, 255)};
    }

    [[nodiscard]] std::array<ItemRow, 6> rows() const {
        return {Label8, Label9, Label10, Label11, Label12, Label13};
    }

    void changeEquipment(int kind) {
        s.equipKind = kind;
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
        game_.control(ids::kEntry, "Label5").setCaption("薬草");
        // Handed over once: a later visit from the main menu cannot lead into
        // the tournament.
        s.itemListFromEntry = 0;
        changeTo(ids::kEntry);
    }
};

} // namespace

std::unique_ptr<Screen> makeItemListScreen(Game &game) { return std::make_unique<ItemListScreen>(game); }

} // namespace vermona
