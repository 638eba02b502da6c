// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script_host.h"

#include "app/all_screens.h"
#include "data/game_screen.h"
#include "data/growth_record.h"
#include "data/save_game.h"
#include "data/save_slots.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

namespace vermona::script {

namespace {

std::vector<std::string> words(const std::string &line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;) {
        out.push_back(w);
    }
    return out;
}

bool parseInt(const std::string &text, long long &value) {
    const char *end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && p == end;
}

bool parseFraction(const std::string &text, double &value) {
    const char *end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && p == end;
}

// NAME or NAME(I)
bool splitIndex(const std::string &text, std::string &name, int &index) {
    index = -1;
    auto open = text.find('(');
    if (open == std::string::npos) {
        name = text;
        return !name.empty();
    }
    if (text.back() != ')' || open == 0) {
        return false;
    }
    name = text.substr(0, open);
    long long i = 0;
    if (!parseInt(text.substr(open + 1, text.size() - open - 2), i) || i < 0 || i > INT_MAX) {
        return false;
    }
    index = static_cast<int>(i);
    return true;
}

// A text as one line of the transcript: line breaks, quotes and
// backslashes escaped, so a reader can take the output line by line.
std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string quoted(std::string_view text) { return '"' + escaped(text) + '"'; }

// A line's end as few digits as give back the same single-precision value.
std::string shortest(float value) {
    char buf[32];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return ec == std::errc() ? std::string(buf, p) : std::string("?");
}

// The growth record, one line per week and per tournament in date order.
void printRecord(std::ostream &out, const GrowthRecord &r) {
    if (r.points.empty() && r.tournaments.empty()) {
        out << "record empty\n";
        return;
    }
    auto week = [&](const GrowthPoint &p) {
        out << "week " << dateText(p.date).japanese() << " 攻撃力 " << p.attack << " 防御力 " << p.defense
            << " 早さ " << p.speed << " HP " << p.hp << " 知力 " << p.intellect << " MP " << p.mp << " 疲労 "
            << p.fatigue << '\n';
    };
    auto tournament = [&](const TournamentResult &x) {
        out << "tournament " << dateText(x.date).japanese() << ' ' << x.wins << "勝" << x.losses << "敗 相手"
            << x.entrants << "人\n";
    };
    forEachInDateOrder(r, week, tournament);
}

} // namespace

ScriptHost::ScriptHost(std::ostream &out) : out_(out), game_(*this) {
    app::registerAllScreens(game_);
    game_.addObserver(this);
}

ScriptHost::~ScriptHost() { game_.removeObserver(this); }

int ScriptHost::messageBox(const Text &promptText, int style, const Text &titleText) {
    const std::string prompt = shown(promptText);
    int code = kOk;
    if (asksYesNo(style)) {
        if (answers_.empty()) {
            throw Failure{"no answer queued for a Yes/No box " + quoted(prompt)};
        }
        code = answers_.front();
        answers_.pop_front();
    }
    out_ << "box " << quoted(shown(titleText)) << ' ' << quoted(prompt) << ' ' << style << " -> " << code
         << '\n';
    return code;
}

void ScriptHost::unknownScreen(std::string_view id) {
    throw Failure{"a handler asked for " + std::string(id) + ", which no screen registered"};
}

double ScriptHost::nextFraction() {
    if (!fractions_.empty()) {
        double r = fractions_.front();
        fractions_.pop_front();
        return r;
    }
    return toFraction(engine_());
}

void ScriptHost::screenCreated(Screen &screen) {
    for (const auto &c : screen.controls()) {
        if (c->kind() == ControlKind::Timer) {
            timerElapsed_[c.get()] = 0;
        }
    }
}

void ScriptHost::screenClosed(Screen &screen) {
    for (const auto &c : screen.controls()) {
        timerElapsed_.erase(c.get());
    }
}

void ScriptHost::wait(int ms) {
    // Advance a virtual clock from one timer deadline to the next, so a
    // transcript reads the same with windows as without; windows meanwhile
    // run for the real time, so a movie plays.
    while (ms > 0 && !game_.ended()) {
        int step = ms;
        for (auto &[timer, elapsed] : timerElapsed_) {
            if (timer->enabled() && timer->design().interval > 0) {
                step = std::min(step, timer->design().interval - elapsed);
            }
        }
        step = std::max(step, 0);
        ms -= step;
        if (windows_ != nullptr && step > 0) {
            windows_->wait(step);
        }
        std::vector<Control *> due;
        for (auto &[timer, elapsed] : timerElapsed_) {
            if (timer->enabled() && timer->design().interval > 0) {
                elapsed += step;
                if (elapsed >= timer->design().interval) {
                    elapsed = 0;
                    due.push_back(timer);
                }
            }
        }
        for (Control *t : due) {
            // An earlier handler may have closed the timer's screen.
            if (timerElapsed_.contains(t)) {
                if (windows_ != nullptr) {
                    windows_->tick(*t);
                } else {
                    game_.click(*t);
                }
            }
        }
        if (step == 0 && due.empty()) {
            break;
        }
    }
}

