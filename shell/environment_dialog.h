// The environment settings dialog (template 220): five pages behind tabs (全般, ﾀｲﾏｰ, 音声, ﾓﾃﾞﾑ,
// 行先). OK writes every setting of every page to the settings files and into use, then the
// board member list; ｷｬﾝｾﾙ writes nothing.
#pragma once
#include <windows.h>

// Modal, centred on the screen; 1 after OK, 0 after ｷｬﾝｾﾙ.
int OpenEnvironmentDialog(HWND owner);

// The pages, in the order of their tabs.
enum EnvironmentPage { kPageGeneral, kPageTimer, kPageSound, kPageModem, kPageMembers, kPageCount };
// Shows or hides every control of one page, its captions and group frames included.
void ShowPage(HWND dialog, int page);
void HidePage(HWND dialog, int page);

// Appends every selected line of list `from`, in order, to the end of list `to`, then removes
// them from `from`.
void MoveSelectedUsers(HWND dialog, int from, int to);
