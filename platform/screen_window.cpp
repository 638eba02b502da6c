// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screen_window.h"

#include "platform/control_widgets.h"
#include "platform/frontend.h"
#include "platform/reader.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace vermona::platform {

namespace {

Qt::WindowFlags windowFlagsFor(const Screen &screen) {
    if (screen.borderless()) {
        return Qt::Window | Qt::FramelessWindowHint;
    }
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
}

} // namespace

ScreenWindow::ScreenWindow(Frontend &frontend, Screen &screen)
    : QWidget(nullptr, windowFlagsFor(screen)), frontend_(frontend), screen_(&screen) {
    setObjectName(qs(screen.id()));
    setWindowTitle(shown(screen.captionText()));
    build();
}

// A button with only a picture is named, for a screen reader, by its tip.
void ScreenWindow::nameByTip(QWidget *widget, const Control &c) const {
    if (c.kind() == ControlKind::Button && c.caption().empty()) {
        widget->setAccessibleName(shown(c.tipText()));
    }
}

QString ScreenWindow::shown(const Text &text) const { return qs(text.in(frontend_.game().translation())); }

QString ScreenWindow::readerName(const Control &c) const {
    const ControlDesign &d = c.design();
    if (d.readAsRow) {
        QStringList cells;
        for (int i = 0; const Control *cell = screen_->find(c.name(), i); ++i) {
            if (!cell->visible() || cell->caption().empty()) {
                continue;
            }
            const auto column = static_cast<std::size_t>(i);
            const Control *header = column < d.rowHeaders.size() ? d.rowHeaders[column] : nullptr;
            cells << (header != nullptr ? shown(header->captionText()) + QLatin1Char(' ') : QString()) +
                         shown(cell->captionText());
        }
        return cells.join(shown(Text("、")));
    }
    if (d.readerCaption != nullptr) {
        return shown(d.readerCaption->captionText()) + QLatin1Char(' ') + shown(c.captionText());
    }
    return shown(c.captionText());
}

void ScreenWindow::updateReaderTexts() {
    if (screen_ == nullptr) {
        return;
    }
    setAccessibleName(shown(screen_->readerName()));
    setAccessibleDescription(shown(screen_->readerDescription()));
    // The table is what tells the window apart.
    if (tableReader_ != nullptr) {
        tableReader_->setAccessibleName(shown(screen_->readerDescription()));
    }
}

QStringList ScreenWindow::announcements(bool leaveFocusTarget) const {
    QStringList out;
    if (screen_ == nullptr) {
        return out;
    }
    const QWidget *focusTarget = leaveFocusTarget ? firstActionable() : nullptr;
    for (const auto &c : screen_->controls()) {
        const QWidget *w = widgetFor(*c);
        if (c->design().announce && c->visible() && w != nullptr && w != focusTarget) {
            out << readerName(*c);
        }
    }
    return out;
}

void ScreenWindow::notify(const QString &text) { showNotice(notice_, this, text); }

void ScreenWindow::retranslate() {
    if (screen_ == nullptr) {
        return;
    }
    setWindowTitle(shown(screen_->captionText()));
    updateReaderTexts();
    for (auto &[entry, action] : actions_) {
        action->setText(shown(entry->caption));
    }
    // A language may lay the screen out with more room, and show pictures
    // with writing of its own.
    restyleClientArea(client_, *screen_);
    for (const auto &c : screen_->controls()) {
        if (QWidget *w = widgetFor(*c)) {
            restyle(w, *c);
        }
        updateControl(*c);
    }
    setReadingTabOrder();
}

ScreenWindow::~ScreenWindow() = default;

void ScreenWindow::build() {
    Screen &screen = *screen_;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The window is exactly the client area plus the menu bar, and cannot be
    // resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (!screen.menu().empty()) {
        menuBar_ = new QMenuBar(this);
        // In the window on every desktop, never moved into a global menu.
        menuBar_->setNativeMenuBar(false);
        for (const MenuEntry &entry : screen.menu()) {
            addMenuEntry(menuBar_, entry);
        }
        layout->setMenuBar(menuBar_);
    }

    QPointer<ScreenWindow> self(this);
    client_ = makeClientArea(this, screen, [self] {
        // Reported once the whole window has been painted, children included.
        QTimer::singleShot(0, self, [self] {
            if (self && self->screen_ != nullptr) {
                self->frontend_.windowPainted(*self->screen_);
            }
        });
    });
    client_->setFixedSize(px(screen.clientWidth()), px(screen.clientHeight()));
    layout->addWidget(client_);

    // Stacking as the design's toolkit had it: labels in declaration order,
    // the lines above them, then the windowed controls (buttons, pictures,
    // movies) above everything drawn on the form itself.
    for (const auto &c : screen.controls()) {
        if (c->kind() == ControlKind::Label) {
            widgets_[c.get()] = makeControl(*c);
        }
    }
    lines_ = makeLineLayer(client_, screen, false);
    lines_->setGeometry(client_->rect());
    for (const auto &c : screen.controls()) {
        if (c->kind() != ControlKind::Label && c->kind() != ControlKind::Line) {
            if (QWidget *w = makeControl(*c)) {
                widgets_[c.get()] = w;
            }
        }
    }
    topLines_ = makeLineLayer(client_, screen, true);
    topLines_->setGeometry(client_->rect());
    for (const auto &c : screen.controls()) {
        if (c->kind() == ControlKind::Line && !c->design().meterName.empty()) {
            gauges_[c.get()] = makeGauge(client_, *c, shown(c->design().meterName));
            updateGauge(*c);
        }
    }
    if (!screen.readerTable().rows.empty()) {
        tableReader_ = makeReaderTable(client_, screen.readerTable());
        updateReaderTable(tableReader_, screen.readerTable(), [this](const Text &t) { return shown(t); });
    }
    // A row read as one is one Tab stop, at its first label; a click on any
    // of its labels still does what it did.
    for (const auto &c : screen.controls()) {
        if (c->design().readAsRow) {
            for (int i = 1; const Control *cell = screen.find(c->name(), i); ++i) {
                if (QWidget *w = widgetFor(*cell)) {
                    w->setFocusPolicy(Qt::NoFocus);
                }
            }
        }
    }
    setReadingTabOrder();
}

