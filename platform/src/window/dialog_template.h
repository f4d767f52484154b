// Reading DLGTEMPLATE and DLGTEMPLATEEX blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

namespace wincore {

// A class or menu field of a template: either an ordinal or a string.
struct NameOrOrdinal {
    WORD ordinal = 0;
    std::u16string name;
    bool IsEmpty() const { return ordinal == 0 && name.empty(); }
};

struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect = {0, 0, 0, 0};  // dialog units: x, y, x + cx, y + cy
    DWORD id = 0;
    NameOrOrdinal windowClass;
    NameOrOrdinal title;
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect = {0, 0, 0, 0};  // dialog units
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::u16string title;
    bool hasFont = false;
    WORD pointSize = 0;
    WORD weight = FW_NORMAL;
    bool italic = false;
    std::u16string face;
    std::vector<DialogItem> items;
};

// Parses `size` bytes at `data`; false when the block is truncated or malformed.
bool ParseDialogTemplate(const uint8_t* data, size_t size, DialogTemplate& out);

}  // namespace wincore
