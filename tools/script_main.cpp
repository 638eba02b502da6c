// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_app.h"
#include "platform/frontend.h"
#include "tools/script_host.h"
#include "tools/script_windows.h"

#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>

namespace {

// The same run on real windows: Qt's offscreen platform unless the caller
// chose one, the game's look, and clicks that go through the widgets.
int runWithWindows(int argc, char **argv, std::istream &script) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    vermona::app::setIdentity();
    QApplication app(argc, argv);
    vermona::app::setUpGameApplication(app);
    vermona::ScriptHost host(std::cout);
    int status = 0;
    {
        vermona::platform::Frontend frontend(host.game());
        vermona::app::equipFrontend(frontend);
        vermona::platform::QtScriptWindows windows(frontend);
        host.setWindows(&windows);
        status = host.run(script);
        host.setWindows(nullptr);
    }
    return status;
}

} // namespace

int main(int argc, char **argv) {
    bool windows = false;
    const char *file = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--windows") == 0) {
            windows = true;
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << "usage: vermona-script [--windows] [FILE]\n";
            return 0;
        } else if (file == nullptr) {
            file = argv[i];
        } else {
            std::cerr << "usage: vermona-script [--windows] [FILE]\n";
            return 2;
        }
    }
    std::ifstream in;
    if (file != nullptr) {
        in.open(file);
        if (!in) {
            std::cerr << "vermona-script: cannot read " << file << '\n';
            return 2;
        }
    }
    std::istream &script = file != nullptr ? in : std::cin;
    if (windows) {
        return runWithWindows(argc, argv, script);
    }
    // Headless: no Qt application at all.
    vermona::ScriptHost host(std::cout);
    return host.run(script);
}
