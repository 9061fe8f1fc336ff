// The broadcast list dialog (template 975), where the user picks, adds, changes and deletes
// broadcast lists, and the broadcast list editor (976) that names a list and picks its members.
#pragma once
#include <windows.h>

// 1 after 選択, with the chosen list's number in *number (0 when its record could no longer be
// read); 0 after 終了.
int ChooseBroadcastList(HWND owner, int* number);
