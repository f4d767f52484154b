// Creation, selection and deletion of GDI objects.
#include <cstring>
#include <utility>

#include "gdi/gdi.h"

namespace wincore {

Bitmap::Bitmap(pixman_image_t* image, int width, int height, bool clearPending)
    : width(width), height(height), image_(image)
{
    if (clearPending) clearPending_ = Region(0, 0, unsigned(width), unsigned(height));
}

Bitmap::~Bitmap()
{
    if (image_) pixman_image_unref(image_);
}

pixman_image_t* Bitmap::Image() const
{
    int count = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(&clearPending_, &count);
    if (count > 0) {
        pixman_color_t black = {0, 0, 0, 0};
        pixman_image_fill_boxes(PIXMAN_OP_SRC, image_, &black, count, boxes);
        clearPending_ = Region();
    }
    return image_;
}

pixman_image_t* Bitmap::ImageToOverwrite(const Region& written)
{
    clearPending_.Subtract(written);
    return image_;
}

std::unique_ptr<Bitmap> MakeBitmap(int width, int height)
{
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) return nullptr;
    if (int64_t(width) * height > kMaxBitmapPixels) return nullptr;
    pixman_image_t* image = pixman_image_create_bits_no_clear(PIXMAN_x8r8g8b8, width, height, nullptr, width * 4);
    if (!image) return nullptr;
    return std::make_unique<Bitmap>(image, width, height, true);
}

namespace {

template <class T>
HGDIOBJ MakeStock(std::unique_ptr<T> object)
{
    object->stock = true;
    return Register(std::move(object))->handle;
}

HGDIOBJ MakeStockBrush(COLORREF color, bool hollow)
{
    auto brush = std::make_unique<Brush>();
    brush->color = color;
    brush->hollow = hollow;
    return MakeStock(std::move(brush));
}

HGDIOBJ MakeStockPen(COLORREF color, int style)
{
    auto pen = std::make_unique<Pen>();
    pen->color = color;
    pen->style = style;
    return MakeStock(std::move(pen));
}

HGDIOBJ MakeStockFont(const char16_t* face, LONG height, LONG weight)
{
    auto font = std::make_unique<Font>();
    font->logFont.lfHeight = height;
    font->logFont.lfWeight = weight;
    font->logFont.lfCharSet = DEFAULT_CHARSET;
    for (int i = 0; face[i] && i < LF_FACESIZE - 1; i++) font->logFont.lfFaceName[i] = face[i];
    return MakeStock(std::move(font));
}

struct StockObjects {
    HGDIOBJ objects[DEFAULT_GUI_FONT + 1] = {};
    HGDIOBJ defaultBitmap = nullptr;

    StockObjects()
    {
        objects[WHITE_BRUSH] = MakeStockBrush(RGB(255, 255, 255), false);
        objects[LTGRAY_BRUSH] = MakeStockBrush(RGB(192, 192, 192), false);
        objects[GRAY_BRUSH] = MakeStockBrush(RGB(128, 128, 128), false);
        objects[DKGRAY_BRUSH] = MakeStockBrush(RGB(64, 64, 64), false);
        objects[BLACK_BRUSH] = MakeStockBrush(RGB(0, 0, 0), false);
        objects[NULL_BRUSH] = MakeStockBrush(0, true);
        objects[WHITE_PEN] = MakeStockPen(RGB(255, 255, 255), PS_SOLID);
        objects[BLACK_PEN] = MakeStockPen(RGB(0, 0, 0), PS_SOLID);
        objects[NULL_PEN] = MakeStockPen(0, PS_NULL);
        objects[SYSTEM_FONT] = MakeStockFont(u"System", -16, FW_BOLD);
        objects[DEFAULT_GUI_FONT] = MakeStockFont(u"Tahoma", -12, FW_NORMAL);
        defaultBitmap = MakeStock(MakeBitmap(1, 1));
    }
};

StockObjects& Stock()
{
    static StockObjects stock;
    return stock;
}

GdiObject* FindGdiObject(HGDIOBJ handle)
{
    switch (Handles().KindOf(handle)) {
    case Kind::Bitmap: return Lookup<Bitmap>(handle);
    case Kind::Brush: return Lookup<Brush>(handle);
    case Kind::Pen: return Lookup<Pen>(handle);
    case Kind::Font: return Lookup<Font>(handle);
    case Kind::Region: return Lookup<RegionObject>(handle);
    default: return nullptr;
    }
}

bool IsSelectedAnywhere(HGDIOBJ handle)
{
    bool selected = false;
    Handles().ForEach(Kind::DC, [&](Object* object) {
        auto* dc = static_cast<DC*>(object);
        if (dc->bitmap == handle || dc->brush == handle || dc->pen == handle || dc->font == handle) selected = true;
    });
    return selected;
}

// A bottom-up DIB section is an image with a negative stride: its memory starts at the last row.
void* SectionBits(const Bitmap& bitmap)
{
    auto* data = reinterpret_cast<uint8_t*>(pixman_image_get_data(bitmap.Image()));
    int stride = pixman_image_get_stride(bitmap.Image());
    return stride < 0 ? data + ptrdiff_t(stride) * (bitmap.height - 1) : data;
}

HDC RegisterDC(std::unique_ptr<DC> dc)
{
    dc->brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    dc->pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    dc->font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    return static_cast<HDC>(Register(std::move(dc))->handle);
}

}  // namespace

