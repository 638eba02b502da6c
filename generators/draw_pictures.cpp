// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the game's shop signs into a folder (assets/ in the source tree),
// the Japanese ones there and each other language's in a folder of its own:
//
//   vermona-pictures assets        writes assets/*.bmp and assets/en/*.bmp
//
// Each is an uncompressed 8-bit bitmap with a 256-colour palette. Everything
// is drawn without antialiasing in colours of that palette, so the result
// depends only on the generator's sources and the installed fonts (IPA P
// Gothic for Japanese, DejaVu Sans for Latin letters).
#include "generators/sign_pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdlib>
#include <iostream>

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
    for (const char *language : {"", "en"}) {
        const QString dir = *language == '\0' ? folder : folder + "/" + language;
        if (!QDir().mkpath(dir)) {
            std::cerr << "vermona-pictures: cannot make " << dir.toStdString() << '\n';
            return 1;
        }
        for (const vermona::generators::SignPicture &picture : vermona::generators::signPictures(language)) {
            const QString path = dir + "/" + QString::fromStdString(picture.file);
            if (!vermona::generators::writeBmp(vermona::generators::indexed(picture.image),
                                               QFile::encodeName(path).toStdString())) {
                std::cerr << "vermona-pictures: cannot write " << path.toStdString() << '\n';
                return 1;
            }
        }
    }
    return 0;
}
