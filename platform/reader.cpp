// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/reader.h"

#include "platform/control_widgets.h"
#include "platform/frontend.h"
#include "platform/screen_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QHeaderView>
#include <QPainter>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace vermona::platform {

namespace {

class GaugeWidget : public FocusFramed {
public:
    GaugeWidget(QWidget *parent, const Control &bar) : FocusFramed(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::TabFocus);
        // Around the bar, with room for the focus frame.
        const ControlDesign &d = bar.design();
        const int half = std::max(d.lineWidth, 1) / 2 + 4;
        const int end = px(static_cast<int>(std::lround(bar.x2())));
        setGeometry(QRect(QPoint(px(d.left) - 2, px(d.top) - half), QPoint(end + 2, px(d.top) + half)));
    }

    Var::Int value = 0;
    Var::Int maximum = 0;

protected:
    void paintEvent(QPaintEvent * /*event*/) override {
        if (hasFocus()) {
            QPainter p(this);
            p.setPen(QPen(Qt::black, 1, Qt::DotLine));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
};

// Read the moment it shows; never seen.
class NoticeWidget : public QWidget {
public:
    explicit NoticeWidget(QWidget *parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
        hide();
    }

protected:
    void paintEvent(QPaintEvent * /*event*/) override {}
};

QRect boxOf(const Control &c) {
    const ControlDesign &d = c.design();
    return {px(d.left), px(d.top), px(d.width), px(d.height)};
}

// Headers a reader reads and nobody sees.
class UnseenHeader : public QHeaderView {
public:
    using QHeaderView::QHeaderView;

protected:
    void paintEvent(QPaintEvent * /*event*/) override {}
};

class TableReader : public QTableWidget {
public:
    TableReader(QWidget *parent, const ReaderTable &cross) : QTableWidget(parent), table(&cross) {
        setHorizontalHeader(new UnseenHeader(Qt::Horizontal, this));
        setVerticalHeader(new UnseenHeader(Qt::Vertical, this));
        setFrameShape(QFrame::NoFrame);
        setShowGrid(false);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setFocusPolicy(Qt::TabFocus);
        setAutoFillBackground(false);
        viewport()->setAutoFillBackground(false);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        viewport()->setAttribute(Qt::WA_TransparentForMouseEvents);
        if (auto *corner = findChild<QAbstractButton *>()) {
            corner->hide();
        }
        for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
            header->viewport()->setAutoFillBackground(false);
            header->setAutoFillBackground(false);
        }
        QRect area;
        for (const auto &row : cross.rows) {
            for (const Control *c : row) {
                area = area.united(boxOf(*c));
            }
        }
        setGeometry(area);
    }

    const ReaderTable *table;

protected:
    // Only the keyboard's place shows: a frame round the drawn cell.
    void paintEvent(QPaintEvent * /*event*/) override {
        const QModelIndex at = currentIndex();
        if (!hasFocus() || !at.isValid() || table == nullptr) {
            return;
        }
        const Control *cell = cellAt(at.row(), at.column());
        if (cell == nullptr) {
            return;
        }
        QPainter p(viewport());
        p.setPen(QPen(Qt::black, 2, Qt::DotLine));
        p.drawRect(boxOf(*cell)
                       .translated(-geometry().topLeft() - viewport()->geometry().topLeft())
                       .adjusted(2, 2, -2, -2));
    }
    void focusInEvent(QFocusEvent *event) override {
        QTableWidget::focusInEvent(event);
        if (!currentIndex().isValid() && rowCount() > 0) {
            setCurrentCell(0, 0);
        }
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent *event) override {
        QTableWidget::focusOutEvent(event);
        viewport()->update();
    }
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override {
        QTableWidget::currentChanged(current, previous);
        viewport()->update();
    }

public:
    // The visible players' rows, in order.
    [[nodiscard]] const Control *cellAt(int row, int column) const {
        const std::vector<int> shown = shownRows();
        if (row >= static_cast<int>(shown.size()) || column >= static_cast<int>(shown.size())) {
            return nullptr;
        }
        return table->rows[static_cast<std::size_t>(shown[static_cast<std::size_t>(row)])]
                          [static_cast<std::size_t>(shown[static_cast<std::size_t>(column)]) + 1];
    }
    [[nodiscard]] std::vector<int> shownRows() const {
        std::vector<int> out;
        for (std::size_t r = 0; r < table->rows.size(); ++r) {
            if (!table->rows[r].empty() && table->rows[r][0]->visible()) {
                out.push_back(static_cast<int>(r));
            }
        }
        return out;
    }
};

class GaugeAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit GaugeAccessible(GaugeWidget *gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface *>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return QStringLiteral("%1/%2").arg(gauge()->value).arg(gauge()->maximum);
        }
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return QVariant::fromValue(gauge()->value); }
    void setCurrentValue(const QVariant & /*value*/) override {} // read only
    QVariant maximumValue() const override { return QVariant::fromValue(gauge()->maximum); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    [[nodiscard]] GaugeWidget *gauge() const { return static_cast<GaugeWidget *>(widget()); }
};

