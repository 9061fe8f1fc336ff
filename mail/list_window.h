// What the received and sent mail windows share: their children and layout, the owner-drawn
// lines with the mail and phone-memo pictures, loading the list, the deletion flow behind 削除
// and the export behind ログ. Each window keeps its own window procedure and calls these with
// its list kind; the window's state lives in GWLP_USERDATA from MailListCreate to
// MailListNcDestroy.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "store/lists/list_file.h"
#include "store/lists/list_kinds.h"

extern const char kMsgAskDelete[];  // "削除しますか？"

struct MailListWindow {
    int listKind = 0;             // kListReceived or kListSent
    const char* section = "";     // where the window's rectangle is kept
    std::vector<ListLine> lines;  // the lines shown, with the record each stands for
    // Off while a deletion or an export runs: the activations that their boxes cause must not
    // reload the list under them.
    bool reload = true;
    int tabStops[3] = {};         // pixels from the text's start
};

MailListWindow* MailListOf(HWND window);

// WM_CREATE: the list (1148), 終了, 削除 (1136) and ログ (1198), tab stops from the list's font,
// the remembered rectangle, and the list loaded.
void MailListCreate(HWND window, int listKind, const char* section);
// WM_SIZE: buttons of 2h x h along the top, the list below them.
void MailListLayout(HWND window, int width, int height);
// Loads the list anew (newest on top); 削除 and ログ wait for a selection.
void MailListLoad(HWND window);
// LBN_SELCHANGE: 削除 and ログ follow the selection.
void MailListSelectionChanged(HWND window);
// WM_MEASUREITEM and WM_DRAWITEM of the owner-drawn list.
void MailListMeasure(HWND window, MEASUREITEMSTRUCT* item);
void MailListDraw(HWND window, const DRAWITEMSTRUCT* item);
// The selected line, or -1 (the caret line of a multiple selection when it is selected).
int MailListCurrentLine(HWND window);

// What a window does with each deleted entry's outcome after its messages are shown (the sent
// list offers to take back the recipient's copy); may be null.
using AfterDeletion = void (*)(HWND window, const DeleteOutcome& outcome);
// 削除: asks kMsgAskDelete, deletes the selected entries with their follow-up work, reloads.
void MailListDelete(HWND window, AfterDeletion after);
// ログ: appends the selected entries to a log file the user picks.
void MailListExport(HWND window);

void MailListClose(HWND window);      // 終了 and closing: the rectangle saved, the window gone
void MailListNcDestroy(HWND window);  // the state freed
