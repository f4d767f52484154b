// A host that, inside a control's notification, deletes the control, destroys its window, empties
// it, hides it or changes it: the control touches nothing freed (the sanitizer build watches),
// tells nothing more than each row lists, leaks nothing, and what the host kept goes on working.
#include <memory>
#include <string>

#include "NavComboboxEx.h"
#include "NavListViewEx.h"
#include "NavVectorBox.h"
#include "RKNaviMenu.h"
#include "fault/fault_fixture.h"

namespace {

enum class Reaction { Delete, Destroy, Empty, Hide, Change };

// One control as the table drives it: the host's reactions, the gesture, and afterwards what the
// kept control shows and does next.
struct Subject {
    HWND window = nullptr;
    std::function<void(Reaction)> react;
    std::function<void()> gesture;
    std::function<std::string()> next;  // "deleted" when the host deleted it
};

struct Case {
    const char* name;
    Subject (*make)(HWND owner, HWND respond, int gesture);
    int gesture;
    const char* on;  // the reaction comes with the first line starting so
    Reaction reaction;
    const char* told;  // every line the owner and the respond window receive, "; " between them
    const char* next;
};

template <class Control>
using Held = std::shared_ptr<std::unique_ptr<Control>>;

template <class Control>
Held<Control> Hold()
{
    return std::make_shared<std::unique_ptr<Control>>(std::make_unique<Control>());
}

// The list, 12 rows of 60 at (20, 20) over a page bar; gestures: a tap on row 1, a double tap on it,
// the bar's left button. Empty deletes all items, Change selects row 3.
Subject List(HWND owner, HWND respond, int gesture)
{
    auto held = Hold<NavListViewEx>();
    NavListViewEx& list = **held;
    list.EnablePageScroll(1);
    for (int i = 0; i < 12; i++) list.AddItem(U16("Row " + std::to_string(i)).c_str(), -1, 0);
    list.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{20, 20, 420, 400}, owner, 7, NAVLV_MODE_LIST);
    list.SetRespondHwnd(respond);
    HWND window = list.GetSafeHand();
    Subject subject;
    subject.window = window;
    subject.react = [held, window](Reaction reaction) {
        if (reaction == Reaction::Delete) held->reset();
        if (reaction == Reaction::Destroy) DestroyWindow(window);
        if (reaction == Reaction::Empty) (*held)->DeleteAllItems();
        if (reaction == Reaction::Hide) ShowWindow(window, SW_HIDE);
        if (reaction == Reaction::Change) (*held)->SetCurrentSel(3);
    };
    subject.gesture = [window, gesture] {
        if (gesture == 0) Tap(200, 110);
        if (gesture == 1) SendMessageW(window, WM_LBUTTONDBLCLK, 0, MAKELPARAM(180, 90));
        if (gesture == 1) SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(180, 90));
        if (gesture == 2) Tap(70, 378);
    };
    subject.next = [held, window] {
        if (!*held) return std::string("deleted");
        NavListViewEx& kept = **held;
        std::string state = "rows " + std::to_string(kept.GetItemCount()) + " sel " + std::to_string(kept.GetCurrentSel());
        ShowWindow(window, SW_SHOW);
        kept.AddItem(TEXT("Added"), -1, 1);
        wincore::PenDown(200, 300);
        for (int y = 290; y > 100; y -= 30) wincore::PenMove(200, y);
        wincore::PenUp(200, 100);
        wincore::Advance(2000);
        Tap(200, 60);
        return state + ", then " + std::to_string(kept.GetCurrentSel());
    };
    return subject;
}

