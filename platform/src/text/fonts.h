// Fonts as wincore resolves, measures and draws them: a LOGFONTW becomes a ResolvedFont, a primary
// FreeType face plus the fallback faces fontconfig offers for characters the primary lacks.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include <fontconfig/fontconfig.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <windows.h>

namespace wincore {

// A font file and the face within it, as fontconfig names them.
struct FaceChoice {
    std::string file;
    int index = 0;
};

// Size-independent metrics of a face, in font units.
struct DesignMetrics {
    int unitsPerEm = 0;
    int ascent = 0;   // above the baseline
    int descent = 0;  // below the baseline, positive
    int lineGap = 0;  // extra spacing the font asks for beyond ascent + descent
    int averageWidth = 0;
    int maxAdvance = 0;
};

// One face at one size, with the synthetic styles its glyphs are loaded with. Shared by every
// resolved font that uses that file at that size.
struct SizedFace {
    ~SizedFace();
    FT_Face face = nullptr;
    void* cacheKey = nullptr;  // names its glyphs in the glyph cache; never reused in the process
    bool embolden = false;
    bool oblique = false;
};

// Reads the design metrics of a face; false when the file cannot be loaded.
bool ReadDesign(const FaceChoice& choice, DesignMetrics& design);
// The face at `em` (26.6 pixels), synthesising bold or italic where the face itself is not;
// nullptr when it cannot be loaded. Valid until FlushFaces().
SizedFace* OpenSizedFace(const FaceChoice& choice, FT_F26Dot6 em, bool bold, bool italic);
// Loads a glyph's outline (with synthetic styles applied) into the face's slot; nullptr on failure.
// Measuring and drawing both load through here, so advances and ink agree.
FT_GlyphSlot LoadGlyph(const SizedFace& face, FT_UInt index);
void FlushFaces();

// The fontconfig side of a resolved font: the request built from the LOGFONTW, its best match,
// and the sorted fallback list (built on first use).
class FontSource {
public:
    explicit FontSource(const LOGFONTW& logFont);
    ~FontSource();
    FontSource(const FontSource&) = delete;
    FontSource& operator=(const FontSource&) = delete;

    bool Primary(FaceChoice& choice, std::u16string& family) const;
    // The first fallback after position `after` whose character set has `c`; -1 when none.
    int NextCovering(char32_t c, int after);
    FaceChoice Fallback(int position) const;

private:
    FcPattern* request_ = nullptr;
    FcFontSet* fallbacks_ = nullptr;
    bool sorted_ = false;
};

// Frees what fontconfig holds, at process exit once no FontSource is left: its pointers are
// stored in a form leak checkers cannot follow, so they would report it all as leaked.
void ReleaseFontconfig();

struct Glyph {
    const SizedFace* face = nullptr;
    FT_UInt index = 0;
    int advance = 0;   // whole pixels
    bool ink = false;  // false for blanks such as the space
};

struct FontMetrics {
    int em = 0;  // character height in pixels
    int ascent = 0;
    int descent = 0;
    int height = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int averageWidth = 0;
    int maxWidth = 0;
    int weight = FW_NORMAL;
    int underlineOffset = 0;  // below the baseline
    int underlineThickness = 1;
    bool fixedPitch = false;
};

class ResolvedFont {
public:
    // nullptr when neither fontconfig nor FreeType can provide a usable face.
    static std::unique_ptr<ResolvedFont> Create(const LOGFONTW& logFont);

    const FontMetrics& metrics() const { return metrics_; }
    const std::u16string& faceName() const { return faceName_; }
    // The glyph for a character: from the primary face, else the first fallback that has it,
    // else the primary face's missing-glyph box.
    Glyph GlyphFor(char32_t c);

private:
    explicit ResolvedFont(const LOGFONTW& logFont);
    Glyph Find(char32_t c);
    Glyph FromFace(const SizedFace* face, FT_UInt index) const;
    SizedFace* FallbackFace(int position);

    FontSource source_;
    SizedFace* primary_ = nullptr;
    FT_F26Dot6 em_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    FontMetrics metrics_;
    std::u16string faceName_;
    std::unordered_map<int, SizedFace*> fallbackFaces_;
    std::array<Glyph, 128> ascii_ = {};
    std::array<bool, 128> asciiKnown_ = {};
    std::unordered_map<char32_t, Glyph> others_;
};

// The shared resolution of a LOGFONTW (identical ones share it). nullptr when no font can be
// loaded. Valid until the next call: the cache may be flushed when it grows large.
ResolvedFont* ResolveFont(const LOGFONTW& logFont);
// The font selected into a DC, resolved; nullptr for a bad DC. `logFont` receives the font's LOGFONTW.
ResolvedFont* SelectedFont(HDC dc, const LOGFONTW** logFont = nullptr);

// Drops every cached glyph image; the next drawing renders afresh.
void FlushGlyphImages();

}  // namespace wincore
