// The memo window (class MoxMemo): the signed-in user's private memos listed newest first, one
// shown in the subject and body boxes, with 登録, 更新, 削除 and 印刷.
#pragma once
#include <windows.h>

LRESULT CALLBACK MemoWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