// Tab goes through the controls as a reader would: row by row from the top,
// left to right within a row.
void ScreenWindow::setReadingTabOrder() {
    std::vector<QWidget *> focusable;
    for (const auto &c : screen_->controls()) {
        QWidget *w = widgetFor(*c);
        if (auto gauge = gauges_.find(c.get()); gauge != gauges_.end()) {
            w = gauge->second;
        }
        // The table reads where its first row header stands.
        if (tableReader_ != nullptr && c.get() == screen_->readerTable().rows.front().front()) {
            focusable.push_back(tableReader_);
        }
        if (w != nullptr && w->focusPolicy() != Qt::NoFocus) {
            focusable.push_back(w);
        }
    }
    std::stable_sort(focusable.begin(), focusable.end(), [](const QWidget *a, const QWidget *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(focusable[i - 1], focusable[i]);
    }
    tabOrder_.assign(focusable.begin(), focusable.end());
}

void ScreenWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // A window that opens is ready for the keyboard at its first control
    // that does something. While that waits to be usable again, the
    // keyboard waits for it, rather than resting where Enter does nothing.
    if (focusWidget() == nullptr) {
        if (QWidget *first = firstActionable()) {
            first->setFocus(Qt::TabFocusReason);
        } else if (refocus_ == nullptr) {
            focusNextChild();
        }
    }
}

QWidget *ScreenWindow::firstActionable() const {
    for (QWidget *w : tabOrder_) {
        if (w != nullptr && w->isVisibleTo(this) && w->isEnabled() && !onlyRead(w)) {
            return w;
        }
    }
    return nullptr;
}

// The menu bar and its menus alike: an entry with children opens a menu, any
// other runs its handler.
void ScreenWindow::addMenuEntry(QWidget *parent, const MenuEntry &entry) {
    if (!entry.children.empty()) {
        auto *menu = new QMenu(shown(entry.caption), parent);
        parent->addAction(menu->menuAction());
        actions_[&entry] = menu->menuAction();
        for (const MenuEntry &child : entry.children) {
            addMenuEntry(menu, child);
        }
        return;
    }
    auto *action = new QAction(shown(entry.caption), parent);
    parent->addAction(action);
    actions_[&entry] = action;
    if (!entry.shortcut.empty()) {
        action->setShortcut(QKeySequence(qs(entry.shortcut)));
        // Pressed in the window, not only while the menu is open.
        addAction(action);
    }
    connect(action, &QAction::triggered, this, [this, name = entry.name] {
        if (screen_ != nullptr) {
            if (MenuEntry *e = screen_->findMenu(name)) {
                chosen(*e);
            }
        }
    });
}

QWidget *ScreenWindow::makeControl(Control &c) {
    QWidget *w = nullptr;
    switch (c.kind()) {
    case ControlKind::Label:
        w = makeLabel(client_, c, shown(c.captionText()), [this, &c] { clicked(c); });
        break;
    case ControlKind::Button:
        w = makeButton(client_, c, shown(c.captionText()), [this, &c] { clicked(c); });
        break;
    case ControlKind::Picture:
        w = makePicture(client_, c);
        break;
    case ControlKind::Movie:
        w = makeMovieArea(client_, c);
        break;
    case ControlKind::Timer: {
        auto *t = new QTimer(this);
        timers_[&c] = t;
        connect(t, &QTimer::timeout, this, [this, &c] { clicked(c); });
        updateControl(c);
        return nullptr;
    }
    case ControlKind::Line:
        return nullptr;
    }
    w->setToolTip(shown(c.tipText()));
    nameByTip(w, c);
    updateLabel(c, w);
    w->setHidden(!c.visible());
    w->setEnabled(c.enabled());
    return w;
}

