// Ids of the resources the resource tests compile into their executable.
#define IDB_SMALL 104
#define IDR_BLOB 120
