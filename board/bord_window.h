// The in/out board window (MoxBord): the whereabouts of the own board members, one entry a
// person, and the way to write to or phone a colleague.
#pragma once
#include <windows.h>

// The message dialog (950) behind ﾒｯｾｰｼﾞ: the main window's slot for it, handed over when the
// plugins are made (this library sits below the main window). Nothing happens while it is empty.
using BordDialogRunner = int (*)(HWND owner);
BordDialogRunner& BordMessageDialog();

LRESULT CALLBACK BordWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
