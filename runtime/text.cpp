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

// Part `index` of a '|'-divided wording; empty when it has fewer parts.
std::string partOf(const std::string &wording, int index) {
    std::size_t begin = 0;
    for (int i = 0; i < index; ++i) {
        begin = wording.find('|', begin);
        if (begin == std::string::npos) {
            return {};
        }
        ++begin;
    }
    const std::size_t end = wording.find('|', begin);
    return wording.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

} // namespace

Text::Text(std::string japanese) {
    if (!japanese.empty()) {
        last().wording = std::move(japanese);
    }
}

Text Text::verbatim(std::string text) {
    Text t;
    if (!text.empty()) {
        Piece &p = t.last();
        p.wording = std::move(text);
        p.translated = false;
    }
    return t;
}

Text Text::meaning(std::string wording, std::string sense) {
    Text t(std::move(wording));
    t.last().sense = std::move(sense);
    return t;
}

Text::Piece &Text::last() {
    if (pieces_.empty()) {
        pieces_.push_back(Piece{});
    }
    return pieces_.back();
}

Text &Text::add(Arg arg) {
    last().args.push_back(std::move(arg));
    return *this;
}

Text &Text::count(const Var &value) {
    Piece &p = last();
    p.count = value.get();
    p.countShown = value.text();
    return *this;
}

Text &Text::part(int index) {
    last().part = index;
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
            if (std::optional<std::string> found =
                    language->findWording(Wording{piece.wording, piece.sense, piece.count})) {
                wording = std::move(*found);
            }
        }
        if (piece.part >= 0) {
            wording = partOf(wording, piece.part);
        }
        // %1 .. %9 become the arguments, and %n the count, wherever the
        // wording puts them.
        for (std::size_t i = 0; i < wording.size(); ++i) {
            const char next = i + 1 < wording.size() ? wording[i + 1] : '\0';
            if (wording[i] == '%' && next == 'n' && piece.count) {
                out += piece.countShown;
                ++i;
                continue;
            }
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

bool Text::madeAs(const Text &other) const {
    if (pieces_.size() != other.pieces_.size()) {
        return false;
    }
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        const Piece &a = pieces_[i];
        const Piece &b = other.pieces_[i];
        if (a.wording != b.wording || a.translated != b.translated || a.sense != b.sense ||
            a.count != b.count || a.countShown != b.countShown || a.part != b.part ||
            a.args.size() != b.args.size()) {
            return false;
        }
        for (std::size_t j = 0; j < a.args.size(); ++j) {
            const Arg &x = a.args[j];
            const Arg &y = b.args[j];
            if (x.kind != y.kind || x.number != y.number ||
                (x.kind == Arg::Kind::Text && !x.text->madeAs(*y.text))) {
                return false;
            }
        }
    }
    return true;
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
