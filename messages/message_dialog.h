// The message send dialog (template 950): colleagues picked from the registry or through a
// broadcast list, a text of at most 300 bytes, sent to those whose program is running.
#pragma once
#include <windows.h>

// Runs the dialog, modal, the remembered addressee preselected. 1 when it closed after 送信.
int RunMessageDialog(HWND owner);
