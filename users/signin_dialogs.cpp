// Login (template 971), password check (400), password change (410) and user picker (973).
#include "users/signin_dialogs.h"

#include <windowsx.h>

#include <ctime>
#include <vector>

#include "app/settings/profile.h"
#include "app/settings/settings.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "users/local_user.h"
#include "users/password.h"
#include "users/registry.h"
#include "users/signin_texts.h"

namespace {

constexpr int kPickerTabStop = 100;  // dialog units: the number column of the user picker

std::string PasswordEntry(HWND dialog, int control) {
    return DialogText(dialog, control, kPasswordMax);
}

int TodayDayOfYear() {
    std::time_t now = std::time(nullptr);
    std::tm* local = std::localtime(&now);
    return local ? local->tm_yday : 0;
}

// ---- Login (971) ----

void LoginOnOk(HWND dialog) {
    std::string login = DialogText(dialog, IDC_LOGIN_NAME, kLoginNameMax);
    std::string password = PasswordEntry(dialog, IDC_PASSWORD);
    bool found;
    {
        WaitCursor wait;
        found = FindLoginName(login);
        // The matched user's own settings hold where the password is kept.
        if (found) ReadUserSettings();
    }
    if (!found) {
        ShowWarning(dialog, kMsgWrongLoginName);
        return;
    }
    if (password != CurrentUser().password) {
        ShowWarning(dialog, kMsgWrongPassword);
        return;
    }
    EndDialog(dialog, 1);
}

BOOL LoginOnInitDialog(HWND dialog, HWND, LPARAM) {
    CentreWindow(dialog);
    return TRUE;
}

void LoginOnCommand(HWND dialog, int id, HWND, UINT) {
    if (id == IDOK) LoginOnOk(dialog);
    if (id == IDCANCEL) EndDialog(dialog, 0);
}

INT_PTR CALLBACK LoginProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, LoginOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, LoginOnCommand);
    }
    return FALSE;
}

// ---- Password check (400) ----

BOOL PasswordCheckOnInitDialog(HWND dialog, HWND, LPARAM) {
    CentreWindow(dialog);
    EditLimit(dialog, IDC_PASSWORD, static_cast<int>(kPasswordMax));
    return TRUE;
}

void PasswordCheckOnCommand(HWND dialog, int id, HWND, UINT) {
    if (id == IDCANCEL) EndDialog(dialog, 0);
    if (id != IDOK) return;
    if (PasswordEntry(dialog, IDC_PASSWORD) != CurrentUser().password) {
        ShowWarning(dialog, kMsgWrongPassword);
        return;
    }
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK PasswordCheckProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, PasswordCheckOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, PasswordCheckOnCommand);
    }
    return FALSE;
}

// ---- Password change (410) ----

BOOL PasswordChangeOnInitDialog(HWND dialog, HWND, LPARAM) {
    CentreWindow(dialog);
    for (int control : {IDC_OLD_PASSWORD, IDC_NEW_PASSWORD, IDC_NEW_PASSWORD_AGAIN})
        EditLimit(dialog, control, static_cast<int>(kPasswordMax));
    return TRUE;
}

void PasswordChangeOnOk(HWND dialog) {
    std::string newPassword = PasswordEntry(dialog, IDC_NEW_PASSWORD);
    switch (CheckPasswordChange(CurrentUser().password, PasswordEntry(dialog, IDC_OLD_PASSWORD),
                                newPassword, PasswordEntry(dialog, IDC_NEW_PASSWORD_AGAIN))) {
        case PasswordChangeCheck::kWrongOld: ShowWarning(dialog, kMsgWrongOldPassword); return;
        case PasswordChangeCheck::kRetypeMismatch: ShowWarning(dialog, kMsgRetypeMismatch); return;
        case PasswordChangeCheck::kOk: break;
    }
    CurrentUser().password = newPassword;
    {
        WaitCursor wait;
        WritePassword(TodayDayOfYear());
    }
    EndDialog(dialog, 1);
}

void PasswordChangeOnCommand(HWND dialog, int id, HWND, UINT) {
    if (id == IDOK) PasswordChangeOnOk(dialog);
    if (id == IDCANCEL) EndDialog(dialog, 0);
}

INT_PTR CALLBACK PasswordChangeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, PasswordChangeOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, PasswordChangeOnCommand);
    }
    return FALSE;
}

// ---- User picker (973) ----

BOOL UserPickerOnInitDialog(HWND dialog, HWND, LPARAM) {
    CentreWindow(dialog);
    int tabStop = kPickerTabStop;
    SendDlgItemMessageA(dialog, IDC_LIST, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    RegistryRead registry;
    {
        WaitCursor wait;
        registry = ReadRegistry();
    }
    ShowMessages(registry);
    for (const RegistryRecord& r : registry.records) ListAddString(dialog, IDC_LIST, RegistryListLine(r));
    return TRUE;
}

void UserPickerOnOk(HWND dialog) {
    int index = static_cast<int>(ListSelection(dialog, IDC_LIST));
    if (index < 0) return;
    std::vector<char> line(static_cast<size_t>(
        SendDlgItemMessageA(dialog, IDC_LIST, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) + 1));
    SendDlgItemMessageA(dialog, IDC_LIST, LB_GETTEXT, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(line.data()));
    // The choice takes effect at the next start; this run keeps its user.
    WriteLocalInt("Environment", "NameNumber", PickedUserNumber(line.data()));
}

void UserPickerOnCommand(HWND dialog, int id, HWND, UINT) {
    if (id == IDOK) UserPickerOnOk(dialog);
    if (id == IDOK || id == IDCANCEL) EndDialog(dialog, 0);
}

INT_PTR CALLBACK UserPickerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, UserPickerOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, UserPickerOnCommand);
    }
    return FALSE;
}

}  // namespace

int RunLoginDialog(HWND owner) { return RunDialog(IDD_LOGIN, owner, LoginProc, 0); }

int RunPasswordCheckDialog(HWND owner) {
    return RunDialog(IDD_PASSWORD_CHECK, owner, PasswordCheckProc, 0);
}

int RunPasswordChangeDialog(HWND owner) {
    return RunDialog(IDD_PASSWORD_CHANGE, owner, PasswordChangeProc, 0);
}

int RunUserPickerDialog(HWND owner) {
    RunDialog(IDD_USER_PICKER, owner, UserPickerProc, 0);
    return 0;
}
