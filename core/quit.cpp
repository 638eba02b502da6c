#include "core/quit.h"

namespace vermona {

bool confirmQuit(Game & /*game*/) { return true; }

} // namespace vermona
