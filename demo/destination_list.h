// The destinations list: the library's list view with the paging its owner does on the page bar.
#pragma once

#include <NavListViewEx.h>

namespace demo {

class DestinationList : public NavListViewEx {
public:
    // Moves the rows a page up (-1) or down (+1), stopping at either end.
    void Page(int direction);
    bool SelectMode() const { return checkBoxMode != 0; }
    int CheckedCount();
    int TopIndex() const { return topIndex; }
};

}  // namespace demo
