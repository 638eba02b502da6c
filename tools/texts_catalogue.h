// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vermona::texts {

// The context of every text of the game's in a Qt catalogue.
inline constexpr const char *kContext = "vermona";

// Every wording the game's sources under these folders hold: each string
// literal (adjacent literals joined, as the compiler joins them) with
// Japanese in it, except an argument of Text::verbatim and anything on a
// line marked "kept in Japanese" or right below such a line. In order of first appearance, each once.
std::vector<std::string> scanSources(const std::vector<std::string> &dirs);
// The same for one file's text.
std::vector<std::string> scanSource(std::string_view code);

// A wording on one line, its line breaks written \n.
std::string escaped(std::string_view wording);

// Brings the catalogue (a Qt Linguist .ts file, Japanese to English) in
// line with the wordings: new ones are added unfinished, ones no source
// holds any more are dropped, translations are kept. Error text, or empty.
std::string updateCatalogue(const std::string &file, const std::vector<std::string> &wordings);

// What is wrong with the catalogue for these wordings: a wording missing,
// unfinished or empty, or a translation whose numbers (%1, %2 ...) are not
// the wording's. Empty when nothing is.
std::vector<std::string> checkCatalogue(const std::string &file, const std::vector<std::string> &wordings);

} // namespace vermona::texts
