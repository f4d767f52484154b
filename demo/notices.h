// The status line's wording: the last notification received, as message, ids and text.
#pragma once

#include <NavListViewEx.h>

#include "text.h"

namespace demo {

struct Notice {
    Text headline;  // message and ids
    Text detail;    // what it means here
};

Text Number(long value);
// A row's first text on one line (a two-line entry's line feed becomes a space).
Text OneLine(const WCHAR* text, int length = NAVLV_TEXT_LEN);

Notice ItemNotice(WPARAM wParam, const tagNAVLVITME& item, const Text& what);
Notice PageScrollNotice(WPARAM wParam, const Text& what);
// `codeName`: what the notification code means for this sender ("CBN_SELCHANGE", "BN_CLICKED").
Notice CommandNotice(WPARAM wParam, const Text& what, const Text& codeName = Text());

// A key the screen itself answers: the message it came in and the key ("WM_CHAR", "'m'").
Notice KeyNotice(const Text& message, const Text& key, const Text& what);

}  // namespace demo
