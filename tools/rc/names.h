// Pieces shared by every resource statement: names and memory options.
#pragma once

#include "cursor.h"
#include "script.h"

namespace rc {

// An integer id (a number or expression, 1..65535) or a string name, which rc stores upper-case.
ResourceId ParseResourceName(Cursor& cursor, const char* what);

// Accepts and ignores PRELOAD, DISCARDABLE and the other 16-bit memory options.
void SkipMemoryOptions(Cursor& cursor);

}  // namespace rc
