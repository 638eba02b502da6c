// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/save_slots_window.h"

#include "data/game_screen.h"
#include "data/save_file.h"
#include "data/save_slots.h"
#include "platform/fonts.h"
#include "platform/screen_window.h"
#include "runtime/game.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <vector>

namespace vermona::app {

namespace {

QString shown(const Game &game, const Text &text) {
    return QString::fromStdString(text.in(game.translation()));
}

bool isNumberColumn(int column) {
    return column == kSlotNumber || (column >= kSlotAttack && column <= kSlotMoney);
}

} // namespace

// The slots as rows. There are always kSaveSlots of them, so a refresh only
// changes their cells and the chosen row stays chosen.
class SlotTable : public QAbstractTableModel {
public:
    SlotTable(Game &game, QObject *parent) : QAbstractTableModel(parent), game_(game), rows_(readSlots()) {}

    void refresh() {
        rows_ = readSlots();
        emit dataChanged(index(0, 0), index(rowCount() - 1, kSlotColumns - 1));
    }
    // Texts are made as they are asked for: the view need only ask again.
    void retranslate() {
        emit headerDataChanged(Qt::Horizontal, 0, kSlotColumns - 1);
        emit dataChanged(index(0, 0), index(rowCount() - 1, kSlotColumns - 1));
    }
    [[nodiscard]] const SlotSummary &slot(int row) const { return rows_.at(static_cast<std::size_t>(row)); }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : kSlotColumns;
    }

    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid()) {
            return {};
        }
        if (role == Qt::TextAlignmentRole && isNumberColumn(index.column())) {
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        }
        if (role != Qt::DisplayRole) {
            return {};
        }
        const SlotSummary &s = slot(index.row());
        if (index.column() != kSlotSavedAt) {
            return shown(game_, slotCell(s, index.column()));
        }
        if (!s.savedAt) {
            return {};
        }
        // A pattern of QDateTime's, written as each language writes a date.
        const QString pattern = shown(game_, "yyyy年M月d日 H:mm");
        return QLocale::c().toString(QDateTime::fromSecsSinceEpoch(*s.savedAt), pattern);
    }

    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < kSlotColumns) {
            return shown(game_, slotColumnName(section));
        }
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    Game &game_;
    std::vector<SlotSummary> rows_;
};

