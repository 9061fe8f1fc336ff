// Templates of messages: the send dialog. Its controls are the mail dialog's numbers
// (recipient lists 1119 and 1130, message 1138, 取消, 全選択, 同報 and the clipboard buttons).
#pragma once

#define IDD_MESSAGE 950
