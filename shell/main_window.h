// The main window (class `Mox`): the application itself. Its creation runs the whole start-up
// sequence (settings, first-run setup, login, fortune, password, network drive test, notice,
// sub-window classes, system menu, launcher regions, sign-in marker, timer, launcher picture);
// any refusal makes the creation fail, which ends the program. While it runs it shows the
// launcher picture, dispatches the menus, the launcher regions and right clicks on its caption,
// and polls the store every second for new mail, messages and unread posts. Closing asks first;
// destruction signs the user out.
#pragma once
#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the main window ("ミトカ", overlapped, default place and size) and shows it with the
// process's show command. Null when the start-up sequence refused.
HWND CreateMainWindow(HINSTANCE instance, int showCommand);
