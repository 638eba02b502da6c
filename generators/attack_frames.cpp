// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the frames of the attack video, KOUGEKI.AVI, as PNG files
// frame00.png, frame01.png ... into a folder:
//
//   vermona-attack-frames FOLDER
//
// A sword stroke sweeps across the opponent, the blow lands in a flash and
// a burst of sparks, and the sparks fade: 24 frames, 1.6 s at 15 frames a
// second. The README gives the ffmpeg command that packs them.
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QtMath>
#include <iostream>

namespace {

constexpr int kWidth = 412; // the battle screen's video area, in pixels
constexpr int kHeight = 160;
constexpr int kFrames = 24;
constexpr int kStrokeEnd = 8; // frames of the sword stroke
constexpr int kFlashEnd = 14; // then the blow lands
const QPointF kTarget(300, 86);

void drawArena(QPainter &p) {
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(0x10, 0x10, 0x40));
    sky.setColorAt(0.7, QColor(0x50, 0x28, 0x60));
    p.fillRect(0, 0, kWidth, kHeight, sky);
    p.fillRect(0, 124, kWidth, kHeight - 124, QColor(0x5A, 0x40, 0x28));
    p.setPen(QPen(QColor(0x3A, 0x28, 0x18), 2));
    for (int x = -40; x < kWidth; x += 36) {
        p.drawLine(QPointF(x, kHeight), QPointF(x + 24, 124));
    }
}

// The opponent: a dark figure on the right, shaken and reddened by a blow.
void drawOpponent(QPainter &p, double shake, double hurt) {
    const QColor body = QColor::fromRgbF(0.15F + 0.7F * static_cast<float>(hurt), 0.12F, 0.18F);
    p.save();
    p.translate(shake, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(QPointF(300, 52), 14, 14);
    QPainterPath torso;
    torso.moveTo(282, 68);
    torso.lineTo(318, 68);
    torso.lineTo(326, 124);
    torso.lineTo(274, 124);
    torso.closeSubpath();
    p.drawPath(torso);
    p.drawRect(QRectF(262, 72, 12, 40));
    p.drawRect(QRectF(326, 72, 12, 40));
    p.restore();
}

// The stroke: a bright arc from the upper left down through the opponent,
// drawn up to progress (0..1) with a fading trail.
void drawStroke(QPainter &p, double progress) {
    const QRectF arc(21, 31, 318, 318); // centred below the opponent's left
    constexpr double kFrom = 75;        // degrees, counter-clockwise from three o'clock
    constexpr double kSpan = -90;
    constexpr double kPiece = kSpan / 12;
    const double head = kFrom + kSpan * progress;
    for (int i = 0; i < 8; ++i) {
        const double start = head - kPiece * (i + 1);
        if ((start - kFrom) * kSpan < 0) {
            break; // the trail begins where the stroke began
        }
        p.setPen(QPen(QColor(255, 250, 220 - i * 20, 255 - i * 28), 9.0 - i, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(arc, qRound(start * 16), qRound(kPiece * 16));
    }
}

QPolygonF star(QPointF centre, double outer, double inner, int points, double turn) {
    QPolygonF shape;
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = turn + M_PI * i / points;
        shape << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return shape;
}

void drawImpact(QPainter &p, double t) { // t: 0..1 over the flash
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 0, 230));
    p.drawPolygon(star(kTarget, 20 + 50 * t, 8 + 16 * t, 8, t));
    p.setBrush(QColor(255, 240, 120, 240));
    p.drawPolygon(star(kTarget, 10 + 30 * t, 5 + 10 * t, 8, 0.4 + t));
    // The whole picture whitens at the blow and clears again.
    p.fillRect(0, 0, kWidth, kHeight, QColor(255, 255, 255, qRound(200 * (1 - t))));
}

void drawSparks(QPainter &p, double t) { // t: 0..1 as they fly and fade
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        const double a = 2 * M_PI * i / 12 + 0.2;
        const double r = 30 + 90 * t + 8 * (i % 3);
        const QPointF at = kTarget + QPointF(r * std::cos(a), 0.6 * r * std::sin(a));
        p.setBrush(QColor(255, 200 - 10 * (i % 4), 60, qRound(255 * (1 - t))));
        p.drawEllipse(at, 4 * (1 - t) + 1, 4 * (1 - t) + 1);
    }
}

QImage frame(int n) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawArena(p);
    if (n < kStrokeEnd) {
        drawOpponent(p, 0, 0);
        drawStroke(p, (n + 1) / static_cast<double>(kStrokeEnd));
    } else if (n < kFlashEnd) {
        const double t = (n - kStrokeEnd) / static_cast<double>(kFlashEnd - kStrokeEnd - 1);
        drawOpponent(p, (n % 2 == 0 ? 5 : -5) * (1 - t), 1);
        drawImpact(p, t);
    } else {
        const double t = (n - kFlashEnd) / static_cast<double>(kFrames - kFlashEnd - 1);
        drawOpponent(p, 0, 1 - t);
        drawSparks(p, t);
    }
    return image;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::cerr << "usage: vermona-attack-frames FOLDER\n";
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::cerr << "vermona-attack-frames: cannot create " << argv[1] << '\n';
        return 1;
    }
    for (int n = 0; n < kFrames; ++n) {
        const QString file = QStringLiteral("%1/frame%2.png").arg(folder).arg(n, 2, 10, QChar('0'));
        if (!frame(n).save(file, "PNG")) {
            std::cerr << "vermona-attack-frames: cannot write " << file.toStdString() << '\n';
            return 1;
        }
    }
    return 0;
}
