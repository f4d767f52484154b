/// @file
/// Holders for the handles a control creates and so must release: each releases what it holds when
/// it is given another handle, reset or destroyed, so that no release is forgotten and none happens
/// twice. A holder reads as the handle it holds. Handles a host gives a control stay plain handles.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "RKNavCtrlExApi.h"

class CNavImage;

/// The handle holders the controls keep their own GDI objects, image lists, windows and pictures in.
namespace navctrl {

/// Holds one handle and releases it with `Releaser` when it is replaced, reset or destroyed; it
/// cannot be copied.
template <class Handle, class Releaser>
class Owned {
public:
    /// Empty.
    Owned() = default;
    /// Releases what is held.
    ~Owned() { Reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    /// Takes `handle` over, releasing the one held before (unless it is the same).
    Owned& operator=(Handle handle)
    {
        if (handle == held_) return *this;
        Reset();
        held_ = handle;
        return *this;
    }
    /// @return the handle held, null when empty
    operator Handle() const { return held_; }
    /// @return the handle held, for a pointer handle's members
    Handle operator->() const { return held_; }

    /// Releases what is held; the holder is empty before the release runs, so a release that
    /// comes back here finds nothing.
    void Reset()
    {
        Handle held = held_;
        held_ = Handle();
        if (held) Releaser()(held);
    }

private:
    Handle held_ = Handle();
};

/// Releases a GDI object (pen, brush, bitmap, font, region).
struct DeleteGdiObject {
    /// DeleteObject.
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
/// Releases an image list.
struct DestroyImageList {
    /// ImageList_Destroy.
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
/// Destroys a window that still exists (its parent may have destroyed it already).
struct DestroyWindowIfAlive {
    /// DestroyWindow when `window` is still a window.
    void operator()(HWND window) const
    {
        if (::IsWindow(window)) DestroyWindow(window);
    }
};
/// Unloads a picture and frees its wrapper (defined in the library: the wrapper is its own type).
struct RKNAVCTRLEX_API ReleasePicture {
    /// Unloads and deletes `picture`.
    void operator()(CNavImage* picture) const;
};

/// A GDI object of type `Handle` (HPEN, HBITMAP, ...), deleted with DeleteObject.
template <class Handle>
using OwnedGdi = Owned<Handle, DeleteGdiObject>;
using OwnedImageList = Owned<HIMAGELIST, DestroyImageList>;  ///< an image list, destroyed
using OwnedWindow = Owned<HWND, DestroyWindowIfAlive>;        ///< a window, destroyed if still alive
using OwnedPicture = Owned<CNavImage*, ReleasePicture>;       ///< a decoded picture, unloaded and freed

}  // namespace navctrl
