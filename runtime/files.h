// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vermona {

// The two kinds of file work the game does itself: reading a whole small
// file safely, and replacing a file so that a reader never sees it half
// written.

enum class ReadFault {
    None,
    Missing,    // no file
    Unreadable, // cannot be opened or read, or not a regular file
    TooLarge,   // longer than the limit (only when asked to fail on that)
};

// What to do with a file longer than the limit.
enum class Overflow {
    Fail,     // TooLarge, and no text
    KeepHead, // the first maxBytes bytes, as if the file ended there
};

// Reads the regular file at path into text, at most maxBytes of it. The open
// does not block, so a pipe or device in the file's place cannot hang the
// caller; anything but a regular file is Unreadable.
ReadFault readWholeFile(const std::string &path, std::size_t maxBytes, std::string &text,
                        Overflow overflow = Overflow::Fail);

// Writes text as the file at path so that a reader sees either the old file
// or the complete new one: the text goes to a temporary file beside it, which
// is flushed to disk and then renamed over the old file. Returns 0 or the
// errno of the step that failed; on failure the old file is untouched and the
// temporary file is gone.
int writeFileAtomically(const std::string &path, std::string_view text);

// Removes the temporaries that writeFileAtomically left beside path when its
// process was killed between writing and renaming: only files named as it
// names them, only regular files, and only those whose process no longer
// runs.
void removeStaleTemporaries(const std::string &path);

} // namespace vermona
