#include "mail/sent_window.h"

#include <windowsx.h>

#include "app/settings/keys.h"
#include "app/settings/local_user.h"
#include "mail/list_window.h"
#include "mail/mail_item.h"
#include "mail/mail_store.h"
#include "mail/phone_dialogs.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "shell/window_classes.h"
#include "users/signin_dialogs.h"

namespace {

BOOL OnCreate(HWND window, LPCREATESTRUCT) {
    MailListCreate(window, kListSent, kSectionSndList);
    return TRUE;
}

void OnSize(HWND window, UINT, int width, int height) { MailListLayout(window, width, height); }

// Coming back to the window shows what the recipients have done meanwhile; but a click into
// the window does not reload it, so that the line the user clicks stays where it was seen.
void OnActivate(HWND window, UINT state, HWND other, BOOL minimized) {
    const MailListWindow* list = MailListOf(window);
    if (state != WA_INACTIVE && list) {
        if (state != WA_CLICKACTIVE && list->reload) MailListLoad(window);
        if (minimized) RestoreAndBringForward(window);
    }
    FORWARD_WM_ACTIVATE(window, state, other, minimized, DefWindowProcA);
}

// A deleted copy that its recipient had not opened yet: the recipient's copy may go with it.
void OfferRetraction(HWND window, const DeleteOutcome& outcome) {
    if (!outcome.canRetract || !AskYesNo(window, kMsgAskRetract)) return;
    RetractResult result;
    {
        WaitCursor busy;
        result = RetractReceivedCopy(ClientStore(), outcome.retraction);
    }
    ShowMessages(result);
}

void OnCommand(HWND window, int id, HWND, UINT code) {
    switch (id) {
        case IDC_MAIL_LIST:
            if (code == LBN_SELCHANGE) MailListSelectionChanged(window);
            if (code == LBN_DBLCLK && OpenSentItem(window, IDC_MAIL_LIST) >= 0 && IsWindow(window))
                MailListLoad(window);
            break;
        case IDC_MAIL_DELETE: MailListDelete(window, OfferRetraction); break;
        case IDC_MAIL_LOG: MailListExport(window); break;
        case IDCANCEL: MailListClose(window); break;
    }
}

void OnMeasureItem(HWND window, MEASUREITEMSTRUCT* item) { MailListMeasure(window, item); }
void OnDrawItem(HWND window, const DRAWITEMSTRUCT* item) { MailListDraw(window, item); }
void OnClose(HWND window) { MailListClose(window); }

void OnDestroy(HWND window) {
    if (SubWindowHandle(SubWindow::kSndList) == window) SubWindowHandle(SubWindow::kSndList) = nullptr;
}

}  // namespace

LRESULT CALLBACK SentListWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_SIZE, OnSize);
        HANDLE_MSG(window, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_MEASUREITEM, OnMeasureItem);
        HANDLE_MSG(window, WM_DRAWITEM, OnDrawItem);
        HANDLE_MSG(window, WM_CLOSE, OnClose);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
        case WM_NCDESTROY:
            MailListNcDestroy(window);
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int OpenSentItem(HWND window, int listControl) {
    const MailListWindow* state = MailListOf(window);
    const int at = MailListCurrentLine(window);
    if (!state || at < 0 || GetDlgItem(window, listControl) == nullptr) return 1;
    const ListLine line = state->lines[static_cast<size_t>(at)];
    MailRecord record;
    bool found;
    {
        WaitCursor busy;
        found = FindOwnMailRecord(ClientStore(), kListSent, line.index, &line.identity, &record);
    }
    if (!found) return 0;
    if (IsConfidential(record.shiftFlag) && !RunPasswordCheckDialog(window, CurrentUser().password))
        return 1;
    if (record.kind == kItemPhoneMemo) ShowSentPhoneMemo(window, line.index, &line.identity);
    else if (record.kind == kItemMail) ShowSentMail(window, line.index, &line.identity);
    return 1;
}
