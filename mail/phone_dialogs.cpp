// The phone-memo entry dialog (900), the phone-memo dialog (901) and a colleague's phone-memo
// list (981).
#include "mail/phone_dialogs.h"

#include <windowsx.h>

#include <vector>

#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "mail/compose_text.h"
#include "mail/mail_lines.h"
#include "mail/mail_store.h"
#include "mail/phone_memo.h"
#include "mail/recipient_list.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "store/result.h"
#include "shell/plumbing.h"
#include "store/lists/list_kinds.h"

namespace {

const int kRequestButtons[] = {IDC_REQUEST_CALL_BACK, IDC_REQUEST_WILL_CALL, IDC_REQUEST_MESSAGE};

// The request of the radio group: the first button that is on, or none.
int ChosenRequest(HWND dialog) {
    for (int id : kRequestButtons)
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) return id - IDC_REQUEST_NONE;
    return kRequestNone;
}

void ShowRequest(HWND dialog, int request) {
    for (int id : kRequestButtons)
        CheckDlgButton(dialog, id, id == IDC_REQUEST_NONE + request ? BST_CHECKED : BST_UNCHECKED);
}

// The caller's name, the number and the free text line up in the fixed-pitch font.
void SetMemoFonts(HWND dialog) {
    for (int control : {IDC_CALLER, IDC_CALLER_PHONE, IDC_TEXT}) SetFixedFont(dialog, control);
}

// ---- the entry dialog (900) ----

struct EntryState {
    CallClock clock = LocalTimeNow;
    BrokenDownTime callTime;  // when the dialog opened; the memo carries it
};

EntryState* EntryOf(HWND dialog) {
    return reinterpret_cast<EntryState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

BOOL EntryOnInitDialog(HWND dialog, HWND, LPARAM param) {
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    EntryState* state = reinterpret_cast<EntryState*>(param);
    CentreWindow(dialog);
    SetFixedFont(dialog, IDC_TEXT);
    EditLimit(dialog, IDC_CALLER, static_cast<int>(kSubjectTextMax));
    EditLimit(dialog, IDC_CALLER_PHONE, static_cast<int>(kPhoneTextMax));
    FillRecipientList(dialog, IDC_RECIPIENTS, IDC_RECIPIENT_NUMBERS);
    state->callTime = state->clock();
    SetDlgItemTextA(dialog, IDC_CALL_TIME, CallTimeText(state->callTime).c_str());
    SetDlgItemTextA(dialog, IDC_TAKEN_BY, CurrentUser().name.c_str());
    return TRUE;
}

// Sends the memo to every selected colleague, with the time the call came; 0 when it was
// refused (nothing written) and the dialog stays open.
int DeliverPhoneMemo(HWND dialog, const BrokenDownTime& callTime) {
    OutgoingItem item;
    item.kind = kItemPhoneMemo;
    // The edits count their limits in characters; the record takes bytes.
    item.subject = DialogText(dialog, IDC_CALLER, kSubjectTextMax);
    item.phone = DialogText(dialog, IDC_CALLER_PHONE, kPhoneTextMax);
    item.request = ChosenRequest(dialog);
    item.body = DialogText(dialog, IDC_TEXT, std::string::npos);
    item.sentTime = callTime;
    const std::vector<Party> recipients = SelectedRecipients(dialog);
    DeliveryResult result;
    {
        WaitCursor wait;
        result = DeliverItem(ClientStore(), CurrentUser().name, recipients, item);
    }
    ShowMessages(result);
    return result.ok ? 1 : 0;
}

void EntryOnCommand(HWND dialog, int id, HWND, UINT) {
    switch (id) {
        case IDOK:
            if (UserSettings().mailSend && !AskOkCancel(dialog, kMsgAskSend)) break;
            if (DeliverPhoneMemo(dialog, EntryOf(dialog)->callTime)) EndDialog(dialog, 1);
            break;
        case IDC_DISCARD: EndDialog(dialog, 0); break;
        // Escape and the close box: the memo written so far would be lost.
        case IDCANCEL:
            if (AskOkCancel(dialog, kMsgAskDiscard)) EndDialog(dialog, 0);
            break;
        case IDC_CUT: EditCut(dialog, IDC_TEXT); break;
        case IDC_COPY: EditCopy(dialog, IDC_TEXT); break;
        case IDC_PASTE: EditPaste(dialog, IDC_TEXT); break;
        default: break;
    }
}

INT_PTR CALLBACK EntryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, EntryOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, EntryOnCommand);
    }
    return FALSE;
}

// ---- the phone-memo dialog (901) ----

// Which memo the dialog shows: a line of the own received or sent list.
struct MemoLine {
    int listKind = kListReceived;
    long index = 0;
    const std::string* identity = nullptr;
};

BOOL MemoOnInitDialog(HWND dialog, HWND, LPARAM param) {
    const MemoLine* line = reinterpret_cast<const MemoLine*>(param);
    CentreWindow(dialog);
    SetMemoFonts(dialog);
    ShowPhoneMemo(dialog, ClientStore().UserFolder(), line->index, line->identity, line->listKind);
    return TRUE;
}

