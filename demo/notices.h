// The status line's wording: the last notification received, as message, ids and text.
#pragma once

#include <string>

#include <NavListViewEx.h>

namespace demo {

struct Notice {
    std::u16string headline;  // message and ids
    std::u16string detail;    // what it means here
};

std::u16string Number(long value);
// A row's first text on one line (a two-line entry's line feed becomes a space).
std::u16string OneLine(const WCHAR* text, int length = NAVLV_TEXT_LEN);

Notice ItemNotice(WPARAM wParam, const tagNAVLVITME& item, const std::u16string& what);
Notice PageScrollNotice(WPARAM wParam, const std::u16string& what);
// `codeName`: what the notification code means for this sender ("CBN_SELCHANGE", "BN_CLICKED").
Notice CommandNotice(WPARAM wParam, const std::u16string& what, const std::u16string& codeName = std::u16string());

// A key the screen itself answers: the message it came in and the key ("WM_CHAR", "'m'").
Notice KeyNotice(const std::u16string& message, const std::u16string& key, const std::u16string& what);

}  // namespace demo
