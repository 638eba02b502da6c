// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/texts_catalogue.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <utility>

namespace vermona::texts {

namespace {

constexpr std::string_view kKeptMarker = "kept in Japanese";
// The glossary's sense for a term that is a wording of its own (a button's
// caption) and stands for nothing inside a longer one.
constexpr std::string_view kAlone = "alone";

bool hasJapanese(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

char unescape(char c) {
    switch (c) {
    case 'n':
        return '\n';
    case 't':
        return '\t';
    default:
        return c; // \" \\ \'
    }
}

// The %1, %2 ... a wording holds.
std::set<char> placeholders(std::string_view s) {
    std::set<char> out;
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] == '%' && s[i + 1] >= '1' && s[i + 1] <= '9') {
            out.insert(s[i + 1]);
        }
    }
    return out;
}

struct Entry {
    std::vector<std::string> forms; // one, or a plural form each
    bool finished = false;
    bool numerus = false;
};

using Key = std::pair<std::string, std::string>; // source and sense

// The messages of the catalogue's context, by source and sense.
bool readCatalogue(const std::string &file, std::map<Key, Entry> &out, std::string &error) {
    QFile f(QString::fromStdString(file));
    if (!f.open(QIODevice::ReadOnly)) {
        error = "cannot read " + file;
        return false;
    }
    QXmlStreamReader xml(&f);
    Key key;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("message")) {
            key = {};
            entry = Entry{};
            entry.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
            key.first = xml.readElementText().toStdString();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("comment")) {
            key.second = xml.readElementText().toStdString();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            entry.finished = type.isEmpty();
            if (!entry.numerus) {
                entry.forms = {xml.readElementText().toStdString()};
            }
        } else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
            entry.forms.push_back(xml.readElementText().toStdString());
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            out[key] = entry;
        }
    }
    if (xml.hasError()) {
        error = file + ": " + xml.errorString().toStdString();
        return false;
    }
    return true;
}

// How many parts a '|'-divided wording has.
std::size_t parts(std::string_view s) {
    return static_cast<std::size_t>(std::count(s.begin(), s.end(), '|')) + 1;
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return s;
}

// The length of the UTF-8 character that starts with c.
std::size_t charLength(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x80 ? 1 : u >= 0xF0 ? 4 : u >= 0xE0 ? 3 : u >= 0xC0 ? 2 : 1;
}

// Japanese letters, which a translation must not leave: kana, kanji and the
// full-width forms.
bool writesJapanese(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); i += charLength(s[i])) {
        if (charLength(s[i]) != 3 || i + 2 >= s.size()) {
            continue;
        }
        const auto b = [&](std::size_t k) {
            return static_cast<unsigned>(static_cast<unsigned char>(s[i + k]));
        };
        const unsigned code = ((b(0) & 0x0FU) << 12U) | ((b(1) & 0x3FU) << 6U) | (b(2) & 0x3FU);
        if ((code >= 0x3000 && code <= 0x30FF) || (code >= 0x3400 && code <= 0x9FFF) ||
            (code >= 0xFF00 && code <= 0xFFEF)) {
            return true;
        }
    }
    return false;
}

std::string quotedTerm(const Term &t) {
    std::string out = t.japanese + (t.sense.empty() ? "" : " (" + t.sense + ")") + " is ";
    for (std::size_t i = 0; i < t.english.size(); ++i) {
        out += (i > 0 ? " or " : "") + ("\"" + t.english[i] + "\"");
    }
    return out;
}

