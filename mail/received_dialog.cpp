// The received-mail dialog (931): one mail of the own received list with its attachments, and
// the answers that start from it.
#include "mail/received_window.h"

#include <commdlg.h>
#include <windowsx.h>

#include <string>
#include <vector>

#include "app/settings/local_user.h"
#include "mail/addressee.h"
#include "mail/compose_dialog.h"
#include "mail/compose_text.h"
#include "mail/mail_item.h"
#include "mail/mail_lines.h"
#include "print/print_text.h"
#include "res/resource.h"
#include "shell/launcher_window.h"
#include "shell/plumbing.h"
#include "shell/window_names.h"
#include "store/names.h"
#include "store/store.h"

namespace {

constexpr size_t kPathBuffer = 256;

struct ReadState {
    long index = 0;
    const std::string* identity = nullptr;
    MailItemShown item;
    int bodyView = IDC_BODY;  // the body view shown now
};

ReadState* StateOf(HWND dialog) {
    return reinterpret_cast<ReadState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// The attachment of the selected line of the list shown, or null.
const AttachmentRecord* SelectedAttachment(HWND dialog) {
    const ReadState* state = StateOf(dialog);
    const LRESULT at = ListSelection(dialog, ShownAttachmentList(dialog));
    if (at < 0 || static_cast<size_t>(at) >= state->item.attachments.size()) return nullptr;
    return &state->item.attachments[static_cast<size_t>(at)];
}

void ShowItem(HWND dialog) {
    ReadState* state = StateOf(dialog);
    {
        WaitCursor busy;
        state->item = ReadMailItem(ClientStore(), kListReceived, state->index, state->identity);
    }
    const MailItemShown& item = state->item;
    if (item.found) {
        const MailRecord& r = item.record;
        SetDlgItemTextA(dialog, IDC_MAIL_TIME, CallTimeText(r.sentTime).c_str());
        SetDlgItemTextA(dialog, IDC_SUBJECT, r.subject.c_str());
        SetDlgItemTextA(dialog, IDC_MAIL_FROM, (r.userName + "様から").c_str());
        RememberAddressee(r.userNumber);
    }
    SetDlgItemTextA(dialog, IDC_BODY, item.body.text.c_str());
    if (!item.hasAttachmentList) {
        for (int id : {IDC_ATTACH_SAVE, IDC_ATTACH_RUN, IDC_ATTACH_SWITCH}) ShowControl(dialog, id, false);
        return;
    }
    for (const AttachmentRecord& a : item.attachments) {
        ListAddString(dialog, IDC_ATTACH_PATHS, a.sourcePath);
        ListAddString(dialog, IDC_ATTACH_TITLES, a.title.empty() ? a.sourcePath : a.title);
        ListAddString(dialog, IDC_ATTACH_STORED, a.storedPath);
    }
}

BOOL OnInitDialog(HWND dialog, HWND, LPARAM param) {
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    CentreWindow(dialog);
    for (int id : {IDC_SUBJECT, IDC_BODY, IDC_BODY_WRAPPED}) SetFixedFont(dialog, id);
    ShowItem(dialog);
    // The reader starts in the body, at its top, nothing selected.
    SetFocus(GetDlgItem(dialog, IDC_BODY));
    SendDlgItemMessageA(dialog, IDC_BODY, EM_SETSEL, 0, 0);
    return FALSE;
}

// Selecting in either list selects the same attachment in the other.
void OnAttachmentSelected(HWND dialog, int list) {
    const LRESULT at = ListSelection(dialog, list);
    const int other = list == IDC_ATTACH_TITLES ? IDC_ATTACH_PATHS : IDC_ATTACH_TITLES;
    ListSelect(dialog, other, static_cast<int>(at));
    ListSelect(dialog, IDC_ATTACH_STORED, static_cast<int>(at));
    EnableControl(dialog, IDC_ATTACH_SAVE, at >= 0);
    EnableControl(dialog, IDC_ATTACH_RUN, at >= 0);
}

// 複写: a copy of the stored attachment under a name the user picks, the sender's file name
// proposed.
void SaveAttachment(HWND dialog) {
    const AttachmentRecord* attachment = SelectedAttachment(dialog);
    if (!attachment) return;
    const std::string source = OwnStoredCopy(ClientStore(), *attachment);
    const std::string filter = FileFilter(AttachmentFilterText(PathExtension(attachment->storedPath)));
    char file[kPathBuffer] = "";
    lstrcpynA(file, PathFileName(attachment->sourcePath).c_str(), sizeof file);
    char title[kPathBuffer] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = dialog;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = sizeof title;
    ofn.lpstrTitle = "ミトカ　添付ファイル複写";
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&ofn)) return;
    WaitCursor busy;
    CopyStoreFile(source, file);
}

void RunAttachment(HWND dialog) {
    const AttachmentRecord* attachment = SelectedAttachment(dialog);
    if (attachment) OpenByAssociation(dialog, OwnStoredCopy(ClientStore(), *attachment));
}

// 返信, 引付返, 転送: the mail dialog answers the mail shown; this dialog closes afterwards,
// whether a mail was sent or not.
void Answer(HWND dialog, int mode) {
    const ReadState* state = StateOf(dialog);
    AnsweredItem answered;
    answered.subject = DialogText(dialog, IDC_SUBJECT, 2 * kSubjectTextMax + 1);
    answered.body = DialogText(dialog, IDC_BODY, std::string::npos);
    if (state->item.found) {
        answered.senderNumber = state->item.record.userNumber;
        answered.senderName = state->item.record.userName;
    }
    for (const AttachmentRecord& a : state->item.attachments)
        answered.attachments.push_back({OwnStoredCopy(ClientStore(), a), a.title});
    OpenMailDialog(dialog, mode, &answered);
    EndDialog(dialog, 0);
}

void OnCommand(HWND dialog, int id, HWND, UINT code) {
    switch (id) {
        case IDC_ATTACH_TITLES:
        case IDC_ATTACH_PATHS:
            if (code == LBN_SELCHANGE || code == LBN_SELCANCEL) OnAttachmentSelected(dialog, id);
            if (code == LBN_DBLCLK) RunAttachment(dialog);
            break;
        case IDC_ATTACH_SWITCH: SwitchAttachmentList(dialog); break;
        case IDC_ATTACH_SAVE: SaveAttachment(dialog); break;
        case IDC_ATTACH_RUN: RunAttachment(dialog); break;
        case IDC_WRAP: {
            ReadState* state = StateOf(dialog);
            state->bodyView = SwitchBodyView(dialog, state->bodyView);
            break;
        }
        case IDC_COPY: EditCopy(dialog, IDC_BODY); break;
        case IDC_MAIL_PRINT: PrintEditText(dialog, GetDlgItem(dialog, IDC_BODY), kCaption); break;
        case IDC_MAIL_REPLY: Answer(dialog, kMailReply); break;
        case IDC_MAIL_REPLY_QUOTED: Answer(dialog, kMailReplyQuoted); break;
        case IDC_MAIL_FORWARD: Answer(dialog, kMailForward); break;
        case IDCANCEL: EndDialog(dialog, 0); break;
    }
}

INT_PTR CALLBACK ReadProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, OnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, OnCommand);
    }
    return FALSE;
}

}  // namespace

void ShowReceivedMail(HWND owner, long index, const std::string* identity) {
    ReadState state;
    state.index = index;
    state.identity = identity;
    RunDialog(IDD_MAIL_READ, owner, ReadProc, reinterpret_cast<LPARAM>(&state));
}
