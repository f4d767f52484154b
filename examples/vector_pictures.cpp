// A vector box with pictures: the travel mode, a bitmap and a caption per item on the host's own
// frame, stepped with the arrows. `vector_pictures --headless` (or no display) taps the right
// arrow and checks the step.
#include <cstdio>
#include <cstring>

#include <NavVectorBox.h>
#include <wincore/host.h>

#include "example_resources.h"
#include "example_screen.h"

namespace {

constexpr UINT kModeBoxId = 103;
constexpr int kArrowWidth = 44;                  // px, each arrow's part of the frame picture
constexpr COLORREF kBackground = RGB(226, 232, 240);
const WCHAR* const kModes[] = {TEXT("Car"), TEXT("Bike"), TEXT("Walk")};
const int kModePictures[] = {IDB_MODE_CAR, IDB_MODE_BIKE, IDB_MODE_WALK};

CNavVectorBox* modeBox = nullptr;
int clicks = 0;      // BN_CLICKED notices received
int shownMode = -1;  // the item the box showed at the last one

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:  // wParam = MAKEWPARAM(id, BN_CLICKED), lParam = the box's window
        if (LOWORD(wParam) == kModeBoxId && HIWORD(wParam) == BN_CLICKED && modeBox) {
            clicks++;
            shownMode = modeBox->GetCurSel();  // already the new item; the slide is only drawn
        }
        return 0;
    case WM_DRAWITEM: {  // the box is an owner-drawn button: it draws when its own window gets this
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return SendMessageW(item->hwndItem, WM_DRAWITEM, wParam, lParam);
    }
    case WM_NAVCTRL_PAINTBK: {  // the box asks for what lies beneath it before each paint
        HBRUSH brush = CreateSolidBrush(kBackground);
        const RECT* place = reinterpret_cast<const RECT*>(lParam);  // in this window's client area
        RECT own = {0, 0, place->right - place->left, place->bottom - place->top};
        FillRect(reinterpret_cast<HDC>(wParam), &own, brush);  // the DC's origin is the box's corner
        DeleteObject(brush);
        return 0;
    }
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    example::Screen screen(argc, argv, "Vector box");

    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND host = screen.CreateHostWindow(HostProc, TEXT("VectorHost"));
    // Bitmaps and font stay the host's: the box only draws them, so delete them after the box.
    HBITMAP frame = LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_MODE_FRAME));
    HBITMAP pictures[3];
    for (int i = 0; i < 3; i++) pictures[i] = LoadBitmapW(instance, MAKEINTRESOURCEW(kModePictures[i]));
    LOGFONTW look = {};
    look.lfHeight = -15;  // px
    look.lfWeight = FW_BOLD;
    HFONT font = CreateFontIndirectW(&look);

    int failed = 0;
    {
        CNavVectorBox box;  // its destructor destroys its window
        modeBox = &box;
        box.SetFont(font);
        box.SetTextColor(RGB(240, 246, 252));
        box.SetPassControlWidth(kArrowWidth);
        void* ownFrame = frame;  // kind 0: a bitmap the host keeps
        box.SetOwnerDrawBmp(&ownFrame, 0);
        for (int i = 0; i < 3; i++) box.InsertItem(kModes[i], pictures[i]);
        const RECT place = {120, 115, 360, 157};  // the frame picture's 240 x 42
        if (!box.Create(instance, WS_CHILD | WS_VISIBLE, TEXT("Travel mode"), place, host, kModeBoxId, VBOX_HORZ))
            return 1;

        if (screen.Shown()) {
            screen.RunUntilClosed();
        } else {
            wincore::Pump();
            const int rightArrowX = place.right - kArrowWidth / 2, middleY = (place.top + place.bottom) / 2;
            wincore::PenDown(rightArrowX, middleY);
            wincore::PenUp(rightArrowX, middleY);
            wincore::Advance(500);  // the slide runs to its end
            const bool drawn = wincore::ScreenPixel(place.left + kArrowWidth / 2, middleY) != RGB(255, 255, 255);
            failed = clicks != 1 || shownMode != 1 || box.GetCurSel() != 1 || !drawn;
            std::printf("vector_pictures: %s\n", !drawn          ? "the box was not drawn"
                                                  : failed ? "no single step to item 1 reported"
                                                           : "stepped to item 1 (Bike)");
        }
        modeBox = nullptr;
    }
    DestroyWindow(host);
    DeleteObject(font);
    for (HBITMAP picture : pictures) DeleteObject(picture);
    DeleteObject(frame);
    return screen.Finish("vector_pictures", failed);
}
