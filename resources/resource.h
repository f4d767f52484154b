// Resource ids of the RKNavCtrlEx library, shared by its code and RKNavCtrlEx.rc.
#pragma once

#define IDB_MENU_HILITE 104
#define IDB_CHECK_OFF 105
#define IDB_CHECK_ON 106
#define IDB_MENU_PANEL 107
#define IDD_MENU_POPUP 117
#define IDR_VBOX_FRAME_DOWN 120
#define IDR_VBOX_FRAME 121
#define IDR_COMBO_DOWN 122
#define IDR_COMBO_DISABLED 123
#define IDR_COMBO_NORMAL 124
#define IDD_MENU_SLIDE 125
#define IDR_MENU_FRAME 126
#define IDR_LIST_FRAME 127
#define IDB_LIST_ARROW 128
#define IDR_PAGE_BAR 129
