// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the game to its first painted window and exits: the real start-up
// (style, translation, fonts, every screen, the title window), in the
// language given (ja, the default, or en).
#include "app/game_app.h"
#include "app/language.h"

#include <QApplication>
#include <iostream>
#include <string>

int main(int argc, char **argv) {
    const std::string language = argc > 1 ? argv[1] : std::string(vermona::app::kJapanese);
    QApplication app(argc, argv);
    vermona::app::setUpGameApplication(app);
    vermona::app::GameApp game;
    vermona::app::useLanguage(game.game(), language);
    // Without its catalogue (built by vermona_translations, not by this
    // target) another language would start in Japanese and be measured as it.
    if (language != vermona::app::kJapanese && game.game().translation() == nullptr) {
        std::cerr << "vermona_startup_probe: no catalogue for " << language
                  << "; build vermona_translations first\n";
        return 2;
    }
    return game.startAndWaitForFirstPaint() ? 0 : 1;
}
