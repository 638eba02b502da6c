#pragma once

#include <QLibrary>
#include <QStringList>

namespace vermona::platform {

// The function `symbol` from the first of the modules at `paths` that has
// it. The module stays loaded for the life of the program, since what it
// makes outlives any scope here. Null when none has it; the reason goes to
// stderr: no `what` module, and the `consequence`.
QFunctionPointer loadModuleFunction(const QStringList &paths, const char *symbol, const char *what,
                                    const char *consequence);

} // namespace vermona::platform
