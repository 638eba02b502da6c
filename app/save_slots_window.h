// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/frontend.h"

class QPushButton;
class QTableView;

namespace vermona::app {

class SlotTable;

// The player's save slots, a row each, in a window of its own: a table a
// screen reader reads cell by cell, with buttons to load the chosen slot,
// to save into it (from the main menu) and to delete it. The game waits
// while it is open, as it does for a message box; Escape closes it.
class SaveSlotsWindow : public platform::ViewWindow {
public:
    explicit SaveSlotsWindow(platform::Frontend &frontend);

    // Reads the slots again.
    void refresh() override;
    // The slot of the chosen row, 1..kSaveSlots.
    [[nodiscard]] int chosenSlot() const;
    void choose(int slot);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void retranslate();
    void updateButtons();
    // Runs one of the list's buttons on the chosen slot.
    void press(bool (*button)(Game &, int));

    platform::Frontend &frontend_;
    Game &game_;
    SlotTable *slots_ = nullptr;
    QTableView *table_ = nullptr;
    QPushButton *load_ = nullptr;
    QPushButton *save_ = nullptr;
    QPushButton *delete_ = nullptr;
    QPushButton *close_ = nullptr;
};

} // namespace vermona::app
