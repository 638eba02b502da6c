// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/sign_pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstdint>

namespace vermona::generators {

namespace {

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

// The words' face: a bold gothic for Japanese, a bold sans for Latin letters.
QFont face(const std::string &language, int pixels) {
    QFont f;
    f.setFamilies(language.empty() ? QStringList{"IPAPGothic", "IPAGothic", "Noto Sans CJK JP"}
                                   : QStringList{"DejaVu Sans"});
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

// Words on a sign, in a box, centred; noted for the picture's list.
void write(QPainter &p, QStringList &words, const QRectF &box, const QString &text, const QFont &font,
           QColor colour) {
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
    words << text;
}

// A sword `length` long and `height` across at the guard, centred on
// `centre`, its point turned `angle` degrees from pointing right.
void drawSword(QPainter &p, QPointF centre, double length, double height, double angle) {
    const double w = length;
    const double h = height;
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.translate(-w / 2, -h / 2);
    const double cy = h / 2;
    const double blade = std::max(2.0, h * 0.34);
    const double edge = std::max(1.0, h * 0.05);
    // Blade with its point, and the fuller along it.
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), edge));
    p.setBrush(QColor(0xCC, 0xCC, 0xCC));
    QPainterPath bladePath;
    bladePath.moveTo(w, cy);
    bladePath.lineTo(w * 0.86, cy - blade / 2);
    bladePath.lineTo(w * 0.28, cy - blade / 2);
    bladePath.lineTo(w * 0.28, cy + blade / 2);
    bladePath.lineTo(w * 0.86, cy + blade / 2);
    bladePath.closeSubpath();
    p.drawPath(bladePath);
    p.setPen(QPen(QColor(0x99, 0x99, 0x99), edge));
    p.drawLine(QPointF(w * 0.30, cy), QPointF(w * 0.90, cy));
    // Guard, grip and pommel.
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), edge));
    p.setBrush(QColor(0xFF, 0xCC, 0x00));
    p.drawRect(QRectF(w * 0.23, h * 0.04, w * 0.05, h * 0.92));
    p.setBrush(QColor(0x99, 0x66, 0x33));
    p.drawRect(QRectF(w * 0.06, cy - blade * 0.35, w * 0.17, blade * 0.7));
    p.setBrush(QColor(0xFF, 0xCC, 0x00));
    p.drawEllipse(QPointF(w * 0.04, cy), w * 0.035, blade * 0.5);
    p.restore();
}

// The weapon shop's large sign, the background of its front and of its list.
// The front shows only its left 267 pixels and lays its question over the
// top, "buy" on the left, "sell" on the right and "back" below; the list lays
// its rows across the upper half. The sword stands in the top left corner,
// left of them all, and the words take the band below "sell", above "back"
// and the list's button. No frame: "buy" stands at the window's very edge.
SignPicture largeWeaponSign(const std::string &language) {
    constexpr int kWidth = 333;
    constexpr int kHeight = 241;
    constexpr double kShown = 267; // of the front's window
    SignPicture sign{"weapon_sign_large.bmp", canvas(kWidth, kHeight, QColor(0x00, 0xFF, 0xFF)), {}};
    QPainter p(&sign.image);
    p.setRenderHint(QPainter::Antialiasing, false);
    drawSword(p, QPointF(21, 56), 86, 26, -82);
    const QColor red(0xFF, 0x00, 0x00);
    const QString words = language.empty() ? QStringLiteral("激安武器") : QStringLiteral("BARGAIN WEAPONS");
    write(p, sign.words, QRectF(0, 147, kShown, 34), words, face(language, language.empty() ? 32 : 22), red);
    return sign;
}

