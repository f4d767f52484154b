// Where everything sits on the demo's 800 x 480 screen. Plain numbers, so that the artwork
// generator (tools/demoart) draws the bars and panels exactly where the demo puts its controls.
#pragma once

namespace layout {

struct Box {
    int left, top, right, bottom;
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
};

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 480;

constexpr Box kTopBar{0, 0, 800, 48};
constexpr Box kBottomBar{0, 420, 800, 480};

// Destinations: five 62-pixel rows above the 44-pixel page-scroll bar.
constexpr int kRowHeight = 62;
constexpr Box kList{10, 58, 350, 58 + 5 * kRowHeight + 44};

// The map shows freely right of the list, between the bars.
constexpr Box kMapArea{360, 48, 800, 420};

constexpr Box kTitle{14, 0, 220, 48};
constexpr Box kStatus{226, 2, 534, 46};
constexpr Box kRouteCombo{540, 3, 792, 45};
constexpr int kRouteComboRows = 6;

constexpr Box kMenuButton{10, 429, 122, 471};
constexpr Box kZoomBox{132, 429, 384, 471};
constexpr Box kModeBox{394, 429, 634, 471};
constexpr int kModePassWidth = 44;
constexpr Box kTripInfo{646, 424, 792, 476};

// The sliding panel rises from the bottom bar over the list.
constexpr Box kPanel{10, 112, 250, 420};
constexpr Box kPanelClose{196, 8, 232, 44};  // in the panel's own coordinates
constexpr int kPanelTitleHeight = 52;

constexpr int kPlaceIconSize = 36;
constexpr int kMenuIconSize = 24;

}  // namespace layout
