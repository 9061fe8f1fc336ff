// The mail dialog (930) and the attachment title dialog (940).
#include "mail/compose_dialog.h"

#include <windowsx.h>
#include <commdlg.h>

#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "mail/addressee.h"
#include "mail/body_file.h"
#include "mail/broadcast_dialogs.h"
#include "mail/mail_store.h"
#include "mail/recipient_list.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"

namespace {

const char kAttachChooserTitle[] = "ミトカ　添付ファイル選択";
const char kInsertChooserTitle[] = "ミトカ　読込みファイル選択";
constexpr DWORD kChooserBufferSize = 256;

struct MailDialogState {
    int mode = kMailNew;
    const AnsweredItem* item = nullptr;
    int editor = IDC_BODY;  // the body editor shown now
};

MailDialogState* StateOf(HWND dialog) {
    return reinterpret_cast<MailDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

std::string WholeText(HWND dialog, int control) {
    return DialogText(dialog, control, std::string::npos);
}

// ---- the attachment title dialog (940) ----

struct TitleRequest {
    std::string path;
    std::string title;
};

BOOL TitleOnInitDialog(HWND dialog, HWND, LPARAM param) {
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    CentreWindow(dialog);
    SetDlgItemTextA(dialog, IDC_TITLE_PATH, reinterpret_cast<TitleRequest*>(param)->path.c_str());
    EditLimit(dialog, IDC_TITLE_TEXT, static_cast<int>(kAttachmentTitleMax));
    return TRUE;
}

// ＯＫ is the only way out: the file is attached already, with or without a title.
void TitleOnCommand(HWND dialog, int id, HWND, UINT) {
    if (id != IDOK) return;
    auto* request = reinterpret_cast<TitleRequest*>(GetWindowLongPtrA(dialog, DWLP_USER));
    request->title = DialogText(dialog, IDC_TITLE_TEXT, kAttachmentTitleMax);
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK TitleProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, TitleOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, TitleOnCommand);
    }
    return FALSE;
}

std::string AskAttachmentTitle(HWND owner, const std::string& path) {
    TitleRequest request{path, std::string()};
    RunDialog(IDD_ATTACHMENT_TITLE, owner, TitleProc, reinterpret_cast<LPARAM>(&request));
    return request.title;
}

// ---- the mail dialog (930) ----

// A file of this PC, chosen in the platform's file-open dialog. The current folder stays as it
// was: a network directory given relative to it must keep naming the same folder.
bool ChooseFile(HWND owner, const char* title, std::string* path) {
    char file[kChooserBufferSize] = "";
    const std::string filter = FileFilter(kAnyFileFilter);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = kChooserBufferSize;
    ofn.lpstrTitle = title;
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&ofn)) return false;
    *path = file;
    return true;
}

void CopyEditorText(HWND dialog, int from, int to) {
    SetDlgItemTextA(dialog, to, WholeText(dialog, from).c_str());
}

int EditorLineOf(HWND edit, LRESULT position) {
    return static_cast<int>(SendMessageA(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(position), 0));
}

