// Resource ids of the demo application, shared by its code and assets/demo.rc.
#pragma once

#define IDR_MAP 201
#define IDR_CHROME 202
#define IDB_PLACES 210
#define IDB_POPUP_ICONS 211
#define IDB_PANEL_ICONS 212
#define IDB_PANEL 213
#define IDB_MENU_BUTTON 214
#define IDB_MODE_FRAME 215
#define IDB_MODE_CAR 216
#define IDB_MODE_BIKE 217
#define IDB_MODE_WALK 218
#define IDB_MODE_BUS 219
#define IDR_TOUR 230
