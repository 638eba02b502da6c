// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace vermona::platform {

// Where the program's own files are: beside the executable in a build tree,
// or in the data folder of an installation.
QStringList assetFolders();
// The first of assetFolders() that holds name; empty when none does.
QString findAsset(const QString &name);

// A picture as a language shows it: its version in the language's folder
// (en/NAME) where there is one, else the picture itself; each beside the
// working directory first, then among the program's assets. Empty when
// there is none.
QString findPicture(const QString &name, const QString &language);

// True when the executable runs from an installation (its data folder is
// there) and folder lies inside that installation's prefix.
bool insideInstallation(const QString &folder);

} // namespace vermona::platform
