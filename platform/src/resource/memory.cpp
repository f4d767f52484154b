#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "core/handles.h"
#include "resource/errors.h"

namespace wincore {

namespace {

constexpr SIZE_T kLargestBlock = SIZE_T(1) << 30;

struct FreeDeleter {
    void operator()(unsigned char* bytes) const { free(bytes); }
};

// A block always owns at least one byte, so that even an empty fixed block has an address.
struct Storage {
    std::unique_ptr<unsigned char, FreeDeleter> bytes;
    SIZE_T size = 0;
};

struct MovableBlock : Object {
    static constexpr Kind kKind = Kind::Memory;
    Storage storage;
    int locks = 0;
};

// Fixed blocks are handed out as their own address, as in Win32; this is how they are recognised.
// Never destroyed: code running at exit may still free blocks.
std::unordered_map<const void*, Storage>& FixedBlocks()
{
    static auto* blocks = new std::unordered_map<const void*, Storage>();
    return *blocks;
}

Storage* FixedBlock(const void* address)
{
    auto found = FixedBlocks().find(address);
    return found == FixedBlocks().end() ? nullptr : &found->second;
}

// Shrinks in place; grows by reallocation, which may move the bytes.
bool Resize(Storage& storage, SIZE_T bytes, bool zero)
{
    if (storage.bytes && bytes <= storage.size) {
        storage.size = bytes;
        return true;
    }
    auto* grown = static_cast<unsigned char*>(realloc(storage.bytes.get(), std::max<SIZE_T>(bytes, 1)));
    if (!grown) return false;
    storage.bytes.release();
    storage.bytes.reset(grown);
    if (zero) memset(grown + storage.size, 0, bytes - storage.size);
    storage.size = bytes;
    return true;
}

void* Fail(DWORD error)
{
    SetLastError(error);
    return nullptr;
}

HGLOBAL ReAllocFixed(void* block, SIZE_T bytes, UINT flags)
{
    Storage* storage = FixedBlock(block);
    // Without GMEM_MOVEABLE a fixed block must keep its address, so it cannot grow.
    if (bytes > storage->size && !(flags & GMEM_MOVEABLE)) return Fail(ERROR_NOT_ENOUGH_MEMORY);
    auto node = FixedBlocks().extract(block);
    bool resized = Resize(node.mapped(), bytes, flags & GMEM_ZEROINIT);
    void* address = node.mapped().bytes.get();
    node.key() = address;
    FixedBlocks().insert(std::move(node));
    return resized ? address : Fail(ERROR_NOT_ENOUGH_MEMORY);
}

HGLOBAL ReAllocMovable(MovableBlock* block, SIZE_T bytes, UINT flags)
{
    // A locked block may only move when the caller allows it.
    bool mustStay = block->locks > 0 && !(flags & GMEM_MOVEABLE);
    if (bytes > block->storage.size && mustStay) return Fail(ERROR_NOT_ENOUGH_MEMORY);
    if (!Resize(block->storage, bytes, flags & GMEM_ZEROINIT)) return Fail(ERROR_NOT_ENOUGH_MEMORY);
    return block->handle;
}

}  // namespace

}  // namespace wincore

using namespace wincore;

HLOCAL WINAPI LocalAlloc(UINT flags, SIZE_T bytes)
{
    if (bytes > kLargestBlock) return Fail(ERROR_NOT_ENOUGH_MEMORY);
    Storage storage;
    if (!Resize(storage, bytes, flags & LMEM_ZEROINIT)) return Fail(ERROR_NOT_ENOUGH_MEMORY);
    if (flags & LMEM_MOVEABLE) {
        auto block = std::make_unique<MovableBlock>();
        block->storage = std::move(storage);
        return Register(std::move(block))->handle;
    }
    void* address = storage.bytes.get();
    FixedBlocks().emplace(address, std::move(storage));
    return address;
}

HLOCAL WINAPI LocalFree(HLOCAL block)
{
    if (!block) return nullptr;
    if (FixedBlocks().erase(block)) return nullptr;
    if (!Lookup<MovableBlock>(block)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return block;
    }
    Handles().Remove(block);
    return nullptr;
}

LPVOID WINAPI LocalLock(HLOCAL block)
{
    if (Storage* fixed = FixedBlock(block)) return fixed->bytes.get();
    auto* movable = Lookup<MovableBlock>(block);
    if (!movable) return Fail(ERROR_INVALID_HANDLE);
    // A movable block of size zero is what Win32 calls discarded: it has no bytes to lock.
    if (movable->storage.size == 0) return nullptr;
    movable->locks++;
    return movable->storage.bytes.get();
}

BOOL WINAPI LocalUnlock(HLOCAL block)
{
    auto* movable = Lookup<MovableBlock>(block);
    if (!movable) {
        SetLastError(FixedBlock(block) ? kErrorNotLocked : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (movable->locks == 0) {
        SetLastError(kErrorNotLocked);
        return FALSE;
    }
    movable->locks--;
    SetLastError(ERROR_SUCCESS);
    return movable->locks > 0;
}

SIZE_T WINAPI LocalSize(HLOCAL block)
{
    if (Storage* fixed = FixedBlock(block)) return fixed->size;
    if (auto* movable = Lookup<MovableBlock>(block)) return movable->storage.size;
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
}

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes)
{
    return LocalAlloc(flags, bytes);
}

HGLOBAL WINAPI GlobalFree(HGLOBAL block)
{
    return LocalFree(block);
}

LPVOID WINAPI GlobalLock(HGLOBAL block)
{
    return LocalLock(block);
}

BOOL WINAPI GlobalUnlock(HGLOBAL block)
{
    return LocalUnlock(block);
}

SIZE_T WINAPI GlobalSize(HGLOBAL block)
{
    return LocalSize(block);
}

HGLOBAL WINAPI GlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT flags)
{
    auto* movable = Lookup<MovableBlock>(block);
    if (!movable && !FixedBlock(block)) return Fail(ERROR_INVALID_HANDLE);
    if (bytes > kLargestBlock) return Fail(ERROR_NOT_ENOUGH_MEMORY);
    return movable ? ReAllocMovable(movable, bytes, flags) : ReAllocFixed(block, bytes, flags);
}