HBITMAP DefaultBitmap()
{
    return static_cast<HBITMAP>(Stock().defaultBitmap);
}

HDC CreateWindowDC(HWND window, DC::Type type)
{
    auto dc = std::make_unique<DC>();
    dc->type = type;
    dc->window = window;
    return RegisterDC(std::move(dc));
}

void DestroyDC(HDC handle)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc) return;
    if (Bitmap* bitmap = Lookup<Bitmap>(dc->bitmap)) bitmap->selectedInto = nullptr;
    Handles().Remove(handle);
}

pixman_color_t PixmanColor(COLORREF c, uint16_t alpha)
{
    auto channel = [alpha](unsigned v) { return uint16_t((v * 0x101u * alpha) / 0xFFFFu); };
    return pixman_color_t{channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)), alpha};
}

}  // namespace wincore

using namespace wincore;

WINCORE_API HGDIOBJ WINAPI GetStockObject(int index)
{
    if (index < 0 || index > DEFAULT_GUI_FONT) return nullptr;
    return Stock().objects[index];
}

WINCORE_API HDC WINAPI CreateCompatibleDC(HDC dc)
{
    if (dc && !Lookup<DC>(dc)) return nullptr;
    auto memory = std::make_unique<DC>();
    memory->type = DC::Type::Memory;
    memory->bitmap = DefaultBitmap();
    return RegisterDC(std::move(memory));
}

WINCORE_API BOOL WINAPI DeleteDC(HDC handle)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc || dc->type != DC::Type::Memory) return FALSE;
    DestroyDC(handle);
    return TRUE;
}

WINCORE_API HBITMAP WINAPI CreateCompatibleBitmap(HDC dc, int width, int height)
{
    if (!Lookup<DC>(dc)) return nullptr;
    auto bitmap = MakeBitmap(width, height);
    if (!bitmap) return nullptr;
    return static_cast<HBITMAP>(Register(std::move(bitmap))->handle);
}

WINCORE_API HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    if (planes != 1 || bitsPerPixel != 32) return nullptr;
    auto bitmap = MakeBitmap(width, height);
    if (!bitmap) return nullptr;
    if (bits) {
        const Region all(0, 0, unsigned(width), unsigned(height));
        std::memcpy(pixman_image_get_data(bitmap->ImageToOverwrite(all)), bits, size_t(width) * height * 4);
    }
    return static_cast<HBITMAP>(Register(std::move(bitmap))->handle);
}

WINCORE_API HBRUSH WINAPI CreateSolidBrush(COLORREF color)
{
    auto brush = std::make_unique<Brush>();
    brush->color = color & 0xFFFFFF;
    return static_cast<HBRUSH>(Register(std::move(brush))->handle);
}

WINCORE_API HPEN WINAPI CreatePen(int style, int width, COLORREF color)
{
    if (style != PS_SOLID && style != PS_DASH && style != PS_NULL) return nullptr;
    auto pen = std::make_unique<Pen>();
    pen->style = style;
    pen->width = width < 1 ? 1 : width;
    pen->color = color & 0xFFFFFF;
    return static_cast<HPEN>(Register(std::move(pen))->handle);
}

