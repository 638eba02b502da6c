#include "app/data_folder.h"
#include "app/game_app.h"
#include "platform/application.h"

#include <QApplication>
#include <QLockFile>
#include <memory>
#include <cstring>
#include <iostream>

namespace {

constexpr const char *kUsage = "usage: vermona [--desktop] [--check]\n"
                               "  --desktop  keep the save and name.txt in the player's data folder\n"
                               "  --check    start, show the first window, print its screen and exit\n";

} // namespace

int main(int argc, char **argv) {
    bool fromDesktop = false;
    bool check = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--desktop") == 0) {
            fromDesktop = true;
        } else if (std::strcmp(argv[i], "--check") == 0) {
            check = true;
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << kUsage;
            return 0;
        } else {
            std::cerr << "vermona: unknown option " << argv[i] << '\n' << kUsage;
            return 2;
        }
    }
    // Without a window system Qt aborts with a message about plugins; say
    // what is actually wrong instead.
    if (!vermona::platform::hasDisplay()) {
        std::cerr << "vermona: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run under a desktop "
                     "session, or set QT_QPA_PLATFORM=offscreen / use xvfb-run -a vermona\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vermona"));
    if (const QString error = vermona::app::chooseWorkingDirectory(fromDesktop); !error.isEmpty()) {
        std::cerr << "vermona: " << error.toStdString() << '\n';
        return 1;
    }
    vermona::app::setUpGameApplication(app);
    // One game per folder: a second copy would write the same save.
    // --check plays nothing and writes nothing, so it needs no lock.
    std::unique_ptr<QLockFile> lock;
    if (!check) {
        lock = vermona::app::lockWorkingDirectory();
        if (!lock) {
            vermona::platform::QtPorts().messageBox("ヴェルモナは既に起動しています", vermona::kOkOnly,
                                                    "ヴェルモナ");
            return 1;
        }
    }
    vermona::app::GameApp game;
    if (check) {
        // For packagers and tests: the installed program really starts.
        if (!game.startAndWaitForFirstPaint()) {
            std::cerr << "vermona: no window was painted\n";
            return 1;
        }
        for (vermona::Screen *screen : game.game().screens()) {
            if (screen->visible()) {
                std::cout << screen->id() << ' ' << screen->caption() << '\n';
            }
        }
        return game.failed() ? 1 : 0;
    }
    game.start();
    if (game.game().ended() || game.failed()) {
        return game.failed() ? 1 : 0;
    }
    const int status = QApplication::exec();
    return game.failed() ? 1 : status;
}
