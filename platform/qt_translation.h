// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/text.h"

#include <QString>
#include <QTranslator>
#include <memory>

namespace vermona::platform {

// The game's texts in a language, from a Qt catalogue (.qm) whose sources
// are the texts' Japanese wordings, all in one context.
class QtTranslation : public Translation {
public:
    static constexpr const char *kContext = "vermona";

    // Null when the file cannot be loaded.
    static std::shared_ptr<QtTranslation> load(const QString &file);

    [[nodiscard]] std::optional<std::string> find(std::string_view japanese) const override;
    // A sense is the message's disambiguation, and the count picks among its
    // plural forms (numerusform); a sense the catalogue does not know finds
    // the plain wording.
    [[nodiscard]] std::optional<std::string> findWording(const Wording &wording) const override;
    // The catalogue's language ("en").
    [[nodiscard]] std::string code() const override;
    // The catalogue, for installing on the application as well, so Qt's own
    // translate() and its LanguageChange events reach windows drawn by Qt
    // code alone.
    [[nodiscard]] QTranslator &catalogue() { return catalogue_; }

private:
    QTranslator catalogue_;
};

} // namespace vermona::platform
