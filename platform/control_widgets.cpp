// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control_widgets.h"

#include "platform/assets.h"
#include "platform/fonts.h"
#include "platform/language_look.h"
#include "platform/movie_loader.h"
#include "platform/pixel_art.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QColor>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <cmath>
#include <functional>
#include <optional>
#include <utility>

namespace vermona::platform {

int px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

QString qs(const std::string &text) { return QString::fromStdString(text); }

namespace {

double pxExact(double twips) { return twips / 15.0; }

std::function<void(const QAccessibleEvent &)> &accessibilityObserver() {
    static std::function<void(const QAccessibleEvent &)> observer;
    return observer;
}

QColor toQColor(Rgb rgb) {
    return QColor(static_cast<int>((rgb >> 16U) & 0xFFU), static_cast<int>((rgb >> 8U) & 0xFFU),
                  static_cast<int>(rgb & 0xFFU));
}

QRect boxOf(const ControlDesign &d) { return {px(d.left), px(d.top), px(d.width), px(d.height)}; }

// Bitmaps belong to the program, not to the working directory: look beside
// the working directory first, then in the program's own assets; a picture
// with writing in the version of the screen's language.
QPixmap loadPicture(const std::string &file, const Screen &screen) {
    const QString path = findPicture(qs(file), qs(languageOf(screen)));
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

    void setPicture(QPixmap picture) {
        picture_ = std::move(picture);
        update();
    }

protected:
    void paintEvent(QPaintEvent * /*event*/) override {
        QPainter p(this);
        p.fillRect(rect(), background_);
        if (!picture_.isNull()) {
            drawPixelArt(p, QPoint(0, 0), picture_);
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

class LabelWidget : public FocusFramed {
public:
    LabelWidget(QWidget *parent, const Control &c, const QString &caption, std::function<void()> onClick)
        : FocusFramed(parent), text_(caption), foreground_(toQColor(c.design().foreground)),
          autoSize_(c.design().autoSize), border_(c.design().border),
          clickable_(static_cast<bool>(c.handler())), onClick_(std::move(onClick)) {
        const ControlDesign design = shownDesign(c);
        // A label the player can click can be reached and pressed from the
        // keyboard too.
        if (clickable_) {
            setFocusPolicy(Qt::StrongFocus);
        }
        if (c.design().background && !c.design().transparent) {
            background_ = toQColor(*c.design().background);
            setAttribute(Qt::WA_OpaquePaintEvent);
        }
        setAccessibleName(text_);
        applyDesign(design);
    }

    // The box, type and alignment, as designed or as a language shows them.
    void applyDesign(const ControlDesign &design) {
        switch (design.align) {
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
        designFont_ = toQFont(design.font);
        setFont(designFont_);
        setGeometry(boxOf(design));
        fit();
        update();
    }

    void setText(const QString &text) {
        if (text == text_) {
            return;
        }
        text_ = text;
        fit();
        update();
        // Qt tells a listening screen reader of the new name (NameChanged).
        // That is also how a label whose design announces its captions (the
        // battle's messages) is read out: of the events for a changed text it
        // is the one Qt 6.4's bridge passes on and readers speak, for the
        // control with the focus, as that label has it. Alert is dropped there,
        // and an announcement event only comes with Qt 6.8.
        setAccessibleName(text_);
        if (const auto &observer = accessibilityObserver()) {
            observer(QAccessibleEvent(this, QAccessible::NameChanged));
        }
    }
    [[nodiscard]] const QString &text() const { return text_; }
    [[nodiscard]] bool clickable() const { return clickable_; }

    // A screen reader's press: the mouse's click, once the reader has had its
    // answer, as the click may wait on the player (a message box).
    void pressLater() {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isEnabled() && isVisible()) {
                    onClick_(); // may close this label's screen; nothing of ours runs after it
                }
            },
            Qt::QueuedConnection);
    }

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
        // A box a pixel or two lower than one line of the free font still
        // holds one line: only a second line does not fit in it.
        const QFontMetrics metrics(designFont_);
        const int oneLine =
            metrics.boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX), flags_, QStringLiteral("X"))
                .height();
        const int lines = std::max(height(), oneLine);
        const std::optional<int> fitting = widestFitting([&](int percent) {
            const int room = width() * 100 / percent;
            const QRect need = metrics.boundingRect(QRect(0, 0, room, QWIDGETSIZE_MAX), flags_, text_);
            return need.height() <= lines && need.width() <= room;
        });
        percent_ = fitting.value_or(100);
        setProperty("stretch", percent_);
        // Even the narrowest glyphs leave part of the text outside its box.
        setProperty("clipped", !fitting.has_value());
    }

