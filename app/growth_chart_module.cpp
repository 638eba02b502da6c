// SPDX-License-Identifier: GPL-3.0-or-later
// The growth chart, built as a module of its own and loaded by the front end
// only when the player first opens it: the chart libraries would otherwise
// be loaded, and paid for, at every start.
#include "data/growth_record.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
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

// Texts in the player's language: the game's wordings through the
// application's translator, as its screens have them.
QString chartDate(const WeekDate &d) {
    return QCoreApplication::translate("vermona", "%1年目").arg(d.year) + QLatin1Char(' ') +
           QCoreApplication::translate("vermona", "%1月%2週目").arg(d.month).arg(d.week);
}

// Months since 1年目1月 as the calendar names them.
QString monthLabel(Var::Int months) {
    return QCoreApplication::translate("vermona", "%1年目%2月").arg(months / 12 + 1).arg(months % 12 + 1);
}

QString resultText(const TournamentResult &t) {
    return QCoreApplication::translate("vermona", "%1勝%2敗（相手%3人）")
        .arg(t.wins)
        .arg(t.losses)
        .arg(t.entrants);
}

QString shown(const char *wording) { return QCoreApplication::translate("vermona", wording); }

constexpr const char *kFatigue = QT_TRANSLATE_NOOP("vermona", "疲労");

// The six values on the left axis, as the menu labels them.
struct Value {
    const char *name;
    Var::Int GrowthPoint::*member;
    QColor colour;
};
const std::array<Value, 6> kValues{{
    {QT_TRANSLATE_NOOP("vermona", "攻撃力"), &GrowthPoint::attack, QColor(0xD0, 0x30, 0x30)},
    {QT_TRANSLATE_NOOP("vermona", "防御力"), &GrowthPoint::defense, QColor(0x30, 0x60, 0xD0)},
    {QT_TRANSLATE_NOOP("vermona", "早さ"), &GrowthPoint::speed, QColor(0x20, 0xA0, 0x40)},
    {QT_TRANSLATE_NOOP("vermona", "HP"), &GrowthPoint::hp, QColor(0xE0, 0x80, 0x10)},
    {QT_TRANSLATE_NOOP("vermona", "知力"), &GrowthPoint::intellect, QColor(0x80, 0x40, 0xC0)},
    {QT_TRANSLATE_NOOP("vermona", "MP"), &GrowthPoint::mp, QColor(0x10, 0xA0, 0xB0)},
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
            addLine(v.name, v.colour, abilities_);
        }
        QLineSeries *fatigue = addLine(kFatigue, QColor(0x70, 0x70, 0x70), fatigueAxis_);
        QPen pen = fatigue->pen();
        pen.setStyle(Qt::DashLine);
        fatigue->setPen(pen);
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
            lines_[i]->setName(shown(lineNames_[i]));
        }
        fatigueAxis_->setTitleText(shown(kFatigue));
        showTournaments();
        fitted_ = {-1, -1, -1}; // the week labels too
        fitAxes();
    }

    QLineSeries *addLine(const char *name, const QColor &colour, QValueAxis *yAxis) {
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
        lineNames_.push_back(name);
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
            s->setName(QCoreApplication::translate("vermona", "大会"));
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
                    QToolTip::showText(
                        QCursor::pos(),
                        QCoreApplication::translate("vermona", "%1の大会").arg(chartDate(t.date)) +
                            QLatin1Char('\n') + resultText(t),
                        this);
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
                    labels[i] =
                        QCoreApplication::translate("vermona", "%1月%2週").arg(i / 4 % 12 + 1).arg(i % 4 + 1);
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
        // A line per value: its name as the legend has it, and the number.
        const auto line = [&](const char *name, Var::Int value) {
            text += QLatin1Char('\n') + shown(name) + QLatin1Char(' ') + QString::number(value);
        };
        for (const Value &v : kValues) {
            line(v.name, p.*v.member);
        }
        line(kFatigue, p.fatigue);
        return text;
    }

    QFont font_;
    GrowthRecord record_;
    QCategoryAxis *weeks_ = nullptr;
    QValueAxis *abilities_ = nullptr;
    QValueAxis *fatigueAxis_ = nullptr;
    QValueAxis *marks_ = nullptr;
    std::vector<QLineSeries *> lines_;
    std::vector<const char *> lineNames_; // the lines' wordings, untranslated
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