LRESULT EditorLineStart(HWND edit, int line) {
    return SendMessageA(edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
}

void InsertAtCaret(HWND edit, const std::string& text) {
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void QuoteWholeBody(HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_BODY, EM_SETSEL, 0, -1);
    QuoteLines(dialog, IDC_BODY);
}

// A reply or a forward starts from the item it answers.
void FillFromItem(HWND dialog, int mode, const AnsweredItem& item) {
    switch (mode) {
        case kMailReply:
            SetDlgItemTextA(dialog, IDC_SUBJECT, ReplySubject(item.subject).c_str());
            break;
        case kMailReplyQuoted:
            SetDlgItemTextA(dialog, IDC_BODY, item.body.c_str());
            QuoteWholeBody(dialog);
            SetDlgItemTextA(dialog, IDC_SUBJECT, ReplySubject(item.subject).c_str());
            break;
        case kMailForward: {
            SendDlgItemMessageA(dialog, IDC_RECIPIENTS, LB_SETSEL, FALSE, -1);
            SetDlgItemTextA(dialog, IDC_SUBJECT, ForwardSubject(item.subject).c_str());
            // The stored copies in the own folder are attached again.
            for (const ForwardedAttachment& a : item.attachments) {
                ListAddString(dialog, IDC_ATTACH_PATHS, a.storedPath);
                ListAddString(dialog, IDC_ATTACH_TITLES, a.title);
            }
            SetDlgItemTextA(dialog, IDC_BODY, item.body.c_str());
            QuoteWholeBody(dialog);
            HWND body = GetDlgItem(dialog, IDC_BODY);
            SendMessageA(body, EM_SETSEL, 0, 0);
            SendMessageA(body, EM_REPLACESEL, TRUE,
                         reinterpret_cast<LPARAM>(ForwardHeaderLine(item.senderName).c_str()));
            break;
        }
        default: break;
    }
}

BOOL MailOnInitDialog(HWND dialog, HWND, LPARAM param) {
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    const MailDialogState* state = reinterpret_cast<MailDialogState*>(param);
    CentreWindow(dialog);
    for (int control : {IDC_SUBJECT, IDC_BODY, IDC_BODY_WRAPPED}) SetFixedFont(dialog, control);
    EditLimit(dialog, IDC_SUBJECT, static_cast<int>(kSubjectTextMax));
    // A body holds what it is given (a forwarded body, a file read in), not the edit's default.
    EditLimit(dialog, IDC_BODY, 0);
    EditLimit(dialog, IDC_BODY_WRAPPED, 0);
    if (state->item && state->item->senderNumber > 0) RememberAddressee(state->item->senderNumber);
    FillRecipientList(dialog, IDC_RECIPIENTS, IDC_RECIPIENT_NUMBERS);
    if (state->item) FillFromItem(dialog, state->mode, *state->item);
    return TRUE;
}

std::vector<AttachmentSource> ListedAttachments(HWND dialog) {
    std::vector<AttachmentSource> attachments;
    const int count = static_cast<int>(ListCount(dialog, IDC_ATTACH_PATHS));
    for (int i = 0; i < count; ++i)
        attachments.push_back(AttachmentSource{ListLineText(dialog, IDC_ATTACH_PATHS, i),
                                               ListLineText(dialog, IDC_ATTACH_TITLES, i)});
    return attachments;
}

// Sends the mail to every selected colleague; 0 when it was refused (nothing written) and the
// dialog stays open.
int DeliverMail(HWND dialog, int shiftFlag) {
    OutgoingItem item;
    item.kind = kItemMail;
    item.confidential = shiftFlag == kShiftConfidential;
    // The edit counts its limit in characters; the record takes 50 bytes.
    item.subject = DialogText(dialog, IDC_SUBJECT, kSubjectTextMax);
    item.body = WholeText(dialog, IDC_BODY);
    item.attachments = ListedAttachments(dialog);
    const std::vector<Party> recipients = SelectedRecipients(dialog);
    DeliveryResult result;
    {
        WaitCursor wait;
        item.sentTime = LocalTimeNow();
        result = DeliverItem(ClientStore(), CurrentUser().name, recipients, item);
    }
    ShowMessages(result);
    return result.ok ? 1 : 0;
}

void Send(HWND dialog, int shiftFlag) {
    if (UserSettings().mailSend && !AskOkCancel(dialog, kMsgAskSend)) return;
    // What is sent is always the unwrapped body: the wrapping view adds no line breaks.
    if (StateOf(dialog)->editor == IDC_BODY_WRAPPED)
        CopyEditorText(dialog, IDC_BODY_WRAPPED, IDC_BODY);
    if (DeliverMail(dialog, shiftFlag)) EndDialog(dialog, 1);
}

void AddAttachment(HWND dialog) {
    std::string path;
    if (!ChooseFile(dialog, kAttachChooserTitle, &path)) return;
    ListAddString(dialog, IDC_ATTACH_PATHS, path);
    ListAddString(dialog, IDC_ATTACH_TITLES, AskAttachmentTitle(dialog, path));
}

void RemoveAttachment(HWND dialog) {
    const int line = static_cast<int>(ListSelection(dialog, ShownAttachmentList(dialog)));
    if (line < 0) return;
    ListDelete(dialog, IDC_ATTACH_PATHS, line);
    ListDelete(dialog, IDC_ATTACH_TITLES, line);
}

void ShowAttachmentTitle(HWND dialog) {
    const int line = static_cast<int>(ListSelection(dialog, IDC_ATTACH_PATHS));
    if (line >= 0) ShowNotice(dialog, ListLineText(dialog, IDC_ATTACH_TITLES, line));
}

void InsertChosenFile(HWND dialog) {
    std::string path;
    if (ChooseFile(dialog, kInsertChooserTitle, &path))
        InsertTextFile(dialog, StateOf(dialog)->editor, path);
}

void SwitchBodyEditor(HWND dialog) {
    MailDialogState* state = StateOf(dialog);
    state->editor = SwitchBodyView(dialog, state->editor);
}

void ApplyChosenBroadcastList(HWND dialog) {
    int number = 0;
    if (ChooseBroadcastList(dialog, &number) && number != 0) ApplyBroadcastList(dialog, number);
}

void MailOnCommand(HWND dialog, int id, HWND, UINT code) {
    const int editor = StateOf(dialog)->editor;
    switch (id) {
        case IDOK: Send(dialog, kShiftOrdinary); break;
        case IDC_CONFIDENTIAL: Send(dialog, kShiftConfidential); break;
        case IDC_DISCARD: EndDialog(dialog, 0); break;
        // Escape and the close box: the mail written so far would be lost.
        case IDCANCEL:
            if (AskOkCancel(dialog, kMsgAskDiscard)) EndDialog(dialog, 0);
            break;
        case IDC_ATTACH_ADD: AddAttachment(dialog); break;
        case IDC_ATTACH_REMOVE: RemoveAttachment(dialog); break;
        case IDC_ATTACH_SWITCH: SwitchAttachmentList(dialog); break;
        case IDC_ATTACH_PATHS:
            if (code == LBN_DBLCLK) ShowAttachmentTitle(dialog);
            break;
        case IDC_INSERT_FILE: InsertChosenFile(dialog); break;
        case IDC_QUOTE: QuoteLines(dialog, editor); break;
        case IDC_WRAP: SwitchBodyEditor(dialog); break;
        case IDC_SELECT_ALL: SelectAllRecipients(dialog); break;
        case IDC_BROADCAST: ApplyChosenBroadcastList(dialog); break;
        case IDC_CUT: EditCut(dialog, editor); break;
        case IDC_COPY: EditCopy(dialog, editor); break;
        case IDC_PASTE: EditPaste(dialog, editor); break;
        default: break;
    }
}

INT_PTR CALLBACK MailProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, MailOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, MailOnCommand);
    }
    return FALSE;
}

}  // namespace

