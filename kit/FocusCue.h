// The keyboard focus cue of a control, as Win32's keyboard cues have it: hidden while the pen is
// used, shown once a key reaches the control (or its window announces the cues), hidden again by
// the next pen-down. A control with the pen only therefore paints exactly as it always did.
#pragma once

#include <windows.h>

namespace kit {

class FocusCue {
public:
    // Follows keys, pen-downs, focus changes and WM_UPDATEUISTATE; invalidates `wnd` when the cue
    // appears or goes. Call it for every message before the control's own handling.
    void Observe(HWND wnd, UINT msg, WPARAM wParam);

    bool Shown(HWND wnd) const { return keyed_ && GetFocus() == wnd; }

    // A frame of kWidth pixels in the highlight colour just inside `area`, drawn into the
    // control's own picture.
    static void Draw(HDC dc, const RECT& area);
    static constexpr int kWidth = 2;  // px

private:
    void SetKeyed(HWND wnd, bool keyed);

    bool keyed_ = false;
};

}  // namespace kit
