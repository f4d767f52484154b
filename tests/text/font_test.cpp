// Fonts: creation, absurd heights; what a missing text and a deleted font get back.
#include <climits>

#include "text/text_fixture.h"

namespace {

using FontTest = TextTest;

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

// An absurd height still gives a font that measures (the cell's figures are the golden pictures').
TEST_F(FontTest, AbsurdHeightStillMeasures)
{
    ScopedFont absurd(u"Tahoma", INT_MIN);
    Canvas canvas(10, 10, kPaper, absurd.get());
    const LONG height = Metrics(canvas.dc()).tmHeight;
    EXPECT_TRUE(height > 0 && height <= 2048) << height;
}

// A missing text fails and draws nothing; a deleted font cannot be selected, and the DC keeps the
// one it had.
TEST_F(FontTest, MissingTextAndDeletedFontFail)
{
    Canvas canvas(50, 30, kPaper, font_.get());
    HDC dc = canvas.dc();
    const LONG line = Metrics(dc).tmHeight;
    RECT rect = {0, 0, 50, 30};
    EXPECT_EQ(DrawTextW(dc, nullptr, 3, &rect, DT_SINGLELINE), 0);
    EXPECT_FALSE(HasInk(canvas.Ink()));
    HFONT gone = ScopedFont(u"Tahoma", -20).get();
    EXPECT_EQ(SelectObject(dc, gone), nullptr);
    EXPECT_EQ(Metrics(dc).tmHeight, line);
}

}  // namespace
