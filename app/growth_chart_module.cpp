// SPDX-License-Identifier: GPL-3.0-or-later
// The growth chart, built as a module of its own and loaded by the front end
// only when the player first opens it: the chart libraries would otherwise
// be loaded, and paid for, at every start.
#include "data/growth_record.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
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
using vermona::WeekDate;

QString chartDate(const WeekDate &d) {
    return QString::fromStdString(vermona::yearText(d.year).japanese() + " " +
                                  vermona::weekOfYearText(d.month, d.week).japanese());
}

// Months since 1年目1月 as the calendar names them.
QString monthLabel(Var::Int months) {
    return QString::fromStdString(vermona::yearText(months / 12 + 1).japanese() + std::to_string(months % 12 + 1) +
                                  "月");
}

QString resultText(const TournamentResult &t) {
    return QStringLiteral("%1勝%2敗（相手%3人）").arg(t.wins).arg(t.losses).arg(t.entrants);
}

// The six values on the left axis, as the menu labels them.
struct Value {
    const char *name;
    Var::Int GrowthPoint::*member;
    QColor colour;
};
const std::array<Value, 6> kValues{{
    {"攻撃力", &GrowthPoint::attack, QColor(0xD0, 0x30, 0x30)},
    {"防御力", &GrowthPoint::defense, QColor(0x30, 0x60, 0xD0)},
    {"早さ", &GrowthPoint::speed, QColor(0x20, 0xA0, 0x40)},
    {"HP", &GrowthPoint::hp, QColor(0xE0, 0x80, 0x10)},
    {"知力", &GrowthPoint::intellect, QColor(0x80, 0x40, 0xC0)},
    {"MP", &GrowthPoint::mp, QColor(0x10, 0xA0, 0xB0)},
}};

class GrowthChartView : public QChartView {
public:
    GrowthChartView(QWidget *parent, const QFont &font) : QChartView(parent), font_(font) {
        setObjectName(QStringLiteral("growthChart"));
        setRenderHint(QPainter::Antialiasing);
        auto *chart = new QChart;
        setChart(chart);
        chart->legend()->setFont(font_);
        chart->legend()->setAlignment(Qt::AlignBottom);

        weeks_ = new QCategoryAxis;
        weeks_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        abilities_ = new QValueAxis;
        abilities_->setLabelFormat(QStringLiteral("%d"));
        fatigueAxis_ = new QValueAxis;
        fatigueAxis_->setRange(0, 100);
        fatigueAxis_->setTickCount(6);
        fatigueAxis_->setLabelFormat(QStringLiteral("%d"));
        fatigueAxis_->setTitleText(QStringLiteral("疲労"));
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
            addLine(QString::fromUtf8(v.name), v.colour, abilities_);
        }
        QLineSeries *fatigue = addLine(QStringLiteral("疲労"), QColor(0x70, 0x70, 0x70), fatigueAxis_);
        QPen pen = fatigue->pen();
        pen.setStyle(Qt::DashLine);
        fatigue->setPen(pen);
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

private:
    QLineSeries *addLine(const QString &name, const QColor &colour, QValueAxis *yAxis) {
        auto *series = new QLineSeries;
        series->setName(name);
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

    // One series per tournament, so that each mark carries its own result.
    void showTournaments() {
        for (QScatterSeries *s : tournaments_) {
            chart()->removeSeries(s);
            delete s;
        }
        tournaments_.clear();
        for (const TournamentResult &t : record_.tournaments) {
            auto *s = new QScatterSeries;
            s->setName(QStringLiteral("大会"));
            s->setMarkerShape(QScatterSeries::MarkerShapeStar);
            s->setMarkerSize(16);
            s->setColor(QColor(0xE0, 0xB0, 0x00));
            s->setBorderColor(QColor(0x80, 0x60, 0x00));
            s->append(static_cast<qreal>(t.date.index()), 0.93);
            // Literal text: the format has no @ tags.
            s->setPointLabelsFormat(resultText(t));
            s->setPointLabelsVisible(true);
            s->setPointLabelsFont(font_);
            s->setPointLabelsClipping(false);
            chart()->addSeries(s);
            s->attachAxis(weeks_);
            s->attachAxis(marks_);
            connect(s, &QScatterSeries::hovered, this, [this, t](const QPointF &, bool entered) {
                if (entered) {
                    QToolTip::showText(QCursor::pos(),
                                       chartDate(t.date) + QStringLiteral("の大会\n") + resultText(t), this);
                } else {
                    QToolTip::hideText();
                }
            });
            // One legend entry stands for all marks.
            if (tournaments_.size() > 0) {
                for (QLegendMarker *m : chart()->legend()->markers(s)) {
                    m->setVisible(false);
                }
            }
            tournaments_.push_back(s);
        }
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
        // and labels are not cut by the frame.
        const qreal lo = static_cast<qreal>(first) - 0.5;
        const qreal hi = static_cast<qreal>(last) + 0.5;
        abilities_->setRange(0, static_cast<qreal>(top) * 1.1);
        abilities_->applyNiceNumbers();

        // Months labelled by year and month, a few at most whatever the span.
        for (const QString &label : weeks_->categoriesLabels()) {
            weeks_->remove(label);
        }
        // A label on the first week needs a category that ends there.
        weeks_->setStartValue(lo - 1);
        const Var::Int firstMonth = (first + 3) / 4; // months since the start, rounded up
        const Var::Int lastMonth = last / 4;
        const Var::Int span = std::max<Var::Int>(lastMonth - firstMonth + 1, 1);
        Var::Int step = 1;
        for (Var::Int s : {1, 2, 3, 6, 12, 24, 60, 120, 600}) {
            step = s;
            if (span / s <= 8) {
                break;
            }
        }
        std::map<Var::Int, QString> labels; // by week; categories go in in order
        for (Var::Int m = firstMonth; m <= lastMonth; ++m) {
            if (m % step == 0) {
                labels[m * 4] = monthLabel(m);
            }
        }
        // A short record names its weeks between the months too.
        if (last - first < 8) {
            for (Var::Int i = first; i <= last; ++i) {
                if (i % 4 != 0) {
                    labels[i] = QStringLiteral("%1月%2週").arg(i / 4 % 12 + 1).arg(i % 4 + 1);
                }
            }
        }
        for (const auto &[week, label] : labels) {
            weeks_->append(label, static_cast<qreal>(week));
        }
        weeks_->setRange(lo, hi);
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

    static QString weekTip(const GrowthPoint &p) {
        QString text = chartDate(p.date);
        for (const Value &v : kValues) {
            text += QStringLiteral("\n%1 %2").arg(QString::fromUtf8(v.name)).arg(p.*v.member);
        }
        text += QStringLiteral("\n疲労 %1").arg(p.fatigue);
        return text;
    }

    QFont font_;
    GrowthRecord record_;
    QCategoryAxis *weeks_ = nullptr;
    QValueAxis *abilities_ = nullptr;
    QValueAxis *fatigueAxis_ = nullptr;
    QValueAxis *marks_ = nullptr;
    std::vector<QLineSeries *> lines_;
    std::vector<QScatterSeries *> tournaments_;
    std::tuple<Var::Int, Var::Int, Var::Int> fitted_{-1, -1, -1}; // first and last week, top value
};

} // namespace

extern "C" Q_DECL_EXPORT QWidget *vermonaMakeGrowthChart(QWidget *parent, const QFont &font) {
    return new GrowthChartView(parent, font);
}

extern "C" Q_DECL_EXPORT void vermonaShowGrowthRecord(QWidget *chart, const GrowthRecord &record) {
    static_cast<GrowthChartView *>(chart)->showRecord(record);
}