// How the glossary wants a message worded: a fault for each form that
// words one of its terms otherwise.
void checkGlossary(const Message &m, const std::vector<std::string> &forms, const std::vector<Term> &glossary,
                   std::vector<std::string> &faults) {
    const auto fault = [&](const Term &t, const std::string &form) {
        faults.push_back("glossary: " + quotedTerm(t) + ": " + escaped(m.source) + " -> " + escaped(form));
    };
    // The wording is a term: it reads so, in its own sense if the glossary
    // has one, and with a capital where it stands alone.
    const Term *whole = nullptr;
    int best = 0;
    for (const Term &t : glossary) {
        const int fit = t.japanese != m.source                   ? 0
                        : !t.sense.empty() && t.sense == m.sense ? 3
                        : t.sense == kAlone                      ? 2
                        : t.sense.empty()                        ? 1
                                                                 : 0;
        if (fit > best) {
            whole = &t;
            best = fit;
        }
    }
    if (whole != nullptr && !whole->english.empty()) {
        for (const std::string &form : forms) {
            if (std::none_of(whole->english.begin(), whole->english.end(),
                             [&](const std::string &e) { return lower(e) == lower(form); })) {
                fault(*whole, form);
            }
        }
        return;
    }
    // Otherwise each term it holds, the longest that starts at each place,
    // is there in English (in any of the term's senses).
    for (std::size_t at = 0; at < m.source.size();) {
        std::size_t longest = 0;
        for (const Term &t : glossary) {
            if (t.sense != kAlone && t.japanese.size() > longest &&
                m.source.compare(at, t.japanese.size(), t.japanese) == 0) {
                longest = t.japanese.size();
            }
        }
        if (longest == 0) {
            at += charLength(m.source[at]);
            continue;
        }
        const std::string word = m.source.substr(at, longest);
        at += longest;
        std::vector<std::string> english;
        const Term *any = nullptr;
        for (const Term &t : glossary) {
            if (t.japanese == word && t.sense != kAlone) {
                english.insert(english.end(), t.english.begin(), t.english.end());
                any = &t;
            }
        }
        if (english.empty()) {
            continue; // not a term here
        }
        for (const std::string &form : forms) {
            const std::string shown = lower(form);
            if (std::none_of(english.begin(), english.end(), [&](const std::string &e) {
                    return shown.find(lower(e)) != std::string::npos;
                })) {
                Term all = *any;
                all.sense.clear();
                all.english = english;
                fault(all, form);
            }
        }
    }
}

} // namespace

