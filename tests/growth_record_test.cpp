// SPDX-License-Identifier: GPL-3.0-or-later
// The growth record: what the menu adds to it week by week, its file beside
// the save, and loads that go on whatever that file holds.
#include "data/game_screen.h"
#include "data/growth_record.h"
#include "data/save_file.h"
#include "tests/game_driver.h"
#include "tools/script_host.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <unistd.h>

namespace vermona {
namespace {

using test::WorkDir;
using test::writeFile;

namespace fs = std::filesystem;

GrowthPoint point(WeekDate d, Var::Int attack, Var::Int fatigue = 0) {
    GrowthPoint p;
    p.date = d;
    p.attack = attack;
    p.defense = 2;
    p.speed = 3;
    p.hp = 40;
    p.intellect = 5;
    p.mp = 6;
    p.fatigue = fatigue;
    return p;
}

// One week of rest: fatigue -40 (or a box), week +1.
void restAWeek(test::GameDriver &d) {
    d.click("Form3", "Command1");
    d.click("Form4", "Command1");
}

struct GrowthRecordMenu : ::testing::Test, test::GameDriver {
    const GrowthRecord &record = game.store<GrowthRecord>();
};

// The record takes exactly what the status panel shows, floors and all.
TEST_F(GrowthRecordMenu, PointsHoldTheValuesTheMenuShows) {
    newGame();
    for (auto [strength, stamina, fatigue] : {std::tuple{0, 0, 130}, {-1, 1, -5}, {7, 8, 55}}) {
        s.strength = strength;
        s.defense = strength;
        s.stamina = stamina;
        s.fatigue = fatigue;
        click("Form3", "Command2"); // the item list and straight back: a tick, no new week
        click("Form15", "Command1");
        ASSERT_EQ(record.points.size(), 1U);
        const GrowthPoint &p = record.points.back();
        EXPECT_EQ(std::to_string(p.attack), caption("Form3", "Label18"));
        EXPECT_EQ(std::to_string(p.defense), caption("Form3", "Label19"));
        EXPECT_EQ(std::to_string(p.speed), caption("Form3", "Label20"));
        EXPECT_EQ(std::to_string(p.hp), caption("Form3", "Label21"));
        EXPECT_EQ(std::to_string(p.intellect), caption("Form3", "Label22"));
        EXPECT_EQ(std::to_string(p.mp), caption("Form3", "Label23"));
        EXPECT_EQ(std::to_string(p.fatigue), caption("Form3", "Label24"));
        EXPECT_EQ(p.date, (WeekDate{1, 1, 1}));
    }
    EXPECT_EQ(record.points.back().hp, 80);
    // The game's own values are left as they were.
    EXPECT_EQ(s.strength, 7);
}

TEST_F(GrowthRecordMenu, WeeksAppendReturnsUpdateAndTheCalendarFolds) {
    newGame();
    s.week = 4;
    s.month = 12;
    click("Form3", "Command2");
    click("Form15", "Command1");
    // A date set from outside is a new week to the menu as well.
    ASSERT_EQ(record.points.size(), 2U);
    EXPECT_EQ(record.points.back().date, (WeekDate{1, 12, 4}));
    restAWeek(*this);
    ASSERT_EQ(record.points.size(), 3U);
    EXPECT_EQ(record.points.back().date, (WeekDate{2, 1, 1}));
    // A return without a week passing updates that week's point.
    s.fatigue = 70;
    click("Form3", "Command2");
    click("Form15", "Command1");
    ASSERT_EQ(record.points.size(), 3U);
    EXPECT_EQ(record.points.back().fatigue, 70);
}

TEST(GrowthRecordBook, SameWeekUpdatesAndAnEarlierDateDropsWhatCameLater) {
    test::QueuePorts ports;
    Game game(ports);
    const GrowthRecord &r = game.store<GrowthRecord>();
    noteWeek(game, point({1, 1, 1}, 5));
    noteWeek(game, point({1, 1, 2}, 6));
    noteWeek(game, point({1, 1, 2}, 7));
    noteTournament(game, {{1, 1, 2}, 2, 1, 3});
    noteWeek(game, point({1, 2, 1}, 9));
    ASSERT_EQ(r.points.size(), 3U);
    EXPECT_EQ(r.points[1].attack, 7);
    ASSERT_EQ(r.tournaments.size(), 1U);
    // Back in time (only a script can do that): the record ends at the present.
    noteWeek(game, point({1, 1, 1}, 4));
    ASSERT_EQ(r.points.size(), 1U);
    EXPECT_EQ(r.points[0].attack, 4);
    EXPECT_TRUE(r.tournaments.empty());
}

// Front ends redraw on every change.
TEST(GrowthRecordBook, ObserversHearOfEveryChangeAndOfViewRequests) {
    struct Listener : ScreenObserver {
        int changes = 0;
        std::vector<std::string> views;
        void dataChanged() override { ++changes; }
        void viewRequested(const std::string &view) override { views.push_back(view); }
    } listener;
    test::GameDriver d;
    d.game.addObserver(&listener);
    noteWeek(d.game, point({1, 1, 1}, 5));
    noteTournament(d.game, {{1, 1, 1}, 0, 1, 1});
    replaceRecord(d.game, {});
    EXPECT_EQ(listener.changes, 3);
    d.newGame();
    EXPECT_EQ(listener.changes, 4);
    d.choose("Form3", "growth");
    EXPECT_EQ(listener.views, std::vector<std::string>{kGrowthView});
    d.game.removeObserver(&listener);
}

// ---- the file ---------------------------------------------------------------

GrowthRecord sampleRecord() {
    GrowthRecord r;
    r.points = {point({1, 1, 1}, 5, 0), point({1, 1, 2}, 7, 10), point({1, 2, 2}, 9, 100)};
    r.tournaments = {{{1, 1, 2}, 1, 2, 3}, {{1, 2, 1}, 0, 0, 0}};
    return r;
}

TEST(GrowthRecordFile, ATableWithAHeaderThatReadsBackExactly) {
    const std::string csv = recordCsv(sampleRecord());
    EXPECT_EQ(csv, "種類,年,月,週,攻撃力,防御力,早さ,HP,知力,MP,疲労,勝ち,負け,相手の人数\n"
                   "週,1,1,1,5,2,3,40,5,6,0,,,\n"
                   "週,1,1,2,7,2,3,40,5,6,10,,,\n"
                   "大会,1,1,2,,,,,,,,1,2,3\n"
                   "大会,1,2,1,,,,,,,,0,0,0\n"
                   "週,1,2,2,9,2,3,40,5,6,100,,,\n");
    EXPECT_EQ(parseRecordCsv(csv), sampleRecord());
    // As a spreadsheet may save it again: byte-order mark, CRLF, no final break.
    std::string edited = "\xEF\xBB\xBF" + csv;
    for (std::size_t at = 0; (at = edited.find('\n', at)) != std::string::npos; at += 2) {
        edited.replace(at, 1, "\r\n");
    }
    edited.resize(edited.size() - 2);
    EXPECT_EQ(parseRecordCsv(edited), sampleRecord());
    EXPECT_EQ(parseRecordCsv(recordCsv({})), GrowthRecord{});
}

TEST(GrowthRecordFile, DamagedTextIsNotARecord) {
    const std::string header = "種類,年,月,週,攻撃力,防御力,早さ,HP,知力,MP,疲労,勝ち,負け,相手の人数\n";
    const std::string week = "週,1,1,2,7,2,3,40,5,6,10,,,\n";
    for (const std::string &text : {
             std::string(),                                               // empty
             "kind,year\n" + week,                                        // another header
             header + "週,1,1,2,7,2,3,40,5,6,10,,\n",                     // a column short
             header + "週,1,1,2,7,2,3,40,5,6,10,,,,\n",                   // a column long
             header + "週,1,1,2,7,2,x,40,5,6,10,,,\n",                    // not a number
             header + "週,1,1,2,7,2,,40,5,6,10,,,\n",                     // a value missing
             header + "週,1,1,2,7,2, 3,40,5,6,10,,,\n",                   // a blank in a number
             header + "週,1,1,2,7,2,99999999999999999999,40,5,6,10,,,\n", // beyond any number
             header + "週,1,13,2,7,2,3,40,5,6,10,,,\n",                   // month 13
             header + "週,1,1,0,7,2,3,40,5,6,10,,,\n",                    // week 0
             header + "週,0,1,1,7,2,3,40,5,6,10,,,\n",                    // year 0
             header + week + week,                                        // the same week twice
             header + week + "週,1,1,1,7,2,3,40,5,6,10,,,\n",             // out of order
             header + week + "大会,1,1,1,,,,,,,,1,0,1\n", // a tournament before the week shown
             header + "大会,1,1,2,,,,,,,,-1,0,1\n",       // negative wins
             header + "大会,1,1,2,,,,,,5,,1,0,1\n",       // a tournament with a status value
             header + "週,1,1,2,7,2,3,40,5,6,10,1,,\n",   // a week with a result
             header + "月,1,1,2,7,2,3,40,5,6,10,,,\n",    // an unknown kind
         }) {
        EXPECT_EQ(parseRecordCsv(text), std::nullopt) << text;
    }
}

std::optional<GrowthRecord> loadRecord(const WeekDate &date, const std::string &digest = "0123456789abcdef") {
    auto file = loadRecordFile(kRecordFileName, digest, date);
    return file ? std::optional<GrowthRecord>(file->record) : std::nullopt;
}

// A record from before records named their save.
TEST(GrowthRecordFile, OnlyARecordThatEndsAtTheSavesWeekIsUsed) {
    WorkDir dir;
    EXPECT_EQ(loadRecord({1, 2, 2}), std::nullopt); // missing
    writeFile(kRecordFileName, recordCsv(sampleRecord()));
    EXPECT_EQ(loadRecord({1, 2, 2}), sampleRecord());
    EXPECT_EQ(loadRecord({1, 2, 3}), std::nullopt); // an older record
    EXPECT_EQ(loadRecord({1, 2, 1}), std::nullopt); // a newer one
    writeFile(kRecordFileName, recordCsv({}));
    EXPECT_EQ(loadRecord({1, 1, 1}), std::nullopt); // no week at all
    // A directory in its place, and a file far larger than any record.
    fs::remove(kRecordFileName);
    fs::create_directory(kRecordFileName);
    EXPECT_EQ(loadRecord({1, 1, 1}), std::nullopt);
    fs::remove(kRecordFileName);
    writeFile(kRecordFileName, recordCsv(sampleRecord()) + std::string(9 << 20, '\n'));
    EXPECT_EQ(loadRecord({1, 2, 2}), std::nullopt);
}

// A record names its save, and the save it was about to replace.
TEST(GrowthRecordFile, ARecordBelongsToItsSaveOrToTheOneItWasAboutToReplace) {
    WorkDir dir;
    const std::string mine = "00000000000000aa", before = "00000000000000bb";
    ASSERT_EQ(writeRecordFile(kRecordFileName, sampleRecord(), {mine, before, mine}), 0);
    const auto file = parseRecordFile(test::readFile(kRecordFileName));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->link, (SaveLink{mine, before, mine}));
    EXPECT_EQ(loadRecord({1, 2, 2}, mine), sampleRecord());
    // The save before: what came after its week goes.
    GrowthRecord cut = sampleRecord();
    cutAfter(cut, {1, 1, 4});
    EXPECT_EQ(loadRecord({1, 1, 4}, before), cut);
    EXPECT_EQ(loadRecord({1, 2, 2}, "00000000000000cc"), std::nullopt); // some other save
    // The link row only right after the header, with digests in it.
    const std::string header(
        test::readFile(kRecordFileName).substr(0, test::readFile(kRecordFileName).find('\n') + 1));
    for (const std::string row :
         {"照合,xyz,,,,,,,,,,,,\n", "照合,,,,,,,,,,,,,\n", "照合,00000000000000aa,,,,,,,,,,,,1\n"}) {
        EXPECT_EQ(parseRecordCsv(header + row), std::nullopt) << row;
    }
    EXPECT_EQ(parseRecordCsv(recordCsv(sampleRecord()) + "照合,00000000000000aa,,,,,,,,,,,,\n"),
              std::nullopt);
}

// The fuzzing seeds on every run: ok-* read and write back the same,
// fault-* are not records, anything else must only read without harm.
TEST(GrowthRecordFile, EveryCorpusFileReadsAsItsNameSays) {
    int files = 0;
    for (const auto &[name, text] : test::corpusFiles("record_corpus")) {
        const std::optional<GrowthRecord> r = parseRecordCsv(text);
        if (name.starts_with("ok-")) {
            ASSERT_TRUE(r.has_value()) << name;
        } else if (name.starts_with("fault-")) {
            EXPECT_FALSE(r.has_value()) << name;
        }
        if (r) {
            EXPECT_EQ(parseRecordCsv(recordCsv(*r)), r) << name;
        }
        ++files;
    }
    EXPECT_GE(files, 3);
}

// ---- saving and loading through the game -------------------------------------

struct GrowthRecordSaveLoad : ::testing::Test, test::GameDriver {
    // A game of a few weeks with a tournament, saved; returns its record.
    GrowthRecord save() {
        newGame();
        for (int i = 0; i < 3; ++i) {
            click("Form3", "Command1");
            click("Form4", "Command3");
        }
        noteTournament(game, {currentDate(s), 1, 2, 3});
        choose("Form3", "save");
        EXPECT_EQ(ports.boxes.back().prompt, "セーブを完了しました");
        return game.store<GrowthRecord>();
    }
};

// A fresh program in the same directory that loads the save; what the load
// left, record aside.
struct Loaded : test::GameDriver {
    explicit Loaded(const fs::path &directory) : GameDriver(directory) {}
    const GrowthRecord &record = game.store<GrowthRecord>();
    std::pair<std::map<std::string, std::string>, std::vector<std::string>> load() {
        start();
        choose("Form1", "help");
        std::vector<std::string> boxes;
        for (const auto &b : ports.boxes) {
            boxes.push_back(b.title + ": " + b.prompt);
        }
        return {test::allVars(s), boxes};
    }
};

TEST_F(GrowthRecordSaveLoad, ALoadBringsTheRecordBackAndGoesOnFromIt) {
    const GrowthRecord saved = save();
    ASSERT_EQ(saved.points.size(), 4U);
    Loaded l(dir.path());
    l.load();
    EXPECT_EQ(l.record, saved);
    restAWeek(l);
    ASSERT_EQ(l.record.points.size(), 5U);
    EXPECT_EQ(l.record.points.back().date, (WeekDate{1, 2, 1}));
}

TEST_F(GrowthRecordSaveLoad, ADamagedMissingOrMismatchedRecordNeverChangesTheLoad) {
    save();
    const std::string good = test::readFile(kRecordFileName);
    // The load as it goes with its own record.
    const auto expected = Loaded(dir.path()).load();
    for (const char *variant : {"missing", "damaged", "mismatched", "directory"}) {
        SCOPED_TRACE(variant);
        std::error_code ec;
        fs::remove_all(kRecordFileName, ec);
        if (variant == std::string("damaged")) {
            writeFile(kRecordFileName, good.substr(0, good.size() / 2) + "\x01garbage");
        } else if (variant == std::string("mismatched")) {
            // The record of some other save.
            std::string other = good;
            other.replace(other.find("照合,") + std::string("照合,").size(), 16, "0123456789abcdef");
            writeFile(kRecordFileName, other);
        } else if (variant == std::string("directory")) {
            fs::create_directory(kRecordFileName);
        }
        Loaded l(dir.path());
        EXPECT_EQ(l.load(), expected);
        // The record starts at the loaded week.
        ASSERT_EQ(l.record.points.size(), 1U);
        EXPECT_EQ(l.record.points[0].date, (WeekDate{1, 1, 4}));
        EXPECT_TRUE(l.record.tournaments.empty());
    }
}

// However a save is cut short, the next load keeps every week the record
// had; and a new game's record never goes with an old game's save.
TEST_F(GrowthRecordSaveLoad, AnInterruptedSaveNeverCostsTheRecordItsWeeks) {
    const GrowthRecord first = save();
    const std::string firstSave = test::readFile(kSaveFileName);
    auto loadedRecord = [&] {
        Loaded l(dir.path());
        l.load();
        return l.record;
    };
    restAWeek(*this);
    // Killed between the two writes: the new record is on disk, the save
    // it was to go with is not.
    choose("Form3", "save");
    writeFile(kSaveFileName, firstSave);
    EXPECT_EQ(loadedRecord(), first);

    // The record cannot be written that once (every name its writer would
    // take is in use): the save is refused and keeps its own record.
    std::vector<std::string> blocked;
    for (int n = 0; n < 100; ++n) {
        blocked.push_back(std::string(kRecordFileName) + "." + std::to_string(::getpid()) + "-" +
                          std::to_string(n) + ".tmp");
        writeFile(blocked.back(), "");
    }
    choose("Form3", "save");
    EXPECT_EQ(ports.boxes.back().prompt, recordFailureMessage(EEXIST, kRecordFileName));
    EXPECT_EQ(test::readFile(kSaveFileName), firstSave);
    EXPECT_EQ(loadedRecord(), first);
    for (const std::string &name : blocked) {
        fs::remove(name);
    }

    // A new game saved over this one and cut short the same way.
    test::GameDriver other(dir.path());
    other.newGame();
    restAWeek(other);
    other.choose("Form3", "save");
    writeFile(kSaveFileName, firstSave);
    const GrowthRecord alone = loadedRecord();
    ASSERT_EQ(alone.points.size(), 1U);
    EXPECT_EQ(alone.points[0].date, first.points.back().date);
    EXPECT_TRUE(alone.tournaments.empty());
}

// ---- the script host ------------------------------------------------------------

TEST(GrowthRecordScript, RecordPrintsEachWeekAndEachTournamentAfterItsWeek) {
    std::ostringstream out;
    script::ScriptHost host(out);
    std::istringstream empty("record\n");
    EXPECT_EQ(host.run(empty), 0);
    noteWeek(host.game(), point({1, 1, 4}, 5));
    noteTournament(host.game(), {{1, 1, 4}, 2, 1, 3});
    noteTournament(host.game(), {{1, 2, 1}, 0, 2, 2});
    noteWeek(host.game(), point({1, 2, 2}, 6));
    std::istringstream script("record\nrecord x\n");
    EXPECT_EQ(host.run(script), 1);
    EXPECT_EQ(out.str(), "record empty\n"
                         "week 1年目1月4週目 攻撃力 5 防御力 2 早さ 3 HP 40 知力 5 MP 6 疲労 0\n"
                         "tournament 1年目1月4週目 2勝1敗 相手3人\n"
                         "tournament 1年目2月1週目 0勝2敗 相手2人\n"
                         "week 1年目2月2週目 攻撃力 6 防御力 2 早さ 3 HP 40 知力 5 MP 6 疲労 0\n"
                         "error: line 2: record takes 0 argument(s)\n");
}

} // namespace
} // namespace vermona
