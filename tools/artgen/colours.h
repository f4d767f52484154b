// The palette every picture draws from, as 0xRRGGBB.
#pragma once

#include <cstdint>

namespace artgen::colour {

// Charcoal and slate: frames, bars, the sliding panel.
constexpr uint32_t Ink = 0x161b22;
constexpr uint32_t Slate = 0x343d4a;
constexpr uint32_t FrameBorder = 0x3a4a5d;
constexpr uint32_t SoftBorder = 0x8fa3b8;

// Blue accents.
constexpr uint32_t BlueWhite = 0xf2f8fe;
constexpr uint32_t BlueFaint = 0xe2eefa;
constexpr uint32_t BlueLight = 0xbcd9f3;
constexpr uint32_t BlueSoft = 0x8cbae6;
constexpr uint32_t BlueMid = 0x5a93cf;
constexpr uint32_t BlueDeep = 0x2f67a8;
constexpr uint32_t BlueNavy = 0x1c4b8c;
constexpr uint32_t BlueIcon = 0xd3e5f7;

// The pop-up menu's glass tint.
constexpr uint32_t MenuTint = 0xcdedff;
constexpr uint32_t MenuRim = 0x8fc0e8;

// Signal colours.
constexpr uint32_t Orange = 0xf39422;
constexpr uint32_t OrangeDark = 0xb85a0a;
constexpr uint32_t OrangeDeep = 0xc4560c;
constexpr uint32_t Red = 0xdc2f26;
constexpr uint32_t RedDark = 0x8c150f;
constexpr uint32_t Green = 0x2fae52;
constexpr uint32_t GreenDark = 0x1b7a35;

// Gold of the sliding menu's highlight.
constexpr uint32_t GoldPale = 0xfff0c2;
constexpr uint32_t GoldLight = 0xffdf85;
constexpr uint32_t Gold = 0xf5bb3c;
constexpr uint32_t GoldDeep = 0xd9921a;
constexpr uint32_t GoldRim = 0x96600a;

// Neutral greys for disabled and clear states.
constexpr uint32_t White = 0xffffff;
constexpr uint32_t GreyPale = 0xf3f4f6;
constexpr uint32_t Grey = 0xb9bfc6;
constexpr uint32_t GreyMid = 0x9ba2ab;
constexpr uint32_t GreyDark = 0x6f7782;

}  // namespace artgen::colour