WINCORE_API HGDIOBJ WINAPI SelectObject(HDC handle, HGDIOBJ object)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc || !object) return nullptr;
    switch (Handles().KindOf(object)) {
    case Kind::Brush: return std::exchange(dc->brush, static_cast<HBRUSH>(object));
    case Kind::Pen: return std::exchange(dc->pen, static_cast<HPEN>(object));
    case Kind::Font: return std::exchange(dc->font, static_cast<HFONT>(object));
    case Kind::Region: return SelectClipRgn(handle, static_cast<HRGN>(object)) == ERROR ? nullptr : object;
    case Kind::Bitmap: {
        Bitmap* bitmap = Lookup<Bitmap>(object);
        if (dc->type != DC::Type::Memory) return nullptr;
        if (dc->bitmap == object) return object;
        // A bitmap can be selected into one memory DC at a time (the stock bitmap into any number).
        if (!bitmap->stock && bitmap->selectedInto) return nullptr;
        if (Bitmap* old = Lookup<Bitmap>(dc->bitmap)) old->selectedInto = nullptr;
        if (!bitmap->stock) bitmap->selectedInto = handle;
        return std::exchange(dc->bitmap, static_cast<HBITMAP>(object));
    }
    default: return nullptr;
    }
}

WINCORE_API HGDIOBJ WINAPI GetCurrentObject(HDC handle, UINT type)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc) return nullptr;
    switch (type) {
    case OBJ_PEN: return dc->pen;
    case OBJ_BRUSH: return dc->brush;
    case OBJ_FONT: return dc->font;
    case OBJ_BITMAP: return dc->bitmap;
    default: return nullptr;
    }
}

WINCORE_API BOOL WINAPI DeleteObject(HGDIOBJ object)
{
    GdiObject* found = FindGdiObject(object);
    if (!found) return FALSE;
    if (found->stock) return TRUE;
    // Win32 refuses to delete an object that is still selected into a DC.
    if (IsSelectedAnywhere(object)) return FALSE;
    Handles().Remove(object);
    return TRUE;
}

WINCORE_API DWORD WINAPI GetObjectType(HGDIOBJ object)
{
    switch (Handles().KindOf(object)) {
    case Kind::Pen: return OBJ_PEN;
    case Kind::Brush: return OBJ_BRUSH;
    case Kind::Font: return OBJ_FONT;
    case Kind::Bitmap: return OBJ_BITMAP;
    case Kind::Region: return OBJ_REGION;
    case Kind::DC: return Lookup<DC>(object)->type == DC::Type::Memory ? OBJ_MEMDC : OBJ_DC;
    default: return 0;
    }
}

WINCORE_API int WINAPI GetObjectW(HGDIOBJ object, int size, LPVOID buffer)
{
    switch (Handles().KindOf(object)) {
    case Kind::Bitmap: {
        if (!buffer) return sizeof(BITMAP);
        if (size < int(sizeof(BITMAP))) return 0;
        Bitmap* bitmap = Lookup<Bitmap>(object);
        BITMAP info = {};
        info.bmWidth = bitmap->width;
        info.bmHeight = bitmap->height;
        info.bmWidthBytes = bitmap->width * 4;
        info.bmPlanes = 1;
        info.bmBitsPixel = 32;
        info.bmBits = bitmap->dibSection ? SectionBits(*bitmap) : nullptr;
        std::memcpy(buffer, &info, sizeof info);
        return sizeof(BITMAP);
    }
    case Kind::Font: {
        if (!buffer) return sizeof(LOGFONTW);
        if (size < int(sizeof(LOGFONTW))) return 0;
        std::memcpy(buffer, &Lookup<Font>(object)->logFont, sizeof(LOGFONTW));
        return sizeof(LOGFONTW);
    }
    case Kind::Pen: {
        if (!buffer) return sizeof(LOGPEN);
        if (size < int(sizeof(LOGPEN))) return 0;
        Pen* pen = Lookup<Pen>(object);
        LOGPEN info = {UINT(pen->style), {pen->width, 0}, pen->color};
        std::memcpy(buffer, &info, sizeof info);
        return sizeof(LOGPEN);
    }
    case Kind::Brush: {
        if (!buffer) return sizeof(LOGBRUSH);
        if (size < int(sizeof(LOGBRUSH))) return 0;
        Brush* brush = Lookup<Brush>(object);
        LOGBRUSH info = {brush->hollow ? 1u : 0u, brush->color, 0};
        std::memcpy(buffer, &info, sizeof info);
        return sizeof(LOGBRUSH);
    }
    default: return 0;
    }
}
