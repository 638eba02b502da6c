// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/text.h"

#include <array>
#include <utility>

namespace vermona {

namespace {

std::string digits(Var::Int n, bool fullWidth) {
    std::string plain = std::to_string(n);
    if (!fullWidth) {
        return plain;
    }
    // kept in Japanese: digits, not words
    static constexpr std::array kFullWidth{"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    std::string out;
    for (char c : plain) {
        out += c >= '0' && c <= '9' ? kFullWidth[static_cast<std::size_t>(c - '0')] : std::string(1, c);
    }
    return out;
}

} // namespace

Text::Text(std::string japanese) {
    if (!japanese.empty()) {
        pieces_.push_back(Piece{std::move(japanese), true, {}});
    }
}

Text Text::verbatim(std::string text) {
    Text t;
    if (!text.empty()) {
        t.pieces_.push_back(Piece{std::move(text), false, {}});
    }
    return t;
}

Text &Text::add(Arg arg) {
    if (pieces_.empty()) {
        pieces_.push_back(Piece{});
    }
    pieces_.back().args.push_back(std::move(arg));
    return *this;
}

Text &Text::arg(Var::Int number) { return add(Arg{Arg::Kind::Number, number, nullptr}); }

Text &Text::fullWidthArg(Var::Int number) { return add(Arg{Arg::Kind::FullWidthNumber, number, nullptr}); }

Text &Text::arg(const Text &text) { return add(Arg{Arg::Kind::Text, 0, std::make_shared<const Text>(text)}); }

Text &Text::operator+=(const Text &other) {
    pieces_.insert(pieces_.end(), other.pieces_.begin(), other.pieces_.end());
    return *this;
}

std::string Text::in(const Translation *language) const {
    const bool fullWidth = language == nullptr || language->fullWidthDigits();
    std::string out;
    for (const Piece &piece : pieces_) {
        std::string wording = piece.wording;
        if (piece.translated && language != nullptr) {
            if (std::optional<std::string> found = language->find(piece.wording)) {
                wording = std::move(*found);
            }
        }
        // %1 .. %9 become the arguments, wherever the wording puts them.
        for (std::size_t i = 0; i < wording.size(); ++i) {
            const char next = i + 1 < wording.size() ? wording[i + 1] : '\0';
            if (wording[i] != '%' || next < '1' || next > '9') {
                out += wording[i];
                continue;
            }
            if (const auto n = static_cast<std::size_t>(next - '1'); n < piece.args.size()) {
                const Arg &a = piece.args[n];
                out += a.kind == Arg::Kind::Text
                           ? a.text->in(language)
                           : digits(a.number, a.kind == Arg::Kind::FullWidthNumber && fullWidth);
            }
            ++i;
        }
    }
    return out;
}

std::vector<std::string> Text::sources() const {
    std::vector<std::string> out;
    for (const Piece &piece : pieces_) {
        if (piece.translated) {
            out.push_back(piece.wording);
        }
        for (const Arg &a : piece.args) {
            if (a.text) {
                for (std::string &s : a.text->sources()) {
                    out.push_back(std::move(s));
                }
            }
        }
    }
    return out;
}

} // namespace vermona
