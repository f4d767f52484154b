#include "destination_list.h"

#include <algorithm>

namespace demo {

void DestinationList::Page(int direction)
{
    const int count = GetItemCount();
    const int rows = std::max(1, int((listRect.bottom - listRect.top) / itemHeight));
    KillMovementTimers();
    topIndex = std::clamp(topIndex + direction * rows, 0, std::max(0, count - rows));
    firstRowBottom = itemHeight;
    scrollBarVisible = 0;
    pageBarRedraw = 1;
    Refresh();
}

int DestinationList::CheckedCount()
{
    int checked = 0;
    for (int i = 0; i < GetItemCount(); i++) checked += GetCheckStatus(i);
    return checked;
}

}  // namespace demo
