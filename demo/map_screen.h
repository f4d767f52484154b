// The demo's navigation screen: a full-screen window over the city map with every control of
// the library on it, and a status line that shows the last notification received.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <NavComboboxEx.h>
#include <NavVectorBox.h>
#include <RKNaviMenu.h>

#include "destination_list.h"
#include "notices.h"
#include "scene.h"
#include "text.h"

namespace demo {

// Control ids, as the notifications carry them.
enum ControlId : UINT {
    kListId = 101,
    kRouteComboId = 102,
    kZoomBoxId = 103,
    kModeBoxId = 104,
    kMenuButtonId = 105,
    kPopupFirstId = 2001,  // pop-up menu items
    kPanelFirstId = 3001,  // sliding panel items
};

class MapScreen {
public:
    MapScreen() = default;
    MapScreen(const MapScreen&) = delete;
    MapScreen& operator=(const MapScreen&) = delete;
    ~MapScreen() { Destroy(); }

    // Registers the window class, loads the pictures and creates the window with its controls.
    bool Create(HINSTANCE instance);
    void Destroy();
    HWND Window() const { return hwnd_; }
    // Every control's animation period, menus opened later included: 0 for their ticks, or 8 to 50 ms.
    void SetAnimationInterval(int ms);
    const Notice& LastNotice() const { return notice_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // map_screen_controls.cpp
    bool CreateResources();
    void ReleaseResources();
    bool CreateControls();
    void CreateList();
    void CreateRouteCombo();
    void CreateZoomBox();
    void CreateModeBox();
    void CreateMenuButton();
    HFONT MakeFont(int pixels, bool bold);

    // map_screen_paint.cpp
    void OnPaint();
    void PaintTitle(HDC dc);
    void PaintStatus(HDC dc);
    void PaintTrip(HDC dc);
    void PaintText(HDC dc, const Text& text, RECT box, HFONT font, COLORREF color, UINT format);
    void PaintBackground(HDC dc, const RECT* area);
    void DrawMenuButton(const DRAWITEMSTRUCT& item);

    // map_screen_events.cpp
    void OnItemNotify(WPARAM wParam, const tagNAVLVITME* item);
    void OnPageScroll(WPARAM wParam);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnRouteChanged(WPARAM wParam);
    void OnBoxStepped(WPARAM wParam);
    void OnPenDown(int x, int y);
    void OnPenUp(int x, int y);
    void Show(const Notice& notice);
    void RefreshTrip();

    // map_screen_keys.cpp
    void SetUpKeys();
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    WNDPROC NextProc(HWND control) const;
    bool OnScreenKey(UINT message, WPARAM wParam);
    void PassFocus();

    // map_screen_menus.cpp
    void OpenPopup(int x, int y);
    void OpenPanel();
    void OnMenuPick(WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_ = nullptr;
    HWND hwnd_ = nullptr;
    Scene scene_;

    // Owned together, so that Destroy releases every control (and what each holds) at once.
    struct Controls {
        DestinationList list;
        CNavComboboxEx routeCombo;
        CNavVectorBox zoomBox;
        CNavVectorBox modeBox;
        CRKNaviMenu popup;
        CRKNaviMenu panel;
    };
    std::unique_ptr<Controls> controls_;
    HWND menuButton_ = nullptr;

    HIMAGELIST placeIcons_ = nullptr;
    HIMAGELIST popupIcons_ = nullptr;
    HIMAGELIST panelIcons_ = nullptr;
    HBITMAP panelSkin_ = nullptr;
    HBITMAP menuButtonPicture_ = nullptr;
    HBITMAP modeFrame_ = nullptr;
    std::vector<HBITMAP> modePictures_;
    std::vector<HFONT> fonts_;
    HFONT titleFont_ = nullptr;
    HFONT smallFont_ = nullptr;
    HFONT statusFont_ = nullptr;
    HFONT tripFont_ = nullptr;

    // The tab stops' own window procedures, which the screen's key check passes their messages on to.
    struct Keyed {
        HWND control;
        WNDPROC next;
    };
    std::vector<Keyed> keyed_;
    HWND lastFocus_ = nullptr;

    Notice notice_;
    int routeType_ = 0;
    POINT penDownAt_ = {-1, -1};
};

}  // namespace demo
