// Pen storms against NavListViewEx: pen gestures, clock advances and every operation a host can
// call, in the order the input gives, with a host that may react to each notification by
// deleting items, hiding or destroying the list. The list's invariants are checked after every step.
#include "support/list_check.h"
#include "support/storm.h"

namespace {

constexpr UINT kListId = 5;
// Operations that change what rows show without repainting them: until the next paint, painted
// rows need not show the items.
constexpr uint32_t kLeavesRowsStale = 1u << 14 | 1u << 15 | 1u << 17 | 1u << 22 | 1u << 23;

void DrawCell(HDC dc, RECT* rect, tagNAVLVITME*)
{
    FillRect(dc, rect, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
}

class ListStorm final : public Storm<NavListViewEx> {
public:
    using Storm::Storm;
    ~ListStorm() override
    {
        ImageList_Destroy(images_);
        DeleteObject(font_);
    }

private:
    void Start() override
    {
        dropDown_ = in_.Bool();
        Make();
    }

    void Create(NavListViewEx& list) override
    {
        const RECT rect = in_.Place(-20, 500, -20, 300, 400, 400).Rect();
        const DWORD style = dropDown_ ? WS_POPUP : WS_CHILD | WS_VISIBLE;
        list.Create(nullptr, style, rect, owner_, kListId, dropDown_ ? NAVLV_MODE_DROPDOWN : NAVLV_MODE_LIST);
        stale_ = false;
    }

    HWND Window(NavListViewEx& list) override { return list.GetSafeHand(); }
    void CheckInvariants(NavListViewEx& list, bool live) override { CheckList(list, live && !stale_); }
    int Position() { return in_.Range(-2, control_->GetItemCount() + 1); }

    void React(int reaction, NavListViewEx& list) override
    {
        switch (reaction) {
        case 1: list.DeleteAllItems(); break;
        case 2: ShowWindow(list.GetSafeHand(), SW_HIDE); break;
        case 3: control_.reset(); break;
        case 4: list.DeleteItem(0); break;
        case 5: list.AddItem(TEXT("added"), 0, 1); break;
        case 6: list.SetCurrentSel(-1); break;
        case 7: list.Destroy(); break;
        case 8: DestroyWindow(list.GetSafeHand()); break;
        default: list.InsertItem(TEXT("first"), 0, 1, 1); break;
        }
    }

    void Step(int op, NavListViewEx& list) override
    {
        switch (op) {
        case 7:
        case 8: AddItem(list, op == 8); break;
        case 9: list.DeleteItem(Position()); break;
        case 10: list.DeleteAllItems(); break;
        case 11: list.SetCurrentSel(Position()); break;
        case 12: {
            const FuzzInput::Box box = in_.Place(-50, 700, -50, 400, 600, 500);
            MoveWindow(list.GetSafeHand(), box.x, box.y, box.width, box.height, in_.Bool());
            break;
        }
        case 13: ShowWindow(list.GetSafeHand(), in_.Bool() ? SW_SHOW : SW_HIDE); break;
        case 14: list.SetItemHeigh(in_.Range(-2, 150)); break;
        case 15: {
            list.EnablePageScroll(in_.Bool());
            const int left = in_.Bool(), right = in_.Bool();
            list.SetPageScroll(left, right, in_.Bool());
            break;
        }
        case 16: Checks(list); break;
        case 17: SetTexts(list); break;
        case 18:
            list.Refresh();
            stale_ = false;
            break;
        case 19: PaintInto(); break;
        case 20:
            in_.Bool() ? list.Destroy() : control_.reset();
            Make();
            break;
        case 21: Copy(); break;
        case 22: Looks(list); break;
        case 23: in_.Bool() ? list.SetImageList(images_, nullptr, nullptr) : list.SetImageList(nullptr, nullptr, DrawCell); break;
        case 24: Arm(9); break;
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
        if (kLeavesRowsStale >> op & 1) stale_ = true;
    }

    // Appends (or inserts at a position) an item, painting the rows or not.
    void AddItem(NavListViewEx& list, bool insert)
    {
        const bool redraw = in_.Bool();
        const int index = insert ? Position() : 0;
        const std::u16string text = in_.Text(120);
        const int image = in_.Range(-1, 3);
        insert ? list.InsertItem(text.c_str(), index, image, redraw) : list.AddItem(text.c_str(), image, redraw);
        stale_ |= !redraw;
    }

    void SetTexts(NavListViewEx& list)
    {
        const std::u16string one = in_.Text(110), two = in_.Text(20), three = in_.Text(20);
        const int index = Position();
        list.SetItemText(index, one.c_str(), in_.Bool() ? two.c_str() : nullptr, three.c_str());
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
        in_.Bool() ? list.SetFont(font_, nullptr, font_) : list.SetFont(nullptr, nullptr, nullptr);
    }

    bool dropDown_ = false;
    HFONT font_ = CreateTextFont(18);
    HIMAGELIST images_ = ImageList_Create(16, 16, ILC_COLOR32, 2, 2);
    bool stale_ = false;
    WCHAR buffer_[NAVLV_TEXT_LEN + 1] = {};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return RunStorm<ListStorm>(data, size, 400, 31);
}
