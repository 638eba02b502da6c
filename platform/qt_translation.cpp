// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_translation.h"

#include <algorithm>
#include <climits>
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
    return findWording(Wording{japanese, {}, std::nullopt});
}

std::optional<std::string> QtTranslation::findWording(const Wording &wording) const {
    const std::string sense(wording.sense);
    // Qt counts in an int; -1 asks for no plural form.
    const int n = wording.count ? static_cast<int>(std::clamp<Var::Int>(*wording.count, 0, INT_MAX)) : -1;
    const QString found = catalogue_.translate(kContext, std::string(wording.japanese).c_str(),
                                               sense.empty() ? nullptr : sense.c_str(), n);
    if (found.isEmpty()) {
        return std::nullopt;
    }
    return found.toStdString();
}

std::string QtTranslation::code() const { return catalogue_.language().toStdString(); }

} // namespace vermona::platform
