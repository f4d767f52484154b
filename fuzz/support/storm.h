// What every pen storm shares: an owner window standing for the host, one control that the input
// drives step by step with pen gestures and the host's operations, the control's invariants
// checked after every step, and a host that answers the next notification as the input armed it.
// A storm says only how it creates, operates and checks its control.
#pragma once

#include <memory>

#include <wincore/host.h>

#include "support/fuzz_input.h"
#include "support/pen.h"
#include "support/session.h"

template <class Control>
class Storm {
public:
    explicit Storm(FuzzInput& input) : in_(input) {}
    virtual ~Storm() = default;

    // Up to `maxSteps` operations 0..lastOp read from the input: a pen gesture near the control
    // below kPenGestures, else one of the host's. Then the control and the owner go.
    void Run(int maxSteps, int lastOp)
    {
        owner_ = CreateOwner(WS_POPUP | WS_VISIBLE, 0, 0, 800, 480, nullptr);
        SetNotifyHandler([this] { Notified(); });
        Start();
        for (int step = 0; step < maxSteps && !in_.Empty(); step++) {
            const int op = in_.Range(0, lastOp);
            if (op < kPenGestures)
                PenGesture(in_, op, control_ ? Target(*control_) : owner_);
            else if (control_ || Revive())
                Step(op, *control_);
            wincore::Pump();
            if (control_) CheckInvariants(*control_, true);
        }
        SetNotifyHandler(nullptr);
        control_.reset();
        DestroyWindow(owner_);
    }

protected:
    virtual void Start() { Make(); }            // the set-up the input chooses
    virtual void Create(Control& control) = 0;  // the control's window, as the input chooses
    // An operation that finds the control gone makes a new one instead (false), unless a fresh
    // object can take the operation (true).
    virtual bool Revive()
    {
        Make();
        return false;
    }
    virtual HWND Window(Control& control) = 0;
    virtual HWND Target(Control& control) { return Window(control); }  // where pen gestures aim
    virtual void Step(int op, Control& control) = 0;                  // the host's operation `op`
    virtual void CheckInvariants(Control& control, bool live) = 0;    // live: the control, not a copy
    virtual void React(int reaction, Control& control) = 0;           // the armed answer, 1 and up

    void Make()
    {
        if (!control_) control_ = std::make_unique<Control>();
        Create(*control_);
    }
    // The next notification gets reaction 0 (none) to `last`.
    void Arm(int last) { reaction_ = in_.Range(0, last); }
    void PaintInto()
    {
        Offscreen picture(800, 480);
        control_->OnPaintEx(picture.dc());
    }
    // A copy starts without a window, so that the two never release the same one.
    void CheckCopy(Control& copy)
    {
        Check(!Window(copy), "a copy shares the control's window");
        CheckInvariants(copy, false);
    }
    // Now and then the copy replaces the control, which then creates a window again.
    void Copy()
    {
        Control copy(*control_);
        CheckCopy(copy);
        if (!in_.Bool()) return;
        *control_ = copy;
        Make();
    }

    FuzzInput& in_;
    HWND owner_ = nullptr;
    std::unique_ptr<Control> control_;

private:
    // A reaction answers one notification only.
    void Notified()
    {
        const int reaction = reaction_;
        reaction_ = 0;
        if (reaction && control_) React(reaction, *control_);
    }

    int reaction_ = 0;
};

// One input's storm on a fresh host.
template <class ControlStorm>
int RunStorm(const uint8_t* data, size_t size, int maxSteps, int lastOp)
{
    return OnFreshHost([&] {
        FuzzInput input(data, size);
        ControlStorm(input).Run(maxSteps, lastOp);
    });
}
