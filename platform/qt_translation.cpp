// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_translation.h"

#include <string>

namespace vermona::platform {

std::shared_ptr<QtTranslation> QtTranslation::load(const QString &file) {
    auto t = std::make_shared<QtTranslation>();
    if (!t->catalogue_.load(file)) {
        return nullptr;
    }
    return t;
}

std::optional<std::string> QtTranslation::find(std::string_view japanese) const {
    const QString found = catalogue_.translate(kContext, std::string(japanese).c_str());
    if (found.isEmpty()) {
        return std::nullopt;
    }
    return found.toStdString();
}

} // namespace vermona::platform
