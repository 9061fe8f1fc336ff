// Templates and controls of the bulletin boards: the board window, the post dialog and the board
// management dialog.
#pragma once

#define IDD_BBS_POST 970
#define IDD_BBS_READERS 107

// The board window (MoxBbs).
#define IDC_BBS_TITLES 1191       // board titles; in the post dialog the board's title line
#define IDC_BBS_IDS 1192          // hidden: the board id of each line of IDC_BBS_TITLES
#define IDC_BBS_POSTS 1148        // post list lines; in the post dialog the subject
#define IDC_BBS_PATHS 1141        // attachment source paths
#define IDC_BBS_TITLE_LIST 1144   // attachment titles, in the place of IDC_BBS_PATHS
#define IDC_BBS_STORED 1149       // hidden: the stored copy of each attachment
#define IDC_BBS_NEW 1155          // 登録
#define IDC_BBS_UPDATE 1249       // 更新
#define IDC_BBS_DELETE 1136       // 削除
#define IDC_BBS_READERS 1193      // 管理
#define IDC_BBS_UNREAD 109        // 未読
#define IDC_BBS_MAIL 1256         // メール
#define IDC_BBS_SAVE 1142         // 複写; 追加 in the post dialog
#define IDC_BBS_RUN 107           // 実行
#define IDC_BBS_SWITCH 1147       // 切換
#define IDC_BBS_PRINT 1197        // 印刷
#define IDC_BBS_COPY 1174         // コピー

// The post dialog (970) also has 1138 (body), 1143 削除 of an attachment, 1122 取消 and
// 1175/1174/1173 切取り/コピー/貼付 (res/compose_ids.h).
#define IDC_BBS_ATTACH_REMOVE 1143

// The board management dialog (107).
#define IDC_BBS_READER_LIST 1054