    QString text_;
    QFont designFont_;
    int percent_ = 100; // of the design width, for a text narrowed to fit
    QColor foreground_;
    QColor background_; // invalid: transparent
    int flags_ = 0;
    bool autoSize_;
    bool border_;
    bool clickable_;
    bool pressed_ = false;
    std::function<void()> onClick_;
};

// A label as a screen reader finds it: a button when it can be clicked,
// static text otherwise. QAccessibleWidget names it by its text (its
// accessible name), describes it by its tip and follows its state.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(LabelWidget *label)
        : QAccessibleWidget(label, label->clickable() ? QAccessible::Button : QAccessible::StaticText) {}

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->clickable()) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString &action) override {
        if (action == pressAction() && label()->clickable()) {
            label()->pressLater();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    [[nodiscard]] LabelWidget *label() const { return static_cast<LabelWidget *>(widget()); }
};

// Without a meta-object of its own, a label is asked for as a QWidget.
QAccessibleInterface *labelAccessible(const QString &className, QObject *object) {
    if (className != QLatin1String("QWidget")) {
        return nullptr;
    }
    auto *label = dynamic_cast<LabelWidget *>(object);
    return label == nullptr ? nullptr : new LabelAccessible(label);
}

// The lines of the screen on one layer: those on the form above the labels,
// or those drawn over everything.
class LineLayer : public QWidget {
public:
    LineLayer(QWidget *parent, const Screen &screen, bool onTop) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        for (const auto &c : screen.controls()) {
            if (c->kind() == ControlKind::Line && c->design().lineOnTop == onTop) {
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
            QPen pen(toQColor(c->design().foreground), c->design().lineWidth > 1 ? c->design().lineWidth : 0);
            pen.setCapStyle(Qt::FlatCap);
            p.setPen(pen);
            p.drawLine(QPointF(pxExact(c->design().left), pxExact(c->design().top)),
                       QPointF(pxExact(c->x2()), pxExact(c->y2())));
        }
    }

private:
    std::vector<const Control *> lines_;
};

// A picture box: its bitmap at natural size from the top-left, clipped.
class PictureWidget : public QWidget {
public:
    PictureWidget(QWidget *parent, const Control &c)
        : QWidget(parent), picture_(loadPicture(c.design().file, c.owner())) {
        if (c.design().background) {
            background_ = toQColor(*c.design().background);
        }
        setGeometry(boxOf(shownDesign(c)));
    }

    void setPicture(QPixmap picture) {
        picture_ = std::move(picture);
        update();
    }

protected:
    void paintEvent(QPaintEvent * /*event*/) override {
        QPainter p(this);
        if (background_.isValid()) {
            p.fillRect(rect(), background_);
        }
        if (!picture_.isNull()) {
            drawPixelArt(p, QPoint(0, 0), picture_);
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
        button->setProperty("stretch", 100);
        button->setProperty("clipped", false);
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
    button->setProperty("stretch", stretch);
    button->setProperty("clipped", QFontMetrics(f).horizontalAdvance(button->text()) > room);
}

// A button's picture, centred on it and clipped to it.
void placeButtonPicture(QPushButton *button, const QPixmap &picture) {
    // Made anew for each picture (the language's sign), in whole pixels.
    delete button->findChild<QWidget *>(QStringLiteral("picture"), Qt::FindDirectChildrenOnly);
    if (picture.isNull()) {
        return;
    }
    QWidget *image = makePixelArtView(button, picture);
    image->setObjectName(QStringLiteral("picture"));
    QRect r(QPoint(0, 0), picture.size());
    r.moveCenter(QRect(QPoint(0, 0), button->size()).center());
    image->setGeometry(r);
    image->show();
}

QString buttonStyle(const Control &c) {
    // Fusion shades a palette colour into a gradient; a style sheet keeps the
    // design's colour exact, with light and dark edges so it still reads as a
    // button that can be pressed.
    return QStringLiteral("QPushButton { background-color: %1; color: %2; border: 2px solid;"
                          " border-color: #FFFFFF #404040 #404040 #FFFFFF; }"
                          "QPushButton:pressed { border-color: #404040 #FFFFFF #FFFFFF #404040; }"
                          "QPushButton:disabled { color: #808080; border-color: #A0A0A0; }")
        .arg(toQColor(*c.design().background).name(), toQColor(c.design().foreground).name());
}

} // namespace

QWidget *makeClientArea(QWidget *parent, const Screen &screen, std::function<void()> painted) {
    return new ClientArea(parent, screen.background(), loadPicture(screen.picture(), screen),
                          std::move(painted));
}

QWidget *makeLabel(QWidget *parent, const Control &c, const QString &caption, std::function<void()> onClick) {
    // Once the application's own factory is in: the last one installed is
    // asked first.
    [[maybe_unused]] static const bool installed = (QAccessible::installFactory(labelAccessible), true);
    return new LabelWidget(parent, c, caption, std::move(onClick));
}

QWidget *makeButton(QWidget *parent, const Control &c, const QString &caption,
                    std::function<void()> onClick) {
    auto *b = new KeyButton(caption, parent);
    const ControlDesign design = shownDesign(c);
    b->setGeometry(boxOf(design));
    fitButton(b, toQFont(design.font));
    if (c.design().background) {
        b->setStyleSheet(buttonStyle(c));
    }
    placeButtonPicture(b, loadPicture(c.design().file, c.owner()));
    QObject::connect(b, &QPushButton::clicked, b, [onClick = std::move(onClick)] { onClick(); });
    return b;
}

QWidget *makePicture(QWidget *parent, const Control &c) { return new PictureWidget(parent, c); }

// A video beside the working directory, else the program's own; without
// one (or without a player for it) the player is an empty black area.
QWidget *makeMovieArea(QWidget *parent, const Control &c) {
    QWidget *w = nullptr;
    QFileInfo video(qs(c.design().file));
    if (!c.design().file.empty() && !video.isFile() && video.isRelative()) {
        video = QFileInfo(findAsset(qs(c.design().file)));
    }
    if (!c.design().file.empty() && video.isFile()) {
        w = makeMovieView(parent, video.absoluteFilePath(), c.design().autoPlay);
    }
    if (w == nullptr) {
        w = new QWidget(parent);
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
        w->setAutoFillBackground(true);
        QPalette black = w->palette();
        black.setColor(QPalette::Window, Qt::black);
        w->setPalette(black);
    }
    w->setGeometry(boxOf(shownDesign(c)));
    return w;
}

QWidget *makeLineLayer(QWidget *parent, const Screen &screen, bool onTop) {
    auto *layer = new LineLayer(parent, screen, onTop);
    layer->setGeometry(parent->rect());
    return layer;
}

void forgetLines(QWidget *layer) { static_cast<LineLayer *>(layer)->forget(); }

void setControlText(QWidget *widget, const Control &c, const QString &caption) {
    if (auto *label = dynamic_cast<LabelWidget *>(widget)) {
        label->setText(caption);
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        button->setText(caption);
        fitButton(button, toQFont(shownDesign(c).font));
    }
}

QString drawnText(const QWidget *widget) {
    if (const auto *label = dynamic_cast<const LabelWidget *>(widget)) {
        return label->text();
    }
    if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
        return button->text();
    }
    return {};
}

void restyle(QWidget *widget, const Control &c) {
    const ControlDesign design = shownDesign(c);
    if (auto *label = dynamic_cast<LabelWidget *>(widget)) {
        label->applyDesign(design);
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        button->setGeometry(boxOf(design));
        fitButton(button, toQFont(design.font));
        placeButtonPicture(button, loadPicture(c.design().file, c.owner()));
    } else if (auto *picture = dynamic_cast<PictureWidget *>(widget)) {
        picture->setGeometry(boxOf(design));
        picture->setPicture(loadPicture(c.design().file, c.owner()));
    } else {
        widget->setGeometry(boxOf(design));
    }
}

void restyleClientArea(QWidget *client, const Screen &screen) {
    static_cast<ClientArea *>(client)->setPicture(loadPicture(screen.picture(), screen));
}

void setAccessibilityObserver(std::function<void(const QAccessibleEvent &)> observer) {
    accessibilityObserver() = std::move(observer);
}

void tellObserver(const QAccessibleEvent &event) {
    if (const auto &observer = accessibilityObserver()) {
        observer(event);
    }
}

} // namespace vermona::platform
