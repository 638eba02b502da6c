// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pixel_art.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <utility>

namespace vermona::platform {

namespace {

class PixelArtView : public QWidget {
public:
    PixelArtView(QWidget *parent, QPixmap picture) : QWidget(parent), picture_(std::move(picture)) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(picture_.size());
    }

protected:
    void paintEvent(QPaintEvent * /*event*/) override {
        QPainter p(this);
        drawPixelArt(p, QPoint(0, 0), picture_);
    }

private:
    QPixmap picture_;
};

} // namespace

void drawPixelArt(QPainter &p, QPoint at, const QPixmap &picture) {
    p.save();
    // Qt smooths a picture it scales up for a high-density screen.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawPixmap(at, picture);
    p.restore();
}

void drawPixelArt(QPainter &p, const QRectF &target, const QImage &picture) {
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(target, picture);
    p.restore();
}

QWidget *makePixelArtView(QWidget *parent, const QPixmap &picture) {
    return new PixelArtView(parent, picture);
}

} // namespace vermona::platform
