// CreateStreamOnHGlobal: an IStream over a global memory block.
#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "shared/com/object.h"

namespace wincore {

namespace {

constexpr ULONGLONG kMaxPosition = ULONGLONG(INT64_MAX);
constexpr ULONG kCopyChunk = 64 * 1024;

// The block and the stream length, shared by a stream and its clones. The handle is resolved on
// every access, never cached as an address, so a block freed behind the stream's back reads as a
// fault instead of as freed memory.
struct SharedBlock {
    SharedBlock(HGLOBAL block, bool owned, ULONGLONG length) : handle(block), owned(owned), length(length) {}
    ~SharedBlock()
    {
        if (owned) GlobalFree(handle);
    }
    SharedBlock(const SharedBlock&) = delete;
    SharedBlock& operator=(const SharedBlock&) = delete;

    HGLOBAL handle;
    bool owned;
    ULONGLONG length;  // the stream's size; the block may be larger
};

// Locks the block for the duration of one copy.
class Locked {
public:
    explicit Locked(HGLOBAL block) : block_(block), bytes_(static_cast<BYTE*>(GlobalLock(block))) {}
    ~Locked()
    {
        if (bytes_) GlobalUnlock(block_);
    }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    BYTE* bytes() const { return bytes_; }

private:
    HGLOBAL block_;
    BYTE* bytes_;
};

// The size of a block, or false when the handle names no block.
bool BlockSize(HGLOBAL block, SIZE_T* size)
{
    SetLastError(ERROR_SUCCESS);
    *size = GlobalSize(block);
    return *size > 0 || GetLastError() != ERROR_INVALID_HANDLE;
}

class HGlobalStream final : public ComObject<IStream> {
public:
    HGlobalStream(std::shared_ptr<SharedBlock> block, ULONGLONG position)
        : block_(std::move(block)), position_(position)
    {
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        return Answer(riid, object, {&IID_ISequentialStream, &IID_IStream});
    }

    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG bytes, ULONG* bytesRead) override
    {
        if (bytesRead) *bytesRead = 0;
        if (!buffer) return STG_E_INVALIDPOINTER;
        // The block's owner may have freed or shrunk it behind the stream's back.
        SIZE_T capacity = 0;
        if (!BlockSize(block_->handle, &capacity)) return STG_E_READFAULT;
        ULONGLONG end = std::min<ULONGLONG>(block_->length, capacity);
        ULONGLONG available = end > position_ ? end - position_ : 0;
        ULONG count = ULONG(std::min<ULONGLONG>(bytes, available));
        if (count == 0) return S_OK;
        Locked locked(block_->handle);
        if (!locked.bytes()) return STG_E_READFAULT;
        memcpy(buffer, locked.bytes() + position_, count);
        position_ += count;
        if (bytesRead) *bytesRead = count;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Write(const void* buffer, ULONG bytes, ULONG* bytesWritten) override
    {
        if (bytesWritten) *bytesWritten = 0;
        if (!buffer) return STG_E_INVALIDPOINTER;
        if (bytes == 0) return S_OK;
        ULONGLONG end = position_ + bytes;
        bool room = end > block_->length ? Lengthen(end) : Reserve(end);
        if (!room) return STG_E_MEDIUMFULL;
        Locked locked(block_->handle);
        if (!locked.bytes()) return STG_E_WRITEFAULT;
        memcpy(locked.bytes() + position_, buffer, bytes);
        position_ = end;
        if (bytesWritten) *bytesWritten = bytes;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) override
    {
        LONGLONG base;
        switch (origin) {
        case STREAM_SEEK_SET: base = 0; break;
        case STREAM_SEEK_CUR: base = LONGLONG(position_); break;
        case STREAM_SEEK_END: base = LONGLONG(block_->length); break;
        default: return STG_E_INVALIDFUNCTION;
        }
        LONGLONG target;
        if (__builtin_add_overflow(base, move.QuadPart, &target) || target < 0) return STG_E_INVALIDFUNCTION;
        position_ = ULONGLONG(target);
        if (newPosition) newPosition->QuadPart = position_;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER newSize) override
    {
        if (newSize.QuadPart > kMaxPosition) return STG_E_MEDIUMFULL;
        if (newSize.QuadPart > block_->length) return Lengthen(newSize.QuadPart) ? S_OK : STG_E_MEDIUMFULL;
        block_->length = newSize.QuadPart;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE CopyTo(IStream* target, ULARGE_INTEGER bytes, ULARGE_INTEGER* bytesRead,
                                     ULARGE_INTEGER* bytesWritten) override
    {
        if (bytesRead) bytesRead->QuadPart = 0;
        if (bytesWritten) bytesWritten->QuadPart = 0;
        if (!target) return STG_E_INVALIDPOINTER;
        // Through a buffer: the target may be a clone whose writes move this very block.
        std::vector<BYTE> chunk;
        if (!Reserve(chunk, kCopyChunk)) return E_OUTOFMEMORY;
        ULONGLONG left = bytes.QuadPart;
        while (left > 0) {
            ULONG read = 0;
            HRESULT result = Read(chunk.data(), ULONG(std::min<ULONGLONG>(left, kCopyChunk)), &read);
            if (FAILED(result)) return result;
            if (read == 0) break;
            if (bytesRead) bytesRead->QuadPart += read;
            ULONG written = 0;
            result = target->Write(chunk.data(), read, &written);
            if (bytesWritten) bytesWritten->QuadPart += written;
            if (FAILED(result)) return result;
            left -= read;
        }
        return S_OK;
    }

    // Memory streams write through: there is nothing to commit or revert.
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return S_OK; }

    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override
    {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override
    {
        return STG_E_INVALIDFUNCTION;
    }

    HRESULT STDMETHODCALLTYPE Stat(STATSTG* statistics, DWORD) override
    {
        if (!statistics) return STG_E_INVALIDPOINTER;
        *statistics = STATSTG();
        statistics->type = STGTY_STREAM;
        statistics->cbSize.QuadPart = block_->length;
        statistics->grfMode = STGM_READWRITE;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Clone(IStream** clone) override
    {
        if (!clone) return STG_E_INVALIDPOINTER;
        *clone = new (std::nothrow) HGlobalStream(block_, position_);
        return *clone ? S_OK : E_OUTOFMEMORY;
    }

private:
    static bool Reserve(std::vector<BYTE>& buffer, size_t bytes)
    {
        try {
            buffer.resize(bytes);
            return true;
        } catch (const std::bad_alloc&) {
            return false;
        }
    }

    // Makes the block hold at least `bytes`, growing it geometrically.
    bool Reserve(ULONGLONG bytes)
    {
        if (bytes > kMaxPosition || bytes > ULONGLONG(SIZE_MAX)) return false;
        SIZE_T capacity = GlobalSize(block_->handle);
        if (bytes <= capacity) return true;
        SIZE_T grown = std::max<SIZE_T>(SIZE_T(bytes), capacity + capacity / 2);
        HGLOBAL moved = GlobalReAlloc(block_->handle, grown, GMEM_MOVEABLE);
        if (!moved) moved = GlobalReAlloc(block_->handle, SIZE_T(bytes), GMEM_MOVEABLE);
        if (!moved) return false;
        block_->handle = moved;
        return true;
    }

    // Lengthens the stream to `length`, zeroing the new bytes.
    bool Lengthen(ULONGLONG length)
    {
        if (!Reserve(length)) return false;
        Locked locked(block_->handle);
        if (!locked.bytes()) return false;
        memset(locked.bytes() + block_->length, 0, SIZE_T(length - block_->length));
        block_->length = length;
        return true;
    }

    std::shared_ptr<SharedBlock> block_;
    ULONGLONG position_;
};

HRESULT MakeStream(HGLOBAL block, bool owned, SIZE_T length, IStream** stream)
{
    std::shared_ptr<SharedBlock> shared;
    try {
        shared = std::make_shared<SharedBlock>(block, owned, length);
    } catch (const std::bad_alloc&) {
        if (owned) GlobalFree(block);
        return E_OUTOFMEMORY;
    }
    *stream = new (std::nothrow) HGlobalStream(std::move(shared), 0);
    return *stream ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

}  // namespace wincore

using namespace wincore;

WINCORE_API HRESULT WINAPI CreateStreamOnHGlobal(HGLOBAL block, BOOL deleteOnRelease, LPSTREAM* stream)
{
    if (!stream) return E_POINTER;
    *stream = nullptr;
    if (!block) {
        // A block the stream makes for itself is always its own: nobody else could free it.
        HGLOBAL own = GlobalAlloc(GMEM_MOVEABLE, 0);
        if (!own) return E_OUTOFMEMORY;
        return MakeStream(own, true, 0, stream);
    }
    SIZE_T size = 0;
    if (!BlockSize(block, &size)) return E_INVALIDARG;
    return MakeStream(block, deleteOnRelease != FALSE, size, stream);
}
