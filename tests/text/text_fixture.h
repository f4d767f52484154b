// The text tests' fixture: a host and a 16-pixel Tahoma, fonts that clean up after themselves and
// ways to measure text.
#pragma once

#include <string>

#include "support/owner_fixture.h"

constexpr COLORREF kPaper = RGB(255, 255, 255);

class ScopedFont {
public:
    ScopedFont(const char16_t* face, LONG height, LONG weight = FW_NORMAL, BYTE charSet = DEFAULT_CHARSET)
    {
        LOGFONTW logFont = {};
        logFont.lfHeight = height;
        logFont.lfWeight = weight;
        logFont.lfCharSet = charSet;
        lstrcpynW(logFont.lfFaceName, face, LF_FACESIZE);
        font_ = CreateFontIndirectW(&logFont);
    }
    ~ScopedFont() { EXPECT_TRUE(DeleteObject(font_)); }
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;
    HFONT get() const { return font_; }

private:
    HFONT font_;
};

class TextTest : public HostTest {
protected:
    ScopedFont font_{u"Tahoma", -16};
};

inline bool HasInk(const RECT& ink)
{
    return ink.right > ink.left && ink.bottom > ink.top;
}

// Measured as the controls measure: no limit, no fit count, no partial extents.
inline SIZE Extent(HDC dc, const std::u16string& text)
{
    SIZE size = {-1, -1};
    EXPECT_TRUE(GetTextExtentExPointW(dc, text.c_str(), int(text.size()), 0, nullptr, nullptr, &size));
    return size;
}

inline TEXTMETRICW Metrics(HDC dc)
{
    TEXTMETRICW tm = {};
    EXPECT_TRUE(GetTextMetricsW(dc, &tm));
    return tm;
}
