#include "shell/about_dialog.h"

#include <windowsx.h>

#include <string>

#include "res/resource.h"
#include "shell/plumbing.h"

namespace {

BOOL OnInitDialog(HWND dialog, HWND, LPARAM) {
    CentreWindow(dialog);
    MEMORYSTATUS status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    SetDlgItemTextA(dialog, IDC_ABOUT_MEMORY, std::to_string(status.dwTotalPhys / 1024).c_str());
    return TRUE;
}

void OnCommand(HWND dialog, int id, HWND, UINT) {
    if (id == IDOK || id == IDCANCEL) EndDialog(dialog, id);
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, OnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, OnCommand);
    }
    return FALSE;
}

}  // namespace

void RunAboutBox(HWND owner) {
    RunDialog(IDD_ABOUT, owner, AboutProc, 0);
}
