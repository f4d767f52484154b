// Pen storms against CRKNaviMenu in both looks, whose host may close, reopen or destroy it in a pick.
#include <climits>

#include "RKNaviMenu.h"
#include "support/storm.h"

namespace {

class MenuStorm final : public Storm<MenuStorm, CRKNaviMenu> {
public:
    using Storm::Storm;
    ~MenuStorm() { ImageList_Destroy(images_); DeleteObject(background_); }

private:
    friend Storm;
    static const Op kOps[];

    void Start()
    {
        const int width = in_.Range(1, 300);
        background_ = CreateBitmap(width, in_.Range(1, 300), 1, 32, nullptr);
        Make();
    }

    void Create(CRKNaviMenu& menu) { menu.Create(in_.Range(0, 2)); }
    // A menu object needs no window until it opens.
    bool Revive()
    {
        control_ = std::make_unique<CRKNaviMenu>();
        return true;
    }
    HWND Window(CRKNaviMenu& menu) { return menu.GetSafeHwnd(); }
    HWND Target(CRKNaviMenu& menu) { return menu.GetSafeHwnd() && in_.Byte() < 230 ? menu.GetSafeHwnd() : owner_; }

    void CheckInvariants(CRKNaviMenu& menu, bool)
    {
        HWND window = menu.GetSafeHwnd();
        Check(!window || IsWindow(window) || hostDestroyedWindow_, "the menu names a window that is gone");
    }

    void WindowDestroyed() { hostDestroyedWindow_ = true; }

    HBITMAP background_ = nullptr;
    HIMAGELIST images_ = ImageList_Create(24, 24, ILC_COLOR32, 4, 4);
    bool hostDestroyedWindow_ = false;
};

using S = MenuStorm;
using M = CRKNaviMenu;

const S::Op S::kOps[] = {
    // An item's size: a likely one or an extreme.
    {"append",
     [](S& s, M& menu) {
         std::u16string text = s.in_.Text(70);
         const UINT flags = s.in_.Byte(), id = s.in_.Word();
         const int size = s.in_.Range(0, 3) ? s.in_.Range(60, 300) : s.in_.Bool() ? INT_MIN : INT_MAX;
         const WCHAR* shown = s.in_.Bool() ? text.c_str() : nullptr;
         menu.AppendItem(flags, id, shown, {s.in_.Colour(), size}, s.background_);
     }},
    {"settings",
     [](S& s, M& menu) {
         auto dir = static_cast<MOVE_DIR>(s.in_.Range(0, 2));
         int animate = s.in_.Bool();
         HBITMAP background = s.in_.Bool() ? s.background_ : nullptr;
         HIMAGELIST images = s.in_.Bool() ? s.images_ : nullptr;
         menu.SetParam(dir, animate, background, images, s.in_.Bool());
     }},
    {"close button",
     [](S& s, M& menu) {
         const RECT button = s.in_.Place(-10, 300, -10, 300, 100, 100).Rect();
         menu.SetCloseBt(button, s.in_.Bool());
     }},
    {"border",
     [](S& s, M& menu) {
         const FuzzInput::Box border = s.in_.Place(-30, 60, -30, 60, 60, 60);
         menu.SetBorder(border.x, border.y, border.width, border.height);
     }},
    {"open",
     [](S& s, M& menu) {
         const int x = s.in_.Range(-100, 900);
         HWND owner = s.in_.Bool() ? s.owner_ : nullptr;
         if (menu.TrackMenu(owner, x, s.in_.Range(-100, 600))) s.hostDestroyedWindow_ = false;
     }},
    {"destroy", [](S&, M& menu) { menu.Destroy(); }},
    {"create", [](S& s, M& menu) { s.Create(menu); }},
    {"backdrop from a window", [](S& s, M& menu) { menu.CopyDCFromWnd(s.in_.Bool() ? s.owner_ : nullptr); }},
    // From a picture of any size.
    {"backdrop from a DC",
     [](S& s, M& menu) {
         const int width = s.in_.Range(1, 800);
         Offscreen picture(width, s.in_.Range(1, 480));
         menu.CopyDCFrom(picture.dc, s.in_.Bool());
     }},
    // The copy opens beside the menu.
    {"open a copy",
     [](S& s, M& menu) {
         CRKNaviMenu copy(menu);
         s.CheckCopy(copy);
         const int x = s.in_.Range(0, 700);
         copy.TrackMenu(s.owner_, x, s.in_.Range(0, 400));
         wincore::Advance(s.in_.Range(0, 600));
     }},
    {"show or hide the owner", [](S& s, M&) { ShowWindow(s.owner_, s.in_.Bool() ? SW_SHOW : SW_HIDE); }},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return RunStorm<MenuStorm>(data, size, 300);
}
