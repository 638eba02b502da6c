#include "platform/fonts.h"

#include <QStringList>

namespace vermona::platform {

namespace {

// Whatever Japanese face is installed, so a missing font still leaves the
// texts readable. Without an explicit list Qt falls back to a fixed-width
// gothic, which spreads the proportional captions out of their boxes.
const QStringList kJapaneseFallbacks = {"IPAPGothic",  "IPAGothic",         "Noto Sans CJK JP",
                                        "VL PGothic",  "TakaoPGothic",      "Droid Sans Fallback",
                                        "IPAexGothic", "Source Han Sans JP"};

QStringList withFallbacks(QStringList preferred) {
    for (const QString &f : kJapaneseFallbacks) {
        if (!preferred.contains(f)) {
            preferred.append(f);
        }
    }
    return preferred;
}

} // namespace

void installFontSubstitutions() {
    QFont::insertSubstitutions(QString::fromUtf8(kGothic), withFallbacks({"IPAPGothic"}));
    QFont::insertSubstitutions(QString::fromUtf8(kMincho),
                               withFallbacks({"IPAPMincho", "IPAMincho", "Noto Serif CJK JP"}));
    // A brush face for the hero set-up heading; a mincho reads closest when
    // no brush font is installed.
    QFont::insertSubstitutions(
        QString::fromUtf8(kReisho),
        withFallbacks({"KouzanBrushFont", "AoyagiKouzanFontT", "IPAPMincho", "IPAMincho"}));
}

QFont toQFont(const Font &font) {
    QFont f(QString::fromStdString(font.face));
    f.setPointSizeF(font.points);
    f.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    return f;
}

} // namespace vermona::platform
