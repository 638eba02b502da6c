// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/frontend/frontend_support.h"

#include "app/all_screens.h"
#include "app/game_app.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <stdexcept>

namespace vermona::test {

Windows::Windows() {
    app::equipFrontend(frontend);
    frontend.setProgramEndedHandler([this] { ++ended; });
    frontend.setErrorHandler([this] { ++errors; });
}

Windows::~Windows() { settle(); }

void Windows::define(const std::string &id, Rgb background, const std::function<void(TestScreen &)> &build,
                     int clientWidth, int clientHeight, const std::string &caption) {
    game.registerScreen(id, [=](Game &g) {
        auto s = std::make_unique<TestScreen>(g, id, caption, clientWidth, clientHeight, background);
        build(*s);
        return s;
    });
}

platform::ScreenWindow *Windows::window(const std::string &id) const {
    Screen *s = game.find(id);
    return s == nullptr ? nullptr : frontend.windowFor(*s);
}

QWidget *Windows::widget(const std::string &screen, const std::string &control, int index) const {
    platform::ScreenWindow *w = window(screen);
    Control *c = game.find(screen) != nullptr ? game.find(screen)->find(control, index) : nullptr;
    if (w == nullptr || c == nullptr) {
        throw std::logic_error("no widget for " + screen + "." + control);
    }
    return w->widgetFor(*c);
}

QImage Windows::client(const std::string &id) const {
    settle();
    return window(id)->clientArea()->grab().toImage();
}

void Windows::mouseClick(QWidget *widget) {
    QPointer<QWidget> target(widget);
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    if (target) {
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &release);
    }
}

void Windows::click(const std::string &screen, const std::string &control, int index) const {
    QWidget *w = widget(screen, control, index);
    if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        button->click();
    } else {
        mouseClick(w);
    }
    settle();
}

void Windows::settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void newGame(Windows &w) {
    app::registerAllScreens(w.game);
    w.game.start(ids::kTitle);
    w.click("Form1", "Command1");
    for (int i = 0; i < 10; ++i) {
        w.click("Form2", "Command1");
    }
    w.click("Form10", "Command2");
}

void enterTable(Windows &w, int entrants, int type) {
    app::registerAllScreens(w.game);
    GameState &s = stateOf(w.game);
    for (Var *v : {&s.strength, &s.defense, &s.speed, &s.stamina, &s.intellect, &s.magicPower}) {
        *v = 5;
    }
    s.daysToTournament = 0;
    s.entrants = entrants;
    w.game.dispatch([&] { w.game.show("Form21"); });
    w.game.control("Form21", "Label5").setCaption("薬草");
    for (int i = 0; i < entrants; ++i) {
        w.ports.fractions.push_back((type - 1) / 8.0);
    }
    w.click("Form21", "Command2");
}

std::string rgbAt(const QImage &image, int x, int y) {
    return image.pixelColor(x, y).name(QColor::HexRgb).toUpper().toStdString();
}

} // namespace vermona::test
