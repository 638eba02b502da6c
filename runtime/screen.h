// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/control_ref.h"
#include "runtime/text.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vermona {

class Game;
class Screen;

class Control;

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

// What a control looks like, fixed while its screen is built. Positions and
// sizes are twips inside the client area.
struct ControlDesign {
    int left = 0, top = 0, width = 0, height = 0; // lines: from (left, top) to their end
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
    bool announce = false;    // label: each new caption is read out to a screen reader at once

    // What a screen reader is told beside what is drawn.
    Text readerNote;                         // described so where the tip says nothing
    const Control *readerCaption = nullptr;  // a value label: the label read before it, as one
    bool readAsRow = false;                  // a row's first label: the whole row is read as one,
    std::vector<const Control *> rowHeaders; // each cell after its column's header (null: none)
    Text meterName;                          // a gauge's line: read as a meter by this name
};

// One control of a screen. Its design is set while the screen is built,
// through the chainable setters, so that each control reads as one row of
// its screen's layout. Only caption, tip, visibility, whether it takes
// clicks and a line's end change at run time; their setters tell the
// observers.
class Control {
public:
    using Handler = std::function<void()>;

    Control(Screen &owner, ControlKind kind, std::string name, int index);
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    [[nodiscard]] Screen &owner() const { return owner_; }
    [[nodiscard]] ControlKind kind() const { return kind_; }
    [[nodiscard]] const std::string &name() const { return name_; }
    [[nodiscard]] int index() const { return index_; } // -1 unless in a control array
    [[nodiscard]] std::string qualifiedName() const;   // Form3.Label4 or Form14.Label4(0)
    [[nodiscard]] const ControlDesign &design() const { return design_; }
    // What a click (or a timer's tick) runs; empty for a control that does nothing.
    [[nodiscard]] const Handler &handler() const { return handler_; }

    // The caption in Japanese, as the game reads it; captionText() keeps how
    // it was made, for showing it in another language.
    [[nodiscard]] const std::string &caption() const { return caption_; }
    [[nodiscard]] const Text &captionText() const { return captionText_; }
    void setCaption(const Text &text);
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
    [[nodiscard]] const Text &tipText() const { return tipText_; }
    void setTip(const Text &text);
    // A gauge's line as a reader's meter: what is left of its maximum.
    [[nodiscard]] Var::Int meterValue() const { return meterValue_; }
    [[nodiscard]] Var::Int meterMaximum() const { return meterMaximum_; }
    void setMeter(Var::Int value, Var::Int maximum);

    // Building a screen. Each returns the control, for the next setter.
    Control &onClick(Handler handler);
    Control &onTimer(Handler handler) { return onClick(std::move(handler)); }
    Control &background(Rgb rgb);
    Control &foreground(Rgb rgb);
    Control &font(std::string face, double points, bool bold = false);
    Control &points(double points);
    Control &bold();
    Control &align(Align align);
    Control &centred() { return align(Align::Center); }
    Control &autoSize();
    Control &transparent();
    Control &border();
    Control &lineWidth(int pixels);
    Control &onTop();
    Control &autoPlay();
    Control &announce();
    // For a screen reader only: a note on what the control does (or that it
    // does nothing), the caption label a value is read with, and the name of
    // the meter a gauge's line is read as.
    Control &readerNote(const Text &note);
    Control &readWith(const Control &caption);
    Control &meter(const Text &name);
    // What hovering tells, from the start.
    Control &tip(const Text &text) {
        setTip(text);
        return *this;
    }
    // Buttons: a picture centred on the button and clipped to it.
    Control &picture(std::string file);
    Control &hidden();

private:
    Screen &owner_;
    ControlKind kind_;
    std::string name_;
    int index_;
    ControlDesign design_;
    Handler handler_;
    std::string caption_;
    Text captionText_;
    std::string tip_;
    Text tipText_;
    bool visible_ = true;
    bool enabled_ = true;
    float x2_ = 0, y2_ = 0;
    Var::Int meterValue_ = 0, meterMaximum_ = 0;

