// Painting: resources, the three kinds of background, the rows, the scroll indicator and the
// page-scroll bar, all composed off screen and copied to the target in one BitBlt.
#include "frame/Module.h"
#include "frame/NavImage.h"
#include "kit/Backdrop.h"
#include "kit/FocusCue.h"
#include "kit/NinePart.h"
#include "kit/Offscreen.h"
#include "listview/ListViewDefs.h"
#include "resources/resource.h"

using namespace listview;

namespace {

void FillSolid(HDC dc, const RECT& rect, COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

}  // namespace

// The rows area (inset for the drop-down frame, above the page-scroll bar) and the bar's strip
// along the client area's bottom; returns the client area.
RECT NavListViewEx::LayOutAreas()
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(hWnd, &client);
    listRect = client;
    if (listMode == NAVLV_MODE_DROPDOWN) {
        listRect.left += kDropInsetLeft;
        listRect.right -= kDropInsetRight;
        listRect.bottom -= kDropInsetBottom;
    }
    if (pageScrollEnabled) listRect.bottom -= kPageBarHeight;
    pageBarRect = {client.left, client.bottom - kPageBarHeight, client.right, client.bottom};
    return client;
}

void NavListViewEx::InitialResource()
{
    if (!hWnd) return;
    CopyDCFromWnd(hParent);
    LayOutAreas();
    pageSize = (listRect.bottom - listRect.top) / itemHeight;

    HINSTANCE module = GetModuleInstance();
    if (!hBorderPen) hBorderPen = CreatePen(PS_SOLID, 1, kBorderColor);
    if (!hCheckedBmp) hCheckedBmp = LoadBitmapW(module, MAKEINTRESOURCEW(IDB_CHECK_ON));
    if (!hUncheckedBmp) hUncheckedBmp = LoadBitmapW(module, MAKEINTRESOURCEW(IDB_CHECK_OFF));
    if (!hArrowImages)
        hArrowImages = ImageList_LoadImageW(module, MAKEINTRESOURCEW(IDB_LIST_ARROW), kArrowWidth, 0, kMagenta,
                                            IMAGE_BITMAP, 0);
    pPageBarImage.Reset();
    pPageBarImage = new CNavImage;
    if (!pPageBarImage->LoadFromResource(IDR_PAGE_BAR, module, TEXT("PNG"))) pPageBarImage.Reset();
}

int NavListViewEx::CopyDCFromWnd(HWND hwnd)
{
    if (listMode != NAVLV_MODE_DROPDOWN) return 0;
    ReleaseSnapshot();
    kit::Backdrop snapshot;
    kit::CaptureBackdrop(snapshot, hwnd, wndRect);
    hSnapshotDC = snapshot.dc;
    hSnapshotBmp = snapshot.bitmap;
    hSnapshotOldBmp = snapshot.displaced;
    snapshotFresh = 1;
    return 1;
}

void NavListViewEx::OnPaint(HDC dc, RECT*)
{
    if (!dc) return;
    const RECT client = LayOutAreas();

    int width = client.right - client.left, height = client.bottom - client.top;
    kit::OffscreenPicture memory(dc, width, height);
    PaintBackground(memory.dc, client);
    PaintRows(memory.dc);
    PaintIndicator(memory.dc);
    // The keyboard's cue frames the rows area of an ordinary list; a drop-down list's keys are its combo box's.
    if (listMode == NAVLV_MODE_LIST && focusCue->Shown(hWnd)) kit::FocusCue::Draw(memory.dc, listRect);

    int copyHeight = height;
    if (pageScrollEnabled && pageBarRedraw == 1) {
        DrawPageSrcoll(memory.dc, pageBarRect);
    } else if (pageScrollEnabled) {
        pageBarRedraw = 1;
        copyHeight -= kPageBarHeight;  // the bar on screen keeps its picture while the rows move
    }
    BitBlt(dc, client.left, client.top, width, copyHeight, memory.dc, 0, 0, SRCCOPY);
}

void NavListViewEx::PaintBackground(HDC dc, const RECT& client)
{
    if (listMode == NAVLV_MODE_LIST) {
        if (solidBk == 1) {
            FillSolid(dc, client, bkColor);
        } else if (solidBk == 0) {
            RECT rect;
            GetWindowRect(hWnd, &rect);
            MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rect), 2);
            SendMessageW(hParent, WM_NAVLV_PAINTBK, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(&rect));
        }
        return;
    }
    if (listMode != NAVLV_MODE_DROPDOWN) return;
    int width = wndRect.right - wndRect.left, height = wndRect.bottom - wndRect.top;
    if (hSnapshotDC) BitBlt(dc, 0, 0, width, height, hSnapshotDC, 0, 0, SRCCOPY);
    if (snapshotFresh != 1) return;
    // The frame is merged into the snapshot once; later paints start from the framed copy.
    CNavImage frame;
    if (frame.LoadFromResource(IDR_LIST_FRAME, GetModuleInstance(), TEXT("PNG")))
        kit::DrawNinePart(frame, dc, client, kFrameCorner);
    frame.Unload();
    if (hSnapshotDC) BitBlt(hSnapshotDC, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    snapshotFresh = 0;
}

