// FreeType faces, one per font file, face index, size and synthetic style, shared process-wide.
#include <ft2build.h>
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <fstream>
#include <map>
#include <tuple>

#include "text/fonts.h"

namespace wincore {

namespace {

// Light hinting keeps advances whole pixels without distorting shapes; outlines only, so every
// size renders the same way.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP;
constexpr int kBoldWeightClass = 600;
constexpr size_t kMaxFontFileBytes = 256u << 20;

struct FaceKey {
    std::string file;
    int index;
    FT_F26Dot6 em;
    bool bold;
    bool italic;
    bool operator<(const FaceKey& other) const
    {
        return std::tie(file, index, em, bold, italic) <
               std::tie(other.file, other.index, other.em, other.bold, other.italic);
    }
};

struct FaceStore {
    FT_Library library = nullptr;
    bool libraryFailed = false;
    // Font files are read once and faces opened from memory: no descriptor stays open per face.
    std::map<std::string, std::unique_ptr<std::vector<FT_Byte>>> files;
    std::map<FaceKey, std::unique_ptr<SizedFace>> faces;
    uintptr_t nextCacheKey = 1;

    ~FaceStore()
    {
        faces.clear();
        if (library) FT_Done_FreeType(library);
    }
};

FaceStore& Store()
{
    static FaceStore store;
    return store;
}

FT_Library Library()
{
    FaceStore& store = Store();
    if (!store.library && !store.libraryFailed && FT_Init_FreeType(&store.library) != 0) {
        store.library = nullptr;
        store.libraryFailed = true;
    }
    return store.library;
}

const std::vector<FT_Byte>* FileData(const std::string& path)
{
    auto& files = Store().files;
    auto found = files.find(path);
    if (found != files.end()) return found->second.get();
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::streamoff size = in ? std::streamoff(in.tellg()) : 0;
    if (size <= 0 || size_t(size) > kMaxFontFileBytes) return nullptr;
    auto data = std::make_unique<std::vector<FT_Byte>>(size_t(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(data->data()), size)) return nullptr;
    return files.emplace(path, std::move(data)).first->second.get();
}

FT_Face OpenFace(const FaceChoice& choice)
{
    FT_Library library = Library();
    const std::vector<FT_Byte>* data = library ? FileData(choice.file) : nullptr;
    if (!data) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(library, data->data(), FT_Long(data->size()), choice.index, &face) != 0) return nullptr;
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
        FT_Done_Face(face);
        return nullptr;
    }
    return face;
}

bool IsBoldFace(FT_Face face)
{
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF) return os2->usWeightClass >= kBoldWeightClass;
    return (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
}

}  // namespace

SizedFace::~SizedFace()
{
    if (face) FT_Done_Face(face);
}

bool ReadDesign(const FaceChoice& choice, DesignMetrics& design)
{
    FT_Face face = OpenFace(choice);
    if (!face) return false;
    design.unitsPerEm = face->units_per_EM;
    design.ascent = face->ascender;
    design.descent = -face->descender;
    design.lineGap = face->height - (face->ascender - face->descender);
    design.maxAdvance = face->max_advance_width;
    design.averageWidth = face->units_per_EM / 2;
    // Windows sizes cells by the OS/2 "win" metrics; prefer them where the font has them.
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF) {
        if (os2->usWinAscent + os2->usWinDescent > 0) {
            design.lineGap = std::max(0, face->height - int(os2->usWinAscent + os2->usWinDescent));
            design.ascent = os2->usWinAscent;
            design.descent = os2->usWinDescent;
        }
        if (os2->xAvgCharWidth > 0) design.averageWidth = os2->xAvgCharWidth;
    }
    FT_Done_Face(face);
    return design.ascent + design.descent > 0;
}

SizedFace* OpenSizedFace(const FaceChoice& choice, FT_F26Dot6 em, bool bold, bool italic)
{
    FaceStore& store = Store();
    FaceKey key{choice.file, choice.index, em, bold, italic};
    auto found = store.faces.find(key);
    if (found != store.faces.end()) return found->second.get();

    FT_Face face = OpenFace(choice);
    if (!face) return nullptr;
    auto sized = std::make_unique<SizedFace>();
    sized->face = face;
    if (FT_Set_Char_Size(face, 0, em, 72, 72) != 0) return nullptr;
    sized->embolden = bold && !IsBoldFace(face);
    sized->oblique = italic && (face->style_flags & FT_STYLE_FLAG_ITALIC) == 0;
    sized->cacheKey = reinterpret_cast<void*>(store.nextCacheKey++);
    return store.faces.emplace(std::move(key), std::move(sized)).first->second.get();
}

FT_GlyphSlot LoadGlyph(const SizedFace& sized, FT_UInt index)
{
    if (FT_Load_Glyph(sized.face, index, kLoadFlags) != 0) return nullptr;
    FT_GlyphSlot slot = sized.face->glyph;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return nullptr;
    if (sized.oblique) FT_GlyphSlot_Oblique(slot);
    if (sized.embolden) FT_GlyphSlot_Embolden(slot);
    return slot;
}

void FlushFaces()
{
    Store().faces.clear();
}

}  // namespace wincore
