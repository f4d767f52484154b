// Pen storms against CNavVectorBox, whose host may destroy the box or its window in a notice.
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

class BoxStorm final : public Storm<BoxStorm, CNavVectorBox> {
public:
    using Storm::Storm;
    ~BoxStorm() { DeleteObject(bitmap_); DeleteObject(font_); }

private:
    friend Storm;
    static const Op kOps[];

    void Create(CNavVectorBox& box)
    {
        const RECT rect = in_.Place(-20, 700, -20, 450, 400, 120).Rect();
        std::u16string text = in_.Text(20);
        box.Create(nullptr, WS_CHILD | WS_VISIBLE, text.c_str(), rect, owner_, kBoxId, in_.Bool() ? VBOX_VERT : VBOX_HORZ);
    }

    HWND Window(CNavVectorBox& box) { return BoxFields::Window(box); }

    void CheckInvariants(CNavVectorBox& box, bool)
    {
        const int count = BoxFields::Count(box), sel = box.GetCurSel(), pressed = BoxFields::PressedPass(box);
        Check(sel >= 0 && (sel < count || (count == 0 && sel == 0)), "the vector box shows no item of its own");
        Check(pressed >= -1 && pressed <= 1, "a pressed arrow that does not exist");
    }

    HFONT font_ = CreateMenuFont(120, 1);
    HBITMAP bitmap_ = CreateBitmap(30, 20, 1, 32, nullptr);
};

using S = BoxStorm;
using B = CNavVectorBox;

const S::Op S::kOps[] = {
    {"insert",
     [](S& s, B& box) {
         std::u16string text = s.in_.Text(120);
         const WCHAR* shown = s.in_.Bool() ? text.c_str() : nullptr;
         box.InsertItem(shown, s.in_.Bool() ? s.bitmap_ : nullptr);
     }},
    {"select", [](S& s, B& box) { box.SetCurSel(s.in_.Range(-2, BoxFields::Count(box) + 1)); }},
    {"show", [](S& s, B& box) { box.Show(s.in_.Bool() ? SW_SHOW : SW_HIDE); }},
    {"arrow width", [](S& s, B& box) { box.SetPassControlWidth(s.in_.Range(-5, 300)); }},
    // The host's bitmap, none (the default frame), a missing file (no frame), or no image at all.
    {"frame",
     [](S& s, B& box) {
         const int choice = s.in_.Range(0, 3);
         std::u16string path = choice == 2 ? u"/nonexistent/" + s.in_.Text(300) : std::u16string();
         void* images[] = {s.bitmap_, nullptr, path.data()};
         choice == 3 ? box.SetOwnerDrawBmp(nullptr, s.in_.Range(0, 1)) : box.SetOwnerDrawBmp(&images[choice], choice == 2);
     }},
    {"font", [](S& s, B& box) { box.SetFont(s.in_.Bool() ? s.font_ : nullptr); }},
    {"text colour", [](S& s, B& box) { box.SetTextColor(s.in_.Colour()); }},
    {"move", Move<700, 450, 500, 150>},
    {"create", [](S& s, B&) { s.Make(); }},
    {"enable", [](S& s, B& box) { EnableWindow(s.Window(box), s.in_.Bool()); }},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return RunStorm<BoxStorm>(data, size, 400);
}
