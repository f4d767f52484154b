// A host that, from inside a notification, destroys the control that sent it, deletes all its
// items or hides it: the control neither touches freed memory nor leaks, and a control the host
// kept goes on working.
#include <memory>
#include <string>
#include <tuple>

#include "NavComboboxEx.h"
#include "NavListViewEx.h"
#include "NavVectorBox.h"
#include "RKNaviMenu.h"
#include "fault/fault_fixture.h"

namespace {

enum class Reaction { DeleteObject, DestroyWindow, DeleteAllItems, Hide };

std::string Name(Reaction reaction)
{
    switch (reaction) {
    case Reaction::DeleteObject: return "DeleteObject";
    case Reaction::DestroyWindow: return "DestroyWindow";
    case Reaction::DeleteAllItems: return "DeleteAllItems";
    default: return "Hide";
    }
}

const auto kReactions =
    testing::Values(Reaction::DeleteObject, Reaction::DestroyWindow, Reaction::DeleteAllItems, Reaction::Hide);

// ---- The list view: taps, double taps and page buttons, told to the owner, then the respond window.

enum class ListGesture { Tap, DoubleTap, PageButton };

std::string Name(ListGesture gesture)
{
    return gesture == ListGesture::Tap ? "Tap" : gesture == ListGesture::DoubleTap ? "DoubleTap" : "PageButton";
}

struct ListProbe : NavListViewEx {
    using NavListViewEx::curSel;
    using NavListViewEx::firstRowBottom;
    using NavListViewEx::itemHeight;
    using NavListViewEx::topIndex;
};

using ListCase = std::tuple<ListGesture, Reaction, bool>;

class ListReentrancy : public FaultTest, public testing::WithParamInterface<ListCase> {};

TEST_P(ListReentrancy, HostReactsInsideTheNotification)
{
    const auto [gesture, reaction, inRespondWindow] = GetParam();
    auto* list = new ListProbe;
    list->EnablePageScroll(1);
    list->SetPageScroll(1, 1, 1);
    for (int i = 0; i < 12; i++) list->AddItem(U16("Row " + std::to_string(i)).c_str(), -1, 0);
    ASSERT_EQ(list->Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{20, 20, 420, 400}, owner, 7, -1), 1);
    HWND window = list->GetSafeHand(), respond = CreateRecorder("respond", WS_POPUP, 0, 0, 10, 10);
    list->SetRespondHwnd(respond);
    wincore::Pump();

    int told = 0;
    auto react = [&](UINT message) {
        if (message != WM_NAVLV_ITEMNOTIFY && message != WM_NAVLV_PAGESCROLL) return;
        if (told++ || !list) return;
        switch (reaction) {
        case Reaction::DeleteObject:
            delete list;
            list = nullptr;
            break;
        case Reaction::DestroyWindow: DestroyWindow(window); break;
        case Reaction::DeleteAllItems: list->DeleteAllItems(); break;
        case Reaction::Hide: ShowWindow(window, SW_HIDE); break;
        }
    };
    if (inRespondWindow)
        SetHandler(respond, [&](HWND, UINT message, WPARAM, LPARAM, LRESULT&) { return react(message), false; });
    else
        onNotify = [&](UINT message, WPARAM, LPARAM) { react(message); };

    if (gesture == ListGesture::Tap) {
        Tap(200, 20 + 90);
    } else if (gesture == ListGesture::DoubleTap) {
        SendMessageW(window, WM_LBUTTONDBLCLK, 0, MAKELPARAM(180, 90));
        SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(180, 90));
    } else {
        Tap(20 + 50, 400 - 22);
    }
    wincore::Advance(1000);
    EXPECT_EQ(told, 1);

    if (list) {
        // What the host kept still works: it shows, scrolls, selects and tells.
        ShowWindow(window, SW_SHOW);
        list->AddItem(TEXT("Added"), -1, 1);
        wincore::PenDown(200, 300);
        for (int y = 290; y > 100; y -= 30) wincore::PenMove(200, y);
        wincore::PenUp(200, 100);
        wincore::Advance(2000);
        Tap(200, 60);
        wincore::Advance(500);
        const int count = list->GetItemCount(), sel = list->curSel;
        EXPECT_TRUE(sel == -1 || (sel >= 0 && sel < count)) << sel << " of " << count;
        if (list->topIndex != 0) {
            EXPECT_TRUE(list->firstRowBottom >= 0 && list->firstRowBottom <= list->itemHeight);
        }
        delete list;
    }
    EXPECT_FALSE(IsWindow(window));
    DestroyWindow(respond);
}

