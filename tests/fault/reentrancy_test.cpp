// A host deletes, destroys, empties, hides or changes a control in its notice: nothing freed is touched.
#include <array>
#include <memory>
#include <string>

#include "fault/fault_fixture.h"

namespace {

enum Reaction { Delete, Destroy, Empty, Hide, Change, kReactions };

// One control as the table drives it: the host's reactions, the gesture, what the kept one does next.
struct Subject {
    std::function<void(Reaction)> react;
    std::function<void()> gesture;
    std::function<std::string()> next;  // "deleted" when the host deleted it
};

// The control as the host keeps it: the host's reaction may delete it.
template <class Control>
std::shared_ptr<std::unique_ptr<Control>> Hold()
{
    return std::make_shared<std::unique_ptr<Control>>(std::make_unique<Control>());
}

// 12 rows at (20, 20) over a page bar; gestures: row 1 tapped, the bar's left button.
Subject List(HWND owner, HWND respond, int gesture)
{
    auto held = Hold<NavListViewEx>();
    NavListViewEx& list = **held;
    list.EnablePageScroll(1);
    for (int i = 0; i < 12; i++) list.AddItem(U16("Row " + std::to_string(i)).c_str(), -1, 0);
    list.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{20, 20, 420, 400}, owner, 7, NAVLV_MODE_LIST);
    list.SetRespondHwnd(respond);
    HWND window = list.GetSafeHand();
    auto react = [held, window](Reaction reaction) {
        if (reaction == Delete) held->reset();
        if (reaction == Destroy) DestroyWindow(window);
        if (reaction == Empty) (*held)->DeleteAllItems();
        if (reaction == Hide) ShowWindow(window, SW_HIDE);
        if (reaction == Change) (*held)->SetCurrentSel(3);
    };
    auto act = [gesture] { gesture == 0 ? Tap(200, 110) : Tap(70, 378); };
    auto next = [held, window] {
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
    return {react, act, next};
}

// Alpha, Beta, Gamma at (10, 100); gestures: the open list's row 0 tapped or double-tapped, the field tapped.
Subject Combo(HWND owner, HWND, int gesture)
{
    auto held = Hold<CNavComboboxEx>();
    CreateGreekCombo(**held, owner);
    HWND field = (*held)->GetSafeHwnd();
    auto react = [held, field](Reaction reaction) {
        WCHAR empty[] = TEXT("");
        if (reaction == Delete) held->reset();
        if (reaction == Destroy) DestroyWindow(field);
        if (reaction == Empty) (*held)->ResetContent(), (*held)->SetComboxText(empty, 1);
        if (reaction == Hide) (*held)->Show(SW_HIDE);
        if (reaction == Change) (*held)->SetCurSel(2);
    };
    auto act = [gesture] {
        if (gesture == 2) return Tap(100, 120);
        HWND list = OpenComboList();
        if (gesture == 0) return Tap(130, 152);
        SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(120, 12));
        SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(120, 12));
    };
    auto next = [held] {
        if (!*held) return std::string("deleted");
        CNavComboboxEx& kept = **held;
        WCHAR text[16] = {};
        kept.GetComboxText(text, 15);
        std::string state = "items " + std::to_string(kept.GetCount()) + " sel " + std::to_string(kept.GetCurSel()) +
                            " '" + Utf8(text) + "'";
        kept.Show(SW_SHOW);
        kept.AddString(TEXT("Delta"));
        PickInCombo(0);
        return state + ", then " + std::to_string(kept.GetCurSel());
    };
    return {react, act, next};
}

// A, B, C at (20, 30); the gesture: its left arrow. It has no way to be emptied.
Subject Box(HWND owner, HWND, int)
{
    auto held = Hold<CNavVectorBox>();
    (*held)->Create(nullptr, WS_CHILD | WS_VISIBLE, TEXT("box"), RECT{20, 30, 272, 72}, owner, 7, VBOX_HORZ);
    for (const WCHAR* name : {TEXT("A"), TEXT("B"), TEXT("C")}) (*held)->InsertItem(name, nullptr);
    HWND window = GetDlgItem(owner, 7);
    auto react = [held, window](Reaction reaction) {
        if (reaction == Delete) held->reset();
        if (reaction == Destroy) DestroyWindow(window);
        if (reaction == Hide) (*held)->Show(SW_HIDE);
        if (reaction == Change) (*held)->SetCurSel(2);
    };
    auto act = [] { Tap(49, 51); };
    auto next = [held] {
        if (!*held) return std::string("deleted");
        std::string state = "sel " + std::to_string((*held)->GetCurSel());
        (*held)->Show(SW_SHOW);
        Tap(243, 51);
        wincore::Advance(1000);
        return state + ", then " + std::to_string((*held)->GetCurSel());
    };
    return {react, act, next};
}

