// Pen storms against CRKNaviMenu in both looks: items, settings, opening at points of the owner,
// taps and drags on the menu, the sliding panel's animation timers, copies, and a host that may
// react to each pick by closing, reopening or destroying the menu.
#include <climits>
#include <memory>

#include <wincore/host.h>

#include "RKNaviMenu.h"
#include "support/fuzz_input.h"
#include "support/pen.h"
#include "support/session.h"

namespace {

constexpr int kMaxSteps = 300;

HBITMAP SolidBitmap(int width, int height)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

class MenuStorm {
public:
    explicit MenuStorm(FuzzInput& input) : in_(input) {}

    void Run()
    {
        owner_ = CreateOwner(WS_POPUP | WS_VISIBLE, 0, 0, 800, 480, nullptr);
        const int width = in_.Range(1, 300);
        background_ = SolidBitmap(width, in_.Range(1, 300));
        images_ = ImageList_Create(24, 24, ILC_COLOR32, 4, 4);
        SetNotifyHandler([this](UINT message, WPARAM, LPARAM) { React(message); });
        menu_ = std::make_unique<CRKNaviMenu>();
        menu_->Create(in_.Range(0, 2));
        for (int step = 0; step < kMaxSteps && !in_.Empty(); step++) {
            Step(in_.Range(0, 23));
            wincore::Pump();
            CheckInvariants();
        }
        SetNotifyHandler(nullptr);
        menu_.reset();
        DestroyWindow(owner_);
        ImageList_Destroy(images_);
        DeleteObject(background_);
    }

private:
    void CheckInvariants()
    {
        if (!menu_) return;
        HWND window = menu_->GetSafeHwnd();
        Check(!window || IsWindow(window) || hostDestroyedWindow_, "the menu names a window that is gone");
    }

    int Size()
    {
        switch (in_.Range(0, 7)) {
        case 0: return INT_MIN;
        case 1: return INT_MAX;
        case 2: return in_.Range(-3000, 3000);
        default: return in_.Range(60, 300);
        }
    }

    void React(UINT)
    {
        int reaction = reaction_;
        reaction_ = 0;
        if (!menu_) return;
        switch (reaction) {
        case 1: menu_->Destroy(); break;
        case 2: menu_.reset(); break;
        case 3:
            if (menu_->TrackMenu(owner_, 400, 100)) hostDestroyedWindow_ = false;
            break;
        case 4: menu_->AppendItem(MWF_ENABLED | MWF_TEXT, 9, TEXT("added"), {0x00FFFFFF, 150}, nullptr); break;
        case 5:
            DestroyWindow(menu_->GetSafeHwnd());
            hostDestroyedWindow_ = true;
            break;
        case 6: ShowWindow(owner_, SW_HIDE); break;
        default: break;
        }
    }

    void Step(int op)
    {
        if (op < kPenGestures) {
            HWND target = menu_ && menu_->GetSafeHwnd() && in_.Byte() < 230 ? menu_->GetSafeHwnd() : owner_;
            PenGesture(in_, op, target);
            return;
        }
        if (!menu_) menu_ = std::make_unique<CRKNaviMenu>();
        CRKNaviMenu& menu = *menu_;
        switch (op) {
        case 7: {
            std::u16string text = in_.Text(70);
            UINT flags = in_.Byte();
            UINT id = in_.Word();
            int size = Size();
            const WCHAR* shown = in_.Bool() ? text.c_str() : nullptr;
            menu.AppendItem(flags, id, shown, {in_.Colour(), size}, background_);
            break;
        }
        case 8: {
            auto dir = static_cast<MOVE_DIR>(in_.Range(0, 2));
            int animate = in_.Bool();
            HBITMAP background = in_.Bool() ? background_ : nullptr;
            HIMAGELIST images = in_.Bool() ? images_ : nullptr;
            menu.SetParam(dir, animate, background, images, in_.Bool());
            break;
        }
        case 9: {
            FuzzInput::Box box = in_.Place(-10, 300, -10, 300, 100, 100);
            menu.SetCloseBt(RECT{box.x, box.y, box.x + box.width, box.y + box.height}, in_.Bool());
            break;
        }
        case 10: {
            FuzzInput::Box border = in_.Place(-30, 60, -30, 60, 60, 60);
            menu.SetBorder(border.x, border.y, border.width, border.height);
            break;
        }
        case 11: {
            int x = in_.Range(-100, 900);
            HWND owner = in_.Bool() ? owner_ : nullptr;
            if (menu.TrackMenu(owner, x, in_.Range(-100, 600))) hostDestroyedWindow_ = false;
            break;
        }
        case 12: menu.Destroy(); break;
        case 13: menu.Create(in_.Range(0, 2)); break;
        case 14: PaintInto(menu); break;
        case 15: menu.CopyDCFromWnd(in_.Bool() ? owner_ : nullptr); break;
        case 16: CopyFrom(menu); break;
        case 17: Copy(); break;
        case 18: reaction_ = in_.Range(0, 6); break;
        case 19: SetFocus(owner_); break;
        case 20:
            DestroyWindow(menu.GetSafeHwnd());
            hostDestroyedWindow_ = true;
            break;
        case 21: DeleteObject(CreateMenuFont(Size(), in_.Bool())); break;
        case 22: ShowWindow(owner_, SW_SHOW); break;
        default: wincore::Advance(100); break;
        }
    }

    void PaintInto(CRKNaviMenu& menu)
    {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 800, 480);
        HGDIOBJ old = SelectObject(dc, bitmap);
        menu.OnPaintEx(dc);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }

    void CopyFrom(CRKNaviMenu& menu)
    {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        const int width = in_.Range(1, 800);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width, in_.Range(1, 480));
        HGDIOBJ old = SelectObject(dc, bitmap);
        HDC source = in_.Bool() ? dc : nullptr;
        menu.CopyDCFrom(source, in_.Bool());
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }

    void Copy()
    {
        CRKNaviMenu copy(*menu_);
        Check(!copy.GetSafeHwnd(), "a copy shares the menu's window");
        if (in_.Bool()) {
            *menu_ = copy;
        } else if (in_.Bool()) {
            const int x = in_.Range(0, 700);
            copy.TrackMenu(owner_, x, in_.Range(0, 400));
            wincore::Advance(in_.Range(0, 600));
        }
    }

    FuzzInput& in_;
    HWND owner_ = nullptr;
    HBITMAP background_ = nullptr;
    HIMAGELIST images_ = nullptr;
    std::unique_ptr<CRKNaviMenu> menu_;
    int reaction_ = 0;
    bool hostDestroyedWindow_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    HostSession session;
    FuzzInput input(data, size);
    MenuStorm(input).Run();
    session.CheckNothingLeft();
    return 0;
}
