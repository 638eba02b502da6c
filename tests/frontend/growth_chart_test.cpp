// SPDX-License-Identifier: GPL-3.0-or-later
// The growth chart window: opened from the menu through the real menu bar,
// one series per value of the status panel, following the game week by week.
#include "app/all_screens.h"
#include "app/growth_chart_window.h"
#include "app/language.h"
#include "data/growth_record.h"
#include "tests/frontend/frontend_support.h"

#include <QAction>
#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <QTranslator>
#include <gtest/gtest.h>
#include <map>

namespace vermona::test {
namespace {

// Opens 記録 → 成長グラフ as a player would.
QWidget *openChart(Windows &w) {
    QMenuBar *bar = w.window("Form3")->menuBar();
    QAction *record = bar->actions().back();
    record->menu()->actions().front()->trigger();
    Windows::settle();
    return w.frontend.viewWindow(kGrowthView);
}

// Line series by name, each as its list of points.
std::map<std::string, QList<QPointF>> lines(QWidget *window) {
    std::map<std::string, QList<QPointF>> out;
    auto *view = window->findChild<QChartView *>();
    for (QAbstractSeries *s : view->chart()->series()) {
        if (auto *line = qobject_cast<QLineSeries *>(s);
            line != nullptr && s->type() == QAbstractSeries::SeriesTypeLine) {
            out[line->name().toStdString()] = line->points();
        }
    }
    return out;
}

// The tournaments' results written above the plot.
QStringList results(QWidget *window) {
    QStringList out;
    for (QGraphicsItem *item : window->findChild<QChartView *>()->chart()->childItems()) {
        if (auto *text = dynamic_cast<QGraphicsSimpleTextItem *>(item);
            text != nullptr && text->data(0) == QStringLiteral("result")) {
            out << text->text();
        }
    }
    return out;
}

std::vector<QScatterSeries *> marks(QWidget *window) {
    std::vector<QScatterSeries *> out;
    for (QAbstractSeries *s : window->findChild<QChartView *>()->chart()->series()) {
        if (auto *m = qobject_cast<QScatterSeries *>(s)) {
            out.push_back(m);
        }
    }
    return out;
}

TEST(GrowthChart, OneSeriesPerValueThatFollowsEachWeekWhileOpen) {
    Windows w;
    newGame(w);
    QWidget *window = openChart(w);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), "成長グラフ");
    ASSERT_NE(window->findChild<QChartView *>(), nullptr) << "the chart module did not load";
    auto series = lines(window);
    ASSERT_EQ(series.size(), 7U);
    for (const char *name : {"攻撃力", "防御力", "早さ", "HP", "知力", "MP", "疲労"}) {
        ASSERT_EQ(series[name].size(), 1) << name;
    }
    EXPECT_EQ(series["攻撃力"][0], QPointF(0, 11));
    EXPECT_EQ(series["HP"][0], QPointF(0, 10));

    // Two weeks of strength training with the window open.
    for (int i = 0; i < 2; ++i) {
        w.click("Form3", "Command1");
        w.click("Form4", "Command3");
    }
    series = lines(window);
    for (const auto &[name, points] : series) {
        EXPECT_EQ(points.size(), 3) << name;
    }
    EXPECT_EQ(series["攻撃力"][2], QPointF(2, 15));
    EXPECT_EQ(series["疲労"][2], QPointF(2, 20));
    // The week axis names months by year and month.
    auto *weeks = qobject_cast<QCategoryAxis *>(
        window->findChild<QChartView *>()->chart()->axes(Qt::Horizontal).front());
    ASSERT_NE(weeks, nullptr);
    EXPECT_EQ(weeks->categoriesLabels(), (QStringList{"1年目1月", "1月2週", "1月3週"}));

    // A tournament puts a mark with its result at its week; hovering a week
    // tells its values.
    noteTournament(w.game, {{1, 1, 3}, 2, 1, 3});
    auto m = marks(window);
    ASSERT_EQ(m.size(), 1U);
    EXPECT_EQ(m[0]->points().front().x(), 2);
    EXPECT_EQ(results(window), QStringList{"2勝1敗（相手3人）"});
    auto *attack = qobject_cast<QLineSeries *>(window->findChild<QChartView *>()->chart()->series().front());
    emit attack->hovered(QPointF(1.9, 14), true);
    EXPECT_EQ(QToolTip::text().toStdString(),
              "1年目 1月3週目\n攻撃力 15\n防御力 1\n早さ 1\nHP 10\n知力 1\nMP 1\n疲労 20");

