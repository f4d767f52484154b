// Fonts: creation, face resolution, metrics, and what a bad DC gets back.
#include <climits>

#include "text/text_fixture.h"

namespace {

using FontTest = TextTest;

std::u16string FaceOf(HDC dc, HFONT font)
{
    HGDIOBJ old = SelectObject(dc, font);
    WCHAR face[LF_FACESIZE] = {};
    EXPECT_GT(GetTextFaceW(dc, LF_FACESIZE, face), 1);
    SelectObject(dc, old);
    return face;
}

TEST_F(FontTest, CreateFontIndirectKeepsTheLogFontAndCountsAsObject)
{
    EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
    int before = wincore::LiveGdiObjects();
    LOGFONTW logFont = {};
    logFont.lfHeight = -13;
    logFont.lfWeight = FW_BOLD;
    for (WCHAR& c : logFont.lfFaceName) c = u'x';  // no terminator
    HFONT font = CreateFontIndirectW(&logFont);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(wincore::LiveGdiObjects(), before + 1);
    EXPECT_EQ(GetObjectType(font), DWORD(OBJ_FONT));
    LOGFONTW back = {};
    ASSERT_EQ(GetObjectW(font, sizeof back, &back), int(sizeof back));
    EXPECT_EQ(back.lfHeight, -13);
    EXPECT_EQ(back.lfWeight, FW_BOLD);
    EXPECT_EQ(back.lfFaceName[LF_FACESIZE - 1], 0);
    EXPECT_TRUE(DeleteObject(font));
}

TEST_F(FontTest, WindowsFaceNamesResolveToInstalledFonts)
{
    ScopedFont system(u"System", -16), tahoma(u"Tahoma", -16);
    ScopedFont chinese(u"仿宋_GB2312", -16, FW_NORMAL, GB2312_CHARSET);
    Canvas canvas(10, 10);
    EXPECT_EQ(FaceOf(canvas.dc(), system.get()), FaceOf(canvas.dc(), tahoma.get()))
        << "both fall back to the default sans-serif face";
    EXPECT_NE(FaceOf(canvas.dc(), chinese.get()), FaceOf(canvas.dc(), tahoma.get()))
        << "a Chinese face name asks for a font that covers Chinese, not the Latin default";
}

// Negative heights give the character height (cell less internal leading), positive the cell.
TEST_F(FontTest, HeightsWeightsAndStockFonts)
{
    ScopedFont em16(u"Tahoma", -16), cell20(u"Tahoma", 20), unspecified(u"Tahoma", 0);
    ScopedFont bold(u"Tahoma", -16, FW_BOLD);
    Canvas canvas(10, 10);
    TEXTMETRICW system = Metrics(canvas.dc());
    EXPECT_EQ(system.tmWeight, FW_BOLD);
    EXPECT_EQ(system.tmHeight - system.tmInternalLeading, 16);
    SelectObject(canvas.dc(), GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW gui = Metrics(canvas.dc());
    EXPECT_EQ(gui.tmHeight - gui.tmInternalLeading, 12);

    SelectObject(canvas.dc(), em16.get());
    TEXTMETRICW tm = Metrics(canvas.dc());
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 16);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
    EXPECT_GT(tm.tmAscent, tm.tmDescent);
    EXPECT_LE(tm.tmHeight, 24);
    EXPECT_GE(tm.tmAveCharWidth, 4);
    EXPECT_LE(tm.tmAveCharWidth, 12);
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
    EXPECT_EQ(tm.tmWeight, FW_NORMAL);
    const LONG regularWidth = Extent(canvas.dc(), u"Navigation 123").cx;

    SelectObject(canvas.dc(), bold.get());
    EXPECT_EQ(Metrics(canvas.dc()).tmWeight, FW_BOLD);
    EXPECT_GE(Extent(canvas.dc(), u"Navigation 123").cx, regularWidth) << "bold is no narrower";
    SelectObject(canvas.dc(), cell20.get());
    EXPECT_EQ(Metrics(canvas.dc()).tmHeight, 20);
    SelectObject(canvas.dc(), unspecified.get());
    EXPECT_GT(Metrics(canvas.dc()).tmHeight, 8);
    SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
}

TEST_F(FontTest, ExtremeHeightsStayUsable)
{
    for (LONG height : {LONG(INT_MIN), LONG(-100000), LONG(-1), LONG(1), LONG(100000), LONG(INT_MAX)}) {
        ScopedFont font(u"Tahoma", height);
        Canvas canvas(40, 40, kPaper, font.get());
        TEXTMETRICW tm = Metrics(canvas.dc());
        EXPECT_GE(tm.tmHeight, 1) << height;
        EXPECT_LE(tm.tmHeight, 2048) << height;
        RECT rect = {0, 0, 40, 40};
        EXPECT_GT(DrawTextW(canvas.dc(), u"W", -1, &rect, DT_SINGLELINE), 0) << height;
    }
}

TEST_F(FontTest, GetTextFaceCopiesWhatFits)
{
    Canvas canvas(10, 10);
    int needed = GetTextFaceW(canvas.dc(), 0, nullptr);
    ASSERT_GT(needed, 1);
    std::u16string full(size_t(needed), u'#');
    EXPECT_EQ(GetTextFaceW(canvas.dc(), needed, full.data()), needed);
    EXPECT_EQ(full[size_t(needed) - 1], 0);
    WCHAR small[3] = {u'#', u'#', u'#'};
    EXPECT_EQ(GetTextFaceW(canvas.dc(), 3, small), 3);
    EXPECT_EQ(std::u16string(small, 3), full.substr(0, 2) + u'\0');
    EXPECT_EQ(GetTextFaceW(canvas.dc(), 0, small), 0);
}

TEST_F(FontTest, StaleOrMissingHandlesFail)
{
    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    TEXTMETRICW tm = {};
    SIZE size = {};
    WCHAR face[LF_FACESIZE];
    RECT rect = {0, 0, 50, 20};
    int fit = -1;
    for (HDC dc : {stale, HDC(nullptr)}) {
        EXPECT_FALSE(GetTextMetricsW(dc, &tm));
        EXPECT_FALSE(GetTextExtentPoint32W(dc, u"a", 1, &size));
        EXPECT_FALSE(GetTextExtentExPointW(dc, u"a", 1, 10, &fit, nullptr, &size));
        EXPECT_EQ(GetTextFaceW(dc, LF_FACESIZE, face), 0);
        EXPECT_FALSE(ExtTextOutW(dc, 0, 0, 0, nullptr, u"a", 1, nullptr));
        EXPECT_EQ(DrawTextW(dc, u"a", -1, &rect, 0), 0);
    }
    Canvas canvas(10, 10);
    EXPECT_FALSE(GetTextMetricsW(canvas.dc(), nullptr));
    // A deleted font cannot be selected; the DC keeps the one it had.
    HFONT gone = ScopedFont(u"Tahoma", -20).get();
    EXPECT_EQ(SelectObject(canvas.dc(), gone), nullptr);
    EXPECT_TRUE(GetTextMetricsW(canvas.dc(), &tm));
}

}  // namespace
