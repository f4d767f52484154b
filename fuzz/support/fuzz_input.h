// One fuzz input read as a sequence of small decisions; an exhausted input reads as zeros.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Empty() const { return offset_ >= size_; }
    uint8_t Byte() { return Empty() ? 0 : data_[offset_++]; }
    bool Bool() { return Byte() & 1; }
    uint16_t Word() { const uint16_t low = Byte(); return uint16_t(low | Byte() << 8); }
    // A value in lo..hi, both included.
    int Range(int lo, int hi) { return lo + int(Word() % (unsigned(hi - lo) + 1)); }
    uint32_t Colour() { const uint32_t red = Byte(), green = Byte(), blue = Byte(); return red | green << 8 | blue << 16; }
    // At lo..hi, up to maxWidth x maxHeight; a braced list reads its decisions in order on any compiler.
    struct Box {
        int x, y, width, height;
        RECT Rect() const { return RECT{x, y, x + width, y + height}; }
    };
    Box Place(int xLo, int xHi, int yLo, int yHi, int maxWidth, int maxHeight)
    {
        return Box{Range(xLo, xHi), Range(yLo, yHi), Range(0, maxWidth), Range(0, maxHeight)};
    }
    // Up to `maxLength` units: mostly letters and digits, now and then any unit at all.
    std::u16string Text(int maxLength)
    {
        std::u16string text;
        for (int length = Range(0, maxLength); length > 0; length--) {
            uint8_t c = Byte();
            text.push_back(c < 0xF0 ? char16_t(u'0' + c % 75) : char16_t(Word()));
        }
        return text;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
};
