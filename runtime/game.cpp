// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/game.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vermona {

namespace {

// Thrown when a handler leads to a screen that cannot be shown (nobody
// registered it, or its load closed it again); the handler is abandoned
// before it closes its own screen, so the click does nothing.
struct AbandonedShow : std::out_of_range {
    using std::out_of_range::out_of_range;
};

} // namespace

Game::Game(Ports &ports) : ports_(ports) {}

Game::~Game() {
    // Observers are told nothing here: they may already be gone.
    observers_.clear();
    screens_.clear();
    closed_.clear();
}

void Game::registerScreen(std::string_view id, Factory factory) {
    factories_[std::string(id)] = std::move(factory);
}

bool Game::knows(std::string_view id) const { return factories_.find(id) != factories_.end(); }

void Game::start(std::string_view first) {
    dispatch([this, first] { show(first); });
}

Screen *Game::find(std::string_view id) const {
    for (const auto &sc : screens_) {
        if (sc->id() == id) {
            return sc.get();
        }
    }
    return nullptr;
}

std::vector<Screen *> Game::screens() const {
    std::vector<Screen *> out;
    out.reserve(screens_.size());
    for (const auto &sc : screens_) {
        out.push_back(sc.get());
    }
    return out;
}

Screen &Game::create(std::string_view id, bool visible) {
    auto it = factories_.find(id);
    if (it == factories_.end()) {
        ports_.unknownScreen(id);
        throw AbandonedShow("no screen " + std::string(id));
    }
    screens_.push_back(it->second(*this));
    Screen &sc = *screens_.back();
    for (auto *o : observers_) {
        o->screenCreated(sc);
    }
    sc.Form_Load();
    // Form_Load may have closed the screen again; then there is nothing to show.
    if (find(id) != &sc) {
        throw AbandonedShow("screen " + std::string(id) + " closed during its load");
    }
    if (visible) {
        setVisible(sc, true);
    }
    return sc;
}

Screen &Game::show(std::string_view id) {
    if (Screen *sc = find(id)) {
        setVisible(*sc, true);
        return *sc;
    }
    return create(id, true);
}

Screen &Game::touch(std::string_view id) {
    if (Screen *sc = find(id)) {
        return *sc;
    }
    return create(id, false);
}

void Game::hide(std::string_view id) {
    if (Screen *sc = find(id)) {
        setVisible(*sc, false);
    }
}

void Game::setVisible(Screen &screen, bool visible) {
    if (screen.visible_ == visible) {
        return;
    }
    screen.visible_ = visible;
    for (auto *o : observers_) {
        o->screenVisibilityChanged(screen);
    }
}

void Game::close(std::string_view id) {
    auto it = std::find_if(screens_.begin(), screens_.end(), [&](const auto &sc) { return sc->id() == id; });
    if (it == screens_.end()) {
        return;
    }
    std::unique_ptr<Screen> sc = std::move(*it);
    screens_.erase(it);
    sc->visible_ = false;
    for (auto *o : observers_) {
        o->screenClosed(*sc);
    }
    // The closing handler usually belongs to this very screen and is still
    // running; free it only when the outermost handler has returned.
    if (depth_ > 0) {
        closed_.push_back(std::move(sc));
    }
}

Control &Game::control(std::string_view screen, std::string_view name, int index) {
    Screen &sc = touch(screen);
    Control *c = sc.find(name, index);
    if (c == nullptr) {
        throw std::out_of_range("no control " + std::string(name) + " on " + std::string(screen));
    }
    return *c;
}

int Game::msgBox(const Text &prompt, int style, const Text &title) {
    return ports_.messageBox(prompt, style, title);
}

Var::Int Game::roll(int n, int k) {
    ports_.reseedFromClock();
    double r = ports_.nextFraction();
    // Guard the contract: a port that returns 1.0 or more would give k + n.
    r = std::clamp(r, 0.0, std::nextafter(1.0, 0.0));
    return static_cast<Var::Int>(std::floor(r * n)) + k;
}

void Game::closeAll() {
    while (!screens_.empty()) {
        close(screens_.back()->id());
    }
}

void Game::end() { throw ProgramEnd{}; }

void Game::click(Control &control) {
    if (ended_ || !control.handler() || !control.enabled()) {
        return;
    }
    // Copy: the handler may close the screen that owns the control.
    auto handler = control.handler();
    dispatch(handler);
}

void Game::choose(MenuEntry &entry) {
    if (ended_ || !entry.onClick) {
        return;
    }
    auto handler = entry.onClick;
    dispatch(handler);
}

void Game::dispatch(const std::function<void()> &handler) {
    if (ended_) {
        return;
    }
    ++depth_;
    try {
        handler();
    } catch (const ProgramEnd &) {
        ended_ = true;
    } catch (const AbandonedShow &) {
        // The click does nothing.
    } catch (...) {
        --depth_;
        throw;
    }
    --depth_;
    if (ended_ && depth_ > 0) {
        // Nested handler: the one that called it must not go on either.
        throw ProgramEnd{};
    }
    if (ended_ && depth_ == 0) {
        ++depth_;
        closeAll();
        --depth_;
        for (auto *o : observers_) {
            o->programEnded();
        }
    }
    if (depth_ == 0) {
        closed_.clear();
    }
}

void Game::addObserver(ScreenObserver *observer) { observers_.push_back(observer); }

void Game::removeObserver(ScreenObserver *observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Game::notifyControlChanged(Control &control) {
    for (auto *o : observers_) {
        o->controlChanged(control);
    }
}

void Game::notifyDataChanged() {
    for (auto *o : observers_) {
        o->dataChanged();
    }
}

void Game::setTranslation(std::shared_ptr<const Translation> translation) {
    translation_ = std::move(translation);
    for (auto *o : observers_) {
        o->languageChanged();
    }
}

void Game::chooseLanguage(std::string_view code) {
    if (chooser_) {
        chooser_(code);
    }
}

void Game::openView(const std::string &view) {
    for (auto *o : observers_) {
        o->viewRequested(view);
    }
}

} // namespace vermona
