#include "data/game_screen.h"
#include "town/shop_pictures.h"
#include "town/town_screens.h"

namespace vermona {

namespace {

class ArmourShopScreen : public GameScreen {
public:
    explicit ArmourShopScreen(Game &g) : GameScreen(g, ids::kArmourShop, "防具屋", 3105, 2355, 0x0000FF) {
        setPicture(kArmourSign);
        Label1.foreground = 0x00FFFF;
        Label2.foreground = 0x00FF00;
        Label3.foreground = 0xFFFF00;
        Label4.foreground = 0xFF0000;
        for (Control *l : {&Label1, &Label2, &Label3, &Label4}) {
            l->transparent = true;
            l->font.points = 15.75;
        }
        for (Control *l : {&Label2, &Label3, &Label4}) {
            l->font.bold = true;
        }
        Label2.onClick = [this] { Label2_Click(); };
        Label3.onClick = [this] { Label3_Click(); };
        Label4.onClick = [this] { Label4_Click(); };
    }

    Control &Label1 = label("Label1", "何しにきた？", 840, 120, 1815, 495);
    Control &Label2 = label("Label2", "買う", 0, 1080, 1335, 495);
    Control &Label3 = label("Label3", "売る", 1800, 1080, 1335, 495);
    Control &Label4 = label("Label4", "戻る", 1800, 1800, 1335, 495);

    // Buying leaves shopMode alone: every way out of a list has reset it.
    void Label2_Click() { changeTo(ids::kArmourList); }
    void Label3_Click() {
        s.shopMode = 1;
        changeTo(ids::kArmourList);
    }
    // The armour shop lets out onto the schedule, not the town.
    void Label4_Click() { changeTo(ids::kSchedule); }
};

} // namespace

std::unique_ptr<Screen> makeArmourShopScreen(Game &game) { return std::make_unique<ArmourShopScreen>(game); }

} // namespace vermona