std::vector<Message> scanSource(std::string_view code) {
    std::vector<Message> found;
    // The literal's line and the one above it, where a marker may stand.
    auto linesAt = [&](std::size_t at) {
        std::size_t begin = code.rfind('\n', at);
        if (begin != std::string_view::npos && begin > 0) {
            begin = code.rfind('\n', begin - 1);
        }
        begin = begin == std::string_view::npos ? 0 : begin + 1;
        const std::size_t end = code.find('\n', at);
        return code.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
    };
    const auto blank = [](char c) { return c == ' ' || c == '\n' || c == '\t'; };
    // A string literal from its opening quote, and any that follow it with
    // only blanks between; i ends just after the last one.
    const auto literal = [&](std::size_t &i) {
        std::string value;
        for (;;) {
            for (++i; i < code.size() && code[i] != '"'; ++i) {
                if (code[i] == '\\' && i + 1 < code.size()) {
                    value += unescape(code[++i]);
                } else {
                    value += code[i];
                }
            }
            std::size_t next = i + 1;
            while (next < code.size() && blank(code[next])) {
                ++next;
            }
            if (next < code.size() && code[next] == '"') {
                i = next;
                continue;
            }
            i = i + 1;
            return value;
        }
    };
    // The literal that follows as the last argument of the call ("…", "sense").
    const auto senseAfter = [&](std::size_t i) -> std::optional<std::string> {
        while (i < code.size() && blank(code[i])) {
            ++i;
        }
        if (i >= code.size() || code[i] != ',') {
            return std::nullopt;
        }
        for (++i; i < code.size() && blank(code[i]); ++i) {
        }
        if (i >= code.size() || code[i] != '"') {
            return std::nullopt;
        }
        std::string sense = literal(i);
        while (i < code.size() && blank(code[i])) {
            ++i;
        }
        if (i >= code.size() || code[i] != ')' || sense.empty() || hasJapanese(sense)) {
            return std::nullopt;
        }
        return sense;
    };
    std::size_t i = 0;
    while (i < code.size()) {
        const char c = code[i];
        if (c == '/' && i + 1 < code.size() && code[i + 1] == '/') {
            i = code.find('\n', i);
            i = i == std::string_view::npos ? code.size() : i;
            continue;
        }
        if (c == '/' && i + 1 < code.size() && code[i + 1] == '*') {
            i = code.find("*/", i + 2);
            i = i == std::string_view::npos ? code.size() : i + 2;
            continue;
        }
        // A digit separator (9'000), not a character literal.
        if (c == '\'' && i > 0 && std::isxdigit(static_cast<unsigned char>(code[i - 1])) != 0 &&
            i + 1 < code.size() && std::isxdigit(static_cast<unsigned char>(code[i + 1])) != 0) {
            ++i;
            continue;
        }
        if (c == '\'') {
            for (++i; i < code.size() && code[i] != '\''; ++i) {
                i += code[i] == '\\' ? 1 : 0;
            }
            ++i;
            continue;
        }
        if (c != '"') {
            ++i;
            continue;
        }
        const std::size_t start = i;
        const std::string value = literal(i);
        // What comes before it: a verbatim text is no wording of the game's.
        std::size_t before = start;
        while (before > 0 && blank(code[before - 1])) {
            --before;
        }
        const std::string_view opening = code.substr(0, before);
        const bool verbatim = opening.ends_with("verbatim(");
        const bool meant = opening.ends_with("meaning(");
        if ((!hasJapanese(value) && !meant) || verbatim ||
            linesAt(start).find(kKeptMarker) != std::string_view::npos) {
            continue;
        }
        Message m{value, senseAfter(i).value_or("")};
        if (std::find(found.begin(), found.end(), m) == found.end()) {
            found.push_back(std::move(m));
        }
    }
    return found;
}

std::vector<Message> scanSources(const std::vector<std::string> &dirs) {
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (const std::string &dir : dirs) {
        for (const auto &entry : fs::recursive_directory_iterator(dir)) {
            const std::string ext = entry.path().extension().string();
            if (entry.is_regular_file() && (ext == ".cpp" || ext == ".h")) {
                files.push_back(entry.path());
            }
        }
    }
    // The same order on every machine.
    std::sort(files.begin(), files.end());
    std::vector<Message> all;
    for (const fs::path &file : files) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream code;
        code << in.rdbuf();
        for (Message &m : scanSource(code.str())) {
            if (std::find(all.begin(), all.end(), m) == all.end()) {
                all.push_back(std::move(m));
            }
        }
    }
    return all;
}

std::string escaped(std::string_view wording) {
    std::string out;
    for (char c : wording) {
        out += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return out;
}

std::string updateCatalogue(const std::string &file, const std::vector<Message> &messages) {
    std::map<Key, Entry> known;
    std::string error;
    if (QFile::exists(QString::fromStdString(file)) && !readCatalogue(file, known, error)) {
        return error;
    }
    QFile f(QString::fromStdString(file));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return "cannot write " + file;
    }
    QXmlStreamWriter xml(&f);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    xml.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    xml.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("ja"));
    xml.writeStartElement(QStringLiteral("context"));
    xml.writeTextElement(QStringLiteral("name"), QString::fromUtf8(kContext));
    for (const Message &m : messages) {
        const auto it = known.find({m.source, m.sense});
        Entry entry = it == known.end() ? Entry{} : it->second;
        // English has two plural forms; a wording that came to count keeps
        // its old translation as both, to be looked at again.
        if (m.counts() != entry.numerus) {
            entry.finished = false;
            entry.forms.resize(m.counts() ? 2 : 1, entry.forms.empty() ? std::string() : entry.forms.front());
        }
        xml.writeStartElement(QStringLiteral("message"));
        if (m.counts()) {
            xml.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
        }
        xml.writeTextElement(QStringLiteral("source"), QString::fromStdString(m.source));
        if (!m.sense.empty()) {
            xml.writeTextElement(QStringLiteral("comment"), QString::fromStdString(m.sense));
        }
        xml.writeStartElement(QStringLiteral("translation"));
        if (!entry.finished) {
            xml.writeAttribute(QStringLiteral("type"), QStringLiteral("unfinished"));
        }
        if (m.counts()) {
            for (const std::string &form : entry.forms) {
                xml.writeTextElement(QStringLiteral("numerusform"), QString::fromStdString(form));
            }
        } else if (!entry.forms.empty()) {
            xml.writeCharacters(QString::fromStdString(entry.forms.front()));
        }
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return {};
}

