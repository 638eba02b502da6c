// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/frontend.h"

class QLabel;
class QTabWidget;
class QTableView;

namespace vermona::app {

class RecordTable;

// The growth record as a chart, in a window of its own beside the screens,
// and as a table a screen reader can read and a player can copy from. It
// may stay open while the game goes on and redraws on every change of the
// record. The chart itself comes from the chart module, loaded on first use;
// without it the table is all there is.
class GrowthChartWindow : public platform::ViewWindow {
public:
    explicit GrowthChartWindow(Game &game);

    // Draws the game's record as it is now.
    void refresh() override;
    // The chart view from the module; null when the module is missing.
    [[nodiscard]] QWidget *chart() const { return chart_; }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Every text in the player's language. The chart does its own.
    void retranslate();
    void fitColumns();

    Game &game_;
    QWidget *chart_ = nullptr;
    QTabWidget *tabs_ = nullptr; // chart and table; null without the chart
    QLabel *missing_ = nullptr;  // why there is no chart
    RecordTable *record_ = nullptr;
    QTableView *table_ = nullptr;
};

} // namespace vermona::app
