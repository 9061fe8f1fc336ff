// The connection list (template 979): who in the office is running the program now, and since
// when, read once when it opens.
#pragma once
#include <windows.h>

// Runs it modally, centred; both buttons close it. Returns the button pressed.
int RunConnectionListDialog(HWND owner);
