// Fonts: creation, face resolution and metrics; what bad handles and arguments get back.
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

// The LOGFONT comes back as given, its face name terminated; the font counts as a GDI object.
TEST_F(FontTest, CreateFontIndirectKeepsTheLogFontAndCountsAsObject)
{
    EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
    const int before = wincore::LiveGdiObjects();
    LOGFONTW logFont = {}, back = {};
    logFont.lfHeight = -13;
    logFont.lfWeight = FW_BOLD;
    for (WCHAR& c : logFont.lfFaceName) c = u'x';  // no terminator
    HFONT font = CreateFontIndirectW(&logFont);
    EXPECT_EQ((std::vector<LONG>{wincore::LiveGdiObjects() - before, LONG(GetObjectType(font)),
                                 GetObjectW(font, sizeof back, &back), back.lfHeight, back.lfWeight,
                                 back.lfFaceName[LF_FACESIZE - 1]}),
              (std::vector<LONG>{1, OBJ_FONT, sizeof back, -13, FW_BOLD, 0}));
    EXPECT_TRUE(DeleteObject(font));
}

// "System" (the menu's face) falls back to the default sans-serif face like Tahoma; a Chinese face
// name asks for a font that covers Chinese.
TEST_F(FontTest, WindowsFaceNamesResolveToInstalledFonts)
{
    ScopedFont system(u"System", -16), chinese(u"仿宋_GB2312", -16, FW_NORMAL, GB2312_CHARSET);
    Canvas canvas(10, 10, kPaper, font_.get());
    const std::u16string face = FaceOf(canvas.dc(), font_.get());
    EXPECT_EQ(FaceOf(canvas.dc(), system.get()), face);
    EXPECT_NE(FaceOf(canvas.dc(), chinese.get()), face);
}

// A negative height is the character height (the cell less internal leading); the cell is at most
// half as high again as the characters. Absurd heights still give a font that measures.
TEST_F(FontTest, HeightsAndWeights)
{
    ScopedFont bold(u"Tahoma", -16, FW_BOLD), absurd(u"Tahoma", INT_MIN);
    const struct Row {
        HGDIOBJ font;
        LONG height, weight;
    } rows[] = {{font_.get(), -16, FW_NORMAL}, {bold.get(), -16, FW_BOLD}};
    Canvas canvas(10, 10);
    for (const Row& row : rows) {
        SelectObject(canvas.dc(), row.font);
        const TEXTMETRICW tm = Metrics(canvas.dc());
        const LONG characters = tm.tmHeight - tm.tmInternalLeading;
        EXPECT_EQ(-characters, row.height) << row.weight;
        EXPECT_EQ(tm.tmWeight, row.weight);
        EXPECT_TRUE(tm.tmAscent + tm.tmDescent == tm.tmHeight && tm.tmAscent > tm.tmDescent &&
                    2 * tm.tmHeight <= 3 * characters && tm.tmMaxCharWidth >= tm.tmAveCharWidth) << row.weight;
    }
    SelectObject(canvas.dc(), absurd.get());
    EXPECT_TRUE(Metrics(canvas.dc()).tmHeight > 0 && Metrics(canvas.dc()).tmHeight <= 2048);
    SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
}

// A stale DC and a missing text fail and draw nothing; a deleted font cannot be selected, and the
// DC keeps the one it had.
TEST_F(FontTest, BadHandlesAndArgumentsFailAndDrawNothing)
{
    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    Canvas canvas(50, 30, kPaper, font_.get());
    HDC dc = canvas.dc();
    const LONG line = Metrics(dc).tmHeight;
    RECT rect = {0, 0, 50, 30};
    SIZE size = {};
    int fit = -1;
    EXPECT_EQ((std::vector<int>{DrawTextW(stale, u"a", 1, &rect, DT_SINGLELINE), GetTextExtentPoint32W(stale, u"a", 1, &size),
                                DrawTextW(dc, nullptr, 3, &rect, DT_SINGLELINE), GetTextExtentPoint32W(dc, nullptr, 3, &size),
                                GetTextExtentExPointW(dc, nullptr, 3, 10, &fit, nullptr, &size)}),
              std::vector<int>(5, 0));
    EXPECT_FALSE(HasInk(canvas.Ink()));
    HFONT gone = ScopedFont(u"Tahoma", -20).get();
    EXPECT_EQ(SelectObject(dc, gone), nullptr);
    EXPECT_EQ(Metrics(dc).tmHeight, line);
}

}  // namespace
