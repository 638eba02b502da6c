// SPDX-License-Identifier: GPL-3.0-or-later
// The growth chart, built as a module of its own and loaded by the front end
// only when the player first opens it: the chart libraries would otherwise
// be loaded, and paid for, at every start.
#include "app/growth_chart.h"
#include "data/growth_record.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QEvent>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

namespace {

using vermona::GrowthPoint;
using vermona::GrowthRecord;
using vermona::TournamentResult;
using vermona::Var;
using vermona::app::GrowthChartTexts;

// The six values on the left axis, in the order of the texts' lines;
// fatigue, on the right axis, is the seventh line.
struct Value {
    Var::Int GrowthPoint::*member;
    QColor colour;
};
const std::array<Value, 6> kValues{{
    {&GrowthPoint::attack, QColor(0xD0, 0x30, 0x30)},
    {&GrowthPoint::defense, QColor(0x30, 0x60, 0xD0)},
    {&GrowthPoint::speed, QColor(0x20, 0xA0, 0x40)},
    {&GrowthPoint::hp, QColor(0xE0, 0x80, 0x10)},
    {&GrowthPoint::intellect, QColor(0x80, 0x40, 0xC0)},
    {&GrowthPoint::mp, QColor(0x10, 0xA0, 0xB0)},
}};
constexpr std::size_t kFatigueLine = kValues.size();

// Where the chart's own labels may go: the room between them, and the rows
// of tournament results above the plot.
constexpr qreal kLabelGap = 10;
constexpr int kResultRows = 2;

class GrowthChartView : public QChartView {
public:
    GrowthChartView(QWidget *parent, const QFont &font, const GrowthChartTexts &texts)
        : QChartView(parent), font_(font), texts_(texts) {
        setObjectName(QStringLiteral("growthChart"));
        setRenderHint(QPainter::Antialiasing);
        auto *chart = new QChart;
        setChart(chart);
        chart->legend()->setFont(font_);
        chart->legend()->setAlignment(Qt::AlignBottom);
        // Room above the plot for the tournaments' results, clear of the
        // lines and of the axes' numbers.
        const int line = QFontMetrics(font_).height();
        chart->setMargins(QMargins(8, 8 + kResultRows * (line + 2), 8, 8));

        weeks_ = new QCategoryAxis;
        weeks_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        abilities_ = new QValueAxis;
        abilities_->setLabelFormat(QStringLiteral("%d"));
        fatigueAxis_ = new QValueAxis;
        fatigueAxis_->setRange(0, 100);
        fatigueAxis_->setTickCount(6);
        fatigueAxis_->setLabelFormat(QStringLiteral("%d"));
        // Tournament marks ride along the top, whatever the values' scale.
        marks_ = new QValueAxis;
        marks_->setRange(0, 1);
        marks_->setVisible(false);
        for (QAbstractAxis *axis :
             {static_cast<QAbstractAxis *>(weeks_), static_cast<QAbstractAxis *>(abilities_),
              static_cast<QAbstractAxis *>(fatigueAxis_)}) {
            axis->setLabelsFont(font_);
            axis->setTitleFont(font_);
        }
        chart->addAxis(weeks_, Qt::AlignBottom);
        chart->addAxis(abilities_, Qt::AlignLeft);
        chart->addAxis(fatigueAxis_, Qt::AlignRight);
        chart->addAxis(marks_, Qt::AlignRight);

        for (const Value &v : kValues) {
            addLine(v.colour, abilities_);
        }
        QLineSeries *fatigue = addLine(QColor(0x70, 0x70, 0x70), fatigueAxis_);
        QPen pen = fatigue->pen();
        pen.setStyle(Qt::DashLine);
        fatigue->setPen(pen);
        // The labels follow the plot wherever the window puts it.
        connect(chart, &QChart::plotAreaChanged, this, [this] { placeLabels(); });
        retranslate();
    }

