// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/game_driver.h"

#include "app/all_screens.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace vermona::test {

namespace {

class MenuProbe : public GameScreen {
public:
    MenuProbe(Game &g, std::optional<GameState> *arrival)
        : GameScreen(g, ids::kMainMenu, "probe", 100, 100, 0), arrival_(arrival) {}
    void Form_Load() override { *arrival_ = s; }

private:
    std::optional<GameState> *arrival_;
};

} // namespace

int RecordingPorts::messageBox(const Text &prompt, int style, const Text &title) {
    if (state != nullptr) {
        seen.push_back(*state);
    }
    return QueuePorts::messageBox(prompt, style, title);
}

GameDriver::GameDriver() {
    ports.state = &s;
    app::registerAllScreens(game);
}

GameDriver::GameDriver(const std::filesystem::path &directory) : dir(directory) {
    ports.state = &s;
    app::registerAllScreens(game);
}

void GameDriver::start() { game.start(ids::kTitle); }

void GameDriver::open(std::string_view id) {
    for (Screen *sc : game.screens()) {
        game.close(sc->id());
    }
    atMenu.reset();
    game.dispatch([this, id] { game.show(id); });
}

void GameDriver::click(std::string_view screen, std::string_view name, int index) {
    Screen *sc = game.find(screen);
    ASSERT_NE(sc, nullptr) << screen << " does not exist";
    ASSERT_TRUE(sc->visible()) << screen << " is hidden";
    Control *c = sc->find(name, index);
    ASSERT_NE(c, nullptr) << screen << "." << name << "(" << index << ") does not exist";
    ASSERT_TRUE(c->visible()) << c->qualifiedName() << " is hidden";
    ASSERT_TRUE(c->enabled()) << c->qualifiedName() << " is disabled";
    game.click(*c);
}

void GameDriver::choose(std::string_view screen, std::string_view entry) {
    Screen *sc = game.find(screen);
    ASSERT_NE(sc, nullptr) << screen << " does not exist";
    MenuEntry *e = sc->findMenu(entry);
    ASSERT_NE(e, nullptr) << screen << " has no menu entry " << entry;
    game.choose(*e);
}

void GameDriver::newGame(std::string_view clicks, std::string_view element) {
    start();
    click(ids::kTitle, "Command1");
    for (int i = 0; i < 10; ++i) {
        click(ids::kHeroSetup, clicks);
    }
    click(ids::kElement, element);
}

Control &GameDriver::control(std::string_view screen, std::string_view name, int index) const {
    Screen *sc = game.find(screen);
    if (sc == nullptr) {
        throw std::runtime_error(std::string(screen) + " does not exist");
    }
    Control *c = sc->find(name, index);
    if (c == nullptr) {
        throw std::runtime_error(std::string(screen) + "." + std::string(name) + " does not exist");
    }
    return *c;
}

std::string GameDriver::caption(std::string_view screen, std::string_view name, int index) const {
    return control(screen, name, index).caption();
}

std::vector<std::string> GameDriver::screens() const {
    std::vector<std::string> ids;
    for (Screen *sc : game.screens()) {
        ids.push_back(sc->id() + (sc->visible() ? "" : "(hidden)"));
    }
    return ids;
}

std::vector<std::string> GameDriver::prompts() const {
    std::vector<std::string> out;
    for (const auto &b : ports.boxes) {
        out.push_back(b.prompt);
    }
    return out;
}

void GameDriver::probeTheMenu() {
    game.registerScreen(ids::kMainMenu, [this](Game &g) { return std::make_unique<MenuProbe>(g, &atMenu); });
}

std::map<std::string, std::string> allVars(const GameState &state) {
    GameState s = state;
    std::map<std::string, std::string> out;
    for (std::string_view name : GameState::numberNames()) {
        out[std::string(name)] = s.number(name)->text();
    }
    for (std::string_view name : GameState::textNames()) {
        out[std::string(name)] = s.text(name)->value_or("(empty)");
    }
    return out;
}

} // namespace vermona::test