QAccessibleInterface *readerAccessible(const QString &className, QObject *object) {
    if (className != QLatin1String("QWidget")) {
        return nullptr;
    }
    if (auto *gauge = dynamic_cast<GaugeWidget *>(object)) {
        return new GaugeAccessible(gauge);
    }
    if (auto *notice = dynamic_cast<NoticeWidget *>(object)) {
        return new QAccessibleWidget(notice, QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

void installReaderFactory() {
    [[maybe_unused]] static const bool installed = (QAccessible::installFactory(readerAccessible), true);
}

QWidget *makeGauge(QWidget *parent, const Control &bar, const QString &name) {
    installReaderFactory();
    auto *gauge = new GaugeWidget(parent, bar);
    gauge->setAccessibleName(name);
    return gauge;
}

void setGauge(QWidget *gauge, const QString &name, Var::Int value, Var::Int maximum) {
    auto *g = static_cast<GaugeWidget *>(gauge);
    g->setAccessibleName(name);
    if (g->value == value && g->maximum == maximum) {
        return;
    }
    g->value = value;
    g->maximum = maximum;
    QAccessibleValueChangeEvent event(g, QVariant::fromValue(value));
    QAccessible::updateAccessibility(&event);
    tellObserver(event);
}

QWidget *makeReaderTable(QWidget *parent, const ReaderTable &table) { return new TableReader(parent, table); }

void updateReaderTable(QWidget *reader, const ReaderTable &table,
                       const std::function<QString(const Text &)> &shown) {
    auto *t = static_cast<TableReader *>(reader);
    const std::vector<int> rows = t->shownRows();
    const int n = static_cast<int>(rows.size());
    t->setRowCount(n);
    t->setColumnCount(n);
    QStringList players;
    for (int r : rows) {
        players << shown(table.rows[static_cast<std::size_t>(r)][0]->captionText());
    }
    t->setVerticalHeaderLabels(players);
    t->setHorizontalHeaderLabels(players);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const Control *cell = t->cellAt(r, c);
            const QString mark = cell != nullptr ? shown(cell->captionText()) : QString();
            QTableWidgetItem *item = t->item(r, c);
            if (item == nullptr) {
                t->setItem(r, c, new QTableWidgetItem(mark));
            } else if (item->text() != mark) {
                item->setText(mark);
            }
        }
    }
}

void showNotice(QWidget *&notice, QWidget *window, const QString &text) {
    installReaderFactory();
    if (notice == nullptr) {
        notice = new NoticeWidget(window);
    }
    // Shown afresh for every notice: its showing is what readers hear.
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
    QAccessibleEvent event(notice, QAccessible::ObjectShow);
    tellObserver(event);
}

bool onlyRead(const QWidget *widget) {
    return dynamic_cast<const GaugeWidget *>(widget) != nullptr ||
           dynamic_cast<const TableReader *>(widget) != nullptr;
}

void Announcer::windowShown(ScreenWindow &window) {
    if (opening(window)) {
        return;
    }
    schedule();
    pending_.push_back({&window, {}});
}

void Announcer::changed(ScreenWindow &window, const QString &text) {
    // An opening window is read whole at the end of the turn; a hidden one
    // is not for reading yet.
    if (text.isEmpty() || opening(window) || !window.isVisible()) {
        return;
    }
    schedule();
    pending_.push_back({&window, text});
}

void Announcer::schedule() {
    // Changes made outside a player's action (a timer) are read at the end
    // of the turn.
    if (pending_.empty()) {
        QTimer::singleShot(0, this, [this] { flush(); });
    }
}

bool Announcer::opening(const ScreenWindow &window) const {
    return std::any_of(pending_.begin(), pending_.end(),
                       [&](const Entry &e) { return e.window == &window && e.text.isEmpty(); });
}

void Announcer::flush() {
    if (pending_.empty()) {
        return;
    }
    const ScreenWindow *lastOpened = nullptr;
    for (const Entry &e : pending_) {
        if (e.window && e.text.isEmpty() && e.window->gameScreen() != nullptr) {
            lastOpened = e.window.data();
        }
    }
    // The window that opened last is read by the focus when it takes it:
    // what changed is read after that, not before.
    constexpr int kWaits = 10;
    constexpr int kWaitMs = 50;
    if (lastOpened != nullptr && !lastOpened->isActiveWindow() && waits_ < kWaits &&
        lastOpened->announcements(true).size() < lastOpened->announcements(false).size() &&
        Frontend::windowsActivate()) {
        ++waits_;
        QTimer::singleShot(kWaitMs, this, [this] { flush(); });
        return;
    }
    waits_ = 0;
    std::vector<Entry> entries = std::exchange(pending_, {});
    QStringList parts;
    for (const Entry &e : entries) {
        if (!e.text.isEmpty()) {
            parts << e.text;
        } else if (e.window && e.window->gameScreen() != nullptr) {
            parts << e.window->announcements(e.window == lastOpened);
        }
    }
    parts.removeAll(QString());
    // Read in the window in front, where the player is.
    ScreenWindow *target = frontend_.frontWindow();
    if (!parts.isEmpty() && target != nullptr) {
        target->notify(parts.join(QLatin1Char(' ')));
    }
}

} // namespace vermona::platform
