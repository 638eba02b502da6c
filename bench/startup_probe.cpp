// Starts the game to its first painted window and exits: the real start-up
// (style, translation, fonts, every screen, the title window).
#include "platform/app_start.h"

#include <QApplication>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    vermona::platform::setUpApplication(app);
    vermona::platform::GameApp game;
    return game.startAndWaitForFirstPaint() ? 0 : 1;
}