// The combo box at (10, 100) with Alpha, Beta, Gamma; gestures: the open list's row 0 tapped, or
// double-tapped, or the field's text tapped. Empty clears the items and the text, Change selects 2.
Subject Combo(HWND owner, HWND, int gesture)
{
    auto held = Hold<CNavComboboxEx>();
    RECT rect = {10, 100, 250, 400};
    (*held)->Create(nullptr, WS_VISIBLE, nullptr, rect, owner, 20);
    for (const WCHAR* name : {TEXT("Alpha"), TEXT("Beta"), TEXT("Gamma")}) (*held)->AddString(name);
    HWND field = (*held)->GetSafeHwnd();
    Subject subject;
    subject.window = field;
    subject.react = [held, field](Reaction reaction) {
        WCHAR empty[] = TEXT("");
        if (reaction == Reaction::Delete) held->reset();
        if (reaction == Reaction::Destroy) DestroyWindow(field);
        if (reaction == Reaction::Empty) (*held)->ResetContent(), (*held)->SetComboxText(empty, 1);
        if (reaction == Reaction::Hide) (*held)->Show(SW_HIDE);
        if (reaction == Reaction::Change) (*held)->SetCurSel(2);
    };
    auto open = [] {
        Tap(220, 120);
        wincore::Advance(150);
        return GetFocus();  // the open list
    };
    subject.gesture = [gesture, open] {
        if (gesture == 2) return Tap(100, 120);
        HWND list = open();
        if (gesture == 0) return Tap(130, 152);
        SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(120, 12));
        SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(120, 12));
    };
    subject.next = [held, open] {
        if (!*held) return std::string("deleted");
        CNavComboboxEx& kept = **held;
        WCHAR text[16] = {};
        kept.GetComboxText(text, 15);
        std::string state = "items " + std::to_string(kept.GetCount()) + " sel " + std::to_string(kept.GetCurSel()) +
                            " '" + Utf8(text) + "'";
        kept.Show(SW_SHOW);
        kept.AddString(TEXT("Delta"));
        open();
        Tap(130, 152);
        wincore::Advance(500);
        return state + ", then " + std::to_string(kept.GetCurSel());
    };
    return subject;
}

// The vector box at (20, 30) with A, B, C; gestures: the left or the right arrow. It has no way to
// be emptied; Change selects C.
Subject Box(HWND owner, HWND, int gesture)
{
    auto held = Hold<CNavVectorBox>();
    (*held)->Create(nullptr, WS_CHILD | WS_VISIBLE, TEXT("box"), RECT{20, 30, 272, 72}, owner, 7, VBOX_HORZ);
    for (const WCHAR* name : {TEXT("A"), TEXT("B"), TEXT("C")}) (*held)->InsertItem(name, nullptr);
    HWND window = GetDlgItem(owner, 7);
    Subject subject;
    subject.window = window;
    subject.react = [held, window](Reaction reaction) {
        if (reaction == Reaction::Delete) held->reset();
        if (reaction == Reaction::Destroy) DestroyWindow(window);
        if (reaction == Reaction::Hide) (*held)->Show(SW_HIDE);
        if (reaction == Reaction::Change) (*held)->SetCurSel(2);
    };
    subject.gesture = [gesture] { Tap(gesture ? 243 : 49, 51); };
    subject.next = [held] {
        if (!*held) return std::string("deleted");
        std::string state = "sel " + std::to_string((*held)->GetCurSel());
        (*held)->Show(SW_SHOW);
        Tap(243, 51);
        wincore::Advance(1000);
        return state + ", then " + std::to_string((*held)->GetCurSel());
    };
    return subject;
}

// The menu, gesture 0 the sliding panel and 1 the pop-up, three items at (200, 300); the gesture
// picks the first. Empty is Destroy, the facade's way to drop its items; Change tracks it again.
Subject Menu(HWND owner, HWND, int type)
{
    auto held = Hold<CRKNaviMenu>();
    const int frame = type == 1 ? 22 : 10;  // px before the first item
    auto show = [held, owner, type] {
        (*held)->Create(type);
        for (UINT id = 1; id <= 3; id++)
            (*held)->AppendItem(MWF_ENABLED | MWF_TEXT, id, TEXT("Item"), {kTextColour, 150}, nullptr);
        (*held)->TrackMenu(owner, 200, 300);
        wincore::Advance(1500);
    };
    show();
    HWND window = (*held)->GetSafeHwnd();
    Subject subject;
    subject.window = window;
    subject.react = [held, window, owner](Reaction reaction) {
        if (reaction == Reaction::Delete) held->reset();
        if (reaction == Reaction::Destroy) DestroyWindow(window);
        if (reaction == Reaction::Empty) (*held)->Destroy();
        if (reaction == Reaction::Hide) ShowWindow(window, SW_HIDE);
        if (reaction == Reaction::Change) (*held)->TrackMenu(owner, 400, 100);
    };
    auto pick = [held, frame] {
        RECT placed;
        GetWindowRect((*held)->GetSafeHwnd(), &placed);
        Tap(placed.left + frame + 4, placed.top + frame + 4);
    };
    subject.gesture = pick;
    subject.next = [held, show, pick] {
        if (!*held) return std::string("deleted");
        RECT placed = {};
        GetWindowRect((*held)->GetSafeHwnd(), &placed);
        std::string state = IsWindowVisible((*held)->GetSafeHwnd()) ? "shown at " + std::to_string(placed.left) : "closed";
        (*held)->Destroy();
        show();
        pick();
        return state;
    };
    return subject;
}

