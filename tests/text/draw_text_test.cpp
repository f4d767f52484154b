// Drawing text with DrawTextW: prefixes and clipping (placement is the golden pictures').
#include <algorithm>

#include "text/text_fixture.h"

namespace {

using DrawTextTest = TextTest;

// No room is made for the ampersand, and the M is underlined, no wider than itself.
TEST_F(DrawTextTest, PrefixHidesTheAmpersandAndUnderlinesTheNextCharacter)
{
    Canvas plain(100, 30, kPaper, font_.get()), prefixed(100, 30, kPaper, font_.get());
    RECT rect = {2, 2, 100, 30};
    DrawTextW(plain.dc(), u"MEN", -1, &rect, DT_SINGLELINE);
    DrawTextW(prefixed.dc(), u"&MEN", -1, &rect, DT_SINGLELINE);
    const RECT plainInk = plain.Ink(), prefixedInk = prefixed.Ink();
    EXPECT_EQ(prefixedInk.right, plainInk.right);
    EXPECT_GT(prefixedInk.bottom, plainInk.bottom);
    const RECT underline = prefixed.InkWithin({0, plainInk.bottom, 100, 30});
    EXPECT_LE(underline.right - underline.left, Extent(plain.dc(), u"M").cx);
}

// DrawTextW stops at its rectangle (x 10 to 60) unless DT_NOCLIP, and always at the DC's clip (x 15);
// the ink ends within 10 pixels of whichever comes first.
TEST_F(DrawTextTest, ClipsAtTheRectangleAndAtTheDCsClip)
{
    for (int dcClipRight : {200, 15}) {
        Canvas canvas(200, 40, kPaper, font_.get());
        IntersectClipRect(canvas.dc(), 0, 0, dcClipRight, 40);
        RECT rect = {10, 5, 60, 35};
        DrawTextW(canvas.dc(), u"A long street", -1, &rect, DT_SINGLELINE | (dcClipRight < 60 ? DT_NOCLIP : 0));
        const LONG right = canvas.Ink().right, limit = std::min(dcClipRight, 60);
        EXPECT_TRUE(right > limit - 10 && right <= limit) << dcClipRight << ": ink ends at " << right;
    }
}

}  // namespace
