#include "platform/app_start.h"

#include "app/all_screens.h"
#include "data/game_screen.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QStyle>
#include <QTimer>
#include <QTranslator>
#include <cstdlib>
#include <exception>
#include <iostream>

namespace vermona::platform {

namespace {

bool isSet(const char *name) {
    const char *v = std::getenv(name);
    return v != nullptr && *v != '\0';
}

} // namespace

bool hasDisplay() { return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM"); }

bool setUpApplication(QApplication &app) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    // The program ends through the game (Game::end or confirmed closing),
    // never because a message box was the last window to close.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    // Menus and message boxes in the same Japanese gothic as the screens.
    QApplication::setFont(toQFont(Font{kGothic, 9, false}));

    auto *translator = new QTranslator(&app);
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_ja"), dir)) {
        delete translator;
        std::cerr << "vermona: Qt's Japanese translation (qtbase_ja.qm) is missing in " << dir.toStdString()
                  << "; message boxes will read in English (install qt6-translations-l10n)\n";
        return false;
    }
    QApplication::installTranslator(translator);
    return true;
}

GameApp::GameApp() : game_(ports_), frontend_(game_) {
    registerAllScreens(game_);
    ports_.setDialogParent([this] { return frontend_.dialogParent(); });
    frontend_.setErrorHandler([this] {
        failed_ = true;
        try {
            frontend_.rethrowPendingError();
        } catch (const std::exception &e) {
            std::cerr << "vermona: internal error: " << e.what() << '\n';
        } catch (...) {
            std::cerr << "vermona: internal error\n";
        }
        QCoreApplication::exit(1);
    });
}

GameApp::~GameApp() = default;

void GameApp::start() { game_.start(ids::kTitle); }

bool GameApp::startAndWaitForFirstPaint(int timeoutMs) {
    QEventLoop loop;
    bool painted = false;
    frontend_.setPaintHook([&](Screen &) {
        painted = true;
        loop.quit();
    });
    start();
    if (!painted && !game_.ended()) {
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    frontend_.setPaintHook({});
    return painted;
}

} // namespace vermona::platform
