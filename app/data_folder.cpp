// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/data_folder.h"

#include "platform/assets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace vermona::app {

// The generic data folder and the program's name: the same folder whatever
// organisation name the application carries, so saves never move.
QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/" +
           QCoreApplication::applicationName();
}

QString useDataFolder(const QString &folder) {
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return QStringLiteral("cannot create the data folder %1").arg(folder);
    }
    const QString names = folder + "/name.txt";
    if (!QFileInfo::exists(names)) {
        const QString shipped = platform::findAsset(QStringLiteral("name.txt"));
        // A missing entrant list is no reason not to start; the tournament
        // copes with it.
        if (!shipped.isEmpty()) {
            QFile::copy(shipped, names);
            QFile(names).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                        QFile::ReadOther);
        }
    }
    if (!QDir::setCurrent(folder)) {
        return QStringLiteral("cannot work in the data folder %1").arg(folder);
    }
    return {};
}

QString chooseWorkingDirectory(bool fromDesktop) {
    if (fromDesktop || platform::insideInstallation(QDir::currentPath())) {
        return useDataFolder(userDataFolder());
    }
    return {};
}

std::unique_ptr<QLockFile> lockWorkingDirectory() {
    auto lock = std::make_unique<QLockFile>(QStringLiteral("vermona.lock"));
    // Held for as long as the game runs: never stale by age, only when the
    // process that wrote it is gone.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0) || lock->error() != QLockFile::LockFailedError) {
        return lock;
    }
    return nullptr;
}

} // namespace vermona::app
