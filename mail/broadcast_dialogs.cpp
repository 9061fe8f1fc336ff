// The broadcast list dialog (975) and the broadcast list editor (976).
#include "mail/broadcast_dialogs.h"

#include <windowsx.h>

#include <string>
#include <vector>

#include "app/settings/local_user.h"
#include "mail/broadcast_store.h"
#include "mail/recipient_list.h"
#include "res/resource.h"
#include "shell/plumbing.h"

namespace {

// ---- the editor (976) ----

struct EditorState {
    int number = 0;     // the list being changed; 0 while a new one is made
    std::string name;   // its name, shown read-only
};

BOOL EditorOnInitDialog(HWND dialog, HWND, LPARAM param) {
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    const EditorState* state = reinterpret_cast<EditorState*>(param);
    CentreWindow(dialog);
    FillRecipientList(dialog, IDC_RECIPIENTS, IDC_RECIPIENT_NUMBERS);
    EditLimit(dialog, IDC_SUBJECT, static_cast<int>(kSubjectTextMax));
    if (state->number != 0) {
        // A list keeps its name; only its members change.
        SendDlgItemMessageA(dialog, IDC_SUBJECT, EM_SETREADONLY, TRUE, 0);
        SetDlgItemTextA(dialog, IDC_SUBJECT, state->name.c_str());
        ApplyBroadcastList(dialog, state->number);
    }
    return TRUE;
}

void EditorOnOk(HWND dialog) {
    const EditorState* state = reinterpret_cast<EditorState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    const std::vector<Party> members = SelectedRecipients(dialog);
    BroadcastListResult result;
    {
        WaitCursor wait;
        result = state->number == 0
                     ? CreateBroadcastList(ClientStore(), CurrentUser().name,
                                           DialogText(dialog, IDC_SUBJECT, kSubjectTextMax),
                                           members, LocalTimeNow())
                     : WriteBroadcastMembers(ClientStore(), state->number, members);
    }
    ShowMessages(result);
    if (result.ok) EndDialog(dialog, 1);
}

void EditorOnCommand(HWND dialog, int id, HWND, UINT) {
    if (id == IDOK) EditorOnOk(dialog);
    if (id == IDCANCEL) EndDialog(dialog, 0);
}

INT_PTR CALLBACK EditorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, EditorOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, EditorOnCommand);
    }
    return FALSE;
}

int RunEditor(HWND owner, int number, const std::string& name) {
    EditorState state{number, name};
    return RunDialog(IDD_BROADCAST_EDITOR, owner, EditorProc, reinterpret_cast<LPARAM>(&state));
}

// ---- the broadcast list dialog (975) ----

struct ChooserState {
    int* chosen = nullptr;
    std::vector<ListLine> lines;  // as loaded, newest first
};

ChooserState* ChooserOf(HWND dialog) {
    return reinterpret_cast<ChooserState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// 選択, 更新 and 削除 act on the selected list: they are offered only while one is selected.
void EnableListButtons(HWND dialog) {
    const bool selected = ListSelection(dialog, IDC_GROUP_LIST) >= 0;
    for (int button : {IDOK, IDC_GROUP_UPDATE, IDC_GROUP_DELETE})
        EnableControl(dialog, button, selected);
}

void LoadLists(HWND dialog) {
    ChooserState* state = ChooserOf(dialog);
    ListLoad load;
    {
        WaitCursor wait;
        load = LoadBroadcastLists(ClientStore());
    }
    state->lines = load.lines;
    ListReset(dialog, IDC_GROUP_LIST);
    for (const ListLine& line : state->lines) ListAddString(dialog, IDC_GROUP_LIST, line.text);
    EnableListButtons(dialog);
    ShowMessages(load);
}

// The position of the selected line, or -1.
long SelectedPosition(HWND dialog) {
    const long position = static_cast<long>(ListSelection(dialog, IDC_GROUP_LIST));
    return position < static_cast<long>(ChooserOf(dialog)->lines.size()) ? position : -1;
}

int SelectedNumber(HWND dialog, long position) {
    return BroadcastListNumberAt(ClientStore(), static_cast<long>(ChooserOf(dialog)->lines.size()),
                                 position);
}

void ChooseSelected(HWND dialog) {
    const long position = SelectedPosition(dialog);
    if (position < 0) return;
    *ChooserOf(dialog)->chosen = SelectedNumber(dialog, position);
    EndDialog(dialog, 1);
}

// Deleting asks nothing: the list is the user's own and made again quickly.
void DeleteSelected(HWND dialog) {
    ChooserState* state = ChooserOf(dialog);
    const long position = SelectedPosition(dialog);
    if (position < 0) return;
    const std::string identity = state->lines[static_cast<size_t>(position)].identity;
    DeleteOutcome outcome;
    {
        WaitCursor wait;
        outcome = DeleteBroadcastList(ClientStore(), static_cast<long>(state->lines.size()),
                                      position, &identity);
    }
    state->lines.erase(state->lines.begin() + position);
    ListDelete(dialog, IDC_GROUP_LIST, static_cast<int>(position));
    EnableListButtons(dialog);
    ShowMessages(outcome);
}

void UpdateSelected(HWND dialog) {
    const long position = SelectedPosition(dialog);
    if (position < 0) return;
    const int number = SelectedNumber(dialog, position);
    // A list whose record has gone meanwhile is no longer there to change.
    if (number == 0) {
        LoadLists(dialog);
        return;
    }
    RunEditor(dialog, number, ChooserOf(dialog)->lines[static_cast<size_t>(position)].text);
}

BOOL ChooserOnInitDialog(HWND dialog, HWND, LPARAM param) {
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    CentreWindow(dialog);
    LoadLists(dialog);
    return TRUE;
}

void ChooserOnCommand(HWND dialog, int id, HWND, UINT code) {
    switch (id) {
        case IDOK: ChooseSelected(dialog); break;
        case IDCANCEL: EndDialog(dialog, 0); break;
        case IDC_GROUP_LIST:
            if (code == LBN_SELCHANGE) EnableListButtons(dialog);
            if (code == LBN_DBLCLK) ChooseSelected(dialog);
            break;
        case IDC_GROUP_ADD:
            RunEditor(dialog, 0, std::string());
            LoadLists(dialog);
            break;
        case IDC_GROUP_UPDATE: UpdateSelected(dialog); break;
        case IDC_GROUP_DELETE: DeleteSelected(dialog); break;
        default: break;
    }
}

INT_PTR CALLBACK ChooserProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, ChooserOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, ChooserOnCommand);
    }
    return FALSE;
}

}  // namespace

int ChooseBroadcastList(HWND owner, int* number) {
    *number = 0;
    ChooserState state;
    state.chosen = number;
    return RunDialog(IDD_BROADCAST_LISTS, owner, ChooserProc, reinterpret_cast<LPARAM>(&state));
}