std::string Line(const char* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    std::string line = window;
    if (message == WM_COMMAND)
        return line + " command " + std::to_string(LOWORD(wParam)) + " " + std::to_string(HIWORD(wParam));
    if (message == WM_NAVLV_PAGESCROLL)
        return line + " page " + std::to_string(LOWORD(wParam)) + " " + std::to_string(HIWORD(wParam));
    if (message != WM_NAVLV_ITEMNOTIFY) return "";
    const auto& item = *reinterpret_cast<const tagNAVLVITME*>(lParam);
    return line + " item " + std::to_string(wParam) + " " + std::to_string(item.index) +
           (item.notifyCode == NAVLV_NOTIFY_DBLTAP ? " double " : " tap ") + Utf8(item.text1);
}

const Case kCases[] = {
    {"ListTapDeleteInOwner", List, 0, "owner item", Reaction::Delete, "owner item 7 1 tap Row 1; respond item 7 1 tap Row 1", "deleted"},
    {"ListTapDestroyInOwner", List, 0, "owner item", Reaction::Destroy, "owner item 7 1 tap Row 1; respond item 7 1 tap Row 1", "rows 12 sel 1, then 1"},
    {"ListTapEmptyInOwner", List, 0, "owner item", Reaction::Empty, "owner item 7 1 tap Row 1; respond item 7 1 tap Row 1", "rows 0 sel -1, then 0"},
    {"ListTapHideInOwner", List, 0, "owner item", Reaction::Hide, "owner item 7 1 tap Row 1; respond item 7 1 tap Row 1", "rows 12 sel 1, then 8"},
    {"ListTapChangeInOwner", List, 0, "owner item", Reaction::Change, "owner item 7 1 tap Row 1; respond item 7 1 tap Row 1", "rows 12 sel 3, then 8"},
    {"ListTapDeleteInRespond", List, 0, "respond item", Reaction::Delete, "owner item 7 1 tap Row 1; respond item 7 1 tap Row 1", "deleted"},
    {"ListTapDestroyInRespond", List, 0, "respond item", Reaction::Destroy, "owner item 7 1 tap Row 1; respond item 7 1 tap Row 1", "rows 12 sel 1, then 1"},
    {"ListTapEmptyInRespond", List, 0, "respond item", Reaction::Empty, "owner item 7 1 tap Row 1; respond item 7 1 tap Row 1", "rows 0 sel -1, then 0"},
    {"ListTapHideInRespond", List, 0, "respond item", Reaction::Hide, "owner item 7 1 tap Row 1; respond item 7 1 tap Row 1", "rows 12 sel 1, then 8"},
    {"ListDoubleTapDeleteInOwner", List, 1, "owner item", Reaction::Delete, "owner item 7 1 double Row 1; respond item 7 1 double Row 1", "deleted"},
    {"ListDoubleTapDestroyInOwner", List, 1, "owner item", Reaction::Destroy, "owner item 7 1 double Row 1; respond item 7 1 double Row 1", "rows 12 sel 1, then 1"},
    {"ListDoubleTapEmptyInOwner", List, 1, "owner item", Reaction::Empty, "owner item 7 1 double Row 1; respond item 7 1 double Row 1", "rows 0 sel -1, then 0"},
    {"ListDoubleTapHideInOwner", List, 1, "owner item", Reaction::Hide, "owner item 7 1 double Row 1; respond item 7 1 double Row 1", "rows 12 sel 1, then 8"},
    {"ListDoubleTapChangeInOwner", List, 1, "owner item", Reaction::Change, "owner item 7 1 double Row 1; respond item 7 1 double Row 1", "rows 12 sel 3, then 8"},
    {"ListDoubleTapDeleteInRespond", List, 1, "respond item", Reaction::Delete, "owner item 7 1 double Row 1; respond item 7 1 double Row 1", "deleted"},
    {"ListDoubleTapDestroyInRespond", List, 1, "respond item", Reaction::Destroy, "owner item 7 1 double Row 1; respond item 7 1 double Row 1", "rows 12 sel 1, then 1"},
    {"ListDoubleTapEmptyInRespond", List, 1, "respond item", Reaction::Empty, "owner item 7 1 double Row 1; respond item 7 1 double Row 1", "rows 0 sel -1, then 0"},
    {"ListDoubleTapHideInRespond", List, 1, "respond item", Reaction::Hide, "owner item 7 1 double Row 1; respond item 7 1 double Row 1", "rows 12 sel 1, then 8"},
    {"ListPageButtonDeleteInOwner", List, 2, "owner page", Reaction::Delete, "owner page 7 0; respond page 7 0", "deleted"},
    {"ListPageButtonDestroyInOwner", List, 2, "owner page", Reaction::Destroy, "owner page 7 0; respond page 7 0", "rows 12 sel -1, then -1"},
    {"ListPageButtonEmptyInOwner", List, 2, "owner page", Reaction::Empty, "owner page 7 0; respond page 7 0", "rows 0 sel -1, then 0"},
    {"ListPageButtonHideInOwner", List, 2, "owner page", Reaction::Hide, "owner page 7 0; respond page 7 0", "rows 12 sel -1, then 8"},
    {"ListPageButtonDeleteInRespond", List, 2, "respond page", Reaction::Delete, "owner page 7 0; respond page 7 0", "deleted"},
    {"ListPageButtonDestroyInRespond", List, 2, "respond page", Reaction::Destroy, "owner page 7 0; respond page 7 0", "rows 12 sel -1, then -1"},
    {"ListPageButtonEmptyInRespond", List, 2, "respond page", Reaction::Empty, "owner page 7 0; respond page 7 0", "rows 0 sel -1, then 0"},
    {"ListPageButtonHideInRespond", List, 2, "respond page", Reaction::Hide, "owner page 7 0; respond page 7 0", "rows 12 sel -1, then 8"},
    {"ComboPickDelete", Combo, 0, "owner item", Reaction::Delete, "owner item 1070 0 tap Alpha", "deleted"},
    {"ComboPickDestroy", Combo, 0, "owner item", Reaction::Destroy, "owner item 1070 0 tap Alpha", "items 3 sel 0 '', then 0"},
    {"ComboPickEmpty", Combo, 0, "owner item", Reaction::Empty, "owner item 1070 0 tap Alpha; owner command 20 1", "items 0 sel -1 'Alpha', then 0"},
    {"ComboPickHide", Combo, 0, "owner item", Reaction::Hide, "owner item 1070 0 tap Alpha; owner command 20 1", "items 3 sel 0 'Alpha', then 0"},
    {"ComboPickChange", Combo, 0, "owner item", Reaction::Change, "owner item 1070 0 tap Alpha; owner command 20 1", "items 3 sel 2 'Alpha', then 0"},
    {"ComboPickSelChangeDelete", Combo, 0, "owner command 20 1", Reaction::Delete, "owner item 1070 0 tap Alpha; owner command 20 1", "deleted"},
    {"ComboPickSelChangeDestroy", Combo, 0, "owner command 20 1", Reaction::Destroy, "owner item 1070 0 tap Alpha; owner command 20 1", "items 3 sel 0 'Alpha', then 0"},
    {"ComboPickSelChangeEmpty", Combo, 0, "owner command 20 1", Reaction::Empty, "owner item 1070 0 tap Alpha; owner command 20 1", "items 0 sel -1 '', then 0"},
    {"ComboPickSelChangeHide", Combo, 0, "owner command 20 1", Reaction::Hide, "owner item 1070 0 tap Alpha; owner command 20 1", "items 3 sel 0 'Alpha', then 0"},
    {"ComboPickSelChangeChange", Combo, 0, "owner command 20 1", Reaction::Change, "owner item 1070 0 tap Alpha; owner command 20 1", "items 3 sel 2 'Gamma', then 0"},
    {"ComboDoubleClickDelete", Combo, 1, "owner command 20 1", Reaction::Delete, "owner item 1070 0 double Alpha; owner command 20 1", "deleted"},
    {"ComboDoubleClickDestroy", Combo, 1, "owner command 20 1", Reaction::Destroy, "owner item 1070 0 double Alpha; owner command 20 1", "items 3 sel 0 'Alpha', then 0"},
    {"ComboDoubleClickEmpty", Combo, 1, "owner command 20 1", Reaction::Empty, "owner item 1070 0 double Alpha; owner command 20 1; owner command 20 2", "items 0 sel -1 '', then 0"},
    {"ComboDoubleClickHide", Combo, 1, "owner command 20 1", Reaction::Hide, "owner item 1070 0 double Alpha; owner command 20 1; owner command 20 2", "items 3 sel 0 'Alpha', then 0"},
    {"ComboDoubleClickChange", Combo, 1, "owner command 20 1", Reaction::Change, "owner item 1070 0 double Alpha; owner command 20 1; owner command 20 2", "items 3 sel 2 'Gamma', then 0"},
    {"ComboTextTapDelete", Combo, 2, "owner command 20 0", Reaction::Delete, "owner command 20 0", "deleted"},
    {"ComboTextTapDestroy", Combo, 2, "owner command 20 0", Reaction::Destroy, "owner command 20 0", "items 3 sel -1 '', then -1"},
    {"ComboTextTapEmpty", Combo, 2, "owner command 20 0", Reaction::Empty, "owner command 20 0", "items 0 sel -1 '', then 0"},
    {"ComboTextTapHide", Combo, 2, "owner command 20 0", Reaction::Hide, "owner command 20 0", "items 3 sel -1 '', then 0"},
    {"ComboTextTapChange", Combo, 2, "owner command 20 0", Reaction::Change, "owner command 20 0", "items 3 sel 2 'Gamma', then 0"},
    {"BoxLeftDelete", Box, 0, "owner command", Reaction::Delete, "owner command 7 0", "deleted"},
    {"BoxLeftDestroy", Box, 0, "owner command", Reaction::Destroy, "owner command 7 0", "sel 2, then 2"},
    {"BoxLeftHide", Box, 0, "owner command", Reaction::Hide, "owner command 7 0", "sel 2, then 0"},
    {"BoxLeftChange", Box, 0, "owner command", Reaction::Change, "owner command 7 0", "sel 2, then 0"},
    {"BoxRightDelete", Box, 1, "owner command", Reaction::Delete, "owner command 7 0", "deleted"},
    {"BoxRightDestroy", Box, 1, "owner command", Reaction::Destroy, "owner command 7 0", "sel 1, then 1"},
    {"BoxRightHide", Box, 1, "owner command", Reaction::Hide, "owner command 7 0", "sel 1, then 2"},
    {"BoxRightChange", Box, 1, "owner command", Reaction::Change, "owner command 7 0", "sel 2, then 0"},
    {"MenuSlideDelete", Menu, 0, "owner command", Reaction::Delete, "owner command 1 0", "deleted"},
    {"MenuSlideDestroy", Menu, 0, "owner command", Reaction::Destroy, "owner command 1 0", "closed"},
    {"MenuSlideEmpty", Menu, 0, "owner command", Reaction::Empty, "owner command 1 0", "closed"},
    {"MenuSlideHide", Menu, 0, "owner command", Reaction::Hide, "owner command 1 0", "closed"},
    {"MenuSlideChange", Menu, 0, "owner command", Reaction::Change, "owner command 1 0", "shown at 400"},
    {"MenuPopupDelete", Menu, 1, "owner command", Reaction::Delete, "owner command 1 0", "deleted"},
    {"MenuPopupDestroy", Menu, 1, "owner command", Reaction::Destroy, "owner command 1 0", "closed"},
    {"MenuPopupEmpty", Menu, 1, "owner command", Reaction::Empty, "owner command 1 0", "closed"},
    {"MenuPopupHide", Menu, 1, "owner command", Reaction::Hide, "owner command 1 0", "closed"},
    {"MenuPopupChange", Menu, 1, "owner command", Reaction::Change, "owner command 1 0", "shown at 400"},
};