Screen &ScriptHost::existing(const std::string &form, bool mustBeVisible) {
    if (!game_.knows(form)) {
        throw Failure{"unknown screen " + form};
    }
    Screen *screen = game_.find(form);
    if (screen == nullptr) {
        throw Failure{form + " does not exist"};
    }
    if (mustBeVisible && !screen->visible()) {
        throw Failure{form + " is not visible"};
    }
    return *screen;
}

Control &ScriptHost::target(const std::string &ref, bool forClick) {
    auto dot = ref.find('.');
    if (dot == std::string::npos) {
        throw Failure{"expected FORM.CONTROL, got \"" + ref + "\""};
    }
    std::string form = ref.substr(0, dot);
    std::string name;
    int index = -1;
    if (!splitIndex(ref.substr(dot + 1), name, index)) {
        throw Failure{"bad control name \"" + ref.substr(dot + 1) + "\""};
    }
    Screen *screen = &existing(form, forClick);
    Control *c = screen->find(name, index);
    if (c == nullptr) {
        throw Failure{"no control " + ref.substr(dot + 1) + " on " + form};
    }
    if (forClick && !c->visible()) {
        throw Failure{c->qualifiedName() + " is hidden"};
    }
    if (forClick && !c->enabled()) {
        throw Failure{c->qualifiedName() + " is disabled"};
    }
    return *c;
}

void ScriptHost::Line::need(std::size_t n) const {
    if (words.size() != n) {
        throw Failure{words[0] + " takes " + std::to_string(n - 1) + " argument(s)"};
    }
}

std::string ScriptHost::Line::restAfter(std::size_t i) const {
    std::size_t at = 0;
    for (std::size_t k = 0; k <= i; ++k) {
        at = text.find(words[k], at) + words[k].size();
    }
    const std::size_t start = text.find_first_not_of(" \t", at);
    return start == std::string::npos ? std::string() : text.substr(start);
}

void ScriptHost::runLine(const std::string &text) {
    Line line{text, words(text)};
    if (line.words.empty() || line.words[0][0] == '#') {
        return;
    }
    using Command = void (ScriptHost::*)(const Line &);
    static const std::map<std::string, Command, std::less<>> kCommands{
        {"click", &ScriptHost::click},
        {"menu", &ScriptHost::menu},
        {"answer", &ScriptHost::answer},
        {"random", &ScriptHost::random},
        {"seed", &ScriptHost::seed},
        {"get", &ScriptHost::variable},
        {"set", &ScriptHost::variable},
        {"caption", &ScriptHost::caption},
        {"tip", &ScriptHost::property},
        {"visible", &ScriptHost::property},
        {"enabled", &ScriptHost::property},
        {"line", &ScriptHost::lineEnd},
        {"show", &ScriptHost::show},
        {"screens", &ScriptHost::listScreens},
        {"wait", &ScriptHost::waitCommand},
        {"record", &ScriptHost::record},
        {"shot", &ScriptHost::shot},
        {"slots", &ScriptHost::listSlots},
        {"saveslot", &ScriptHost::slotButton},
        {"loadslot", &ScriptHost::slotButton},
        {"deleteslot", &ScriptHost::slotButton},
    };
    auto command = kCommands.find(line.words[0]);
    if (command == kCommands.end()) {
        throw Failure{"unknown command \"" + line.words[0] + "\""};
    }
    (this->*command->second)(line);
}

void ScriptHost::click(const Line &line) {
    line.need(2);
    Control &c = target(line.words[1], true);
    if (c.kind() != ControlKind::Button && c.kind() != ControlKind::Label) {
        throw Failure{c.qualifiedName() + " is not a button or a label"};
    }
    if (windows_ != nullptr) {
        windows_->click(c);
    } else {
        game_.click(c);
    }
}

