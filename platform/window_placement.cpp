// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <array>

namespace vermona::platform {

QRect keptInside(QRect frame, const QRect &avail) {
    frame.moveRight(std::min(frame.right(), avail.right()));
    frame.moveBottom(std::min(frame.bottom(), avail.bottom()));
    frame.moveLeft(std::max(frame.left(), avail.left()));
    frame.moveTop(std::max(frame.top(), avail.top()));
    return frame;
}

QRect fromCorner(const QRect &anchor, QPoint offset, QSize size, const QRect &avail) {
    return keptInside(QRect(anchor.topLeft() + offset, size), avail);
}

QRect beside(const QRect &anchor, QSize size, const QRect &avail, int gap) {
    size = size.boundedTo(avail.size());
    // Right, left, below, above: the first that fits whole, else the one
    // that, pushed onto the screen, covers the least of anchor.
    const std::array<QRect, 4> sides{
        QRect(QPoint(anchor.right() + 1 + gap, anchor.top()), size),
        QRect(QPoint(anchor.left() - gap - size.width(), anchor.top()), size),
        QRect(QPoint(anchor.left(), anchor.bottom() + 1 + gap), size),
        QRect(QPoint(anchor.left(), anchor.top() - gap - size.height()), size),
    };
    QRect best;
    long long least = -1;
    for (const QRect &side : sides) {
        const QRect on = keptInside(side, avail);
        const QRect covered = on.intersected(anchor);
        const long long area = covered.isEmpty() ? 0LL : 1LL * covered.width() * covered.height();
        if (least < 0 || area < least) {
            best = on;
            least = area;
        }
        if (area == 0) {
            break;
        }
    }
    return best;
}

QMargins frameMargins(const QWidget &framed) {
    const QRect outer = framed.frameGeometry();
    const QRect inner = framed.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void fitHeight(QWidget &window, QWidget &content, int maxHeight) {
    QLayout *layout = window.layout();
    if (layout == nullptr || window.findChild<QScrollArea *>(QStringLiteral("fitted")) != nullptr) {
        return;
    }
    layout->activate();
    const int excess = window.sizeHint().height() - maxHeight;
    if (excess <= 0) {
        return;
    }
    auto *scroll = new QScrollArea(&window);
    scroll->setObjectName(QStringLiteral("fitted"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const QSize full = content.size();
    delete layout->replaceWidget(&content, scroll);
    scroll->setWidget(&content);
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    scroll->setFixedSize(full.width() + bar, std::max(full.height() - excess, 1));
    // A step of the wheel or an arrow moves by about a line of text.
    scroll->verticalScrollBar()->setSingleStep(20);
    layout->activate();
}

namespace {

// Moves its window along with the anchor: a child of the window, so it
// goes with it, and an event filter of the anchor's, which Qt drops when
// either is gone.
class Follower : public QObject {
public:
    Follower(QWidget &window, QWidget &anchor, QPoint offset)
        : QObject(&window), window_(window), anchor_(anchor), offset_(offset) {
        setObjectName(QStringLiteral("follower"));
        anchor.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == &anchor_ && event->type() == QEvent::Move && window_.isVisible()) {
            if (const QScreen *screen = anchor_.screen()) {
                window_.move(fromCorner(anchor_.frameGeometry(), offset_, window_.frameGeometry().size(),
                                        screen->availableGeometry())
                                 .topLeft());
            }
        }
        return false;
    }

private:
    QWidget &window_;
    QWidget &anchor_;
    QPoint offset_;
};

} // namespace

void follow(QWidget &window, QWidget &anchor, QPoint offset) {
    delete window.findChild<QObject *>(QStringLiteral("follower"), Qt::FindDirectChildrenOnly);
    new Follower(window, anchor, offset);
}

} // namespace vermona::platform
