// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/clock_random.h"
#include "runtime/game.h"

#include <functional>

class QWidget;

namespace vermona::platform {

// The real program's ports: Qt message boxes and the clock-seeded generator.
class QtPorts : public Ports {
public:
    // The window a box is shown over; null for none.
    void setDialogParent(std::function<QWidget *()> parent) { parent_ = std::move(parent); }
    // The language a box speaks; unset or null: Japanese, as made.
    void setLanguage(std::function<const Translation *()> language) { language_ = std::move(language); }

    int messageBox(const Text &prompt, int style, const Text &title) override;
    void reseedFromClock() override { random_.reseedFromClock(); }
    double nextFraction() override { return random_.nextFraction(); }
    // The player is not stopped by a mistyped id; the button does nothing.
    void unknownScreen(std::string_view id) override;

private:
    ClockRandom random_;
    std::function<QWidget *()> parent_;
    std::function<const Translation *()> language_;
};

} // namespace vermona::platform