INSTANTIATE_TEST_SUITE_P(Fault, ListReentrancy,
                         testing::Combine(testing::Values(ListGesture::Tap, ListGesture::DoubleTap, ListGesture::PageButton),
                                          kReactions, testing::Bool()),
                         [](const testing::TestParamInfo<ListCase>& info) {
                             return Name(std::get<0>(info.param)) + "_" + Name(std::get<1>(info.param)) +
                                    (std::get<2>(info.param) ? "_InRespondWindow" : "_InOwner");
                         });

// ---- The combo box: the list's item notice to the owner, CBN_SELCHANGE, CBN_DBLCLK, a text tap.

enum class ComboNotice { ListItem, SelChange, DoubleClick, TextTap };

std::string Name(ComboNotice notice)
{
    switch (notice) {
    case ComboNotice::ListItem: return "ListItem";
    case ComboNotice::SelChange: return "SelChange";
    case ComboNotice::DoubleClick: return "DoubleClick";
    default: return "TextTap";
    }
}

bool Matches(ComboNotice notice, UINT message, WPARAM wParam)
{
    switch (notice) {
    case ComboNotice::ListItem: return message == WM_NAVLV_ITEMNOTIFY;
    case ComboNotice::SelChange: return message == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE;
    case ComboNotice::DoubleClick: return message == WM_COMMAND && HIWORD(wParam) == CBN_DBLCLK;
    default: return message == WM_COMMAND && HIWORD(wParam) == 0;
    }
}

struct ComboProbe : CNavComboboxEx {
    HWND List() { return pDropList ? pDropList->GetSafeHand() : nullptr; }
};

constexpr int kButtonX = 220, kTextX = 100, kFieldY = 120, kFirstRowY = 152;

using ComboCase = std::tuple<ComboNotice, Reaction>;

class ComboReentrancy : public FaultTest, public testing::WithParamInterface<ComboCase> {};

TEST_P(ComboReentrancy, HostReactsInsideTheNotification)
{
    const auto [notice, reaction] = GetParam();
    auto* combo = new ComboProbe;
    RECT rect = {10, 100, 250, 400};
    ASSERT_EQ(combo->Create(nullptr, WS_VISIBLE, nullptr, rect, owner, 20), 1);
    for (const char* name : {"Alpha", "Beta", "Gamma"}) combo->AddString(U16(name).c_str());
    HWND field = combo->GetSafeHwnd(), list = combo->List();
    wincore::Pump();

    int reacted = 0;
    onNotify = [&](UINT message, WPARAM wParam, LPARAM) {
        if (!Matches(notice, message, wParam) || reacted++ || !combo) return;
        switch (reaction) {
        case Reaction::DeleteObject:
            delete combo;
            combo = nullptr;
            break;
        case Reaction::DestroyWindow: DestroyWindow(field); break;
        case Reaction::DeleteAllItems: combo->ResetContent(); break;
        case Reaction::Hide: combo->Show(SW_HIDE); break;
        }
    };
    if (notice == ComboNotice::TextTap) {
        Tap(kTextX, kFieldY);
    } else {
        Tap(kButtonX, kFieldY);
        wincore::Advance(150);
        ASSERT_TRUE(IsWindowVisible(list));
        if (notice == ComboNotice::DoubleClick) {
            SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(120, kFirstRowY - 140));
            SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(120, kFirstRowY - 140));
        } else {
            Tap(130, kFirstRowY);
        }
    }
    wincore::Advance(1000);
    EXPECT_EQ(reacted, 1);

    if (combo) {
        combo->Show(SW_SHOW);
        combo->AddString(TEXT("Delta"));
        Tap(kButtonX, kFieldY);
        wincore::Advance(150);
        Tap(130, kFirstRowY);
        wincore::Advance(500);
        const int count = combo->GetCount(), sel = combo->GetCurSel();
        EXPECT_TRUE(sel == -1 || (sel >= 0 && sel < count)) << sel << " of " << count;
        delete combo;
    }
    EXPECT_FALSE(IsWindow(field));
    EXPECT_FALSE(IsWindow(list));
}

INSTANTIATE_TEST_SUITE_P(Fault, ComboReentrancy,
                         testing::Combine(testing::Values(ComboNotice::ListItem, ComboNotice::SelChange,
                                                          ComboNotice::DoubleClick, ComboNotice::TextTap),
                                          kReactions),
                         [](const testing::TestParamInfo<ComboCase>& info) {
                             return Name(std::get<0>(info.param)) + "_" + Name(std::get<1>(info.param));
                         });

// ---- The vector box: each step's BN_CLICKED, from either arrow. It has no items to delete.

struct BoxProbe : CNavVectorBox {
    using CNavVectorBox::hWnd;
};

using BoxCase = std::tuple<int, Reaction>;

class VectorBoxReentrancy : public FaultTest, public testing::WithParamInterface<BoxCase> {};

