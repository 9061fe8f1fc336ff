// First-run setup (template 800) and self-registration (template 210).
#include <windowsx.h>

#include "app/settings/profile.h"
#include "app/settings/settings.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "store/store.h"
#include "users/local_user.h"
#include "users/registry.h"
#include "users/signin_dialogs.h"
#include "users/signin_texts.h"

namespace {

const char kEnv[] = "Environment";
// Written by first-run setup so that the next start migrates the local file to the current
// version.
const char kSetupVersion[] = "0.14";

// Marks this PC as set up: the next start reads the local file instead of asking again.
void MarkSetUp() {
    WriteLocalString(kEnv, "Version", kSetupVersion);
    LocalSettings().version = kSetupVersion;
    LocalSettings().firstRun = false;
}

// Every start on a shared PC asks who is working.
void MakeSharedPc() {
    LocalSettings().autoLogin = 0;
    WriteLocalInt(kEnv, "AutoLogin", 0);
    MarkSetUp();
}

// The registered user becomes this PC's user from now on.
void AdoptRegisteredUser(int number, const std::string& name, const std::string& loginName) {
    SetCurrentUserNumber(number);
    CurrentUser().name = name;
    CurrentUser().loginName = loginName;
    LocalSettings().nameNumber = number;
    WriteLocalInt(kEnv, "NameNumber", number);
}

// ---- First-run setup (800) ----

struct FirstRunState {
    NameImportList list;  // as shown: the claim checks that nobody changed it since
};

FirstRunState* FirstRunOf(HWND dialog) {
    return reinterpret_cast<FirstRunState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void TakeNetDirFromEdit(HWND dialog) {
    SetNetDir(DialogText(dialog, IDC_NET_DIR, kNetDirMax));
    LocalSettings().netDir = NetDir();
}

// Shows the registration buttons only for a directory that exists, and lists the names that
// are still waiting to be claimed there.
void ReloadNames(HWND dialog, FirstRunState* state) {
    TakeNetDirFromEdit(dialog);
    WaitCursor wait;
    bool reachable = !NetDir().empty() && SetCurrentDirectoryA(NetDir().c_str());
    ShowControl(dialog, IDC_SELF_REGISTER, reachable);
    ShowControl(dialog, IDC_SHARED_PC, reachable);
    ListReset(dialog, IDC_LIST);
    // A folder that cannot be entered holds no list; reading it would only report a lost drive
    // at every keystroke of a path being typed.
    state->list = reachable ? LoadNameImportList() : NameImportList();
    for (const std::string& name : state->list.entries) ListAddString(dialog, IDC_LIST, name);
}

void ClaimSelectedName(HWND dialog, FirstRunState* state) {
    int index = static_cast<int>(ListSelection(dialog, IDC_LIST));
    if (index < 0 || static_cast<size_t>(index) >= state->list.entries.size()) {
        ShowNotice(dialog, kMsgChooseName);
        return;
    }
    TakeNetDirFromEdit(dialog);
    const std::string name = state->list.entries[static_cast<size_t>(index)];
    if (!AskYesNo(dialog, ClaimNameQuestion(NetDir(), name))) return;
    WriteLocalString(kEnv, "NetDir", NetDir());
    RegisterResult result;
    {
        WaitCursor wait;
        result = RegisterFromImportList(state->list, static_cast<size_t>(index));
    }
    ShowMessages(result);
    if (!result.ok) {
        // Another PC may have claimed a name meanwhile: show what is left and let the user
        // choose again.
        ReloadNames(dialog, state);
        return;
    }
    AdoptRegisteredUser(result.number, name, "");
    MarkSetUp();
    EndDialog(dialog, 1);
}

void OpenSelfRegistration(HWND dialog) {
    TakeNetDirFromEdit(dialog);
    if (RunSelfRegistrationDialog(dialog) != 1) return;
    WriteLocalString(kEnv, "NetDir", NetDir());
    EndDialog(dialog, 1);
}

void ChooseSharedPc(HWND dialog) {
    TakeNetDirFromEdit(dialog);
    if (!AskYesNo(dialog, SharedPcQuestion(NetDir()))) return;
    MakeSharedPc();
    WriteLocalString(kEnv, "NetDir", NetDir());
    EndDialog(dialog, 1);
}

BOOL FirstRunOnInitDialog(HWND dialog, HWND, LPARAM param) {
    CentreWindow(dialog);
    EditLimit(dialog, IDC_NET_DIR, static_cast<int>(kNetDirMax));
    SetDlgItemTextA(dialog, IDC_NET_DIR, NetDir().c_str());
    // Attached after the text is set: the edit's change notice during setup is not a change.
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    ReloadNames(dialog, FirstRunOf(dialog));
    return TRUE;
}

void FirstRunOnCommand(HWND dialog, int id, HWND, UINT code) {
    FirstRunState* state = FirstRunOf(dialog);
    if (!state) return;
    switch (id) {
        case IDC_NET_DIR:
            if (code == EN_CHANGE) ReloadNames(dialog, state);
            break;
        case IDC_LIST:
            if (code == LBN_DBLCLK) ClaimSelectedName(dialog, state);
            break;
        case IDOK: ClaimSelectedName(dialog, state); break;
        case IDC_SELF_REGISTER: OpenSelfRegistration(dialog); break;
        case IDC_SHARED_PC: ChooseSharedPc(dialog); break;
        case IDCANCEL: EndDialog(dialog, 0); break;
    }
}

INT_PTR CALLBACK FirstRunProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, FirstRunOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, FirstRunOnCommand);
    }
    return FALSE;
}

