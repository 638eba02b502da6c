// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/growth_chart_window.h"

#include "app/growth_chart.h"
#include "data/game_screen.h"
#include "data/growth_record.h"
#include "platform/fonts.h"
#include "platform/module_loader.h"
#include "runtime/game.h"

#include <QAbstractTableModel>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <map>
#include <variant>
#include <vector>

namespace vermona::app {

namespace {

using MakeChart = QWidget *(*)(QWidget *, const QFont &, const GrowthChartTexts &);
using ShowRecord = void (*)(QWidget *, const GrowthRecord &);

struct ChartModule {
    MakeChart make = nullptr;
    ShowRecord show = nullptr;
};

const ChartModule &chartModule() {
    static const ChartModule m = [] {
        const QStringList paths =
            platform::modulePaths(VERMONA_INSTALL_CHART_MODULE_REL, VERMONA_CHART_MODULE_BUILD);
        ChartModule loaded;
        loaded.make = reinterpret_cast<MakeChart>(platform::loadModuleFunction(
            paths, "vermonaMakeGrowthChart", "growth chart", "the window shows the table only"));
        if (loaded.make != nullptr) {
            loaded.show = reinterpret_cast<ShowRecord>(platform::loadModuleFunction(
                paths, "vermonaShowGrowthRecord", "growth chart", "the window shows the table only"));
        }
        if (loaded.show == nullptr) {
            loaded.make = nullptr;
        }
        return loaded;
    }();
    return m;
}

// Dates and results, in the table as in the chart.
QString weekText(const WeekDate &d) {
    return QCoreApplication::translate("vermona", "%1年目 %2月%3週目").arg(d.year).arg(d.month).arg(d.week);
}

QString resultText(const TournamentResult &t) {
    return QCoreApplication::translate("vermona", "%1勝%2敗（相手%3人）")
        .arg(t.wins)
        .arg(t.losses)
        .arg(t.entrants);
}

// The columns: the date, the chart's seven lines under the chart's names
// (the menu's, whose 攻撃力 is the hero's strength), and a tournament's result.
struct Column {
    struct {
        const char *source;
        const char *sense;
    } name;
    Var::Int GrowthPoint::*member;
};
const std::array<Column, 9> kColumns{{
    {QT_TRANSLATE_NOOP3("vermona", "日付", ""), nullptr},
    {QT_TRANSLATE_NOOP3("vermona", "攻撃力", "menu"), &GrowthPoint::attack},
    {QT_TRANSLATE_NOOP3("vermona", "防御力", ""), &GrowthPoint::defense},
    {QT_TRANSLATE_NOOP3("vermona", "早さ", ""), &GrowthPoint::speed},
    {QT_TRANSLATE_NOOP3("vermona", "HP", ""), &GrowthPoint::hp},
    {QT_TRANSLATE_NOOP3("vermona", "知力", ""), &GrowthPoint::intellect},
    {QT_TRANSLATE_NOOP3("vermona", "MP", ""), &GrowthPoint::mp},
    {QT_TRANSLATE_NOOP3("vermona", "疲労", ""), &GrowthPoint::fatigue},
    {QT_TRANSLATE_NOOP3("vermona", "大会", ""), nullptr},
}};
constexpr int kResultColumn = static_cast<int>(kColumns.size()) - 1;

QString columnName(std::size_t column) {
    const auto &name = kColumns.at(column).name;
    return QCoreApplication::translate("vermona", name.source, name.sense);
}

// The chart's texts: its lines under the table's names for their columns.
const GrowthChartTexts kChartTexts{
    [](std::size_t line) { return columnName(line + 1); },
    [] { return columnName(kResultColumn); },
    weekText,
    // Months since 1年目1月 as the calendar names them.
    [](Var::Int months) {
        return QCoreApplication::translate("vermona", "%1年目%2月").arg(months / 12 + 1).arg(months % 12 + 1);
    },
    // A week of a short record, between its months.
    [](Var::Int weeks) {
        return QCoreApplication::translate("vermona", "%1月%2週").arg(weeks / 4 % 12 + 1).arg(weeks % 4 + 1);
    },
    resultText,
    [](const TournamentResult &t) {
        return QCoreApplication::translate("vermona", "%1の大会").arg(weekText(t.date)) + QLatin1Char('\n') +
               resultText(t);
    },
};

// Ctrl+C copies the selected cells as a spreadsheet pastes them: a tab
// between cells, a line per row. The view's own copy takes one cell.
class RecordView : public QTableView {
public:
    using QTableView::QTableView;

protected:
    void keyPressEvent(QKeyEvent *event) override {
        if (event->matches(QKeySequence::Copy)) {
            copySelection();
            event->accept();
            return;
        }
        QTableView::keyPressEvent(event);
    }

private:
    void copySelection() const {
        const QModelIndexList cells = selectionModel()->selectedIndexes();
        if (cells.isEmpty()) {
            return;
        }
        // Cells left out between selected ones stay as empty cells, so that
        // each value lands under its own column.
        std::map<int, std::map<int, QString>> rows;
        int left = cells.front().column();
        int right = left;
        for (const QModelIndex &cell : cells) {
            rows[cell.row()][cell.column()] = cell.data().toString();
            left = std::min(left, cell.column());
            right = std::max(right, cell.column());
        }
        QString text;
        for (const auto &[row, values] : rows) {
            for (int column = left; column <= right; ++column) {
                if (column > left) {
                    text += QLatin1Char('\t');
                }
                if (auto it = values.find(column); it != values.end()) {
                    text += it->second;
                }
            }
            text += QLatin1Char('\n');
        }
        QGuiApplication::clipboard()->setText(text);
    }
};

} // namespace

// The record as rows: each week, and each tournament right after the week
// it was held in.
class RecordTable : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Rows that stay the same are left alone, so a selection, or a screen
    // reader's place in the table, outlives the arrival of a new week.
    void show(const GrowthRecord &record) {
        std::vector<Row> rows;
        forEachInDateOrder(
            record, [&](const GrowthPoint &p) { rows.emplace_back(p); },
            [&](const TournamentResult &t) { rows.emplace_back(t); });
        if (rows.size() < rows_.size()) {
            beginRemoveRows({}, static_cast<int>(rows.size()), static_cast<int>(rows_.size()) - 1);
            rows_.resize(rows.size());
            endRemoveRows();
        }
        const std::size_t kept = rows_.size();
        const auto first = std::mismatch(rows_.begin(), rows_.end(), rows.begin()).first - rows_.begin();
        std::copy(rows.begin() + first, rows.begin() + static_cast<std::ptrdiff_t>(kept),
                  rows_.begin() + first);
        if (static_cast<std::size_t>(first) < kept) {
            emit dataChanged(index(static_cast<int>(first), 0),
                             index(static_cast<int>(kept) - 1, kResultColumn));
        }
        if (rows.size() > kept) {
            beginInsertRows({}, static_cast<int>(kept), static_cast<int>(rows.size()) - 1);
            rows_.insert(rows_.end(), rows.begin() + static_cast<std::ptrdiff_t>(kept), rows.end());
            endInsertRows();
        }
    }

