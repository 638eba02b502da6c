// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_app.h"

#include "app/all_screens.h"
#include "app/english_look.h"
#include "app/growth_chart_window.h"
#include "app/language.h"
#include "app/save_slots_window.h"
#include "data/game_screen.h"
#include "data/growth_record.h"
#include "data/quit.h"
#include "data/save_game.h"
#include "data/save_slots.h"
#include "platform/application.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QTimer>
#include <exception>
#include <iostream>

// The icon is compiled into this static library; a reference keeps it in.
static void initIconResource() { Q_INIT_RESOURCE(icon); }

namespace vermona::app {

namespace {

// Whatever Japanese face is installed, so a missing font still leaves the
// texts readable. Without an explicit list Qt falls back to a fixed-width
// gothic, which spreads the proportional captions out of their boxes.
const QStringList kJapaneseFallbacks = {"IPAPGothic",  "IPAGothic",         "Noto Sans CJK JP",
                                        "VL PGothic",  "TakaoPGothic",      "Droid Sans Fallback",
                                        "IPAexGothic", "Source Han Sans JP"};

QStringList withFallbacks(QStringList preferred) {
    for (const QString &f : kJapaneseFallbacks) {
        if (!preferred.contains(f)) {
            preferred.append(f);
        }
    }
    return preferred;
}

platform::Appearance gameAppearance() {
    platform::Appearance look;
    look.faces = {
        {kGothic, withFallbacks({"IPAPGothic"})},
        {kMincho, withFallbacks({"IPAPMincho", "IPAMincho", "Noto Serif CJK JP"})},
        // A brush face for the hero set-up heading; a mincho reads closest
        // when no brush font is installed.
        {kReisho, withFallbacks({"KouzanBrushFont", "AoyagiKouzanFontT", "IPAPMincho", "IPAMincho"})},
    };
    look.defaultFace = kGothic;
    look.defaultPoints = 9;
    look.languages[std::string(kEnglish)] = englishLook();
    return look;
}

} // namespace

void setIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("vermona"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VERMONA_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("vermona"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("vermona.org"));
    // Ties the windows to the menu entry, whose icon the task bar shows.
    QGuiApplication::setDesktopFileName(QStringLiteral(VERMONA_APP_ID));
}

bool setUpGameApplication(QApplication &app) {
    initIconResource();
    // The sizes a task bar or a window's title shows; the menu entry's icon
    // comes from the icon theme. Qt decodes each at once, so the large ones,
    // which cost a start more than all the rest, are left out.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size));
    }
    QApplication::setWindowIcon(icon);
    platform::setUpApplication(app, gameAppearance());
    // The game's own language until another is chosen.
    return platform::useQtTranslation(QStringLiteral("qtbase_ja"));
}

void equipFrontend(platform::Frontend &frontend) {
    frontend.registerView(kGrowthView, [](Game &game) { return new GrowthChartWindow(game); });
    frontend.registerView(kSlotsView, [&frontend](Game &) { return new SaveSlotsWindow(frontend); });
    Game &game = frontend.game();
    frontend.setCloseRule([&game] { return confirmQuit(game); });
}

GameApp::GameApp() : game_(ports_), frontend_(game_) {
    registerAllScreens(game_);
    equipFrontend(frontend_);
    ports_.setDialogParent([this] { return frontend_.dialogParent(); });
    ports_.setLanguage([this] { return game_.translation(); });
    game_.setLanguageChooser([this](std::string_view code) { chooseLanguage(game_, code); });
    // A normal end leaves nothing to resume.
    frontend_.setProgramEndedHandler([this] {
        endRun(game_);
        QCoreApplication::exit(0);
    });
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

} // namespace vermona::app
