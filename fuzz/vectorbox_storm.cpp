// Pen storms against CNavVectorBox: taps on its arrows and middle, clock advances through the
// slides, and the host's operations, with a host that may react to each step notification by
// destroying the box or its window. The box's invariants are checked after every step.
#include <memory>
#include <string>

#include <wincore/host.h>

#include "NavVectorBox.h"
#include "support/fuzz_input.h"
#include "support/pen.h"
#include "support/session.h"

namespace {

constexpr int kMaxSteps = 400;
constexpr UINT kBoxId = 7;

struct BoxFields : CNavVectorBox {
    static int Count(const CNavVectorBox& box) { return int((box.*(&BoxFields::items)).size()); }
    static int PressedPass(const CNavVectorBox& box) { return box.*(&BoxFields::pressedPass); }
    static HWND Window(const CNavVectorBox& box) { return box.*(&BoxFields::hWnd); }
};

HBITMAP SolidBitmap(int width, int height)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

class BoxStorm {
public:
    explicit BoxStorm(FuzzInput& input) : in_(input) {}

    void Run()
    {
        owner_ = CreateOwner(WS_POPUP | WS_VISIBLE, 0, 0, 800, 480, nullptr);
        font_ = CreateTextFont(16);
        bitmap_ = SolidBitmap(30, 20);
        SetNotifyHandler([this](UINT message, WPARAM, LPARAM) { React(message); });
        Create();
        for (int step = 0; step < kMaxSteps && !in_.Empty(); step++) {
            Step(in_.Range(0, 24));
            wincore::Pump();
            CheckInvariants();
        }
        SetNotifyHandler(nullptr);
        box_.reset();
        DestroyWindow(owner_);
        DeleteObject(bitmap_);
        DeleteObject(font_);
    }

private:
    void Create()
    {
        if (!box_) box_ = std::make_unique<CNavVectorBox>();
        FuzzInput::Box box = in_.Place(-20, 700, -20, 450, 400, 120);
        RECT rect = {box.x, box.y, box.x + box.width, box.y + box.height};
        std::u16string text = in_.Text(20);
        box_->Create(nullptr, WS_CHILD | WS_VISIBLE, text.c_str(), rect, owner_, kBoxId,
                     in_.Bool() ? VBOX_VERT : VBOX_HORZ);
    }

    void CheckInvariants()
    {
        if (!box_) return;
        const int count = BoxFields::Count(*box_), sel = box_->GetCurSel();
        Check(sel >= 0 && (sel < count || (count == 0 && sel == 0)), "the vector box shows no item of its own");
        const int pressed = BoxFields::PressedPass(*box_);
        Check(pressed >= -1 && pressed <= 1, "a pressed arrow that does not exist");
    }

    void React(UINT)
    {
        int reaction = reaction_;
        reaction_ = 0;
        if (!box_) return;
        switch (reaction) {
        case 1: box_.reset(); break;
        case 2: DestroyWindow(BoxFields::Window(*box_)); break;
        case 3: box_->Show(SW_HIDE); break;
        case 4: box_->InsertItem(TEXT("added"), nullptr); break;
        case 5: box_->SetCurSel(0); break;
        default: break;
        }
    }

    void Step(int op)
    {
        if (op < kPenGestures) {
            PenGesture(in_, op, box_ ? BoxFields::Window(*box_) : owner_);
            return;
        }
        if (!box_) {
            Create();
            return;
        }
        CNavVectorBox& box = *box_;
        switch (op) {
        case 7: {
            std::u16string text = in_.Text(120);
            const WCHAR* shown = in_.Bool() ? text.c_str() : nullptr;
            box.InsertItem(shown, in_.Bool() ? bitmap_ : nullptr);
            break;
        }
        case 8: box.SetCurSel(in_.Range(-2, BoxFields::Count(box) + 1)); break;
        case 9: box.Show(in_.Bool() ? SW_SHOW : SW_HIDE); break;
        case 10: box.SetPassControlWidth(in_.Range(-5, 300)); break;
        case 11: OwnerFrame(box); break;
        case 12: box.SetFont(in_.Bool() ? font_ : nullptr); break;
        case 13: box.SetTextColor(in_.Colour()); break;
        case 14: PaintInto(box); break;
        case 15: {
            FuzzInput::Box place = in_.Place(-50, 700, -50, 450, 500, 150);
            MoveWindow(BoxFields::Window(box), place.x, place.y, place.width, place.height, in_.Bool());
            break;
        }
        case 16: DestroyWindow(BoxFields::Window(box)); break;
        case 17: box_.reset(); break;
        case 18: Copy(); break;
        case 19: reaction_ = in_.Range(0, 5); break;
        case 20: SetFocus(in_.Bool() ? owner_ : BoxFields::Window(box)); break;
        case 21: Create(); break;
        case 22: EnableWindow(BoxFields::Window(box), in_.Bool()); break;
        default: wincore::Advance(50); break;
        }
    }

    void OwnerFrame(CNavVectorBox& box)
    {
        switch (in_.Range(0, 3)) {
        case 0: {
            void* image = bitmap_;
            box.SetOwnerDrawBmp(&image, 0);
            break;
        }
        case 1: {
            void* image = nullptr;
            box.SetOwnerDrawBmp(&image, 0);
            break;
        }
        case 2: {
            // A file that is not there: the frame stays empty.
            std::u16string path = u"/nonexistent/" + in_.Text(300);
            void* image = path.data();
            box.SetOwnerDrawBmp(&image, 1);
            break;
        }
        default: box.SetOwnerDrawBmp(nullptr, in_.Range(0, 1)); break;
        }
    }

    void PaintInto(CNavVectorBox& box)
    {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 800, 480);
        HGDIOBJ old = SelectObject(dc, bitmap);
        box.OnPaintEx(dc);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }

    void Copy()
    {
        CNavVectorBox copy(*box_);
        Check(BoxFields::Window(copy) == nullptr, "a copy shares the box's window");
        if (in_.Bool()) {
            *box_ = copy;
            Create();
        }
    }

    FuzzInput& in_;
    HWND owner_ = nullptr;
    HFONT font_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    std::unique_ptr<CNavVectorBox> box_;
    int reaction_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    HostSession session;
    FuzzInput input(data, size);
    BoxStorm(input).Run();
    session.CheckNothingLeft();
    return 0;
}
