#include "core/handles.h"

namespace wincore {

namespace {

// A handle packs the slot index (low 24 bits, offset by one so that no handle is null) and
// the slot's generation above it.
constexpr unsigned kIndexBits = 24;
constexpr uintptr_t kIndexMask = (uintptr_t(1) << kIndexBits) - 1;

void* MakeHandle(uint32_t index, uint32_t generation)
{
    uintptr_t value = (uintptr_t(generation) << kIndexBits) | (uintptr_t(index) + 1);
    return reinterpret_cast<void*>(value);
}

}  // namespace

HandleTable& Handles()
{
    // Never destroyed: a library's unload code may still release handles after static
    // destructors have run at process exit.
    static HandleTable& table = *new HandleTable;
    return table;
}

const HandleTable::Slot* HandleTable::SlotOf(const void* handle) const
{
    uintptr_t value = reinterpret_cast<uintptr_t>(handle);
    uintptr_t index = value & kIndexMask;
    if (index == 0 || index > slots_.size()) return nullptr;
    const Slot& slot = slots_[index - 1];
    if (slot.kind == Kind::Free) return nullptr;
    if (MakeHandle(uint32_t(index - 1), slot.generation) != handle) return nullptr;
    return &slot;
}

void* HandleTable::Add(Kind kind, std::unique_ptr<Object> object)
{
    uint32_t index;
    if (!free_.empty()) {
        index = free_.back();
        free_.pop_back();
    } else {
        index = uint32_t(slots_.size());
        slots_.emplace_back();
    }
    Slot& slot = slots_[index];
    slot.kind = kind;
    slot.generation++;
    slot.object = std::move(object);
    return MakeHandle(index, slot.generation);
}

Object* HandleTable::Find(const void* handle, Kind kind) const
{
    const Slot* slot = SlotOf(handle);
    return slot && slot->kind == kind ? slot->object.get() : nullptr;
}

Kind HandleTable::KindOf(const void* handle) const
{
    const Slot* slot = SlotOf(handle);
    return slot ? slot->kind : Kind::Free;
}

std::unique_ptr<Object> HandleTable::Remove(const void* handle)
{
    const Slot* found = SlotOf(handle);
    if (!found) return nullptr;
    Slot& slot = slots_[found - slots_.data()];
    slot.kind = Kind::Free;
    free_.push_back(uint32_t(found - slots_.data()));
    return std::move(slot.object);
}

int HandleTable::Count(Kind kind) const
{
    int count = 0;
    for (const Slot& slot : slots_)
        if (slot.kind == kind) count++;
    return count;
}

}  // namespace wincore
