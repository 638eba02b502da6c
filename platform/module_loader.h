// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>
#include <QStringList>

namespace vermona::platform {

// Where a module may be: in the installation's library folder (relative to
// the executable), then where this build tree made it.
QStringList modulePaths(const char *installedRelative, const char *built);

// The function `symbol` from the first of the modules at `paths` that has
// it. The module stays loaded for the life of the program, since what it
// makes outlives any scope here. Null when none has it; the reason goes to
// stderr: no `what` module, and the `consequence`.
QFunctionPointer loadModuleFunction(const QStringList &paths, const char *symbol, const char *what,
                                    const char *consequence);

} // namespace vermona::platform
