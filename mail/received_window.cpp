#include "mail/received_window.h"

#include <windowsx.h>

#include "app/settings/keys.h"
#include "app/settings/local_user.h"
#include "mail/list_window.h"
#include "mail/mail_store.h"
#include "mail/phone_dialogs.h"
#include "res/resource.h"
#include "shell/plumbing.h"
#include "shell/window_classes.h"
#include "users/signin_dialogs.h"

namespace {

BOOL OnCreate(HWND window, LPCREATESTRUCT) {
    MailListCreate(window, kListReceived, kSectionRcvList);
    return TRUE;
}

void OnSize(HWND window, UINT, int width, int height) { MailListLayout(window, width, height); }

// Another client may have delivered, or the user read an item elsewhere: coming back to the
// window, by any means, shows the list as it is now.
void OnActivate(HWND window, UINT state, HWND other, BOOL minimized) {
    const MailListWindow* list = MailListOf(window);
    if (state != WA_INACTIVE && list) {
        if (list->reload) MailListLoad(window);
        if (minimized) RestoreAndBringForward(window);
    }
    FORWARD_WM_ACTIVATE(window, state, other, minimized, DefWindowProcA);
}

void OnCommand(HWND window, int id, HWND, UINT code) {
    switch (id) {
        case IDC_MAIL_LIST:
            if (code == LBN_SELCHANGE) MailListSelectionChanged(window);
            if (code == LBN_DBLCLK && OpenReceivedItem(window, IDC_MAIL_LIST) >= 0 &&
                IsWindow(window))
                MailListLoad(window);
            break;
        case IDC_MAIL_DELETE: MailListDelete(window, nullptr); break;
        case IDC_MAIL_LOG: MailListExport(window); break;
        case IDCANCEL: MailListClose(window); break;
    }
}

void OnMeasureItem(HWND window, MEASUREITEMSTRUCT* item) { MailListMeasure(window, item); }
void OnDrawItem(HWND window, const DRAWITEMSTRUCT* item) { MailListDraw(window, item); }
void OnClose(HWND window) { MailListClose(window); }

void OnDestroy(HWND window) {
    if (SubWindowHandle(SubWindow::kRcvList) == window) SubWindowHandle(SubWindow::kRcvList) = nullptr;
}

}  // namespace

LRESULT CALLBACK ReceivedListWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_SIZE, OnSize);
        HANDLE_MSG(window, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_MEASUREITEM, OnMeasureItem);
        HANDLE_MSG(window, WM_DRAWITEM, OnDrawItem);
        HANDLE_MSG(window, WM_CLOSE, OnClose);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
        case kMsgNewsArrived:
            if (MailListOf(window) && MailListOf(window)->reload) MailListLoad(window);
            return 0;
        case WM_NCDESTROY:
            MailListNcDestroy(window);
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int OpenReceivedItem(HWND window, int listControl) {
    const MailListWindow* state = MailListOf(window);
    const int at = MailListCurrentLine(window);
    if (!state || at < 0 || GetDlgItem(window, listControl) == nullptr) return 1;
    const ListLine line = state->lines[static_cast<size_t>(at)];
    OpenedItem opened;
    {
        WaitCursor busy;
        opened = MarkItemOpened(ClientStore(), line.index, &line.identity);
    }
    if (!opened.ok) return 0;
    // Marked opened before the password is asked: a confidential item counts as read by
    // whoever had it on the screen, whether or not the password was known.
    if (IsConfidential(opened.record.shiftFlag) &&
        !RunPasswordCheckDialog(window, CurrentUser().password))
        return 1;
    if (opened.record.kind == kItemPhoneMemo) ShowReceivedPhoneMemo(window, line.index, &line.identity);
    else if (opened.record.kind == kItemMail) ShowReceivedMail(window, line.index, &line.identity);
    return 1;
}
