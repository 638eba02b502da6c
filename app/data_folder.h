// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace vermona::app {

// The player's own data folder: vermona in the XDG data location.
QString userDataFolder();

// Makes folder the working directory: creates it, and puts a copy of the
// shipped name.txt there when it has none. Returns an error text, empty on
// success.
QString useDataFolder(const QString &folder);

// The working directory the game should use, decided at start: the player's
// data folder when started from the desktop entry (--desktop) or when the
// working directory lies inside the installation, so a save can never go
// there; otherwise the working directory as it is. Returns an error text,
// empty on success.
QString chooseWorkingDirectory(bool fromDesktop);

// Keeps other copies of the game out of the working directory while this
// one plays there, so two games never write the same save. Null when a
// running copy holds it; the lock of a copy that died is taken over at once.
// A folder where no lock can be made (read-only) is not guarded.
std::unique_ptr<QLockFile> lockWorkingDirectory();

} // namespace vermona::app
