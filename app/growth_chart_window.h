// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/frontend.h"

namespace vermona::app {

// The growth record as a chart, in a window of its own beside the screens.
// It may stay open while the game goes on and redraws on every change of the
// record. The chart itself comes from the chart module, loaded on first use.
class GrowthChartWindow : public platform::ViewWindow {
public:
    explicit GrowthChartWindow(Game &game);

    // Draws the game's record as it is now.
    void refresh() override;
    // The chart view from the module; null when the module is missing.
    [[nodiscard]] QWidget *chart() const { return chart_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    Game &game_;
    QWidget *chart_ = nullptr;
};

} // namespace vermona::app
