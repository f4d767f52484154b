#include "store.h"

#include "bmp_writer.h"
#include "keyed.h"
#include "png_writer.h"
#include "quantize.h"

namespace artgen {

namespace {

Surface writePng(Surface art, const std::string& path)
{
    writePngRgba(art, path);
    return art;
}

Surface writeBitmap(const Surface& art, const Entry& entry, const std::string& path)
{
    const RgbImage flat = flattenOnKey(art, entry.mattes);
    if (entry.kind == FileKind::Bmp24) {
        writeBmp24(path, flat);
        return keyedToSurface(flat);
    }
    const IndexedImage indexed = toIndexed(flat);
    writeBmp8(path, indexed);
    return keyedToSurface(toRgb(indexed));
}

}  // namespace

Stored storePicture(const Entry& entry, const std::string& folder)
{
    const std::string path = folder + "/" + entry.fileName;
    Surface art = entry.draw();
    if (entry.kind == FileKind::Png)
        return {&entry, writePng(std::move(art), path)};
    return {&entry, writeBitmap(art, entry, path)};
}

}  // namespace artgen
