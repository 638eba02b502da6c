#include "platform/fonts.h"

#include "data/game_screen.h"

#include <QFontDatabase>
#include <QStringList>
#include <map>
#include <string>

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

namespace {

// The first installed face of those the design's name stands for, looked up
// once per name. Asked for by a name that no font has, or by a list of
// names, Qt searches fontconfig's fallbacks at every font load, which cost
// more at start-up than the whole rest of the title window.
QString installedFace(const std::string &design) {
    static std::map<std::string, QString> resolved;
    auto it = resolved.find(design);
    if (it == resolved.end()) {
        const QString name = QString::fromStdString(design);
        QString face = name;
        for (const QString &candidate : QFont::substitutes(name)) {
            if (QFontDatabase::hasFamily(candidate)) {
                face = candidate;
                break;
            }
        }
        it = resolved.emplace(design, face).first;
    }
    return it->second;
}

} // namespace

QFont toQFont(const Font &font) {
    QFont f(installedFace(font.face.empty() ? std::string(kGothic) : font.face));
    f.setPointSizeF(font.points);
    f.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    return f;
}

} // namespace vermona::platform
