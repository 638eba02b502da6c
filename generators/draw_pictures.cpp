// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the game's bitmaps into a folder (assets/ in the source tree):
//
//   vermona-pictures assets
//
// Each is an uncompressed 8-bit bitmap with a 256-colour palette. Everything
// is drawn without antialiasing in colours of that palette, so the result
// depends only on this file and the installed Japanese gothic font.
#include "generators/bmp_writer.h"

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <vector>

namespace {

using vermona::generators::Colour;
using vermona::generators::IndexedBitmap;

// Six levels of each primary (0x00, 0x33 ... 0xFF) and a ramp of greys.
std::vector<Colour> palette() {
    std::vector<Colour> colours;
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b) {
                colours.push_back({static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                                   static_cast<std::uint8_t>(b * 51)});
            }
        }
    }
    for (int i = 1; colours.size() < 256; ++i) {
        const auto v = static_cast<std::uint8_t>(i * 6);
        colours.push_back({v, v, v});
    }
    return colours;
}

std::uint8_t nearest(const std::vector<Colour> &colours, QRgb c) {
    std::size_t best = 0;
    int bestDistance = 1 << 30;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const int dr = colours[i].red - qRed(c);
        const int dg = colours[i].green - qGreen(c);
        const int db = colours[i].blue - qBlue(c);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return static_cast<std::uint8_t>(best);
}

// Each pixel becomes the palette's nearest colour.
IndexedBitmap indexed(const QImage &image) {
    IndexedBitmap bitmap;
    bitmap.width = image.width();
    bitmap.height = image.height();
    bitmap.palette = palette();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            bitmap.pixels.push_back(nearest(bitmap.palette, image.pixel(x, y)));
        }
    }
    return bitmap;
}

QFont gothic(int pixels) {
    QFont f;
    f.setFamilies({"IPAPGothic", "IPAGothic", "Noto Sans CJK JP"});
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QImage canvas(int width, int height, QColor ground) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ground);
    return image;
}

// A sword standing on its point's opposite end, slightly tilted, in the box.
void drawSword(QPainter &p, QRectF box) {
    const double w = box.width();
    const double h = box.height();
    p.save();
    p.translate(box.center());
    p.rotate(-12);
    p.translate(-w / 2, -h / 2);
    const double cx = w / 2;
    const double blade = std::max(2.0, w * 0.22);
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), std::max(1.0, w * 0.04)));
    p.setBrush(QColor(0xCC, 0xCC, 0xCC));
    QPainterPath bladePath;
    bladePath.moveTo(cx, 0);
    bladePath.lineTo(cx + blade / 2, h * 0.12);
    bladePath.lineTo(cx + blade / 2, h * 0.68);
    bladePath.lineTo(cx - blade / 2, h * 0.68);
    bladePath.lineTo(cx - blade / 2, h * 0.12);
    bladePath.closeSubpath();
    p.drawPath(bladePath);
    p.setPen(QPen(QColor(0x99, 0x99, 0x99), std::max(1.0, w * 0.03)));
    p.drawLine(QPointF(cx, h * 0.06), QPointF(cx, h * 0.66));
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), std::max(1.0, w * 0.03)));
    p.setBrush(QColor(0xFF, 0xCC, 0x00));
    p.drawRect(QRectF(cx - w * 0.45, h * 0.68, w * 0.9, h * 0.06));
    p.setBrush(QColor(0x99, 0x66, 0x33));
    p.drawRect(QRectF(cx - blade * 0.35, h * 0.74, blade * 0.7, h * 0.18));
    p.setBrush(QColor(0xFF, 0xCC, 0x00));
    p.drawEllipse(QPointF(cx, h * 0.95), blade * 0.5, h * 0.04);
    p.restore();
}

// The weapon shop's sign: a sword and, in red, 激安 over 武器.
QImage weaponSign(int width, int height, QColor ground) {
    QImage image = canvas(width, height, ground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, width - 1, height - 1);
    drawSword(p, QRectF(width * 0.04, height * 0.06, width * 0.3, height * 0.88));
    p.setFont(gothic(static_cast<int>(height * 0.40)));
    p.setPen(QColor(0xFF, 0x00, 0x00));
    const QRectF words(width * 0.36, height * 0.06, width * 0.62, height * 0.88);
    QRectF top = words;
    top.setHeight(words.height() / 2);
    QRectF bottom = top.translated(0, top.height());
    p.drawText(top, Qt::AlignCenter, QStringLiteral("激安"));
    p.drawText(bottom, Qt::AlignCenter, QStringLiteral("武器"));
    return image;
}

// The armour shop's sign: a shield on blue, ARMOR above 防具.
QImage armourSign(int width, int height) {
    QImage image = canvas(width, height, QColor(0x00, 0x00, 0xFF));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const double l = width * 0.27;
    const double r = width * 0.73;
    const double t = height * 0.24;
    const double b = height * 0.97;
    QPainterPath shield;
    shield.moveTo(l, t);
    shield.lineTo(r, t);
    shield.lineTo(r, t + (b - t) * 0.5);
    shield.quadTo(r, t + (b - t) * 0.85, (l + r) / 2, b);
    shield.quadTo(l, t + (b - t) * 0.85, l, t + (b - t) * 0.5);
    shield.closeSubpath();
    p.setPen(QPen(QColor(0xFF, 0xCC, 0x00), 4));
    p.setBrush(QColor(0xCC, 0xCC, 0xCC));
    p.drawPath(shield);
    p.setPen(QPen(QColor(0x99, 0x99, 0x99), 3));
    p.drawLine(QPointF((l + r) / 2, t + 6), QPointF((l + r) / 2, b - 8));
    p.drawLine(QPointF(l + 6, t + (b - t) * 0.62), QPointF(r - 6, t + (b - t) * 0.62));
    p.setPen(QColor(0xFF, 0xFF, 0xFF));
    p.setFont(gothic(static_cast<int>(height * 0.17)));
    p.drawText(QRectF(0, height * 0.03, width, height * 0.19), Qt::AlignCenter, QStringLiteral("ARMOR"));
    p.setPen(QColor(0xCC, 0x00, 0x00));
    p.setFont(gothic(static_cast<int>(height * 0.24)));
    p.drawText(QRectF(l, t + (b - t) * 0.08, r - l, (b - t) * 0.45), Qt::AlignCenter, QStringLiteral("防具"));
    return image;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::cerr << "usage: vermona-pictures FOLDER\n";
        return 2;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const struct {
        const char *file;
        QImage image;
    } pictures[] = {
        {"weapon_sign_small.bmp", weaponSign(84, 61, QColor(0xFF, 0xFF, 0xFF))},
        {"armour_sign.bmp", armourSign(207, 159)},
        {"weapon_sign_large.bmp", weaponSign(333, 241, QColor(0x00, 0xFF, 0xFF))},
    };
    for (const auto &picture : pictures) {
        const QString path = folder + "/" + picture.file;
        if (!vermona::generators::writeBmp(indexed(picture.image), QFile::encodeName(path).toStdString())) {
            std::cerr << "vermona-pictures: cannot write " << path.toStdString() << '\n';
            return 1;
        }
    }
    return 0;
}
