// Face resolution through fontconfig: a LOGFONTW's face name, weight, slant and script become a
// request; its best match is the primary face and its sorted list the per-character fallbacks.
#include "text/fonts.h"

#include <wincore/utf.h>

namespace wincore {

namespace {

constexpr FcChar8 kDefaultFamily[] = "sans-serif";

bool InRange(char16_t c, char16_t first, char16_t last)
{
    return c >= first && c <= last;
}

// The language a face asks for, from its character set or the script of its name, so that
// a name such as a Chinese one matches a font for that script rather than the default.
const char* LanguageOf(const LOGFONTW& logFont)
{
    switch (logFont.lfCharSet) {
    case SHIFTJIS_CHARSET: return "ja";
    case HANGUL_CHARSET: return "ko";
    case GB2312_CHARSET: return "zh-cn";
    case CHINESEBIG5_CHARSET: return "zh-tw";
    default: break;
    }
    for (int i = 0; i < LF_FACESIZE && logFont.lfFaceName[i]; i++) {
        char16_t c = logFont.lfFaceName[i];
        if (InRange(c, 0x3040, 0x30FF)) return "ja";
        if (InRange(c, 0xAC00, 0xD7AF)) return "ko";
        if (InRange(c, 0x3400, 0x9FFF) || InRange(c, 0xF900, 0xFAFF)) return "zh-cn";
    }
    return nullptr;
}

std::string FaceNameUtf8(const LOGFONTW& logFont)
{
    std::string name;
    Utf8FromUtf16(logFont.lfFaceName, LF_FACESIZE, name);
    return name;
}


int FontconfigWeight(LONG weight)
{
    if (weight >= FW_SEMIBOLD) return FC_WEIGHT_BOLD;
    if (weight <= 0) return FC_WEIGHT_REGULAR;
    return FcWeightFromOpenType(weight);
}

bool fontconfigReady = false;

bool EnsureFontconfig()
{
    if (!fontconfigReady) fontconfigReady = FcInit();
    return fontconfigReady;
}

FcPattern* BuildRequest(const LOGFONTW& logFont)
{
    if (!EnsureFontconfig()) return nullptr;
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return nullptr;
    std::string face = FaceNameUtf8(logFont);
    FcPatternAddString(pattern, FC_FAMILY, face.empty() ? kDefaultFamily : reinterpret_cast<const FcChar8*>(face.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, FontconfigWeight(logFont.lfWeight));
    FcPatternAddInteger(pattern, FC_SLANT, logFont.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    if (const char* language = LanguageOf(logFont)) {
        FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>(language));
    }
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    return pattern;
}

bool ChoiceOf(FcPattern* font, FaceChoice& choice)
{
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) return false;
    int index = 0;
    if (FcPatternGetInteger(font, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
    choice.file = reinterpret_cast<const char*>(file);
    choice.index = index;
    return true;
}

}  // namespace

void ReleaseFontconfig()
{
    if (fontconfigReady) FcFini();
    fontconfigReady = false;
}

FontSource::FontSource(const LOGFONTW& logFont) : request_(BuildRequest(logFont)) {}

FontSource::~FontSource()
{
    if (fallbacks_) FcFontSetDestroy(fallbacks_);
    if (request_) FcPatternDestroy(request_);
}

bool FontSource::Primary(FaceChoice& choice, std::u16string& family) const
{
    if (!request_) return false;
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, request_, &result);
    if (!match) return false;
    bool found = ChoiceOf(match, choice);
    FcChar8* name = nullptr;
    if (found && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch) family = Utf16FromUtf8(reinterpret_cast<const char*>(name));
    FcPatternDestroy(match);
    return found;
}

int FontSource::NextCovering(char32_t c, int after)
{
    if (!sorted_ && request_) {
        FcResult result = FcResultNoMatch;
        // Trimmed: fonts that add no characters to those before them are left out.
        fallbacks_ = FcFontSort(nullptr, request_, FcTrue, nullptr, &result);
        sorted_ = true;
    }
    if (!fallbacks_) return -1;
    for (int i = after + 1; i < fallbacks_->nfont; i++) {
        FcCharSet* charset = nullptr;
        if (FcPatternGetCharSet(fallbacks_->fonts[i], FC_CHARSET, 0, &charset) != FcResultMatch) continue;
        if (FcCharSetHasChar(charset, c)) return i;
    }
    return -1;
}

FaceChoice FontSource::Fallback(int position) const
{
    FaceChoice choice;
    if (fallbacks_ && position >= 0 && position < fallbacks_->nfont) ChoiceOf(fallbacks_->fonts[position], choice);
    return choice;
}

}  // namespace wincore
