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
#include <set>
#include <sstream>

namespace vermona::texts {

namespace {

constexpr std::string_view kKeptMarker = "kept in Japanese";

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
    std::string translation;
    bool finished = false;
};

// The messages of the catalogue's context, by source.
bool readCatalogue(const std::string &file, std::map<std::string, Entry> &out, std::string &error) {
    QFile f(QString::fromStdString(file));
    if (!f.open(QIODevice::ReadOnly)) {
        error = "cannot read " + file;
        return false;
    }
    QXmlStreamReader xml(&f);
    std::string source;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("message")) {
            source.clear();
            entry = Entry{};
        } else if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
            source = xml.readElementText().toStdString();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            entry.finished = type.isEmpty();
            entry.translation = xml.readElementText().toStdString();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            out[source] = entry;
        }
    }
    if (xml.hasError()) {
        error = file + ": " + xml.errorString().toStdString();
        return false;
    }
    return true;
}

} // namespace

std::vector<std::string> scanSource(std::string_view code) {
    std::vector<std::string> found;
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
        // A string literal, and any that follow it with only blanks between.
        const std::size_t start = i;
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
            while (next < code.size() && (code[next] == ' ' || code[next] == '\n' || code[next] == '\t')) {
                ++next;
            }
            if (next < code.size() && code[next] == '"') {
                i = next;
                continue;
            }
            i = i + 1;
            break;
        }
        // What comes before it: a verbatim text is no wording of the game's.
        std::size_t before = start;
        while (before > 0 && (code[before - 1] == ' ' || code[before - 1] == '\n')) {
            --before;
        }
        const bool verbatim = code.substr(0, before).ends_with("verbatim(");
        if (hasJapanese(value) && !verbatim && linesAt(start).find(kKeptMarker) == std::string_view::npos &&
            std::find(found.begin(), found.end(), value) == found.end()) {
            found.push_back(value);
        }
    }
    return found;
}

std::vector<std::string> scanSources(const std::vector<std::string> &dirs) {
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
    std::vector<std::string> all;
    for (const fs::path &file : files) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream code;
        code << in.rdbuf();
        for (std::string &w : scanSource(code.str())) {
            if (std::find(all.begin(), all.end(), w) == all.end()) {
                all.push_back(std::move(w));
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

std::string updateCatalogue(const std::string &file, const std::vector<std::string> &wordings) {
    std::map<std::string, Entry> known;
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
    for (const std::string &w : wordings) {
        const auto it = known.find(w);
        xml.writeStartElement(QStringLiteral("message"));
        xml.writeTextElement(QStringLiteral("source"), QString::fromStdString(w));
        xml.writeStartElement(QStringLiteral("translation"));
        if (it == known.end() || !it->second.finished) {
            xml.writeAttribute(QStringLiteral("type"), QStringLiteral("unfinished"));
        }
        if (it != known.end()) {
            xml.writeCharacters(QString::fromStdString(it->second.translation));
        }
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return {};
}

std::vector<std::string> checkCatalogue(const std::string &file, const std::vector<std::string> &wordings) {
    std::map<std::string, Entry> known;
    std::string error;
    if (!readCatalogue(file, known, error)) {
        return {error};
    }
    std::vector<std::string> faults;
    for (const std::string &w : wordings) {
        const auto it = known.find(w);
        if (it == known.end()) {
            faults.push_back("not in the catalogue: " + escaped(w));
        } else if (!it->second.finished || it->second.translation.empty()) {
            faults.push_back("no English yet: " + escaped(w));
        } else if (placeholders(it->second.translation) != placeholders(w)) {
            faults.push_back("numbers differ: " + escaped(w) + " -> " + escaped(it->second.translation));
        }
    }
    return faults;
}

} // namespace vermona::texts
