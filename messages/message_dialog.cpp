#include "messages/message_dialog.h"

#include <windowsx.h>

#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "mail/broadcast_dialogs.h"
#include "mail/compose_text.h"
#include "mail/recipient_list.h"
#include "messages/message_store.h"
#include "messages/message_text.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "store/lists/broken_time.h"
#include "store/sjis.h"

namespace {

BOOL OnInitDialog(HWND dialog, HWND, LPARAM) {
    CentreWindow(dialog);
    EditLimit(dialog, IDC_TEXT, static_cast<int>(kMessageTextMax));
    FillRecipientList(dialog, IDC_RECIPIENTS, IDC_RECIPIENT_NUMBERS);
    return TRUE;
}

// The edit limits characters, the entry bytes: a text typed or pasted past 300 bytes loses
// what is past, so the box shows exactly what is sent.
void KeepTextWithinBytes(HWND dialog) {
    const std::string typed = DialogText(dialog, IDC_TEXT, 2 * kMessageTextMax + 2);
    if (typed.size() <= kMessageTextMax) return;
    const std::string kept = CutSjis(typed, kMessageTextMax);
    SetDlgItemTextA(dialog, IDC_TEXT, kept.c_str());
    const WPARAM end = static_cast<WPARAM>(kept.size());
    SendDlgItemMessageA(dialog, IDC_TEXT, EM_SETSEL, end, static_cast<LPARAM>(end));
}

void Send(HWND dialog) {
    if (UserSettings().mailSend && !AskOkCancel(dialog, kMsgAskSend)) return;
    MessageSend sent;
    {
        WaitCursor wait;
        const BrokenDownTime now = LocalTimeNow();
        sent = SendMessageToSelection(ClientStore(), CurrentUser().name, SelectedRecipients(dialog),
                                      DialogText(dialog, IDC_TEXT, kMessageTextMax), now.hours,
                                      now.minutes);
    }
    ShowMessages(sent);
    if (!sent.refused) EndDialog(dialog, 1);
}

void ApplyChosenBroadcastList(HWND dialog) {
    int number = 0;
    if (ChooseBroadcastList(dialog, &number) && number != 0) ApplyBroadcastList(dialog, number);
}

void OnCommand(HWND dialog, int id, HWND, UINT code) {
    switch (id) {
        case IDOK: Send(dialog); break;
        case IDC_DISCARD: EndDialog(dialog, 0); break;
        // Escape and the close box: the text written so far would be lost.
        case IDCANCEL:
            if (AskOkCancel(dialog, kMsgAskDiscard)) EndDialog(dialog, 0);
            break;
        case IDC_TEXT:
            if (code == EN_CHANGE) KeepTextWithinBytes(dialog);
            break;
        case IDC_SELECT_ALL: SelectAllRecipients(dialog); break;
        case IDC_BROADCAST: ApplyChosenBroadcastList(dialog); break;
        case IDC_CUT: EditCut(dialog, IDC_TEXT); break;
        case IDC_COPY: EditCopy(dialog, IDC_TEXT); break;
        case IDC_PASTE: EditPaste(dialog, IDC_TEXT); break;
        default: break;
    }
}

INT_PTR CALLBACK MessageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, OnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, OnCommand);
    }
    return FALSE;
}

}  // namespace

int RunMessageDialog(HWND owner) { return RunDialog(IDD_MESSAGE, owner, MessageDialogProc, 0); }
