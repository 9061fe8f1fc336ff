// The ログ button of the received and sent list windows: asks for a log file and appends the
// selected items to it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "store/context.h"
#include "store/lists/list_file.h"

// Exports the lines selected in the window's list view (IDC_MAIL_LIST), which shows these lines
// of the acting user's list of the kind (kListReceived or kListSent). Asks for the file
// ("maillog.txt" proposed), asks before appending to an existing one, disables the ログ button
// (IDC_MAIL_LOG) and tells what went wrong through the message sink. Returns 0 when the user
// cancelled, 1 otherwise (nothing selected too).
int ExportMailLog(HWND window, const StoreContext& store, int listKind,
                  const std::vector<ListLine>& shown);
