// The message window (class MoxMsg): the messages received since it opened, in arrival order,
// read-only on light grey, with 終了. It takes the own message.mox when it is created and each
// time it gets the focus.
#pragma once
#include <windows.h>

LRESULT CALLBACK MessageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
