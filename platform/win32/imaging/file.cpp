// A picture's file, opened by its UTF-16 name.
#include "shared/imaging/backend.h"

namespace wincore {

namespace {

class FileSource final : public ByteSource {
public:
    FileSource(HANDLE file, uint64_t size) : file_(file), size_(size) {}
    ~FileSource() override { CloseHandle(file_); }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    uint64_t Remaining() override { return size_; }

    HRESULT Read(BYTE* into, size_t room, size_t* got) override
    {
        DWORD read = 0;
        BOOL done = ReadFile(file_, into, DWORD(room), &read, nullptr);
        *got = read;
        return done ? S_OK : E_FAIL;
    }

private:
    HANDLE file_;
    uint64_t size_;
};

}  // namespace

HRESULT ReadFileBytes(const WCHAR* path, EncodedBytes& bytes)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return HRESULT_FROM_WIN32(GetLastError());
    LARGE_INTEGER size = {};
    BOOL sized = GetFileSizeEx(file, &size);
    FileSource source(file, sized ? uint64_t(size.QuadPart) : 0);
    return sized ? ReadToEnd(source, bytes) : E_FAIL;
}

}  // namespace wincore
