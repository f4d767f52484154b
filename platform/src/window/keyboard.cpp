// Keys: the key state, key messages as Win32 packs them, and their translation into characters.
#include "window/manager.h"

namespace wincore {

namespace {

constexpr BYTE kDown = 0x80;
constexpr BYTE kToggled = 0x01;

struct ScanCode {
    UINT vk;
    BYTE scan;
    bool extended;
};

// Scan code set 1 of a US keyboard, for the keys a navigation device or a desktop sends.
constexpr ScanCode kScanCodes[] = {
    {VK_ESCAPE, 0x01, false}, {VK_BACK, 0x0E, false},  {VK_TAB, 0x0F, false},    {VK_RETURN, 0x1C, false},
    {VK_CONTROL, 0x1D, false}, {VK_SHIFT, 0x2A, false}, {VK_MENU, 0x38, false},   {VK_SPACE, 0x39, false},
    {VK_CAPITAL, 0x3A, false}, {VK_F11, 0x57, false},   {VK_F12, 0x58, false},    {VK_HOME, 0x47, true},
    {VK_UP, 0x48, true},       {VK_PRIOR, 0x49, true},  {VK_LEFT, 0x4B, true},    {VK_RIGHT, 0x4D, true},
    {VK_END, 0x4F, true},      {VK_DOWN, 0x50, true},   {VK_NEXT, 0x51, true},    {VK_INSERT, 0x52, true},
    {VK_DELETE, 0x53, true},   {VK_LSHIFT, 0x2A, false}, {VK_RSHIFT, 0x36, false}, {VK_LCONTROL, 0x1D, false},
    {VK_RCONTROL, 0x1D, true}, {VK_LMENU, 0x38, false},  {VK_RMENU, 0x38, true},
};

constexpr char kLetterRows[][11] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
constexpr BYTE kLetterRowStart[] = {0x10, 0x1E, 0x2C};

ScanCode ScanCodeOf(UINT vk)
{
    for (const ScanCode& code : kScanCodes)
        if (code.vk == vk) return code;
    if (vk >= VK_F1 && vk <= VK_F10) return {vk, BYTE(0x3B + vk - VK_F1), false};
    if (vk >= '1' && vk <= '9') return {vk, BYTE(0x02 + vk - '1'), false};
    if (vk == '0') return {vk, 0x0B, false};
    for (size_t row = 0; row < 3; row++)
        for (size_t i = 0; kLetterRows[row][i]; i++)
            if (UINT(kLetterRows[row][i]) == vk) return {vk, BYTE(kLetterRowStart[row] + i), false};
    return {vk, 0, false};
}

// The left and right modifier keys report as the generic one, which is what key messages carry.
UINT Generic(UINT vk)
{
    switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU: return VK_MENU;
    default: return vk;
    }
}

void Press(BYTE* keys, UINT vk, bool down)
{
    for (UINT key : {vk, Generic(vk)}) {
        if (down && !(keys[key] & kDown)) keys[key] ^= kToggled;
        keys[key] = BYTE(down ? keys[key] | kDown : keys[key] & ~kDown);
    }
}

bool IsDown(const BYTE* keys, UINT vk)
{
    return (keys[vk] & kDown) != 0;
}

wchar_t ShiftedDigit(UINT vk)
{
    static const wchar_t kShifted[] = L")!@#$%^&*(";
    return kShifted[vk - '0'];
}

// The character a key makes on a US layout, or 0 when it makes none.
wchar_t CharacterOf(UINT vk, const BYTE* keys)
{
    bool shift = IsDown(keys, VK_SHIFT);
    bool control = IsDown(keys, VK_CONTROL) && !IsDown(keys, VK_MENU);
    if (vk >= 'A' && vk <= 'Z') {
        if (control) return wchar_t(vk - 'A' + 1);
        bool upper = shift != ((keys[VK_CAPITAL] & kToggled) != 0);
        return wchar_t(upper ? vk : vk - 'A' + 'a');
    }
    if (control) return vk == VK_RETURN ? L'\n' : 0;
    if (vk >= '0' && vk <= '9') return shift ? ShiftedDigit(vk) : wchar_t(vk);
    switch (vk) {
    case VK_SPACE: return L' ';
    case VK_RETURN: return L'\r';
    case VK_ESCAPE: return 0x1B;
    case VK_BACK: return 0x08;
    case VK_TAB: return L'\t';
    default: return 0;
    }
}

}  // namespace

void QueueKey(UINT vk, bool down)
{
    Manager& wm = WM();
    if (vk == 0 || vk > 0xFE) return;
    InputEvent event{down ? InputEvent::Type::KeyDown : InputEvent::Type::KeyUp, POINT{0, 0}, vk};
    Press(wm.asyncKeys, vk, down);
    wm.input.push_back(event);
}

// The message of a key event as Win32 makes it: WM_SYSKEY* for Alt with a key (without Ctrl),
// for Alt alone let go before any other key, and for F10; lParam holds the repeat count (1), the
// scan code, the extended-key flag, the context code (Alt held) and the previous and transition
// states. The key state read by GetKeyState follows the messages as they are taken.
MSG KeyMessage(HWND target, const InputEvent& event, bool remove)
{
    Manager& wm = WM();
    bool down = event.type == InputEvent::Type::KeyDown;
    UINT vk = Generic(event.vk);
    bool alt = IsDown(wm.keys, VK_MENU) || (down && vk == VK_MENU);
    bool control = IsDown(wm.keys, VK_CONTROL);
    bool system = vk == VK_F10 || (alt && !control && vk != VK_MENU);
    if (vk == VK_MENU) system = !control && (down || wm.altAlone);
    ScanCode code = ScanCodeOf(event.vk);
    WORD flags = code.scan;
    if (code.extended) flags |= KF_EXTENDED;
    if (alt && system && !(vk == VK_MENU && !down)) flags |= KF_ALTDOWN;
    if (!down) flags |= KF_REPEAT | KF_UP;
    else if (IsDown(wm.keys, event.vk)) flags |= KF_REPEAT;
    UINT message = system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    if (remove) {
        wm.altAlone = vk == VK_MENU && down;
        Press(wm.keys, event.vk, down);
        wm.lastInputWasKey = true;
    }
    // Zero-extended, as Win32 hands it out: the up flags make the 32-bit value negative.
    return MSG{target, message, WPARAM(vk), LPARAM(DWORD(MAKELONG(1, flags))), Now(), {0, 0}};
}

}  // namespace wincore

using namespace wincore;

WINCORE_API BOOL WINAPI TranslateMessage(const MSG* msg)
{
    if (!msg) return FALSE;
    bool system = msg->message == WM_SYSKEYDOWN;
    if (msg->message != WM_KEYDOWN && !system)
        return msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP;
    wchar_t character = CharacterOf(UINT(msg->wParam), WM().keys);
    if (character) PostMessageW(msg->hwnd, system ? WM_SYSCHAR : WM_CHAR, WPARAM(character), msg->lParam);
    return TRUE;
}

WINCORE_API SHORT WINAPI GetKeyState(int virtualKey)
{
    if (virtualKey <= 0 || virtualKey > 0xFE) return 0;
    BYTE state = WM().keys[virtualKey];
    return SHORT((state & kDown ? 0x8000 : 0) | (state & kToggled));
}

WINCORE_API SHORT WINAPI GetAsyncKeyState(int virtualKey)
{
    if (virtualKey <= 0 || virtualKey > 0xFE) return 0;
    return SHORT(WM().asyncKeys[virtualKey] & kDown ? 0x8000 : 0);
}
