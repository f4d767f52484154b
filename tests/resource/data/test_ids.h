// Ids of the resources the resource tests compile into their executable.
#define IDB_SMALL 104
#define IDR_BLOB 120
#define IDR_EMPTY 121
#define IDD_PLAIN 117
#define IDD_CAPTIONED (IDD_PLAIN + 1)
#define IDD_EXTENDED 300
#define IDC_FIRST 1001
