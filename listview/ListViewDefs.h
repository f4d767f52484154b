// Constants and small helpers shared by the list view's source files.
#pragma once

#include <windows.h>

#include <cstdint>

#include "NavListViewEx.h"
#include "listview/Scroller.h"

namespace listview {

constexpr const WCHAR* kClassName = TEXT("NAV_LIST_VIEW_WND");
constexpr int kDropDownMode = 100;
constexpr int kOrdinaryMode = -1;

constexpr int kDropInsetLeft = 22;    // px, drop-down rows area inset
constexpr int kDropInsetRight = 22;   // px
constexpr int kDropInsetBottom = 23;  // px
constexpr int kFrameCorner = 22;      // px, nine-part frame of the drop-down list
constexpr int kPageBarHeight = 44;    // px
constexpr int kPageEndWidth = 106;    // px, left and right page buttons
constexpr int kPageMiddleWidth = 108; // px, the middle button's picture
constexpr int kIndicatorWidth = 8;    // px

constexpr UINT kPageBarPicture = 129;    // "PNG" IDR_PAGE_BAR
constexpr UINT kListFramePicture = 127;  // "PNG" IDR_LIST_FRAME
constexpr UINT kCheckOnBitmap = 106;     // IDB_CHECK_ON
constexpr UINT kCheckOffBitmap = 105;    // IDB_CHECK_OFF
constexpr UINT kArrowBitmap = 128;       // IDB_LIST_ARROW
constexpr int kArrowWidth = 28;          // px per arrow picture
constexpr COLORREF kMagenta = 0x00FF00FF;
constexpr COLORREF kBorderColor = 0x005D92C7;

// Number of units of a text field, which holds no terminator when it is full.
int FieldLength(const WCHAR* field);
// Stores `text` into a field, keeping at most NAVLV_TEXT_LEN units.
void StoreText(WCHAR* field, const WCHAR* text);

}  // namespace listview
