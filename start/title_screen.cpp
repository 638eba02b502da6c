#include "data/game_screen.h"
#include "data/growth_record.h"
#include "data/save_file.h"
#include "start/start_screens.h"

namespace vermona {

namespace {

class TitleScreen : public GameScreen {
public:
    explicit TitleScreen(Game &g)
        : GameScreen(g, ids::kTitle, "ヴェルモナシュミレーション", 5895, 4410, 0xFFFF00) {
        menuEntry("help", "ロード", [this] { help_Click(); });
    }

    // clang-format off
    Control &Label1 = label("Label1", "ヴェルモナシュミレーションゲーム", 240, 720, 5175, 615)
        .background(0x00FF00).foreground(0xFFFFFF).font(kMincho, 21.75).centred();
    Control &Command1 = button("Command1", "開始", 2160, 2400, 1335, 735)
        .background(0x00FFFF).points(12).onClick([this] { Command1_Click(); });
    // clang-format on

    void Command1_Click() {
        s.daysToTournament = game_.roll(15, 15);
        changeTo(ids::kHeroSetup);
    }

    // Everything is decoded into a temporary first, so a file that cannot be
    // read leaves the game as it was and the player can start or retry.
    void help_Click() {
        LoadResult loaded = loadSaveFile(kSaveFileName);
        if (loaded.fault == LoadFault::NotWhole) {
            game_.msgBox("データの変更はしないようにして下さい！", kOkOnly, fieldCheckTitle(loaded.line));
            game_.end();
        }
        if (!loaded.ok()) {
            game_.msgBox(loadFailureMessage(loaded), kOkOnly, "ヴェルモナ");
            return;
        }
        assignSaveValues(s, loaded.values);
        game_.store<SaveRecord>().lastWritten = loaded.values;
        // The record is a bonus: without a usable one the load goes on and
        // the record starts at the loaded week.
        replaceRecord(game_, loadRecordFile(kRecordFileName, currentDate(s)).value_or(GrowthRecord{}));
        game_.msgBox("ロード終了", kOkOnly, "ヴェルモナ");
        changeTo(ids::kMainMenu);
    }
};

} // namespace

std::unique_ptr<Screen> makeTitleScreen(Game &game) { return std::make_unique<TitleScreen>(game); }

} // namespace vermona
