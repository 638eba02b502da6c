// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/click_guard.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QVariant>

namespace vermona::platform {

namespace {

// Set on each window as it opens: how many presses had been seen, and
// whether a button was held.
constexpr const char *kOpenedAt = "vermonaOpenedAtPress";
constexpr const char *kOpenedHeld = "vermonaOpenedHeld";

bool guarded(const QWindow &window) {
    const Qt::WindowType type = window.type();
    return type == Qt::Window || type == Qt::Dialog;
}

} // namespace

ClickGuard::ClickGuard(QObject *parent) : QObject(parent) {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installEventFilter(this);
    }
}

void ClickGuard::opened(QWindow &window) const {
    window.setProperty(kOpenedAt, presses_);
    window.setProperty(kOpenedHeld, QGuiApplication::mouseButtons() != Qt::NoButton);
}

bool ClickGuard::swallowed(QWindow &window, const QMouseEvent &event) {
    // Nothing pressed since the window opened: this is its first press.
    const QVariant at = window.property(kOpenedAt);
    const bool first = at.isValid() && at.toULongLong() == presses_;
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (blocked_ == &window) {
            return true;
        }
        const quint64 since = event.timestamp() - lastPress_;
        const auto interval = static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        if (first && presses_ > 0 && event.timestamp() >= lastPress_ && since < interval) {
            blocked_ = &window;
            return true;
        }
        if (event.type() == QEvent::MouseButtonPress) {
            ++presses_;
            lastPress_ = event.timestamp();
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        if (blocked_ == &window) {
            if (event.buttons() == Qt::NoButton) {
                blocked_.clear();
            }
            return true;
        }
        return first && window.property(kOpenedHeld).toBool();
    case QEvent::MouseMove:
        return blocked_ == &window && event.buttons() != Qt::NoButton;
    default:
        return false;
    }
}

bool ClickGuard::eventFilter(QObject *watched, QEvent *event) {
    if (!watched->isWindowType()) {
        return false;
    }
    auto &window = *static_cast<QWindow *>(watched);
    switch (event->type()) {
    case QEvent::Show:
        opened(window);
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        const auto &mouse = *static_cast<QMouseEvent *>(event);
        if (guarded(window)) {
            return swallowed(window, mouse);
        }
        if (mouse.type() == QEvent::MouseButtonPress) { // a menu's, say: still the last press
            ++presses_;
            lastPress_ = mouse.timestamp();
        }
        return false;
    }
    default:
        return false;
    }
}

} // namespace vermona::platform
