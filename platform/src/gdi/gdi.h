// GDI objects and the drawing target of a device context.
#pragma once

#include <pixman.h>

#include <optional>

#include <windows.h>

#include "core/handles.h"
#include "core/region.h"

namespace wincore {

struct GdiObject : Object {
    bool stock = false;  // stock objects are never deleted and not counted as live
};

// Every bitmap is a 32-bit x8r8g8b8 pixman image; a DIB section exposes its pixels to the caller.
// A new bitmap is black, but the clear is deferred: the pixels that opaque fills and copies
// write first are never cleared, and the rest are cleared when anything else draws or reads. An
// off-screen picture whose paint begins by covering it never pays for the clear.
class Bitmap : public GdiObject {
public:
    static constexpr Kind kKind = Kind::Bitmap;
    Bitmap(pixman_image_t* image, int width, int height, bool clearPending = false);
    ~Bitmap() override;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // The pixels, with whatever clear is pending done first.
    pixman_image_t* Image() const;
    // The pixels for a caller about to write every pixel of `written` (image coordinates) opaquely
    // and nothing else: the clear pending there is dropped.
    pixman_image_t* ImageToOverwrite(const Region& written);

    const int width;
    const int height;
    bool dibSection = false;
    HDC selectedInto = nullptr;

private:
    pixman_image_t* image_;
    mutable Region clearPending_;
};

struct Brush : GdiObject {
    static constexpr Kind kKind = Kind::Brush;
    COLORREF color = 0;
    bool hollow = false;
};

struct Pen : GdiObject {
    static constexpr Kind kKind = Kind::Pen;
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};

struct Font : GdiObject {
    static constexpr Kind kKind = Kind::Font;
    LOGFONTW logFont = {};
};

struct RegionObject : GdiObject {
    static constexpr Kind kKind = Kind::Region;
    Region region;
};

struct DC : GdiObject {
    static constexpr Kind kKind = Kind::DC;
    enum class Type { Memory, Window, Paint, Screen };

    Type type = Type::Memory;
    HWND window = nullptr;      // window and paint DCs
    HBITMAP bitmap = nullptr;   // memory DCs: the selected bitmap
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    HFONT font = nullptr;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    int stretchMode = BLACKONWHITE;
    POINT position = {0, 0};
    POINT viewportOrg = {0, 0};
    std::optional<Region> clip;       // an extra clip region in device coordinates
    std::optional<Region> paintClip;  // paint DCs: the update region, in client coordinates
};

// Where a DC's drawing lands: an image, the offset from the DC's logical coordinates to the
// image's, and the clip region (image coordinates) already set on the image. Construct, test
// valid(), draw with pixman, let it go: the destructor takes the clip off the image again.
class DrawTarget {
public:
    // `overwritten` (logical coordinates), when given, is an area the caller is about to fill
    // with opaque pixels.
    explicit DrawTarget(HDC dc, const RECT* overwritten = nullptr);
    ~DrawTarget();
    DrawTarget(const DrawTarget&) = delete;
    DrawTarget& operator=(const DrawTarget&) = delete;

    bool valid() const { return image != nullptr; }
    DC* dc = nullptr;
    pixman_image_t* image = nullptr;
    int dx = 0;  // image x = logical x + dx
    int dy = 0;
    Region clip;  // image coordinates

private:
    pixman_image_t* PreparedPixels(Bitmap& bitmap, const RECT* overwritten) const;
};

// Pixels a DC can be read from: its image, the logical-to-image offset and the readable
// rectangle in image coordinates. False when the DC has nothing to read.
struct SourceView {
    pixman_image_t* image = nullptr;
    int dx = 0;
    int dy = 0;
    RECT bounds = {0, 0, 0, 0};
};
bool ReadSource(HDC dc, SourceView& view);

// The rectangle from (x, y) spanning width x height, either of which may be negative.
RECT SpanRect(int x, int y, int width, int height);
// Whether every pixel of that rectangle (the source DC's logical coordinates) can be read.
bool ReadsWholly(const SourceView& view, int x, int y, int width, int height);

// Colour conversions between COLORREF (0x00BBGGRR) and x8r8g8b8 pixels (0xXXRRGGBB).
inline uint32_t PixelFromColor(COLORREF c)
{
    return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline COLORREF ColorFromPixel(uint32_t p)
{
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}
pixman_color_t PixmanColor(COLORREF c, uint16_t alpha = 0xFFFF);

// Fills `rect` (image coordinates) with a solid colour within the target's clip.
void FillSolid(DrawTarget& target, const pixman_box32_t& rect, COLORREF color);

// Creates a bitmap object (not yet registered); nullptr for sizes out of range.
std::unique_ptr<Bitmap> MakeBitmap(int width, int height);
constexpr int kMaxBitmapSide = 16384;
constexpr int64_t kMaxBitmapPixels = 64ll * 1024 * 1024;

HBITMAP DefaultBitmap();  // the 1 x 1 stock bitmap a new memory DC holds
HDC CreateWindowDC(HWND window, DC::Type type);  // GetDC / BeginPaint
void DestroyDC(HDC dc);

}  // namespace wincore
