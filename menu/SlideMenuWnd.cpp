// The sliding panel's life: settings, items, opening inside the owner, closing.
#include "menu/SlideMenuWnd.h"

#include <new>

#include "frame/Module.h"
#include "menu/MenuKeys.h"
#include "menu/SlideTimers.h"
#include "kit/Offscreen.h"
#include "resources/resource.h"

namespace {

constexpr RECT kEmptyMenu = {0, 0, 20, 10};
constexpr RECT kEmptyContent = {10, 10, 10, 10};

}  // namespace

// A copy takes the items and settings; the window and its pictures stay with the original.
CSlideMenuWnd::CSlideMenuWnd(const CSlideMenuWnd& other)
    : CMenuWndCommon(other),
      rcMenu(other.rcMenu),
      rcContent(other.rcContent),
      rcClose(other.rcClose),
      items(other.items),
      moveDir(other.moveDir),
      animate(other.animate),
      opaque(other.opaque),
      hbmBackground(other.hbmBackground),
      hImageList(other.hImageList)
{
    for (tagMW_Item& item : items) item.bHot = 0;
}

CSlideMenuWnd::~CSlideMenuWnd()
{
    CSlideMenuWnd::Destroy();
}

CRKMenuWnd* CSlideMenuWnd::Clone() const
{
    return new (std::nothrow) CSlideMenuWnd(*this);
}

HWND CSlideMenuWnd::GetSafeHwnd()
{
    return hWnd;
}

void CSlideMenuWnd::AttachWindow(HWND hwnd)
{
    hWnd = hwnd;
}

int CSlideMenuWnd::TrackMenu(HWND owner, LONG x, LONG y)
{
    if (!IsWindow(owner)) return 0;
    OffsetRect(&rcMenu, x - rcMenu.left, y - rcMenu.top);
    if (IsWindow(hWnd)) {
        KillTimer(hWnd, slide::kOpeningTimer);
        KillTimer(hWnd, slide::kClosingTimer);
    }
    ReturnFocus();
    menu::CloseMenuWindow(hWnd);
    ReleasePictures();
    curve = slide::Curve();
    closeEnabled = 0;
    frameImage = menu::LoadFrameImage();
    tracking = 1;
    hOwner = owner;
    HINSTANCE module = GetModuleInstance();
    hbmPanel = LoadBitmapW(module, MAKEINTRESOURCEW(IDB_MENU_PANEL));
    hbmHighlight = LoadBitmapW(module, MAKEINTRESOURCEW(IDB_MENU_HILITE));
    PlaceAtAnchor(x, y);
    if (!opaque) CopyDCFromWnd(owner);
    HWND created = CreateMenuDialog(IDD_MENU_SLIDE, owner);
    if (!created) {
        Destroy();
        return 0;
    }
    hWnd = created;
    // A new child lies below its siblings: the panel slides over the owner's other controls.
    SetWindowPos(hWnd, HWND_TOP, rcMenu.left, rcMenu.top, rcMenu.right - rcMenu.left, rcMenu.bottom - rcMenu.top,
                 SWP_NOACTIVATE);
    ShowWindow(hWnd, SW_HIDE);
    if (menu::OpenedFromKey()) TakeKeys();
    extent = 0;
    StartMotion(slide::kOpeningTimer);
    return 1;
}

// A background bitmap gives the panel its size; MOVE_UP puts the panel above the anchor.
void CSlideMenuWnd::PlaceAtAnchor(LONG x, LONG y)
{
    SIZE background = kit::BitmapSize(hbmBackground);
    if (background.cx > 0 && background.cy > 0) rcMenu = RECT{x, y, x + background.cx, y + background.cy};
    if (moveDir != MOVE_UP) return;
    const LONG height = rcMenu.bottom - rcMenu.top;
    rcMenu.bottom = y;
    rcMenu.top = y - height;
}

void CSlideMenuWnd::ReleasePictures()
{
    menu::DeleteBitmap(hbmPanel);
    menu::DeleteBitmap(hbmHighlight);
    kit::ReleaseBackdrop(backdrop);
}

void CSlideMenuWnd::Destroy()
{
    if (IsWindow(hWnd)) {
        KillTimer(hWnd, slide::kOpeningTimer);
        KillTimer(hWnd, slide::kClosingTimer);
    }
    ReturnFocus();
    menu::CloseMenuWindow(hWnd);
    ReleasePictures();
    frameImage.Reset();
    tracking = 0;
    hImageList = nullptr;
    hbmBackground = nullptr;
    items.clear();
    rcMenu = kEmptyMenu;
    rcContent = kEmptyContent;
    moveDir = MOVE_UP;
    curve = slide::Curve();
    motionTimer = 0;
    closeEnabled = animate = 0;
}

int CSlideMenuWnd::SetCloseBt(RECT rc, int enable)
{
    rcClose = rc;
    closeEnabled = enable;
    return 1;
}

// Calls add up; meant for before the first item.
int CSlideMenuWnd::SetBorder(int top, int bottom, int left, int right)
{
    rcMenu.right += left + right;
    rcMenu.bottom += top + bottom;
    rcContent.left += left;
    rcContent.top += top;
    rcContent.right = rcContent.left;
    rcContent.bottom = rcContent.top;
    return 1;
}

int CSlideMenuWnd::AppendItem(UINT flags, UINT id, const WCHAR* text, tagMW_FontStysle style, HBITMAP bitmap)
{
    return menu::AppendMenuItem({hWnd, hImageList, rcMenu, rcContent, items}, flags, id, text, style, bitmap);
}

void CSlideMenuWnd::SetParam(MOVE_DIR dir, int animateOpening, HBITMAP background, HIMAGELIST images,
                             int opaqueBackground)
{
    moveDir = dir;
    animate = animateOpening;
    hbmBackground = background;
    hImageList = images;
    opaque = opaqueBackground;
}
