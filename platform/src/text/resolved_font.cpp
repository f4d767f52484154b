// Resolved fonts: the size and metrics a LOGFONTW asks for, its glyphs with per-character
// fallback, and the process-wide cache that lets identical LOGFONTWs share all of it.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "text/fonts.h"

namespace wincore {

namespace {

constexpr double kDefaultEmPixels = 16;
constexpr double kMaxEmPixels = 1024;  // far beyond the screen; bounds glyph images
constexpr size_t kMaxResolvedFonts = 64;
constexpr size_t kMaxCachedCharacters = 65536;

struct EmSize {
    FT_F26Dot6 em = 0;
    bool exactCell = false;  // lfHeight > 0 was met exactly
};

// lfHeight < 0 is the character (em) height, > 0 the cell height (ascent + descent).
EmSize EmFor(LONG height, const DesignMetrics& design)
{
    double pixels = kDefaultEmPixels;
    if (height < 0) pixels = -double(height);
    if (height > 0) pixels = double(height) * design.unitsPerEm / (design.ascent + design.descent);
    EmSize size;
    size.exactCell = height > 0 && pixels <= kMaxEmPixels;
    size.em = FT_F26Dot6(std::lround(std::clamp(pixels, 1.0, kMaxEmPixels) * 64));
    return size;
}

int Round(double value)
{
    return int(std::lround(value));
}

FontMetrics MetricsFor(const LOGFONTW& logFont, const DesignMetrics& design, EmSize size, bool emboldened)
{
    double em = size.em / 64.0;
    double scale = em / design.unitsPerEm;
    FontMetrics m;
    m.em = std::max(1, Round(em));
    m.ascent = Round(design.ascent * scale);
    m.height = size.exactCell ? int(logFont.lfHeight) : Round((design.ascent + design.descent) * scale);
    m.height = std::max({m.height, m.ascent, 1});
    m.descent = m.height - m.ascent;
    m.internalLeading = std::max(0, m.height - m.em);
    m.externalLeading = std::max(0, Round(design.lineGap * scale));
    int widening = emboldened ? std::max(1, Round(em / 24)) : 0;
    m.averageWidth = std::max(1, Round(design.averageWidth * scale)) + widening;
    m.maxWidth = std::max(m.averageWidth, int(std::ceil(design.maxAdvance * scale)) + widening);
    m.weight = logFont.lfWeight > 0 ? int(logFont.lfWeight) : FW_NORMAL;
    m.underlineThickness = std::max(1, Round(em / 14));
    m.underlineOffset = std::clamp(Round(m.descent / 3.0), 1, std::max(1, m.descent - m.underlineThickness));
    return m;
}

struct FontKey {
    LONG height;
    LONG weight;
    BYTE italic;
    BYTE charSet;
    std::array<WCHAR, LF_FACESIZE> face;
    bool operator==(const FontKey& other) const
    {
        return height == other.height && weight == other.weight && italic == other.italic &&
               charSet == other.charSet && face == other.face;
    }
};

FontKey KeyOf(const LOGFONTW& logFont)
{
    FontKey key{logFont.lfHeight, logFont.lfWeight, BYTE(logFont.lfItalic != 0), logFont.lfCharSet, {}};
    for (int i = 0; i < LF_FACESIZE && logFont.lfFaceName[i]; i++) key.face[i] = logFont.lfFaceName[i];
    return key;
}

struct FontKeyHash {
    size_t operator()(const FontKey& key) const
    {
        uint64_t hash = 1469598103934665603ull;
        auto mix = [&hash](uint64_t value) { hash = (hash ^ value) * 1099511628211ull; };
        mix(uint32_t(key.height));
        mix(uint32_t(key.weight));
        mix(key.italic | key.charSet << 8);
        for (WCHAR c : key.face) {
            if (!c) break;
            mix(c);
        }
        return size_t(hash);
    }
};

struct FontCache {
    std::unordered_map<FontKey, std::unique_ptr<ResolvedFont>, FontKeyHash> fonts;
    ~FontCache()
    {
        fonts.clear();
        ReleaseFontconfig();
    }
};

FontCache& Cache()
{
    static FontCache cache;
    return cache;
}

}  // namespace

ResolvedFont::ResolvedFont(const LOGFONTW& logFont)
    : source_(logFont), bold_(logFont.lfWeight >= FW_SEMIBOLD), italic_(logFont.lfItalic != 0)
{
}

std::unique_ptr<ResolvedFont> ResolvedFont::Create(const LOGFONTW& logFont)
{
    std::unique_ptr<ResolvedFont> font(new ResolvedFont(logFont));
    FaceChoice choice;
    DesignMetrics design;
    if (!font->source_.Primary(choice, font->faceName_) || !ReadDesign(choice, design)) return nullptr;
    EmSize size = EmFor(logFont.lfHeight, design);
    font->em_ = size.em;
    font->primary_ = OpenSizedFace(choice, size.em, font->bold_, font->italic_);
    if (!font->primary_) return nullptr;
    font->metrics_ = MetricsFor(logFont, design, size, font->primary_->embolden);
    font->metrics_.fixedPitch = FT_IS_FIXED_WIDTH(font->primary_->face);
    return font;
}

Glyph ResolvedFont::GlyphFor(char32_t c)
{
    if (c < ascii_.size()) {
        if (!asciiKnown_[c]) {
            ascii_[c] = Find(c);
            asciiKnown_[c] = true;
        }
        return ascii_[c];
    }
    auto found = others_.find(c);
    if (found != others_.end()) return found->second;
    if (others_.size() >= kMaxCachedCharacters) others_.clear();
    return others_.emplace(c, Find(c)).first->second;
}

Glyph ResolvedFont::Find(char32_t c)
{
    if (FT_UInt index = FT_Get_Char_Index(primary_->face, c)) return FromFace(primary_, index);
    for (int position = source_.NextCovering(c, -1); position >= 0; position = source_.NextCovering(c, position)) {
        SizedFace* face = FallbackFace(position);
        if (!face) continue;
        if (FT_UInt index = FT_Get_Char_Index(face->face, c)) return FromFace(face, index);
    }
    return FromFace(primary_, 0);
}

Glyph ResolvedFont::FromFace(const SizedFace* face, FT_UInt index) const
{
    Glyph glyph;
    glyph.face = face;
    glyph.index = index;
    FT_GlyphSlot slot = LoadGlyph(*face, index);
    if (!slot) return glyph;
    glyph.advance = int((slot->advance.x + 32) >> 6);
    glyph.ink = slot->outline.n_points > 0;
    return glyph;
}

SizedFace* ResolvedFont::FallbackFace(int position)
{
    auto found = fallbackFaces_.find(position);
    if (found != fallbackFaces_.end()) return found->second;
    SizedFace* face = OpenSizedFace(source_.Fallback(position), em_, bold_, italic_);
    fallbackFaces_.emplace(position, face);
    return face;
}

ResolvedFont* ResolveFont(const LOGFONTW& logFont)
{
    auto& cache = Cache().fonts;
    FontKey key = KeyOf(logFont);
    auto found = cache.find(key);
    if (found != cache.end()) return found->second.get();
    if (cache.size() >= kMaxResolvedFonts) {
        cache.clear();
        FlushFaces();
        FlushGlyphImages();
    }
    // A font that cannot be resolved is remembered too, so it is not queried again.
    return cache.emplace(key, ResolvedFont::Create(logFont)).first->second.get();
}

}  // namespace wincore