// ---- Self-registration (210) ----

void SelfRegisterOnOk(HWND dialog) {
    std::string name = DialogText(dialog, IDC_USER_NAME, kUserNameMax);
    std::string login = DialogText(dialog, IDC_LOGIN_NAME, kLoginNameMax);
    if (!AskYesNo(dialog, SelfRegistrationQuestion(NetDir(), name, login))) return;
    if (name.empty()) {
        // Nobody to register: this PC is shared, and every start asks who is working.
        MakeSharedPc();
        EndDialog(dialog, 1);
        return;
    }
    RegisterResult result;
    {
        WaitCursor wait;
        result = RegisterNewUser(name, login);
    }
    if (!result.ok) {
        // Finishing the setup without a user would leave a PC that starts as nobody; the user
        // may try again or cancel.
        if (result.messages.empty()) result.Fail(kMsgRegistrationFailed);
        ShowMessages(result);
        return;
    }
    AdoptRegisteredUser(result.number, name, login);
    MarkSetUp();
    EndDialog(dialog, 1);
}

BOOL SelfRegisterOnInitDialog(HWND dialog, HWND, LPARAM) {
    CentreWindow(dialog);
    SetDlgItemTextA(dialog, IDC_NET_DIR, NetDir().c_str());
    EditLimit(dialog, IDC_USER_NAME, static_cast<int>(kUserNameMax));
    EditLimit(dialog, IDC_LOGIN_NAME, static_cast<int>(kLoginNameMax));
    return TRUE;
}

void SelfRegisterOnCommand(HWND dialog, int id, HWND, UINT) {
    if (id == IDOK) SelfRegisterOnOk(dialog);
    if (id == IDCANCEL) EndDialog(dialog, 0);
}

INT_PTR CALLBACK SelfRegisterProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, SelfRegisterOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, SelfRegisterOnCommand);
    }
    return FALSE;
}

}  // namespace

int RunFirstRunDialog(HWND owner) {
    FirstRunState state;
    return RunDialog(IDD_FIRST_RUN, owner, FirstRunProc, reinterpret_cast<LPARAM>(&state));
}

int RunSelfRegistrationDialog(HWND owner) {
    return RunDialog(IDD_SELF_REGISTER, owner, SelfRegisterProc, 0);
}
