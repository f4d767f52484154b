// Resource ids of the examples, shared by their code and examples.rc.
#pragma once

#define IDB_PLACES 210
#define IDB_POPUP_ICONS 211
#define IDB_MODE_FRAME 215
#define IDB_MODE_CAR 216
#define IDB_MODE_BIKE 217
#define IDB_MODE_WALK 218
