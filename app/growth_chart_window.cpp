// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/growth_chart_window.h"

#include "data/game_screen.h"
#include "data/growth_record.h"
#include "platform/fonts.h"
#include "platform/module_loader.h"
#include "runtime/game.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

namespace vermona::app {

namespace {

using MakeChart = QWidget *(*)(QWidget *, const QFont &);
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
            paths, "vermonaMakeGrowthChart", "growth chart", "the chart stays empty"));
        if (loaded.make != nullptr) {
            loaded.show = reinterpret_cast<ShowRecord>(platform::loadModuleFunction(
                paths, "vermonaShowGrowthRecord", "growth chart", "the chart stays empty"));
        }
        if (loaded.show == nullptr) {
            loaded.make = nullptr;
        }
        return loaded;
    }();
    return m;
}

} // namespace

GrowthChartWindow::GrowthChartWindow(Game &game) : ViewWindow(nullptr, Qt::Window), game_(game) {
    setObjectName(QStringLiteral("growthChartWindow"));
    setWindowTitle(QStringLiteral("成長グラフ"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const QFont font = platform::toQFont(Font{kGothic, 10, false});
    if (const ChartModule &m = chartModule(); m.make != nullptr) {
        chart_ = m.make(this, font);
        layout->addWidget(chart_);
    } else {
        auto *missing =
            new QLabel(QStringLiteral("グラフを表示できません（グラフの部品が見つかりません）。"), this);
        missing->setFont(font);
        missing->setAlignment(Qt::AlignCenter);
        layout->addWidget(missing);
    }
    // Limits of our own rather than the chart's, which change as it fills
    // and would be sent to the window system each time.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(480, 300);
    resize(760, 460);
}

void GrowthChartWindow::refresh() {
    if (chart_ != nullptr) {
        chartModule().show(chart_, game_.store<GrowthRecord>());
    }
}

void GrowthChartWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    refresh();
}

} // namespace vermona::app
