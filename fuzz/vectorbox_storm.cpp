// Pen storms against CNavVectorBox: taps on its arrows and middle, clock advances through the
// slides, and the host's operations, with a host that may react to each step notification by
// destroying the box or its window. The box's invariants are checked after every step.
#include "NavVectorBox.h"
#include "support/storm.h"

namespace {

constexpr UINT kBoxId = 7;

// The box's window, items and pressed arrow are protected members, which a derived class may name.
struct BoxFields : CNavVectorBox {
    static int Count(const CNavVectorBox& box) { return int((box.*(&BoxFields::items)).size()); }
    static int PressedPass(const CNavVectorBox& box) { return box.*(&BoxFields::pressedPass); }
    static HWND Window(const CNavVectorBox& box) { return box.*(&BoxFields::hWnd); }
};

class BoxStorm final : public Storm<CNavVectorBox> {
public:
    using Storm::Storm;
    ~BoxStorm() override
    {
        DeleteObject(bitmap_);
        DeleteObject(font_);
    }

private:
    void Create(CNavVectorBox& box) override
    {
        const RECT rect = in_.Place(-20, 700, -20, 450, 400, 120).Rect();
        std::u16string text = in_.Text(20);
        box.Create(nullptr, WS_CHILD | WS_VISIBLE, text.c_str(), rect, owner_, kBoxId, in_.Bool() ? VBOX_VERT : VBOX_HORZ);
    }

    HWND Window(CNavVectorBox& box) override { return BoxFields::Window(box); }

    void CheckInvariants(CNavVectorBox& box, bool) override
    {
        const int count = BoxFields::Count(box), sel = box.GetCurSel(), pressed = BoxFields::PressedPass(box);
        Check(sel >= 0 && (sel < count || (count == 0 && sel == 0)), "the vector box shows no item of its own");
        Check(pressed >= -1 && pressed <= 1, "a pressed arrow that does not exist");
    }

    void React(int reaction, CNavVectorBox& box) override
    {
        switch (reaction) {
        case 1: control_.reset(); break;
        case 2: DestroyWindow(Window(box)); break;
        case 3: box.Show(SW_HIDE); break;
        case 4: box.InsertItem(TEXT("added"), nullptr); break;
        default: box.SetCurSel(0); break;
        }
    }

    void Step(int op, CNavVectorBox& box) override
    {
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
        case 14: PaintInto(); break;
        case 15: {
            const FuzzInput::Box place = in_.Place(-50, 700, -50, 450, 500, 150);
            MoveWindow(Window(box), place.x, place.y, place.width, place.height, in_.Bool());
            break;
        }
        case 16: DestroyWindow(Window(box)); break;
        case 17: control_.reset(); break;
        case 18: Copy(); break;
        case 19: Arm(5); break;
        case 20: SetFocus(in_.Bool() ? owner_ : Window(box)); break;
        case 21: Make(); break;
        case 22: EnableWindow(Window(box), in_.Bool()); break;
        default: wincore::Advance(50); break;
        }
    }

    // The host's bitmap, none (the default frame again), a file that is not there (the frame stays
    // empty), or no image at all.
    void OwnerFrame(CNavVectorBox& box)
    {
        const int choice = in_.Range(0, 3);
        std::u16string path = choice == 2 ? u"/nonexistent/" + in_.Text(300) : std::u16string();
        void* images[] = {bitmap_, nullptr, path.data()};
        if (choice == 3)
            box.SetOwnerDrawBmp(nullptr, in_.Range(0, 1));
        else
            box.SetOwnerDrawBmp(&images[choice], choice == 2);
    }

    HFONT font_ = CreateTextFont(16);
    HBITMAP bitmap_ = SolidBitmap(30, 20, GRAY_BRUSH);
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return RunStorm<BoxStorm>(data, size, 400, 24);
}
