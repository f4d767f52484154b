// The two menus: the pop-up at a tapped point of the map and the sliding panel of the bottom bar.
#include "map_screen.h"

#include "layout.h"

namespace demo {

namespace {

struct MenuEntry {
    const WCHAR* text;
    UINT flags;
};

constexpr UINT kShown = MWF_ENABLED | MWF_TEXT;

const MenuEntry kPopupEntries[] = {
    {TEXT("Navigate here 导航到这里"), kShown},
    {TEXT("Save place 收藏地点"), kShown},
    {TEXT("Search nearby 周边搜索"), kShown},
    {TEXT("Share location 分享位置"), kShown},
    {TEXT("Avoid this area 避开区域"), MWF_GRAYED | MWF_TEXT},
};

const MenuEntry kPanelEntries[] = {
    {TEXT("Go home 回家"), kShown},
    {TEXT("Favourites 收藏夹"), kShown},
    {TEXT("Nearby 周边"), kShown},
    {TEXT("Settings 设置"), kShown},
    {TEXT("About 关于"), kShown},
};

constexpr tagMW_FontStysle kPopupStyle = {RGB(22, 50, 92), 130};
constexpr tagMW_FontStysle kPanelStyle = {RGB(240, 245, 250), 140};

}  // namespace

void MapScreen::OpenPopup(int x, int y)
{
    controls_->popup.Destroy();
    if (!controls_->popup.Create(1)) return;
    controls_->popup.SetParam(MOVE_DOWN, 0, nullptr, popupIcons_, 1);
    UINT id = kPopupFirstId;
    for (const MenuEntry& entry : kPopupEntries) controls_->popup.AppendItem(entry.flags, id++, entry.text, kPopupStyle, nullptr);
    controls_->popup.TrackMenu(hwnd_, x, y);
}

void MapScreen::OpenPanel()
{
    if (controls_->panel.GetSafeHwnd()) return;
    controls_->panel.Destroy();
    if (!controls_->panel.Create(0)) return;
    controls_->panel.SetParam(MOVE_UP, 1, panelSkin_, panelIcons_, 1);
    // Items start below the skin's title strip.
    controls_->panel.SetBorder(layout::kPanelTitleHeight - 4, 0, 6, 0);
    UINT id = kPanelFirstId;
    for (const MenuEntry& entry : kPanelEntries) controls_->panel.AppendItem(entry.flags, id++, entry.text, kPanelStyle, nullptr);
    controls_->panel.TrackMenu(hwnd_, layout::kPanel.left, layout::kPanel.bottom);
    const layout::Box& close = layout::kPanelClose;
    controls_->panel.SetCloseBt(RECT{close.left, close.top, close.right, close.bottom}, 1);
}

void MapScreen::OnMenuPick(WPARAM wParam, LPARAM)
{
    const UINT id = LOWORD(wParam);
    const size_t popupCount = std::size(kPopupEntries), panelCount = std::size(kPanelEntries);
    if (id >= kPopupFirstId && id < kPopupFirstId + popupCount)
        Show(CommandNotice(wParam, TEXT("pop-up menu: ") + Text(kPopupEntries[id - kPopupFirstId].text)));
    else if (id >= kPanelFirstId && id < kPanelFirstId + panelCount)
        Show(CommandNotice(wParam, TEXT("sliding menu: ") + Text(kPanelEntries[id - kPanelFirstId].text)));
}

}  // namespace demo