int ShownAttachmentList(HWND dialog) {
    return IsWindowVisible(GetDlgItem(dialog, IDC_ATTACH_PATHS)) ? IDC_ATTACH_PATHS
                                                                 : IDC_ATTACH_TITLES;
}

void SwitchAttachmentList(HWND dialog) {
    const bool pathsShown = ShownAttachmentList(dialog) == IDC_ATTACH_PATHS;
    ShowControl(dialog, IDC_ATTACH_PATHS, !pathsShown);
    ShowControl(dialog, IDC_ATTACH_TITLES, pathsShown);
}

int SwitchBodyView(HWND dialog, int shown) {
    const int other = shown == IDC_BODY ? IDC_BODY_WRAPPED : IDC_BODY;
    CopyEditorText(dialog, shown, other);
    ShowControl(dialog, shown, false);
    ShowControl(dialog, other, true);
    return other;
}

int OpenMailDialog(HWND owner, int mode, const AnsweredItem* item) {
    MailDialogState state;
    state.mode = mode;
    state.item = item;
    return RunDialog(IDD_MAIL, owner, MailProc, reinterpret_cast<LPARAM>(&state));
}

int RunMailDialog(HWND owner) { return OpenMailDialog(owner, kMailNew); }

void QuoteLines(HWND dialog, int editor) {
    HWND edit = GetDlgItem(dialog, editor);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const int first = EditorLineOf(edit, start);
    int last = EditorLineOf(edit, end);
    if (end > start && last > first && EditorLineStart(edit, last) == static_cast<LRESULT>(end))
        --last;
    // From the last line up: a mark put in never moves the start of a line above it.
    for (int line = last; line >= first; --line) {
        const LRESULT at = EditorLineStart(edit, line);
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(at), at);
        SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(">"));
    }
}

int InsertTextFile(HWND dialog, int editor, const std::string& path) {
    BodyFile file;
    {
        WaitCursor wait;
        file = LoadBodyFile(path);
    }
    if (!file.ok) {
        ShowMessages(file);
        return 0;
    }
    InsertAtCaret(GetDlgItem(dialog, editor), file.text);
    return 1;
}

bool ChooseAttachmentFile(HWND owner, std::string* path) {
    return ChooseFile(owner, kAttachChooserTitle, path);
}

std::string RunAttachmentTitleDialog(HWND owner, const std::string& path) {
    return AskAttachmentTitle(owner, path);
}
