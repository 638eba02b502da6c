// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/languages.h"

#include <QString>
#include <memory>
#include <string>
#include <string_view>

namespace vermona {
class Game;
class Translation;
} // namespace vermona

namespace vermona::app {

// The languages the game speaks (data/languages.h): its own Japanese first,
// in which its texts are made, then English and any other.
inline constexpr std::string_view kJapanese = kLanguages.front().code;
inline constexpr std::string_view kEnglish = "en";
[[nodiscard]] bool knownLanguage(std::string_view code);

// The language a start begins in: the one given on the command line (if
// any), else the one the player last chose, else the desktop's: English
// when its first language is English, Japanese otherwise (the C locale
// included).
std::string startLanguage(const QString &given = {});

// The game's texts in a language; null for Japanese (the texts as made) or
// when the catalogue cannot be found (the reason goes to stderr).
std::shared_ptr<const Translation> loadLanguage(std::string_view code);

// Shows the game in a language from now on: its texts, Qt's own, and every
// open window (Qt's own windows hear of it through LanguageChange). Works
// without an application object too (the headless script host): then only
// the game's texts change.
void useLanguage(Game &game, std::string_view code);
// The same, remembered for the next start: the player's own choice.
void chooseLanguage(Game &game, std::string_view code);

} // namespace vermona::app
