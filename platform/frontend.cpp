// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/frontend.h"

#include "platform/screen_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <algorithm>

namespace vermona::platform {

bool Frontend::windowsActivate() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

Frontend::Frontend(Game &game) : game_(game) { game_.addObserver(this); }

Frontend::~Frontend() {
    game_.removeObserver(this);
    for (auto &[screen, window] : windows_) {
        delete window.data();
    }
    for (auto &window : closing_) {
        delete window.data();
    }
    for (auto &[name, window] : views_) {
        delete window.data();
    }
}

void Frontend::registerView(std::string name, ViewFactory factory) {
    viewFactories_[std::move(name)] = std::move(factory);
}

QWidget *Frontend::viewWindow(const std::string &view) const {
    auto it = views_.find(view);
    return it != views_.end() && it->second && it->second->isVisible() ? it->second.data() : nullptr;
}

void Frontend::viewRequested(const std::string &view) {
    QPointer<ViewWindow> &window = views_[view];
    if (!window) {
        auto factory = viewFactories_.find(view);
        if (factory == viewFactories_.end()) {
            views_.erase(view);
            return;
        }
        window = factory->second(game_);
        // Beside the window that asked for it, not over it.
        if (const ScreenWindow *from = lastActive(nullptr)) {
            window->move(from->frameGeometry().topRight() + QPoint(8, 0));
        }
    }
    window->show();
    if (windowsActivate()) {
        window->raise();
        window->activateWindow();
    }
}

void Frontend::languageChanged() {
    for (ScreenWindow *window : windows()) {
        window->retranslate();
    }
}

void Frontend::dataChanged() {
    // A closed view redraws when it is shown again.
    for (auto &[name, window] : views_) {
        if (window && window->isVisible()) {
            window->refresh();
        }
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
    QWidget *activeWindow = QApplication::activeWindow();
    if (auto *active = qobject_cast<ScreenWindow *>(activeWindow)) {
        if (active->gameScreen() != nullptr && active->isVisible()) {
            return active;
        }
    }
    // A box asked by a window beside the screens belongs on it.
    if (auto *view = dynamic_cast<ViewWindow *>(activeWindow); view != nullptr && view->isVisible()) {
        return view;
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
    if (--depth_ == 0) {
        announcer_.flush();
    }
}

void Frontend::click(Control &control) {
    route([&] { game_.click(control); });
}

void Frontend::choose(MenuEntry &entry) {
    route([&] { game_.choose(entry); });
}

void Frontend::run(const std::function<void()> &handler) {
    route([&] { game_.dispatch(handler); });
}

void Frontend::closeRequested() {
    // Not while a handler waits in a message box: it would end the program
    // under that handler's feet.
    if (depth_ > 0 || game_.ended()) {
        return;
    }
    route([&] {
        game_.dispatch([&] {
            if (!closeRule_ || closeRule_()) {
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
    window->updateReaderTexts();
    window->show();
    announcer_.windowShown(*window);
    // Offscreen platforms have no stacking or focus to change.
    if (windowsActivate()) {
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
    for (auto &[name, window] : views_) {
        if (window) {
            window->hide();
        }
    }
    if (onEnded_) {
        onEnded_();
    } else {
        // exit, not quit: quit would ask every window to close first.
        QCoreApplication::exit(0);
    }
}

} // namespace vermona::platform
