// Controls of the mail windows.
#pragma once

#define IDC_MAIL_LIST 1148  // the list view of the received and sent lists
#define IDC_MAIL_LOG 1198   // their ログ button
#define IDC_MAIL_DELETE 1136  // their 削除 button

// The 18 x 18 one-bit pictures at the start of a list line.
#define IDB_MAIL_LINE 119
#define IDB_PHONE_LINE 120

// The received-mail dialog (931). The subject, the attachment lists, 切換, the two body views,
// コピー and 折返し have the mail dialog's numbers.
#define IDD_MAIL_READ 931
#define IDC_MAIL_TIME 1233        // when it was sent
#define IDC_MAIL_FROM 1135        // "%s様から"
#define IDC_ATTACH_STORED 1149    // hidden: the stored copy of each attachment
#define IDC_ATTACH_SAVE 1142      // 複写
#define IDC_ATTACH_RUN 107        // 実行
#define IDC_MAIL_PRINT 1175       // 印刷
#define IDC_MAIL_REPLY 1189       // 返信
#define IDC_MAIL_REPLY_QUOTED 1191  // 引付返
#define IDC_MAIL_FORWARD 1190     // 転送
