// Drawing one row: selection gradient, check box, image or host-drawn cell, three texts, arrow.
#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "kit/Offscreen.h"
#include "listview/ListViewDefs.h"

using namespace listview;

namespace {

constexpr UINT kTextFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

// Centres something `size` high in the row when it fits, else puts it at the row's top.
int CentredTop(int top, int bottom, int size)
{
    return (bottom - size) - top > 0 ? top + ((bottom - size) - top) / 2 : top;
}

}  // namespace

void NavListViewEx::DrawItem(HDC dc, RECT row, tagNAVLVITME item)
{
    const bool selected = item.index == curSel;
    // DC state the host's callback finds on the selected row.
    std::optional<kit::MadeSelection> highlightBrush;
    COLORREF oldTextColor = 0;
    if (selected) {
        highlightBrush.emplace(dc, CreateSolidBrush(selBkColor));
        oldTextColor = SetTextColor(dc, 0x00FFFFFF - textColor);
        DrawHighlight(dc, row);
    }

    int cursor = DrawCheckBox(dc, row, item);
    RECT image = DrawImageCell(dc, row, cursor, item);
    const int x = image.right + 1;
    const int top = row.top, bottom = row.bottom, half = (bottom - top) / 2;
    const bool hasThird = item.text3[0] != 0;

    int length1 = kit::FieldLength(item.text1, NAVLV_TEXT_LEN);
    SIZE extent = {0, 0};
    HGDIOBJ oldFont = hFonts[0] ? SelectObject(dc, hFonts[0]) : nullptr;
    GetTextExtentExPointW(dc, item.text1, length1, 0, nullptr, nullptr, &extent);
    if (oldFont) SelectObject(dc, oldFont);
    const int width1 = extent.cx;

    RECT band = {x, top, row.right, bottom};
    const WCHAR* lineFeed = std::find(item.text1, item.text1 + length1, WCHAR('\n'));
    if (hasThird) {
        band.bottom = top + half;
        DrawItemText(dc, 0, item.text1, length1, band, item.textColor[0]);
    } else if (lineFeed != item.text1 + length1) {
        int before = int(lineFeed - item.text1);
        DrawItemText(dc, 0, item.text1, before, RECT{x, top, row.right, top + half}, item.textColor[0]);
        band = {x, top + half, row.right, top + 2 * half};
        DrawItemText(dc, 0, lineFeed + 1, length1 - before - 1, band, item.textColor[0]);
    } else {
        DrawItemText(dc, 0, item.text1, length1, band, item.textColor[0]);
    }

    band.left = x + width1 + 5;
    DrawItemText(dc, 1, item.text2, kit::FieldLength(item.text2, NAVLV_TEXT_LEN), band, item.textColor[1]);
    DrawItemText(dc, 2, item.text3, kit::FieldLength(item.text3, NAVLV_TEXT_LEN), RECT{x, top + half, row.right, bottom},
                 item.textColor[2]);
    DrawArrow(dc, row, selected);

    if (selected) SetTextColor(dc, oldTextColor);
}

// A one-pixel column, white at both ends and selBkColor in the middle, stretched over the row.
void NavListViewEx::DrawHighlight(HDC dc, const RECT& row)
{
    int h = (row.bottom - 1) - (row.top + 2);
    if (h < 1) return;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[1];
    } info = {};
    info.header.biSize = sizeof info;  // 44: the block, not the bare header
    info.header.biWidth = 1;
    info.header.biHeight = h;
    info.header.biPlanes = 1;
    info.header.biBitCount = 24;
    info.header.biCompression = BI_RGB;
    std::vector<BYTE> pixels(size_t(4) * h, 0);
    const double red = GetRValue(selBkColor), green = GetGValue(selBkColor), blue = GetBValue(selBkColor);
    for (int i = 0; i <= h / 2; i++) {
        double t = (double(i) * 2.0) / double(h);
        BYTE value[3] = {BYTE(blue * t + (1.0 - t) * 255.0), BYTE(green * t + (1.0 - t) * 255.0),
                         BYTE(red * t + (1.0 - t) * 255.0)};
        std::memcpy(&pixels[size_t(4) * i], value, 3);
        std::memcpy(&pixels[size_t(4) * (h - 1 - i)], value, 3);
    }
    SetStretchBltMode(dc, HALFTONE);
    StretchDIBits(dc, row.left, row.top + 2, row.right - row.left, h, 0, 0, 1, h, pixels.data(),
                  reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
}

int NavListViewEx::DrawCheckBox(HDC dc, const RECT& row, const tagNAVLVITME& item)
{
    if (!checkBoxMode) return row.left;
    HBITMAP bitmap = (item.state & NAVLV_STATE_CHECKED) ? hCheckedBmp : hUncheckedBmp;
    if (!bitmap) return row.left;
    BITMAP size = {};
    GetObjectW(bitmap, sizeof size, &size);
    int y = CentredTop(row.top, row.bottom, size.bmHeight);
    TransparentImage(dc, row.left + 1, y, size.bmWidth, size.bmHeight, bitmap, 0, 0, size.bmWidth, size.bmHeight,
                     kMagenta);
    return row.left + 1 + size.bmWidth;
}

RECT NavListViewEx::DrawImageCell(HDC dc, const RECT& row, int cursor, tagNAVLVITME& item)
{
    int y = CentredTop(row.top, row.bottom, imageSize.cy);
    RECT cell = {cursor + 1, y, cursor + 1, row.bottom};
    if (hImageList && item.image != -1) {
        cell.right = cursor + 1 + imageSize.cx;
        ImageList_Draw(hImageList, item.image, dc, cursor + 1, y, ILD_TRANSPARENT);
    } else if (pfnDrawCallback) {
        cell.right = cursor + 1 + imageSize.cx;
        pfnDrawCallback(dc, &cell, &item);
    }
    return cell;
}

void NavListViewEx::DrawItemText(HDC dc, int which, const WCHAR* text, int length, RECT band, COLORREF color)
{
    HGDIOBJ oldFont = hFonts[which] ? SelectObject(dc, hFonts[which]) : nullptr;
    COLORREF oldColor = SetTextColor(dc, color);
    if (length > 0) DrawTextW(dc, text, length, &band, kTextFlags);
    SetTextColor(dc, oldColor);
    if (oldFont) SelectObject(dc, oldFont);
}

void NavListViewEx::DrawArrow(HDC dc, const RECT& row, bool selected)
{
    if (rightArrow != 1 || !hArrowImages) return;
    int cx = 0, cy = 0;
    ImageList_GetIconSize(hArrowImages, &cx, &cy);
    int y = (row.bottom - row.top) - cy > 0 ? row.top + ((row.bottom - row.top) - cy) / 2 : row.top;
    ImageList_Draw(hArrowImages, selected ? 1 : 0, dc, row.right - cx, y, ILD_TRANSPARENT);
}
