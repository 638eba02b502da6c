// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language.h"

#include "platform/application.h"
#include "platform/assets.h"
#include "platform/qt_translation.h"
#include "runtime/game.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <algorithm>
#include <map>

namespace vermona::app {

namespace {

constexpr const char *kSettingsKey = "language";

// Where a language's catalogue is: installed with the game, or where this
// build tree compiled it.
QString catalogueFile(std::string_view code) {
    const QString name = QStringLiteral("vermona_%1.qm")
                             .arg(QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())));
    // The installation is found from the program's folder, which Qt knows
    // only with an application (the headless script host has none).
    if (QCoreApplication::instance() != nullptr) {
        if (QString installed = platform::findAsset(QStringLiteral("translations/") + name);
            !installed.isEmpty()) {
            return installed;
        }
    }
    return QStringLiteral(VERMONA_TRANSLATIONS_BUILD "/") + name;
}

// A language's catalogue, loaded once: windows keep showing texts of the
// one they were drawn with. Null for Japanese or a catalogue that is missing.
std::shared_ptr<platform::QtTranslation> catalogue(std::string_view code) {
    if (code == kJapanese || !knownLanguage(code)) {
        return nullptr;
    }
    static std::map<std::string, std::shared_ptr<platform::QtTranslation>, std::less<>> loaded;
    auto it = loaded.find(code);
    if (it == loaded.end()) {
        const QString file = catalogueFile(code);
        std::shared_ptr<platform::QtTranslation> t = platform::QtTranslation::load(file);
        if (!t) {
            platform::warn("no catalogue " + file.toStdString() + "; the game stays in Japanese");
        }
        it = loaded.emplace(std::string(code), t).first;
    }
    return it->second;
}

// The catalogue installed on the application for Qt's own translate().
std::shared_ptr<platform::QtTranslation> onApplication;

} // namespace

bool knownLanguage(std::string_view code) {
    return std::any_of(kLanguages.begin(), kLanguages.end(),
                       [code](const Language &l) { return l.code == code; });
}

std::string startLanguage(const QString &given) {
    if (knownLanguage(given.toStdString())) {
        return given.toStdString();
    }
    if (QCoreApplication::instance() != nullptr) {
        std::string chosen = QSettings().value(kSettingsKey).toString().toStdString();
        if (knownLanguage(chosen)) {
            return chosen;
        }
    }
    // The desktop's first language when the game speaks it, Japanese otherwise.
    const QStringList desktop = QLocale::system().uiLanguages();
    if (!desktop.isEmpty()) {
        for (const Language &l : kLanguages) {
            if (desktop.first().startsWith(
                    QLatin1String(l.code.data(), static_cast<qsizetype>(l.code.size())))) {
                return std::string(l.code);
            }
        }
    }
    return std::string(kJapanese);
}

std::shared_ptr<const Translation> loadLanguage(std::string_view code) { return catalogue(code); }

void useLanguage(Game &game, std::string_view code) {
    std::shared_ptr<platform::QtTranslation> translation = catalogue(code);
    if (QCoreApplication::instance() != nullptr) {
        if (onApplication) {
            QCoreApplication::removeTranslator(&onApplication->catalogue());
        }
        onApplication = translation;
        if (onApplication) {
            QCoreApplication::installTranslator(&onApplication->catalogue());
        }
        // Qt's own buttons speak Japanese only with the Japanese game.
        platform::useQtTranslation(translation ? QString() : QStringLiteral("qtbase_ja"));
    }
    game.setTranslation(std::move(translation));
}

void chooseLanguage(Game &game, std::string_view code) {
    useLanguage(game, code);
    QSettings().setValue(kSettingsKey, QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())));
}

} // namespace vermona::app