TEST_P(VectorBoxReentrancy, HostReactsInsideTheNotification)
{
    const auto [arrow, reaction] = GetParam();
    auto* box = new BoxProbe;
    ASSERT_EQ(box->Create(nullptr, WS_CHILD | WS_VISIBLE, TEXT("box"), RECT{20, 30, 272, 72}, owner, 7, VBOX_HORZ), 1);
    for (const char* name : {"A", "B", "C"}) box->InsertItem(U16(name).c_str(), nullptr);
    HWND window = box->hWnd;
    wincore::Pump();

    int reacted = 0;
    onNotify = [&](UINT message, WPARAM wParam, LPARAM) {
        if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED || reacted++ || !box) return;
        switch (reaction) {
        case Reaction::DeleteObject:
            delete box;
            box = nullptr;
            break;
        case Reaction::DestroyWindow: DestroyWindow(window); break;
        default: box->Show(SW_HIDE); break;
        }
    };
    const int x = arrow == 0 ? 20 + 29 : 272 - 29;
    Tap(x, 51);
    wincore::Advance(1000);
    EXPECT_EQ(reacted, 1);

    if (box) {
        box->Show(SW_SHOW);
        const int before = box->GetCurSel();
        Tap(272 - 29, 51);
        wincore::Advance(1000);
        if (IsWindow(window)) {
            EXPECT_EQ(box->GetCurSel(), (before + 1) % 3);
        }
        delete box;
    }
    EXPECT_FALSE(IsWindow(window));
}

INSTANTIATE_TEST_SUITE_P(Fault, VectorBoxReentrancy,
                         testing::Combine(testing::Values(0, 1),
                                          testing::Values(Reaction::DeleteObject, Reaction::DestroyWindow,
                                                          Reaction::Hide)),
                         [](const testing::TestParamInfo<BoxCase>& info) {
                             return std::string(std::get<0>(info.param) ? "Right_" : "Left_") +
                                    Name(std::get<1>(info.param));
                         });

// ---- The menu, both looks: the pick. Destroy() is the menu's way of deleting all its items.

using MenuCase = std::tuple<unsigned, Reaction>;

class MenuReentrancy : public FaultTest, public testing::WithParamInterface<MenuCase> {};

TEST_P(MenuReentrancy, HostReactsInsideThePick)
{
    const auto [type, reaction] = GetParam();
    const int frame = type == 1 ? 22 : 10;
    auto* menu = new CRKNaviMenu;
    ASSERT_EQ(menu->Create(type), 1);
    auto fill = [&] {
        for (UINT id = 1; id <= 3; id++) menu->AppendItem(MWF_ENABLED | MWF_TEXT, id, TEXT("Item"), {kTextColour, 150}, nullptr);
        return menu->TrackMenu(owner, 200, 300);
    };
    ASSERT_EQ(fill(), 1);
    HWND window = menu->GetSafeHwnd();
    wincore::Advance(1500);
    RECT placed;
    GetWindowRect(window, &placed);

    int reacted = 0;
    onNotify = [&](UINT message, WPARAM, LPARAM) {
        if (message != WM_COMMAND || reacted++ || !menu) return;
        switch (reaction) {
        case Reaction::DeleteObject:
            delete menu;
            menu = nullptr;
            break;
        case Reaction::DestroyWindow: DestroyWindow(window); break;
        case Reaction::DeleteAllItems: menu->Destroy(); break;
        case Reaction::Hide: ShowWindow(window, SW_HIDE); break;
        }
    };
    Tap(placed.left + frame + 4, placed.top + frame + 4);
    wincore::Advance(2000);
    EXPECT_EQ(reacted, 1);

    if (menu) {
        onNotify = nullptr;
        menu->Destroy();  // the facade's Destroy also ends its implementation
        ASSERT_EQ(menu->Create(type), 1);
        ASSERT_EQ(fill(), 1);
        wincore::Advance(1500);
        GetWindowRect(menu->GetSafeHwnd(), &placed);
        int picks = 0;
        onNotify = [&](UINT message, WPARAM, LPARAM) { picks += message == WM_COMMAND; };
        Tap(placed.left + frame + 4, placed.top + frame + 4);
        EXPECT_EQ(picks, 1);
        delete menu;
    }
    EXPECT_FALSE(IsWindow(window));
}

INSTANTIATE_TEST_SUITE_P(Fault, MenuReentrancy, testing::Combine(testing::Values(0u, 1u), kReactions),
                         [](const testing::TestParamInfo<MenuCase>& info) {
                             return std::string(std::get<0>(info.param) ? "Popup_" : "Slide_") +
                                    Name(std::get<1>(info.param));
                         });

}  // namespace
