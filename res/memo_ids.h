// Controls of the memo window.
#pragma once

#define IDC_MEMO_LIST 1148
#define IDC_MEMO_SUBJECT 1176
#define IDC_MEMO_STORE 1155
#define IDC_MEMO_UPDATE 1249
#define IDC_MEMO_DELETE 1136
#define IDC_MEMO_PRINT 1197