    // Texts are made as they are asked for: the views need only ask again.
    void retranslate() {
        emit headerDataChanged(Qt::Horizontal, 0, kResultColumn);
        if (!rows_.empty()) {
            emit dataChanged(index(0, 0), index(rowCount() - 1, kResultColumn));
        }
    }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(kColumns.size());
    }

    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid()) {
            return {};
        }
        const int column = index.column();
        if (role == Qt::TextAlignmentRole &&
            kColumns.at(static_cast<std::size_t>(column)).member != nullptr) {
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        }
        if (role != Qt::DisplayRole) {
            return {};
        }
        const Row &row = rows_.at(static_cast<std::size_t>(index.row()));
        if (const auto *week = std::get_if<GrowthPoint>(&row)) {
            if (column == 0) {
                return weekText(week->date);
            }
            const auto member = kColumns.at(static_cast<std::size_t>(column)).member;
            return member != nullptr ? QVariant(QString::number(week->*member)) : QVariant();
        }
        const auto &tournament = std::get<TournamentResult>(row);
        if (column == 0) {
            return weekText(tournament.date);
        }
        return column == kResultColumn ? QVariant(resultText(tournament)) : QVariant();
    }

    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < static_cast<int>(kColumns.size())) {
            return columnName(static_cast<std::size_t>(section));
        }
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    using Row = std::variant<GrowthPoint, TournamentResult>;
    std::vector<Row> rows_;
};