void MemoOnCommand(HWND dialog, int id, HWND, UINT) {
    switch (id) {
        case IDCANCEL: EndDialog(dialog, 0); break;
        case IDC_COPY: EditCopy(dialog, IDC_TEXT); break;
        case IDC_DIAL: DialNumber(dialog, DialogText(dialog, IDC_CALLER_PHONE, kPhoneTextMax)); break;
        default: break;
    }
}

INT_PTR CALLBACK MemoProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, MemoOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, MemoOnCommand);
    }
    return FALSE;
}

// ---- a colleague's phone-memo list (981) ----

struct ColleagueState {
    std::string folder;           // the colleague's user folder
    std::vector<ListLine> lines;  // as loaded, newest first
};

ColleagueState* ColleagueOf(HWND dialog) {
    return reinterpret_cast<ColleagueState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

BOOL ColleagueOnInitDialog(HWND dialog, HWND, LPARAM param) {
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    ColleagueState* state = reinterpret_cast<ColleagueState*>(param);
    CentreWindow(dialog);
    SetMemoFonts(dialog);
    std::vector<int> stops = ListTabStops(kListPhoneMemos);
    SendDlgItemMessageA(dialog, IDC_PHONE_LIST, LB_SETTABSTOPS, stops.size(),
                        reinterpret_cast<LPARAM>(stops.data()));
    ListLoad load;
    {
        WaitCursor wait;
        load = LoadList(ClientStore(), MailListKind(kListPhoneMemos), state->folder);
    }
    ShowMessages(load);
    state->lines = load.lines;
    for (const ListLine& line : state->lines) ListAddString(dialog, IDC_PHONE_LIST, line.text);
    return TRUE;
}

// Shows the memo of the selected line. Only reads: the colleague's marks stay as they are.
void ShowSelectedMemo(HWND dialog) {
    const ColleagueState* state = ColleagueOf(dialog);
    const LRESULT line = ListSelection(dialog, IDC_PHONE_LIST);
    if (line < 0 || static_cast<size_t>(line) >= state->lines.size()) return;
    const ListLine& shown = state->lines[static_cast<size_t>(line)];
    ShowPhoneMemo(dialog, state->folder, shown.index, &shown.identity);
}

void ColleagueOnCommand(HWND dialog, int id, HWND, UINT code) {
    switch (id) {
        case IDCANCEL: EndDialog(dialog, 0); break;
        case IDC_PHONE_LIST:
            if (code == LBN_SELCHANGE) ShowSelectedMemo(dialog);
            break;
        default: break;
    }
}

INT_PTR CALLBACK ColleagueProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, ColleagueOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, ColleagueOnCommand);
    }
    return FALSE;
}

}  // namespace

int OpenPhoneMemoEntry(HWND owner, CallClock clock) {
    EntryState state;
    state.clock = clock;
    return RunDialog(IDD_PHONE_ENTRY, owner, EntryProc, reinterpret_cast<LPARAM>(&state));
}

int RunPhoneMemoEntry(HWND owner) { return OpenPhoneMemoEntry(owner); }

bool ShowPhoneMemo(HWND dialog, const std::string& folder, long index,
                   const std::string* identity, int listKind) {
    PhoneMemoShown memo;
    {
        WaitCursor wait;
        memo = ReadPhoneMemo(ClientStore(), folder, index, identity, listKind);
    }
    if (!memo.found) return false;
    const MailRecord& r = memo.record;
    SetDlgItemTextA(dialog, IDC_CALL_TIME, CallTimeText(r.sentTime).c_str());
    SetDlgItemTextA(dialog, IDC_CALLER, r.subject.c_str());
    SetDlgItemTextA(dialog, IDC_CALLER_PHONE, r.phone.c_str());
    SetDlgItemTextA(dialog, IDC_TAKEN_BY, r.userName.c_str());
    ShowRequest(dialog, r.request);
    SetDlgItemTextA(dialog, IDC_TEXT, memo.body.text.c_str());
    return true;
}

void ShowReceivedPhoneMemo(HWND owner, long index, const std::string* identity) {
    MemoLine line{kListReceived, index, identity};
    RunDialog(IDD_PHONE_MEMO, owner, MemoProc, reinterpret_cast<LPARAM>(&line));
}

void ShowSentPhoneMemo(HWND owner, long index, const std::string* identity) {
    MemoLine line{kListSent, index, identity};
    RunDialog(IDD_PHONE_MEMO, owner, MemoProc, reinterpret_cast<LPARAM>(&line));
}

void ShowColleaguePhoneMemos(HWND owner, const std::string& userNumberText) {
    ColleagueState state;
    state.folder = userNumberText;
    RunDialog(IDD_PHONE_LIST, owner, ColleagueProc, reinterpret_cast<LPARAM>(&state));
}

int DialNumber(HWND, const std::string&) { return 1; }
