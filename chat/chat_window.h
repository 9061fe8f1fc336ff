// The handle name dialog (template 510) and the chat window (class MoxChat): the conversation,
// the input field whose Enter key says the line, the members and 終了. At most one chat window
// exists; what it has seen of the room, the handle and the poll counter live as long as the
// process.
#pragma once
#include <windows.h>

#include <string>

// Asks for the handle name (the user's name when left empty); 1 on OK, 0 on ｷｬﾝｾﾙ.
int RunChatEntryDialog(HWND owner);
// The handle the next chat window enters under.
std::string& ChatHandle();

LRESULT CALLBACK ChatWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
