// The sent-mail window (class MoxSndList): one line per delivered copy of the signed-in user's
// mail and phone memos, newest on top, with what the recipient did with it ("未読", "受信",
// "削除"); 削除 also offers to take back a copy not opened yet, and ログ exports. A double-click
// shows the copy. And the sent-mail dialog (931 without answers) that shows one mail.
#pragma once
#include <windows.h>

#include <string>

LRESULT CALLBACK SentListWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the copy of the list's current line, after the password for a confidential one.
// Nothing is written: the status of a sent copy moves only by what its recipient does. 0 when
// the own sent list cannot be read, else 1.
int OpenSentItem(HWND window, int listControl);

// The sent-mail dialog for the copy at index of the own sent list (found by identity when
// given), modal. A copy that cannot be read shows an empty dialog.
void ShowSentMail(HWND owner, long index, const std::string* identity = nullptr);
