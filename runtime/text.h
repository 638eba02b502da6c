// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/var.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vermona {

// The player's language, as whoever draws the game knows it: the wording of
// each text the game makes. A text it does not know stays as made.
class Translation {
public:
    virtual ~Translation() = default;
    // The wording of a text as the game makes it (its Japanese, with %1,
    // %2 ... where its numbers go); nothing when there is none.
    [[nodiscard]] virtual std::optional<std::string> find(std::string_view japanese) const = 0;
    // Full-width digits are part of the Japanese way of writing a number.
    [[nodiscard]] virtual bool fullWidthDigits() const { return false; }
};

// A text the player sees. It is made in Japanese, as the game is designed,
// and keeps how it was made: each piece is a whole sentence with %1, %2 ...
// for its numbers, so that it can be shown in another language as a whole,
// numbers and all. Pieces made from a file (a name) are shown as they are.
class Text {
public:
    Text() = default;
    // A text of the game's own. NOLINTNEXTLINE(google-explicit-constructor): every caption is one
    Text(const char *japanese) : Text(std::string(japanese)) {}
    // NOLINTNEXTLINE(google-explicit-constructor): texts held in variables
    Text(std::string japanese);
    // Shown as it is in every language: a name from a file, a language's own name.
    static Text verbatim(std::string text);

    // The lowest %N not yet filled, in the last piece, becomes the number,
    // in full-width digits where the language writes them so.
    Text &arg(Var::Int number);
    Text &fullWidthArg(Var::Int number);
    // ... or another text, shown in the same language.
    Text &arg(const Text &text);

    // The pieces side by side.
    Text &operator+=(const Text &other);
    friend Text operator+(Text a, const Text &b) { return a += b; }

    // As the game makes it: the Japanese.
    [[nodiscard]] std::string japanese() const { return in(nullptr); }
    // In a language; null: Japanese.
    [[nodiscard]] std::string in(const Translation *language) const;
    [[nodiscard]] bool empty() const { return pieces_.empty(); }
    // The wordings a translation is asked for, in order.
    [[nodiscard]] std::vector<std::string> sources() const;

    // Two texts are the same when they read the same in Japanese.
    bool operator==(const Text &other) const { return japanese() == other.japanese(); }

private:
    struct Arg {
        enum class Kind { Number, FullWidthNumber, Text } kind = Kind::Number;
        Var::Int number = 0;
        std::shared_ptr<const Text> text;
    };
    struct Piece {
        std::string wording;
        bool translated = true;
        std::vector<Arg> args;
    };
    Text &add(Arg arg);

    std::vector<Piece> pieces_;
};

} // namespace vermona
