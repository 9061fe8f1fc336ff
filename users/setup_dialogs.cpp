// First-run setup (template 800) and self-registration (template 210).
#include <windowsx.h>

#include "app/settings/keys.h"
#include "app/settings/profile.h"
#include "app/settings/settings.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "store/store.h"
#include "users/registry.h"
#include "users/signin_dialogs.h"
#include "users/signin_texts.h"

namespace {


// Marks this PC as set up in the local file: the next start reads it instead of asking again.
void MarkSetUp() { WriteLocalString(kSectionEnvironment, kKeyVersion, kSetupVersion); }

// Every start on a shared PC asks who is working.
SetupChoice SharedPc(const std::string& netDir) {
    WriteLocalInt(kSectionEnvironment, kKeyAutoLogin, 0);
    MarkSetUp();
    SetupChoice choice;
    choice.done = true;
    choice.netDir = netDir;
    choice.sharedPc = true;
    return choice;
}

// The registered user becomes this PC's user from now on.
SetupChoice RegisteredUser(const std::string& netDir, int number, const std::string& name,
                           const std::string& loginName) {
    WriteLocalInt(kSectionEnvironment, kKeyNameNumber, number);
    MarkSetUp();
    SetupChoice choice;
    choice.done = true;
    choice.netDir = netDir;
    choice.number = number;
    choice.name = name;
    choice.loginName = loginName;
    return choice;
}

// ---- First-run setup (800) ----

struct FirstRunState {
    std::string netDir;   // as typed
    NameImportList list;  // as shown: the claim checks that nobody changed it since
    SetupChoice choice;   // what the dialog hands back
};

FirstRunState* FirstRunOf(HWND dialog) {
    return reinterpret_cast<FirstRunState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void TakeNetDirFromEdit(HWND dialog, FirstRunState* state) {
    state->netDir = DialogText(dialog, IDC_NET_DIR, kNetDirMax);
}

// Nobody acts yet: registration hands out the user number.
StoreContext OfficeOf(const FirstRunState* state) { return StoreContext{state->netDir, 0}; }

// Shows the registration buttons only for a directory that exists, and lists the names that
// are still waiting to be claimed there.
void ReloadNames(HWND dialog, FirstRunState* state) {
    TakeNetDirFromEdit(dialog, state);
    WaitCursor wait;
    bool reachable = !state->netDir.empty() && SetCurrentDirectoryA(state->netDir.c_str());
    ShowControl(dialog, IDC_SELF_REGISTER, reachable);
    ShowControl(dialog, IDC_SHARED_PC, reachable);
    ListReset(dialog, IDC_LIST);
    // A folder that cannot be entered holds no list; reading it would only report a lost drive
    // at every keystroke of a path being typed.
    state->list = reachable ? LoadNameImportList(OfficeOf(state)) : NameImportList();
    for (const std::string& name : state->list.entries) ListAddString(dialog, IDC_LIST, name);
}

void ClaimSelectedName(HWND dialog, FirstRunState* state) {
    int index = static_cast<int>(ListSelection(dialog, IDC_LIST));
    if (index < 0 || static_cast<size_t>(index) >= state->list.entries.size()) {
        ShowNotice(dialog, kMsgChooseName);
        return;
    }
    TakeNetDirFromEdit(dialog, state);
    const std::string name = state->list.entries[static_cast<size_t>(index)];
    if (!AskYesNo(dialog, ClaimNameQuestion(state->netDir, name))) return;
    WriteLocalString(kSectionEnvironment, kKeyNetDir, state->netDir);
    RegisterResult result;
    {
        WaitCursor wait;
        result = RegisterFromImportList(OfficeOf(state), state->list, static_cast<size_t>(index));
    }
    ShowMessages(result);
    if (!result.ok) {
        // Another PC may have claimed a name meanwhile: show what is left and let the user
        // choose again.
        ReloadNames(dialog, state);
        return;
    }
    state->choice = RegisteredUser(state->netDir, result.number, name, "");
    EndDialog(dialog, 1);
}

void OpenSelfRegistration(HWND dialog, FirstRunState* state) {
    TakeNetDirFromEdit(dialog, state);
    SetupChoice choice = RunSelfRegistrationDialog(dialog, state->netDir);
    if (!choice.done) return;
    WriteLocalString(kSectionEnvironment, kKeyNetDir, state->netDir);
    state->choice = choice;
    EndDialog(dialog, 1);
}

void ChooseSharedPc(HWND dialog, FirstRunState* state) {
    TakeNetDirFromEdit(dialog, state);
    if (!AskYesNo(dialog, SharedPcQuestion(state->netDir))) return;
    state->choice = SharedPc(state->netDir);
    WriteLocalString(kSectionEnvironment, kKeyNetDir, state->netDir);
    EndDialog(dialog, 1);
}

BOOL FirstRunOnInitDialog(HWND dialog, HWND, LPARAM param) {
    CentreWindow(dialog);
    EditLimit(dialog, IDC_NET_DIR, static_cast<int>(kNetDirMax));
    FirstRunState* state = reinterpret_cast<FirstRunState*>(param);
    SetDlgItemTextA(dialog, IDC_NET_DIR, state->netDir.c_str());
    // Attached after the text is set: the edit's change notice during setup is not a change.
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    ReloadNames(dialog, state);
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
        case IDC_SELF_REGISTER: OpenSelfRegistration(dialog, state); break;
        case IDC_SHARED_PC: ChooseSharedPc(dialog, state); break;
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

struct SelfRegisterState {
    std::string netDir;  // chosen in first-run setup
    SetupChoice choice;  // what the dialog hands back
};

SelfRegisterState* SelfRegisterOf(HWND dialog) {
    return reinterpret_cast<SelfRegisterState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void SelfRegisterOnOk(HWND dialog, SelfRegisterState* state) {
    std::string name = DialogText(dialog, IDC_USER_NAME, kUserNameMax);
    std::string login = DialogText(dialog, IDC_LOGIN_NAME, kLoginNameMax);
    if (!AskYesNo(dialog, SelfRegistrationQuestion(state->netDir, name, login))) return;
    if (name.empty()) {
        // Nobody to register: this PC is shared, and every start asks who is working.
        state->choice = SharedPc(state->netDir);
        EndDialog(dialog, 1);
        return;
    }
    RegisterResult result;
    {
        WaitCursor wait;
        result = RegisterNewUser(StoreContext{state->netDir, 0}, name, login);
    }
    if (result.loginTaken) {
        // A second record with a colleague's login name would take over his sign-in.
        ShowWarning(dialog, kMsgLoginNameTaken);
        return;
    }
    if (!result.ok) {
        // Finishing the setup without a user would leave a PC that starts as nobody; the user
        // may try again or cancel.
        if (result.messages.empty()) result.Fail(kMsgRegistrationFailed);
        ShowMessages(result);
        return;
    }
    state->choice = RegisteredUser(state->netDir, result.number, name, login);
    EndDialog(dialog, 1);
}

BOOL SelfRegisterOnInitDialog(HWND dialog, HWND, LPARAM param) {
    CentreWindow(dialog);
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    SetDlgItemTextA(dialog, IDC_NET_DIR, SelfRegisterOf(dialog)->netDir.c_str());
    EditLimit(dialog, IDC_USER_NAME, static_cast<int>(kUserNameMax));
    EditLimit(dialog, IDC_LOGIN_NAME, static_cast<int>(kLoginNameMax));
    return TRUE;
}

void SelfRegisterOnCommand(HWND dialog, int id, HWND, UINT) {
    SelfRegisterState* state = SelfRegisterOf(dialog);
    if (!state) return;
    if (id == IDOK) SelfRegisterOnOk(dialog, state);
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

SetupChoice RunFirstRunDialog(HWND owner, const std::string& netDir) {
    FirstRunState state;
    state.netDir = netDir;
    RunDialog(IDD_FIRST_RUN, owner, FirstRunProc, reinterpret_cast<LPARAM>(&state));
    return state.choice;
}

SetupChoice RunSelfRegistrationDialog(HWND owner, const std::string& netDir) {
    SelfRegisterState state;
    state.netDir = netDir;
    RunDialog(IDD_SELF_REGISTER, owner, SelfRegisterProc, reinterpret_cast<LPARAM>(&state));
    return state.choice;
}
