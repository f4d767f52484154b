// The demo's screen as a host: what each control's notification does and how the status line
// words it.
#include <gtest/gtest.h>

#include <objbase.h>

#include "destination_list.h"
#include "map_screen.h"
#include "support/host_fixture.h"
#include "trip.h"

namespace {

class MapScreenTest : public HostTest {
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

    static void Tap(int x, int y)
    {
        wincore::PenDown(x, y);
        wincore::Advance(80);
        wincore::PenUp(x, y);
    }

    std::string Headline() const { return Utf8(screen_.LastNotice().headline); }
    std::string Detail() const { return Utf8(screen_.LastNotice().detail); }

    demo::MapScreen screen_;
};

}  // namespace

TEST_F(MapScreenTest, ATappedRowIsReportedWithItsIdsAndText)
{
    Tap(200, 213);
    EXPECT_EQ(Headline(), "WM_NAVLV_ITEMNOTIFY  ·  id 101  ·  row 2  ·  tap");
    EXPECT_EQ(Detail(), "Central Station 火车站");
}

TEST_F(MapScreenTest, ThePageBarsMiddleButtonTogglesSelectMode)
{
    Tap(180, 390);
    EXPECT_EQ(Headline(), "WM_NAVLV_PAGESCROLL  ·  id 101  ·  button 2");
    EXPECT_EQ(Detail(), "select mode on: tap rows to check them");
    Tap(200, 151);
    Tap(200, 89);
    EXPECT_EQ(Detail(), "Home 家  ·  2 checked 已选");
    Tap(180, 390);
    EXPECT_EQ(Detail(), "select mode off");
}

TEST_F(MapScreenTest, APickedRouteTypeChangesTheTrip)
{
    Tap(762, 24);
    wincore::Advance(200);  // the combo box opens its list after its drop delay
    Tap(666, 148);
    EXPECT_EQ(Headline(), "WM_COMMAND  ·  id 102  ·  code 1 CBN_SELCHANGE");
    EXPECT_EQ(Detail(), "route type: Eco 经济");
}

TEST_F(MapScreenTest, TheVectorBoxesReportTheirNewItems)
{
    Tap(355, 450);
    EXPECT_EQ(Headline(), "WM_COMMAND  ·  id 103  ·  code 0 BN_CLICKED");
    EXPECT_EQ(Detail(), "map scale: Zoom 500 m");
    Tap(416, 450);
    EXPECT_EQ(Detail(), "travel mode: Bus 公交");
}

TEST_F(MapScreenTest, ATapOnTheMapOpensThePopupWhosePickIsReported)
{
    int before = wincore::LiveWindows();
    Tap(560, 200);
    EXPECT_EQ(wincore::LiveWindows(), before + 1);
    Tap(650, 233);
    EXPECT_EQ(Headline(), "WM_COMMAND  ·  id 2001  ·  code 0");
    EXPECT_EQ(Detail(), "pop-up menu: Navigate here 导航到这里");
    EXPECT_EQ(wincore::LiveWindows(), before);
}

TEST_F(MapScreenTest, TheMenuButtonsPanelStaysOpenAfterAPickAndClosesByItsButton)
{
    int before = wincore::LiveWindows();
    Tap(66, 450);
    EXPECT_EQ(Detail(), "menu button: the sliding panel opens");
    wincore::Advance(1300);
    Tap(100, 252);
    EXPECT_EQ(Detail(), "sliding menu: Settings 设置");
    EXPECT_EQ(wincore::LiveWindows(), before + 1);
    Tap(224, 138);
    wincore::Advance(900);
    EXPECT_EQ(wincore::LiveWindows(), before);
}

TEST_F(MapScreenTest, ADragIsNoTapAndOpensNoMenu)
{
    int before = wincore::LiveWindows();
    wincore::PenDown(560, 200);
    wincore::PenMove(600, 240);
    wincore::PenUp(600, 240);
    EXPECT_EQ(wincore::LiveWindows(), before);
    EXPECT_EQ(Headline(), "Ready  ·  就绪");
}

TEST(Trip, DurationsTurnIntoHoursAndIndicesStayInTheTable)
{
    EXPECT_EQ(Utf8(demo::TripFor(0, 0).duration), "18 min");
    EXPECT_EQ(Utf8(demo::TripFor(0, 0).distance), "12.4 km");
    EXPECT_EQ(Utf8(demo::TripFor(1, 2).duration), "2 h 56 min");
    EXPECT_EQ(Utf8(demo::TripFor(-1, 99).duration), Utf8(demo::TripFor(0, 3).duration));
}

TEST(Notices, ATwoLineEntryReadsOnOneLine)
{
    tagNAVLVITME item = {};
    std::u16string text = u"Airport\nT2";
    std::copy(text.begin(), text.end(), item.text1);
    item.index = 3;
    item.notifyCode = NAVLV_NOTIFY_DBLTAP;
    demo::Notice notice = demo::ItemNotice(7, item, demo::OneLine(item.text1));
    EXPECT_EQ(Utf8(notice.headline), "WM_NAVLV_ITEMNOTIFY  ·  id 7  ·  row 3  ·  double tap");
    EXPECT_EQ(Utf8(notice.detail), "Airport T2");
    // A full field has no terminator: reading stops at its end.
    std::fill(std::begin(item.text2), std::end(item.text2), u'x');
    EXPECT_EQ(demo::OneLine(item.text2).size(), size_t(NAVLV_TEXT_LEN));
}