void ScriptHost::menu(const Line &line) {
    line.need(2);
    const std::string &ref = line.words[1];
    auto dot = ref.find('.');
    std::string form = ref.substr(0, dot);
    if (dot == std::string::npos) {
        throw Failure{"expected FORM.ENTRY, got \"" + ref + "\""};
    }
    Screen *screen = &existing(form, true);
    MenuEntry *entry = screen->findMenu(ref.substr(dot + 1));
    if (entry == nullptr) {
        throw Failure{"no menu entry " + ref.substr(dot + 1) + " on " + form};
    }
    if (windows_ != nullptr) {
        windows_->choose(*screen, *entry);
    } else {
        game_.choose(*entry);
    }
}

void ScriptHost::answer(const Line &line) {
    if (line.words.size() < 2) {
        throw Failure{"answer takes one or more codes"};
    }
    for (std::size_t i = 1; i < line.words.size(); ++i) {
        long long code = 0;
        if (!parseInt(line.words[i], code) || (code != kYes && code != kNo)) {
            throw Failure{"answer code must be 6 or 7, got \"" + line.words[i] + "\""};
        }
        answers_.push_back(static_cast<int>(code));
    }
}

void ScriptHost::random(const Line &line) {
    if (line.words.size() < 2) {
        throw Failure{"random takes one or more fractions"};
    }
    for (std::size_t i = 1; i < line.words.size(); ++i) {
        double r = 0;
        if (!parseFraction(line.words[i], r) || !(r >= 0 && r < 1)) {
            throw Failure{"random needs 0 <= R < 1, got \"" + line.words[i] + "\""};
        }
        fractions_.push_back(r);
    }
}

void ScriptHost::seed(const Line &line) {
    line.need(2);
    long long n = 0;
    if (!parseInt(line.words[1], n)) {
        throw Failure{"seed needs a whole number, got \"" + line.words[1] + "\""};
    }
    engine_.seed(static_cast<std::uint64_t>(n));
}

void ScriptHost::variable(const Line &line) {
    const std::vector<std::string> &w = line.words;
    const std::string &cmd = w[0];
    if (w.size() < 2) {
        throw Failure{cmd + " needs a variable name"};
    }
    std::string name;
    int index = -1;
    if (!splitIndex(w[1], name, index)) {
        throw Failure{"bad variable name \"" + w[1] + "\""};
    }
    GameState &state = stateOf(game_);
    Var *number = state.number(name, index);
    TextVar *text = number == nullptr ? state.text(name, index) : nullptr;
    if (number == nullptr && text == nullptr) {
        throw Failure{"unknown variable " + w[1]};
    }
    if (cmd == "get") {
        line.need(2);
        out_ << w[1] << " = " << (number != nullptr ? number->text() : escaped(text->value_or(""))) << '\n';
        return;
    }
    if (w.size() < 3) {
        throw Failure{"set needs a value"};
    }
    if (number != nullptr) {
        line.need(3);
        long long v = 0;
        if (w[2] == "empty") {
            number->clear();
        } else if (parseInt(w[2], v)) {
            *number = v;
        } else {
            throw Failure{"set needs a whole number or empty, got \"" + w[2] + "\""};
        }
    } else if (w.size() == 3 && w[2] == "empty") {
        text->reset();
    } else {
        *text = line.restAfter(1);
    }
}

void ScriptHost::caption(const Line &line) {
    if (line.words.size() > 2) {
        // Sets a caption, as another screen's handler would.
        target(line.words[1], false).setCaption(line.restAfter(1));
        return;
    }
    line.need(2);
    const Control &c = target(line.words[1], false);
    out_ << line.words[1] << " = " << quoted(shown(c.captionText())) << '\n';
}

void ScriptHost::property(const Line &line) {
    line.need(2);
    const std::string &cmd = line.words[0];
    const std::string &ref = line.words[1];
    Control &c = target(ref, false);
    if (cmd == "tip") {
        out_ << ref << " tip = " << quoted(shown(c.tipText())) << '\n';
    } else if (cmd == "visible") {
        out_ << ref << (c.visible() ? " visible" : " hidden") << '\n';
    } else {
        out_ << ref << (c.enabled() ? " enabled" : " disabled") << '\n';
    }
}

void ScriptHost::lineEnd(const Line &line) {
    line.need(2);
    Control &c = target(line.words[1], false);
    if (c.kind() != ControlKind::Line) {
        throw Failure{c.qualifiedName() + " is not a line"};
    }
    out_ << line.words[1] << " from " << c.design().left << ',' << c.design().top << " to "
         << shortest(c.x2()) << ',' << shortest(c.y2()) << (c.visible() ? " visible" : " hidden") << '\n';
}

