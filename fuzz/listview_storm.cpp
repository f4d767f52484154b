// Pen storms against NavListViewEx: pen gestures, clock advances and every operation a host can
// call, in the order the input gives, with a host that may react to each notification by
// deleting items, hiding or destroying the list. The list's invariants are checked after every step.
#include <memory>

#include <wincore/host.h>

#include "NavListViewEx.h"
#include "support/fuzz_input.h"
#include "support/list_check.h"
#include "support/pen.h"
#include "support/session.h"

namespace {

constexpr int kMaxSteps = 400;
constexpr UINT kListId = 5;

void DrawCell(HDC dc, RECT* rect, tagNAVLVITME*)
{
    FillRect(dc, rect, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
}

class ListStorm {
public:
    explicit ListStorm(FuzzInput& input) : in_(input) {}

    void Run()
    {
        owner_ = CreateOwner(WS_POPUP | WS_VISIBLE, 0, 0, 800, 480, nullptr);
        dropDown_ = in_.Bool();
        font_ = CreateTextFont(18);
        images_ = ImageList_Create(16, 16, ILC_COLOR32, 2, 2);
        SetNotifyHandler([this](UINT message, WPARAM, LPARAM) { React(message); });
        Create();
        for (int step = 0; step < kMaxSteps && !in_.Empty(); step++) {
            Step(in_.Range(0, 31));
            wincore::Pump();
            if (list_) CheckList(*list_, !stale_ && FreshlyPainted(*list_));
        }
        SetNotifyHandler(nullptr);
        list_.reset();
        DestroyWindow(owner_);
        ImageList_Destroy(images_);
        DeleteObject(font_);
    }

private:
    void Create()
    {
        if (!list_) list_ = std::make_unique<NavListViewEx>();
        FuzzInput::Box box = in_.Place(-20, 500, -20, 300, 400, 400);
        RECT rect = {box.x, box.y, box.x + box.width, box.y + box.height};
        DWORD style = dropDown_ ? WS_POPUP : WS_CHILD | WS_VISIBLE;
        list_->Create(nullptr, style, rect, owner_, kListId, dropDown_ ? NAVLV_MODE_DROPDOWN : NAVLV_MODE_LIST);
        stale_ = false;
    }

    int Position() { return in_.Range(-2, list_->GetItemCount() + 1); }

    void React(UINT)
    {
        int reaction = reaction_;
        reaction_ = 0;
        if (!list_) return;
        switch (reaction) {
        case 1: list_->DeleteAllItems(); break;
        case 2: ShowWindow(list_->GetSafeHand(), SW_HIDE); break;
        case 3: list_.reset(); break;
        case 4: list_->DeleteItem(0); break;
        case 5: list_->AddItem(TEXT("added"), 0, 1); break;
        case 6: list_->SetCurrentSel(-1); break;
        case 7: list_->Destroy(); break;
        case 8: DestroyWindow(list_->GetSafeHand()); break;
        case 9: list_->InsertItem(TEXT("first"), 0, 1, 1); break;
        default: break;
        }
    }

    void Step(int op)
    {
        if (op < kPenGestures) {
            PenGesture(in_, op, list_ ? list_->GetSafeHand() : owner_);
            return;
        }
        if (!list_) {
            Create();
            return;
        }
        NavListViewEx& list = *list_;
        switch (op) {
        case 7: {
            bool redraw = in_.Bool();
            std::u16string text = in_.Text(120);
            list.AddItem(text.c_str(), in_.Range(-1, 3), redraw);
            stale_ |= !redraw;
            break;
        }
        case 8: {
            bool redraw = in_.Bool();
            int index = Position();
            std::u16string text = in_.Text(120);
            list.InsertItem(text.c_str(), index, in_.Range(-1, 3), redraw);
            stale_ |= !redraw;
            break;
        }
        case 9: list.DeleteItem(Position()); break;
        case 10: list.DeleteAllItems(); break;
        case 11: list.SetCurrentSel(Position()); break;
        case 12: {
            FuzzInput::Box box = in_.Place(-50, 700, -50, 400, 600, 500);
            MoveWindow(list.GetSafeHand(), box.x, box.y, box.width, box.height, in_.Bool());
            break;
        }
        case 13: ShowWindow(list.GetSafeHand(), in_.Bool() ? SW_SHOW : SW_HIDE); break;
        case 14:
            list.SetItemHeigh(in_.Range(-2, 150));
            stale_ = true;
            break;
        case 15: {
            list.EnablePageScroll(in_.Bool());
            const int left = in_.Bool(), right = in_.Bool();
            list.SetPageScroll(left, right, in_.Bool());
            stale_ = true;
            break;
        }
        case 16: Checks(list); break;
        case 17: {
            std::u16string one = in_.Text(110), two = in_.Text(20), three = in_.Text(20);
            const int index = Position();
            list.SetItemText(index, one.c_str(), in_.Bool() ? two.c_str() : nullptr, three.c_str());
            stale_ = true;
            break;
        }
        case 18:
            list.Refresh();
            stale_ = false;
            break;
        case 19: PaintInto(list); break;
        case 20: Recreate(); break;
        case 21: Copy(); break;
        case 22: Looks(list); break;
        case 23:
            if (in_.Bool())
                list.SetImageList(images_, nullptr, nullptr);
            else
                list.SetImageList(nullptr, nullptr, DrawCell);
            stale_ = true;
            break;
        case 24: reaction_ = in_.Range(0, 9); break;
        case 25: list.SetRespondHwnd(in_.Bool() ? owner_ : nullptr); break;
        case 26: DestroyWindow(list.GetSafeHand()); break;
        case 27: list.CopyDCFromWnd(in_.Bool() ? owner_ : nullptr); break;
        case 28:
            list.EnableHScrollBar(in_.Bool());
            list.EnableSelectHScroll(in_.Bool());
            break;
        case 29: SetFocus(in_.Bool() ? owner_ : list.GetSafeHand()); break;
        case 30:
            if (dropDown_) SetWindowPos(list.GetSafeHand(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
            break;
        default: {
            const int index = Position();
            list.GetItemText(index, buffer_, in_.Range(-1, NAVLV_TEXT_LEN));
            break;
        }
        }
    }

    void Checks(NavListViewEx& list)
    {
        switch (in_.Range(0, 3)) {
        case 0: list.SetCheckBox(in_.Bool()); break;
        case 1: {
            const int index = Position();
            list.SetCheckStatus(index, in_.Bool());
            break;
        }
        case 2: list.SetCheckAll(); break;
        default: list.SetCheckOff(); break;
        }
    }

    void Looks(NavListViewEx& list)
    {
        const COLORREF background = in_.Colour();
        list.SetBkColor(background, in_.Range(0, 2));
        list.SetItemBorder(in_.Range(0, 2));
        list.SetRightArrow(in_.Bool());
        const COLORREF text = in_.Colour();
        list.SetColor(text, in_.Colour());
        list.SetItemTextColor(Position(), 0x00FF00, 0x0000FF, 0xFF0000);
        if (in_.Bool())
            list.SetFont(font_, nullptr, font_);
        else
            list.SetFont(nullptr, nullptr, nullptr);
        stale_ = true;
    }

    void PaintInto(NavListViewEx& list)
    {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 800, 480);
        HGDIOBJ old = SelectObject(dc, bitmap);
        list.OnPaintEx(dc);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }

    void Recreate()
    {
        if (in_.Bool())
            list_->Destroy();
        else
            list_.reset();
        Create();
    }

    void Copy()
    {
        NavListViewEx copy(*list_);
        CheckList(copy, false);
        if (in_.Bool()) {
            *list_ = copy;
            Create();
        }
    }

    FuzzInput& in_;
    HWND owner_ = nullptr;
    bool dropDown_ = false;
    HFONT font_ = nullptr;
    HIMAGELIST images_ = nullptr;
    std::unique_ptr<NavListViewEx> list_;
    int reaction_ = 0;
    bool stale_ = false;
    WCHAR buffer_[NAVLV_TEXT_LEN + 1] = {};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    HostSession session;
    FuzzInput input(data, size);
    ListStorm(input).Run();
    session.CheckNothingLeft();
    return 0;
}
