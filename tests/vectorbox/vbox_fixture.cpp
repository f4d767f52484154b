#include "vectorbox/vbox_fixture.h"

COLORREF Pattern(int x, int y)
{
    return ((x / 8 + y / 8) % 2) ? RGB(40, 120, 60) : RGB(200, 200, 180);
}

HBITMAP SolidBitmap(int width, int height, COLORREF color)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) SetPixel(dc, x, y, color);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

WString FrameFile()
{
    return U16(RKNAV_TEST_GOLDEN_DIR "/../../resources/vbox_frame.png");
}

void VectorBoxTest::SetUp()
{
    HostTest::SetUp();
    owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    SetHandler(owner, [this](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        if (ownerHook) ownerHook(message);
        if (message == WM_NAVCTRL_PAINTBK) {
            const RECT& under = background = *reinterpret_cast<RECT*>(lParam);
            for (int y = under.top; y < under.bottom; y++)
                for (int x = under.left; x < under.right; x++)
                    SetPixel(reinterpret_cast<HDC>(wParam), x - under.left, y - under.top, Pattern(x, y));
            return true;
        }
        if (message != WM_DRAWITEM) return false;
        result = SendMessageW(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem, message, wParam, lParam);
        return true;
    });
}

void VectorBoxTest::Make(ProbeBox& box, int count, VBoxType type, RECT rect)
{
    ASSERT_EQ(box.Create(nullptr, WS_CHILD | WS_VISIBLE, TEXT("vbox"), rect, owner, 7, type), 1);
    for (int i = 0; i < count; i++) box.InsertItem(WString(1, WCHAR('A' + i)).c_str(), nullptr);
    Log().Name(box.hWnd, "vbox");
    wincore::Pump();
}