    friend class Screen;
    friend class ControlRow;
};

// One row of a control array: the labels NAME(0), NAME(1), ... side by side,
// built together and clicked through one handler.
class ControlRow {
public:
    // One label of the row: its caption and its place on the row's line.
    struct Cell {
        Text caption;
        int left, width, height;
    };

    ControlRow() = default;
    explicit ControlRow(std::vector<Control *> cells) : cells_(std::move(cells)) {}

    [[nodiscard]] Control &operator[](std::size_t i) const { return *cells_.at(i); }
    [[nodiscard]] std::size_t size() const { return cells_.size(); }
    [[nodiscard]] auto begin() const { return cells_.begin(); }
    [[nodiscard]] auto end() const { return cells_.end(); }

    // Every label runs handler with its own index, as a control array does.
    ControlRow &onClick(const std::function<void(int)> &handler);
    // Every label runs the same handler.
    ControlRow &onClick(const Control::Handler &handler);
    // The setters of a control, for every label of the row.
    ControlRow &background(Rgb rgb) {
        return each([=](Control &c) { c.background(rgb); });
    }
    // A colour per label, from the left.
    ControlRow &backgrounds(std::initializer_list<Rgb> rgbs);
    ControlRow &foreground(Rgb rgb) {
        return each([=](Control &c) { c.foreground(rgb); });
    }
    ControlRow &points(double points) {
        return each([=](Control &c) { c.points(points); });
    }
    ControlRow &bold() {
        return each([](Control &c) { c.bold(); });
    }
    ControlRow &centred() {
        return each([](Control &c) { c.centred(); });
    }
    ControlRow &transparent() {
        return each([](Control &c) { c.transparent(); });
    }
    ControlRow &border() {
        return each([](Control &c) { c.border(); });
    }
    ControlRow &hidden() {
        return each([](Control &c) { c.hidden(); });
    }
    // To a screen reader the row is one control, read cell by cell from the
    // left, each after the caption of its column's header (null: none).
    ControlRow &readAs(std::initializer_list<const Control *> headers);

private:
    ControlRow &each(const std::function<void(Control &)> &set);

    std::vector<Control *> cells_;
};

// A grid of labels that a screen reader reads as a table: each row is a
// player, headed by its first label, and the columns are headed as the rows
// are, so a cell is one player's result against another.
struct ReaderTable {
    std::vector<std::vector<const Control *>> rows;
};

struct MenuEntry {
    std::string name;
    Text caption;
    std::function<void()> onClick; // unset for an entry that only opens its children
    std::vector<MenuEntry> children;
    std::string shortcut; // such as "Ctrl+S"; empty for none

    // Adds an entry to this one's menu, with a shortcut such as "Ctrl+S" if
    // given; returns this one, for the next.
    MenuEntry &child(std::string childName, Text childCaption, std::function<void()> handler) {
        return child(std::move(childName), std::move(childCaption), {}, std::move(handler));
    }
    MenuEntry &child(std::string childName, Text childCaption, std::string keys,
                     std::function<void()> handler);
};

// A screen: a window with its controls, built at creation from its design and
// destroyed on close. Subclasses declare their controls as members named as
// designed, one row each in layout order, and their handlers as methods.
class Screen {
public:
    Screen(Game &game, std::string_view id, Text caption, int clientWidth, int clientHeight, Rgb background);
    virtual ~Screen() = default;
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    virtual void Form_Load() {}

