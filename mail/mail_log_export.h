// The ログ button of the received and sent list windows: asks for a log file and appends the
// selected items to it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "mail/list_file.h"

// Exports the lines selected in the window's list view (IDC_MAIL_LIST), which shows these lines
// of the folder's list of the kind (kListReceived or kListSent). Asks for the file ("maillog.txt"
// proposed), asks before appending to an existing one, disables the ログ button (IDC_MAIL_LOG) and
// shows what went wrong. Returns 0 when the user cancelled, 1 otherwise (nothing selected too).
int ExportMailLog(HWND window, int listKind, const std::string& folder,
                  const std::vector<ListLine>& shown);
