#include "platform/screen_window.h"

#include "platform/fonts.h"
#include "platform/frontend.h"
#include "platform/movie_loader.h"
#include "platform/paths.h"

#include <QAction>
#include <QCloseEvent>
#include <QColor>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <utility>

namespace vermona::platform {

int px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

namespace {

double pxExact(double twips) { return twips / 15.0; }

QColor toQColor(Rgb rgb) { return QColor((rgb >> 16U) & 0xFFU, (rgb >> 8U) & 0xFFU, rgb & 0xFFU); }

QString qs(const std::string &text) { return QString::fromStdString(text); }

QRect boxOf(const Control &c) { return {px(c.left), px(c.top), px(c.width), px(c.height)}; }

// Bitmaps belong to the program, not to the working directory: look beside
// the working directory first, then in the program's own assets.
QPixmap loadPicture(const std::string &file) {
    if (file.empty()) {
        return {};
    }
    const QString name = qs(file);
    QString path = QFileInfo::exists(name) ? name : QString();
    if (path.isEmpty() && QFileInfo(name).isRelative()) {
        path = findAsset(name);
    }
    return path.isEmpty() ? QPixmap() : QPixmap(path);
}

// The client area: window colour and the window's bitmap at natural size.
class ClientArea : public QWidget {
public:
    ClientArea(QWidget *parent, Rgb background, QPixmap picture, std::function<void()> painted)
        : QWidget(parent), background_(toQColor(background)), picture_(std::move(picture)),
          painted_(std::move(painted)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent * /*event*/) override {
        QPainter p(this);
        p.fillRect(rect(), background_);
        if (!picture_.isNull()) {
            p.drawPixmap(0, 0, picture_);
        }
        painted_();
    }

private:
    QColor background_;
    QPixmap picture_;
    std::function<void()> painted_;
};

// A label: text in its box, wrapped unless sized to its text; clickable.
constexpr int kNarrowest = 70; // per cent of the design width

// The widest stretch, from 100 % down to kNarrowest, at which a text fits;
// nothing when none does. Narrower always fits at least as well, so a
// binary search finds it.
std::optional<int> widestFitting(const std::function<bool(int)> &fitsAt) {
    int good = kNarrowest; // fits
    int bad = 101;         // does not fit
    if (fitsAt(100)) {
        return 100;
    }
    if (!fitsAt(kNarrowest)) {
        return std::nullopt;
    }
    while (bad - good > 1) {
        const int mid = (good + bad) / 2;
        (fitsAt(mid) ? good : bad) = mid;
    }
    return good;
}

bool isActivationKey(const QKeyEvent *event) {
    const int key = event->key();
    return (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
           (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !event->isAutoRepeat();
}

// The keyboard focus: a dotted frame just inside the control, in its text
// colour, so it shows on any background without moving anything.
void drawFocusMark(QPainter &p, const QRect &box, const QColor &colour) {
    QPen pen(colour, 2, Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(2, 2, -2, -2));
}

// A push button that Enter presses as well as Space, and whose focus shows
// even under a style sheet.
class KeyButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override {
        if (isActivationKey(event) && event->key() != Qt::Key_Space) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent *event) override {
        QPushButton::paintEvent(event);
        if (hasFocus() && !styleSheet().isEmpty()) {
            QPainter p(this);
            drawFocusMark(p, rect().adjusted(2, 2, -2, -2), palette().color(QPalette::ButtonText));
        }
    }
};

class LabelWidget : public QWidget {
public:
    LabelWidget(QWidget *parent, const Control &c, std::function<void()> onClick)
        : QWidget(parent), text_(qs(c.caption())), foreground_(toQColor(c.foreground)), autoSize_(c.autoSize),
          border_(c.border), onClick_(std::move(onClick)) {
        // A label the player can click can be reached and pressed from the
        // keyboard too.
        if (c.onClick) {
            setFocusPolicy(Qt::StrongFocus);
        }
        if (c.background && !c.transparent) {
            background_ = toQColor(*c.background);
            setAttribute(Qt::WA_OpaquePaintEvent);
        }
        switch (c.align) {
        case Align::Left:
            flags_ = Qt::AlignLeft;
            break;
        case Align::Center:
            flags_ = Qt::AlignHCenter;
            break;
        case Align::Right:
            flags_ = Qt::AlignRight;
            break;
        }
        flags_ |= Qt::AlignTop;
        if (!autoSize_) {
            flags_ |= Qt::TextWordWrap;
        }
        setAccessibleName(text_);
        designFont_ = toQFont(c.font);
        setFont(designFont_);
        setGeometry(boxOf(c));
        fit();
    }

    void setText(const QString &text) {
        text_ = text;
        setAccessibleName(text_);
        fit();
        update();
    }
    [[nodiscard]] const QString &text() const { return text_; }

protected:
    void paintEvent(QPaintEvent * /*event*/) override {
        QPainter p(this);
        if (background_.isValid()) {
            p.fillRect(rect(), background_);
        }
        if (border_) {
            p.setPen(QPen(Qt::black, 0));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        p.setPen(foreground_);
        if (percent_ < 100) {
            p.save();
            p.scale(percent_ / 100.0, 1.0);
            p.drawText(QRectF(0, 0, width() * 100.0 / percent_, height()), flags_, text_);
            p.restore();
        } else {
            p.drawText(rect(), flags_, text_);
        }
        if (hasFocus()) {
            drawFocusMark(p, rect(), foreground_);
        }
    }

    void keyPressEvent(QKeyEvent *event) override {
        if (isActivationKey(event)) {
            onClick_(); // may close this label's screen; nothing of ours runs after it
            return;
        }
        QWidget::keyPressEvent(event);
    }

    void focusInEvent(QFocusEvent *event) override {
        QWidget::focusInEvent(event);
        update();
    }
    void focusOutEvent(QFocusEvent *event) override {
        QWidget::focusOutEvent(event);
        update();
    }

    void mousePressEvent(QMouseEvent *event) override {
        if (event->button() == Qt::LeftButton) {
            pressed_ = true;
        }
    }

    void mouseReleaseEvent(QMouseEvent *event) override {
        if (event->button() != Qt::LeftButton || !pressed_) {
            return;
        }
        pressed_ = false;
        if (rect().contains(event->position().toPoint())) {
            onClick_(); // may close this label's screen; nothing of ours runs after it
        }
    }

private:
    void fit() {
        if (autoSize_) {
            // Sized to the text, the box keeps its top-left corner.
            resize(QFontMetrics(font()).size(0, text_));
            return;
        }
        // The free fonts run wider than the design's, so a caption that
        // filled its box there would lose its last line here. Narrow the
        // glyphs (never the height) until the wrapped text fits again. They
        // are narrowed by the painter rather than by a narrower font, which
        // would cost a second font load, and at start-up that was the most
        // expensive part of the title window: narrowed to s %, the text fits
        // the box as the design font fits it widened by 100 / s.
        const QFontMetrics metrics(designFont_);
        percent_ = widestFitting([&](int percent) {
                       const int room = width() * 100 / percent;
                       const QRect need =
                           metrics.boundingRect(QRect(0, 0, room, QWIDGETSIZE_MAX), flags_, text_);
                       return need.height() <= height() && need.width() <= room;
                   }).value_or(100);
        setProperty("stretch", percent_);
    }

    QString text_;
    QFont designFont_;
    int percent_ = 100; // of the design width, for a text narrowed to fit
    QColor foreground_;
    QColor background_; // invalid: transparent
    int flags_ = 0;
    bool autoSize_;
    bool border_;
    bool pressed_ = false;
    std::function<void()> onClick_;
};

// The lines of the screen on one layer: those on the form above the labels,
// or those drawn over everything.
class LineLayer : public QWidget {
public:
    LineLayer(QWidget *parent, const Screen &screen, bool onTop) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        for (const auto &c : screen.controls()) {
            if (c->kind() == ControlKind::Line && c->lineOnTop == onTop) {
                lines_.push_back(c.get());
            }
        }
    }

    void forget() { lines_.clear(); }

protected:
    void paintEvent(QPaintEvent * /*event*/) override {
        QPainter p(this);
        for (const Control *c : lines_) {
            if (!c->visible()) {
                continue;
            }
            // A thick line ends where its end is, so a gauge shows exactly
            // how far it has filled.
            QPen pen(toQColor(c->foreground), c->lineWidth > 1 ? c->lineWidth : 0);
            pen.setCapStyle(Qt::FlatCap);
            p.setPen(pen);
            p.drawLine(QPointF(pxExact(c->left), pxExact(c->top)),
                       QPointF(pxExact(c->x2()), pxExact(c->y2())));
        }
    }

private:
    std::vector<const Control *> lines_;
};

// A picture box: its bitmap at natural size from the top-left, clipped.
class PictureWidget : public QWidget {
public:
    PictureWidget(QWidget *parent, const Control &c) : QWidget(parent), picture_(loadPicture(c.file)) {
        if (c.background) {
            background_ = toQColor(*c.background);
        }
        setGeometry(boxOf(c));
    }

protected:
    void paintEvent(QPaintEvent * /*event*/) override {
        QPainter p(this);
        if (background_.isValid()) {
            p.fillRect(rect(), background_);
        }
        if (!picture_.isNull()) {
            p.drawPixmap(0, 0, picture_);
        }
    }

private:
    QPixmap picture_;
    QColor background_;
};

// A button's caption stays on one line; like a label's, it is narrowed
// (never shortened) when the free font runs wider than the button.
void fitButton(QPushButton *button, const QFont &design) {
    constexpr int kEdges = 8; // border and a little air on either side
    const int room = button->width() - kEdges;
    const qreal advance = QFontMetricsF(design).horizontalAdvance(button->text());
    const std::optional<int> estimate =
        widestFitting([&](int percent) { return advance * percent / 100 <= room; });
    if (estimate == 100) {
        button->setFont(design);
        return;
    }
    int stretch = estimate.value_or(kNarrowest);
    QFont f = design;
    // The estimate from the design font, checked with the narrowed font itself.
    for (f.setStretch(stretch);
         stretch > kNarrowest && QFontMetrics(f).horizontalAdvance(button->text()) > room;) {
        f.setStretch(--stretch);
    }
    button->setFont(f);
}

QString buttonStyle(const Control &c) {
    // Fusion shades a palette colour into a gradient; a style sheet keeps the
    // design's colour exact, with light and dark edges so it still reads as a
    // button that can be pressed.
    return QStringLiteral("QPushButton { background-color: %1; color: %2; border: 2px solid;"
                          " border-color: #FFFFFF #404040 #404040 #FFFFFF; }"
                          "QPushButton:pressed { border-color: #404040 #FFFFFF #FFFFFF #404040; }"
                          "QPushButton:disabled { color: #808080; border-color: #A0A0A0; }")
        .arg(toQColor(*c.background).name(), toQColor(c.foreground).name());
}

} // namespace

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
    setWindowTitle(qs(screen.caption()));
    build();
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
    client_ = new ClientArea(this, screen.background(), loadPicture(screen.picture()), [self] {
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
    lines_ = new LineLayer(client_, screen, false);
    lines_->setGeometry(client_->rect());
    for (const auto &c : screen.controls()) {
        if (c->kind() != ControlKind::Label && c->kind() != ControlKind::Line) {
            if (QWidget *w = makeControl(*c)) {
                widgets_[c.get()] = w;
            }
        }
    }
    topLines_ = new LineLayer(client_, screen, true);
    topLines_->setGeometry(client_->rect());
    setReadingTabOrder();
}

// Tab goes through the controls as a reader would: row by row from the top,
// left to right within a row.
void ScreenWindow::setReadingTabOrder() {
    std::vector<QWidget *> focusable;
    for (const auto &c : screen_->controls()) {
        QWidget *w = widgetFor(*c);
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
}

void ScreenWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // A window that opens is ready for the keyboard at its first control.
    if (focusWidget() == nullptr) {
        focusNextChild();
    }
}

// The menu bar and its menus alike: an entry with children opens a menu, any
// other runs its handler.
void ScreenWindow::addMenuEntry(QWidget *parent, const MenuEntry &entry) {
    if (!entry.children.empty()) {
        auto *menu = new QMenu(qs(entry.caption), parent);
        parent->addAction(menu->menuAction());
        actions_[&entry] = menu->menuAction();
        for (const MenuEntry &child : entry.children) {
            addMenuEntry(menu, child);
        }
        return;
    }
    auto *action = new QAction(qs(entry.caption), parent);
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
        w = new LabelWidget(client_, c, [this, &c] { clicked(c); });
        break;
    case ControlKind::Button: {
        auto *b = new KeyButton(qs(c.caption()), client_);
        b->setGeometry(boxOf(c));
        fitButton(b, toQFont(c.font));
        if (c.background) {
            b->setStyleSheet(buttonStyle(c));
        }
        QPixmap picture = loadPicture(c.file);
        if (!picture.isNull()) {
            // Centred on the button and clipped to it.
            auto *image = new QLabel(b);
            image->setAttribute(Qt::WA_TransparentForMouseEvents);
            image->setPixmap(picture);
            QRect r(QPoint(0, 0), picture.size());
            r.moveCenter(QRect(QPoint(0, 0), b->size()).center());
            image->setGeometry(r);
        }
        connect(b, &QPushButton::clicked, this, [this, &c] { clicked(c); });
        w = b;
        break;
    }
    case ControlKind::Picture:
        w = new PictureWidget(client_, c);
        break;
    case ControlKind::Movie: {
        // A video beside the working directory, else the program's own;
        // without one (or without a player for it) the player is an empty
        // black area.
        QFileInfo video(qs(c.file));
        if (!c.file.empty() && !video.isFile() && video.isRelative()) {
            video = QFileInfo(findAsset(qs(c.file)));
        }
        if (!c.file.empty() && video.isFile()) {
            w = makeMovieView(client_, video.absoluteFilePath(), c.autoPlay);
        }
        if (w == nullptr) {
            w = new QWidget(client_);
            w->setAttribute(Qt::WA_TransparentForMouseEvents);
            w->setAutoFillBackground(true);
            QPalette black = w->palette();
            black.setColor(QPalette::Window, Qt::black);
            w->setPalette(black);
        }
        w->setGeometry(boxOf(c));
        break;
    }
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
    w->setToolTip(qs(c.tip()));
    w->setHidden(!c.visible());
    w->setEnabled(c.enabled());
    return w;
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
        (control.lineOnTop ? topLines_ : lines_)->update();
        return;
    }
    if (QTimer *t = timerFor(control)) {
        t->setInterval(control.interval);
        const bool run = !frontend_.timersByHand() && control.enabled() && control.interval > 0;
        if (run && !t->isActive()) {
            t->start();
        } else if (!run) {
            t->stop();
        }
        return;
    }
    QWidget *w = widgetFor(control);
    if (w == nullptr) {
        return;
    }
    if (auto *label = dynamic_cast<LabelWidget *>(w)) {
        label->setText(qs(control.caption()));
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
        button->setText(qs(control.caption()));
        fitButton(button, toQFont(control.font));
    }
    w->setToolTip(qs(control.tip()));
    w->setHidden(!control.visible());
    w->setEnabled(control.enabled());
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
    static_cast<LineLayer *>(lines_)->forget();
    static_cast<LineLayer *>(topLines_)->forget();
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
    }
    QWidget::changeEvent(event);
}

} // namespace vermona::platform
