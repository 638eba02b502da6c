// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_screen.h"
#include "data/languages.h"
#include "data/save_game.h"
#include "data/save_slots.h"
#include "start/start_screens.h"
#include "start/tournament_countdown.h"

namespace vermona {

namespace {

class TitleScreen : public GameScreen {
public:
    explicit TitleScreen(Game &g)
        : GameScreen(g, ids::kTitle, "ヴェルモナシュミレーション", 5895, 4410, 0xFFFF00) {
        menuEntry("help", "ロード", [this] { help_Click(); });
        // Every slot, to load any of them; "ロード" itself loads slot 1.
        menuEntry("slots", "セーブデータ一覧", [this] { game_.openView(kSlotsView); });
        // Each language by its own name, whichever is shown.
        MenuEntry &languages = menuEntry("language", Text::verbatim("言語 / Language"));
        for (const Language &language : kLanguages) {
            languages.child(std::string(language.entry), Text::verbatim(std::string(language.own)),
                            [this, code = language.code] { game_.chooseLanguage(code); });
        }
    }

    // clang-format off
    Control &Label1 = label("Label1", "ヴェルモナシュミレーションゲーム", 240, 720, 5175, 615)
        .background(0x00FF00).foreground(0xFFFFFF).font(kMincho, 21.75).centred();
    Control &Command1 = button("Command1", "開始", 2160, 2400, 1335, 735)
        .background(0x00FFFF).points(12).onClick([this] { Command1_Click(); });
    // clang-format on

    // A game that ended unexpectedly may go on from where its menu last
    // stood; otherwise, or when that cannot be read, a new game starts.
    // Going on loses nothing, so it is what Enter and Escape answer.
    void Command1_Click() {
        if (hasResumePoint()) {
            if (game_.msgBox("前回の続きから再開しますか？", kYesNo | kQuestion, "ヴェルモナ") == kYes &&
                loadAndGoOn(game_, kResumeSlot)) {
                return;
            }
            removeResumePoint();
        }
        drawTournamentCountdown(game_);
        changeTo(ids::kHeroSetup);
    }

    void help_Click() { loadAndGoOn(game_, kPlayerSlot); }
};

} // namespace

std::unique_ptr<Screen> makeTitleScreen(Game &game) { return std::make_unique<TitleScreen>(game); }

} // namespace vermona
