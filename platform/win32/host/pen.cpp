// The pen as the mouse's left button: the cursor is put on the point, the button goes through
// SendInput as hardware input, and what that caused is dispatched before returning (Pump waits
// for the echo of the X pointer's motion under Wine, too).
#include <wincore/host.h>

namespace wincore {

namespace {

void MoveCursor(int x, int y)
{
    POINT now = {};
    if (GetCursorPos(&now) && now.x == x && now.y == y) return;
    SetCursorPos(x, y);
    Pump();
}

void Button(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
    Pump();
}

}  // namespace

void PenDown(int x, int y)
{
    MoveCursor(x, y);
    Button(MOUSEEVENTF_LEFTDOWN);
}

void PenMove(int x, int y)
{
    MoveCursor(x, y);
}

void PenUp(int x, int y)
{
    MoveCursor(x, y);
    Button(MOUSEEVENTF_LEFTUP);
}

}  // namespace wincore
