#include "imaging/sources.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include <wincore/utf.h>

namespace wincore {

namespace {

// Larger than any encoding of the largest picture a bitmap can hold needs to be.
constexpr size_t kMaxEncodedBytes = size_t(512) << 20;
constexpr size_t kChunk = 64 * 1024;

struct FileCloser {
    void operator()(FILE* file) const { fclose(file); }
};

// False for a path with an unpaired surrogate: it names no file that UTF-8 can spell.
bool Utf8Path(const WCHAR* path, std::string& out)
{
    return Utf8FromUtf16(path, std::string::npos, out, true);
}

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

uint64_t StreamRemaining(IStream* stream)
{
    STATSTG statistics = {};
    ULARGE_INTEGER position = {};
    LARGE_INTEGER here = {};
    if (FAILED(stream->Stat(&statistics, STATFLAG_NONAME))) return 0;
    if (FAILED(stream->Seek(here, STREAM_SEEK_CUR, &position))) return 0;
    return statistics.cbSize.QuadPart > position.QuadPart ? statistics.cbSize.QuadPart - position.QuadPart : 0;
}

uint64_t FileRemaining(FILE* file)
{
    long start = ftell(file);
    if (start < 0 || fseek(file, 0, SEEK_END) != 0) return 0;
    long end = ftell(file);
    if (fseek(file, start, SEEK_SET) != 0) return 0;
    return end > start ? uint64_t(end - start) : 0;
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

}  // namespace

HRESULT ReadStreamBytes(IStream* stream, EncodedBytes& bytes)
{
    Reserve(bytes, StreamRemaining(stream));
    for (;;) {
        size_t offset;
        if (!Grow(bytes, &offset)) return E_OUTOFMEMORY;
        ULONG read = 0;
        HRESULT result = stream->Read(bytes.data() + offset, ULONG(kChunk), &read);
        if (FAILED(result)) return result;
        bytes.resize(offset + read);
        if (read == 0) return S_OK;
    }
}

HRESULT ReadFileBytes(const WCHAR* path, EncodedBytes& bytes)
{
    std::string name;
    try {
        if (!Utf8Path(path, name)) return STG_E_FILENOTFOUND;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    std::unique_ptr<FILE, FileCloser> file(fopen(name.c_str(), "rb"));
    if (!file) return STG_E_FILENOTFOUND;
    Reserve(bytes, FileRemaining(file.get()));
    for (;;) {
        size_t offset;
        if (!Grow(bytes, &offset)) return E_OUTOFMEMORY;
        size_t read = fread(bytes.data() + offset, 1, kChunk, file.get());
        bytes.resize(offset + read);
        if (read < kChunk) return ferror(file.get()) ? STG_E_READFAULT : S_OK;
    }
}

}  // namespace wincore
