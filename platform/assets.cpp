// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/assets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vermona::platform {

namespace {

// The installed data folder, relative to the installed executable.
QString installedDataFolder() {
#ifdef VERMONA_INSTALL_DATA_REL
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" +
                           QStringLiteral(VERMONA_INSTALL_DATA_REL));
#else
    return {};
#endif
}

bool isInstalled() {
    const QString data = installedDataFolder();
    return !data.isEmpty() && QFileInfo(data).isDir();
}

bool within(const QString &folder, const QString &root) {
    const QString f = QFileInfo(folder).canonicalFilePath();
    const QString r = QFileInfo(root).canonicalFilePath();
    return !f.isEmpty() && !r.isEmpty() && (f == r || f.startsWith(r + "/"));
}

} // namespace

QStringList assetFolders() {
    QStringList folders;
    if (isInstalled()) {
        folders << installedDataFolder();
    }
    folders << QCoreApplication::applicationDirPath() + "/assets";
#ifdef VERMONA_ASSET_DIR
    // A build tree finds the committed files in the sources.
    if (!isInstalled()) {
        folders << QStringLiteral(VERMONA_ASSET_DIR);
    }
#endif
    return folders;
}

QString findAsset(const QString &name) {
    for (const QString &folder : assetFolders()) {
        QString path = folder + "/" + name;
        if (QFileInfo::exists(path)) {
            return path;
        }
    }
    return {};
}

QString findPicture(const QString &name, const QString &language) {
    if (name.isEmpty()) {
        return {};
    }
    const bool relative = QFileInfo(name).isRelative();
    QStringList candidates;
    if (!language.isEmpty() && relative) {
        candidates << language + "/" + name;
    }
    candidates << name;
    for (const QString &candidate : candidates) {
        if (QFileInfo::exists(candidate)) {
            return candidate;
        }
        if (relative) {
            if (QString shipped = findAsset(candidate); !shipped.isEmpty()) {
                return shipped;
            }
        }
    }
    return {};
}

bool insideInstallation(const QString &folder) {
    if (!isInstalled()) {
        return false;
    }
    // The prefix is the folder above the executable's (PREFIX/bin).
    return within(folder, QCoreApplication::applicationDirPath() + "/..");
}

} // namespace vermona::platform
