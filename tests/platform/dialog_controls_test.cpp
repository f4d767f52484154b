// Dialogs from in-memory templates, and the system "EDIT" and "BUTTON" classes.
#include <cstring>

#include "support/host_fixture.h"
#include "support/message_log.h"

namespace {

using DialogTest = HostTest;
using ControlsTest = HostTest;

// Lays out a DLGTEMPLATE the way a resource compiler does.
class TemplateBuilder {
public:
    TemplateBuilder(DWORD style, short cx, short cy, const WCHAR* face, WORD points)
    {
        Dword(style);
        Dword(0);  // extended style
        Word(0);   // no controls
        Word(0);
        Word(0);
        Word(WORD(cx));
        Word(WORD(cy));
        Word(0);  // no menu
        Word(0);  // default class
        Word(0);  // empty title
        if (style & DS_SETFONT) {
            Word(points);
            for (; *face; face++) Word(*face);
            Word(0);
        }
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }
    size_t Size() const { return words_.size() * 2; }

private:
    void Word(WORD w) { words_.push_back(w); }
    void Dword(DWORD d)
    {
        Word(WORD(d & 0xFFFF));
        Word(WORD(d >> 16));
    }
    std::vector<WORD> words_;
};

struct DialogProbe {
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM, LPARAM lParam)
    {
        if (message == WM_INITDIALOG) {
            initParam = lParam;
            initHwnd = hwnd;
            return TRUE;
        }
        if (message == WM_USER) {
            SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, 77);
            return TRUE;
        }
        return FALSE;
    }
    static LPARAM initParam;
    static HWND initHwnd;
};
LPARAM DialogProbe::initParam = 0;
HWND DialogProbe::initHwnd = nullptr;

TEST_F(DialogTest, TemplateMakesAHiddenDialogThatGetsInitDialogWithItsParameter)
{
    HWND owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE, 100, 50, 600, 400);
    TemplateBuilder popup(WS_POPUP | DS_SETFONT, 186, 95, TEXT("\u4eff\u5b8b_GB2312"), 8);
    HWND dialog = CreateDialogIndirectParamW(nullptr, popup.Get(), owner, DialogProbe::Proc, 0x1234);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(DialogProbe::initParam, 0x1234);
    EXPECT_EQ(DialogProbe::initHwnd, dialog);
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_EQ(GetParent(dialog), owner);

    RECT units = {0, 0, 186, 95};
    ASSERT_TRUE(MapDialogRect(dialog, &units));
    RECT window;
    GetWindowRect(dialog, &window);
    EXPECT_EQ(window.right - window.left, units.right);
    EXPECT_EQ(window.bottom - window.top, units.bottom);
    EXPECT_EQ(window.left, 100) << "a pop-up dialog sits relative to its owner's client area";
    EXPECT_GT(units.right, 186) << "dialog units are larger than pixels for an 8-point font";

    EXPECT_EQ(SendMessageW(dialog, WM_USER, 0, 0), 77) << "a handled message answers with DWLP_MSGRESULT";
    DestroyWindow(dialog);
}

TEST_F(DialogTest, ChildDialogNeedsAParentAndBadTemplatesFail)
{
    TemplateBuilder child(WS_CHILD | DS_SETFONT, 186, 90, TEXT("Tahoma"), 8);
    EXPECT_EQ(CreateDialogIndirectParamW(nullptr, child.Get(), nullptr, DialogProbe::Proc, 0), nullptr);
    HWND owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE, 0, 0, 600, 400);
    HWND dialog = CreateDialogIndirectParamW(nullptr, child.Get(), owner, DialogProbe::Proc, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(CreateDialogIndirectParamW(nullptr, nullptr, owner, DialogProbe::Proc, 0), nullptr);
    EXPECT_EQ(wincore::LiveWindows(), 2);
    DestroyWindow(dialog);  // and with it the template's font
}

TEST_F(ControlsTest, OwnerDrawnButtonAsksItsParentToDrawAndReportsClicks)
{
    HWND owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    HWND button = CreateWindowExW(0, TEXT("BUTTON"), TEXT(""), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10, 100, 40, owner,
                                  reinterpret_cast<HMENU>(UINT_PTR(5)), nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    Log().Name(button, "button");
    UINT drawnState = 0xFFFF;
    SetHandler(owner, [&drawnState](HWND, UINT m, WPARAM, LPARAM l, LRESULT& r) {
        if (m != WM_DRAWITEM) return false;
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(l);
        drawnState = item->itemState;
        EXPECT_EQ(item->CtlType, UINT(ODT_BUTTON));
        EXPECT_EQ(item->CtlID, 5u);
        EXPECT_EQ(item->rcItem.right, 100);
        r = TRUE;
        return true;
    });
    wincore::Pump();
    EXPECT_EQ(drawnState & ODS_SELECTED, 0u);
    Log().Only({WM_COMMAND});
    wincore::PenDown(20, 20);
    EXPECT_EQ(GetFocus(), button);
    EXPECT_EQ(GetCapture(), button);
    EXPECT_TRUE(drawnState & ODS_SELECTED);
    wincore::PenUp(20, 20);
    wincore::PenDown(21, 21);  // a quick second tap arrives as a double tap, reported as such
    wincore::PenUp(21, 21);
    wincore::Advance(1000);
    wincore::PenDown(20, 20);
    wincore::PenUp(300, 200);  // released away from the button: no click
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"owner WM_COMMAND 0x00000005 button",
                                            "owner WM_COMMAND 0x00050005 button"}));
    DestroyWindow(button);
}

TEST_F(ControlsTest, EditTakesTheFocusOnPenDownAndKeepsTextAndMargins)
{
    HWND owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    HWND edit = CreateWindowExW(0, TEXT("Edit"), TEXT("hello"), WS_CHILD | WS_VISIBLE, 10, 10, 200, 30, owner, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(6, 3));
    EXPECT_EQ(SendMessageW(edit, EM_GETMARGINS, 0, 0), MAKELRESULT(6, 3));
    wincore::Pump();
    wincore::PenDown(50, 20);
    wincore::PenUp(50, 20);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(GetCapture(), nullptr);
    WCHAR text[16];
    EXPECT_EQ(GetWindowTextW(edit, text, 16), 5);
    EXPECT_EQ(WString(text), TEXT("hello"));
    DestroyWindow(edit);
}

TEST_F(ControlsTest, EditMarginsSetBeforeAFontGiveWayToTheFontsOwn)
{
    HWND owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    HWND edit = CreateWindowExW(0, TEXT("Edit"), TEXT(""), WS_CHILD | WS_VISIBLE, 10, 10, 200, 30, owner, nullptr,
                                nullptr, nullptr);
    LOGFONTW look = {};
    look.lfHeight = -20;
    HFONT font = CreateFontIndirectW(&look);
    SendMessageW(edit, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, 60));
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), 1);
    EXPECT_NE(HIWORD(SendMessageW(edit, EM_GETMARGINS, 0, 0)), 60);
    SendMessageW(edit, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, 60));
    EXPECT_EQ(HIWORD(SendMessageW(edit, EM_GETMARGINS, 0, 0)), 60);
    DestroyWindow(edit);
    DeleteObject(font);
}

}  // namespace
