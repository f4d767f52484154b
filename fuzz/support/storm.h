// One control under pen gestures and operations, checked every step; the host answers a notice with
// one more operation.
#pragma once

#include <algorithm>
#include <iterator>
#include <memory>

#include "support/fuzz_input.h"
#include "RKNaviMenu.h"  // CreateMenuFont, the storms' fonts
#include "support/session.h"

namespace pen {

constexpr int kMargin = 12;  // pixels around the target

// A point near the target, now and then anywhere on the 800 x 480 screen.
inline POINT Near(FuzzInput& input, HWND target)
{
    RECT rect = {0, 0, 800, 480};
    if (input.Byte() < 224 && IsWindow(target)) {
        GetWindowRect(target, &rect);
        InflateRect(&rect, kMargin, kMargin);
    }
    const unsigned width = unsigned(std::max<LONG>(1, rect.right - rect.left));
    const unsigned height = unsigned(std::max<LONG>(1, rect.bottom - rect.top));
    return POINT{rect.left + int(input.Word() % width), rect.top + int(input.Word() % height)};
}

inline void Drag(FuzzInput& input, HWND target)
{
    POINT point = Near(input, target);
    wincore::PenDown(point.x, point.y);
    for (int moves = input.Range(1, 8); moves > 0; moves--) {
        point.x += input.Range(-40, 40);
        point.y += input.Range(-90, 90);
        wincore::Advance(DWORD(input.Range(0, 60)));
        wincore::PenMove(point.x, point.y);
    }
    wincore::PenUp(point.x, point.y);
}

// One tap, or several at one point with a pause after each.
inline void Taps(FuzzInput& input, HWND target, int taps)
{
    const POINT point = Near(input, target);
    for (int tap = 0; tap < taps; tap++) {
        wincore::PenDown(point.x, point.y);
        wincore::PenUp(point.x, point.y);
        if (taps > 1) wincore::Advance(DWORD(input.Range(0, 120)));
    }
}

// A key as a keypad or an encoder knob sends it, to the target given the focus first or to wherever
// the focus is; now and then the key stays down (a held Alt turns the next keys into system keys).
inline void Key(FuzzInput& input, HWND target)
{
    static constexpr UINT kKeys[] = {VK_UP,    VK_DOWN,  VK_LEFT,  VK_RIGHT, VK_PRIOR, VK_NEXT, VK_HOME, VK_END,
                                     VK_RETURN, VK_SPACE, VK_ESCAPE, VK_TAB, VK_F4,   VK_F10,  VK_MENU, 'M'};
    if (input.Bool() && IsWindow(target)) SetFocus(target);
    const UINT vk = kKeys[input.Range(0, int(std::size(kKeys)) - 1)];
    wincore::KeyDown(vk);
    if (input.Byte() < 224) wincore::KeyUp(vk);
}

struct Gesture {
    const char* name;
    void (*action)(FuzzInput&, HWND target);
};

inline const Gesture kGestures[] = {
    {"pen down", [](FuzzInput& in, HWND at) { const POINT p = Near(in, at); wincore::PenDown(p.x, p.y); }},
    {"pen move", [](FuzzInput& in, HWND at) { const POINT p = Near(in, at); wincore::PenMove(p.x, p.y); }},
    {"pen up", [](FuzzInput& in, HWND at) { const POINT p = Near(in, at); wincore::PenUp(p.x, p.y); }},
    {"tap", [](FuzzInput& in, HWND at) { Taps(in, at, 1); }},
    {"drag", Drag},
    {"double tap", [](FuzzInput& in, HWND at) { Taps(in, at, 2); }},
    {"pause", [](FuzzInput& in, HWND) { wincore::Advance(DWORD(in.Range(0, 700))); }},
    {"key", Key},
};

}  // namespace pen

// The frame periods SetAnimationInterval takes besides 0.
constexpr int kFastestFrameMs = 8;
constexpr int kSlowestFrameMs = 50;

template <class Self, class Control>
class Storm {
public:
    struct Op {
        const char* name;
        void (*action)(Self&, Control&);
    };

    explicit Storm(FuzzInput& input) : in_(input) {}

