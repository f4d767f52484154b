// The sliding menu panel: a child window of its owner that shows the items on a skin (the host's
// background bitmap, the library's dark panel, or the owner's own pixels under the translucent
// frame), optionally slides open with a small bounce, keeps a picked item highlighted in gold and
// closes only through its close button, sliding shut.
#pragma once

#include <vector>

#include "NavHandles.h"
#include "kit/Backdrop.h"
#include "menu/MenuItem.h"
#include "menu/MenuPictures.h"
#include "menu/MenuWndCommon.h"

namespace slide {

// Where a movement of the panel stands after the last tick of its curve taken.
struct Curve {
    int extent = 0;     // px of the panel shown
    int overshoot = 0;  // the opening's last overshoot
};

}  // namespace slide

class CSlideMenuWnd : public CMenuWndCommon {
public:
    CSlideMenuWnd() = default;
    CSlideMenuWnd(const CSlideMenuWnd& other);
    CSlideMenuWnd& operator=(const CSlideMenuWnd&) = delete;
    ~CSlideMenuWnd() override;

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
    void SetAnimationInterval(int ms) override;

protected:
    void AttachWindow(HWND hwnd) override;
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ReleasePictures();
    void PlaceAtAnchor(LONG x, LONG y);
    void Paint(HDC target, int x, int y);
    void PaintBackground(HDC dc, const RECT& client);
    LRESULT OnPenTrack(POINT pen);
    LRESULT OnPenUp(POINT pen);
    bool IsClosePress(POINT pen) const;
    void OnTimer(UINT_PTR id);
    void StartMotion(UINT_PTR timer);
    void StartClosing();
    void OpeningStep();
    void FinishOpening();
    void ClosingStep();
    RECT ShownRect() const;
    void OnKeyDown(WPARAM key);
    void TakeKeys();
    void ReturnFocus();

    HWND hOwner = nullptr;
    HWND hWnd = nullptr;
    RECT rcMenu = {0, 0, 20, 10};
    RECT rcContent = {10, 10, 10, 10};
    int tracking = 0;
    int closeEnabled = 0;
    RECT rcClose = {0, 0, 0, 0};
    std::vector<tagMW_Item> items;
    slide::Curve curve;
    int curveTicks = 0;        // ticks of the running movement taken
    DWORD motionStart = 0;     // GetTickCount() when it began
    UINT_PTR motionTimer = 0;  // its timer, 0 when none runs
    int extent = 0;            // px of the panel shown
    MOVE_DIR moveDir = MOVE_UP;
    int animate = 0;
    kit::Backdrop backdrop;
    HBITMAP hbmPanel = nullptr;
    HBITMAP hbmHighlight = nullptr;
    int opaque = 1;
    navctrl::OwnedPicture frameImage;
    HBITMAP hbmBackground = nullptr;
    HIMAGELIST hImageList = nullptr;
};
