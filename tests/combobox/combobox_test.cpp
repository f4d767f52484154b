// The combo box object: creation, the shown text, copies, use without a window, the list box procedure.
#include "combobox/combo_fixture.h"

namespace {

TEST_F(ComboTest, CreateMakesTheFieldAndTurnsTheRectangleIntoTheListArea)
{
    ComboProbe combo, thin;
    LOGFONTW look = {};
    look.lfHeight = -20;
    HFONT font = CreateFontIndirectW(&look);
    combo.SetFont(font);
    RECT rect = {10, 100, 250, 400};
    ASSERT_EQ(combo.Create(nullptr, WS_VISIBLE | WS_BORDER, nullptr, rect, owner, 20), 1);
    // The field, the list area handed back, the list window (hidden), its id, the row height.
    EXPECT_EQ(ScreenRect(combo.GetSafeHwnd()) + " " + Str(rect) + " " + ScreenRect(combo.List()) + " " +
                  std::to_string(IsWindowVisible(combo.List())) + " " + std::to_string(GetDlgCtrlID(combo.List())) +
                  " " + std::to_string(combo.GetItemHeight(0)),
              "10,100,250,142 10,142,250,400 10,140,250,400 0 1070 42");
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(combo.GetSafeHwnd(), WM_GETFONT, 0, 0)), font);
    EXPECT_EQ(combo.MoveWindow(20, 60, 200, 42), 1);
    for (int i = 0; i < 10; i++) combo.AddString(TEXT("a"));
    Tap(200, 80);
    wincore::Advance(100);
    EXPECT_EQ(ScreenRect(combo.List()), "20,100,220,377") << "under the moved field, the six rows its room had";

    WCHAR text[] = TEXT("Thin");
    RECT low = {10, 300, 250, 330};
    ASSERT_EQ(thin.Create(nullptr, 0, text, low, owner, 21), 1);
    EXPECT_EQ(Str(low), "10,342,250,384") << "room for one row at least";
    EXPECT_EQ(Text(thin), "Thin");
    DeleteObject(font);
}

