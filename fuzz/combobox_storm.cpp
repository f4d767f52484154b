// Pen storms against CNavComboboxEx: taps on the field, its button and its drop-down list, clock
// advances and the host's operations, with a host that may react to each notification by
// resetting, hiding or destroying the combo box. The drop-down list's invariants and the combo
// box's own are checked after every step.
#include "NavComboboxEx.h"
#include "support/list_check.h"
#include "support/storm.h"

namespace {

constexpr UINT kComboId = 20;
constexpr int kTextLength = 100;

// The drop-down list is the combo box's protected member, which a derived class may name.
struct ComboFields : CNavComboboxEx {
    static NavListViewEx* List(const CNavComboboxEx& combo) { return (combo.*(&ComboFields::pDropList)).get(); }
};

class ComboStorm final : public Storm<CNavComboboxEx> {
public:
    using Storm::Storm;
    ~ComboStorm() override { DeleteObject(font_); }

private:
    void Start() override
    {
        // Now and then the combo box sits in a child window of the owner.
        parent_ = in_.Bool() ? CreateOwner(WS_CHILD | WS_VISIBLE, 40, 30, 700, 420, owner_) : owner_;
        Make();
    }

    void Create(CNavComboboxEx& combo) override
    {
        RECT rect = in_.Place(-20, 600, -20, 400, 400, 400).Rect();
        if (in_.Bool()) combo.SetFont(font_);
        std::u16string text = in_.Text(120);
        const DWORD style = in_.Range(0, 3) ? WS_VISIBLE : 0;
        combo.Create(nullptr, style, in_.Bool() ? text.data() : nullptr, rect, parent_, kComboId);
        stale_ = false;
    }

    HWND Window(CNavComboboxEx& combo) override { return combo.GetSafeHwnd(); }

    HWND Target(CNavComboboxEx& combo) override
    {
        NavListViewEx* list = ComboFields::List(combo);
        return list && list->IsWindowVisible() && in_.Bool() ? list->GetSafeHand() : combo.GetSafeHwnd();
    }

    void CheckInvariants(CNavComboboxEx& combo, bool live) override
    {
        const int count = combo.GetCount(), sel = combo.GetCurSel();
        Check(sel == -1 || (sel >= 0 && sel < count), "the combo box selects no item of its list");
        Check(combo.GetComboxTextLen() <= kTextLength, "the shown text is longer than the field keeps");
        if (NavListViewEx* list = ComboFields::List(combo)) CheckList(*list, live && !stale_);
    }

    int Position() { return in_.Range(-2, control_->GetCount() + 1); }

    void React(int reaction, CNavComboboxEx& combo) override
    {
        switch (reaction) {
        case 1: combo.ResetContent(); break;
        case 2: combo.Show(SW_HIDE); break;
        case 3: control_.reset(); break;
        case 4: combo.DeleteString(0); break;
        case 5: combo.AddString(TEXT("added")); break;
        case 6: combo.SetCurSel(-1); break;
        case 7: DestroyWindow(combo.GetSafeHwnd()); break;
        default: DestroyWindow(parent_ == owner_ ? combo.GetSafeHwnd() : parent_); break;
        }
    }

    void Step(int op, CNavComboboxEx& combo) override
    {
        switch (op) {
        case 7: combo.AddString(in_.Text(120).c_str()); break;
        case 8: {
            const int index = Position();
            combo.InsertString(index, in_.Text(120).c_str());
            break;
        }
        case 9: combo.DeleteString(Position()); break;
        case 10: combo.ResetContent(); break;
        case 11: combo.SetCurSel(Position()); break;
        case 12: {
            const FuzzInput::Box box = in_.Place(-50, 700, -50, 400, 600, 100);
            combo.MoveWindow(box.x, box.y, box.width, box.height);
            break;
        }
        case 13: combo.Show(in_.Bool() ? SW_SHOW : SW_HIDE); break;
        case 14: combo.EnableWindow(in_.Bool()); break;
        case 15:
            combo.SetItemHeight(0, UINT(in_.Range(-2, 120)));
            stale_ = true;
            break;
        case 16: {
            std::u16string text = in_.Text(130);
            combo.SetComboxText(text.data(), in_.Bool());
            break;
        }
        case 17: {
            const int index = Position();
            combo.GetLBText(index, buffer_, in_.Range(-1, NAVLV_TEXT_LEN));
            break;
        }
        case 18: {
            WCHAR* buffer = in_.Bool() ? buffer_ : nullptr;
            combo.GetComboxText(buffer, in_.Range(-1, NAVLV_TEXT_LEN));
            break;
        }
        case 19: PaintInto(); break;
        case 20:
            control_.reset();
            Make();
            break;
        case 21: Copy(); break;
        case 22: Arm(8); break;
        case 23: SetFocus(in_.Bool() ? owner_ : combo.GetSafeHwnd()); break;
        case 24: DestroyWindow(combo.GetSafeHwnd()); break;
        case 25: combo.SetFont(in_.Bool() ? font_ : nullptr); break;
        case 26: ShowWindow(parent_, in_.Bool() ? SW_SHOW : SW_HIDE); break;
        default: wincore::Advance(100); break;
        }
    }

    HWND parent_ = nullptr;
    HFONT font_ = CreateTextFont(20);
    bool stale_ = false;
    WCHAR buffer_[NAVLV_TEXT_LEN + 1] = {};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return RunStorm<ComboStorm>(data, size, 400, 27);
}
