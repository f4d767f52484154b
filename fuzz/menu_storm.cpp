// Pen storms against CRKNaviMenu in both looks: items, settings, opening at points of the owner,
// taps and drags on the menu, the sliding panel's animation timers, copies, and a host that may
// react to each pick by closing, reopening or destroying the menu.
#include <climits>

#include "RKNaviMenu.h"
#include "support/storm.h"

namespace {

class MenuStorm final : public Storm<CRKNaviMenu> {
public:
    using Storm::Storm;
    ~MenuStorm() override
    {
        ImageList_Destroy(images_);
        DeleteObject(background_);
    }

private:
    void Start() override
    {
        const int width = in_.Range(1, 300);
        background_ = SolidBitmap(width, in_.Range(1, 300), DKGRAY_BRUSH);
        Make();
    }

    void Create(CRKNaviMenu& menu) override { menu.Create(in_.Range(0, 2)); }
    // A menu object needs no window until it opens.
    bool Revive() override
    {
        control_ = std::make_unique<CRKNaviMenu>();
        return true;
    }
    HWND Window(CRKNaviMenu& menu) override { return menu.GetSafeHwnd(); }
    HWND Target(CRKNaviMenu& menu) override { return menu.GetSafeHwnd() && in_.Byte() < 230 ? menu.GetSafeHwnd() : owner_; }

    void CheckInvariants(CRKNaviMenu& menu, bool) override
    {
        HWND window = menu.GetSafeHwnd();
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

    void Open(CRKNaviMenu& menu, HWND owner, int x, int y)
    {
        if (menu.TrackMenu(owner, x, y)) hostDestroyedWindow_ = false;
    }

    void DestroyMenuWindow(CRKNaviMenu& menu)
    {
        DestroyWindow(menu.GetSafeHwnd());
        hostDestroyedWindow_ = true;
    }

    void React(int reaction, CRKNaviMenu& menu) override
    {
        switch (reaction) {
        case 1: menu.Destroy(); break;
        case 2: control_.reset(); break;
        case 3: Open(menu, owner_, 400, 100); break;
        case 4: menu.AppendItem(MWF_ENABLED | MWF_TEXT, 9, TEXT("added"), {0x00FFFFFF, 150}, nullptr); break;
        case 5: DestroyMenuWindow(menu); break;
        default: ShowWindow(owner_, SW_HIDE); break;
        }
    }

    void Step(int op, CRKNaviMenu& menu) override
    {
        switch (op) {
        case 7: AppendItem(menu); break;
        case 8: {
            auto dir = static_cast<MOVE_DIR>(in_.Range(0, 2));
            int animate = in_.Bool();
            HBITMAP background = in_.Bool() ? background_ : nullptr;
            HIMAGELIST images = in_.Bool() ? images_ : nullptr;
            menu.SetParam(dir, animate, background, images, in_.Bool());
            break;
        }
        case 9: {
            const RECT button = in_.Place(-10, 300, -10, 300, 100, 100).Rect();
            menu.SetCloseBt(button, in_.Bool());
            break;
        }
        case 10: {
            const FuzzInput::Box border = in_.Place(-30, 60, -30, 60, 60, 60);
            menu.SetBorder(border.x, border.y, border.width, border.height);
            break;
        }
        case 11: {
            const int x = in_.Range(-100, 900);
            HWND owner = in_.Bool() ? owner_ : nullptr;
            Open(menu, owner, x, in_.Range(-100, 600));
            break;
        }
        case 12: menu.Destroy(); break;
        case 13: Create(menu); break;
        case 14: PaintInto(); break;
        case 15: menu.CopyDCFromWnd(in_.Bool() ? owner_ : nullptr); break;
        case 16: CopyFrom(menu); break;
        case 17: Copy(menu); break;
        case 18: Arm(6); break;
        case 19: SetFocus(owner_); break;
        case 20: DestroyMenuWindow(menu); break;
        case 21: DeleteObject(CreateMenuFont(Size(), in_.Bool())); break;
        case 22: ShowWindow(owner_, SW_SHOW); break;
        default: wincore::Advance(100); break;
        }
    }

    void AppendItem(CRKNaviMenu& menu)
    {
        std::u16string text = in_.Text(70);
        const UINT flags = in_.Byte(), id = in_.Word();
        const int size = Size();
        const WCHAR* shown = in_.Bool() ? text.c_str() : nullptr;
        menu.AppendItem(flags, id, shown, {in_.Colour(), size}, background_);
    }

    // The menu's backdrop copied from a picture of any size, or from no DC at all.
    void CopyFrom(CRKNaviMenu& menu)
    {
        const int width = in_.Range(1, 800);
        Offscreen picture(width, in_.Range(1, 480));
        HDC source = in_.Bool() ? picture.dc() : nullptr;
        menu.CopyDCFrom(source, in_.Bool());
    }

    // The copy replaces the menu, or opens beside it.
    void Copy(CRKNaviMenu& menu)
    {
        CRKNaviMenu copy(menu);
        CheckCopy(copy);
        if (in_.Bool()) {
            menu = copy;
        } else if (in_.Bool()) {
            const int x = in_.Range(0, 700);
            copy.TrackMenu(owner_, x, in_.Range(0, 400));
            wincore::Advance(in_.Range(0, 600));
        }
    }

    HBITMAP background_ = nullptr;
    HIMAGELIST images_ = ImageList_Create(24, 24, ILC_COLOR32, 4, 4);
    bool hostDestroyedWindow_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return RunStorm<MenuStorm>(data, size, 300, 23);
}