// Gesture 0 the sliding panel, 1 the pop-up, three items at (200, 300), the first picked; Empty is Destroy.
Subject Menu(HWND owner, HWND, int type)
{
    auto held = Hold<CRKNaviMenu>();
    const int frame = type == 1 ? 22 : 10;  // px before the first item
    auto show = [held, owner, type] {
        (*held)->Create(type);
        AppendItems(**held, 3);
        (*held)->TrackMenu(owner, 200, 300);
        wincore::Advance(1500);
    };
    show();
    HWND window = (*held)->GetSafeHwnd();
    auto react = [held, window, owner](Reaction reaction) {
        if (reaction == Delete) held->reset();
        if (reaction == Destroy) DestroyWindow(window);
        if (reaction == Empty) (*held)->Destroy();
        if (reaction == Hide) ShowWindow(window, SW_HIDE);
        if (reaction == Change) (*held)->TrackMenu(owner, 400, 100);
    };
    auto pick = [held, frame] {
        RECT placed;
        GetWindowRect((*held)->GetSafeHwnd(), &placed);
        Tap(placed.left + frame + 4, placed.top + frame + 4);
    };
    auto next = [held, show, pick] {
        if (!*held) return std::string("deleted");
        RECT placed = {};
        GetWindowRect((*held)->GetSafeHwnd(), &placed);
        std::string state = IsWindowVisible((*held)->GetSafeHwnd()) ? "shown at " + std::to_string(placed.left) : "closed";
        (*held)->Destroy();
        show();
        pick();
        return state;
    };
    return {react, pick, next};
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

const char* const kReactionNames[kReactions] = {"Delete", "Destroy", "Empty", "Hide", "Change"};
using Outcomes = std::array<const char*, kReactions>;  // `next` by reaction; none: not run

constexpr Outcomes kListRow = {"deleted", "rows 12 sel 1, then 1", "rows 0 sel -1, then 0", "rows 12 sel 1, then 8",
                               "rows 12 sel 3, then 8"};
constexpr Outcomes kListPage = {"deleted", "rows 12 sel -1, then -1", "rows 0 sel -1, then 0", "rows 12 sel -1, then 8",
                                nullptr};
constexpr Outcomes kMenu = {"deleted", "closed", "closed", "closed", "shown at 400"};

struct Group {
    const char* name;
    Subject (*make)(HWND owner, HWND respond, int gesture);
    int gesture;
    const char* on;  // the reaction comes with the first line starting so
    const char* told;  // every line the owner and the respond window receive, "; " between them
    Outcomes next;
};

const Group kGroups[] = {
    {"ListTapInOwner", List, 0, "owner item", "owner item 7 1 tap Row 1; respond item 7 1 tap Row 1", kListRow},
    {"ListPageButtonInOwner", List, 1, "owner page", "owner page 7 0; respond page 7 0", kListPage},
    // A combo box deleted or destroyed in its list's notice sends no CBN_SELCHANGE after it.
    {"ComboPickGone", Combo, 0, "owner item", "owner item 1070 0 tap Alpha",
     {"deleted", "items 3 sel 0 '', then 0", nullptr, nullptr, nullptr}},
    {"ComboPickSelChange", Combo, 0, "owner command 20 1", "owner item 1070 0 tap Alpha; owner command 20 1",
     {"deleted", "items 3 sel 0 'Alpha', then 0", "items 0 sel -1 '', then 0", "items 3 sel 0 'Alpha', then 0",
      "items 3 sel 2 'Gamma', then 0"}},
    // The CBN_DBLCLK after it is not sent.
    {"ComboDoubleClickGone", Combo, 1, "owner command 20 1", "owner item 1070 0 double Alpha; owner command 20 1",
     {"deleted", "items 3 sel 0 'Alpha', then 0", nullptr, nullptr, nullptr}},
    {"ComboTextTap", Combo, 2, "owner command 20 0", "owner command 20 0",
     {"deleted", "items 3 sel -1 '', then -1", "items 0 sel -1 '', then 0", "items 3 sel -1 '', then 0",
      "items 3 sel 2 'Gamma', then 0"}},
    {"BoxLeft", Box, 0, "owner command", "owner command 7 0",
     {"deleted", "sel 2, then 2", nullptr, "sel 2, then 0", "sel 2, then 0"}},
    {"MenuSlide", Menu, 0, "owner command", "owner command 1 0", kMenu},
    {"MenuPopup", Menu, 1, "owner command", "owner command 1 0", kMenu},
};

struct Case {
    const Group* group;
    Reaction reaction;
};

std::vector<Case> Cases()
{
    std::vector<Case> cases;
    for (const Group& group : kGroups)
        for (int reaction = Delete; reaction < kReactions; reaction++)
            if (group.next[reaction]) cases.push_back({&group, Reaction(reaction)});
    return cases;
}

class Reentrancy : public FaultTest, public testing::WithParamInterface<Case> {};

TEST_P(Reentrancy, HostReactsInsideTheNotification)
{
    const Group& c = *GetParam().group;
    const Reaction reaction = GetParam().reaction;
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
        subject.react(reaction);
    };
    onMessage = [&](UINT message, WPARAM wParam, LPARAM lParam) { record("owner", message, wParam, lParam); };
    SetHandler(respond, [&](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
        return record("respond", message, wParam, lParam), false;
    });
    subject.gesture();
    wincore::Advance(1000);
    EXPECT_EQ(told, c.told);
    onMessage = nullptr;
    EXPECT_EQ(subject.next(), c.next[reaction]);
    subject = Subject();  // deletes a control the host kept
    DestroyWindow(respond);
    EXPECT_EQ(wincore::LiveWindows(), windows) << "windows left";
    EXPECT_EQ(wincore::LiveGdiObjects(), gdi) << "GDI objects left";
}

INSTANTIATE_TEST_SUITE_P(Fault, Reentrancy, testing::ValuesIn(Cases()), [](const testing::TestParamInfo<Case>& info) {
    return std::string(info.param.group->name) + kReactionNames[info.param.reaction];
});

}  // namespace
