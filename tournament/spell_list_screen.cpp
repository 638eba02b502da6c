#include "data/game_screen.h"
#include "tournament/battle_rules.h"
#include "tournament/tournament_screens.h"

#include <array>
#include <string>

namespace vermona {

namespace {

struct Spell {
    const char *name;
    int cost; // MP
    const char *description;
    Var GameState::*school; // the learned level of its school
    int level;              // the level that teaches it
    int kind;               // what it does, and the message that says so
};

// Row k of the list is Label(k + 2).
constexpr std::array<Spell, 23> kSpells{{
    {"ファイア", 2, "炎を発動し攻撃", &GameState::fireMagicLevel, 1, 1},
    {"ファイラ", 4, "より強力な炎で攻撃", &GameState::fireMagicLevel, 2, 1},
    {"ファイガ", 7, "炎系最強の魔法", &GameState::fireMagicLevel, 3, 1},
    {"ブリザド", 2, "氷で攻撃", &GameState::waterMagicLevel, 1, 1},
    {"ブリザラ", 4, "より強力な氷をぶつけて攻撃", &GameState::waterMagicLevel, 2, 1},
    {"ブリザガ", 7, "氷系最強の魔法", &GameState::waterMagicLevel, 3, 1},
    {"サンダー", 2, "落雷で攻撃", &GameState::thunderMagicLevel, 1, 1},
    {"サンダラ", 4, "強力な落雷で攻撃", &GameState::thunderMagicLevel, 2, 1},
    {"サンダガ", 7, "雷系最強の魔法", &GameState::thunderMagicLevel, 3, 1},
    {"コメット", 4, "隕石を落として攻撃", &GameState::neutralMagicLevel, 1, 1},
    {"コメテオ", 9, "強力な隕石で攻撃", &GameState::neutralMagicLevel, 2, 1},
    {"メテオ", 20, "無属性最強の魔法", &GameState::neutralMagicLevel, 3, 1},
    {"ケアル", 2, "HP回復・小", &GameState::healMagicLevel, 1, 2},
    {"ケアルラ", 5, "HP回復・中", &GameState::healMagicLevel, 2, 2},
    {"ケアルガ", 10, "HP回復・大", &GameState::healMagicLevel, 3, 2},
    {"キアリー", 2, "毒を消し去る", &GameState::cureMagicLevel, 1, 3},
    {"ディスペル", 8, "かかっている魔法をすべて消す", &GameState::cureMagicLevel, 2, 4},
    {"パワーアップ", 3, "自分の攻撃力を上げる", &GameState::powerMagicLevel, 1, 5},
    {"パワーダウン", 3, "敵の攻撃力を下げる", &GameState::powerMagicLevel, 2, 6},
    {"プロテクトアップ", 3, "自分の防御力を上げる", &GameState::guardMagicLevel, 1, 7},
    {"プロテクトダウン", 3, "敵の防御力を下げる", &GameState::guardMagicLevel, 2, 8},
    {"スピードアップ", 3, "自分の早さをあげる", &GameState::speedMagicLevel, 1, 9},
    {"スピードダウン", 3, "敵の早さを下げる", &GameState::speedMagicLevel, 2, 10},
}};

constexpr int kRowsTop = 1200;
constexpr int kRowStep = 360;
constexpr int kHeaderTop = 840;
constexpr int kRowHeight = 375;
// Name, cost and description columns.
constexpr std::array<int, 3> kColumnLeft{240, 1800, 2760};
constexpr std::array<int, 3> kColumnWidth{1575, 975, 3375};

constexpr Rgb kBackground = 0x000080;
constexpr Rgb kText = 0xFFFFFF;

// The costs are written in full-width digits.
std::string fullWidth(int n) {
    static constexpr std::array kDigits{"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    std::string out;
    for (char c : std::to_string(n)) {
        out += kDigits[static_cast<std::size_t>(c - '0')];
    }
    return out;
}

// The learned spells in their fixed rows; from a battle, a click on one
// casts it.
class SpellListScreen : public GameScreen {
public:
    explicit SpellListScreen(Game &g) : GameScreen(g, ids::kSpellList, "魔法一覧", 6375, 10455, kBackground) {
        Label1.transparent = true;
        Label1.foreground = 0xFFFF00;
        Label1.font.points = 15.75;
        for (Control *c : Label2) {
            c->background = 0x4040C0;
            c->foreground = kText;
            c->border = true;
            c->align = Align::Center;
            c->font.points = 11.25;
        }
        for (std::size_t k = 0; k < kSpells.size(); ++k) {
            for (Control *c : rows[k]) {
                c->transparent = true;
                c->foreground = kText;
                c->font.points = 11.25;
                c->onClick = [this, k] { castSpell(k); };
            }
            rows[k][1]->align = Align::Center;
        }
        Command1.font.points = 12;
        Command1.onClick = [this] { Command1_Click(); };
    }

    Control &Label1 = label("Label1", "現在取得した魔法", 240, 240, 3615, 495);
    std::array<Control *, 3> Label2 = row("Label2", kHeaderTop, {"魔法名", "使用MP", "説明"});
    // Label3 to Label25: name, cost and description of each spell.
    std::array<std::array<Control *, 3>, kSpells.size()> rows = spellRows();
    Control &Command1 = button("Command1", "back", 2640, 9720, 1095, 495);

    // Rows keep their places, so the list has gaps for unlearned spells. A
    // school's top spell stays listed above its top level too.
    void Form_Load() override {
        for (std::size_t k = 0; k < kSpells.size(); ++k) {
            const bool learned = s.*kSpells[k].school >= kSpells[k].level;
            for (Control *c : rows[k]) {
                c->setVisible(learned);
            }
        }
    }

    // Label3_Click to Label25_Click: any label of a row is a click on its
    // spell. Only a list opened from a battle casts.
    void castSpell(std::size_t k) {
        const Spell &spell = kSpells[k];
        if (s.castKind != 1 || game_.find(ids::kBattle) == nullptr) {
            return;
        }
        if (s.heroMP < spell.cost) {
            game_.msgBox("MPが足りません", kOkOnly, "大会");
            return;
        }
        s.spellAmount = Var::addSaturated(s.heroSpellPower, spell.cost);
        s.heroMP -= spell.cost;
        if (spell.kind != 1) {
            s.castKind = spell.kind;
        }
        // The message window announces the spell, then the spell acts.
        game_.show(ids::kBattleMessage);
        if (spellActs(game_, spell.kind, Var::addSaturated(s.heroSpellPower, s.spellAmount))) {
            // Won, as by an attack: the opponent takes no turn.
            game_.show(ids::kResult);
            game_.close(ids::kBattleMessage);
            game_.close(ids::kBattle);
        }
        game_.close(ids::kSpellList);
    }

    // From a battle, back to it with its commands usable again; otherwise
    // back to the menu.
    void Command1_Click() {
        if (s.castKind != 0 && game_.find(ids::kBattle) != nullptr) {
            setBattleCommandsEnabled(game_, true);
            game_.close(ids::kSpellList);
            return;
        }
        changeTo(ids::kMainMenu);
    }

private:
    std::array<Control *, 3> row(const std::string &name, int top,
                                 const std::array<std::string, 3> &captions) {
        std::array<Control *, 3> out{};
        for (std::size_t i = 0; i < out.size(); ++i) {
            out[i] = &label(name, static_cast<int>(i), captions[i], kColumnLeft[i], top, kColumnWidth[i],
                            kRowHeight);
        }
        return out;
    }

    std::array<std::array<Control *, 3>, kSpells.size()> spellRows() {
        std::array<std::array<Control *, 3>, kSpells.size()> out{};
        for (std::size_t k = 0; k < kSpells.size(); ++k) {
            const Spell &spell = kSpells[k];
            out[k] = row("Label" + std::to_string(k + 3), kRowsTop + kRowStep * static_cast<int>(k),
                         {spell.name, fullWidth(spell.cost), spell.description});
        }
        return out;
    }
};

} // namespace

std::unique_ptr<Screen> makeSpellListScreen(Game &game) { return std::make_unique<SpellListScreen>(game); }

} // namespace vermona
