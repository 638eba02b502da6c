// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon: the scalable SVG and the PNG sizes of the hicolor
// theme, from one list of shapes so that every size shows the same picture.
//   vermona-icon-generator OUTDIR
// writes OUTDIR/scalable/apps/ID.svg and OUTDIR/NxN/apps/ID.png.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <cstdio>
#include <vector>

namespace {

constexpr const char *kIconName = "org.vermona.Vermona";
constexpr int kUnits = 256; // the drawing's own coordinate range

// One closed shape: its outline as SVG path text (M, L, Q and Z only, with
// absolute coordinates), its fill and an optional outline.
struct Shape {
    const char *path;
    const char *fill;
    const char *stroke; // nullptr: none
    double strokeWidth;
};

const std::vector<Shape> &shapes() {
    static const std::vector<Shape> list = {
        // a night-blue tile
        {"M56 16 L200 16 Q240 16 240 56 L240 200 Q240 240 200 240 L56 240 Q16 240 16 200 L16 56 Q16 16 56 16 "
         "Z",
         "#2b3a67", nullptr, 0},
        // a gold shield with a red field
        {"M128 40 L204 68 L200 140 Q192 198 128 224 Q64 198 56 140 L52 68 Z", "#d9a441", "#6b4510", 8},
        {"M128 62 L184 82 L181 138 Q175 182 128 202 Q81 182 75 138 L72 82 Z", "#b3262e", nullptr, 0},
        // a sword across it: blade, guard, grip and pommel
        {"M120 70 L128 30 L136 70 L136 176 L120 176 Z", "#eef2f7", "#55606e", 4},
        {"M88 160 L168 160 L168 176 L88 176 Z", "#6b4510", nullptr, 0},
        {"M122 176 L134 176 L134 208 L122 208 Z", "#3d2a12", nullptr, 0},
        {"M128 204 Q142 204 142 216 Q142 228 128 228 Q114 228 114 216 Q114 204 128 204 Z", "#d9a441",
         "#6b4510", 3},
    };
    return list;
}

QPainterPath toPath(const QString &text) {
    QPainterPath path;
    const QStringList tokens = text.split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i < tokens.size();) {
        const QString t = tokens[i];
        auto num = [&](int k) { return tokens[i + k].toDouble(); };
        auto cmd = t.at(0);
        // A command letter stands glued to its first number: "M56".
        if (cmd == 'Z') {
            path.closeSubpath();
            ++i;
            continue;
        }
        const double x = t.mid(1).toDouble();
        if (cmd == 'M') {
            path.moveTo(x, num(1));
            i += 2;
        } else if (cmd == 'L') {
            path.lineTo(x, num(1));
            i += 2;
        } else if (cmd == 'Q') {
            path.quadTo(x, num(1), num(2), num(3));
            i += 4;
        } else {
            std::fprintf(stderr, "bad path command %s\n", qPrintable(t));
            std::exit(1);
        }
    }
    return path;
}

bool writeSvg(const QString &file) {
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    QTextStream s(&out);
    s << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kUnits << "\" height=\"" << kUnits
      << "\" viewBox=\"0 0 " << kUnits << ' ' << kUnits << "\">\n";
    for (const Shape &shape : shapes()) {
        s << "  <path d=\"" << shape.path << "\" fill=\"" << shape.fill << '"';
        if (shape.stroke != nullptr) {
            s << " stroke=\"" << shape.stroke << "\" stroke-width=\"" << shape.strokeWidth
              << "\" stroke-linejoin=\"round\"";
        }
        s << "/>\n";
    }
    s << "</svg>\n";
    return true;
}

QImage drawPng(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(size) / kUnits, double(size) / kUnits);
    for (const Shape &shape : shapes()) {
        const QPainterPath path = toPath(QString::fromLatin1(shape.path));
        p.fillPath(path, QColor(QString::fromLatin1(shape.fill)));
        if (shape.stroke != nullptr) {
            QPen pen{QColor(QString::fromLatin1(shape.stroke)), shape.strokeWidth};
            pen.setJoinStyle(Qt::RoundJoin);
            p.strokePath(path, pen);
        }
    }
    return image;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vermona-icon-generator OUTDIR\n");
        return 2;
    }
    const QString outdir = QString::fromLocal8Bit(argv[1]);
    const QString svgDir = outdir + "/scalable/apps";
    if (!QDir().mkpath(svgDir) || !writeSvg(svgDir + "/" + kIconName + ".svg")) {
        std::fprintf(stderr, "cannot write the SVG icon in %s\n", qPrintable(svgDir));
        return 1;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outdir).arg(size);
        if (!QDir().mkpath(dir) || !drawPng(size).save(dir + "/" + kIconName + ".png")) {
            std::fprintf(stderr, "cannot write the %dpx icon in %s\n", size, qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
