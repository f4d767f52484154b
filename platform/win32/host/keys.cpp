// Keys as hardware input: SendInput with the key's scan code, and the extended flag for the keys
// that have it; what that caused is dispatched before returning (Pump waits for Wine's echo).
#include <wincore/host.h>

namespace wincore {

namespace {

// The keys of the navigation block and the right-hand modifiers, which a keyboard sends with an
// extended scan code.
bool IsExtended(UINT vk)
{
    switch (vk) {
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
    case VK_RCONTROL:
    case VK_RMENU: return true;
    default: return false;
    }
}

void Key(UINT vk, DWORD flags)
{
    // Under Wine a window just shown gets its X focus a moment later, and with it the modifier
    // state of the X keyboard; that must land before the key, not wipe out a held Shift.
    Pump();
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = WORD(vk);
    input.ki.wScan = WORD(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags | (IsExtended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    SendInput(1, &input, sizeof(input));
    Pump();
}

}  // namespace

void KeyDown(UINT vk)
{
    Key(vk, 0);
}

void KeyUp(UINT vk)
{
    Key(vk, KEYEVENTF_KEYUP);
}

}  // namespace wincore