// The small weapon sign on the town's button: the same words over the same
// sword.
SignPicture smallWeaponSign(const std::string &language) {
    constexpr int kWidth = 84;
    constexpr int kHeight = 61;
    SignPicture sign{"weapon_sign_small.bmp", canvas(kWidth, kHeight, QColor(0xFF, 0xFF, 0xFF)), {}};
    QPainter p(&sign.image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(0, 0, kWidth - 1, kHeight - 1);
    const QColor red(0xFF, 0x00, 0x00);
    if (language.empty()) {
        write(p, sign.words, QRectF(0, 3, kWidth, 26), QStringLiteral("激安武器"), face(language, 19), red);
    } else {
        write(p, sign.words, QRectF(0, 3, kWidth, 13), QStringLiteral("BARGAIN"), face(language, 11), red);
        write(p, sign.words, QRectF(0, 16, kWidth, 13), QStringLiteral("WEAPONS"), face(language, 11), red);
    }
    drawSword(p, QPointF(42, 44), 72, 22, -6);
    return sign;
}

// The armour shop's sign: a shield on a dark blue ground, which the front's
// red "back" reads on as well as its other colours. The front lays its
// question over the top, "buy" on the left and "sell" and "back" on the
// right, so the shield stands between them; the town's button shows the
// middle 97 x 113 pixels, where the shield and its word are.
SignPicture armourSign(const std::string &language) {
    constexpr int kWidth = 207;
    constexpr int kHeight = 159;
    SignPicture sign{"armour_sign.bmp", canvas(kWidth, kHeight, QColor(0x00, 0x00, 0x66)), {}};
    QPainter p(&sign.image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const double l = 58;
    const double r = 116;
    const double t = 40;
    const double b = 152;
    QPainterPath shield;
    shield.moveTo(l, t);
    shield.lineTo(r, t);
    shield.lineTo(r, t + (b - t) * 0.5);
    shield.quadTo(r, t + (b - t) * 0.85, (l + r) / 2, b);
    shield.quadTo(l, t + (b - t) * 0.85, l, t + (b - t) * 0.5);
    shield.closeSubpath();
    p.setPen(QPen(QColor(0xFF, 0xCC, 0x00), 3));
    p.setBrush(QColor(0xCC, 0xCC, 0xCC));
    p.drawPath(shield);
    p.setPen(QPen(QColor(0x99, 0x99, 0x99), 3));
    const double crossTop = language.empty() ? t + 48 : t + 6;
    p.drawLine(QPointF((l + r) / 2, crossTop), QPointF((l + r) / 2, b - 8));
    p.drawLine(QPointF(l + 6, t + (b - t) * 0.62), QPointF(r - 6, t + (b - t) * 0.62));
    if (language.empty()) {
        // The word, and the same word in Latin letters above it.
        write(p, sign.words, QRectF(l, t + 3, r - l, 13), QStringLiteral("ARMOR"), face(language, 11),
              QColor(0xFF, 0xFF, 0xFF));
        write(p, sign.words, QRectF(l, t + 17, r - l, 28), QStringLiteral("防具"), face(language, 24),
              QColor(0xCC, 0x00, 0x00));
    } else {
        // A ribbon across the shield, below "buy" and between "sell" and
        // "back", with the word.
        QPainterPath ribbon;
        ribbon.moveTo(44, 103);
        ribbon.lineTo(162, 103);
        ribbon.lineTo(156, 111);
        ribbon.lineTo(162, 119);
        ribbon.lineTo(44, 119);
        ribbon.lineTo(50, 111);
        ribbon.closeSubpath();
        p.setPen(QPen(QColor(0x99, 0x66, 0x00), 1));
        p.setBrush(QColor(0xFF, 0xCC, 0x00));
        p.drawPath(ribbon);
        write(p, sign.words, QRectF(50, 103, 106, 16), QStringLiteral("ARMOUR"), face(language, 14),
              QColor(0x99, 0x00, 0x00));
    }
    return sign;
}

} // namespace

std::vector<SignPicture> signPictures(const std::string &language) {
    return {smallWeaponSign(language), armourSign(language), largeWeaponSign(language)};
}

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

} // namespace vermona::generators
