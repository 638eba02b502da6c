#pragma once

#include "core/clock_random.h"
#include "core/game.h"

#include <functional>

class QWidget;

namespace vermona::platform {

// The real program's ports: Qt message boxes and the clock-seeded generator.
class QtPorts : public Ports {
public:
    // The window a box is shown over; null for none.
    void setDialogParent(std::function<QWidget *()> parent) { parent_ = std::move(parent); }

    int messageBox(const std::string &prompt, int style, const std::string &title) override;
    void reseedFromClock() override { random_.reseedFromClock(); }
    double nextFraction() override { return random_.nextFraction(); }

private:
    ClockRandom random_;
    std::function<QWidget *()> parent_;
};

} // namespace vermona::platform
