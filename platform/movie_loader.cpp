#include "platform/movie_loader.h"

#include "platform/module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace vermona::platform {

namespace {

using MakeView = QWidget *(*)(QWidget *, const QString &, bool);

QStringList modulePaths() {
    QStringList paths;
#ifdef VERMONA_INSTALL_MODULE_REL
    // An installed game has its module in its library folder.
    paths << QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" +
                             QStringLiteral(VERMONA_INSTALL_MODULE_REL));
#endif
#ifdef VERMONA_MOVIE_MODULE_BUILD
    paths << QStringLiteral(VERMONA_MOVIE_MODULE_BUILD);
#endif
    return paths;
}

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
            loadModuleFunction(modulePaths(), "vermonaMakeMoviePlayer", "movie player", "movies stay empty"));
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
