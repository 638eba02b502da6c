// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_codes.h"
#include "data/game_screen.h"
#include "tournament/battle_rules.h"
#include "tournament/tournament_screens.h"

#include <array>

namespace vermona {

namespace {

// What a spell announces, by its kind: %1 is the amount it acts with, where
// the message tells it.
constexpr std::array<const char *, 10> kCastMessages{
    "主人公は魔法を唱えた！敵に%1のダメージ",
    "主人公は魔法を唱えた！%1回復",
    "主人公は魔法を唱えた！毒が消え去った",
    "主人公は魔法を唱えた！主人公にかかっているすべての魔法が消えた",
    "主人公は魔法を唱えた！攻撃力が%1あがった",
    "主人公は魔法を唱えた！敵の攻撃力が%1さがった",
    "主人公は魔法を唱えた！防御力が%1あがった",
    "主人公は魔法を唱えた！敵の防御力が%1さがった",
    "主人公は魔法を唱えた！素早さが%1あがった",
    "主人公は魔法を唱えた！敵の素早さが%1さがった",
};

// The message window over the battle: the hero's action, then the
// opponent's answer, each moved on by a click on the message.
class BattleMessageScreen : public GameScreen {
public:
    explicit BattleMessageScreen(Game &g) : GameScreen(g, ids::kBattleMessage, "", 5250, 1320, 0x000000) {
        setBorderless();
        setReaderName("戦闘メッセージ");
        placeFrom(ids::kBattle, 3225, 5910);
    }

    // clang-format off
    Control &Label1 = label(ids::battle_message::kMessage, "", 120, 120, 4935, 1095).foreground(0xFFFFFF).announce().onClick([this] { Label1_Click(); });
    // clang-format on

    // After a cast the window opens on the spell's message.
    void Form_Load() override {
        const SpellKind cast = castKind(s);
        if (cast >= SpellKind::Attack && cast <= SpellKind::SpeedDown) {
            // A message without %1 leaves the amount out.
            Label1.setCaption(Text(kCastMessages[static_cast<std::size_t>(cast) - 1])
                                  .arg(Var::addSaturated(s.heroSpellPower, s.spellAmount)));
        }
        setCastKind(s, SpellKind::None);
    }

    void Label1_Click() {
        Screen *battle = game_.find(ids::kBattle);
        // The winning blow, read after the match: nothing follows it.
        if (battle == nullptr) {
            game_.close(ids::kBattleMessage);
            return;
        }
        if (s.enemyTurnTaken != 0) {
            s.enemyTurnTaken = 0;
            setBattleCommandsEnabled(game_, true);
            game_.close(ids::kBattleMessage);
            return;
        }
        Var e = s.enemyAttack.get(s.matchRound);
        e -= s.heroDefense;
        // Every blow does at least one point; that one is written full-width.
        if (e > 0) {
            Label1.setCaption(Text("敵の攻撃！%1のダメージ").arg(e));
        } else {
            Label1.setCaption(Text("敵の攻撃！%1のダメージ").fullWidthArg(1));
            e = 1;
        }
        Control &line = game_.control(kHeroGauge.line);
        const bool down = hitGauge(line, kHeroGauge, e, s.heroHP);
        s.enemyTurnTaken = 1;
        if (down) {
            line.setEnd(kHeroGauge.full, line.y2());
            endMatch(game_, Winner::Opponent);
        }
    }
};

} // namespace

std::unique_ptr<Screen> makeBattleMessageScreen(Game &game) {
    return std::make_unique<BattleMessageScreen>(game);
}

} // namespace vermona
