// Templates and controls of chat: the handle name dialog and the chat window's children
// (conversation 1138, input 1176, members 1178, 終了).
#pragma once

#define IDD_CHAT_ENTRY 510
#define IDC_CHAT_INPUT 1176
#define IDC_CHAT_MEMBERS 1178
#define IDC_CHAT_HANDLE 1188
