// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyle>
#include <QTranslator>
#include <cstdlib>
#include <iostream>

namespace vermona::platform {

namespace {

bool isSet(const char *name) {
    const char *v = std::getenv(name);
    return v != nullptr && *v != '\0';
}

} // namespace

void warn(const std::string &message) {
    std::cerr << QCoreApplication::applicationName().toStdString() << ": " << message << '\n';
}

bool hasDisplay() { return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM"); }

bool setUpApplication(QApplication &app, const Appearance &look) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    // The program ends through the game (Game::end or confirmed closing),
    // never because a message box was the last window to close.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions(look.faces, look.defaultFace);
    // Menus and message boxes in the same face as the screens.
    QApplication::setFont(toQFont(Font{look.defaultFace, look.defaultPoints, false}));
    if (look.qtTranslation.isEmpty()) {
        return true;
    }
    auto *translator = new QTranslator(&app);
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(look.qtTranslation, dir)) {
        delete translator;
        warn("Qt's translation " + look.qtTranslation.toStdString() + ".qm is missing in " +
             dir.toStdString() + "; message boxes will read in English (install qt6-translations-l10n)");
        return false;
    }
    QApplication::installTranslator(translator);
    return true;
}

} // namespace vermona::platform