void ScreenWindow::updateLabel(const Control &c, QWidget *widget) {
    const ControlDesign &d = c.design();
    if (c.tip().empty() && !d.readerNote.empty()) {
        widget->setAccessibleDescription(shown(d.readerNote));
    }
    if (c.kind() != ControlKind::Label) {
        return;
    }
    const QString before = widget->accessibleName();
    const QString name = readerName(c);
    if (name != before) {
        widget->setAccessibleName(name);
    }
    if (d.announce && name != before) {
        frontend_.announcer().changed(*this, name);
    }
}

void ScreenWindow::updateGauge(const Control &bar) {
    auto it = gauges_.find(&bar);
    if (it == gauges_.end()) {
        return;
    }
    const QString name = shown(bar.design().meterName);
    const QString before = QAccessible::queryAccessibleInterface(it->second)->text(QAccessible::Value);
    setGauge(it->second, name, bar.meterValue(), bar.meterMaximum());
    const QString now = QAccessible::queryAccessibleInterface(it->second)->text(QAccessible::Value);
    if (now != before) {
        frontend_.announcer().changed(*this, name + QLatin1Char(' ') + now);
    }
}

QWidget *ScreenWindow::widgetFor(const Control &control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

QAction *ScreenWindow::actionFor(const MenuEntry &entry) const {
    auto it = actions_.find(&entry);
    return it == actions_.end() ? nullptr : it->second;
}

QTimer *ScreenWindow::timerFor(const Control &control) const {
    auto it = timers_.find(&control);
    return it == timers_.end() ? nullptr : it->second;
}

void ScreenWindow::updateControl(Control &control) {
    if (screen_ == nullptr) {
        return;
    }
    if (control.kind() == ControlKind::Line) {
        (control.design().lineOnTop ? topLines_ : lines_)->update();
        updateGauge(control);
        return;
    }
    if (QTimer *t = timerFor(control)) {
        t->setInterval(control.design().interval);
        const bool run = !frontend_.timersByHand() && control.enabled() && control.design().interval > 0;
        if (run && !t->isActive()) {
            t->start();
        } else if (!run) {
            t->stop();
        }
        return;
    }
    if (tableReader_ != nullptr && control.kind() == ControlKind::Label) {
        updateReaderTable(tableReader_, screen_->readerTable(), [this](const Text &t) { return shown(t); });
    }
    QWidget *w = widgetFor(control);
    if (w == nullptr) {
        return;
    }
    const QString before = w->accessibleName();
    setControlText(w, control, shown(control.captionText()));
    // setControlText named the label by its caption; the name it had is what
    // a reader last heard.
    if (control.kind() == ControlKind::Label) {
        w->setAccessibleName(before);
    }
    w->setToolTip(shown(control.tipText()));
    nameByTip(w, control);
    updateLabel(control, w);
    // The row's first label reads the whole row.
    if (control.index() > 0) {
        if (const Control *first = screen_->find(control.name(), 0);
            first != nullptr && first->design().readAsRow) {
            if (QWidget *fw = widgetFor(*first)) {
                updateLabel(*first, fw);
            }
        }
    }
    w->setHidden(!control.visible());
    // A control that goes out of use while the keyboard is on it (a battle
    // command while the message is read) gets the keyboard back with its use.
    // Meanwhile the keyboard rests nowhere rather than on the next control.
    if (!control.enabled() && w->hasFocus()) {
        refocus_ = w;
        w->clearFocus();
    }
    w->setEnabled(control.enabled());
    if (control.enabled() && refocus_ == w) {
        refocus_ = nullptr;
        w->setFocus(Qt::OtherFocusReason);
    }
}

void ScreenWindow::detach() {
    screen_ = nullptr;
    for (auto &[control, timer] : timers_) {
        timer->stop();
    }
    // By name: the players come from the movie module, which this file does
    // not link.
    for (QObject *player : findChildren<QObject *>()) {
        if (player->inherits("QMediaPlayer")) {
            QMetaObject::invokeMethod(player, "stop");
        }
    }
    forgetLines(lines_);
    forgetLines(topLines_);
    widgets_.clear();
    timers_.clear();
    actions_.clear();
    hide();
    deleteLater();
}

void ScreenWindow::clicked(Control &control) {
    // A click queued before the screen closed arrives at a window that is
    // only waiting to be deleted.
    if (screen_ != nullptr) {
        frontend_.click(control);
    }
}

void ScreenWindow::chosen(MenuEntry &entry) {
    if (screen_ != nullptr) {
        frontend_.choose(entry);
    }
}

void ScreenWindow::closeEvent(QCloseEvent *event) {
    // The game decides; if it ends, every window goes through detach().
    event->ignore();
    if (screen_ != nullptr) {
        frontend_.closeRequested();
    }
}

void ScreenWindow::changeEvent(QEvent *event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && screen_ != nullptr) {
        frontend_.windowActivated(*this);
        // Back in front, the keyboard is where something can be done (Qt
        // would put it on the first Tab stop, which may only be read).
        QTimer::singleShot(0, this, [this] {
            if (screen_ != nullptr && (focusWidget() == nullptr || onlyRead(focusWidget()))) {
                if (QWidget *first = firstActionable()) {
                    first->setFocus(Qt::ActiveWindowFocusReason);
                }
            }
        });
    }
    QWidget::changeEvent(event);
}

} // namespace vermona::platform
