// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyle>
#include <QTranslator>
#include <iostream>
#include <memory>

namespace vermona::platform {

void warn(const std::string &message) {
    std::cerr << QCoreApplication::applicationName().toStdString() << ": " << message << '\n';
}

void setUpApplication(QApplication & /*app*/, const Appearance &look) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    // The program ends through the game (Game::end or confirmed closing),
    // never because a message box was the last window to close.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions(look.faces, look.defaultFace);
    setLanguageLooks(look.languages);
    // Menus and message boxes in the same face as the screens.
    QApplication::setFont(toQFont(Font{look.defaultFace, look.defaultPoints, false}));
}

bool useQtTranslation(const QString &name) {
    static std::unique_ptr<QTranslator> installed;
    static QString installedName;
    // Loading a catalogue costs a good part of a start.
    if (name == installedName && (installed || name.isEmpty())) {
        return true;
    }
    installedName = name;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (name.isEmpty()) {
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(name, dir)) {
        warn("Qt's translation " + name.toStdString() + ".qm is missing in " + dir.toStdString() +
             "; message boxes will read in English (install qt6-translations-l10n)");
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}

} // namespace vermona::platform
