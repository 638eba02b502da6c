// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vermona::texts {

// The context of every text of the game's in a Qt catalogue.
inline constexpr const char *kContext = "vermona";

// A wording of the game's as the catalogue keeps it: the wording itself, the
// sense that tells two uses of the same wording apart (Qt's disambiguation,
// written as a Text::meaning), and whether it counts something with %n, so
// that a translation gives it its plural forms.
struct Message {
    std::string source;
    std::string sense;
    [[nodiscard]] bool counts() const { return source.find("%n") != std::string::npos; }
    bool operator==(const Message &other) const = default;
};

// Every wording the game's sources under these folders hold: each string
// literal (adjacent literals joined, as the compiler joins them) with
// Japanese in it, except an argument of Text::verbatim and anything on a
// line marked "kept in Japanese" or right below such a line. A literal
// followed by a last argument that is a plain ASCII literal, or the first
// argument of meaning(), is meant in that sense; meaning() names a wording
// of the catalogue's even when it has no Japanese (a design's English
// caption). In order of first appearance, each once.
std::vector<Message> scanSources(const std::vector<std::string> &dirs);
// The same for one file's text.
std::vector<Message> scanSource(std::string_view code);

// A wording on one line, its line breaks written \n.
std::string escaped(std::string_view wording);

// Brings the catalogue (a Qt Linguist .ts file, Japanese to English) in
// line with the wordings: new ones are added unfinished, ones no source
// holds any more are dropped, translations are kept. Error text, or empty.
std::string updateCatalogue(const std::string &file, const std::vector<Message> &messages);

// One term of the glossary: a word of the game's in Japanese and the English
// it always has. A term with a sense is the whole wording meant in that
// sense ("alone": the wording alone, a button's caption, whatever its
// sense); one without stands for the word wherever a wording holds it. No
// English marks Japanese that holds a term without being it (強力 is not 力).
struct Term {
    std::string japanese;
    std::string sense;
    std::vector<std::string> english; // any of these
};

// The glossary: the table under the heading "## Glossary" of a Markdown file,
// whose columns are the Japanese, the sense, and the English ("A or B" for
// either; "—" for none). Error text in `error` when it cannot be read.
std::vector<Term> readGlossary(const std::string &file, std::string &error);

// What is wrong with the catalogue for these wordings: a wording missing,
// unfinished or empty; a translation that keeps Japanese letters, or whose
// numbers (%1, %2 ...) or '|'-parts are not the wording's; or one that
// words a glossary term otherwise: a
// wording that is a term is translated as the term is, and one that holds a
// term holds its English. Empty when nothing is.
std::vector<std::string> checkCatalogue(const std::string &file, const std::vector<Message> &messages,
                                        const std::vector<Term> &glossary = {});

} // namespace vermona::texts