    [[nodiscard]] const std::string &id() const { return id_; }
    [[nodiscard]] const std::string &caption() const { return caption_; }
    [[nodiscard]] const Text &captionText() const { return captionText_; }
    [[nodiscard]] int clientWidth() const { return clientWidth_; }
    [[nodiscard]] int clientHeight() const { return clientHeight_; }
    [[nodiscard]] Rgb background() const { return background_; }
    [[nodiscard]] const std::string &picture() const { return picture_; }
    // A window without border or title bar.
    [[nodiscard]] bool borderless() const { return borderless_; }
    // Where the window opens, when not where the screen it replaces was: at
    // left, top (twips) from the outer corner of another screen's window,
    // where it would lie on the desktop were that window in the desktop's
    // corner; it moves with that window.
    struct Anchor {
        std::string screen;
        int left = 0;
        int top = 0;
    };
    [[nodiscard]] const std::optional<Anchor> &anchor() const { return anchor_; }
    [[nodiscard]] bool visible() const { return visible_; }
    [[nodiscard]] Game &game() const { return game_; }
    // What a screen reader calls the window where its caption says nothing
    // (or the same as another's), and how it tells it apart; empty: nothing.
    [[nodiscard]] const Text &readerName() const { return readerName_; }
    [[nodiscard]] const Text &readerDescription() const { return readerDescription_; }
    [[nodiscard]] const ReaderTable &readerTable() const { return readerTable_; }

    // Controls in the order they were declared, which is also the drawing order.
    [[nodiscard]] const std::vector<std::unique_ptr<Control>> &controls() const { return controls_; }
    [[nodiscard]] Control *find(std::string_view name, int index = -1) const;
    // Null too when the control belongs to another screen.
    [[nodiscard]] Control *find(const ControlRef &ref) const;
    [[nodiscard]] const std::vector<MenuEntry> &menu() const { return menu_; }
    [[nodiscard]] MenuEntry *findMenu(std::string_view name);

protected:
    // The builders: a control with its name, caption and box, for the
    // setters to finish.
    Control &button(std::string name, const Text &caption, int left, int top, int width, int height);
    Control &label(std::string name, const Text &caption, int left, int top, int width, int height);
    Control &label(std::string name, int index, const Text &caption, int left, int top, int width,
                   int height);
    Control &line(std::string name, int x1, int y1, int x2, int y2);
    // The same for a control that other screens reach; it must be one of
    // this screen's.
    Control &button(const ControlRef &ref, const Text &caption, int left, int top, int width, int height);
    Control &label(const ControlRef &ref, const Text &caption, int left, int top, int width, int height);
    Control &line(const ControlRef &ref, int x1, int y1, int x2, int y2);
    Control &picture(std::string name, std::string file, int left, int top, int width, int height);
    Control &movie(std::string name, std::string file, int left, int top, int width, int height);
    Control &timer(std::string name, int interval);
    // A row of a control array on one line from `top`, indexed from 0.
    ControlRow labelRow(const std::string &name, int top, std::initializer_list<ControlRow::Cell> cells);
    MenuEntry &menuEntry(std::string name, Text caption, std::function<void()> onClick = {});
    void setPicture(std::string file) { picture_ = std::move(file); }
    void setBorderless() { borderless_ = true; }
    void placeFrom(std::string_view screen, int left, int top) {
        anchor_ = Anchor{std::string(screen), left, top};
    }
    void setReaderName(Text name) { readerName_ = std::move(name); }
    // Read when the window shows; set it before then (at the latest in Form_Load).
    void setReaderDescription(Text description) { readerDescription_ = std::move(description); }
    void setReaderTable(ReaderTable table) { readerTable_ = std::move(table); }
    // Moving the player on: show the next screen, then close this one. The
    // next screen's load therefore sees everything the handler changed.
    void changeTo(std::string_view next);

    Game &game_;

private:
    Control &add(ControlKind kind, std::string name, int index, int left, int top, int width, int height);
    [[nodiscard]] std::string ownName(const ControlRef &ref) const;

    std::string id_;
    std::string caption_;
    Text captionText_;
    int clientWidth_;
    int clientHeight_;
    Rgb background_;
    std::string picture_;
    bool borderless_ = false;
    std::optional<Anchor> anchor_;
    Text readerName_;
    Text readerDescription_;
    ReaderTable readerTable_;
    bool visible_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<MenuEntry> menu_;

    friend class Game;
};

} // namespace vermona
