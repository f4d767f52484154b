// Dialogs from in-memory templates, and the system "EDIT" and "BUTTON" classes.
#include <string>
#include <vector>

#include "support/owner_fixture.h"

namespace {

using DialogTest = HostTest;
using ControlsTest = HostTest;

// A DLGTEMPLATE without controls, laid out the way a resource compiler does; an empty class name
// stands for the dialog class.
std::vector<WORD> DialogTemplate(DWORD style, WORD cx, WORD cy, const std::u16string& face,
                                 const std::u16string& className = u"")
{
    std::vector<WORD> words = {WORD(style & 0xFFFF), WORD(style >> 16), 0, 0, 0, 0, 0, cx, cy, 0};
    words.insert(words.end(), className.begin(), className.end());
    words.insert(words.end(), {0, 0});  // the class name's end, an empty title
    if (!(style & DS_SETFONT)) return words;
    words.push_back(8);  // points
    words.insert(words.end(), face.begin(), face.end());
    words.push_back(0);
    return words;
}

HWND MakeDialog(const std::vector<WORD>& words, HWND owner, DLGPROC proc, LPARAM param = 0)
{
    return CreateDialogIndirectParamW(nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), owner, proc, param);
}

std::pair<HWND, LPARAM> initDialog;  // the window and parameter WM_INITDIALOG came with

INT_PTR CALLBACK Probe(HWND hwnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) initDialog = {hwnd, lParam};
    if (message == WM_USER) SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, 77);
    return message == WM_INITDIALOG || message == WM_USER;
}

INT_PTR CALLBACK AnswersEverything(HWND, UINT, WPARAM, LPARAM)
{
    return TRUE;
}

// Hidden, owned, sized in dialog units (larger than pixels for an 8-point font) at the owner's client
// origin; a handled message answers with DWLP_MSGRESULT. A child dialog needs a parent.
TEST_F(DialogTest, TemplatesMakeHiddenDialogsThatGetInitDialogWithTheirParameter)
{
    HWND owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE, 100, 50, 600, 400);
    HWND dialog = MakeDialog(DialogTemplate(WS_POPUP | DS_SETFONT, 186, 95, u"\u4eff\u5b8b_GB2312"), owner, Probe, 0x1234);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(initDialog, std::make_pair(dialog, LPARAM(0x1234)));
    RECT units = {0, 0, 186, 95}, window;
    ASSERT_TRUE(MapDialogRect(dialog, &units));
    GetWindowRect(dialog, &window);
    EXPECT_GT(units.right, 186);
    EXPECT_EQ(Str(window), Str({100, 50, 100 + units.right, 50 + units.bottom}));
    EXPECT_EQ((std::vector<LONG_PTR>{IsWindowVisible(dialog), GetParent(dialog) == owner, SendMessageW(dialog, WM_USER, 0, 0)}),
              (std::vector<LONG_PTR>{FALSE, TRUE, 77}));
    DestroyWindow(dialog);

    const std::vector<WORD> child = DialogTemplate(WS_CHILD | DS_SETFONT, 186, 90, u"Tahoma");
    EXPECT_EQ(MakeDialog(child, nullptr, Probe), nullptr);
    dialog = MakeDialog(child, owner, Probe);
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(CreateDialogIndirectParamW(nullptr, nullptr, owner, Probe, 0), nullptr);
    EXPECT_EQ(wincore::LiveWindows(), 2);
    DestroyWindow(dialog);
}

// The font a dialog makes from its template lives exactly as long as the dialog, whatever class
// the template names, whatever the procedure answers; a font the host sets stays the host's.
TEST_F(DialogTest, TheTemplatesFontGoesWithTheDialog)
{
    const int before = wincore::LiveGdiObjects();
    HWND edit = MakeDialog(DialogTemplate(WS_POPUP | DS_SETFONT, 100, 60, u"Sans", u"EDIT"), nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(wincore::LiveGdiObjects(), before + 1);
    DestroyWindow(edit);
    EXPECT_EQ(wincore::LiveGdiObjects(), before) << "a template naming another class";
    const std::vector<WORD> plain = DialogTemplate(WS_POPUP | DS_SETFONT, 100, 60, u"Sans");
    DestroyWindow(MakeDialog(plain, nullptr, AnswersEverything));
    EXPECT_EQ(wincore::LiveGdiObjects(), before) << "a procedure that answers WM_NCDESTROY";

    LOGFONTW description = {};
    description.lfHeight = -12;
    HFONT hostFont = CreateFontIndirectW(&description);
    HWND dialog = MakeDialog(plain, nullptr, nullptr);
    SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(hostFont), FALSE);
    DestroyWindow(dialog);
    LOGFONTW read = {};
    EXPECT_EQ(GetObjectW(hostFont, sizeof read, &read), int(sizeof read)) << "the host's font was deleted";
    DeleteObject(hostFont);
}

