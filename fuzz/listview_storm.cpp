// Pen storms against NavListViewEx, whose host may delete items, hide or destroy it in a notice.
#include "support/list_check.h"
#include "support/storm.h"

namespace {

constexpr UINT kListId = 5;

class ListStorm final : public Storm<ListStorm, NavListViewEx> {
public:
    using Storm::Storm;
    ~ListStorm() { ImageList_Destroy(images_); DeleteObject(font_); }

private:
    friend Storm;
    // Operations that change rows without repainting them mark the rows stale until the next paint.
    static const Op kOps[];

    void Start() { dropDown_ = in_.Bool(); Make(); }

    void Create(NavListViewEx& list)
    {
        const RECT rect = in_.Place(-20, 500, -20, 300, 400, 400).Rect();
        const DWORD style = dropDown_ ? WS_POPUP : WS_CHILD | WS_VISIBLE;
        list.Create(nullptr, style, rect, owner_, kListId, dropDown_ ? NAVLV_MODE_DROPDOWN : NAVLV_MODE_LIST);
        stale_ = false;
    }

    HWND Window(NavListViewEx& list) { return list.GetSafeHand(); }
    void CheckInvariants(NavListViewEx& list, bool live) { CheckList(list, live && !stale_); }
    int Position() { return in_.Range(-2, control_->GetItemCount() + 1); }

    void AddItem(NavListViewEx& list, bool insert)
    {
        const bool redraw = in_.Bool();
        const int index = insert ? Position() : 0;
        const std::u16string text = in_.Text(120);
        const int image = in_.Range(-1, 3);
        insert ? list.InsertItem(text.c_str(), index, image, redraw) : list.AddItem(text.c_str(), image, redraw);
        stale_ |= !redraw;
    }

    bool dropDown_ = false;
    HFONT font_ = CreateMenuFont(140, 0);
    HIMAGELIST images_ = ImageList_Create(16, 16, ILC_COLOR32, 2, 2);
    bool stale_ = false;
    WCHAR buffer_[NAVLV_TEXT_LEN + 1] = {};
};

using S = ListStorm;
using L = NavListViewEx;

const S::Op S::kOps[] = {
    {"add", [](S& s, L& list) { s.AddItem(list, false); }},
    {"insert", [](S& s, L& list) { s.AddItem(list, true); }},
    {"delete", [](S& s, L& list) { list.DeleteItem(s.Position()); }},
    {"delete all", [](S&, L& list) { list.DeleteAllItems(); }},
    {"select", [](S& s, L& list) { list.SetCurrentSel(s.Position()); }},
    {"move", Move<700, 400, 600, 500>},
    {"show", [](S& s, L& list) { ShowWindow(list.GetSafeHand(), s.in_.Bool() ? SW_SHOW : SW_HIDE); }},
    {"row height", [](S& s, L& list) { list.SetItemHeigh(s.in_.Range(-2, 150)); s.stale_ = true; }},
    {"page bar",
     [](S& s, L& list) {
         list.EnablePageScroll(s.in_.Bool());
         const int left = s.in_.Bool(), right = s.in_.Bool();
         list.SetPageScroll(left, right, s.in_.Bool());
         s.stale_ = true;
     }},
    {"check boxes", [](S& s, L& list) { list.SetCheckBox(s.in_.Bool()); }},
    {"check one", [](S& s, L& list) { const int index = s.Position(); list.SetCheckStatus(index, s.in_.Bool()); }},
    {"check all or none", [](S& s, L& list) { s.in_.Bool() ? list.SetCheckAll() : list.SetCheckOff(); }},
    {"texts",
     [](S& s, L& list) {
         const std::u16string one = s.in_.Text(110), two = s.in_.Text(20), three = s.in_.Text(20);
         const int index = s.Position();
         list.SetItemText(index, one.c_str(), s.in_.Bool() ? two.c_str() : nullptr, three.c_str());
         s.stale_ = true;
     }},
    {"refresh", [](S& s, L& list) { list.Refresh(); s.stale_ = false; }},
    {"remake", [](S& s, L& list) { s.in_.Bool() ? list.Destroy() : s.control_.reset(); s.Make(); }},
    {"destroy", [](S&, L& list) { list.Destroy(); }},
    {"looks",
     [](S& s, L& list) {
         const COLORREF background = s.in_.Colour();
         list.SetBkColor(background, s.in_.Range(0, 2));
         list.SetItemBorder(s.in_.Range(0, 2));
         list.SetRightArrow(s.in_.Bool());
         const COLORREF text = s.in_.Colour();
         list.SetColor(text, s.in_.Colour());
         list.SetItemTextColor(s.Position(), 0x00FF00, 0x0000FF, 0xFF0000);
         s.in_.Bool() ? list.SetFont(s.font_, nullptr, s.font_) : list.SetFont(nullptr, nullptr, nullptr);
         s.stale_ = true;
     }},
    {"images",
     [](S& s, L& list) {
         s.in_.Bool() ? list.SetImageList(s.images_, nullptr, nullptr)
                      : list.SetImageList(nullptr, nullptr, [](HDC dc, RECT* cell, tagNAVLVITME*) {
                            FillRect(dc, cell, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
                        });
         s.stale_ = true;
     }},
    {"respond window", [](S& s, L& list) { list.SetRespondHwnd(s.in_.Bool() ? s.owner_ : nullptr); }},
    {"copy backdrop", [](S& s, L& list) { list.CopyDCFromWnd(s.in_.Bool() ? s.owner_ : nullptr); }},
    {"scroll bars", [](S& s, L& list) { list.EnableHScrollBar(s.in_.Bool()); list.EnableSelectHScroll(s.in_.Bool()); }},
    {"read text",
     [](S& s, L& list) {
         const int index = s.Position();
         list.GetItemText(index, s.buffer_, s.in_.Range(-1, NAVLV_TEXT_LEN));
     }},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return RunStorm<ListStorm>(data, size, 400);
}
