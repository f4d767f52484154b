#include "shared/imaging/sources.h"

#include <algorithm>
#include <new>

namespace wincore {

namespace {

// Larger than any encoding of the largest picture a bitmap can hold needs to be.
constexpr size_t kMaxEncodedBytes = size_t(512) << 20;
constexpr size_t kChunk = 64 * 1024;

// Room for what the source says is left (as far as the limit allows) and one chunk more, so that
// the buffer never moves as the chunks are read, not even for the read that finds the end. A
// source that says nothing, or too little, is still read to its end.
void Reserve(EncodedBytes& bytes, uint64_t remaining)
{
    try {
        bytes.reserve(size_t(std::min<uint64_t>(remaining, kMaxEncodedBytes)) + kChunk);
    } catch (const std::bad_alloc&) {
    }
}

// Appends one chunk for the next read; false when the buffer would pass the limit or cannot grow.
bool Grow(EncodedBytes& bytes, size_t* offset)
{
    *offset = bytes.size();
    if (*offset + kChunk > kMaxEncodedBytes) return false;
    try {
        bytes.resize(*offset + kChunk);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

class StreamSource final : public ByteSource {
public:
    explicit StreamSource(IStream* stream) : stream_(stream) {}

    uint64_t Remaining() override
    {
        STATSTG statistics = {};
        ULARGE_INTEGER position = {};
        LARGE_INTEGER here = {};
        if (FAILED(stream_->Stat(&statistics, STATFLAG_NONAME))) return 0;
        if (FAILED(stream_->Seek(here, STREAM_SEEK_CUR, &position))) return 0;
        return statistics.cbSize.QuadPart > position.QuadPart ? statistics.cbSize.QuadPart - position.QuadPart : 0;
    }

    HRESULT Read(BYTE* into, size_t room, size_t* got) override
    {
        ULONG read = 0;
        HRESULT result = stream_->Read(into, ULONG(room), &read);
        *got = read;
        return result;
    }

private:
    IStream* stream_;
};

}  // namespace

HRESULT ReadToEnd(ByteSource& source, EncodedBytes& bytes)
{
    Reserve(bytes, source.Remaining());
    for (;;) {
        size_t offset;
        if (!Grow(bytes, &offset)) return E_OUTOFMEMORY;
        size_t read = 0;
        HRESULT result = source.Read(bytes.data() + offset, kChunk, &read);
        if (FAILED(result)) return result;
        bytes.resize(offset + std::min(read, kChunk));
        if (read == 0) return S_OK;
    }
}

HRESULT ReadStreamBytes(IStream* stream, EncodedBytes& bytes)
{
    StreamSource source(stream);
    return ReadToEnd(source, bytes);
}

}  // namespace wincore
