// The pop-up menu's life: settings, items, opening over the owner, closing.
#include "menu/PopupMenuWnd.h"

#include <new>

#include "menu/MenuKeys.h"
#include "resources/resource.h"

namespace {

constexpr RECT kEmptyMenu = {0, 0, 45, 45};
constexpr RECT kEmptyContent = {22, 22, 22, 22};

// Moves [low, high) into [min, max): to `min` when it does not fit, else back from beyond `max`.
// A span that starts before `min` but fits is left where it is.
void ClampSpan(LONG& low, LONG& high, LONG min, LONG max)
{
    const LONG size = high - low;
    if (size >= max - min)
        low = min;
    else if (high > max)
        low = max - size;
    high = low + size;
}

}  // namespace

// A copy takes the items and settings; the window and its pictures stay with the original.
CPopupMenuWnd::CPopupMenuWnd(const CPopupMenuWnd& other)
    : CMenuWndCommon(other),
      rcMenu(other.rcMenu),
      rcContent(other.rcContent),
      items(other.items),
      moveDir(other.moveDir),
      animate(other.animate),
      hImageList(other.hImageList)
{
    for (tagMW_Item& item : items) item.bHot = 0;
}

CPopupMenuWnd::~CPopupMenuWnd()
{
    CPopupMenuWnd::Destroy();
}

CRKMenuWnd* CPopupMenuWnd::Clone() const
{
    return new (std::nothrow) CPopupMenuWnd(*this);
}

HWND CPopupMenuWnd::GetSafeHwnd()
{
    return hWnd;
}

void CPopupMenuWnd::AttachWindow(HWND hwnd)
{
    hWnd = hwnd;
}

int CPopupMenuWnd::TrackMenu(HWND owner, LONG x, LONG y)
{
    if (!IsWindow(owner)) return 0;
    OffsetRect(&rcMenu, x - rcMenu.left, y - rcMenu.top);
    menu::CloseMenuWindow(hWnd);
    kit::ReleaseBackdrop(backdrop);
    framePending = 1;
    moveDir = MOVE_DOWN;
    animate = 0;
    frameImage = menu::LoadFrameImage();
    tracking = 1;
    hOwner = owner;
    ClampIntoOwner();
    CopyDCFromWnd(owner);
    HWND created = CreateMenuDialog(IDD_MENU_POPUP, owner);
    if (!created) {
        Destroy();
        return 0;
    }
    hWnd = created;
    // Shown, the pop-up takes the focus and with it the keys: one that opened it starts at the first item.
    if (menu::OpenedFromKey()) menu::HotFirst(items);
    ShowAtOwnerPoint();
    return 1;
}

void CPopupMenuWnd::ClampIntoOwner()
{
    RECT owner;
    if (!GetClientRect(hOwner, &owner)) return;
    ClampSpan(rcMenu.left, rcMenu.right, owner.left, owner.right);
    ClampSpan(rcMenu.top, rcMenu.bottom, owner.top, owner.bottom);
}

// rcMenu is in the owner's client coordinates, where the backdrop was captured; the pop-up
// window itself is placed on the screen.
void CPopupMenuWnd::ShowAtOwnerPoint()
{
    POINT corner = {rcMenu.left, rcMenu.top};
    ClientToScreen(hOwner, &corner);
    MoveWindow(hWnd, corner.x, corner.y, rcMenu.right - rcMenu.left, rcMenu.bottom - rcMenu.top, TRUE);
    ShowWindow(hWnd, SW_SHOW);
}

// Entered again from the focus loss that destroying the window can cause: each resource is
// forgotten before it is released, so a nested call finds nothing more to do.
void CPopupMenuWnd::Destroy()
{
    menu::CloseMenuWindow(hWnd);
    frameImage.Reset();
    kit::ReleaseBackdrop(backdrop);
    tracking = 0;
    hImageList = nullptr;
    items.clear();
    rcMenu = kEmptyMenu;
    rcContent = kEmptyContent;
    moveDir = MOVE_DOWN;
    animate = 0;
}

int CPopupMenuWnd::SetCloseBt(RECT, int)
{
    return 1;
}

int CPopupMenuWnd::SetBorder(int, int, int, int)
{
    return 1;
}

int CPopupMenuWnd::AppendItem(UINT flags, UINT id, const WCHAR* text, tagMW_FontStysle style, HBITMAP bitmap)
{
    return menu::AppendMenuItem({hWnd, hImageList, rcMenu, rcContent, items}, flags, id, text, style, bitmap);
}

void CPopupMenuWnd::SetParam(MOVE_DIR dir, int animateOpening, HBITMAP, HIMAGELIST images, int)
{
    moveDir = dir;
    animate = animateOpening;
    hImageList = images;
}
