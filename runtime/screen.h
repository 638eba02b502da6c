#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vermona {

class Game;
class Screen;

using Rgb = std::uint32_t; // 0xRRGGBB

// A design's font. The front end maps the face name to an installed font;
// an empty name stands for the program's default face.
struct Font {
    std::string face;
    double points = 9;
    bool bold = false;
};

enum class ControlKind { Button, Label, Line, Picture, Timer, Movie };
enum class Align { Left, Center, Right };

// One control of a screen with its design-time properties. Positions and
// sizes are twips inside the client area. Only caption, tip, visibility,
// whether it takes clicks and a line's end change at run time; their setters
// tell the observers.
class Control {
public:
    Control(Screen &owner, ControlKind kind, std::string name, int index);
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    [[nodiscard]] Screen &owner() const { return owner_; }
    [[nodiscard]] ControlKind kind() const { return kind_; }
    [[nodiscard]] const std::string &name() const { return name_; }
    [[nodiscard]] int index() const { return index_; } // -1 unless in a control array
    [[nodiscard]] std::string qualifiedName() const;   // Form3.Label4 or Form14.Label4(0)

    [[nodiscard]] const std::string &caption() const { return caption_; }
    void setCaption(std::string text);
    [[nodiscard]] bool visible() const { return visible_; }
    void setVisible(bool visible);
    // A disabled button or label ignores clicks; a disabled timer does not run.
    [[nodiscard]] bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Lines: the end point, kept unrounded as lines hold fractions of a twip.
    [[nodiscard]] float x2() const { return x2_; }
    [[nodiscard]] float y2() const { return y2_; }
    void setEnd(float x2, float y2);
    // What hovering over the control tells the player; empty for nothing.
    [[nodiscard]] const std::string &tip() const { return tip_; }
    void setTip(std::string text);

    // Design-time properties, set while the screen is built.
    int left = 0, top = 0, width = 0, height = 0; // lines: from (left, top) to (x2, y2)
    std::optional<Rgb> background;                // unset: the system's look (plain button)
    Rgb foreground = 0x000000;
    Font font;
    Align align = Align::Left;
    bool autoSize = false;    // label grows and shrinks with its caption
    bool transparent = false; // label shows the screen's background
    bool border = false;      // label framed by a thin line
    int lineWidth = 1;        // lines, pixels
    bool lineOnTop = false;   // line drawn over buttons, pictures and movies too
    std::string file;         // picture or movie file
    bool autoPlay = false;    // movie: plays when shown; otherwise holds its first frame
    int interval = 0;         // timer, milliseconds

    std::function<void()> onClick; // also the timer's handler

private:
    Screen &owner_;
    ControlKind kind_;
    std::string name_;
    int index_;
    std::string caption_;
    std::string tip_;
    bool visible_ = true;
    bool enabled_ = true;
    float x2_ = 0, y2_ = 0;

    friend class Screen;
};

struct MenuEntry {
    std::string name;
    std::string caption;
    std::function<void()> onClick; // unset for an entry that only opens its children
    std::vector<MenuEntry> children;
    std::string shortcut; // such as "Ctrl+S"; empty for none
};

// A screen: a window with its controls, built at creation from its design and
// destroyed on close. Subclasses declare their controls as members named as
// designed and their handlers as methods.
class Screen {
public:
    Screen(Game &game, std::string_view id, std::string caption, int clientWidth, int clientHeight,
           Rgb background);
    virtual ~Screen() = default;
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    virtual void Form_Load() {}

    [[nodiscard]] const std::string &id() const { return id_; }
    [[nodiscard]] const std::string &caption() const { return caption_; }
    [[nodiscard]] int clientWidth() const { return clientWidth_; }
    [[nodiscard]] int clientHeight() const { return clientHeight_; }
    [[nodiscard]] Rgb background() const { return background_; }
    [[nodiscard]] const std::string &picture() const { return picture_; }
    // A window without border or title bar, and where on the desktop it
    // opens (twips from the top-left corner); unset opens it where the
    // screen it replaces was.
    [[nodiscard]] bool borderless() const { return borderless_; }
    [[nodiscard]] const std::optional<std::pair<int, int>> &desktopPosition() const {
        return desktopPosition_;
    }
    [[nodiscard]] bool visible() const { return visible_; }
    [[nodiscard]] Game &game() const { return game_; }

    // Controls in the order they were declared, which is also the drawing order.
    [[nodiscard]] const std::vector<std::unique_ptr<Control>> &controls() const { return controls_; }
    [[nodiscard]] Control *find(std::string_view name, int index = -1) const;
    [[nodiscard]] const std::vector<MenuEntry> &menu() const { return menu_; }
    [[nodiscard]] MenuEntry *findMenu(std::string_view name);

protected:
    Control &button(std::string name, std::string caption, int left, int top, int width, int height);
    Control &label(std::string name, std::string caption, int left, int top, int width, int height);
    Control &label(std::string name, int index, std::string caption, int left, int top, int width,
                   int height);
    Control &line(std::string name, int x1, int y1, int x2, int y2);
    Control &add(ControlKind kind, std::string name, int index = -1);
    MenuEntry &menuEntry(std::string name, std::string caption, std::function<void()> onClick = {});
    void setPicture(std::string file) { picture_ = std::move(file); }
    void setBorderless() { borderless_ = true; }
    void placeOnDesktop(int left, int top) { desktopPosition_ = std::make_pair(left, top); }
    // Moving the player on: show the next screen, then close this one. The
    // next screen's load therefore sees everything the handler changed.
    void changeTo(std::string_view next);

    Game &game_;

private:
    std::string id_;
    std::string caption_;
    int clientWidth_;
    int clientHeight_;
    Rgb background_;
    std::string picture_;
    bool borderless_ = false;
    std::optional<std::pair<int, int>> desktopPosition_;
    bool visible_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<MenuEntry> menu_;

    friend class Game;
};

} // namespace vermona
