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
#include <QIconEngine>
#include <QPainter>
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

// The window icon from the sizes the desktop has, each decoded only when a
// window system first asks for its pixels, which it may never do: the
// offscreen platform never does, Wayland takes the menu entry's icon, X11
// asks when it makes a window. Qt's own icon from files decodes each file
// as it is added, which cost every start some 4 M instructions.
class IconFiles : public QIconEngine {
public:
    explicit IconFiles(QList<int> sizes) : sizes_(std::move(sizes)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return loaded().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().actualSize(size, mode, state);
    }
    // As Qt's icon from files tells them: the files' sizes, in the normal
    // mode and state they were added in.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (int size : sizes_) {
                sizes.append(QSize(size, size));
            }
        }
        return sizes;
    }
    [[nodiscard]] QIconEngine *clone() const override { return new IconFiles(sizes_); }

private:
    QIcon &loaded() {
        if (icon_.isNull()) {
            for (int size : sizes_) {
                icon_.addFile(QStringLiteral(":/icons/%1.png").arg(size));
            }
        }
        return icon_;
    }

    QList<int> sizes_;
    QIcon icon_;
};

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
    // comes from the icon theme. Each is decoded when first shown, and the
    // large ones, which would cost more than all the rest, are left out.
    QApplication::setWindowIcon(QIcon(new IconFiles({16, 24, 32, 48, 64})));
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
