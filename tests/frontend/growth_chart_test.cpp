// SPDX-License-Identifier: GPL-3.0-or-later
// The growth chart window: opened from the menu through the real menu bar,
// one series per value of the status panel, following the game week by week.
#include "app/all_screens.h"
#include "app/growth_chart_window.h"
#include "data/growth_record.h"
#include "tests/frontend/frontend_support.h"

#include <QAction>
#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QScatterSeries>
#include <QToolTip>
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
    EXPECT_EQ(m[0]->pointLabelsFormat().toStdString(), "2勝1敗（相手3人）");
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

} // namespace
} // namespace vermona::test
