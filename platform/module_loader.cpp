// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/module_loader.h"

#include "platform/application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <string>

namespace vermona::platform {

QStringList modulePaths(const char *installedRelative, const char *built) {
    return {
        QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" + QString::fromUtf8(installedRelative)),
        QString::fromUtf8(built)};
}

QFunctionPointer loadModuleFunction(const QStringList &paths, const char *symbol, const char *what,
                                    const char *consequence) {
    QStringList errors;
    for (const QString &path : paths) {
        if (!QFileInfo::exists(path)) {
            continue;
        }
        auto *library = new QLibrary(path);
        if (QFunctionPointer f = library->resolve(symbol)) {
            return f;
        }
        errors << library->errorString();
        delete library;
    }
    warn("no " + std::string(what) + " module (" +
         (errors.isEmpty() ? paths.join(", ") : errors.join("; ")).toStdString() + "); " + consequence);
    return nullptr;
}

} // namespace vermona::platform
