// Golden pictures: a full destinations list at rest and dragged, and a drop-down list over a map.
#include "listview/list_fixture.h"
#include "support/golden.h"
#include "support/poi_icons.h"

namespace {

using ListGolden = ListTest;

HFONT Font(const std::u16string& face, int height, int weight)
{
    LOGFONTW font = {};
    font.lfHeight = height;
    font.lfWeight = weight;
    std::copy(face.begin(), face.end(), font.lfFaceName);
    return CreateFontIndirectW(&font);
}

TEST_F(ListGolden, DestinationsAtRestAndWhileDraggedThenADropDownListOverAMap)
{
    PaintBackdrop([](HDC dc) {  // a light gradient beneath the list
        for (int y = 0; y < 272; y++) Fill(dc, RECT{40, 40 + y, 520, 41 + y}, RGB(252 - y / 12, 250 - y / 16, 244));
    });
    HFONT fonts[] = {Font(u"Tahoma", -18, 700), Font(u"Tahoma", -14, 400), Font(u"仿宋_GB2312", -14, 400)};
    HBITMAP strip = CreatePoiStrip(fonts[0], TEXT("HF★P"));
    HIMAGELIST icons = CreatePoiIcons(strip);
    DeleteObject(strip);
    {
        NavListViewEx list;
        list.SetFont(fonts[0], fonts[1], fonts[2]);
        list.SetImageList(icons, nullptr, nullptr);
        list.SetColor(RGB(33, 37, 41), RGB(100, 181, 246));
        list.SetBkColor(0, 1);
        list.SetRightArrow(1);
        list.SetCheckBox(1);
        list.EnablePageScroll(1);
        list.SetPageScroll(0, 1, 1);
        const char16_t* rows[][3] = {{u"City Hospital", u"1.2 km", u"Riverside Avenue 12"},
                                     {u"Fuel station\nopen 24 hours", u"2.8 km", nullptr},
                                     {u"北京西站", u"3.5 km", u"莲花池东路118号"},
                                     {u"Park & Ride North", u"5.1 km", u"Exit 14, level 2"},
                                     {u"Harbour Restaurant", u"6.0 km", u"Quay Street 3"},
                                     {u"Central Station", u"7.4 km", u"Platform Road"}};
        for (int i = 0; i < 6; i++) {
            list.AddItem(rows[i][0], i % 4, 0);
            list.SetItemText(i, nullptr, rows[i][1], rows[i][2]);
            list.SetItemTextColor(i, RGB(33, 37, 41), RGB(21, 101, 192), RGB(108, 117, 125));
        }
        list.SetCheckStatus(0, 1);
        list.SetCheckStatus(3, 1);
        list.SetCurrentSel(2);
        Open(list, RECT{40, 40, 520, 312}, 0);
        EXPECT_TRUE(MatchesGolden("listview_destinations", RECT{40, 40, 520, 312}, 8, 300));
        wincore::PenDown(280, 240);
        wincore::PenMove(280, 170);
        EXPECT_TRUE(MatchesGolden("listview_dragged", RECT{40, 40, 520, 312}, 8, 300));
        wincore::PenUp(280, 170);
    }
    PaintBackdrop([](HDC dc) {  // streets and a lake
        Fill(dc, RECT{0, 0, 800, 480}, RGB(233, 229, 220));
        for (int i = 0; i < 800; i += 40) Fill(dc, RECT{i, 0, i + 6, 480}, RGB(255, 214, 102));
        for (int i = 0; i < 480; i += 40) Fill(dc, RECT{0, i, 800, i + 4}, RGB(255, 214, 102));
        Fill(dc, RECT{180, 220, 420, 420}, RGB(170, 211, 223));
    });
    {
        NavListViewEx list;
        list.SetFont(fonts[0], nullptr, nullptr);
        list.SetColor(RGB(33, 37, 41), RGB(100, 181, 246));
        for (const char16_t* text : {u"Shortest route", u"Fastest route", u"Avoid tolls", u"步行路线"})
            list.AddItem(text, -1, 0);
        list.SetCurrentSel(1);
        Open(list, RECT{100, 60, 340, 320}, 0, NAVLV_MODE_DROPDOWN);
        EXPECT_TRUE(MatchesGolden("listview_dropdown", RECT{80, 40, 360, 340}, 8, 200));
    }
    ImageList_Destroy(icons);
    for (HFONT font : fonts) DeleteObject(font);
}

}  // namespace
