// The main window (class `Mox`). Its creation runs the start-up sequence: settings, first-run
// setup, login, the daily fortune, the password check and the network drive test; any refusal
// makes the creation fail, which ends the program. Once signed in it marks the user as signed
// in until it is destroyed. The launcher, the menus and the polls come with the launcher.
#pragma once
#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the main window ("ミトカ", overlapped, default place and size) and shows it with the
// process's show command. Null when the start-up sequence refused.
HWND CreateMainWindow(HINSTANCE instance, int showCommand);
