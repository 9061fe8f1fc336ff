#include "users/connection_dialog.h"

#include <windowsx.h>

#include "app/settings/local_user.h"
#include "res/resource.h"
#include "shell/plumbing.h"
#include "users/registry.h"

namespace {

// Name, sign-in time, number: the columns line up under a proportional font too.
const INT kTabStops[] = {84, 200};

BOOL OnInitDialog(HWND dialog, HWND, LPARAM) {
    CentreWindow(dialog);
    ListReset(dialog, IDC_LIST);
    SendDlgItemMessageA(dialog, IDC_LIST, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(kTabStops));
    // Filled once: a list that changed under the user's eyes would only confuse.
    ConnectionList list = LoadConnectionList(ClientStore());
    ShowMessages(list);
    for (const std::string& line : list.lines) ListAddString(dialog, IDC_LIST, line);
    return TRUE;
}

void OnCommand(HWND dialog, int id, HWND, UINT) {
    if (id == IDOK || id == IDCANCEL) EndDialog(dialog, id);
}

INT_PTR CALLBACK ConnectionListProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, OnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, OnCommand);
    }
    return FALSE;
}

}  // namespace

int RunConnectionListDialog(HWND owner) {
    return RunDialog(IDD_CONNECTIONS, owner, ConnectionListProc, 0);
}
