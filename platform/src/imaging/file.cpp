// A picture's file, opened by its UTF-8 name.
#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include <wincore/utf.h>

#include "shared/imaging/backend.h"

namespace wincore {

namespace {

struct FileCloser {
    void operator()(FILE* file) const { fclose(file); }
};

class FileSource final : public ByteSource {
public:
    explicit FileSource(FILE* file) : file_(file) {}

    uint64_t Remaining() override
    {
        long start = ftell(file_);
        if (start < 0 || fseek(file_, 0, SEEK_END) != 0) return 0;
        long end = ftell(file_);
        if (fseek(file_, start, SEEK_SET) != 0) return 0;
        return end > start ? uint64_t(end - start) : 0;
    }

    HRESULT Read(BYTE* into, size_t room, size_t* got) override
    {
        *got = fread(into, 1, room, file_);
        return *got < room && ferror(file_) ? STG_E_READFAULT : S_OK;
    }

private:
    FILE* file_;
};

// False for a path with an unpaired surrogate: it names no file that UTF-8 can spell.
bool Utf8Path(const WCHAR* path, std::string& out)
{
    return Utf8FromUtf16(path, std::string::npos, out, true);
}

}  // namespace

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
    FileSource source(file.get());
    return ReadToEnd(source, bytes);
}

}  // namespace wincore
