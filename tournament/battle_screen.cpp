// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_codes.h"
#include "data/game_screen.h"
#include "data/hero_values.h"
#include "tournament/battle_rules.h"
#include "tournament/tournament_screens.h"

namespace vermona {

namespace {

// The arena drawn by vermona-arena-bitmap.
constexpr const char *kArenaBitmap = "arena.bmp";
constexpr int kGaugeWidth = 6; // pixels: thick enough to watch them fill

class BattleScreen : public GameScreen {
public:
    explicit BattleScreen(Game &g) : GameScreen(g, ids::kBattle, "戦闘", 7350, 5415, kFormFace) {}

    // clang-format off
    // The picture's top lies above the window's edge, and the video area
    // covers most of it.
    Control &Picture1 = picture("Picture1", kArenaBitmap, 360, -1560, 6255, 4215);
    Control &ActiveMovie1 = movie("ActiveMovie1", kAttackVideo, 360, 120, 6180, 2385);
    Control &Line1 = line("Line1", 3360, 2520, 3360, 5400);

    Control &Label1 = label("Label1", "主人公のステータス", 480, 2640, 2175, 375).background(0xFFFF80).points(11.25);
    Control &Label2 = label("Label2", "攻撃力", 480, 3240, 975, 375).background(0xFF0000).points(11.25);
    Control &Label3 = label("Label3", "", 1800, 3240, 855, 405).background(0xFF0000).points(11.25).readWith(Label2);
    Control &Label4 = label("Label4", "防御力", 480, 3720, 975, 375).background(0xFF8000).points(11.25);
    Control &Label5 = label("Label5", "", 1800, 3720, 855, 375).background(0xFF8000).foreground(0x000000).points(11.25).readWith(Label4);
    Control &Label6 = label("Label6", "素早さ", 480, 4200, 975, 375).background(0xFFFF00).points(11.25);
    Control &Label7 = label("Label7", "", 1800, 4200, 855, 375).background(0xFFFF00).points(11.25).readWith(Label6);
    Control &Label8 = label("Label8", "魔力", 480, 4680, 975, 375).background(0x00FF00).points(11.25);
    Control &Label9 = label("Label9", "", 1800, 4680, 855, 375).background(0x00FF00).points(11.25).readWith(Label8);
    Control &Label10 = label("Label10", "現在/最大", 2760, 3240, 1170, 240).transparent().autoSize().points(12).bold();

    // enemyGauge: the bar and the damage line; heroGauge likewise. The
    // enemy's gauge lies over the picture and the video area, so its lines
    // are drawn over them.
    Control &Line4 = line(ids::battle::kEnemyBar, 3120, 1800, 4800, 1800).foreground(0x00FF00).lineWidth(kGaugeWidth).onTop().meter("敵のHP");
    Control &Line5 = line(ids::battle::kEnemyDamage, 3120, 1800, 3135, 1800).foreground(0xFF0000).lineWidth(kGaugeWidth).onTop().hidden();
    Control &Line2 = line(ids::battle::kHeroBar, 2400, 3720, 4200, 3720).foreground(0x00FF00).lineWidth(kGaugeWidth).meter("主人公のHP");
    Control &Line3 = line(ids::battle::kHeroDamage, 2400, 3720, 2415, 3720).foreground(0xFF0000).lineWidth(kGaugeWidth).hidden();

    Control &Command1 = button(ids::battle::kAttack, "攻撃", 4560, 3360, 1215, 495)
        .background(0xFF0000).points(14.25).onClick([this] { Command1_Click(); });
    Control &Command2 = button(ids::battle::kMagic, "魔法", 3960, 3840, 1215, 495)
        .background(0x00FF00).points(14.25).onClick([this] { Command2_Click(); });
    Control &Command3 = button(ids::battle::kItem, "アイテム", 5160, 3840, 1215, 495).background(0x00FFFF).points(14.25).readerNote(kDoesNothing);
    Control &Command4 = button(ids::battle::kSkill, "特技", 4560, 4320, 1215, 495).background(0x0000FF).points(14.25).readerNote(kDoesNothing);
    // clang-format on

    void Form_Load() override {
        Label3.setCaption(Var(heroAttackWithWeapon(s)).text());
        Label5.setCaption(Var(heroDefenseWithShield(s)).text());
        Label7.setCaption(s.speed.text());
        Label9.setCaption(s.magicPower.text());
        // HP not yet set (no match begun from the table) shows as nothing.
        Text hpOfMax("%1/%2");
        if (s.heroHP.empty()) {
            hpOfMax.arg(Text());
        } else {
            hpOfMax.arg(s.heroHP);
        }
        Label10.setCaption(hpOfMax.arg(heroFullHP(s)));
        readGauge(*this, kEnemyGauge, s.enemyStamina.get(s.matchRound));
        readGauge(*this, kHeroGauge, s.heroHP);
        // A match lost on the opponent's turn left this at 1.
        s.enemyTurnTaken = 0;
        rememberMatchValues(s);
    }

    void Command1_Click() {
        game_.show(ids::kBattleMessage);
        setBattleCommandsEnabled(game_, false);
        const Var::Int r = s.matchRound;
        Var diff = s.heroAttack;
        diff -= s.enemyDefense.get(r);
        // Every blow does at least one point.
        const Var::Int d = diff > 0 ? diff.get() : 1;
        game_.control(ids::battle_message::kMessage)
            .setCaption(Text("主人公の攻撃！敵に%1のダメージ▼").arg(d));
        if (hitGauge(Line5, kEnemyGauge, d, s.enemyStamina.get(r))) {
            // Won: the opponent takes no turn.
            endMatch(game_, Winner::Hero);
        }
    }

    // Casting is chosen on the spell list.
    void Command2_Click() {
        setCastKind(s, SpellKind::ListFromBattle);
        setBattleCommandsEnabled(game_, false);
        game_.show(ids::kSpellList);
    }
};

} // namespace

std::unique_ptr<Screen> makeBattleScreen(Game &game) { return std::make_unique<BattleScreen>(game); }

} // namespace vermona
