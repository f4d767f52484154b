#include "apng.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace demo {

namespace {

using Bytes = std::vector<unsigned char>;

void PutU32(Bytes& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(v >> shift));
}

void PutU16(Bytes& out, uint32_t v)
{
    out.push_back(static_cast<unsigned char>(v >> 8));
    out.push_back(static_cast<unsigned char>(v));
}

void Chunk(std::ofstream& file, const char* type, const Bytes& data)
{
    Bytes head;
    PutU32(head, uint32_t(data.size()));
    head.insert(head.end(), type, type + 4);
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type), 4);
    // zlib takes a null buffer as a request for the initial value, so skip empty data.
    if (!data.empty()) crc = crc32(crc, data.data(), uInt(data.size()));
    Bytes tail;
    PutU32(tail, uint32_t(crc));
    file.write(reinterpret_cast<const char*>(head.data()), std::streamsize(head.size()));
    file.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    file.write(reinterpret_cast<const char*>(tail.data()), std::streamsize(tail.size()));
}

unsigned char Paeth(int a, int b, int c)
{
    int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return static_cast<unsigned char>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

constexpr int kChannels = 4;  // RGBA: unchanged pixels of a later frame are left transparent

// Paeth filtering throughout: what packs a picture with both flat areas and detail best, and
// a choice per row would cost more time than it saves bytes.
void FilterRow(const Bytes& row, const Bytes& above, Bytes& out)
{
    out.push_back(4);
    for (size_t i = 0; i < row.size(); i++) {
        int a = i >= kChannels ? row[i - kChannels] : 0, b = above[i];
        int c = i >= kChannels ? above[i - kChannels] : 0;
        out.push_back(static_cast<unsigned char>(row[i] - Paeth(a, b, c)));
    }
}

}  // namespace

RECT ApngWriter::ChangedArea(const std::vector<DWORD>& pixels) const
{
    if (last_.empty()) return RECT{0, 0, width_, height_};
    RECT area{width_, height_, 0, 0};
    for (int y = 0; y < height_; y++)
        for (int x = 0; x < width_; x++) {
            size_t i = size_t(y) * width_ + x;
            if (pixels[i] == last_[i]) continue;
            area.left = std::min<LONG>(area.left, x);
            area.top = std::min<LONG>(area.top, y);
            area.right = std::max<LONG>(area.right, x + 1);
            area.bottom = std::max<LONG>(area.bottom, y + 1);
        }
    // An unchanged picture still needs a frame to carry its time: one pixel.
    if (area.right == 0) return RECT{0, 0, 1, 1};
    return area;
}

// Pixels the frame before already shows become transparent, so that a frame covering two
// separate changes packs the untouched picture between them to almost nothing.
std::vector<unsigned char> ApngWriter::Encode(const std::vector<DWORD>& pixels, const RECT& area) const
{
    const int w = area.right - area.left;
    Bytes raw, above(size_t(w) * kChannels, 0), row(size_t(w) * kChannels);
    for (int y = area.top; y < area.bottom; y++) {
        for (int x = 0; x < w; x++) {
            size_t i = size_t(y) * width_ + area.left + x;
            DWORD p = pixels[i];
            bool kept = !last_.empty() && last_[i] == p;
            unsigned char* out = &row[size_t(x) * kChannels];
            out[0] = kept ? 0 : static_cast<unsigned char>(p >> 16);
            out[1] = kept ? 0 : static_cast<unsigned char>(p >> 8);
            out[2] = kept ? 0 : static_cast<unsigned char>(p);
            out[3] = kept ? 0 : 255;
        }
        FilterRow(row, above, raw);
        above = row;
    }
    uLongf size = compressBound(uLong(raw.size()));
    Bytes packed(size);
    compress2(packed.data(), &size, raw.data(), uLong(raw.size()), 6);
    packed.resize(size);
    return packed;
}

void ApngWriter::AddFrame(const std::vector<DWORD>& pixels, int delayMs)
{
    if (pixels.size() != size_t(width_) * height_) return;
    RECT area = ChangedArea(pixels);
    frames_.push_back(Frame{area, delayMs, Encode(pixels, area)});
    last_ = pixels;
}

bool ApngWriter::Write(const std::string& path) const
{
    if (frames_.empty()) return false;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    static const unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    file.write(reinterpret_cast<const char*>(kSignature), sizeof kSignature);
    Bytes header;
    PutU32(header, uint32_t(width_));
    PutU32(header, uint32_t(height_));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, no interlace
    Chunk(file, "IHDR", header);
    Bytes control;
    PutU32(control, uint32_t(frames_.size()));
    PutU32(control, 0);  // loop for ever
    Chunk(file, "acTL", control);
    uint32_t sequence = 0;
    for (size_t i = 0; i < frames_.size(); i++) {
        const Frame& frame = frames_[i];
        Bytes fctl;
        PutU32(fctl, sequence++);
        PutU32(fctl, uint32_t(frame.area.right - frame.area.left));
        PutU32(fctl, uint32_t(frame.area.bottom - frame.area.top));
        PutU32(fctl, uint32_t(frame.area.left));
        PutU32(fctl, uint32_t(frame.area.top));
        PutU16(fctl, uint32_t(std::clamp(frame.delayMs, 1, 65535)));
        PutU16(fctl, 1000);
        // Leave each frame in place; later frames blend over it (their transparent pixels keep it).
        fctl.insert(fctl.end(), {0, static_cast<unsigned char>(i == 0 ? 0 : 1)});
        Chunk(file, "fcTL", fctl);
        if (i == 0) {
            Chunk(file, "IDAT", frame.data);
            continue;
        }
        Bytes fdat;
        PutU32(fdat, sequence++);
        fdat.insert(fdat.end(), frame.data.begin(), frame.data.end());
        Chunk(file, "fdAT", fdat);
    }
    Chunk(file, "IEND", Bytes());
    file.flush();
    return bool(file);
}

}  // namespace demo