std::vector<Term> readGlossary(const std::string &file, std::string &error) {
    std::ifstream in(file);
    if (!in) {
        error = "cannot read " + file;
        return {};
    }
    const auto trim = [](const std::string &s) {
        const auto first = s.find_first_not_of(" \t`");
        const auto last = s.find_last_not_of(" \t`");
        return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
    };
    std::vector<Term> terms;
    bool inGlossary = false;
    int row = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("## ")) {
            inGlossary = trim(line.substr(3)) == "Glossary";
            continue;
        }
        if (!inGlossary || !line.starts_with("|")) {
            continue;
        }
        // The heading and the line under it.
        if (++row <= 2) {
            continue;
        }
        std::vector<std::string> cells;
        std::stringstream cellsOf(line.substr(1));
        for (std::string cell; std::getline(cellsOf, cell, '|');) {
            cells.push_back(trim(cell));
        }
        if (cells.size() < 3 || cells[0].empty()) {
            error = file + ": a glossary row needs the Japanese, the sense and the English: " + line;
            return {};
        }
        Term t{cells[0], cells[1], {}};
        if (cells[2] != "—") {
            std::string rest = cells[2];
            for (std::size_t or_ = rest.find(" or "); or_ != std::string::npos; or_ = rest.find(" or ")) {
                t.english.push_back(trim(rest.substr(0, or_)));
                rest = rest.substr(or_ + 4);
            }
            t.english.push_back(trim(rest));
        }
        terms.push_back(std::move(t));
    }
    if (terms.empty()) {
        error = file + ": no glossary (a table under \"## Glossary\")";
    }
    return terms;
}

std::vector<std::string> checkCatalogue(const std::string &file, const std::vector<Message> &messages,
                                        const std::vector<Term> &glossary) {
    std::map<Key, Entry> known;
    std::string error;
    if (!readCatalogue(file, known, error)) {
        return {error};
    }
    std::vector<std::string> faults;
    for (const Message &m : messages) {
        const std::string name = escaped(m.source) + (m.sense.empty() ? "" : " (" + m.sense + ")");
        const auto it = known.find({m.source, m.sense});
        if (it == known.end()) {
            faults.push_back("not in the catalogue: " + name);
            continue;
        }
        const Entry &e = it->second;
        if (!e.finished || e.forms.empty() ||
            std::any_of(e.forms.begin(), e.forms.end(), [](const std::string &f) { return f.empty(); })) {
            faults.push_back("no English yet: " + name);
            continue;
        }
        if (e.numerus != m.counts()) {
            faults.push_back(std::string(m.counts() ? "needs" : "has") + " plural forms: " + name);
        }
        for (const std::string &form : e.forms) {
            if (writesJapanese(form)) {
                faults.push_back("still Japanese: " + name + " -> " + escaped(form));
            } else if (placeholders(form) != placeholders(m.source)) {
                faults.push_back("numbers differ: " + name + " -> " + escaped(form));
            } else if (parts(form) != parts(m.source)) {
                faults.push_back("parts (|) differ: " + name + " -> " + escaped(form));
            }
        }
        checkGlossary(m, e.forms, glossary, faults);
    }
    return faults;
}

} // namespace vermona::texts