// Chart and table on two tabs rather than side by side: the chart gets the
// whole window, as it needs to be read; the table a screen reader goes to
// is one named tab away instead of behind a chart it cannot read.
GrowthChartWindow::GrowthChartWindow(Game &game) : ViewWindow(nullptr, Qt::Window), game_(game) {
    setObjectName(QStringLiteral("growthChartWindow"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const QFont font = platform::toQFont(Font{kGothic, 10, false});

    record_ = new RecordTable(this);
    table_ = new RecordView(this);
    table_->setObjectName(QStringLiteral("growthTable"));
    table_->setFont(font);
    table_->setModel(record_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Tab leaves the table for the tabs, arrows go from cell to cell: a
    // keyboard is not caught in it.
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);

    if (const ChartModule &m = chartModule(); m.make != nullptr) {
        chart_ = m.make(this, font, kChartTexts);
        // Nothing in it to reach by keyboard or to read out.
        chart_->setFocusPolicy(Qt::NoFocus);
        tabs_ = new QTabWidget(this);
        tabs_->addTab(chart_, QString());
        tabs_->addTab(table_, QString());
        layout->addWidget(tabs_);
    } else {
        missing_ = new QLabel(this);
        missing_->setFont(font);
        missing_->setAlignment(Qt::AlignCenter);
        missing_->setWordWrap(true);
        layout->addWidget(missing_);
        layout->addWidget(table_, 1);
    }
    retranslate();
    // Limits of our own rather than the chart's, which change as it fills
    // and would be sent to the window system each time.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    // Small enough to fit beside the menu on a 1280-pixel screen.
    setMinimumSize(400, 300);
    resize(760, 460);
}

void GrowthChartWindow::refresh() {
    const GrowthRecord &record = game_.store<GrowthRecord>();
    if (chart_ != nullptr) {
        chartModule().show(chart_, record);
    }
    record_->show(record);
    fitColumns();
}

void GrowthChartWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    refresh();
}

void GrowthChartWindow::changeEvent(QEvent *event) {
    // Sent when a translator comes or goes; the chart, a child, gets it too.
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    ViewWindow::changeEvent(event);
}

void GrowthChartWindow::retranslate() {
    setWindowTitle(QCoreApplication::translate("vermona", "成長グラフ"));
    if (tabs_ != nullptr) {
        tabs_->setTabText(0, QCoreApplication::translate("vermona", "グラフ"));
        tabs_->setTabText(1, QCoreApplication::translate("vermona", "表"));
    }
    if (missing_ != nullptr) {
        missing_->setText(QCoreApplication::translate(
            "vermona", "グラフを表示できません（グラフの部品が見つかりません）。"));
    }
    record_->retranslate();
    fitColumns();
}

void GrowthChartWindow::fitColumns() {
    // The header fits its columns to what they hold when the table is
    // shown, not when rows come or their texts change. Hidden, it waits
    // for being shown.
    if (table_->isVisible()) {
        for (int column = 0; column < kResultColumn; ++column) { // the last one takes the rest
            table_->resizeColumnToContents(column);
        }
    }
}

} // namespace vermona::app
