// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vermona {

// The entrant-name file, read from the working directory for every table.
inline constexpr const char *kNameFileName = "name.txt";
inline constexpr int kNameCount = 8;
// Eight names fit in far less; the rest of a larger file is never looked at.
inline constexpr std::size_t kNameFileReadLimit = std::size_t{64} * 1024;
// A name longer than this is cut: it has to fit a row header.
inline constexpr std::size_t kNameMaxChars = 32;

// The first eight fields of the file's bytes, each as UTF-8. Fields are
// separated by commas or line breaks (CR, LF or CRLF); a field in double
// quotes runs to the next double quote, commas and breaks included, and
// loses its quotes; blanks around an unquoted field are dropped; an empty
// unquoted field ended by a line break (a blank line, a comma at a line's
// end) is no field. A field that is not valid UTF-8 is read as Shift_JIS.
std::vector<std::string> parseEntrantNames(std::string_view bytes);

// The names in the file at path, or nothing when it cannot be read (missing,
// not a regular file). Reads at most kNameFileReadLimit bytes.
std::optional<std::vector<std::string>> readEntrantNameFile(const std::string &path);

// Exposed for tests.
bool isValidUtf8(std::string_view bytes);
// Undecodable bytes become U+FFFD.
std::string shiftJisToUtf8(std::string_view bytes);

} // namespace vermona
