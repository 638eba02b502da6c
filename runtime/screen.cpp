// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/screen.h"

#include "runtime/game.h"

#include <stdexcept>

namespace vermona {

Control::Control(Screen &owner, ControlKind kind, std::string name, int index)
    : owner_(owner), kind_(kind), name_(std::move(name)), index_(index) {}

std::string Control::qualifiedName() const {
    std::string n = owner_.id() + "." + name_;
    if (index_ >= 0) {
        n += "(" + std::to_string(index_) + ")";
    }
    return n;
}

namespace {

// Sets a text and its Japanese; true when either changed.
bool assign(Text &text, std::string &japanese, const Text &value) {
    std::string shown = value.japanese();
    if (shown == japanese && value.madeAs(text)) {
        return false;
    }
    text = value;
    japanese = std::move(shown);
    return true;
}

} // namespace

void Control::setCaption(const Text &text) {
    if (assign(captionText_, caption_, text)) {
        owner_.game().notifyControlChanged(*this);
    }
}

void Control::setTip(const Text &text) {
    if (assign(tipText_, tip_, text)) {
        owner_.game().notifyControlChanged(*this);
    }
}

void Control::setVisible(bool visible) {
    if (visible == visible_) {
        return;
    }
    visible_ = visible;
    owner_.game().notifyControlChanged(*this);
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    owner_.game().notifyControlChanged(*this);
}

void Control::setEnd(float x2, float y2) {
    if (x2 == x2_ && y2 == y2_) {
        return;
    }
    x2_ = x2;
    y2_ = y2;
    owner_.game().notifyControlChanged(*this);
}

void Control::setMeter(Var::Int value, Var::Int maximum) {
    if (value == meterValue_ && maximum == meterMaximum_) {
        return;
    }
    meterValue_ = value;
    meterMaximum_ = maximum;
    owner_.game().notifyControlChanged(*this);
}

Control &Control::onClick(Handler handler) {
    handler_ = std::move(handler);
    return *this;
}

Control &Control::background(Rgb rgb) {
    design_.background = rgb;
    return *this;
}

Control &Control::foreground(Rgb rgb) {
    design_.foreground = rgb;
    return *this;
}

Control &Control::font(std::string face, double points, bool bold) {
    design_.font = Font{std::move(face), points, bold};
    return *this;
}

Control &Control::points(double points) {
    design_.font.points = points;
    return *this;
}

Control &Control::bold() {
    design_.font.bold = true;
    return *this;
}

Control &Control::align(Align align) {
    design_.align = align;
    return *this;
}

Control &Control::autoSize() {
    design_.autoSize = true;
    return *this;
}

Control &Control::transparent() {
    design_.transparent = true;
    return *this;
}

Control &Control::border() {
    design_.border = true;
    return *this;
}

Control &Control::lineWidth(int pixels) {
    design_.lineWidth = pixels;
    return *this;
}

Control &Control::onTop() {
    design_.lineOnTop = true;
    return *this;
}

Control &Control::autoPlay() {
    design_.autoPlay = true;
    return *this;
}

Control &Control::picture(std::string file) {
    design_.file = std::move(file);
    return *this;
}

Control &Control::announce() {
    design_.announce = true;
    return *this;
}

Control &Control::readerNote(const Text &note) {
    design_.readerNote = note;
    return *this;
}

Control &Control::readWith(const Control &caption) {
    design_.readerCaption = &caption;
    return *this;
}

Control &Control::meter(const Text &name) {
    design_.meterName = name;
    return *this;
}

Control &Control::hidden() {
    setVisible(false);
    return *this;
}

ControlRow &ControlRow::onClick(const std::function<void(int)> &handler) {
    for (Control *c : cells_) {
        c->onClick([handler, index = c->index()] { handler(index); });
    }
    return *this;
}

ControlRow &ControlRow::onClick(const Control::Handler &handler) {
    return each([&](Control &c) { c.onClick(handler); });
}

ControlRow &ControlRow::backgrounds(std::initializer_list<Rgb> rgbs) {
    std::size_t i = 0;
    for (Rgb rgb : rgbs) {
        if (i < cells_.size()) {
            cells_[i++]->background(rgb);
        }
    }
    return *this;
}

ControlRow &ControlRow::readAs(std::initializer_list<const Control *> headers) {
    if (!cells_.empty()) {
        cells_.front()->design_.readAsRow = true;
        cells_.front()->design_.rowHeaders = headers;
    }
    return *this;
}

ControlRow &ControlRow::each(const std::function<void(Control &)> &set) {
    for (Control *c : cells_) {
        set(*c);
    }
    return *this;
}

MenuEntry &MenuEntry::child(std::string childName, Text childCaption, std::string keys,
                            std::function<void()> handler) {
    children.push_back(
        MenuEntry{std::move(childName), std::move(childCaption), std::move(handler), {}, std::move(keys)});
    return *this;
}

Screen::Screen(Game &game, std::string_view id, Text caption, int clientWidth, int clientHeight,
               Rgb background)
    : game_(game), id_(id), caption_(caption.japanese()), captionText_(std::move(caption)),
      clientWidth_(clientWidth), clientHeight_(clientHeight), background_(background) {}

Control *Screen::find(std::string_view name, int index) const {
    for (const auto &c : controls_) {
        if (c->name() == name && c->index() == index) {
            return c.get();
        }
    }
    return nullptr;
}

Control *Screen::find(const ControlRef &ref) const {
    return ref.screen == id_ ? find(ref.name, ref.index) : nullptr;
}

MenuEntry *Screen::findMenu(std::string_view name) {
    // Depth-first over the menu tree; the tree is a handful of entries.
    std::vector<MenuEntry *> todo;
    for (auto &m : menu_) {
        todo.push_back(&m);
    }
    while (!todo.empty()) {
        MenuEntry *m = todo.back();
        todo.pop_back();
        if (m->name == name) {
            return m;
        }
        for (auto &c : m->children) {
            todo.push_back(&c);
        }
    }
    return nullptr;
}

Control &Screen::add(ControlKind kind, std::string name, int index, int left, int top, int width,
                     int height) {
    controls_.push_back(std::make_unique<Control>(*this, kind, std::move(name), index));
    Control &c = *controls_.back();
    c.design_.left = left;
    c.design_.top = top;
    c.design_.width = width;
    c.design_.height = height;
    return c;
}

Control &Screen::button(std::string name, const Text &caption, int left, int top, int width, int height) {
    Control &c = add(ControlKind::Button, std::move(name), -1, left, top, width, height);
    assign(c.captionText_, c.caption_, caption);
    return c;
}

Control &Screen::label(std::string name, const Text &caption, int left, int top, int width, int height) {
    return label(std::move(name), -1, caption, left, top, width, height);
}

Control &Screen::label(std::string name, int index, const Text &caption, int left, int top, int width,
                       int height) {
    Control &c = add(ControlKind::Label, std::move(name), index, left, top, width, height);
    assign(c.captionText_, c.caption_, caption);
    // A label's back colour defaults to the screen's, as a fresh label would.
    c.design_.background = background_;
    return c;
}

Control &Screen::line(std::string name, int x1, int y1, int x2, int y2) {
    Control &c = add(ControlKind::Line, std::move(name), -1, x1, y1, 0, 0);
    c.x2_ = static_cast<float>(x2);
    c.y2_ = static_cast<float>(y2);
    return c;
}

std::string Screen::ownName(const ControlRef &ref) const {
    // A name declared for another screen would leave that screen's
    // reachers without their control.
    if (ref.screen != id_) {
        throw std::logic_error("control " + std::string(ref.name) + " of " + std::string(ref.screen) +
                               " built on " + id_);
    }
    return std::string(ref.name);
}

Control &Screen::button(const ControlRef &ref, const Text &caption, int left, int top, int width,
                        int height) {
    Control &c = button(ownName(ref), caption, left, top, width, height);
    c.index_ = ref.index;
    return c;
}

Control &Screen::label(const ControlRef &ref, const Text &caption, int left, int top, int width, int height) {
    return label(ownName(ref), ref.index, caption, left, top, width, height);
}

Control &Screen::line(const ControlRef &ref, int x1, int y1, int x2, int y2) {
    Control &c = line(ownName(ref), x1, y1, x2, y2);
    c.index_ = ref.index;
    return c;
}

Control &Screen::picture(std::string name, std::string file, int left, int top, int width, int height) {
    Control &c = add(ControlKind::Picture, std::move(name), -1, left, top, width, height);
    c.design_.file = std::move(file);
    return c;
}

Control &Screen::movie(std::string name, std::string file, int left, int top, int width, int height) {
    Control &c = add(ControlKind::Movie, std::move(name), -1, left, top, width, height);
    c.design_.file = std::move(file);
    return c;
}

Control &Screen::timer(std::string name, int interval) {
    Control &c = add(ControlKind::Timer, std::move(name), -1, 0, 0, 0, 0);
    c.design_.interval = interval;
    return c;
}

ControlRow Screen::labelRow(const std::string &name, int top, std::initializer_list<ControlRow::Cell> cells) {
    std::vector<Control *> row;
    int index = 0;
    for (const ControlRow::Cell &cell : cells) {
        row.push_back(&label(name, index++, cell.caption, cell.left, top, cell.width, cell.height));
    }
    return ControlRow(std::move(row));
}

void Screen::changeTo(std::string_view next) {
    game_.show(next);
    game_.close(id_);
}

MenuEntry &Screen::menuEntry(std::string name, Text caption, std::function<void()> onClick) {
    menu_.push_back(MenuEntry{std::move(name), std::move(caption), std::move(onClick), {}, {}});
    return menu_.back();
}

} // namespace vermona
