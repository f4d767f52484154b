// Pen storms against CNavComboboxEx and its drop-down list, whose host may reset, hide or destroy it.
#include "NavComboboxEx.h"
#include "support/list_check.h"
#include "support/storm.h"

namespace {

constexpr UINT kComboId = 20;
constexpr int kTextLength = 100;  // units the field keeps

// The drop-down list is the combo box's protected member, which a derived class may name.
struct ComboFields : CNavComboboxEx {
    static NavListViewEx* List(const CNavComboboxEx& combo) { return (combo.*(&ComboFields::pDropList)).get(); }
};

class ComboStorm final : public Storm<ComboStorm, CNavComboboxEx> {
public:
    using Storm::Storm;
    ~ComboStorm() { DeleteObject(font_); }

private:
    friend Storm;
    // SetItemHeight changes what the list's rows show without repainting them.
    static const Op kOps[];

    // Now and then the combo box sits in a child window of the owner.
    void Start()
    {
        parent_ = in_.Bool() ? CreateOwner(WS_CHILD | WS_VISIBLE, 40, 30, 700, 420, owner_) : owner_;
        Make();
    }

    void Create(CNavComboboxEx& combo)
    {
        RECT rect = in_.Place(-20, 600, -20, 400, 400, 400).Rect();
        if (in_.Bool()) combo.SetFont(font_);
        std::u16string text = in_.Text(120);
        const DWORD style = in_.Range(0, 3) ? WS_VISIBLE : 0;
        combo.Create(nullptr, style, in_.Bool() ? text.data() : nullptr, rect, parent_, kComboId);
        stale_ = false;
    }

    HWND Window(CNavComboboxEx& combo) { return combo.GetSafeHwnd(); }

    HWND Target(CNavComboboxEx& combo)
    {
        NavListViewEx* list = ComboFields::List(combo);
        return list && list->IsWindowVisible() && in_.Bool() ? list->GetSafeHand() : combo.GetSafeHwnd();
    }

    void CheckInvariants(CNavComboboxEx& combo, bool live)
    {
        const int count = combo.GetCount(), sel = combo.GetCurSel();
        Check(sel == -1 || (sel >= 0 && sel < count), "the combo box selects no item of its list");
        Check(combo.GetComboxTextLen() <= kTextLength, "the shown text is longer than the field keeps");
        if (NavListViewEx* list = ComboFields::List(combo)) CheckList(*list, live && !stale_);
    }

    int Position() { return in_.Range(-2, control_->GetCount() + 1); }

    HWND parent_ = nullptr;
    HFONT font_ = CreateMenuFont(150, 0);
    bool stale_ = false;
    WCHAR buffer_[NAVLV_TEXT_LEN + 1] = {};
};

using S = ComboStorm;
using C = CNavComboboxEx;

const S::Op S::kOps[] = {
    {"add", [](S& s, C& combo) { combo.AddString(s.in_.Text(120).c_str()); }},
    {"insert",
     [](S& s, C& combo) {
         const int index = s.Position();
         combo.InsertString(index, s.in_.Text(120).c_str());
     }},
    {"delete", [](S& s, C& combo) { combo.DeleteString(s.Position()); }},
    {"reset", [](S&, C& combo) { combo.ResetContent(); }},
    {"select", [](S& s, C& combo) { combo.SetCurSel(s.Position()); }},
    {"move",
     [](S& s, C& combo) {
         const FuzzInput::Box box = s.in_.Place(-50, 700, -50, 400, 600, 100);
         combo.MoveWindow(box.x, box.y, box.width, box.height);
     }},
    {"show", [](S& s, C& combo) { combo.Show(s.in_.Bool() ? SW_SHOW : SW_HIDE); }},
    {"enable", [](S& s, C& combo) { combo.EnableWindow(s.in_.Bool()); }},
    {"row height", [](S& s, C& combo) { combo.SetItemHeight(0, UINT(s.in_.Range(-2, 120))); s.stale_ = true; }},
    {"set text",
     [](S& s, C& combo) {
         std::u16string text = s.in_.Text(130);
         combo.SetComboxText(text.data(), s.in_.Bool());
     }},
    {"read an item",
     [](S& s, C& combo) {
         const int index = s.Position();
         combo.GetLBText(index, s.buffer_, s.in_.Range(-1, NAVLV_TEXT_LEN));
     }},
    {"read the text",
     [](S& s, C& combo) {
         WCHAR* buffer = s.in_.Bool() ? s.buffer_ : nullptr;
         combo.GetComboxText(buffer, s.in_.Range(-1, NAVLV_TEXT_LEN));
     }},
    {"remake", [](S& s, C&) { s.control_.reset(); s.Make(); }},
    {"destroy the parent", [](S& s, C& combo) { DestroyWindow(s.parent_ == s.owner_ ? s.Window(combo) : s.parent_); }},
    {"font", [](S& s, C& combo) { combo.SetFont(s.in_.Bool() ? s.font_ : nullptr); }},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return RunStorm<ComboStorm>(data, size, 400);
}
