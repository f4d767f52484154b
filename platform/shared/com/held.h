// A COM pointer that an out-parameter fills and the end of its scope releases, whichever way
// the scope ends.
#pragma once

namespace wincore {

template <class T>
struct Held {
    Held() = default;
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held()
    {
        if (p) p->Release();
    }

    T** operator&() { return &p; }
    T* operator->() const { return p; }

    T* p = nullptr;
};

}  // namespace wincore