class Reentrancy : public FaultTest, public testing::WithParamInterface<Case> {};

TEST_P(Reentrancy, HostReactsInsideTheNotification)
{
    const Case& c = GetParam();
    const int windows = wincore::LiveWindows(), gdi = wincore::LiveGdiObjects();
    HWND respond = CreateRecorder("respond", WS_POPUP, 0, 0, 10, 10);
    Subject subject = c.make(owner, respond, c.gesture);
    wincore::Pump();
    std::string told;
    bool reacted = false;
    auto record = [&](const char* window, UINT message, WPARAM wParam, LPARAM lParam) {
        std::string line = Line(window, message, wParam, lParam);
        if (line.empty()) return;
        told += (told.empty() ? "" : "; ") + line;
        if (reacted || line.rfind(c.on, 0) != 0) return;
        reacted = true;
        subject.react(c.reaction);
    };
    onMessage = [&](UINT message, WPARAM wParam, LPARAM lParam) { record("owner", message, wParam, lParam); };
    SetHandler(respond, [&](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
        return record("respond", message, wParam, lParam), false;
    });
    subject.gesture();
    wincore::Advance(1000);
    EXPECT_EQ(told, c.told);
    onMessage = nullptr;
    EXPECT_EQ(subject.next(), c.next);
    subject = Subject();  // deletes a control the host kept
    DestroyWindow(respond);
    EXPECT_EQ(wincore::LiveWindows(), windows) << "windows left";
    EXPECT_EQ(wincore::LiveGdiObjects(), gdi) << "GDI objects left";
}

INSTANTIATE_TEST_SUITE_P(Fault, Reentrancy, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
