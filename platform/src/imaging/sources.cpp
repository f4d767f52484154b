#include "imaging/sources.h"

#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include "core/utf.h"

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

// Appends up to one chunk; false when the buffer would pass the limit or cannot grow.
bool Grow(std::vector<BYTE>& bytes, size_t* offset)
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

HRESULT ReadStreamBytes(IStream* stream, std::vector<BYTE>& bytes)
{
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

HRESULT ReadFileBytes(const WCHAR* path, std::vector<BYTE>& bytes)
{
    std::string name;
    try {
        if (!Utf8Path(path, name)) return STG_E_FILENOTFOUND;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    std::unique_ptr<FILE, FileCloser> file(fopen(name.c_str(), "rb"));
    if (!file) return STG_E_FILENOTFOUND;
    for (;;) {
        size_t offset;
        if (!Grow(bytes, &offset)) return E_OUTOFMEMORY;
        size_t read = fread(bytes.data() + offset, 1, kChunk, file.get());
        bytes.resize(offset + read);
        if (read < kChunk) return ferror(file.get()) ? STG_E_READFAULT : S_OK;
    }
}

}  // namespace wincore
