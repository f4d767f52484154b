// Font objects: creation, and the resolved font a DC draws with.
#include "gdi/gdi.h"
#include "text/fonts.h"

namespace wincore {

ResolvedFont* SelectedFont(HDC handle, const LOGFONTW** logFont)
{
    DC* dc = Lookup<DC>(handle);
    Font* font = dc ? Lookup<Font>(dc->font) : nullptr;
    if (!font) return nullptr;
    if (logFont) *logFont = &font->logFont;
    return ResolveFont(font->logFont);
}

}  // namespace wincore

using namespace wincore;

WINCORE_API HFONT WINAPI CreateFontIndirectW(const LOGFONTW* logFont)
{
    if (!logFont) return nullptr;
    auto font = std::make_unique<Font>();
    font->logFont = *logFont;
    // The face name may arrive without its terminator; the object always holds a terminated one.
    font->logFont.lfFaceName[LF_FACESIZE - 1] = 0;
    return static_cast<HFONT>(Register(std::move(font))->handle);
}
