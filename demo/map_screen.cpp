// The screen window: creation, destruction and the message dispatch.
#include "map_screen.h"

#include "layout.h"

namespace demo {

namespace {

constexpr WCHAR kClassName[] = TEXT("RKNavDemoScreen");

}  // namespace

bool MapScreen::Create(HINSTANCE instance)
{
    instance_ = instance;
    if (!scene_.Load(instance, layout::kScreenWidth, layout::kScreenHeight) || !CreateResources()) {
        Destroy();
        return false;
    }
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);  // fails harmlessly when a previous screen registered it
    CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, TEXT("RKNavCtrlEx demo"), WS_POPUP | WS_CLIPCHILDREN, 0, 0, layout::kScreenWidth,
                    layout::kScreenHeight, nullptr, nullptr, instance, this);
    controls_ = std::make_unique<Controls>();
    if (!hwnd_ || !CreateControls()) {
        Destroy();
        return false;
    }
    SetUpKeys();
    notice_ = Notice{TEXT("Ready  ·  就绪"), TEXT("Drag, flick or tap anything on the screen")};
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    // Keys reach the list at once (a knob turns its rows); Tab goes on to the other controls.
    PassFocus();
    return true;
}

void MapScreen::Destroy()
{
    controls_.reset();
    keyed_.clear();
    lastFocus_ = nullptr;
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    menuButton_ = nullptr;
    ReleaseResources();
    scene_.Release();
}

LRESULT CALLBACK MapScreen::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE) {
        auto* screen = static_cast<MapScreen*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(screen));
        if (screen) screen->hwnd_ = hwnd;
    }
    auto* screen = reinterpret_cast<MapScreen*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    // Before its controls exist and while they are destroyed the window has nothing of its own to do.
    if (!screen || screen->hwnd_ != hwnd || !screen->controls_) return DefWindowProcW(hwnd, message, wParam, lParam);
    return screen->OnMessage(message, wParam, lParam);
}

LRESULT MapScreen::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_NAVLV_PAINTBK:
    case WM_NAVCTRL_PAINTBK: PaintBackground(reinterpret_cast<HDC>(wParam), reinterpret_cast<const RECT*>(lParam)); return 1;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        // The vector boxes draw themselves when their own window gets the message.
        if (item->CtlID == kMenuButtonId)
            DrawMenuButton(*item);
        else
            SendMessageW(item->hwndItem, WM_DRAWITEM, wParam, lParam);
        return TRUE;
    }
    case WM_NAVLV_ITEMNOTIFY: OnItemNotify(wParam, reinterpret_cast<const tagNAVLVITME*>(lParam)); return 0;
    case WM_NAVLV_PAGESCROLL: OnPageScroll(wParam); return 0;
    case WM_COMMAND: OnCommand(wParam, lParam); return 0;
    case WM_LBUTTONDOWN: OnPenDown(short(LOWORD(lParam)), short(HIWORD(lParam))); return 0;
    case WM_LBUTTONUP: OnPenUp(short(LOWORD(lParam)), short(HIWORD(lParam))); return 0;
    case WM_SETFOCUS: PassFocus(); return 0;
    case WM_SYSKEYDOWN:
    case WM_CHAR:
        if (OnScreenKey(message, wParam)) return 0;
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    default: return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

}  // namespace demo