    void Run(int maxSteps)
    {
        owner_ = CreateOwner(WS_POPUP | WS_VISIBLE, 0, 0, 800, 480, nullptr);
        gNotifyHandler = [this] { Notified(); };
        self().Start();
        constexpr int kPen = int(std::size(pen::kGestures));
        for (int step = 0; step < maxSteps && !in_.Empty(); step++) {
            const int op = in_.Range(0, kPen + OpCount() - 1);
            if (op < kPen) {
                HWND target = control_ ? self().Target(*control_) : owner_;
                gFuzzStep = pen::kGestures[op].name;
                pen::kGestures[op].action(in_, target);
            } else if (control_ || self().Revive()) {
                Do(op - kPen);
            }
            wincore::Pump();
            if (control_) self().CheckInvariants(*control_, true);
        }
        gNotifyHandler = nullptr;
        control_.reset();
        DestroyWindow(owner_);
    }

protected:
    // A storm may replace these; Revive true: a fresh object takes the operation.
    void Start() { Make(); }
    bool Revive() { Make(); return false; }
    HWND Target(Control& control) { return self().Window(control); }
    void WindowDestroyed() {}

    void Make()
    {
        if (!control_) control_ = std::make_unique<Control>();
        self().Create(*control_);
    }
    // A copy starts without a window, so that the two never release the same one.
    void CheckCopy(Control& copy)
    {
        Check(!self().Window(copy), "a copy shares the control's window");
        self().CheckInvariants(copy, false);
    }

    static void Paint(Self&, Control& control)
    {
        Offscreen picture(800, 480);
        control.OnPaintEx(picture.dc);
    }
    // Now and then the copy replaces the control, which then creates a window again.
    static void Copy(Self& s, Control& control)
    {
        Control copy(control);
        s.CheckCopy(copy);
        if (!s.in_.Bool()) return;
        control = copy;
        s.Make();
    }
    // The next notice runs operation reaction_ - 1 inside it; 0: none.
    static void Arm(Self& s, Control&) { s.reaction_ = s.in_.Range(0, OpCount()); }
    static void Drop(Self& s, Control&) { s.control_.reset(); }
    template <int xHi, int yHi, int maxWidth, int maxHeight>
    static void Move(Self& s, Control& control)
    {
        const FuzzInput::Box box = s.in_.Place(-50, xHi, -50, yHi, maxWidth, maxHeight);
        MoveWindow(s.Window(control), box.x, box.y, box.width, box.height, s.in_.Bool());
    }
    static void DestroyItsWindow(Self& s, Control& control)
    {
        DestroyWindow(s.Window(control));
        s.WindowDestroyed();
    }
    static void Focus(Self& s, Control& control) { SetFocus(s.in_.Bool() ? s.owner_ : s.Window(control)); }
    // Mostly around the frame periods the controls take, now and then any int.
    static void AnimationInterval(Self& s, Control& control)
    {
        const int ms = s.in_.Bool() ? s.in_.Range(-2, 60) : int(uint32_t(s.in_.Word()) | uint32_t(s.in_.Word()) << 16);
        const bool accepted = ms == 0 || (ms >= kFastestFrameMs && ms <= kSlowestFrameMs);
        Check(control.SetAnimationInterval(ms) == int(accepted), "an animation interval taken or refused wrongly");
    }

    static constexpr Op kSharedOps[] = {{"paint", Paint}, {"arm", Arm}, {"focus", Focus}, {"drop", Drop},
                                        {"animation interval", AnimationInterval}, {"copy", Copy},
                                        {"destroy window", DestroyItsWindow}};
    static constexpr int SharedCount() { return int(std::size(kSharedOps)); }
    static constexpr int OpCount() { return SharedCount() + int(std::size(Self::kOps)); }

    FuzzInput& in_;
    HWND owner_ = nullptr;
    std::unique_ptr<Control> control_;

private:
    Self& self() { return static_cast<Self&>(*this); }
    void Do(int index)
    {
        const Op& op = index < SharedCount() ? kSharedOps[index] : Self::kOps[index - SharedCount()];
        gFuzzStep = op.name;
        op.action(self(), *control_);
    }
    void Notified()
    {
        const int reaction = reaction_;
        reaction_ = 0;
        if (reaction && control_) Do(reaction - 1);
    }

    int reaction_ = 0;
};

template <class ControlStorm>
int RunStorm(const uint8_t* data, size_t size, int maxSteps)
{
    return OnFreshHost([&] {
        FuzzInput input(data, size);
        ControlStorm(input).Run(maxSteps);
    });
}
