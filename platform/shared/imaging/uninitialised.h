// Buffers that the decoders fill completely themselves: growing one leaves its new elements as
// they come, since zeroing a large picture first costs as much as a pass over it.
#pragma once

#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace wincore {

template <class T>
struct UninitialisedAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UninitialisedAllocator<U>;
    };

    UninitialisedAllocator() = default;
    template <class U>
    UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept
    {
    }

    template <class U>
    void construct(U* place) noexcept
    {
        ::new (static_cast<void*>(place)) U;
    }
    template <class U, class... Args>
    void construct(U* place, Args&&... args)
    {
        ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
    }
};

template <class T>
using UninitialisedVector = std::vector<T, UninitialisedAllocator<T>>;

}  // namespace wincore
