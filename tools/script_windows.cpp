// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script_windows.h"

#include "platform/frontend.h"
#include "platform/screen_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLayout>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

namespace vermona::script {

using platform::ScreenWindow;

QtScriptWindows::QtScriptWindows(platform::Frontend &frontend) : frontend_(frontend) {
    // The script's clock decides when timers tick.
    frontend_.setTimersByHand(true);
    // Runs of the event loop end early when the game ends or a handler fails.
    frontend_.setProgramEndedHandler([this] {
        if (waiting_ != nullptr) {
            waiting_->quit();
        }
    });
    frontend_.setErrorHandler([this] {
        if (waiting_ != nullptr) {
            waiting_->quit();
        }
    });
}

QtScriptWindows::~QtScriptWindows() {
    frontend_.setProgramEndedHandler({});
    frontend_.setErrorHandler({});
    frontend_.setTimersByHand(false);
}

void QtScriptWindows::settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frontend_.rethrowPendingError();
}

void QtScriptWindows::click(Control &control) {
    ScreenWindow *window = frontend_.windowFor(control.owner());
    QPointer<QWidget> widget = window != nullptr ? window->widgetFor(control) : nullptr;
    if (auto *button = qobject_cast<QAbstractButton *>(widget.data())) {
        button->click();
    } else if (widget && !widget->rect().isEmpty()) {
        // A label: press and release inside it, as the mouse would.
        const QPointF at = QRectF(widget->rect()).center();
        const QPointF global = widget->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(widget.data(), &press);
        if (widget) {
            QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                                Qt::NoModifier);
            QCoreApplication::sendEvent(widget.data(), &release);
        }
    } else {
        // An empty label sized to its text has no area to click; the game
        // still accepts the click, as it does without windows.
        frontend_.click(control);
    }
    settle();
}

void QtScriptWindows::choose(Screen &screen, MenuEntry &entry) {
    ScreenWindow *window = frontend_.windowFor(screen);
    QAction *action = window != nullptr ? window->actionFor(entry) : nullptr;
    if (action != nullptr) {
        action->trigger();
    } else {
        frontend_.choose(entry);
    }
    settle();
}

void QtScriptWindows::wait(int ms) {
    QEventLoop loop;
    waiting_ = &loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    if (!frontend_.game().ended() && !frontend_.hasPendingError()) {
        loop.exec();
    }
    waiting_ = nullptr;
    settle();
}

void QtScriptWindows::tick(Control &timer) {
    frontend_.click(timer);
    settle();
}

namespace {

// The whole window, laid out: menu bar and client area, without the frame
// the window manager adds.
std::string grabTo(QWidget *window, const std::string &file) {
    QCoreApplication::sendPostedEvents();
    window->ensurePolished();
    if (window->layout() != nullptr) {
        window->layout()->activate();
    }
    const QPixmap image = window->grab();
    if (image.isNull() || !image.save(QString::fromStdString(file), "PNG")) {
        return "cannot write " + file;
    }
    return {};
}

} // namespace

std::string QtScriptWindows::shot(Screen &screen, const std::string &file) {
    ScreenWindow *window = frontend_.windowFor(screen);
    if (window == nullptr) {
        return "no window for " + screen.id();
    }
    return grabTo(window, file);
}

std::string QtScriptWindows::shotView(const std::string &view, const std::string &file) {
    QWidget *window = frontend_.viewWindow(view);
    if (window == nullptr) {
        return "no window " + view;
    }
    return grabTo(window, file);
}

} // namespace vermona::script
