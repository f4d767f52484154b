// The demo's screen as a host: what each control's notification does and how the status line words it.
#include <gtest/gtest.h>

#include <objbase.h>

#include "destination_list.h"
#include "map_screen.h"
#include "support/host_fixture.h"
#include "trip.h"

namespace {

// The pen down at (x, y) for 80 ms, moved to (toX, toY) if given, lifted, then `wait` ms.
struct Step {
    int x, y;
    DWORD wait = 0;
    int toX = -1, toY = -1;
};

const struct Case {
    const char* name;
    std::vector<Step> taps;
    const char* status;  // "headline | detail"
    int windows;         // more than at the start
} kCases[] = {
    {"ATappedRow", {{200, 213}}, "WM_NAVLV_ITEMNOTIFY  ·  id 101  ·  row 2  ·  tap | Central Station 火车站", 0},
    {"SelectModeOn", {{180, 390}}, "WM_NAVLV_PAGESCROLL  ·  id 101  ·  button 2 | select mode on: tap rows to check them", 0},
    {"TwoRowsChecked", {{180, 390}, {200, 151}, {200, 89}}, "WM_NAVLV_ITEMNOTIFY  ·  id 101  ·  row 0  ·  tap | Home 家  ·  2 checked 已选", 0},
    {"SelectModeOff", {{180, 390}, {200, 151}, {180, 390}}, "WM_NAVLV_PAGESCROLL  ·  id 101  ·  button 2 | select mode off", 0},
    // The combo box opens its list after its drop delay.
    {"RouteType", {{762, 24, 200}, {666, 148}}, "WM_COMMAND  ·  id 102  ·  code 1 CBN_SELCHANGE | route type: Eco 经济", 0},
    {"MapScale", {{355, 450}}, "WM_COMMAND  ·  id 103  ·  code 0 BN_CLICKED | map scale: Zoom 500 m", 0},
    {"TravelMode", {{416, 450}}, "WM_COMMAND  ·  id 104  ·  code 0 BN_CLICKED | travel mode: Bus 公交", 0},
    {"ADragIsNoTapAndOpensNoMenu", {{560, 200, 0, 600, 240}}, "Ready  ·  就绪 | Drag, flick or tap anything on the screen", 0},
    {"PopupPick", {{560, 200}, {650, 233}}, "WM_COMMAND  ·  id 2001  ·  code 0 | pop-up menu: Navigate here 导航到这里", 0},
    {"MenuButton", {{66, 450}}, "WM_COMMAND  ·  id 105  ·  code 0 BN_CLICKED | menu button: the sliding panel opens", 1},
    // The pick keeps the panel open: the last tap is on its close button, not on the map.
    {"PanelClosesByItsButton", {{66, 450, 1300}, {100, 252}, {224, 138, 900}},
     "WM_COMMAND  ·  id 3004  ·  code 0 | sliding menu: Settings 设置", 0},
};

class MapScreenHost : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        ASSERT_TRUE(screen_.Create(GetModuleHandleW(nullptr)));
    }
    void TearDown() override
    {
        screen_.Destroy();
        CoUninitialize();
        HostTest::TearDown();
    }

    demo::MapScreen screen_;
};

class MapScreenTaps : public MapScreenHost, public testing::WithParamInterface<Case> {};
using MapScreenKeys = MapScreenHost;

void Press(UINT vk)
{
    wincore::KeyDown(vk);
    wincore::KeyUp(vk);
}

}  // namespace

TEST_P(MapScreenTaps, AreReportedOnTheStatusLine)
{
    const Case& c = GetParam();
    const int before = wincore::LiveWindows();
    for (const Step& tap : c.taps) {
        wincore::PenDown(tap.x, tap.y);
        wincore::Advance(80);
        if (tap.toX >= 0) wincore::PenMove(tap.toX, tap.toY);
        wincore::PenUp(tap.toX >= 0 ? tap.toX : tap.x, tap.toX >= 0 ? tap.toY : tap.y);
        wincore::Advance(tap.wait);
    }
    EXPECT_EQ(Utf8(screen_.LastNotice().headline) + " | " + Utf8(screen_.LastNotice().detail), c.status);
    EXPECT_EQ(wincore::LiveWindows(), before + c.windows);
}

INSTANTIATE_TEST_SUITE_P(Demo, MapScreenTaps, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// The focus starts on the list; Tab and Shift+Tab walk the four controls in screen order.
TEST_F(MapScreenKeys, TabWalksTheControlsInScreenOrder)
{
    std::string walk = std::to_string(GetDlgCtrlID(GetFocus()));
    for (int i = 0; i < 4; i++) {
        Press(VK_TAB);
        walk += " " + std::to_string(GetDlgCtrlID(GetFocus()));
    }
    wincore::KeyDown(VK_SHIFT);
    Press(VK_TAB);
    wincore::KeyUp(VK_SHIFT);
    EXPECT_EQ(walk + " " + std::to_string(GetDlgCtrlID(GetFocus())), "101 102 103 104 101 104");
}

// The screen's own keys open the menus whichever control has the focus.
TEST_F(MapScreenKeys, F10AndMOpenTheMenusFromAnyControl)
{
    const struct {
        int tabs;
        UINT vk;
        const char* status;
    } rows[] = {
        {2, VK_F10, "WM_SYSKEYDOWN  ·  VK_F10 | F10: the sliding panel opens"},
        {1, 'M', "WM_CHAR  ·  'm' | M: the pop-up at the map's centre"},
        {0, 'M', "WM_CHAR  ·  'm' | M: the pop-up at the map's centre"},
    };
    for (const auto& row : rows) {
        screen_.Destroy();
        ASSERT_TRUE(screen_.Create(GetModuleHandleW(nullptr)));
        const int before = wincore::LiveWindows();
        for (int i = 0; i < row.tabs; i++) Press(VK_TAB);
        Press(row.vk);
        EXPECT_EQ(Utf8(screen_.LastNotice().headline) + " | " + Utf8(screen_.LastNotice().detail), row.status);
        EXPECT_EQ(wincore::LiveWindows(), before + 1) << row.status;
    }
}

// Trip indices stay in the table; a two-line entry reads on one line, a full field stops at its end.
TEST(Notices, TripsAndATwoLineEntry)
{
    EXPECT_EQ(Utf8(demo::TripFor(1, 2).duration + u" " + demo::TripFor(-1, 99).duration), "2 h 56 min " +
              Utf8(demo::TripFor(0, 3).duration));
    tagNAVLVITME item = {};
    item.index = 3;
    item.notifyCode = NAVLV_NOTIFY_DBLTAP;
    const demo::Notice notice = demo::ItemNotice(7, item, demo::OneLine(u"Airport\nT2"));
    EXPECT_EQ(Utf8(notice.headline + u" | " + notice.detail),
              "WM_NAVLV_ITEMNOTIFY  ·  id 7  ·  row 3  ·  double tap | Airport T2");
    item.notifyCode = NAVLV_NOTIFY_KEYSELECT;
    EXPECT_EQ(Utf8(demo::ItemNotice(7, item, u"").headline), "WM_NAVLV_ITEMNOTIFY  ·  id 7  ·  row 3  ·  key");
    std::fill(std::begin(item.text2), std::end(item.text2), u'x');
    EXPECT_EQ(demo::OneLine(item.text2).size(), size_t(NAVLV_TEXT_LEN));
}
