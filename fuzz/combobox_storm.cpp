// Pen storms against CNavComboboxEx: taps on the field, its button and its drop-down list, clock
// advances and the host's operations, with a host that may react to each notification by
// resetting, hiding or destroying the combo box. The drop-down list's invariants and the combo
// box's own are checked after every step.
#include <memory>

#include <wincore/host.h>

#include "NavComboboxEx.h"
#include "support/fuzz_input.h"
#include "support/list_check.h"
#include "support/pen.h"
#include "support/session.h"

namespace {

constexpr int kMaxSteps = 400;
constexpr UINT kComboId = 20;
constexpr int kTextLength = 100;

// A derived class may name the combo box's protected fields through member pointers.
struct ComboFields : CNavComboboxEx {
    static NavListViewEx* List(const CNavComboboxEx& combo) { return (combo.*(&ComboFields::pDropList)).get(); }
};

class ComboStorm {
public:
    explicit ComboStorm(FuzzInput& input) : in_(input) {}

    void Run()
    {
        owner_ = CreateOwner(WS_POPUP | WS_VISIBLE, 0, 0, 800, 480, nullptr);
        // Now and then the combo box sits in a child window of the owner.
        parent_ = in_.Bool() ? CreateOwner(WS_CHILD | WS_VISIBLE, 40, 30, 700, 420, owner_) : owner_;
        font_ = CreateTextFont(20);
        SetNotifyHandler([this](UINT message, WPARAM, LPARAM) { React(message); });
        Create();
        for (int step = 0; step < kMaxSteps && !in_.Empty(); step++) {
            Step(in_.Range(0, 27));
            wincore::Pump();
            CheckInvariants();
        }
        SetNotifyHandler(nullptr);
        combo_.reset();
        DestroyWindow(owner_);
        DeleteObject(font_);
    }

private:
    void Create()
    {
        if (!combo_) combo_ = std::make_unique<CNavComboboxEx>();
        FuzzInput::Box box = in_.Place(-20, 600, -20, 400, 400, 400);
        RECT rect = {box.x, box.y, box.x + box.width, box.y + box.height};
        if (in_.Bool()) combo_->SetFont(font_);
        std::u16string text = in_.Text(120);
        const DWORD style = in_.Range(0, 3) ? WS_VISIBLE : 0;
        combo_->Create(nullptr, style, in_.Bool() ? text.data() : nullptr, rect, parent_, kComboId);
        stale_ = false;
    }

    void CheckInvariants()
    {
        if (!combo_) return;
        const int count = combo_->GetCount();
        const int sel = combo_->GetCurSel();
        Check(sel == -1 || (sel >= 0 && sel < count), "the combo box selects no item of its list");
        Check(combo_->GetComboxTextLen() <= kTextLength, "the shown text is longer than the field keeps");
        NavListViewEx* list = ComboFields::List(*combo_);
        if (list) CheckList(*list, !stale_ && FreshlyPainted(*list));
    }

    HWND Target()
    {
        if (!combo_) return owner_;
        NavListViewEx* list = ComboFields::List(*combo_);
        if (list && list->IsWindowVisible() && in_.Bool()) return list->GetSafeHand();
        return combo_->GetSafeHwnd();
    }

    int Position() { return in_.Range(-2, combo_->GetCount() + 1); }

    void React(UINT)
    {
        int reaction = reaction_;
        reaction_ = 0;
        if (!combo_) return;
        switch (reaction) {
        case 1: combo_->ResetContent(); break;
        case 2: combo_->Show(SW_HIDE); break;
        case 3: combo_.reset(); break;
        case 4: combo_->DeleteString(0); break;
        case 5: combo_->AddString(TEXT("added")); break;
        case 6: combo_->SetCurSel(-1); break;
        case 7: DestroyWindow(combo_->GetSafeHwnd()); break;
        case 8: DestroyWindow(parent_ == owner_ ? combo_->GetSafeHwnd() : parent_); break;
        default: break;
        }
    }

    void Step(int op)
    {
        if (op < kPenGestures) {
            PenGesture(in_, op, Target());
            return;
        }
        if (!combo_) {
            Create();
            return;
        }
        CNavComboboxEx& combo = *combo_;
        switch (op) {
        case 7: combo.AddString(in_.Text(120).c_str()); break;
        case 8: {
            int index = Position();
            combo.InsertString(index, in_.Text(120).c_str());
            break;
        }
        case 9: combo.DeleteString(Position()); break;
        case 10: combo.ResetContent(); break;
        case 11: combo.SetCurSel(Position()); break;
        case 12: {
            FuzzInput::Box box = in_.Place(-50, 700, -50, 400, 600, 100);
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
        case 19: PaintInto(combo); break;
        case 20: Recreate(); break;
        case 21: Copy(); break;
        case 22: reaction_ = in_.Range(0, 8); break;
        case 23: SetFocus(in_.Bool() ? owner_ : combo.GetSafeHwnd()); break;
        case 24: DestroyWindow(combo.GetSafeHwnd()); break;
        case 25: combo.SetFont(in_.Bool() ? font_ : nullptr); break;
        case 26: ShowWindow(parent_, in_.Bool() ? SW_SHOW : SW_HIDE); break;
        default: wincore::Advance(100); break;
        }
    }

    void PaintInto(CNavComboboxEx& combo)
    {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 800, 480);
        HGDIOBJ old = SelectObject(dc, bitmap);
        combo.OnPaintEx(dc);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }

    void Recreate()
    {
        combo_.reset();
        Create();
    }

    void Copy()
    {
        CNavComboboxEx copy(*combo_);
        Check(copy.GetSafeHwnd() == nullptr, "a copy shares the field window");
        if (in_.Bool()) {
            *combo_ = copy;
            Create();
        }
    }

    FuzzInput& in_;
    HWND owner_ = nullptr;
    HWND parent_ = nullptr;
    HFONT font_ = nullptr;
    std::unique_ptr<CNavComboboxEx> combo_;
    int reaction_ = 0;
    bool stale_ = false;
    WCHAR buffer_[NAVLV_TEXT_LEN + 1] = {};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    HostSession session;
    FuzzInput input(data, size);
    ComboStorm(input).Run();
    session.CheckNothingLeft();
    return 0;
}
