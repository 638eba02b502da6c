// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/growth_record.h"
#include "data/save_file.h"
#include "runtime/files.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace vermona {

namespace {

// A week a game can show: the menu keeps months 1..12 and weeks 1..4.
bool isShownDate(const WeekDate &d) {
    return d.year >= 1 && d.month >= 1 && d.month <= 12 && d.week >= 1 && d.week <= 4;
}

// Kinds of rows; the header names the columns in the menu's own words.
constexpr std::string_view kHeader =
    "種類,年,月,週,攻撃力,防御力,早さ,HP,知力,MP,疲労,勝ち,負け,相手の人数"; // kept in Japanese: columns
constexpr std::string_view kWeekRow = "週";         // kept in Japanese: a row kind of the file
constexpr std::string_view kTournamentRow = "大会"; // kept in Japanese: a row kind of the file
// Right after the header: the saves the record belongs to (SaveLink).
constexpr std::string_view kLinkRow = "照合"; // kept in Japanese: a row kind of the file
constexpr std::size_t kColumns = 14;

// Years of weekly rows fit many times over; anything larger is not ours.
constexpr std::size_t kMaxRecordBytes = 8u << 20;

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> out;
    for (;;) {
        auto comma = line.find(',');
        out.push_back(line.substr(0, comma));
        if (comma == std::string_view::npos) {
            return out;
        }
        line.remove_prefix(comma + 1);
    }
}

bool parseNumber(std::string_view text, Var::Int &value) {
    const char *end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && p == end;
}

bool parseFields(const std::vector<std::string_view> &f, std::size_t from, std::size_t to,
                 std::initializer_list<Var::Int *> into) {
    auto it = into.begin();
    for (std::size_t i = from; i < to; ++i, ++it) {
        if (!parseNumber(f[i], **it)) {
            return false;
        }
    }
    return true;
}

bool onlyEmpty(const std::vector<std::string_view> &f, std::size_t from, std::size_t to) {
    return std::all_of(f.begin() + static_cast<std::ptrdiff_t>(from),
                       f.begin() + static_cast<std::ptrdiff_t>(to),
                       [](std::string_view s) { return s.empty(); });
}

bool isDigest(std::string_view s, bool mayBeEmpty) {
    return (mayBeEmpty && s.empty()) || (s.size() == 16 && std::all_of(s.begin(), s.end(), [](char c) {
                                             return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
                                         }));
}

} // namespace

std::string recordCsv(const GrowthRecord &record, const std::optional<SaveLink> &link) {
    std::string out(kHeader);
    out += '\n';
    if (link) {
        out += std::string(kLinkRow) + ',' + link->save + ',' + link->previous + ',' + link->playerSave +
               ',' + (link->playerSlot != 1 ? std::to_string(link->playerSlot) : std::string()) +
               std::string(kColumns - 5, ',') + '\n';
    }
    auto date = [](const WeekDate &d) {
        return std::to_string(d.year) + ',' + std::to_string(d.month) + ',' + std::to_string(d.week);
    };
    auto tournament = [&](const TournamentResult &r) {
        out += std::string(kTournamentRow) + ',' + date(r.date) + ",,,,,,,," + std::to_string(r.wins) + ',' +
               std::to_string(r.losses) + ',' + std::to_string(r.entrants) + '\n';
    };
    auto week = [&](const GrowthPoint &p) {
        out += std::string(kWeekRow) + ',' + date(p.date);
        for (Var::Int v : {p.attack, p.defense, p.speed, p.hp, p.intellect, p.mp, p.fatigue}) {
            out += ',' + std::to_string(v);
        }
        out += ",,,\n";
    };
    forEachInDateOrder(record, week, tournament);
    return out;
}

std::optional<GrowthRecord> parseRecordCsv(std::string_view text) {
    auto file = parseRecordFile(text);
    return file ? std::optional<GrowthRecord>(std::move(file->record)) : std::nullopt;
}

std::optional<RecordFile> parseRecordFile(std::string_view text) {
    RecordFile file;
    GrowthRecord &r = file.record;
    bool header = true;
    bool first = true; // the first row after the header
    while (!text.empty()) {
        auto eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (header) {
            // A spreadsheet may have added a byte-order mark.
            if (line.starts_with("\xEF\xBB\xBF")) {
                line.remove_prefix(3);
            }
            if (line != kHeader) {
                return std::nullopt;
            }
            header = false;
            continue;
        }
        if (line.empty()) {
            continue;
        }
        auto f = splitFields(line);
        if (f.size() != kColumns) {
            return std::nullopt;
        }
        const bool wasFirst = std::exchange(first, false);
        if (f[0] == kLinkRow) {
            Var::Int slot = 1;
            if (!wasFirst || !isDigest(f[1], false) || !isDigest(f[2], true) || !isDigest(f[3], true) ||
                (!f[4].empty() && (!parseNumber(f[4], slot) || slot < 1 || slot > kSaveSlots)) ||
                !onlyEmpty(f, 5, kColumns)) {
                return std::nullopt;
            }
            file.link =
                SaveLink{std::string(f[1]), std::string(f[2]), std::string(f[3]), static_cast<int>(slot)};
            continue;
        }
        WeekDate d;
        if (!parseFields(f, 1, 4, {&d.year, &d.month, &d.week}) || !isShownDate(d)) {
            return std::nullopt;
        }
        if (f[0] == kWeekRow) {
            GrowthPoint p;
            p.date = d;
            if (!parseFields(f, 4, 11,
                             {&p.attack, &p.defense, &p.speed, &p.hp, &p.intellect, &p.mp, &p.fatigue}) ||
                !onlyEmpty(f, 11, 14) || (!r.points.empty() && p.date <= r.points.back().date) ||
                (!r.tournaments.empty() && p.date <= r.tournaments.back().date)) {
                return std::nullopt;
            }
            r.points.push_back(p);
        } else if (f[0] == kTournamentRow) {
            TournamentResult t;
            t.date = d;
            if (!onlyEmpty(f, 4, 11) || !parseFields(f, 11, 14, {&t.wins, &t.losses, &t.entrants}) ||
                t.wins < 0 || t.losses < 0 || t.entrants < 0 ||
                (!r.tournaments.empty() && t.date < r.tournaments.back().date) ||
                (!r.points.empty() && t.date < r.points.back().date)) {
                return std::nullopt;
            }
            r.tournaments.push_back(t);
        } else {
            return std::nullopt;
        }
    }
    if (header) {
        return std::nullopt;
    }
    return file;
}

int writeRecordFile(const std::string &path, const GrowthRecord &record, const SaveLink &link) {
    return writeFileAtomically(path, recordCsv(record, link));
}

std::optional<RecordFile> loadRecordFile(const std::string &path, const std::string &saveDigest,
                                         const WeekDate &saveDate) {
    removeStaleTemporaries(path);
    std::string text;
    if (readWholeFile(path, kMaxRecordBytes, text) != ReadFault::None) {
        return std::nullopt;
    }
    std::optional<RecordFile> file = parseRecordFile(text);
    if (!file) {
        return std::nullopt;
    }
    GrowthRecord &r = file->record;
    if (file->link) {
        if (file->link->save != saveDigest && file->link->previous != saveDigest) {
            return std::nullopt;
        }
        cutAfter(r, saveDate);
        return file;
    }
    // A record of some other save, or of this one before its last save.
    if (r.points.empty() || r.points.back().date != saveDate ||
        (!r.tournaments.empty() && r.tournaments.back().date > saveDate)) {
        return std::nullopt;
    }
    return file;
}

} // namespace vermona
