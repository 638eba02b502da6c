#include "platform/app_start.h"

#include <QApplication>
#include <iostream>

int main(int argc, char **argv) {
    // Without a window system Qt aborts with a message about plugins; say
    // what is actually wrong instead.
    if (!vermona::platform::hasDisplay()) {
        std::cerr << "vermona: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run under a desktop "
                     "session, or set QT_QPA_PLATFORM=offscreen / use xvfb-run -a vermona\n";
        return 1;
    }
    QApplication app(argc, argv);
    vermona::platform::setUpApplication(app);
    vermona::platform::GameApp game;
    game.start();
    if (game.game().ended() || game.failed()) {
        return game.failed() ? 1 : 0;
    }
    const int status = QApplication::exec();
    return game.failed() ? 1 : status;
}
