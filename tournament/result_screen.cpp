// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_screen.h"
#include "data/growth_record.h"
#include "tournament/battle_rules.h"
#include "tournament/round_robin.h"
#include "tournament/tournament_screens.h"

namespace vermona {

namespace {

class ResultScreen : public GameScreen {
public:
    explicit ResultScreen(Game &g) : GameScreen(g, ids::kResult, "大会", 4680, 1650, kFormFace) {
        setReaderDescription("試合の結果");
    }

    // clang-format off
    Control &Label1 = label(ids::result::kHeadline, "勝利！", 1680, 120, 975, 375).background(0xFFFFFF).foreground(0xFF0000).points(15.75).announce();
    Control &Label2 = label(ids::result::kRemark, "おめでとう！次も勝とう", 960, 720, 2535, 255).background(0x00FFFF).points(12).announce();
    Control &Command1 = button("Command1", "次へ", 1680, 1080, 975, 375)
        .background(0x00FF00).onClick([this] { Command1_Click(); });
    // clang-format on

    void Command1_Click() {
        // The winning blow's message goes with the match it ended.
        game_.close(ids::kBattleMessage);
        const int n = fieldSize(s);
        const Var::Int r = s.matchRound;
        if (r >= 1 && r <= n) {
            // The battle told how it ended on this screen.
            if (Label1.caption() == kDefeatCaption) {
                enter(static_cast<int>(r), 0);
            } else {
                enter(0, static_cast<int>(r));
            }
        }
        for (const ComputerMatch &m : computerMatches(n, r)) {
            enter(m.winner, m.loser);
        }
        if (r >= roundsFor(n)) {
            noteTournament(game_, heroResult(n));
            game_.show(ids::kMainMenu);
            s.daysToTournament -= 1;
            game_.close(ids::kResult);
            s.entrants = 0;
            game_.close(ids::kTable);
            return;
        }
        game_.show(ids::kTable);
        game_.control(ids::table::kMatch).setEnabled(true);
        game_.close(ids::kResult);
    }

private:
    // The finished tournament as the hero's row of the table shows it, for
    // the growth record.
    TournamentResult heroResult(int n) const {
        TournamentResult t{currentDate(s), 0, 0, n};
        if (const Screen *table = game_.find(ids::kTable)) {
            for (int b = 1; b <= n; ++b) {
                const CellRef cell = cellOf(0, b);
                if (const Control *c = table->find(cell)) {
                    t.wins += c->caption() == "○" ? 1 : 0;
                    t.losses += c->caption() == "×" ? 1 : 0;
                }
            }
        }
        return t;
    }

    // Player a beat player b: a circle in a's row, a cross in b's.
    void enter(int a, int b) {
        Screen *table = game_.find(ids::kTable);
        if (table == nullptr) {
            return;
        }
        const CellRef win = cellOf(a, b);
        const CellRef loss = cellOf(b, a);
        if (Control *c = table->find(win)) {
            c->setCaption("○");
        }
        if (Control *c = table->find(loss)) {
            c->setCaption("×");
        }
    }
};

} // namespace

std::unique_ptr<Screen> makeResultScreen(Game &game) { return std::make_unique<ResultScreen>(game); }

} // namespace vermona