    // Called on every arrival at the menu while the window is open, so only
    // what changed is rebuilt.
    void showRecord(const GrowthRecord &record) {
        const bool tournamentsChanged = record.tournaments != record_.tournaments;
        record_ = record;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            QList<QPointF> points;
            for (const GrowthPoint &p : record.points) {
                const Var::Int value = i < kValues.size() ? p.*kValues[i].member : p.fatigue;
                points.append(QPointF(static_cast<qreal>(p.date.index()), static_cast<qreal>(value)));
            }
            lines_[i]->replace(points);
            // Over a long game the dots would hide the lines.
            lines_[i]->setPointsVisible(points.size() <= 60);
        }
        if (tournamentsChanged) {
            showTournaments();
        }
        fitAxes();
    }

protected:
    // Sent when a translator comes or goes.
    void changeEvent(QEvent *event) override {
        if (event->type() == QEvent::LanguageChange) {
            retranslate();
        }
        QChartView::changeEvent(event);
    }

private:
    void retranslate() {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            lines_[i]->setName(texts_.line(i));
        }
        fatigueAxis_->setTitleText(texts_.line(kFatigueLine));
        showTournaments();
        fitted_ = {-1, -1, -1}; // the week labels too
        fitAxes();
    }

    QLineSeries *addLine(const QColor &colour, QValueAxis *yAxis) {
        auto *series = new QLineSeries;
        series->setPointsVisible(true);
        QPen pen(colour);
        pen.setWidthF(2);
        series->setPen(pen);
        chart()->addSeries(series);
        series->attachAxis(weeks_);
        series->attachAxis(yAxis);
        connect(series, &QLineSeries::hovered, this,
                [this](const QPointF &at, bool entered) { hoverWeek(at, entered); });
        lines_.push_back(series);
        return series;
    }

    // One series per tournament, so that each mark carries its own result,
    // and its result written above the plot.
    void showTournaments() {
        for (QScatterSeries *s : tournaments_) {
            chart()->removeSeries(s);
            delete s;
        }
        tournaments_.clear();
        for (QGraphicsSimpleTextItem *label : results_) {
            delete label;
        }
        results_.clear();
        for (const TournamentResult &t : record_.tournaments) {
            auto *s = new QScatterSeries;
            s->setName(texts_.tournament());
            s->setMarkerShape(QScatterSeries::MarkerShapeStar);
            s->setMarkerSize(16);
            s->setColor(QColor(0xE0, 0xB0, 0x00));
            s->setBorderColor(QColor(0x80, 0x60, 0x00));
            s->append(static_cast<qreal>(t.date.index()), 0.93);
            chart()->addSeries(s);
            s->attachAxis(weeks_);
            s->attachAxis(marks_);
            connect(s, &QScatterSeries::hovered, this, [this, t](const QPointF &, bool entered) {
                if (entered) {
                    QToolTip::showText(QCursor::pos(), texts_.heldAt(t), this);
                } else {
                    QToolTip::hideText();
                }
            });
            // One legend entry stands for all marks.
            if (!tournaments_.empty()) {
                for (QLegendMarker *m : chart()->legend()->markers(s)) {
                    m->setVisible(false);
                }
            }
            tournaments_.push_back(s);
            auto *label = new QGraphicsSimpleTextItem(texts_.result(t), chart());
            label->setData(0, QStringLiteral("result"));
            label->setFont(font_);
            label->setBrush(QColor(0x60, 0x48, 0x00));
            results_.push_back(label);
        }
        placeLabels();
    }

    // A week's place across the plot, in the chart's coordinates.
    [[nodiscard]] qreal xOf(qreal week) const {
        const QRectF plot = chart()->plotArea();
        const qreal span = weeks_->max() - weeks_->min();
        return span <= 0 ? plot.left() : plot.left() + (week - weeks_->min()) / span * plot.width();
    }

    // Each result above its mark, inside the plot's width, in the first row
    // where it keeps clear of the results after it: the latest are the ones
    // written when there is not room for all. One that finds no room is left
    // to its mark's tooltip.
    void placeResults() {
        const QRectF plot = chart()->plotArea();
        std::array<qreal, kResultRows> free{}; // where each row is taken from, going left
        free.fill(plot.right());
        const qreal line = QFontMetricsF(font_).height() + 2;
        for (std::size_t i = results_.size(); i-- > 0;) {
            QGraphicsSimpleTextItem *label = results_[i];
            const qreal width = label->boundingRect().width();
            const qreal x =
                std::clamp(xOf(static_cast<qreal>(record_.tournaments[i].date.index())) - width / 2,
                           plot.left(), std::max(plot.left(), plot.right() - width));
            const auto row = std::find_if(free.begin(), free.end(), [&](qreal f) { return x + width <= f; });
            const bool room = row != free.end() && width <= plot.width();
            label->setVisible(room);
            if (!room) {
                continue;
            }
            *row = x - kLabelGap;
            label->setPos(x, plot.top() - line * static_cast<qreal>(row - free.begin() + 1));
        }
    }

    // The week axis: months by year and month, as many as fit side by side
    // within the plot's width, and the weeks between them in a short record
    // where they fit too.
    void placeWeekLabels() {
        const auto [first, last, top] = fitted_;
        if (first < 0) {
            return;
        }
        const QRectF plot = chart()->plotArea();
        const QFontMetricsF metrics(font_);
        std::vector<std::pair<qreal, qreal>> taken; // left and right of each label placed
        const auto extent = [&](Var::Int week, const QString &text) {
            const qreal width = metrics.horizontalAdvance(text);
            const qreal left = xOf(static_cast<qreal>(week)) - width / 2;
            return std::pair(left, left + width);
        };
        const auto inside = [&](const std::pair<qreal, qreal> &e) {
            return e.first >= plot.left() - kLabelGap && e.second <= plot.right() + kLabelGap;
        };
        const auto clear = [&](const std::pair<qreal, qreal> &e) {
            return std::none_of(taken.begin(), taken.end(), [&](const auto &t) {
                return e.first < t.second + kLabelGap && e.second + kLabelGap > t.first;
            });
        };
        std::map<Var::Int, QString> labels;          // by week; categories go in in order
        const Var::Int firstMonth = (first + 3) / 4; // months since the start, rounded up
        const Var::Int lastMonth = last / 4;
        for (Var::Int step : {1, 2, 3, 6, 12, 24, 60, 120, 600, 6000}) {
            taken.clear();
            labels.clear();
            bool fits = true;
            for (Var::Int m = (firstMonth + step - 1) / step * step; m <= lastMonth && fits; m += step) {
                const QString text = texts_.month(m);
                const auto e = extent(m * 4, text);
                if (!inside(e)) {
                    continue;
                }
                fits = clear(e);
                taken.push_back(e);
                labels[m * 4] = text;
            }
            if (fits) {
                break;
            }
        }
        // A short record names its weeks between the months too.
        if (last - first < 8) {
            for (Var::Int i = first; i <= last; ++i) {
                const QString text = texts_.week(i);
                if (const auto e = extent(i, text); i % 4 != 0 && inside(e) && clear(e)) {
                    taken.push_back(e);
                    labels[i] = text;
                }
            }
        }
        if (labels == shownWeeks_) {
            return;
        }
        shownWeeks_ = labels;
        const qreal lo = weeks_->min();
        const qreal hi = weeks_->max();
        for (const QString &label : weeks_->categoriesLabels()) {
            weeks_->remove(label);
        }
        // A label on the first week needs a category that ends there.
        weeks_->setStartValue(lo - 1);
        for (const auto &[week, label] : labels) {
            weeks_->append(label, static_cast<qreal>(week));
        }
        weeks_->setRange(lo, hi);
    }

    void placeLabels() {
        placeWeekLabels();
        placeResults();
    }

    void fitAxes() {
        std::vector<Var::Int> weeks;
        Var::Int top = 10;
        for (const GrowthPoint &p : record_.points) {
            weeks.push_back(p.date.index());
            for (const Value &v : kValues) {
                top = std::max(top, p.*v.member);
            }
        }
        for (const TournamentResult &t : record_.tournaments) {
            weeks.push_back(t.date.index());
        }
        const auto [lowest, highest] = std::minmax_element(weeks.begin(), weeks.end());
        const Var::Int first = weeks.empty() ? 0 : *lowest;
        const Var::Int last = weeks.empty() ? 0 : *highest;
        if (std::tuple(first, last, top) == fitted_) {
            return;
        }
        fitted_ = {first, last, top};
        // Half a week of room on either side, so the first and last marks
        // are not cut by the frame.
        abilities_->setRange(0, static_cast<qreal>(top) * 1.1);
        abilities_->applyNiceNumbers();
        weeks_->setRange(static_cast<qreal>(first) - 0.5, static_cast<qreal>(last) + 0.5);
        shownWeeks_.clear();
        placeLabels();
    }

    void hoverWeek(const QPointF &at, bool entered) {
        if (!entered || record_.points.empty()) {
            QToolTip::hideText();
            return;
        }
        // The week nearest to the pointer.
        const auto nearest = std::min_element(
            record_.points.begin(), record_.points.end(), [&](const GrowthPoint &a, const GrowthPoint &b) {
                return std::abs(static_cast<qreal>(a.date.index()) - at.x()) <
                       std::abs(static_cast<qreal>(b.date.index()) - at.x());
            });
        QToolTip::showText(QCursor::pos(), weekTip(*nearest), this);
    }

    [[nodiscard]] QString weekTip(const GrowthPoint &p) const {
        QString text = texts_.date(p.date);
        // A line per value: its name as the legend has it, and the number.
        const auto line = [&](std::size_t i, Var::Int value) {
            text += QLatin1Char('\n') + texts_.line(i) + QLatin1Char(' ') + QString::number(value);
        };
        for (std::size_t i = 0; i < kValues.size(); ++i) {
            line(i, p.*kValues[i].member);
        }
        line(kFatigueLine, p.fatigue);
        return text;
    }

    QFont font_;
    GrowthChartTexts texts_;
    GrowthRecord record_;
    QCategoryAxis *weeks_ = nullptr;
    QValueAxis *abilities_ = nullptr;
    QValueAxis *fatigueAxis_ = nullptr;
    QValueAxis *marks_ = nullptr;
    std::vector<QLineSeries *> lines_;
    std::vector<QScatterSeries *> tournaments_;
    std::vector<QGraphicsSimpleTextItem *> results_;              // one per tournament, above its mark
    std::map<Var::Int, QString> shownWeeks_;                      // the week axis's labels, by week
    std::tuple<Var::Int, Var::Int, Var::Int> fitted_{-1, -1, -1}; // first and last week, top value
};

} // namespace

extern "C" Q_DECL_EXPORT QWidget *vermonaMakeGrowthChart(QWidget *parent, const QFont &font,
                                                         const GrowthChartTexts &texts) {
    return new GrowthChartView(parent, font, texts);
}

extern "C" Q_DECL_EXPORT void vermonaShowGrowthRecord(QWidget *chart, const GrowthRecord &record) {
    static_cast<GrowthChartView *>(chart)->showRecord(record);
}
