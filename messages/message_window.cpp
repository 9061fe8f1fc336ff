#include "messages/message_window.h"

#include <windowsx.h>

#include "app/settings/keys.h"
#include "app/settings/local_user.h"
#include "messages/message_store.h"
#include "res/resource.h"
#include "shell/plumbing.h"
#include "shell/window_classes.h"
#include "store/store.h"

namespace {

const COLORREF kGrey = RGB(192, 192, 192);

// The window's own state, held in GWLP_USERDATA from creation to WM_NCDESTROY.
struct MessageWindowState {
    HBRUSH grey = nullptr;
    // The network drive was found gone while the window held text: it stays, and takes again
    // (quietly looking for the drive first) only once the drive is back.
    bool driveLost = false;
    // A take is under way: the box that reports a lost drive hands the focus back when it
    // closes, which must not start a second take (and a second box) inside the first.
    bool taking = false;
};

MessageWindowState* StateOf(HWND window) {
    return reinterpret_cast<MessageWindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

HWND TextBox(HWND window) { return GetDlgItem(window, IDC_TEXT); }

void AppendText(HWND window, const std::string& text) {
    HWND edit = TextBox(window);
    const WPARAM end = static_cast<WPARAM>(GetWindowTextLengthA(edit));
    SendMessageA(edit, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

// Takes the pending messages and adds them below those shown. With the drive gone an empty
// window closes; one that shows messages keeps them, since they are nowhere else any more.
void TakeMessages(HWND window) {
    MessageWindowState* state = StateOf(window);
    const StoreContext store = ClientStore();
    if (state->taking) return;
    if (state->driveLost && !StoreDriveReachable(MessageFilePath(store, store.UserFolder())))
        return;
    state->driveLost = false;
    PendingMessages pending;
    state->taking = true;
    {
        WaitCursor busy;
        pending = TakePendingMessages(store);
    }
    state->taking = false;
    if (pending.taken) AppendText(window, pending.text);
    if (!pending.driveGone) return;
    state->driveLost = true;
    if (GetWindowTextLengthA(TextBox(window)) == 0) PostMessageA(window, WM_CLOSE, 0, 0);
}

BOOL OnCreate(HWND window, LPCREATESTRUCT) {
    auto* state = new MessageWindowState;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    CreateEdit(window, WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, IDC_TEXT);
    // Messages gather until the window closes: no limit of the edit's own.
    EditLimit(window, IDC_TEXT, 0);
    CreatePushButton(window, "終了", IDCANCEL);
    TakeMessages(window);
    SetFocus(GetDlgItem(window, IDCANCEL));
    PlaceSubWindow(window, kSectionMsg);
    state->grey = CreateSolidBrush(kGrey);
    return TRUE;
}

void OnSize(HWND window, UINT, int w, int h) {
    HWND button = GetDlgItem(window, IDCANCEL);
    const int u = LineHeight(button);
    MoveWindow(TextBox(window), 10, 10, w - 20, h - u - 30, TRUE);
    MoveWindow(button, (w - 2 * u) / 2, h - u - 10, 2 * u, u, TRUE);
}

HBRUSH OnCtlColorStatic(HWND window, HDC dc, HWND control, int) {
    MessageWindowState* state = StateOf(window);
    if (control != TextBox(window) || !state || !state->grey)
        return FORWARD_WM_CTLCOLORSTATIC(window, dc, control, DefWindowProcA);
    SetBkColor(dc, kGrey);
    return state->grey;
}

void OnActivate(HWND window, UINT state, HWND other, BOOL minimized) {
    if (state != WA_INACTIVE && minimized) RestoreAndBringForward(window);
    FORWARD_WM_ACTIVATE(window, state, other, minimized, DefWindowProcA);
}

void OnSetFocus(HWND window, HWND) {
    TakeMessages(window);
    SetFocus(GetDlgItem(window, IDCANCEL));
}

void OnCommand(HWND window, int id, HWND, UINT) {
    if (id == IDCANCEL) PostMessageA(window, WM_CLOSE, 0, 0);
}

void OnClose(HWND window) { CloseSubWindow(window, kSectionMsg); }

void OnDestroy(HWND window) {
    MessageWindowState* state = StateOf(window);
    if (state && state->grey) DeleteObject(state->grey);
    if (state) state->grey = nullptr;
    if (SubWindowHandle(SubWindow::kMsg) == window) SubWindowHandle(SubWindow::kMsg) = nullptr;
}

void OnNcDestroy(HWND window) {
    delete StateOf(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

}  // namespace

LRESULT CALLBACK MessageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_SIZE, OnSize);
        HANDLE_MSG(window, WM_CTLCOLORSTATIC, OnCtlColorStatic);
        HANDLE_MSG(window, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(window, WM_SETFOCUS, OnSetFocus);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_CLOSE, OnClose);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
        HANDLE_MSG(window, WM_NCDESTROY, OnNcDestroy);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
