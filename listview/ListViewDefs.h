// Constants and small helpers shared by the list view's source files.
#pragma once

#include <windows.h>

#include <cstdint>

#include "NavListViewEx.h"
#include "kit/StoredText.h"
#include "listview/Scroller.h"

namespace listview {

constexpr const WCHAR* kClassName = TEXT("NAV_LIST_VIEW_WND");

constexpr int kDropInsetLeft = 22;    // px, drop-down rows area inset
constexpr int kDropInsetRight = 22;   // px
constexpr int kDropInsetBottom = 23;  // px
constexpr int kFrameCorner = 22;      // px, nine-part frame of the drop-down list
constexpr int kPageBarHeight = 44;    // px
constexpr int kPageEndWidth = 106;    // px, left and right page buttons
constexpr int kPageMiddleWidth = 108; // px, the middle button's picture
constexpr int kIndicatorWidth = 8;    // px

constexpr int kArrowWidth = 28;          // px per arrow picture
constexpr COLORREF kMagenta = 0x00FF00FF;
constexpr COLORREF kBorderColor = 0x005D92C7;

// The top row's bottom edge in client coordinates: a stored 0 stands for a whole top row, as
// itemHeight does (starting from 0 itself would draw nothing when the top row is the last one).
inline int TopRowBottom(int firstRowBottom, int itemHeight)
{
    return firstRowBottom == 0 ? itemHeight : firstRowBottom;
}

}  // namespace listview
