// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_codes.h"
#include "data/game_screen.h"
#include "data/magic_schools.h"
#include "tournament/battle_rules.h"
#include "tournament/tournament_screens.h"

#include <array>
#include <string>
#include <utility>

namespace vermona {

namespace {

struct Spell {
    const char *name;
    int cost; // MP
    const char *description;
    MagicSchool school;
    int level;      // the level of its school that teaches it
    SpellKind kind; // what it does, and the message that says so
};

// Row k of the list is Label(k + 2).
constexpr std::array<Spell, 23> kSpells{{
    {"ファイア", 2, "炎を発動し攻撃", kFireMagic, 1, SpellKind::Attack},
    {"ファイラ", 4, "より強力な炎で攻撃", kFireMagic, 2, SpellKind::Attack},
    {"ファイガ", 7, "炎系最強の魔法", kFireMagic, 3, SpellKind::Attack},
    {"ブリザド", 2, "氷で攻撃", kWaterMagic, 1, SpellKind::Attack},
    {"ブリザラ", 4, "より強力な氷をぶつけて攻撃", kWaterMagic, 2, SpellKind::Attack},
    {"ブリザガ", 7, "氷系最強の魔法", kWaterMagic, 3, SpellKind::Attack},
    {"サンダー", 2, "落雷で攻撃", kThunderMagic, 1, SpellKind::Attack},
    {"サンダラ", 4, "強力な落雷で攻撃", kThunderMagic, 2, SpellKind::Attack},
    {"サンダガ", 7, "雷系最強の魔法", kThunderMagic, 3, SpellKind::Attack},
    {"コメット", 4, "隕石を落として攻撃", kNeutralMagic, 1, SpellKind::Attack},
    {"コメテオ", 9, "強力な隕石で攻撃", kNeutralMagic, 2, SpellKind::Attack},
    {"メテオ", 20, "無属性最強の魔法", kNeutralMagic, 3, SpellKind::Attack},
    {"ケアル", 2, "HP回復・小", kHealMagic, 1, SpellKind::Heal},
    {"ケアルラ", 5, "HP回復・中", kHealMagic, 2, SpellKind::Heal},
    {"ケアルガ", 10, "HP回復・大", kHealMagic, 3, SpellKind::Heal},
    {"キアリー", 2, "毒を消し去る", kCureMagic, 1, SpellKind::CurePoison},
    {"ディスペル", 8, "かかっている魔法をすべて消す", kCureMagic, 2, SpellKind::Dispel},
    {"パワーアップ", 3, "自分の攻撃力を上げる", kPowerMagic, 1, SpellKind::PowerUp},
    {"パワーダウン", 3, "敵の攻撃力を下げる", kPowerMagic, 2, SpellKind::PowerDown},
    {"プロテクトアップ", 3, "自分の防御力を上げる", kGuardMagic, 1, SpellKind::GuardUp},
    {"プロテクトダウン", 3, "敵の防御力を下げる", kGuardMagic, 2, SpellKind::GuardDown},
    {"スピードアップ", 3, "自分の早さをあげる", kSpeedMagic, 1, SpellKind::SpeedUp},
    {"スピードダウン", 3, "敵の早さを下げる", kSpeedMagic, 2, SpellKind::SpeedDown},
}};

// A school's top level teaches the last spell the list has for it, so a
// school learned to the top shows all of its spells.
constexpr bool topLevelsTeachLastSpells() {
    for (std::size_t k = 0; k < kSpells.size(); ++k) {
        bool last = true;
        for (std::size_t later = k + 1; later < kSpells.size(); ++later) {
            last = last && kSpells[later].school.level != kSpells[k].school.level;
        }
        if (last && kSpells[k].level != kSpells[k].school.topLevel) {
            return false;
        }
    }
    return true;
}
static_assert(topLevelsTeachLastSpells(), "a school's top level must teach its last spell");

constexpr int kRowsTop = 1200;
constexpr int kRowStep = 360;
constexpr int kHeaderTop = 840;
constexpr int kRowHeight = 375;
// Name, cost and description columns.
constexpr int kNameLeft = 240;
constexpr int kNameWidth = 1575;
constexpr int kCostLeft = 1800;
constexpr int kCostWidth = 975;
constexpr int kDescriptionLeft = 2760;
constexpr int kDescriptionWidth = 3375;

constexpr Rgb kBackground = 0x000080;
constexpr Rgb kText = 0xFFFFFF;

// The costs are written in full-width digits where the language does.
Text fullWidth(int n) { return Text("%1").fullWidthArg(n); }

// The learned spells in their fixed rows; from a battle, a click on one
// casts it.
class SpellListScreen : public GameScreen {
public:
    explicit SpellListScreen(Game &g)
        : GameScreen(g, ids::kSpellList, "魔法一覧", 6375, 10455, kBackground) {}

