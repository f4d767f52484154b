#include "text/text_fixture.h"

ScopedFont::ScopedFont(const char16_t* face, LONG height, LONG weight, BYTE charSet)
{
    LOGFONTW logFont = {};
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    logFont.lfCharSet = charSet;
    for (int i = 0; face[i] && i < LF_FACESIZE - 1; i++) logFont.lfFaceName[i] = face[i];
    font_ = CreateFontIndirectW(&logFont);
}

ScopedFont::~ScopedFont()
{
    EXPECT_TRUE(DeleteObject(font_));
}

Canvas::Canvas(int width, int height, HFONT font) : width_(width), height_(height)
{
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(dc_, width, height);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    oldFont_ = font ? SelectObject(dc_, font) : nullptr;
    Clear();
}

Canvas::~Canvas()
{
    if (oldFont_) SelectObject(dc_, oldFont_);
    SelectObject(dc_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void Canvas::Clear(COLORREF color)
{
    RECT all = {0, 0, width_, height_};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

RECT Canvas::Ink(COLORREF background) const
{
    return InkWithin({0, 0, width_, height_}, background);
}

RECT Canvas::InkWithin(const RECT& area, COLORREF background) const
{
    RECT ink = {INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int y = area.top; y < area.bottom; y++) {
        for (int x = area.left; x < area.right; x++) {
            if (At(x, y) == background) continue;
            ink.left = std::min<LONG>(ink.left, x);
            ink.top = std::min<LONG>(ink.top, y);
            ink.right = std::max<LONG>(ink.right, x + 1);
            ink.bottom = std::max<LONG>(ink.bottom, y + 1);
        }
    }
    return HasInk(ink) ? ink : RECT{0, 0, 0, 0};
}

std::vector<COLORREF> Canvas::Pixels() const
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height_; y++)
        for (int x = 0; x < width_; x++) pixels.push_back(At(x, y));
    return pixels;
}

bool HasInk(const RECT& ink)
{
    return ink.right > ink.left && ink.bottom > ink.top;
}

std::u16string Repeat(const std::u16string& text, int times)
{
    std::u16string out;
    for (int i = 0; i < times; i++) out += text;
    return out;
}

SIZE Extent(HDC dc, const std::u16string& text)
{
    SIZE size = {-1, -1};
    EXPECT_TRUE(GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size));
    return size;
}