// A quick second tap arrives as a double tap and is reported as such; a pen released away from
// the button clicks nothing.
TEST_F(ControlsTest, OwnerDrawnButtonAsksItsParentToDrawAndReportsClicks)
{
    HWND owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    HWND button = CreateWindowExW(0, TEXT("BUTTON"), TEXT(""), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10, 100, 40, owner,
                                  reinterpret_cast<HMENU>(UINT_PTR(5)), nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    Log().Name(button, "button");
    std::string states;  // of each WM_DRAWITEM: '-' up, 'S' selected
    SetHandler(owner, [&states](HWND, UINT m, WPARAM, LPARAM l, LRESULT& r) {
        if (m != WM_DRAWITEM) return false;
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(l);
        EXPECT_EQ(std::make_pair(item->CtlType, item->CtlID), std::make_pair(UINT(ODT_BUTTON), 5u));
        EXPECT_EQ(item->rcItem.right, 100);
        states += item->itemState & ODS_SELECTED ? 'S' : '-';
        r = TRUE;
        return true;
    });
    wincore::Pump();
    EXPECT_EQ(states, "-");
    Log().Only({WM_COMMAND});
    wincore::PenDown(20, 20);
    EXPECT_EQ(GetFocus(), button);
    EXPECT_EQ(GetCapture(), button);
    EXPECT_EQ(states.back(), 'S');
    wincore::PenUp(20, 20);
    wincore::PenDown(21, 21);
    wincore::PenUp(21, 21);
    wincore::Advance(1000);
    wincore::PenDown(20, 20);
    wincore::PenUp(300, 200);
    EXPECT_TRUE(
        SameTraffic(Log().Lines(), {"owner WM_COMMAND 0x00000005 button", "owner WM_COMMAND 0x00050005 button"}));
    DestroyWindow(button);
}

// The parent hears of the focus coming (EN_SETFOCUS) and going (EN_KILLFOCUS) before the next
// window has it. Margins set before a font give way to the font's own; set afterwards, they stay.
TEST_F(ControlsTest, EditTakesTheFocusOnPenDownTellsItsParentAndKeepsItsMargins)
{
    HWND owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    HWND edit = CreateWindowExW(0, TEXT("Edit"), TEXT("hello"), WS_CHILD | WS_VISIBLE, 10, 10, 200, 30, owner,
                                reinterpret_cast<HMENU>(UINT_PTR(7)), nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    Log().Name(edit, "edit");
    SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(6, 3));
    EXPECT_EQ(SendMessageW(edit, EM_GETMARGINS, 0, 0), MAKELRESULT(6, 3));
    wincore::Pump();
    Log().Only({WM_COMMAND, WM_SETFOCUS, WM_KILLFOCUS});
    Tap(50, 20);
    EXPECT_EQ((std::vector<LONG_PTR>{GetFocus() == edit, GetCapture() == nullptr}), (std::vector<LONG_PTR>{TRUE, TRUE}));
    SetFocus(owner);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"owner WM_KILLFOCUS edit", "owner WM_COMMAND 0x01000007 edit",
                                            "owner WM_COMMAND 0x02000007 edit", "owner WM_SETFOCUS edit"}));
    LOGFONTW look = {};
    look.lfHeight = -20;
    HFONT font = CreateFontIndirectW(&look);
    SendMessageW(edit, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, 60));
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), 1);
    const WORD afterFont = HIWORD(SendMessageW(edit, EM_GETMARGINS, 0, 0));
    SendMessageW(edit, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, 60));
    EXPECT_NE(afterFont, 60);
    EXPECT_EQ(HIWORD(SendMessageW(edit, EM_GETMARGINS, 0, 0)), 60);
    DestroyWindow(edit);
    DeleteObject(font);
}

}  // namespace
