// DIALOG and DIALOGEX statements and the templates (DLGTEMPLATE, DLGTEMPLATEEX) they compile to.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cursor.h"
#include "script.h"

namespace rc {

constexpr uint32_t kStyleCaption = 0x00C00000;  // WS_CAPTION
constexpr uint32_t kStyleSetFont = 0x00000040;  // DS_SETFONT
constexpr uint32_t kStyleChild = 0x40000000;    // WS_CHILD
constexpr uint32_t kStyleVisible = 0x10000000;  // WS_VISIBLE
// What a dialog without a STYLE statement gets: WS_POPUP | WS_BORDER | WS_SYSMENU.
constexpr uint32_t kDefaultDialogStyle = 0x80880000;

struct DialogFont {
    uint16_t pointSize = 0;
    uint16_t weight = 0;
    uint8_t italic = 0;
    uint8_t charset = 1;  // DEFAULT_CHARSET
    std::u16string face;
};

struct DialogControl {
    ResourceId text;  // a string, or an ordinal (an icon or bitmap id)
    uint32_t id = 0;
    ResourceId windowClass;  // a predefined class atom (0x80..0x85) or a class name
    uint32_t style = 0;
    uint32_t exStyle = 0;
    uint32_t helpId = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
};

struct Dialog {
    bool extended = false;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    uint32_t helpId = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    ResourceId menu;
    ResourceId windowClass;
    std::u16string caption;
    std::optional<DialogFont> font;
    std::vector<DialogControl> controls;
};

// Parses what follows the DIALOG or DIALOGEX keyword.
Dialog ParseDialog(Cursor& cursor, bool extended);

// The template in the binary layout Win32 reads.
std::vector<uint8_t> DialogTemplate(const Dialog& dialog);

}  // namespace rc
