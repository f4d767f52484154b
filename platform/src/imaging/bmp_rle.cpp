// Run-length encoded BMP pixels (BI_RLE8, BI_RLE4). A pair of bytes is either a run (a count and
// the index, or two indices alternating, to repeat) or, after a zero, an escape: end of line, end
// of picture, a move right and up, or an absolute run of that many indices padded to two bytes.
// Rows run from the bottom; every write is checked against the picture first.
#include <algorithm>

#include "imaging/bmp_layout.h"

namespace wincore {

namespace {

constexpr BYTE kEndOfLine = 0;
constexpr BYTE kEndOfPicture = 1;
constexpr BYTE kMove = 2;

struct RleState {
    const BYTE* data;
    size_t size;
    size_t at;
    const BmpLayout& layout;
    DecodedImage& image;
    bool fourBits;
    int64_t x = 0;
    int64_t y = 0;  // rows from the bottom
    uint64_t written = 0;
};

enum class Step { Next, Done, Fail };

// The i-th index of a run: an encoded run repeats its one byte, an absolute run reads on; four-bit
// runs hold two indices a byte, the high one first.
unsigned RunIndex(const BYTE* bytes, size_t i, bool fourBits, bool repeated)
{
    BYTE byte = bytes[repeated ? 0 : fourBits ? i / 2 : i];
    if (!fourBits) return byte;
    return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

bool WriteRun(RleState& s, const BYTE* bytes, size_t count, bool repeated)
{
    if (s.y >= s.layout.height || int64_t(count) > s.layout.width - s.x) return false;
    uint32_t* out = &s.image.pixels[size_t(s.layout.height - 1 - s.y) * s.image.width + size_t(s.x)];
    for (size_t i = 0; i < count; i++) out[i] = s.layout.palette[RunIndex(bytes, i, s.fourBits, repeated)];
    s.x += int64_t(count);
    s.written += count;
    return true;
}

Step Move(RleState& s)
{
    if (s.size - s.at < 2) return Step::Fail;
    int64_t x = s.x + s.data[s.at];
    int64_t y = s.y + s.data[s.at + 1];
    s.at += 2;
    if (x > s.layout.width || y >= s.layout.height) return Step::Fail;
    s.x = x;
    s.y = y;
    return Step::Next;
}

Step AbsoluteRun(RleState& s, size_t count)
{
    size_t bytes = s.fourBits ? (count + 1) / 2 : count;
    size_t padded = bytes + bytes % 2;
    if (s.size - s.at < padded || !WriteRun(s, s.data + s.at, count, false)) return Step::Fail;
    s.at += padded;
    return Step::Next;
}

Step Escape(RleState& s, BYTE code)
{
    switch (code) {
    case kEndOfLine:
        if (s.y >= s.layout.height) return Step::Fail;
        s.x = 0;
        s.y++;
        return Step::Next;
    case kEndOfPicture: return Step::Done;
    case kMove: return Move(s);
    default: return AbsoluteRun(s, code);
    }
}

}  // namespace

bool DecodeBmpRle(const BYTE* data, size_t size, const BmpLayout& layout, DecodedImage& image, bool& skipped)
{
    if (layout.topDown || layout.pixelOffset > size) return false;
    std::fill(image.pixels.begin(), image.pixels.end(), 0);  // what the runs skip stays transparent
    RleState s = {data, size, size_t(layout.pixelOffset), layout, image, layout.compression == kBmpRle4};
    for (;;) {
        if (s.size - s.at < 2) return false;
        BYTE count = data[s.at];
        const BYTE* code = data + s.at + 1;
        s.at += 2;
        Step step = count ? (WriteRun(s, code, count, true) ? Step::Next : Step::Fail) : Escape(s, *code);
        if (step == Step::Fail) return false;
        if (step == Step::Done) break;
    }
    // Moves and line ends only go on, so no pixel is written twice.
    skipped = s.written < uint64_t(layout.width) * uint64_t(layout.height);
    return true;
}

}  // namespace wincore
