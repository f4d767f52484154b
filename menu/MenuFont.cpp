// The menus' item font.
#include <climits>
#include <cstdlib>

#include "RKNaviMenu.h"

namespace {

constexpr int kTenthsPerInch = 720;  // tenths of a point per inch

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// -|size x dpi / 720|, worked out wide so that no size can overflow.
LONG CharacterHeight(int nSize, int dpi)
{
    long long height = std::llabs(static_cast<long long>(nSize) * dpi / kTenthsPerInch);
    return height > INT_MAX ? LONG(-INT_MAX) : LONG(-height);
}

}  // namespace

HFONT CreateMenuFont(int nSize, int bold)
{
    static const WCHAR kFace[] = TEXT("System");
    LOGFONTW font = {};
    font.lfHeight = CharacterHeight(nSize, ScreenDpi());
    font.lfWeight = bold ? FW_BOLD : 0;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, kFace, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}
