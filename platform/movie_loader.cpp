// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/movie_loader.h"

#include "platform/module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace vermona::platform {

namespace {

using MakeView = QWidget *(*)(QWidget *, const QString &, bool);

struct Module {
    bool tried = false;
    MakeView make = nullptr;
};

Module &state() {
    static Module m;
    return m;
}

Module &module() {
    Module &m = state();
    if (!m.tried) {
        m.tried = true;
        m.make = reinterpret_cast<MakeView>(
            loadModuleFunction(modulePaths(VERMONA_INSTALL_MODULE_REL, VERMONA_MOVIE_MODULE_BUILD),
                               "vermonaMakeMoviePlayer", "movie player", "movies stay empty"));
    }
    return m;
}

} // namespace

QWidget *makeMovieView(QWidget *parent, const QString &file, bool play) {
    MakeView make = module().make;
    return make != nullptr ? make(parent, file, play) : nullptr;
}

bool movieModuleLoaded() { return state().make != nullptr; }

} // namespace vermona::platform
