#include "platform/frontend.h"

#include "data/growth_record.h"
#include "data/quit.h"
#include "platform/growth_chart_window.h"
#include "platform/screen_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <algorithm>

namespace vermona::platform {

Frontend::Frontend(Game &game) : game_(game) { game_.addObserver(this); }

Frontend::~Frontend() {
    game_.removeObserver(this);
    for (auto &[screen, window] : windows_) {
        delete window.data();
    }
    for (auto &window : closing_) {
        delete window.data();
    }
    delete chart_.data();
}

QWidget *Frontend::viewWindow(const std::string &view) const {
    if (view == kGrowthView && chart_ && chart_->isVisible()) {
        return chart_.data();
    }
    return nullptr;
}

void Frontend::viewRequested(const std::string &view) {
    if (view != kGrowthView) {
        return;
    }
    if (!chart_) {
        chart_ = new GrowthChartWindow(game_);
        // Beside the window that asked for it, not over it.
        if (const ScreenWindow *from = lastActive(nullptr)) {
            chart_->move(from->frameGeometry().topRight() + QPoint(8, 0));
        }
    }
    chart_->show();
    if (const QString platform = QGuiApplication::platformName();
        platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")) {
        chart_->raise();
        chart_->activateWindow();
    }
}

void Frontend::dataChanged() {
    // A closed chart window redraws when it is shown again.
    if (chart_ && chart_->isVisible()) {
        chart_->refresh();
    }
}

ScreenWindow *Frontend::windowFor(const Screen &screen) const {
    auto it = windows_.find(&screen);
    return it == windows_.end() ? nullptr : it->second.data();
}

std::vector<ScreenWindow *> Frontend::windows() const {
    std::vector<ScreenWindow *> out;
    for (const auto &[screen, window] : windows_) {
        if (window) {
            out.push_back(window.data());
        }
    }
    return out;
}

QWidget *Frontend::dialogParent() const {
    if (auto *active = qobject_cast<ScreenWindow *>(QApplication::activeWindow())) {
        if (active->gameScreen() != nullptr && active->isVisible()) {
            return active;
        }
    }
    return lastActive(nullptr);
}

ScreenWindow *Frontend::lastActive(const ScreenWindow *except) const {
    for (const auto &w : recent_) {
        if (w && w != except && w->gameScreen() != nullptr && w->isVisible()) {
            return w.data();
        }
    }
    return nullptr;
}

void Frontend::rethrowPendingError() {
    if (pending_) {
        std::exception_ptr e = std::exchange(pending_, nullptr);
        std::rethrow_exception(e);
    }
}

void Frontend::route(const std::function<void()> &handler) {
    ++depth_;
    try {
        handler();
    } catch (const ProgramEnd &) {
        // Ended inside a handler that runs within another one's message box:
        // the outer handler finishes the end once its box returns.
    } catch (...) {
        // Exceptions must not unwind through Qt's event handling.
        if (!pending_) {
            pending_ = std::current_exception();
        }
        --depth_;
        if (onError_) {
            onError_();
        }
        return;
    }
    --depth_;
}

void Frontend::click(Control &control) {
    route([&] { game_.click(control); });
}

void Frontend::choose(MenuEntry &entry) {
    route([&] { game_.choose(entry); });
}

void Frontend::closeRequested() {
    // Not while a handler waits in a message box: it would end the program
    // under that handler's feet.
    if (depth_ > 0 || game_.ended()) {
        return;
    }
    route([&] {
        game_.dispatch([&] {
            if (confirmQuit(game_)) {
                game_.end();
            }
        });
    });
}

void Frontend::windowActivated(ScreenWindow &window) {
    std::erase_if(recent_, [&](const QPointer<ScreenWindow> &w) { return !w || w == &window; });
    recent_.insert(recent_.begin(), &window);
}

void Frontend::windowPainted(Screen &screen) {
    if (onPaint_) {
        onPaint_(screen);
    }
}

void Frontend::place(ScreenWindow &window) const {
    // A screen opens where the one it replaces was: the handler shows the
    // next screen before it closes its own, so that one is still visible.
    window.ensurePolished();
    if (window.layout() != nullptr) {
        window.layout()->activate();
    }
    QRect r(QPoint(0, 0), window.size());
    QScreen *monitor = QGuiApplication::primaryScreen();
    if (const auto &at = window.gameScreen()->desktopPosition(); at && monitor != nullptr) {
        r.moveTopLeft(monitor->geometry().topLeft() + QPoint(px(at->first), px(at->second)));
    } else if (const ScreenWindow *previous = lastActive(&window)) {
        r.moveCenter(previous->geometry().center());
        monitor = previous->screen();
    } else if (monitor != nullptr) {
        r.moveCenter(monitor->availableGeometry().center());
    }
    if (monitor != nullptr) {
        // Keep the title bar reachable when a large window follows a small
        // one near the edge.
        const QRect avail = monitor->availableGeometry();
        r.moveRight(std::min(r.right(), avail.right()));
        r.moveBottom(std::min(r.bottom(), avail.bottom()));
        r.moveLeft(std::max(r.left(), avail.left()));
        r.moveTop(std::max(r.top(), avail.top()));
    }
    window.setGeometry(r);
}

void Frontend::screenCreated(Screen &screen) { windows_[&screen] = new ScreenWindow(*this, screen); }

void Frontend::screenVisibilityChanged(Screen &screen) {
    ScreenWindow *window = windowFor(screen);
    if (window == nullptr) {
        return;
    }
    if (!screen.visible()) {
        window->hide();
        return;
    }
    place(*window);
    window->show();
    // Offscreen platforms have no stacking or focus to change.
    if (const QString platform = QGuiApplication::platformName();
        platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")) {
        window->raise();
        window->activateWindow();
    }
    windowActivated(*window);
}

void Frontend::screenClosed(Screen &screen) {
    auto it = windows_.find(&screen);
    if (it == windows_.end()) {
        return;
    }
    QPointer<ScreenWindow> window = it->second;
    windows_.erase(it);
    std::erase_if(recent_, [&](const QPointer<ScreenWindow> &w) { return !w || w == window; });
    std::erase_if(closing_, [](const QPointer<ScreenWindow> &w) { return !w; });
    if (window) {
        window->detach();
        closing_.push_back(window);
    }
}

void Frontend::controlChanged(Control &control) {
    if (ScreenWindow *window = windowFor(control.owner())) {
        window->updateControl(control);
    }
}

void Frontend::programEnded() {
    if (chart_) {
        chart_->hide();
    }
    if (onEnded_) {
        onEnded_();
    } else {
        // exit, not quit: quit would ask every window to close first.
        QCoreApplication::exit(0);
    }
}

} // namespace vermona::platform
