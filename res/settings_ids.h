// Templates and controls of the settings dialogs: environment settings (220) and the three menu
// settings dialogs (974, 977, 978).
#pragma once

#define IDD_ENVIRONMENT 220
#define IDD_MENU_SETTINGS 974
#define IDD_REGION_COORDINATES 977
#define IDD_REGION_BINDING 978

// Environment settings (220): the tabs and the hidden frame that gives the page area.
#define IDC_TAB_GENERAL 1097
#define IDC_TAB_TIMER 1071
#define IDC_TAB_SOUND 1118
#define IDC_TAB_MODEM 1252
#define IDC_TAB_MEMBERS 1228
#define IDC_PAGE_FRAME 1095

// Page 全般.
#define IDC_ENV_TITLE 1148
#define IDC_ENV_AUTO_LOGIN 1004
#define IDC_ENV_USER_NAME 1006
#define IDC_ENV_CHANGE_USER 1007
#define IDC_ENV_WINDOW_POS 1113
#define IDC_ENV_MAIL_POPUP 1137
#define IDC_ENV_MAIL_SEND 1001
#define IDC_ENV_BBS_CHECK 1250
#define IDC_ENV_CONFIDENTIAL 1117
#define IDC_ENV_LOGIN_CHECK 1002
#define IDC_ENV_EXEC_CHECK 1003
#define IDC_ENV_FORTUNE 1231
#define IDC_ENV_MINIMIZE 1251
#define IDC_ENV_RCLK_GROUP 1074
#define IDC_ENV_RCLK_FIRST 1179  // eight radio buttons 1179..1186, Rclk 0..7
#define IDC_ENV_NET_DIR_LABEL 1075
#define IDC_ENV_NET_DIR IDC_NET_DIR  // 1111, read-only
#define IDC_ENV_TITLE_LABEL 1300

// Page ﾀｲﾏｰ: the note, then per interval its caption, its edit and "秒".
#define IDC_ENV_TIMER_NOTE 1098
#define IDC_ENV_MAIL_SEC 1073
#define IDC_ENV_MSG_SEC 1076
#define IDC_ENV_CHAT_SEC 1079
#define IDC_ENV_BBS_SEC 1082
#define IDC_ENV_MAIL_SEC_LABEL 1301
#define IDC_ENV_MSG_SEC_LABEL 1302
#define IDC_ENV_CHAT_SEC_LABEL 1303
#define IDC_ENV_BBS_SEC_LABEL 1304
#define IDC_ENV_MAIL_SEC_UNIT 1305
#define IDC_ENV_MSG_SEC_UNIT 1306
#define IDC_ENV_CHAT_SEC_UNIT 1307
#define IDC_ENV_BBS_SEC_UNIT 1308

// Page 音声.
#define IDC_ENV_MAIL_WAVE 1109
#define IDC_ENV_MAIL_WAVE_FILE 1247
#define IDC_ENV_MAIL_WAVE_PLAY 5
#define IDC_ENV_MAIL_WAVE_BROWSE 4
#define IDC_ENV_DEST_WAVE 1110
#define IDC_ENV_DEST_WAVE_FILE 1248
#define IDC_ENV_DEST_WAVE_PLAY 1090
#define IDC_ENV_DEST_WAVE_BROWSE 1088

// Page ﾓﾃﾞﾑ: four groups of radio buttons (each button is its group's base + the stored value).
#define IDC_ENV_MODEM_YES 1213  // Use 1
#define IDC_ENV_MODEM_NO 1214   // Use 2
#define IDC_ENV_PORT_FIRST 1015  // COM1..COM4
#define IDC_ENV_TONE 1019        // Type 1
#define IDC_ENV_PULSE 1020       // Type 2
#define IDC_ENV_BPS_FIRST 1208   // 1200..19200, Bps 4..8
#define IDC_ENV_MODEM_GROUP 1309
#define IDC_ENV_PORT_GROUP 1310
#define IDC_ENV_LINE_GROUP 1311
#define IDC_ENV_BPS_GROUP 1312

// Page 行先.
#define IDC_ENV_ALL_USERS IDC_LIST  // 1055
#define IDC_ENV_MEMBERS 1056
#define IDC_ENV_ADD_MEMBERS 1057
#define IDC_ENV_REMOVE_MEMBERS 1058
#define IDC_ENV_MEMBER_UP 1115
#define IDC_ENV_MEMBER_DOWN 1116
#define IDC_ENV_ALL_USERS_LABEL 1313
#define IDC_ENV_MEMBERS_LABEL 1314

// Menu settings (974): two tabs, the function and the program list, 削除.
#define IDC_MENU_TAB_FUNCTIONS 3
#define IDC_MENU_TAB_PROGRAMS 4
#define IDC_MENU_FUNCTIONS 1217
#define IDC_MENU_PROGRAMS 1218
#define IDC_MENU_DELETE 1136
#define IDC_MENU_PAGE_FRAME 1095

// Region coordinates (977).
#define IDC_COORD_NAME 3
#define IDC_COORD_LEFT 1219
#define IDC_COORD_TOP 1220
#define IDC_COORD_RIGHT 1221
#define IDC_COORD_BOTTOM 1222

// Region binding (978): a radio button per function, in function order, then プログラム.
#define IDC_BIND_DESTINATION 1223
#define IDC_BIND_RECEIVED 106
#define IDC_BIND_SENT 1224
#define IDC_BIND_BOARDS 1225
#define IDC_BIND_CHAT 1226
#define IDC_BIND_MAIL 1137
#define IDC_BIND_PHONE 1227
#define IDC_BIND_MESSAGE 1138
#define IDC_BIND_INOUT_BOARD 1228
#define IDC_BIND_MEMO 1229
#define IDC_BIND_CONNECTIONS 1005
#define IDC_BIND_CALENDAR 1234
#define IDC_BIND_PROGRAM 4
#define IDC_BIND_BROWSE 3
#define IDC_BIND_TITLE 1148
#define IDC_BIND_FILE 1146
#define IDC_BIND_TITLE_LABEL 1315
#define IDC_BIND_FILE_LABEL 1316
