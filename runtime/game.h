// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/ports.h"
#include "runtime/screen.h"
#include "runtime/var.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

namespace vermona {

// Thrown by Game::end to unwind the handler that ended the program.
struct ProgramEnd {};

// The screen runtime: the screens of one game, what they keep beside their
// controls, and the ports to the world outside. A whole game is an object
// that can be made twice in one process.
class Game {
public:
    using Factory = std::function<std::unique_ptr<Screen>(Game &)>;

    explicit Game(Ports &ports);
    ~Game();
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;

    void registerScreen(std::string_view id, Factory factory);
    [[nodiscard]] bool knows(std::string_view id) const;

    // Shows the first screen.
    void start(std::string_view first);

    // The screen model. show: create (and run Form_Load) if needed, then make
    // visible. touch: create invisibly if needed. close: destroy; captions set
    // at run time are lost.
    Screen &show(std::string_view id);
    Screen &touch(std::string_view id);
    void hide(std::string_view id);
    void close(std::string_view id);
    [[nodiscard]] Screen *find(std::string_view id) const;
    [[nodiscard]] std::vector<Screen *> screens() const; // in creation order
    // A control of any screen; creates that screen invisibly when needed.
    Control &control(std::string_view screen, std::string_view name, int index = -1);
    Control &control(const ControlRef &ref) { return control(ref.screen, ref.name, ref.index); }

    int msgBox(const Text &prompt, int style, const Text &title);
    // Reseeds from the clock, then Int(r * n) + k.
    Var::Int roll(int n, int k);
    // Ends the program at once: closes every screen and unwinds the caller.
    [[noreturn]] void end();
    [[nodiscard]] bool ended() const { return ended_; }

    // Entry points for front ends. Each runs one handler; an end of the
    // program inside it is absorbed here, and screens closed by it are freed
    // once the outermost handler has returned.
    void click(Control &control);
    void choose(MenuEntry &entry);
    void dispatch(const std::function<void()> &handler);

    void addObserver(ScreenObserver *observer);
    void removeObserver(ScreenObserver *observer);

    // Used by Control and Screen to report run-time changes.
    void notifyControlChanged(Control &control);
    // Tells the observers that something a view shows has changed.
    void notifyDataChanged();

    // Asks the front end for a window beside the screens; without one,
    // nothing happens.
    void openView(const std::string &view);

    // The language the texts are shown in; null for Japanese, as made.
    [[nodiscard]] const Translation *translation() const { return translation_.get(); }
    void setTranslation(std::shared_ptr<const Translation> translation);
    // The player asks for a language by its code ("ja", "en"); whoever can
    // load languages answers (setLanguageChooser). Without one, nothing
    // happens.
    void chooseLanguage(std::string_view code);
    void setLanguageChooser(std::function<void(std::string_view)> chooser) { chooser_ = std::move(chooser); }

    // What belongs to one game but not to the runtime: the game's variables,
    // and bookkeeping beside them (such as what the save file last held).
    // One object of each type, found by type and created empty on first use.
    template <class T> T &store() {
        std::shared_ptr<void> &slot = stores_[std::type_index(typeid(T))];
        if (!slot) {
            slot = std::make_shared<T>();
        }
        return *static_cast<T *>(slot.get());
    }

private:
    Screen &create(std::string_view id, bool visible);
    void setVisible(Screen &screen, bool visible);
    void closeAll();

    Ports &ports_;
    std::map<std::string, Factory, std::less<>> factories_;
    std::vector<std::unique_ptr<Screen>> screens_;
    std::vector<std::unique_ptr<Screen>> closed_; // freed when no handler runs
    std::vector<ScreenObserver *> observers_;
    int depth_ = 0;
    bool ended_ = false;
    std::map<std::type_index, std::shared_ptr<void>> stores_;
    std::shared_ptr<const Translation> translation_;
    std::function<void(std::string_view)> chooser_;
};

} // namespace vermona
