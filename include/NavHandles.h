// Holders for the handles a control creates and so must release: each releases what it holds when
// it is given another handle, reset or destroyed, so that no release is forgotten and none happens
// twice. A holder reads as the handle it holds. Handles a host gives a control stay plain handles.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "RKNavCtrlExApi.h"

class CNavImage;

namespace navctrl {

template <class Handle, class Releaser>
class Owned {
public:
    Owned() = default;
    ~Owned() { Reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    // Takes `handle` over, releasing the one held before (unless it is the same).
    Owned& operator=(Handle handle)
    {
        if (handle == held_) return *this;
        Reset();
        held_ = handle;
        return *this;
    }
    operator Handle() const { return held_; }
    Handle operator->() const { return held_; }

    // Releases what is held; the holder is empty before the release runs, so a release that
    // comes back here finds nothing.
    void Reset()
    {
        Handle held = held_;
        held_ = Handle();
        if (held) Releaser()(held);
    }

private:
    Handle held_ = Handle();
};

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DestroyImageList {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
struct DestroyWindowIfAlive {
    void operator()(HWND window) const
    {
        if (::IsWindow(window)) DestroyWindow(window);
    }
};
// Unloads a picture and frees its wrapper (defined in the library: the wrapper is its own type).
struct RKNAVCTRLEX_API ReleasePicture {
    void operator()(CNavImage* picture) const;
};

template <class Handle>
using OwnedGdi = Owned<Handle, DeleteGdiObject>;
using OwnedImageList = Owned<HIMAGELIST, DestroyImageList>;
using OwnedWindow = Owned<HWND, DestroyWindowIfAlive>;
using OwnedPicture = Owned<CNavImage*, ReleasePicture>;

}  // namespace navctrl