SaveSlotsWindow::SaveSlotsWindow(platform::Frontend &frontend)
    : ViewWindow(nullptr, Qt::Window), frontend_(frontend), game_(frontend.game()) {
    setObjectName(QStringLiteral("saveSlotsWindow"));
    // The game goes on only once a slot is chosen or the list is closed.
    setWindowModality(Qt::ApplicationModal);
    const QFont font = platform::toQFont(Font{kGothic, 10, false});
    setFont(font);

    slots_ = new SlotTable(game_, this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("saveSlotsTable"));
    table_->setModel(slots_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab goes on to the buttons, arrows from row to row.
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { updateButtons(); });

    load_ = new QPushButton(this);
    save_ = new QPushButton(this);
    delete_ = new QPushButton(this);
    close_ = new QPushButton(this);
    load_->setObjectName(QStringLiteral("loadSlot"));
    save_->setObjectName(QStringLiteral("saveSlot"));
    delete_->setObjectName(QStringLiteral("deleteSlot"));
    close_->setObjectName(QStringLiteral("closeSlots"));
    connect(load_, &QPushButton::clicked, this, [this] { press(&loadFromSlot); });
    connect(save_, &QPushButton::clicked, this, [this] { press(&saveToSlot); });
    connect(delete_, &QPushButton::clicked, this, [this] { press(&deleteSlot); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(load_);
    buttons->addWidget(save_);
    buttons->addWidget(delete_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    // Limits of our own, set once, rather than the layout's, which would be
    // sent to the window system at every change of a cell.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(320, 200);
    // Reading order: the table, then the buttons left to right.
    setTabOrder(table_, load_);
    setTabOrder(load_, save_);
    setTabOrder(save_, delete_);
    setTabOrder(delete_, close_);
    retranslate();
}

int SaveSlotsWindow::chosenSlot() const {
    const QModelIndex current = table_->selectionModel()->currentIndex();
    return current.isValid() ? slots_->slot(current.row()).number : 1;
}

void SaveSlotsWindow::choose(int slot) {
    table_->selectRow(slot - 1);
    table_->setCurrentIndex(slots_->index(slot - 1, 0));
}

void SaveSlotsWindow::refresh() {
    slots_->refresh();
    table_->resizeColumnsToContents();
    updateButtons();
}

void SaveSlotsWindow::updateButtons() {
    const SlotSummary &slot = slots_->slot(chosenSlot() - 1);
    load_->setEnabled(canLoadOrDelete(slot));
    delete_->setEnabled(canLoadOrDelete(slot));
    // Saving is the main menu's; on the title screen the list only loads.
    save_->setVisible(canSaveToSlots(game_));
}

void SaveSlotsWindow::press(bool (*button)(Game &, int)) {
    const int slot = chosenSlot();
    bool done = false;
    frontend_.run([&] { done = button(game_, slot); });
    if (game_.ended()) {
        return;
    }
    if (done && button == &loadFromSlot) {
        // The game goes on from the loaded week, on the menu that shows it.
        close();
        if (QWidget *menu = frontend_.frontWindow()) {
            menu->activateWindow();
        }
        return;
    }
    refresh();
    // A button the slot no longer offers would leave the keyboard nowhere.
    table_->setFocus();
}

void SaveSlotsWindow::showEvent(QShowEvent *event) {
    ViewWindow::showEvent(event);
    refresh();
    // During a game the slot it belongs to, so that saving it again is one
    // key away; on the title screen the slot saved last, to go on with.
    int chosen = game_.store<SaveRecord>().slot;
    if (!canSaveToSlots(game_)) {
        std::optional<std::int64_t> latest;
        for (int row = 0; row < slots_->rowCount(); ++row) {
            if (const SlotSummary &slot = slots_->slot(row);
                slot.state == SlotState::Saved && slot.savedAt && (!latest || *slot.savedAt > *latest)) {
                latest = slot.savedAt;
                chosen = slot.number;
            }
        }
    }
    choose(chosen);
    table_->setFocus();
    // Every column and row in sight.
    const int width = table_->horizontalHeader()->length() + table_->frameWidth() * 2 +
                      layout()->contentsMargins().left() + layout()->contentsMargins().right();
    const int height = table_->horizontalHeader()->height() + table_->verticalHeader()->length() +
                       table_->frameWidth() * 2 + load_->sizeHint().height() + layout()->spacing() +
                       layout()->contentsMargins().top() + layout()->contentsMargins().bottom();
    resize(std::max(width, sizeHint().width()), height);
    // Beside the window it was opened from, but wholly on the screen.
    if (const QScreen *monitor = screen(); monitor != nullptr) {
        const QRect room = monitor->availableGeometry();
        const QSize frame = frameGeometry().size().expandedTo(size());
        move(std::clamp(x(), room.left(), std::max(room.left(), room.right() - frame.width())),
             std::clamp(y(), room.top(), std::max(room.top(), room.bottom() - frame.height())));
    }
}

void SaveSlotsWindow::changeEvent(QEvent *event) {
    // Sent when a translator comes or goes.
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    ViewWindow::changeEvent(event);
}

void SaveSlotsWindow::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    ViewWindow::keyPressEvent(event);
}

void SaveSlotsWindow::retranslate() {
    const QString title = shown(game_, "セーブデータ一覧");
    setWindowTitle(title);
    table_->setAccessibleName(title);
    load_->setText(shown(game_, "ロード"));
    save_->setText(shown(game_, "セーブ"));
    delete_->setText(shown(game_, "削除"));
    close_->setText(shown(game_, "閉じる"));
    slots_->retranslate();
    table_->resizeColumnsToContents();
}

} // namespace vermona::app