void ScriptHost::show(const Line &line) {
    // For screens no step of the game opens: shown as the game shows one.
    line.need(2);
    const std::string &id = line.words[1];
    if (!game_.knows(id)) {
        throw Failure{"unknown screen " + id};
    }
    game_.dispatch([&] { game_.show(id); });
    if (windows_ != nullptr) {
        windows_->wait(0);
    }
}

void ScriptHost::listScreens(const Line &line) {
    line.need(1);
    out_ << "screens:";
    for (Screen *sc : game_.screens()) {
        out_ << ' ' << sc->id() << (sc->visible() ? "" : "(hidden)");
    }
    out_ << '\n';
}

void ScriptHost::waitCommand(const Line &line) {
    line.need(2);
    long long ms = 0;
    if (!parseInt(line.words[1], ms) || ms < 0 || ms > INT_MAX) {
        throw Failure{"wait needs milliseconds, got \"" + line.words[1] + "\""};
    }
    wait(static_cast<int>(ms));
}

void ScriptHost::record(const Line &line) {
    line.need(1);
    printRecord(out_, game_.store<GrowthRecord>());
}

void ScriptHost::shot(const Line &line) {
    line.need(3);
    if (windows_ == nullptr) {
        throw Failure{"shot needs --windows"};
    }
    const std::string &name = line.words[1];
    // A window beside the screens, such as the growth chart, by its name.
    const std::string err = game_.knows(name) ? windows_->shot(existing(name, false), line.words[2])
                                              : windows_->shotView(name, line.words[2]);
    if (!err.empty()) {
        throw Failure{err};
    }
}

void ScriptHost::listSlots(const Line &line) {
    line.need(1);
    for (const SlotSummary &slot : readSlots()) {
        out_ << "slot " << slot.number << ": ";
        if (slot.state == SlotState::Empty) {
            out_ << "empty\n";
            continue;
        }
        // The row as the list shows it, each value after its column's name;
        // not when it was saved, so that a transcript reads the same on
        // every run.
        out_ << shown(slotCell(slot, kSlotDate));
        if (slot.state == SlotState::Saved) {
            for (int column = kSlotElement; column <= kSlotMoney; ++column) {
                out_ << ' ' << shown(slotColumnName(column)) << ' ' << shown(slotCell(slot, column));
            }
        }
        out_ << '\n';
    }
}

void ScriptHost::slotButton(const Line &line) {
    line.need(2);
    const std::string &command = line.words[0];
    long long n = 0;
    if (!parseInt(line.words[1], n) || n < 1 || n > kSaveSlots) {
        throw Failure{command + " needs a slot from 1 to " + std::to_string(kSaveSlots) + ", got \"" +
                      line.words[1] + "\""};
    }
    const int number = static_cast<int>(n);
    // As the list's buttons: only where the list opens, and only those it
    // offers for the slot.
    if (!slotListReachable(game_)) {
        throw Failure{"the slot list opens only on the title screen or the main menu"};
    }
    bool (*button)(Game &, int) = &saveToSlot;
    if (command == "saveslot") {
        if (!canSaveToSlots(game_)) {
            throw Failure{"the slot list saves only from the main menu"};
        }
    } else {
        if (!canLoadOrDelete(readSlot(number))) {
            throw Failure{"slot " + std::to_string(number) + " is empty"};
        }
        button = command == "loadslot" ? &loadFromSlot : &deleteSlot;
    }
    game_.dispatch([&] { button(game_, number); });
    if (windows_ != nullptr) {
        windows_->wait(0);
    }
}

int ScriptHost::run(std::istream &script) {
    int lineNo = 0;
    try {
        game_.start(ids::kTitle);
        if (game_.ended()) {
            out_ << "end\n";
            return 0;
        }
        for (std::string line; std::getline(script, line);) {
            ++lineNo;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            runLine(line);
            // What a run cut short printed is all there.
            out_.flush();
            if (game_.ended()) {
                out_ << "end\n";
                endRun(game_);
                return 0;
            }
        }
    } catch (const Failure &f) {
        // A script that fails ends like a program that fails: what it left
        // to resume stays.
        out_ << "error: line " << lineNo << ": " << f.reason << '\n';
        return 1;
    }
    // The end of the script is the program's normal end.
    endRun(game_);
    return 0;
}

} // namespace vermona::script
