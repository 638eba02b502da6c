// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_app.h"
#include "tests/test_support.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// One application for all front-end tests, set up as the game sets it up,
// on Qt's offscreen platform unless the caller chose another.
int main(int argc, char **argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt complains on stderr without a runtime directory; give it a private one.
    QTemporaryDir runtime;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && runtime.isValid()) {
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    vermona::app::setIdentity();
    // Settings (the language chosen) go to a test folder, never the player's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    vermona::app::setUpGameApplication(app);
    testing::InitGoogleTest(&argc, argv);
    // The game keeps its files where it runs, and test programs run side by side.
    const vermona::test::WorkDir dir;
    return RUN_ALL_TESTS();
}
