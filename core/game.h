#pragma once

#include "core/game_state.h"
#include "core/screen.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

namespace vermona {

// Message box button styles and the codes of the buttons.
inline constexpr int kOkOnly = 0;
inline constexpr int kYesNo = 4;
inline constexpr int kOk = 1;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;

// What the game needs from the world outside. The real program answers with
// Qt dialogs and the clock; tests and the script host answer from queues.
class Ports {
public:
    virtual ~Ports() = default;
    // Modal; returns kOk, kYes or kNo.
    virtual int messageBox(const std::string &prompt, int style, const std::string &title) = 0;
    // The game reseeds before every draw.
    virtual void reseedFromClock() = 0;
    // A fraction 0 <= r < 1.
    virtual double nextFraction() = 0;
};

// Told about every change a front end has to draw.
class ScreenObserver {
public:
    virtual ~ScreenObserver() = default;
    virtual void screenCreated(Screen & /*screen*/) {}
    virtual void screenVisibilityChanged(Screen & /*screen*/) {}
    virtual void screenClosed(Screen & /*screen*/) {} // still alive during the call
    virtual void controlChanged(Control & /*control*/) {}
    virtual void programEnded() {}
    // A window beside the screens was asked for, such as the growth chart.
    virtual void viewRequested(const std::string & /*view*/) {}
    // The bookkeeping of the game changed (a new week, a load).
    virtual void recordChanged() {}
};

// Thrown by Game::end to unwind the handler that ended the program.
struct ProgramEnd {};

// The screen runtime and the shared game variables: one whole game.
class Game {
public:
    using Factory = std::function<std::unique_ptr<Screen>(Game &)>;

    explicit Game(Ports &ports);
    ~Game();
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;

    GameState state;

    void registerScreen(std::string id, Factory factory);
    [[nodiscard]] bool knows(std::string_view id) const;

    // Shows the start screen.
    void start();

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

    int msgBox(const std::string &prompt, int style, const std::string &title);
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
    // Used by the bookkeeping that a front end draws.
    void notifyRecordChanged();

    // Asks the front end for a window beside the screens; without one,
    // nothing happens.
    void openView(const std::string &view);

    // Bookkeeping that belongs to one game but is not game data (such as what
    // the save file held when it was last written). Each part keeps its own
    // record, found by type and created empty on first use.
    template <class T> T &record() {
        std::shared_ptr<void> &slot = records_[std::type_index(typeid(T))];
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
    std::map<std::type_index, std::shared_ptr<void>> records_;
};

} // namespace vermona
