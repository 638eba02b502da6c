#include "runtime/screen.h"

#include "runtime/game.h"

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

void Control::setCaption(std::string text) {
    if (text == caption_) {
        return;
    }
    caption_ = std::move(text);
    owner_.game().notifyControlChanged(*this);
}

void Control::setTip(std::string text) {
    if (text == tip_) {
        return;
    }
    tip_ = std::move(text);
    owner_.game().notifyControlChanged(*this);
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

Screen::Screen(Game &game, std::string_view id, std::string caption, int clientWidth, int clientHeight,
               Rgb background)
    : game_(game), id_(id), caption_(std::move(caption)), clientWidth_(clientWidth),
      clientHeight_(clientHeight), background_(background) {}

Control *Screen::find(std::string_view name, int index) const {
    for (const auto &c : controls_) {
        if (c->name() == name && c->index() == index) {
            return c.get();
        }
    }
    return nullptr;
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

Control &Screen::add(ControlKind kind, std::string name, int index) {
    controls_.push_back(std::make_unique<Control>(*this, kind, std::move(name), index));
    return *controls_.back();
}

Control &Screen::button(std::string name, std::string caption, int left, int top, int width, int height) {
    Control &c = add(ControlKind::Button, std::move(name));
    c.caption_ = std::move(caption);
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

Control &Screen::label(std::string name, std::string caption, int left, int top, int width, int height) {
    return label(std::move(name), -1, std::move(caption), left, top, width, height);
}

Control &Screen::label(std::string name, int index, std::string caption, int left, int top, int width,
                       int height) {
    Control &c = add(ControlKind::Label, std::move(name), index);
    c.caption_ = std::move(caption);
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    // A label's back colour defaults to the screen's, as a fresh label would.
    c.background = background_;
    return c;
}

Control &Screen::line(std::string name, int x1, int y1, int x2, int y2) {
    Control &c = add(ControlKind::Line, std::move(name));
    c.left = x1;
    c.top = y1;
    c.x2_ = static_cast<float>(x2);
    c.y2_ = static_cast<float>(y2);
    return c;
}

void Screen::changeTo(std::string_view next) {
    game_.show(next);
    game_.close(id_);
}

MenuEntry &Screen::menuEntry(std::string name, std::string caption, std::function<void()> onClick) {
    menu_.push_back(MenuEntry{std::move(name), std::move(caption), std::move(onClick), {}, {}});
    return menu_.back();
}

} // namespace vermona
