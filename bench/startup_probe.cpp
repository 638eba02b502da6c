// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the game to its first painted window and exits: the real start-up
// (style, translation, fonts, every screen, the title window).
#include "app/game_app.h"

#include <QApplication>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    vermona::app::setUpGameApplication(app);
    vermona::app::GameApp game;
    return game.startAndWaitForFirstPaint() ? 0 : 1;
}
