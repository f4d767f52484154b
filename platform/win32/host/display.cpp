// On Windows the desktop is the display: the host's windows are already on it, the system feeds
// them the mouse, touch and keys, and the host's loop only waits for its messages. The display is
// "closed" once the thread shows no window any more (the user closed the host's last one).
#include <wincore/host.h>

namespace wincore {

namespace {

bool displayOpen = false;

BOOL CALLBACK FindShown(HWND hwnd, LPARAM found)
{
    if (!IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

bool ThreadShowsAWindow()
{
    bool found = false;
    EnumThreadWindows(GetCurrentThreadId(), FindShown, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

bool DisplayOpen(const char*, int)
{
    displayOpen = true;
    return true;
}

bool DisplayWait()
{
    if (!displayOpen) return false;
    if (ThreadShowsAWindow())
        WaitMessage();
    else
        PostQuitMessage(0);
    return true;
}

void DisplayClose()
{
    displayOpen = false;
}

}  // namespace wincore
