// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/var.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vermona {

// A wording as a translation is asked for it: its Japanese; the sense it is
// meant in where the same Japanese reads as two different words in another
// language (empty: its one sense); and, for a wording with %n, the number it
// counts, so the language can choose its plural form.
struct Wording {
    std::string_view japanese;
    std::string_view sense;
    std::optional<Var::Int> count;
};

// The player's language, as whoever draws the game knows it: the wording of
// each text the game makes. A text it does not know stays as made.
class Translation {
public:
    virtual ~Translation() = default;
    // The wording of a text as the game makes it (its Japanese, with %1,
    // %2 ... where its numbers go); nothing when there is none.
    [[nodiscard]] virtual std::optional<std::string> find(std::string_view japanese) const = 0;
    // The same in its sense and plural form; a language that knows neither
    // finds the plain wording.
    [[nodiscard]] virtual std::optional<std::string> findWording(const Wording &wording) const {
        return find(wording.japanese);
    }
    // The language's code ("en"), by which its pictures and its layout are
    // found; empty when it has none.
    [[nodiscard]] virtual std::string code() const { return {}; }
    // Full-width digits are part of the Japanese way of writing a number.
    [[nodiscard]] virtual bool fullWidthDigits() const { return false; }
};

// A text the player sees. It is made in Japanese, as the game is designed,
// and keeps how it was made: each piece is a whole sentence with %1, %2 ...
// for its numbers, so that it can be shown in another language as a whole,
// numbers and all. Pieces made from a file (a name) are shown as they are.
//
// A sentence that the design spreads over a group of labels is one wording
// whose parts, one per label, are divided by '|' ("次回開催は|%n|日後です。");
// each label shows its part(), so a translation words the sentence as a whole
// and still gives every label its own part.
class Text {
public:
    Text() = default;
    // A text of the game's own. NOLINTNEXTLINE(google-explicit-constructor): every caption is one
    Text(const char *japanese) : Text(std::string(japanese)) {}
    // NOLINTNEXTLINE(google-explicit-constructor): texts held in variables
    Text(std::string japanese);
    // Shown as it is in every language: a name from a file, a language's own name.
    static Text verbatim(std::string text);
    // A wording meant in one of its senses, where another language words the
    // same Japanese in two ways ("攻撃力" on the menu is the hero's strength,
    // in battle his attack). The sense is a few plain words.
    static Text meaning(std::string wording, std::string sense);

    // The lowest %N not yet filled, in the last piece, becomes the number,
    // in full-width digits where the language writes them so.
    Text &arg(Var::Int number);
    Text &fullWidthArg(Var::Int number);
    // ... or another text, shown in the same language.
    Text &arg(const Text &text);
    // The %n of the last piece becomes the value (an empty one shows as
    // nothing), and the language words the piece in its plural form for it.
    Text &count(const Var &value);
    // Only part `index` of the last piece's '|'-divided wording is shown.
    Text &part(int index);

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
    // Made the same way: the same wordings, senses, counts, parts and
    // numbers, so they read the same in every language.
    [[nodiscard]] bool madeAs(const Text &other) const;

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
        std::string sense;
        std::optional<Var::Int> count; // of a wording with %n
        std::string countShown;        // what %n shows
        int part = -1;                 // of a '|'-divided wording; -1: all of it
    };
    Piece &last();
    Text &add(Arg arg);

    std::vector<Piece> pieces_;
};

} // namespace vermona
