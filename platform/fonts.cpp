// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts.h"

#include <QFontDatabase>
#include <map>

namespace vermona::platform {

namespace {

std::string &defaultFaceName() {
    static std::string face;
    return face;
}

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

void installFontSubstitutions(const std::vector<FaceSubstitution> &faces, const std::string &defaultFace) {
    for (const FaceSubstitution &f : faces) {
        QFont::insertSubstitutions(QString::fromStdString(f.face), f.installed);
    }
    defaultFaceName() = defaultFace;
}

QFont toQFont(const Font &font) {
    QFont f(installedFace(font.face.empty() ? defaultFaceName() : font.face));
    f.setPointSizeF(font.points);
    f.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    return f;
}

} // namespace vermona::platform
