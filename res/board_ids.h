// The in/out board: its window, the entry dialog and the destination list dialog.
#pragma once

#define IDD_BORD_ENTRY 310
#define IDD_DESTINATIONS 320

// The destination list dialog.
#define IDC_DEST_LIST 1059
#define IDC_DEST_NEW 1060
#define IDC_DEST_ADD 1061
#define IDC_DEST_DELETE 1062
#define IDC_DEST_UP 1063
#define IDC_DEST_DOWN 1064

// The entry dialog.
#define IDC_ENTRY_DEST 1021
#define IDC_HOUR_FIRST 1024  // ８時; 1024 + h - 8 up to 19時 (1035)
#define IDC_HOUR_LAST 1035
#define IDC_HOUR_OTHER 1036
#define IDC_HOUR_OTHER_EDIT 1037
#define IDC_MINUTE_FIRST 1038  // ０分; 1038 + m / 5 up to 55分 (1049)
#define IDC_MINUTE_LAST 1049
#define IDC_MINUTE_OTHER_EDIT 1050
#define IDC_MINUTE_OTHER 1051
#define IDC_RETURN_HOUR 1052
#define IDC_RETURN_MINUTE 1053
#define IDC_ENTRY_NAME 1054
#define IDC_ARRIVE_HOUR 1065
#define IDC_ARRIVE_MINUTE 1066
#define IDC_LEAVE_HOUR 1086
#define IDC_LEAVE_MINUTE 1087
#define IDC_ENTRY_CANCEL 1122
#define IDC_KIND_RETURN 1157
#define IDC_KIND_ARRIVE 1158
#define IDC_KIND_LEAVE 1159
#define IDC_ENTRY_NOTE 1187

// The in/out board window.
#define IDC_BORD_PHONE_LIST 106
#define IDC_BORD_MESSAGE 1138
#define IDC_BORD_SWITCH 1147
#define IDC_BORD_NUMBERS 1151
#define IDC_BORD_PHONE 1227
#define IDC_BORD_RELOAD 1249
#define IDC_BORD_MAIL 1256
#define IDC_BORD_LIST 1054
