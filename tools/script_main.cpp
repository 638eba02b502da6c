// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_app.h"
#include "app/language.h"
#include "platform/frontend.h"
#include "tools/script_host.h"
#include "tools/script_windows.h"

#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

namespace {

// The same run on real windows: Qt's offscreen platform unless the caller
// chose one, the game's look, and clicks that go through the widgets.
constexpr const char *kUsage = "usage: vermona-script [--windows] [--lang ja|en] [FILE]\n";

// The script's game speaks its language from the start, and the title's
// language menu changes it for the run (never remembered).
void speak(vermona::script::ScriptHost &host, const std::string &language) {
    vermona::Game &game = host.game();
    vermona::app::useLanguage(game, language);
    game.setLanguageChooser([&game](std::string_view code) { vermona::app::useLanguage(game, code); });
}

int runWithWindows(int argc, char **argv, std::istream &script, const std::string &language) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    vermona::app::setUpGameApplication(app);
    vermona::script::ScriptHost host(std::cout);
    speak(host, language);
    int status = 0;
    {
        vermona::platform::Frontend frontend(host.game());
        vermona::app::equipFrontend(frontend);
        vermona::script::QtScriptWindows windows(frontend);
        host.setWindows(&windows);
        status = host.run(script);
        host.setWindows(nullptr);
    }
    return status;
}

} // namespace

int main(int argc, char **argv) {
    vermona::app::setIdentity();
    bool windows = false;
    const char *file = nullptr;
    // The game's own Japanese unless told otherwise, whatever the desktop's.
    std::string language(vermona::app::kJapanese);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--windows") == 0) {
            windows = true;
        } else if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc &&
                   vermona::app::knownLanguage(argv[i + 1])) {
            language = argv[++i];
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << kUsage;
            return 0;
        } else if (file == nullptr && argv[i][0] != '-') {
            file = argv[i];
        } else {
            std::cerr << kUsage;
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
        return runWithWindows(argc, argv, script, language);
    }
    // Headless: no Qt application at all.
    vermona::script::ScriptHost host(std::cout);
    speak(host, language);
    return host.run(script);
}
