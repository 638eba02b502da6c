// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/language_look.h"

#include "runtime/game.h"

#include <utility>

namespace vermona::platform {

namespace {

std::map<std::string, LanguageLook> &looks() {
    static std::map<std::string, LanguageLook> all;
    return all;
}

} // namespace

void setLanguageLooks(std::map<std::string, LanguageLook> all) { looks() = std::move(all); }

std::string languageOf(const Screen &screen) {
    const Translation *t = screen.game().translation();
    return t == nullptr ? std::string() : t->code();
}

ControlDesign shownDesign(const Control &control) {
    ControlDesign d = control.design();
    const auto it = looks().find(languageOf(control.owner()));
    if (it == looks().end()) {
        return d;
    }
    for (const LayoutChange &c : it->second.layout) {
        if (c.screen != control.owner().id() || c.control != control.name() || c.index != control.index()) {
            continue;
        }
        d.left = c.left.value_or(d.left);
        d.top = c.top.value_or(d.top);
        d.width = c.width.value_or(d.width);
        d.height = c.height.value_or(d.height);
        d.font.points = c.points.value_or(d.font.points);
        d.align = c.align.value_or(d.align);
    }
    for (const FaceChange &f : it->second.faces) {
        if (f.designFace == d.font.face) {
            d.font.face = f.face;
            d.font.bold = d.font.bold || f.bold;
        }
    }
    return d;
}

} // namespace vermona::platform
