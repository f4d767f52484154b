// The demo's pictures: its map, the screen's bars and panels, and its icons and bitmaps.
#pragma once

#include "surface.h"

#include <cstdint>

namespace demoart {

// 800 x 480, opaque: streets, blocks, a river, a park and the route.
artgen::Surface drawCityMap();

// 800 x 480 with alpha, laid over the map: the bars, the list's frosted panel, the trip box.
artgen::Surface drawChrome();

// Strips of square icons (keyed bitmaps): list places, pop-up menu and sliding panel items
// (two per item: normal, then hot).
artgen::Surface drawPlaceIcons();
artgen::Surface drawPopupIcons();
artgen::Surface drawPanelIcons();

// The sliding panel's skin with its title strip and close button.
artgen::Surface drawPanelSkin();
// The bottom bar's menu button, normal and pressed side by side.
artgen::Surface drawMenuButton();
// The travel-mode selector's frame and the item pictures that fill its middle field.
artgen::Surface drawModeFrame();
artgen::Surface drawModeItem(int mode);

// Colours the keyed pictures sit on.
namespace matte {
constexpr uint32_t Bar = 0x18212b;
constexpr uint32_t Panel = 0x262e39;
constexpr uint32_t Gold = 0xf5bb3c;
constexpr uint32_t Frosted = 0xf4f6f8;
constexpr uint32_t Glass = 0xd8ecf7;
constexpr uint32_t Map = 0xeeeae2;
}  // namespace matte

}  // namespace demoart
