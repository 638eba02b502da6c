// Starts a program to its first painted window and exits: "game" is the real
// start-up (style, translation, fonts, every screen, the title window),
// "bare" a plain Qt window of the same size, the floor any Qt program pays.
#include "platform/app_start.h"

#include <QApplication>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstring>
#include <iostream>

namespace {

class BareWindow : public QWidget {
public:
    explicit BareWindow(QEventLoop &loop) : loop_(loop) {}

protected:
    void paintEvent(QPaintEvent * /*event*/) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::yellow);
        loop_.quit();
    }

private:
    QEventLoop &loop_;
};

} // namespace

int main(int argc, char **argv) {
    if (argc != 2 || (std::strcmp(argv[1], "game") != 0 && std::strcmp(argv[1], "bare") != 0)) {
        std::cerr << "usage: vermona_startup_probe game|bare\n";
        return 2;
    }
    QApplication app(argc, argv);
    if (std::strcmp(argv[1], "game") == 0) {
        vermona::platform::setUpApplication(app);
        vermona::platform::GameApp game;
        return game.startAndWaitForFirstPaint() ? 0 : 1;
    }
    QEventLoop loop;
    BareWindow w(loop);
    w.setFixedSize(393, 294); // the title screen's client area
    w.show();
    QTimer::singleShot(10000, &loop, [&loop] { loop.exit(1); });
    return loop.exec();
}
