// Login (template 971), password check (400), password change (410) and user picker (973).
#include "users/signin_dialogs.h"

#include <windowsx.h>

#include <ctime>
#include <vector>

#include "app/settings/keys.h"
#include "app/settings/profile.h"
#include "app/settings/settings.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
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

struct LoginState {
    std::string netDir;
    LoginChoice choice;  // what the dialog hands back
};

LoginState* LoginOf(HWND dialog) {
    return reinterpret_cast<LoginState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void LoginOnOk(HWND dialog, LoginState* state) {
    std::string login = DialogText(dialog, IDC_LOGIN_NAME, kLoginNameMax);
    std::string password = PasswordEntry(dialog, IDC_PASSWORD);
    RegistryMatch match;
    std::string stored;
    {
        WaitCursor wait;
        match = FindLoginName(StoreContext{state->netDir, 0}, login);
        // The password kept in the matched user's own folder.
        if (match.found) stored = ReadPassword(StoreContext{state->netDir, match.record.number});
    }
    if (!match.found) {
        ShowWarning(dialog, kMsgWrongLoginName);
        return;
    }
    if (password != stored) {
        ShowWarning(dialog, kMsgWrongPassword);
        return;
    }
    state->choice.done = true;
    state->choice.user = match.record;
    EndDialog(dialog, 1);
}

BOOL LoginOnInitDialog(HWND dialog, HWND, LPARAM param) {
    CentreWindow(dialog);
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    return TRUE;
}

void LoginOnCommand(HWND dialog, int id, HWND, UINT) {
    LoginState* state = LoginOf(dialog);
    if (!state) return;
    if (id == IDOK) LoginOnOk(dialog, state);
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

// The password to check against, kept with the dialog.
const std::string* ExpectedPasswordOf(HWND dialog) {
    return reinterpret_cast<const std::string*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

BOOL PasswordCheckOnInitDialog(HWND dialog, HWND, LPARAM param) {
    CentreWindow(dialog);
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    EditLimit(dialog, IDC_PASSWORD, static_cast<int>(kPasswordMax));
    return TRUE;
}

void PasswordCheckOnCommand(HWND dialog, int id, HWND, UINT) {
    const std::string* expected = ExpectedPasswordOf(dialog);
    if (id == IDCANCEL) EndDialog(dialog, 0);
    if (id != IDOK || !expected) return;
    if (PasswordEntry(dialog, IDC_PASSWORD) != *expected) {
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

struct PasswordChangeState {
    StoreContext store;      // the user whose password it is
    std::string current;
    PasswordChoice choice;   // what the dialog hands back
};

PasswordChangeState* PasswordChangeOf(HWND dialog) {
    return reinterpret_cast<PasswordChangeState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

BOOL PasswordChangeOnInitDialog(HWND dialog, HWND, LPARAM param) {
    CentreWindow(dialog);
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    for (int control : {IDC_OLD_PASSWORD, IDC_NEW_PASSWORD, IDC_NEW_PASSWORD_AGAIN})
        EditLimit(dialog, control, static_cast<int>(kPasswordMax));
    return TRUE;
}

void PasswordChangeOnOk(HWND dialog, PasswordChangeState* state) {
    std::string newPassword = PasswordEntry(dialog, IDC_NEW_PASSWORD);
    switch (CheckPasswordChange(state->current, PasswordEntry(dialog, IDC_OLD_PASSWORD),
                                newPassword, PasswordEntry(dialog, IDC_NEW_PASSWORD_AGAIN))) {
        case PasswordChangeCheck::kWrongOld: ShowWarning(dialog, kMsgWrongOldPassword); return;
        case PasswordChangeCheck::kRetypeMismatch: ShowWarning(dialog, kMsgRetypeMismatch); return;
        case PasswordChangeCheck::kOk: break;
    }
    bool written;
    {
        WaitCursor wait;
        written = WritePassword(state->store, newPassword, TodayDayOfYear());
    }
    if (!written) {
        // The file still holds the old password, and the next start will ask for that one.
        ShowWarning(dialog, kMsgPasswordNotWritten);
        return;
    }
    state->choice.done = true;
    state->choice.password = newPassword;
    EndDialog(dialog, 1);
}

void PasswordChangeOnCommand(HWND dialog, int id, HWND, UINT) {
    PasswordChangeState* state = PasswordChangeOf(dialog);
    if (!state) return;
    if (id == IDOK) PasswordChangeOnOk(dialog, state);
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

BOOL UserPickerOnInitDialog(HWND dialog, HWND, LPARAM param) {
    CentreWindow(dialog);
    int tabStop = kPickerTabStop;
    SendDlgItemMessageA(dialog, IDC_LIST, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    RegistryRead registry;
    {
        WaitCursor wait;
        registry = ReadRegistry(*reinterpret_cast<const StoreContext*>(param));
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
    WriteLocalInt(kSectionEnvironment, kKeyNameNumber, PickedUserNumber(line.data()));
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

LoginChoice RunLoginDialog(HWND owner, const std::string& netDir) {
    LoginState state;
    state.netDir = netDir;
    RunDialog(IDD_LOGIN, owner, LoginProc, reinterpret_cast<LPARAM>(&state));
    return state.choice;
}

int RunPasswordCheckDialog(HWND owner, const std::string& password) {
    return RunDialog(IDD_PASSWORD_CHECK, owner, PasswordCheckProc,
                     reinterpret_cast<LPARAM>(&password));
}

PasswordChoice RunPasswordChangeDialog(HWND owner, const StoreContext& store,
                                       const std::string& current) {
    PasswordChangeState state;
    state.store = store;
    state.current = current;
    RunDialog(IDD_PASSWORD_CHANGE, owner, PasswordChangeProc, reinterpret_cast<LPARAM>(&state));
    return state.choice;
}

int RunUserPickerDialog(HWND owner, const StoreContext& store) {
    RunDialog(IDD_USER_PICKER, owner, UserPickerProc, reinterpret_cast<LPARAM>(&store));
    return 0;
}
