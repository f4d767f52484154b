// The handle table: every handle wincore gives out names a slot with a generation count, so a
// stale or foreign handle is recognised and rejected instead of being dereferenced.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace wincore {

enum class Kind : uint8_t {
    Free,
    Window,
    DC,
    Bitmap,
    Brush,
    Pen,
    Font,
    Region,
    ImageList,
    Module,
    Resource,
    Memory,
};

// Base of everything that lives behind a handle. Subclasses declare `static constexpr Kind kKind`.
struct Object {
    virtual ~Object() = default;
    void* handle = nullptr;
};

class HandleTable {
public:
    void* Add(Kind kind, std::unique_ptr<Object> object);
    Object* Find(const void* handle, Kind kind) const;
    Kind KindOf(const void* handle) const;
    std::unique_ptr<Object> Remove(const void* handle);
    int Count(Kind kind) const;
    // Visits the live objects of one kind; the visitor may not add or remove entries.
    template <class Visit>
    void ForEach(Kind kind, Visit visit) const
    {
        for (const Slot& slot : slots_)
            if (slot.kind == kind) visit(slot.object.get());
    }

private:
    struct Slot {
        Kind kind = Kind::Free;
        uint32_t generation = 0;
        std::unique_ptr<Object> object;
    };
    const Slot* SlotOf(const void* handle) const;

    std::vector<Slot> slots_;
    std::vector<uint32_t> free_;
};

HandleTable& Handles();

template <class T>
T* Lookup(const void* handle)
{
    return static_cast<T*>(Handles().Find(handle, T::kKind));
}

// Adds `object` to the table and returns it typed; its handle is in object->handle.
template <class T>
T* Register(std::unique_ptr<T> object)
{
    T* raw = object.get();
    raw->handle = Handles().Add(T::kKind, std::move(object));
    return raw;
}

}  // namespace wincore
