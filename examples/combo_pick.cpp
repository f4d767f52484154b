// A combo box with a pick handler: the route type, picked from the drop-down list, read back as
// text. `combo_pick --headless` (or no display) opens the list, picks a row and checks the pick.
#include <cstdio>
#include <cstring>

#include <NavComboboxEx.h>
#include <wincore/host.h>

#include "example_screen.h"

namespace {

constexpr UINT kComboId = 102;
constexpr int kFieldHeight = 42;  // px, the field's fixed height, also the list's row height
constexpr int kComboRows = 4;     // rows the drop-down list has room for
const WCHAR* const kRouteTypes[] = {TEXT("Fastest"), TEXT("Shortest"), TEXT("Avoid tolls"), TEXT("Scenic")};

CNavComboboxEx* routeCombo = nullptr;
WCHAR picked[NAVLV_TEXT_LEN + 1] = {};  // the text of the last pick
int pickedIndex = -1;

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // wParam = MAKEWPARAM(id, code), lParam = the field's window. The field also reports
    // EN_SETFOCUS / EN_KILLFOCUS and a tap on its text (code 0) under the same id: only
    // CBN_SELCHANGE (and CBN_DBLCLK after it for a double tap) is a pick.
    if (message == WM_COMMAND && LOWORD(wParam) == kComboId && routeCombo) {
        if (HIWORD(wParam) == CBN_SELCHANGE) {
            pickedIndex = routeCombo->GetCurSel();
            // GetComboxText writes up to len units and a terminator: the buffer holds len + 1.
            routeCombo->GetComboxText(picked, NAVLV_TEXT_LEN);
        }
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv)
{
    example::Screen screen(argc, argv, "Combo box");

    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND host = screen.CreateHostWindow(HostProc, TEXT("ComboHost"));
    LOGFONTW look = {};
    look.lfHeight = -18;  // px
    HFONT font = CreateFontIndirectW(&look);  // the host's: delete it once the combo box is gone

    int failed = 0;
    {
        CNavComboboxEx combo;  // its destructor destroys the field and the list
        routeCombo = &combo;
        combo.SetFont(font);
        // The rectangle is the field (its top 42 px) and the room below it that the list may open
        // into; Create turns it into that room in screen coordinates.
        RECT area = {20, 20, 260, 20 + kFieldHeight * (1 + kComboRows)};
        WCHAR first[NAVLV_TEXT_LEN + 1] = TEXT("Fastest");
        if (!combo.Create(instance, WS_VISIBLE, first, area, host, kComboId)) return 1;
        for (const WCHAR* type : kRouteTypes) combo.AddString(type);
        combo.SetCurSel(0);

        if (screen.Shown()) {
            screen.RunUntilClosed();
        } else {
            wincore::Pump();
            const int buttonX = 240, fieldY = 20 + kFieldHeight / 2, thirdRowY = 20 + kFieldHeight * 7 / 2;
            wincore::PenDown(buttonX, fieldY);  // the drop button: the list opens 100 ms later
            wincore::PenUp(buttonX, fieldY);
            wincore::Advance(100);
            wincore::PenDown(100, thirdRowY);
            wincore::PenUp(100, thirdRowY);
            failed = pickedIndex != 2 || std::memcmp(picked, kRouteTypes[2], sizeof(TEXT("Avoid tolls"))) != 0;
            std::printf("combo_pick: %s\n", failed ? "no pick of row 2 reported" : "picked row 2 (Avoid tolls)");
        }
        routeCombo = nullptr;
    }
    DestroyWindow(host);
    DeleteObject(font);
    return screen.Finish("combo_pick", failed);
}
