// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_state.h"
#include "data/screen_ids.h"
#include "runtime/game.h"
#include "runtime/screen.h"

#include <string>
#include <string_view>
#include <utility>

namespace vermona {

// The design's font names; the front end maps them to installed fonts. The
// proportional gothic is the program's default face.
inline constexpr const char *kGothic = "ＭＳ Ｐゴシック"; // kept in Japanese: a font name, never shown
inline constexpr const char *kMincho = "ＭＳ Ｐ明朝";     // kept in Japanese: a font name, never shown
// What a screen reader is told of a control that does nothing when pressed.
inline constexpr const char *kDoesNothing = "押しても何も起こらない";
inline constexpr const char *kReisho = "麗流隷書"; // kept in Japanese: a font name, never shown

// A screen of this game: the runtime's screen with the game's variables at
// hand, as every handler reads and writes them.
class GameScreen : public Screen {
protected:
    GameScreen(Game &game, std::string_view id, Text caption, int clientWidth, int clientHeight,
               Rgb background)
        : Screen(game, id, std::move(caption), clientWidth, clientHeight, background), s(stateOf(game)) {}

    GameState &s;
};

} // namespace vermona
