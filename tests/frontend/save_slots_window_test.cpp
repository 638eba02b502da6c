// SPDX-License-Identifier: GPL-3.0-or-later
// The list of slots on real windows: opened from the title's and the main
// menu's menu bars, its buttons on the chosen row, the keyboard, and the
// table a screen reader finds.
#include "app/all_screens.h"
#include "app/save_slots_window.h"
#include "data/save_game.h"
#include "data/save_slots.h"
#include "platform/qt_ports.h"
#include "tests/frontend/frontend_support.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace vermona::test {
namespace {

struct SlotList {
    app::SaveSlotsWindow *window = nullptr;
    QTableView *table = nullptr;

    // Opens the list by a menu-bar action, as a player would.
    explicit SlotList(Windows &w, QAction *entry) {
        entry->trigger();
        Windows::settle();
        window = dynamic_cast<app::SaveSlotsWindow *>(w.frontend.viewWindow(kSlotsView));
        table = window != nullptr ? window->findChild<QTableView *>() : nullptr;
    }
    [[nodiscard]] QString cell(int row, int column) const {
        return table->model()->index(row, column).data().toString();
    }
    [[nodiscard]] QPushButton *button(const char *name) const {
        return window->findChild<QPushButton *>(name);
    }
    void press(const char *name) const {
        button(name)->click();
        Windows::settle();
    }
};

TEST(SaveSlotsWindow, LoadsFromTheTitleAndSavesAndDeletesFromTheMenu) {
    WorkDir dir;
    SaveValues v{};
    v[0] = 9;   // strength
    v[14] = 2;  // week
    v[31] = 20; // daysToTournament
    writeFile("savedate2.sav", encodeSave(v).text);
    Windows w;
    app::registerAllScreens(w.game);
    w.game.start(ids::kTitle);

    // From the title (beside ロード): every slot, the one saved last chosen, no saving.
    SlotList list(w, w.window("Form1")->menuBar()->actions().at(1));
    ASSERT_NE(list.table, nullptr);
    EXPECT_EQ(list.window->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(list.cell(0, kSlotDate), "空き");
    EXPECT_EQ(list.cell(1, kSlotDate), "1年目 1月2週目");
    EXPECT_FALSE(list.cell(1, kSlotSavedAt).isEmpty());
    EXPECT_EQ(list.window->chosenSlot(), 2);
    EXPECT_FALSE(list.button("saveSlot")->isVisible());
    // A screen reader finds a table of the slots and reads it cell by cell.
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(list.table);
    ASSERT_TRUE(reader != nullptr && reader->tableInterface() != nullptr);
    EXPECT_EQ(reader->text(QAccessible::Name), "セーブデータ一覧");
    EXPECT_EQ(reader->tableInterface()->cellAt(1, kSlotAttack)->text(QAccessible::Name), "9");

    list.press("loadSlot");
    EXPECT_EQ(w.ports.boxes.back().prompt, "ロード終了");
    EXPECT_FALSE(list.window->isVisible());
    EXPECT_EQ(w.game.screens().size(), 1U);

    // From the menu's ファイル menu: the game's slot chosen; the keyboard
    // moves to an empty one, which can only be saved into.
    list = SlotList(w, w.window("Form3")->menuBar()->actions().front()->menu()->actions().at(1));
    ASSERT_NE(list.table, nullptr);
    EXPECT_EQ(list.window->chosenSlot(), 2);
    QTest::keyClick(list.table, Qt::Key_Down);
    EXPECT_EQ(list.window->chosenSlot(), 3);
    EXPECT_FALSE(list.button("loadSlot")->isEnabled());
    EXPECT_FALSE(list.button("deleteSlot")->isEnabled());
    list.press("saveSlot");
    EXPECT_EQ(w.ports.boxes.back().prompt, "セーブを完了しました");
    EXPECT_EQ(list.cell(2, kSlotAttack), "9");
    w.ports.answers = {kYes};
    list.press("deleteSlot");
    EXPECT_EQ(list.cell(2, kSlotDate), "空き");
    QTest::keyClick(list.table, Qt::Key_Escape);
    EXPECT_FALSE(list.window->isVisible());
    EXPECT_EQ(w.errors, 0);
}

// The list's questions put No, the answer that loses nothing, under Enter.
TEST(SaveSlotsWindow, EnterOnItsQuestionsAnswersNo) {
    platform::QtPorts ports;
    QString chosen;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        chosen = box->defaultButton() != nullptr ? box->defaultButton()->text() : QString();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(ports.messageBox("削除しますか？", kYesNo | kQuestion | kDefaultNo, "ヴェルモナ"), kNo);
    EXPECT_TRUE(chosen.contains(QStringLiteral("いいえ"))) << chosen.toStdString();
}

} // namespace
} // namespace vermona::test