    // clang-format off
    Control &Label1 = label("Label1", "現在取得した魔法", 240, 240, 3615, 495).transparent().foreground(0xFFFF00).points(15.75);
    ControlRow Label2 = columns("Label2", kHeaderTop, "魔法名", "使用MP", "説明")
        .background(0x4040C0).foreground(kText).border().centred().points(11.25);
    // Label3 to Label25: name, cost and description of each spell.
    std::array<ControlRow, kSpells.size()> rows = spellRows();
    // The design's own word, in English already; a language gives it the
    // capital its other buttons have.
    Control &Command1 = button("Command1", Text::meaning("back", "spell list"), 2640, 9720, 1095, 495).points(12)
        .onClick([this] { Command1_Click(); });
    // clang-format on

    // Rows keep their places, so the list has gaps for unlearned spells. A
    // school's top spell stays listed above its top level too.
    void Form_Load() override {
        for (std::size_t k = 0; k < kSpells.size(); ++k) {
            const bool learned = s.*kSpells[k].school.level >= kSpells[k].level;
            for (Control *c : rows[k]) {
                c->setVisible(learned);
            }
        }
    }

    // Label3_Click to Label25_Click: any label of a row is a click on its
    // spell. Only a list opened from a battle casts.
    void castSpell(std::size_t k) {
        const Spell &spell = kSpells[k];
        if (castKind(s) != SpellKind::ListFromBattle || game_.find(ids::kBattle) == nullptr) {
            return;
        }
        if (s.heroMP < spell.cost) {
            game_.msgBox("MPが足りません", kOkOnly, "大会");
            return;
        }
        s.spellAmount = Var::addSaturated(s.heroSpellPower, spell.cost);
        s.heroMP -= spell.cost;
        if (spell.kind != SpellKind::Attack) {
            setCastKind(s, spell.kind);
        }
        // The message window announces the spell, then the spell acts.
        game_.show(ids::kBattleMessage);
        if (spellActs(game_, spell.kind, Var::addSaturated(s.heroSpellPower, s.spellAmount))) {
            // Won, as by an attack: the opponent takes no turn.
            endMatch(game_, Winner::Hero);
        }
        game_.close(ids::kSpellList);
    }

    // From a battle, back to it with its commands usable again; otherwise
    // back to the menu.
    void Command1_Click() {
        if (castKind(s) != SpellKind::None && game_.find(ids::kBattle) != nullptr) {
            setBattleCommandsEnabled(game_, true);
            game_.close(ids::kSpellList);
            return;
        }
        changeTo(ids::kMainMenu);
    }

private:
    // A row of the list's three columns: a spell's name, its cost and what
    // it does.
    ControlRow columns(const std::string &name, int top, Text spell, Text cost, Text description) {
        return labelRow(name, top,
                        {{std::move(spell), kNameLeft, kNameWidth, kRowHeight},
                         {std::move(cost), kCostLeft, kCostWidth, kRowHeight},
                         {std::move(description), kDescriptionLeft, kDescriptionWidth, kRowHeight}});
    }

    // Any label of a row is a click on its spell.
    std::array<ControlRow, kSpells.size()> spellRows() {
        std::array<ControlRow, kSpells.size()> out;
        for (std::size_t k = 0; k < kSpells.size(); ++k) {
            const Spell &spell = kSpells[k];
            out[k] = columns("Label" + std::to_string(k + 3), kRowsTop + kRowStep * static_cast<int>(k),
                             spell.name, fullWidth(spell.cost), spell.description)
                         .transparent()
                         .foreground(kText)
                         .points(11.25)
                         .readAs({nullptr, &Label2[1]})
                         .onClick([this, k] { castSpell(k); });
            out[k][1].centred();
        }
        return out;
    }
};

} // namespace

std::unique_ptr<Screen> makeSpellListScreen(Game &game) { return std::make_unique<SpellListScreen>(game); }

} // namespace vermona