    // Closed, it stays closed; opened again, it shows the present.
    window->close();
    w.click("Form3", "Command1");
    w.click("Form4", "Command3");
    EXPECT_EQ(w.frontend.viewWindow(kGrowthView), nullptr);
    window = openChart(w);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(lines(window)["攻撃力"].size(), 4);
    // The game's own windows are as they were.
    EXPECT_EQ(w.game.screens().size(), 1U);
}

// The table's cells, row by row, as the view shows them.
std::vector<QStringList> cells(QWidget *window) {
    const QAbstractItemModel *model = window->findChild<QTableView *>()->model();
    std::vector<QStringList> out;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList line;
        for (int column = 0; column < model->columnCount(); ++column) {
            line << model->index(row, column).data().toString();
        }
        out.push_back(line);
    }
    return out;
}

void trainStrength(Windows &w) {
    w.click("Form3", "Command1");
    w.click("Form4", "Command3");
}

TEST(GrowthChart, TableHasTheChartsValuesInDateOrderAndCopiesTheSelection) {
    Windows w;
    newGame(w);
    trainStrength(w);
    noteTournament(w.game, {{1, 1, 2}, 2, 1, 3});
    trainStrength(w);
    QWidget *window = openChart(w);
    ASSERT_NE(window, nullptr);
    auto *tabs = window->findChild<QTabWidget *>();
    ASSERT_NE(tabs, nullptr) << "the chart module did not load";
    EXPECT_EQ(tabs->tabText(0), "グラフ");
    EXPECT_EQ(tabs->tabText(1), "表");
    auto *table = window->findChild<QTableView *>();
    ASSERT_EQ(tabs->widget(1), table);

    // Each week, and the tournament right after the week it was held in.
    const auto rows = cells(window);
    ASSERT_EQ(rows.size(), 4U);
    const QStringList dates{rows[0][0], rows[1][0], rows[2][0], rows[3][0]};
    EXPECT_EQ(dates, (QStringList{"1年目 1月1週目", "1年目 1月2週目", "1年目 1月2週目", "1年目 1月3週目"}));
    EXPECT_EQ(rows[2].mid(1), (QStringList{"", "", "", "", "", "", "", "2勝1敗（相手3人）"}));
    // The weeks' values are the chart's, column by column under its names.
    const auto series = lines(window);
    const QAbstractItemModel *model = table->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "日付");
    EXPECT_EQ(model->headerData(8, Qt::Horizontal).toString(), "大会");
    for (int column = 1; column <= 7; ++column) {
        const std::string name = model->headerData(column, Qt::Horizontal).toString().toStdString();
        ASSERT_EQ(series.count(name), 1U) << name;
        for (int week : {0, 1, 2}) {
            EXPECT_EQ(rows[week < 2 ? week : 3][column].toLongLong(), series.at(name)[week].y()) << name;
        }
    }

    // Ctrl+C: the selected rows, a tab between cells, a line per row.
    tabs->setCurrentIndex(1);
    table->selectRow(1);
    table->selectionModel()->select(model->index(2, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1年目 1月2週目\t13\t1\t1\t10\t1\t1\t10\t\n"
                                                    "1年目 1月2週目\t\t\t\t\t\t\t\t2勝1敗（相手3人）\n");
    // A new week adds its row and leaves the player's selection as it was.
    trainStrength(w);
    EXPECT_EQ(model->rowCount(), 5);
    const QModelIndexList selected = table->selectionModel()->selectedRows();
    EXPECT_EQ(selected.size(), 2);
    EXPECT_TRUE(table->selectionModel()->isRowSelected(1) && table->selectionModel()->isRowSelected(2));
}

// English for a few wordings, as the game's translator would have them.
class FewWordsInEnglish : public QTranslator {
public:
    QString translate(const char *context, const char *source, const char *, int) const override {
        static const std::map<std::string, QString> english{
            {"成長グラフ", "Growth chart"},
            {"表", "Table"},
            {"攻撃力", "Attack"},
            {"%1年目 %2月%3週目", "Year %1, week %3 of month %2"},
        };
        auto it = english.find(source);
        return std::string(context) == "vermona" && it != english.end() ? it->second : QString();
    }
    [[nodiscard]] bool isEmpty() const override { return false; }
};

