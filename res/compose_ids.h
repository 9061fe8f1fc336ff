// Templates and controls of writing mail: the mail dialog, the attachment title dialog and the
// two broadcast list dialogs.
#pragma once

#define IDD_MAIL 930
#define IDD_ATTACHMENT_TITLE 940
#define IDD_BROADCAST_LISTS 975
#define IDD_BROADCAST_EDITOR 976

// The mail dialog (930). The broadcast list editor (976) has the recipient lists and the name
// edit (IDC_SUBJECT) too, and the broadcast list dialog (975) the list view and 削除.
#define IDC_RECIPIENTS 1119        // user names of the registry; the selected lines are recipients
#define IDC_RECIPIENT_NUMBERS 1130 // hidden: the "%03d" of each line of IDC_RECIPIENTS
#define IDC_RECIPIENTS_LABEL 1150  // "様あて"
#define IDC_SUBJECT 1139
#define IDC_ATTACH_PATHS 1141      // the full path of each attached file
#define IDC_ATTACH_TITLES 1144     // hidden at first: the title of each attached file
#define IDC_UNUSED_LIST 1149       // hidden, kept for the template's numbering
#define IDC_BODY IDC_TEXT          // 1138: the body that is sent, no wrapping
#define IDC_BODY_WRAPPED 1140      // hidden at first: the body in a word-wrapping view
#define IDC_CONFIDENTIAL 1172      // 親展
#define IDC_DISCARD 1122           // 取消
#define IDC_ATTACH_ADD 1142
#define IDC_ATTACH_REMOVE 1143
#define IDC_ATTACH_SWITCH 1147
#define IDC_INSERT_FILE 1255       // 読込み
#define IDC_SELECT_ALL 1189        // 全選択
#define IDC_BROADCAST 1190         // 同報
#define IDC_QUOTE 1177             // 引用符
#define IDC_WRAP 108               // 折返し
#define IDC_CUT 1175
#define IDC_COPY 1174
#define IDC_PASTE 1173

// The attachment title dialog (940).
#define IDC_TITLE_PATH 1145
#define IDC_TITLE_TEXT 1146

// The broadcast list dialog (975).
#define IDC_GROUP_LIST 1148
#define IDC_GROUP_ADD 1155
#define IDC_GROUP_UPDATE 1249
#define IDC_GROUP_DELETE 1136
