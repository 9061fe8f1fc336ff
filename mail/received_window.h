// The received-mail window (class MoxRcvList): the signed-in user's received mail and phone
// memos, newest on top, unopened ones marked "未読", with 削除 and ログ; a double-click opens an
// item. And the received-mail dialog (931) that shows one mail.
#pragma once
#include <windows.h>

#include <string>

LRESULT CALLBACK ReceivedListWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Opens the item of the list's current line: marks it opened on both sides, asks for the
// password of a confidential item, then shows it. 0 when the own received list cannot be
// opened, else 1.
int OpenReceivedItem(HWND window, int listControl);

// The received-mail dialog for the item at index of the own received list (found by identity
// when given), modal. An item that cannot be read shows an empty dialog.
void ShowReceivedMail(HWND owner, long index, const std::string* identity = nullptr);
