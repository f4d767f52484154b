// The host's menu object: owns the implementation chosen at Create and forwards to it.
#include <new>

#include "kit/TickedMotion.h"
#include "menu/PopupMenuWnd.h"
#include "menu/SlideMenuWnd.h"

namespace {

constexpr unsigned int kSlideMenu = 0;
constexpr unsigned int kPopupMenu = 1;

// Every implementation the facade holds was made by Create or by CloneOf: all are the library's
// own menu windows.
CMenuWndCommon* Common(CRKMenuWnd* impl)
{
    return static_cast<CMenuWndCommon*>(impl);
}

CRKMenuWnd* CloneOf(const CRKMenuWnd* impl)
{
    return impl ? static_cast<const CMenuWndCommon*>(impl)->Clone() : nullptr;
}

}  // namespace

CRKNaviMenu::CRKNaviMenu() = default;

CRKNaviMenu::CRKNaviMenu(const CRKNaviMenu& other)
    : impl(CloneOf(other.impl)), animationInterval(other.animationInterval)
{
}

CRKNaviMenu& CRKNaviMenu::operator=(const CRKNaviMenu& other)
{
    if (this == &other) return *this;
    Destroy();
    impl = CloneOf(other.impl);
    animationInterval = other.animationInterval;
    return *this;
}

CRKNaviMenu::~CRKNaviMenu()
{
    Destroy();
}

int CRKNaviMenu::Create(unsigned int type)
{
    if (impl) return 0;
    if (type == kPopupMenu)
        impl = new (std::nothrow) CPopupMenuWnd;
    else if (type == kSlideMenu)
        impl = new (std::nothrow) CSlideMenuWnd;
    if (!impl) return 0;
    Common(impl)->SetAnimationInterval(animationInterval);
    return 1;
}

void CRKNaviMenu::Destroy()
{
    // Forgotten first, so that nothing reached from the implementation's Destroy finds it.
    CRKMenuWnd* held = impl;
    impl = nullptr;
    if (!held) return;
    held->Destroy();
    delete held;
}

HWND CRKNaviMenu::GetSafeHwnd()
{
    return impl ? impl->GetSafeHwnd() : nullptr;
}

int CRKNaviMenu::TrackMenu(HWND owner, LONG x, LONG y)
{
    return impl ? impl->TrackMenu(owner, x, y) : 0;
}

int CRKNaviMenu::SetCloseBt(RECT rc, int enable)
{
    return impl ? impl->SetCloseBt(rc, enable) : 0;
}

int CRKNaviMenu::SetBorder(int top, int bottom, int left, int right)
{
    return impl ? impl->SetBorder(top, bottom, left, right) : 0;
}

int CRKNaviMenu::AppendItem(unsigned int flags, unsigned int id, const WCHAR* text, tagMW_FontStysle style,
                            HBITMAP bitmap)
{
    return impl ? impl->AppendItem(flags, id, text, style, bitmap) : 0;
}

void CRKNaviMenu::SetParam(MOVE_DIR dir, int animate, HBITMAP background, HIMAGELIST images, int opaque)
{
    if (impl) impl->SetParam(dir, animate, background, images, opaque);
}

int CRKNaviMenu::OnPaintEx(HDC hdc)
{
    return impl ? impl->OnPaintEx(hdc) : 0;
}

int CRKNaviMenu::CopyDCFromWnd(HWND wnd)
{
    return impl ? impl->CopyDCFromWnd(wnd) : 0;
}

int CRKNaviMenu::CopyDCFrom(HDC hdc, int redraw)
{
    return impl ? impl->CopyDCFrom(hdc, redraw) : 0;
}

int CRKNaviMenu::SetAnimationInterval(int ms)
{
    if (!kit::IsAnimationInterval(ms)) return 0;
    animationInterval = ms;
    if (impl) Common(impl)->SetAnimationInterval(ms);
    return 1;
}
