// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace vermona::platform {

// A view that plays the file, or only shows its first frame, from the movie
// module, which is loaded on the first call. Null when the module cannot be
// loaded; the reason goes to stderr once.
QWidget *makeMovieView(QWidget *parent, const QString &file, bool play);

// True once the module is loaded; never loads it.
bool movieModuleLoaded();

} // namespace vermona::platform
