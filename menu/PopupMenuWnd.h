// The pop-up menu: a window over its owner that shows the items inside a translucent frame drawn
// over the pixels behind it, sends the pick to the owner and closes, or closes when it loses the
// focus.
#pragma once

#include <vector>

#include "NavHandles.h"
#include "kit/Backdrop.h"
#include "menu/MenuItem.h"
#include "menu/MenuPictures.h"
#include "menu/MenuWndCommon.h"

class CPopupMenuWnd : public CMenuWndCommon {
public:
    CPopupMenuWnd() = default;
    CPopupMenuWnd(const CPopupMenuWnd& other);
    CPopupMenuWnd& operator=(const CPopupMenuWnd&) = delete;
    ~CPopupMenuWnd() override;

    HWND GetSafeHwnd() override;
    int TrackMenu(HWND owner, LONG x, LONG y) override;
    void Destroy() override;
    int SetCloseBt(RECT rc, int enable) override;
    int SetBorder(int top, int bottom, int left, int right) override;
    int AppendItem(UINT flags, UINT id, const WCHAR* text, tagMW_FontStysle style, HBITMAP bitmap) override;
    void SetParam(MOVE_DIR dir, int animate, HBITMAP background, HIMAGELIST images, int opaque) override;
    int OnPaintEx(HDC hdc) override;
    int CopyDCFromWnd(HWND wnd) override;
    int CopyDCFrom(HDC hdc, int redraw) override;

    CRKMenuWnd* Clone() const override;

protected:
    void AttachWindow(HWND hwnd) override;
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ClampIntoOwner();
    void ShowAtOwnerPoint();
    void Paint(HDC target, int x, int y);
    void OnPenTrack(POINT pen);
    void OnPenUp(POINT pen);
    void OnKeyDown(WPARAM key);

    int framePending = 1;
    HWND hOwner = nullptr;
    HWND hWnd = nullptr;
    RECT rcMenu = {0, 0, 45, 45};
    RECT rcContent = {22, 22, 22, 22};
    int tracking = 0;
    std::vector<tagMW_Item> items;
    MOVE_DIR moveDir = MOVE_DOWN;
    int animate = 0;
    kit::Backdrop backdrop;
    navctrl::OwnedPicture frameImage;
    HIMAGELIST hImageList = nullptr;
};
