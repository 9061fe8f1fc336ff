// Templates and controls of the phone memos: the entry dialog, the phone-memo dialog and a
// colleague's phone-memo list. The recipient lists, the free text (IDC_TEXT), 取消 and the
// clipboard buttons have the mail dialog's numbers.
#pragma once

#define IDD_PHONE_ENTRY 900
#define IDD_PHONE_MEMO 901
#define IDD_PHONE_LIST 981

#define IDC_CALL_TIME 1120        // when the call came: fixed when the entry dialog opened
#define IDC_CALLER 1121           // the caller's name, followed by "様より"
// The request radio group: the button of request n is IDC_REQUEST_NONE + n.
#define IDC_REQUEST_NONE 1125
#define IDC_REQUEST_CALL_BACK 1126  // 電話をいただきたい
#define IDC_REQUEST_WILL_CALL 1127  // また電話します
#define IDC_REQUEST_MESSAGE 1128    // 伝言があります
#define IDC_CALLER_PHONE 1133     // the caller's telephone number, after "℡"
#define IDC_TAKEN_BY 1135         // who took the call, after "（受）"
#define IDC_DIAL 1014             // 電話
#define IDC_PHONE_LIST 1148       // a colleague's phone memos
