// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/frontend.h"

#include "platform/click_guard.h"
#include "platform/display.h"
#include "platform/screen_window.h"
#include "platform/window_placement.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace vermona::platform {

namespace {

// Wayland's way to keep a window with the one it belongs to.
void tieToParent(QWidget &window, const QWidget *parent) {
    if (parent == nullptr || parent->windowHandle() == nullptr) {
        return;
    }
    window.winId(); // makes the native window, which carries the tie
    if (QWindow *handle = window.windowHandle()) {
        handle->setTransientParent(parent->windowHandle());
    }
}

// A window tied to one that goes away would be closed with it, by Qt.
void untieFrom(const QWidget &closing) {
    const QWindow *handle = closing.windowHandle();
    if (handle == nullptr) {
        return;
    }
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (window->transientParent() == handle) {
            window->setTransientParent(nullptr);
        }
    }
}

} // namespace

bool Frontend::windowsActivate() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

Frontend::Frontend(Game &game) : game_(game), clickGuard_(std::make_unique<ClickGuard>()) {
    game_.addObserver(this);
}

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
    const bool first = !window;
    if (first) {
        auto factory = viewFactories_.find(view);
        if (factory == viewFactories_.end()) {
            views_.erase(view);
            return;
        }
        window = factory->second(game_);
    }
    // Open: where the player left it. Opened again: beside the screen, in
    // the size the player gave it.
    if (!window->isVisible()) {
        placeBeside(*window, first);
    }
    window->show();
    if (windowsActivate()) {
        window->raise();
        window->activateWindow();
    }
}

void Frontend::placeBeside(ViewWindow &window, bool first) const {
    // On Wayland the compositor finds it a place; tied to the screen, it
    // would open over it.
    const ScreenWindow *from = lastActive(nullptr);
    if (from == nullptr || from->screen() == nullptr || onWayland()) {
        return;
    }
    constexpr int kGap = 8;
    const QRect avail = from->screen()->availableGeometry();
    const QRect anchor = from->frameGeometry();
    const QMargins frame = frameMargins(*from);
    QSize size = window.size();
    if (first) {
        // Its first size is ours to choose: narrower, down to what it
        // needs, to fit beside the screen rather than over it.
        const int room = std::max(avail.right() - anchor.right(), anchor.left() - avail.left()) - kGap -
                         frame.left() - frame.right();
        if (size.width() > room && room >= window.minimumWidth()) {
            size.setWidth(room);
        }
    }
    window.setGeometry(beside(anchor, size.grownBy(frame), avail, kGap).marginsRemoved(frame));
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
    window.ensurePolished();
    if (window.layout() != nullptr) {
        window.layout()->activate();
    }
    const Screen &screen = *window.gameScreen();
    const auto &anchor = screen.anchor();
    ScreenWindow *anchorWindow = nullptr;
    if (const Screen *other = anchor ? game_.find(anchor->screen) : nullptr) {
        anchorWindow = windowFor(*other);
        anchorWindow = anchorWindow != nullptr && anchorWindow->isVisible() ? anchorWindow : nullptr;
    }
    // The window it comes from: the screen it replaces, else the one in
    // front, such as the battle under its spell list.
    ScreenWindow *from = anchorWindow != nullptr ? anchorWindow : lastActive(&window);
    QScreen *monitor = from != nullptr ? from->screen() : QGuiApplication::primaryScreen();
    if (monitor == nullptr) {
        return;
    }
    const QRect avail = monitor->availableGeometry();
    // Framed as the window it comes from; a window never shown has no frame yet.
    const QMargins frame = screen.borderless() || from == nullptr || from->gameScreen()->borderless()
                               ? QMargins()
                               : frameMargins(*from);
    fitHeight(window, *window.clientArea(), avail.height() - frame.top() - frame.bottom());
    if (onWayland()) {
        // The compositor alone places windows there; tied to the window it
        // comes from, the new one stays above it, and may be put over it.
        tieToParent(window, from);
        return;
    }
    QRect outer(QPoint(0, 0), window.sizeHint().grownBy(frame));
    if (anchor) {
        // From the corner of the window it belongs to, or of the screen.
        const QPoint offset(px(anchor->left), px(anchor->top));
        const QRect corner =
            anchorWindow != nullptr ? anchorWindow->frameGeometry() : QRect(avail.topLeft(), QSize());
        outer = fromCorner(corner, offset, outer.size(), avail);
        if (anchorWindow != nullptr) {
            follow(window, *anchorWindow, offset);
        }
    } else if (from != nullptr) {
        // A screen opens where the one it replaces was: the handler shows
        // the next screen before it closes its own, so that one is still
        // visible.
        outer.moveCenter(from->frameGeometry().center());
    } else {
        outer.moveCenter(avail.center());
    }
    // Keep the title bar reachable when a large window follows a small one
    // near the edge.
    window.setGeometry(keptInside(outer, avail).marginsRemoved(frame));
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
        untieFrom(*window);
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
