// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_screen.h"
#include "data/save_game.h"
#include "start/start_screens.h"

#include <string_view>

namespace vermona {

namespace {

class TitleScreen : public GameScreen {
public:
    explicit TitleScreen(Game &g)
        : GameScreen(g, ids::kTitle, "ヴェルモナシュミレーション", 5895, 4410, 0xFFFF00) {
        menuEntry("help", "ロード", [this] { help_Click(); });
        // Each language by its own name, whichever is shown.
        menuEntry("language", Text::verbatim("言語 / Language"))
            .child("japanese", Text::verbatim("日本語"), [this] { game_.chooseLanguage("ja"); })
            .child("english", Text::verbatim("English"), [this] { game_.chooseLanguage("en"); });
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
                load(kResumeSlot)) {
                return;
            }
            removeResumePoint();
        }
        s.daysToTournament = game_.roll(15, 15);
        changeTo(ids::kHeroSetup);
    }

    void help_Click() { load(kPlayerSlot); }

private:
    // Loads a slot and goes on from the menu; false with the reason told
    // when it cannot be loaded. An edited save ends the program, as
    // designed; an edited resume point only gives way to a new game.
    bool load(const SaveSlot &slot) {
        const LoadResult loaded = loadGame(game_, slot);
        if (loaded.fault == LoadFault::NotWhole) {
            game_.msgBox("データの変更はしないようにして下さい！", kOkOnly, fieldCheckTitle(loaded.line));
            if (std::string_view(slot.save) == kPlayerSlot.save) {
                game_.end();
            }
            return false;
        }
        if (!loaded.ok()) {
            game_.msgBox(loadFailureMessage(loaded, slot.save), kOkOnly, "ヴェルモナ");
            return false;
        }
        game_.msgBox("ロード終了", kOkOnly, "ヴェルモナ");
        changeTo(ids::kMainMenu);
        return true;
    }
};

} // namespace

std::unique_ptr<Screen> makeTitleScreen(Game &game) { return std::make_unique<TitleScreen>(game); }

} // namespace vermona