TEST_F(ComboTest, FailsBeforeOrWithoutCreate)
{
    ComboProbe combo;
    WCHAR buffer[8] = TEXT("unset");
    // Each call fails with -1; MoveWindow and OnPaintEx answer 0 (less 1 here).
    for (int result : {combo.InsertString(0, TEXT("a")), combo.AddString(TEXT("a")), combo.DeleteString(0), combo.ResetContent(),
                       combo.GetCount(), combo.GetCurSel(), combo.SetCurSel(0), combo.GetLBText(0, buffer, 5),
                       combo.GetLBTextLen(0), combo.SetItemHeight(0, 50), combo.GetItemHeight(0),
                       combo.GetComboxText(buffer, 5), combo.GetComboxTextLen(), combo.MoveWindow(0, 0, 100, 42) - 1,
                       combo.OnPaintEx(nullptr) - 1})
        EXPECT_EQ(result, -1);
    EXPECT_EQ(WString(buffer), TEXT("unset"));
    combo.Show(SW_SHOW);
    combo.EnableWindow(0);

    HWND gone = CreateRecorder("gone", WS_POPUP, 0, 0, 10, 10);
    DestroyWindow(gone);
    RECT rect = {10, 100, 250, 400};
    EXPECT_EQ(combo.Create(nullptr, WS_VISIBLE, nullptr, rect, gone, 20), 0);
    EXPECT_EQ(combo.AddString(TEXT("dropped by the next Create")), 1) << "the list object stays, without a window";
    rect = {10, 100, 250, 400};
    EXPECT_EQ(combo.Create(nullptr, WS_VISIBLE, nullptr, rect, owner, 20), 1);
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(ComboTest, ShownTextKeepsAHundredCharactersAndFollowsTheBufferContract)
{
    ComboProbe combo;
    ASSERT_TRUE(Make(combo, owner, {10, 100, 250, 400}, "Abcdef,Second"));
    EXPECT_EQ(combo.SetCurSel(2), 0);
    EXPECT_EQ(Text(combo), "<none>");
    EXPECT_EQ(combo.SetCurSel(0), 1);
    // Each read returns the whole length; a cut text gets no terminator.
    for (auto [len, left] : {std::pair{3, "Abcxxxx"}, {6, "Abcdef"}}) {
        WCHAR buffer[8] = TEXT("xxxxxxx");
        EXPECT_EQ(combo.GetComboxText(buffer, len), 6);
        EXPECT_EQ(Utf8(buffer), left) << len;
    }
    EXPECT_EQ(combo.GetComboxText(nullptr, 6), 6) << "a null buffer only asks for the length";
    EXPECT_EQ(combo.DeleteString(0) + combo.ResetContent(), 2);
    combo.SetComboxText(nullptr, 1);
    EXPECT_EQ(Text(combo), "Abcdef") << "deleting items or a null text keeps the shown text";

    WString longText(150, TEXT('w'));  // an item keeps 100 units; so does the field taking it
    combo.AddString(longText.c_str());
    EXPECT_EQ(combo.SetCurSel(0), 1);
    EXPECT_EQ(combo.GetComboxTextLen(), 100);
}

TEST_F(ComboTest, CopiesCarryTheTextButNoWindowOrList)
{
    auto* original = new ComboProbe;
    ComboProbe assigned;
    ASSERT_TRUE(Make(*original, owner, {10, 100, 250, 400}, "a,b"));
    ASSERT_TRUE(Make(assigned, owner, {10, 200, 250, 400}, "c"));
    WCHAR text[] = TEXT("Kept");
    original->SetComboxText(text, 0);
    ComboProbe copy(*original);
    HWND replaced = assigned.GetSafeHwnd();
    assigned = copy;
    assigned = assigned;
    EXPECT_FALSE(IsWindow(replaced)) << "assignment releases the windows it replaces";
    EXPECT_EQ(original->GetCount(), 2);
    delete original;
    EXPECT_TRUE(copy.GetSafeHwnd() == nullptr && copy.GetCount() == -1);
    EXPECT_EQ(Text(copy) + " " + Text(assigned), "Kept Kept");
}

TEST_F(ComboTest, ListBoxProcedureServesASystemListBox)
{
    ComboProbe combo;
    ASSERT_TRUE(Make(combo, owner, {10, 100, 250, 400}, ""));
    HWND box = CreateRecorder("box", WS_POPUP | WS_VISIBLE, 0, 300, 100, 100);
    EXPECT_EQ(ComboProbe::ComboboxListProc(box, WM_KILLFOCUS, 0, 0), 0) << "no object in the user data";
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&combo));
    combo.hListBox = box;
    combo.oldListBoxProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(box, GWLP_WNDPROC));
    SetHandler(box, [](HWND, UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
        if (message == LB_GETTEXT) std::copy_n(TEXT("Hello"), 6, reinterpret_cast<WCHAR*>(lParam));
        result = message == LB_GETCURSEL ? 1 : 5;
        return message == LB_GETCURSEL || message == LB_GETTEXT || message == LB_GETTEXTLEN;
    });
    Canvas canvas(10, 10);
    ComboProbe::ComboboxListProc(box, WM_CTLCOLORLISTBOX, WPARAM(canvas.dc()), 0);
    EXPECT_EQ(GetBkColor(canvas.dc()), 0x00CCCCCCu) << "the list's grey";
    // A tap takes the selected text into the field and hides the box; so does losing the focus.
    for (UINT message : {WM_LBUTTONUP, WM_KILLFOCUS}) {
        ShowWindow(box, SW_SHOWNA);
        ComboProbe::ComboboxListProc(box, message, 0, 0);
        EXPECT_FALSE(IsWindowVisible(box)) << message;
    }
    WCHAR fieldText[16] = {};
    GetWindowTextW(combo.GetSafeHwnd(), fieldText, 16);
    EXPECT_EQ(WString(fieldText), TEXT("Hello"));
    SetWindowLongPtrW(box, GWLP_USERDATA, 0);
}

}  // namespace
