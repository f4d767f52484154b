// Fonts: creation, face resolution and metrics; what bad handles and arguments get back.
#include <climits>
#include <sstream>

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

// Heights as a LOGFONT gives them: negative the character height (the cell less internal leading),
// positive the cell's; the cell is at most half as high again as the characters. Absurd heights
// still give a font that measures.
TEST_F(FontTest, HeightsAndWeights)
{
    ScopedFont cell20(u"Tahoma", 20), bold(u"Tahoma", -16, FW_BOLD), absurd(u"Tahoma", INT_MIN);
    const struct Row {
        HGDIOBJ font;
        LONG height, weight;
    } rows[] = {{font_.get(), -16, FW_NORMAL}, {bold.get(), -16, FW_BOLD}, {cell20.get(), 20, FW_NORMAL}};
    Canvas canvas(10, 10);
    for (const Row& row : rows) {
        SelectObject(canvas.dc(), row.font);
        const TEXTMETRICW tm = Metrics(canvas.dc());
        const LONG characters = tm.tmHeight - tm.tmInternalLeading;
        EXPECT_EQ(row.height < 0 ? -characters : tm.tmHeight, row.height) << row.height;
        EXPECT_EQ(tm.tmWeight, row.weight) << row.height;
        EXPECT_TRUE(tm.tmAscent + tm.tmDescent == tm.tmHeight && tm.tmAscent > tm.tmDescent &&
                    2 * tm.tmHeight <= 3 * characters && tm.tmMaxCharWidth >= tm.tmAveCharWidth) << row.height;
    }
    SelectObject(canvas.dc(), absurd.get());
    EXPECT_TRUE(Metrics(canvas.dc()).tmHeight > 0 && Metrics(canvas.dc()).tmHeight <= 2048);
    SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
}

// Every text function's result, in order, for a DC and arguments; ExtTextOutW draws above the DC.
std::string Results(HDC dc, LPCWSTR text, int count, RECT* rect, SIZE* size, TEXTMETRICW* tm)
{
    int fit = -1;
    WCHAR face[LF_FACESIZE];
    RECT drawn = rect ? *rect : RECT{};
    std::ostringstream out;
    out << DrawTextW(dc, text, count, rect ? &drawn : nullptr, DT_SINGLELINE) << ' '
        << ExtTextOutW(dc, 0, -100, 0, nullptr, text, UINT(count), nullptr) << ' '
        << GetTextExtentPoint32W(dc, text, count, size) << ' '
        << GetTextExtentExPointW(dc, text, count, 10, &fit, nullptr, size) << ' '
        << GetTextMetricsW(dc, tm) << ' ' << GetTextFaceW(dc, LF_FACESIZE, face);
    return out.str();
}

// A stale DC, a missing text and a negative count fail with Win32's failure results and draw
// nothing. The figures: DrawTextW, ExtTextOutW, the two extents, the metrics and the face name's
// length. A deleted font cannot be selected; the DC keeps the one it had.
TEST_F(FontTest, BadHandlesAndArgumentsFailAndDrawNothing)
{
    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    Canvas canvas(50, 30, kPaper, font_.get());
    HDC dc = canvas.dc();
    const std::string face = std::to_string(GetTextFaceW(dc, 0, nullptr)), line = std::to_string(Metrics(dc).tmHeight);
    RECT rect = {0, 0, 50, 30};
    SIZE size = {};
    TEXTMETRICW tm = {};
    const struct Row {
        const char* name;
        std::string results, expected;
    } rows[] = {
        {"stale DC", Results(stale, u"a", 1, &rect, &size, &tm), "0 0 0 0 0 0"},
        {"no text", Results(dc, nullptr, 3, &rect, &size, nullptr), "0 0 0 0 0 " + face},
        {"count -2", Results(dc, u"abc", -2, &rect, &size, &tm), "0 0 0 0 1 " + face},
    };
    for (const Row& row : rows) EXPECT_EQ(row.results, row.expected) << row.name;
    EXPECT_FALSE(HasInk(canvas.Ink()));
    HFONT gone = ScopedFont(u"Tahoma", -20).get();
    EXPECT_EQ(SelectObject(dc, gone), nullptr);
    EXPECT_EQ(std::to_string(Metrics(dc).tmHeight), line);
}

}  // namespace