void NavListViewEx::PaintRows(HDC dc)
{
    visibleRows.clear();
    lastIndex = topIndex;
    // Rows are laid out in client coordinates and clipped to the rows area, so that a row cut off
    // at the bottom stays off the page-scroll bar and the drop-down frame.
    IntersectClipRect(dc, listRect.left, listRect.top, listRect.right, listRect.bottom);
    HGDIOBJ oldPen = SelectObject(dc, hBorderPen ? static_cast<HGDIOBJ>(hBorderPen) : GetStockObject(BLACK_PEN));

    int count = int(items.size());
    int y = TopRowBottom(firstRowBottom, itemHeight);
    int drawn = 0;
    while (!(y > listRect.bottom || y < 0 || lastIndex >= count)) {
        if (itemBorder == 1) DrawSeparator(dc, y);
        if (drawn == 0 && itemBorder == 1) DrawSeparator(dc, y - itemHeight);
        PaintRow(dc, topIndex + drawn, y);
        lastIndex = topIndex + drawn;
        drawn++;
        if (y == listRect.bottom || lastIndex == count - 1) break;
        y += itemHeight;
    }
    bottomGap = listRect.bottom - y;
    // The row cut off by the bottom edge; when it is the top row (an area shorter than a row) it
    // takes the top separator that every top row has.
    if (y > listRect.bottom && topIndex + drawn < count) {
        if (drawn == 0 && itemBorder == 1) DrawSeparator(dc, y - itemHeight);
        PaintRow(dc, topIndex + drawn, y);
        lastIndex = topIndex + drawn;
        drawn++;
    }
    pageSize = drawn;

    SelectObject(dc, oldPen);
    SelectClipRgn(dc, nullptr);
}

void NavListViewEx::DrawSeparator(HDC dc, int y)
{
    MoveToEx(dc, listRect.left, y, nullptr);
    LineTo(dc, listRect.right, y);
}

void NavListViewEx::PaintRow(HDC dc, int position, int bottom)
{
    RECT row = {listRect.left, bottom - itemHeight, listRect.right, bottom};
    tagNAVLVITME copy = items[position];
    copy.index = position;
    copy.rect = row;
    visibleRows.push_back(copy);
    DrawItem(dc, row, copy);
}

void NavListViewEx::PaintIndicator(HDC dc)
{
    int count = int(items.size());
    if (!(pageSize < count && scrollBarVisible == 1 && scrollBarEnabled == 1)) return;
    int areaHeight = listRect.bottom - listRect.top, h = itemHeight;
    // 64-bit products: a long list (100,000 rows of 60 px) overflows 32 bits here.
    int64_t content = int64_t(count) * h;
    int len = int(float(double(areaHeight) / double(content)) * float(areaHeight));
    int64_t range = content - areaHeight;
    int64_t offset = std::min<int64_t>(int64_t(topIndex + 1) * h - firstRowBottom, range);
    // A list that no longer overflows its area (range 0) keeps the thumb at the top.
    int pos = range > 0 ? int(double((areaHeight - len) * offset) / double(range)) : 0;
    if (pos < 0) pos = 0;
    RECT thumb = {listRect.right - kIndicatorWidth, listRect.top + pos, listRect.right, listRect.top + pos + len};
    FillRect(dc, &thumb, static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
}

void NavListViewEx::DrawPageSrcoll(HDC dc, RECT bar)
{
    if (!dc || !pPageBarImage) return;
    const int l = bar.left, t = bar.top, r = bar.right, b = bar.bottom;
    pageButtons[0].rc = {l, t, l + kPageEndWidth, b};
    pageButtons[1].rc = {r - kPageEndWidth, t, r, b};
    pageButtons[2].rc = {l + kPageEndWidth, t, r - kPageEndWidth, b};
    const int w = pPageBarImage->GetWidth();
    pPageBarImage->DrawStretch(dc, l, t, kPageEndWidth, kPageBarHeight, kPageEndWidth * pageButtons[0].state, 0,
                               kPageEndWidth, kPageBarHeight);
    pPageBarImage->DrawStretch(dc, r - kPageEndWidth, t, kPageEndWidth, kPageBarHeight,
                               w - 3 * kPageEndWidth + kPageEndWidth * pageButtons[1].state, 0, kPageEndWidth,
                               kPageBarHeight);
    pPageBarImage->DrawStretch(dc, l + kPageEndWidth, t, (r - kPageEndWidth) - (l + kPageEndWidth), b - t,
                               3 * kPageEndWidth + kPageMiddleWidth * pageButtons[2].state, 0, kPageMiddleWidth,
                               kPageBarHeight);
}

int NavListViewEx::OnPaintEx(HDC dc)
{
    if (!dc) return 0;
    RECT rect;
    if (!GetWindowRect(hWnd, &rect)) return 0;  // no window: nothing to place
    MapWindowPoints(nullptr, GetParent(hWnd), reinterpret_cast<POINT*>(&rect), 2);
    RECT client = {0, 0, 0, 0};
    GetClientRect(hWnd, &client);
    kit::OffscreenPicture memory(dc, client.right, client.bottom);
    if (!memory.Ready()) return 0;  // larger than any bitmap: nothing painted
    // The host's picture keeps no page-scroll bar from an earlier paint, so the bar is always
    // drawn; the window's own skip-once state is left for its next paint.
    const BOOL barRedraw = pageBarRedraw;
    pageBarRedraw = 1;
    OnPaint(memory.dc, nullptr);
    pageBarRedraw = barRedraw;
    BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, memory.dc, 0, 0, SRCCOPY);
    return 1;
}
