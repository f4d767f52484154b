#include "scene.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include <wincore/host.h>

#include "NavCtrlMessages.h"

namespace bench {

namespace {

constexpr const WCHAR* kOwnerClass = TEXT("RKNavBenchOwner");

const RowText kRows[kRowKinds] = {
    {u"City Hospital", u"1.2 km", u"河滨大道12号 急诊入口"},
    {u"Fuel Station", u"2.8 km", u"24小时营业 洗车"},
    {u"Beijing West Station", u"3.5 km", u"莲花池东路118号"},
    {u"Park & Ride North", u"5.1 km", u"14号出口 二层"},
    {u"Harbour Restaurant", u"6.0 km", u"码头街3号"},
    {u"Central Station", u"7.4 km", u"站台路1号 南广场"},
    {u"Tiananmen Square", u"8.9 km", u"东城区东长安街"},
    {u"Airport Terminal 2", u"21.3 km", u"出发层 B区"},
};

void Fill(HDC dc, RECT rect, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

// Land, parks, a river and a grid of roads: enough edges and colours to look like a map.
void DrawMap(HDC dc, int width, int height)
{
    Fill(dc, RECT{0, 0, width, height}, RGB(236, 232, 223));
    for (int y = 30; y < height; y += 150)
        for (int x = 50; x < width; x += 210) Fill(dc, RECT{x, y, x + 90, y + 70}, RGB(200, 226, 180));
    Fill(dc, RECT{0, height / 2 - 18, width, height / 2 + 18}, RGB(170, 211, 223));
    for (int x = 0; x < width; x += 64) Fill(dc, RECT{x, 0, x + 6, height}, RGB(255, 255, 255));
    for (int y = 0; y < height; y += 48) Fill(dc, RECT{0, y, width, y + 5}, RGB(255, 255, 255));
    Fill(dc, RECT{0, 140, width, 150}, RGB(255, 214, 102));
    Fill(dc, RECT{320, 0, 330, height}, RGB(255, 214, 102));
}

HFONT MakeFont(const char16_t* face, int height, int weight)
{
    LOGFONTW font = {};
    font.lfHeight = height;
    font.lfWeight = weight;
    std::u16string name(face);
    std::copy(name.begin(), name.end(), font.lfFaceName);
    return CreateFontIndirectW(&font);
}

}  // namespace

Session::Session(int width, int height)
{
    wincore::HostConfig config;
    config.screenWidth = width;
    config.screenHeight = height;
    wincore::HostStart(config);
}

Session::~Session()
{
    wincore::HostStop();
}

Owner::Owner(int width, int height)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = Proc;
    wc.lpszClassName = kOwnerClass;
    RegisterClassW(&wc);  // once per session; a second owner reuses it

    picture = CreateCompatibleDC(nullptr);
    bitmap = CreateCompatibleBitmap(picture, width, height);
    oldBitmap = SelectObject(picture, bitmap);
    DrawMap(picture, width, height);

    hwnd = CreateWindowExW(0, kOwnerClass, TEXT(""), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height,
                           nullptr, nullptr, nullptr, this);
    wincore::Pump();
}

Owner::~Owner()
{
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    SelectObject(picture, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(picture);
}

void Owner::PaintBeneath(HDC dc, const RECT& inOwner)
{
    BitBlt(dc, 0, 0, inOwner.right - inOwner.left, inOwner.bottom - inOwner.top, picture, inOwner.left, inOwner.top,
           SRCCOPY);
}

LRESULT CALLBACK Owner::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return 0;
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!owner) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT client;
        GetClientRect(hwnd, &client);
        owner->PaintBeneath(dc, client);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_NAVLV_PAINTBK:
    case WM_NAVCTRL_PAINTBK:
        owner->PaintBeneath(reinterpret_cast<HDC>(wParam), *reinterpret_cast<RECT*>(lParam));
        return 1;
    case WM_DRAWITEM: {
        HWND item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
        return SendMessageW(item, message, wParam, lParam);
    }
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

Fonts::Fonts()
{
    title = MakeFont(u"Tahoma", -18, FW_BOLD);
    detail = MakeFont(u"Tahoma", -14, FW_NORMAL);
    address = MakeFont(u"仿宋_GB2312", -14, FW_NORMAL);
}

Fonts::~Fonts()
{
    DeleteObject(title);
    DeleteObject(detail);
    DeleteObject(address);
}

const RowText& Row(int index)
{
    return kRows[index % kRowKinds];
}

int IconOf(int index)
{
    return index % 4;
}

void SetUpOrdinaryList(NavListViewEx& list, const Fonts& fonts, HIMAGELIST icons, bool ownerBackground)
{
    list.SetFont(fonts.title, fonts.detail, fonts.address);
    list.SetImageList(icons, nullptr, nullptr);
    list.SetColor(kTitleColor, kSelectionColor);
    list.SetBkColor(kListBackground, ownerBackground ? 1 : 0);
    list.SetItemHeigh(kItemHeight);
    list.SetRightArrow(1);
    list.EnablePageScroll(1);
    list.SetPageScroll(1, 1, 1);
}

void AddRows(NavListViewEx& list, int count)
{
    for (int i = 0; i < count; i++) {
        const int index = list.GetItemCount();
        const RowText& row = Row(index);
        list.AddItem(row.title, IconOf(index), 0);
        list.SetItemText(index, nullptr, row.distance, row.address);
        list.SetItemTextColor(index, kTitleColor, kDistanceColor, kAddressColor);
    }
}

bool OpenList(NavListViewEx& list, HWND owner, RECT rect, int mode)
{
    if (!list.Create(nullptr, WS_CHILD | WS_VISIBLE, rect, owner, 7, mode)) return false;
    if (list.GetItemCount() > kSelectedRow) list.SetCurrentSel(kSelectedRow);
    wincore::Pump();
    return true;
}

void KeepScreen(const char* name)
{
    const char* folder = std::getenv("RKNAV_BENCH_PICTURES");
    if (!folder || !name) return;
    wincore::SaveScreenPng((std::string(folder) + "/" + name + ".png").c_str());
}

void Repaint(HWND hwnd)
{
    InvalidateRect(hwnd, nullptr, FALSE);
    wincore::Pump();
}

}  // namespace bench