TEST(GrowthChart, ShowsItsTextsAgainWhenTheLanguageChanges) {
    Windows w;
    newGame(w);
    QWidget *window = openChart(w);
    ASSERT_NE(window, nullptr);
    auto *tabs = window->findChild<QTabWidget *>();
    ASSERT_NE(tabs, nullptr) << "the chart module did not load";
    const QAbstractItemModel *model = window->findChild<QTableView *>()->model();
    const auto shows = [&](const char *title, const char *tab, const char *attack, const char *date) {
        Windows::settle();
        EXPECT_EQ(window->windowTitle(), title);
        EXPECT_EQ(tabs->tabText(1), tab);
        EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), attack);
        EXPECT_EQ(lines(window).count(attack), 1U);
        EXPECT_EQ(model->index(0, 0).data().toString(), date);
    };
    FewWordsInEnglish english;
    QCoreApplication::installTranslator(&english);
    shows("Growth chart", "Table", "Attack", "Year 1, week 1 of month 1");
    QCoreApplication::removeTranslator(&english);
    shows("成長グラフ", "表", "攻撃力", "1年目 1月1週目");
}

// Every piece of writing the chart shows, where it lies: the axes' numbers
// and dates, the legend, the results.
std::vector<std::pair<QString, QRectF>> writing(QChart *chart) {
    std::vector<std::pair<QString, QRectF>> out;
    for (QGraphicsItem *item : chart->scene()->items()) {
        QString text;
        if (auto *rich = dynamic_cast<QGraphicsTextItem *>(item)) {
            text = rich->toPlainText();
        } else if (auto *plain = dynamic_cast<QGraphicsSimpleTextItem *>(item)) {
            text = plain->text();
        }
        if (item->isVisible() && !text.isEmpty()) {
            out.emplace_back(text, item->sceneBoundingRect());
        }
    }
    return out;
}

// Two years of weeks, a tournament every fifteen, in either language and in
// a wide or a narrow window: no piece of the chart's writing runs into
// another, the results stay above the plot and its lines, within its width,
// and the English chart has no Japanese.
TEST(GrowthChart, ItsWritingKeepsClearOfItselfTheAxesAndTheLines) {
    for (std::string_view language : {app::kJapanese, app::kEnglish}) {
        for (QSize size : {QSize(760, 460), QSize(480, 300)}) {
            SCOPED_TRACE(std::string(language) + " " + std::to_string(size.width()));
            Windows w;
            newGame(w);
            app::useLanguage(w.game, language);
            GrowthRecord &record = w.game.store<GrowthRecord>();
            for (Var::Int i = 1; i < 96; ++i) {
                const WeekDate date{i / 48 + 1, i / 4 % 12 + 1, i % 4 + 1};
                record.points.push_back(
                    {date, 10 + i * 4, 5 + i, 3 + i, 40 + i * 9, 2 + i, 2 + i, i * 7 % 101});
                if (i % 15 == 0) {
                    record.tournaments.push_back({date, i % 4, 3 - i % 4, 3});
                }
            }
            QWidget *window = openChart(w);
            ASSERT_NE(window, nullptr);
            window->resize(size);
            w.game.notifyDataChanged();
            Windows::settle();
            QChart *chart = window->findChild<QChartView *>()->chart();
            const QRectF plot = chart->plotArea();
            const auto texts = writing(chart);
            for (std::size_t i = 0; i < texts.size(); ++i) {
                for (std::size_t j = i + 1; j < texts.size(); ++j) {
                    EXPECT_FALSE(texts[i].second.intersects(texts[j].second))
                        << texts[i].first.toStdString() << " runs into " << texts[j].first.toStdString();
                }
            }
            const QStringList shownResults = results(window);
            EXPECT_FALSE(shownResults.isEmpty());
            for (const auto &[text, box] : texts) {
                if (shownResults.contains(text)) {
                    EXPECT_TRUE(box.bottom() <= plot.top() && box.left() >= plot.left() &&
                                box.right() <= plot.right())
                        << text.toStdString() << " lies in the plot or beside it";
                }
                if (language == app::kEnglish) {
                    EXPECT_FALSE(std::any_of(text.begin(), text.end(), [](QChar c) {
                        return c.unicode() >= 0x3000;
                    })) << text.toStdString();
                }
            }
            app::useLanguage(w.game, app::kJapanese);
        }
    }
}

} // namespace
} // namespace vermona::test
