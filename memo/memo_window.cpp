#include "memo/memo_window.h"

#include <windowsx.h>

#include <string>
#include <vector>

#include "app/settings/keys.h"
#include "app/settings/local_user.h"
#include "memo/memo_store.h"
#include "print/print_text.h"
#include "res/resource.h"
#include "shell/plumbing.h"
#include "shell/window_classes.h"
#include "shell/window_names.h"
#include "store/sjis.h"

namespace {

constexpr int kMinWidth = 400, kMinHeight = 250;
const INT kListTabStop = 22;

// The window's own state, held in GWLP_USERDATA from creation to WM_NCDESTROY.
struct MemoWindowState {
    std::vector<ListLine> lines;  // the lines shown, with the record each stands for
};

MemoWindowState* StateOf(HWND window) {
    return reinterpret_cast<MemoWindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

std::vector<ListLine>& Lines(HWND window) { return StateOf(window)->lines; }

void EnableMemoButtons(HWND window, bool enable) {
    EnableWindow(GetDlgItem(window, IDC_MEMO_DELETE), enable);
    EnableWindow(GetDlgItem(window, IDC_MEMO_UPDATE), enable);
    EnableWindow(GetDlgItem(window, IDC_MEMO_PRINT), enable);
}

void MemoLoadList(HWND window) {
    WaitCursor busy;
    ListLoad load = MemoLoadList(ClientStore());
    ShowMessages(load);
    Lines(window) = load.lines;
    ListReset(window, IDC_MEMO_LIST);
    for (const ListLine& line : Lines(window)) ListAddString(window, IDC_MEMO_LIST, line.text);
    EnableMemoButtons(window, false);
}

// The selected line, or -1.
int SelectedLine(HWND window) {
    int at = static_cast<int>(ListSelection(window, IDC_MEMO_LIST));
    return at >= 0 && at < static_cast<int>(Lines(window).size()) ? at : -1;
}

void MemoShow(HWND window, int at) {
    const ListLine& line = Lines(window)[static_cast<size_t>(at)];
    MemoContent memo = MemoShow(ClientStore(), line.index, &line.identity);
    if (!memo.found) {
        SetDlgItemTextA(window, IDC_TEXT, "");
        return;
    }
    EnableMemoButtons(window, true);
    SetDlgItemTextA(window, IDC_MEMO_SUBJECT, memo.record.subject.c_str());
    SetDlgItemTextA(window, IDC_TEXT, memo.body.c_str());
}

std::string BodyText(HWND window) {
    return DialogText(window, IDC_TEXT, static_cast<size_t>(ControlTextLength(window, IDC_TEXT)) + 1);
}

void OnStore(HWND window) {
    MemoResult stored;
    {
        WaitCursor busy;
        stored = MemoCreate(ClientStore(), CurrentUser().name,
                            DialogText(window, IDC_MEMO_SUBJECT, kSubjectTextMax), BodyText(window));
    }
    ShowMessages(stored);
    if (stored.ok) MemoLoadList(window);
}

void OnUpdate(HWND window) {
    const int at = SelectedLine(window);
    if (at < 0) return;
    const ListLine& line = Lines(window)[static_cast<size_t>(at)];
    MemoResult updated;
    {
        WaitCursor busy;
        updated = MemoUpdate(ClientStore(), line.index, &line.identity,
                             DialogText(window, IDC_MEMO_SUBJECT, kSubjectTextMax), BodyText(window));
    }
    ShowMessages(updated);
    if (updated.ok) MemoLoadList(window);
}

// At once, without a question: a private memo concerns nobody else. The body box keeps its
// text, so a memo deleted by mistake can be stored again.
void OnDelete(HWND window) {
    const int at = SelectedLine(window);
    if (at < 0) return;
    std::vector<ListLine>& lines = Lines(window);
    const long removed = lines[static_cast<size_t>(at)].index;
    DeleteOutcome outcome;
    {
        WaitCursor busy;
        outcome = MemoDelete(ClientStore(), static_cast<long>(lines.size()), at,
                             &lines[static_cast<size_t>(at)].identity);
    }
    ShowMessages(outcome);
    if (!outcome.ok) return;
    SetDlgItemTextA(window, IDC_MEMO_SUBJECT, "");
    ListDelete(window, IDC_MEMO_LIST, at);
    lines.erase(lines.begin() + at);
    // The records after the deleted one moved one place up in the file.
    for (ListLine& line : lines)
        if (line.index > removed) --line.index;
    EnableWindow(GetDlgItem(window, IDC_MEMO_DELETE), FALSE);
}

BOOL OnCreate(HWND window, LPCREATESTRUCT) {
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new MemoWindowState));
    CreateListBox(window, WS_VISIBLE | WS_TABSTOP, IDC_MEMO_LIST);
    SendDlgItemMessageA(window, IDC_MEMO_LIST, LB_SETTABSTOPS, 1,
                        reinterpret_cast<LPARAM>(&kListTabStop));
    CreateEdit(window, WS_TABSTOP | ES_AUTOHSCROLL, IDC_MEMO_SUBJECT);
    EditLimit(window, IDC_MEMO_SUBJECT, static_cast<int>(kSubjectTextMax));
    CreateEdit(window, WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN, IDC_TEXT);
    SetFixedFont(window, IDC_TEXT);
    CreatePushButton(window, "終了", IDCANCEL);
    CreateButton(window, "登録", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, IDC_MEMO_STORE);
    CreateButton(window, "更新", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, IDC_MEMO_UPDATE);
    CreateButton(window, "削除", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, IDC_MEMO_DELETE);
    CreateButton(window, "印刷", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, IDC_MEMO_PRINT);
    MemoLoadList(window);
    PlaceSubWindowOrCentre(window, kSectionMemo);
    return TRUE;
}

void Move(HWND window, int id, int x, int y, int width, int height) {
    MoveWindow(GetDlgItem(window, id), x, y, width, height, TRUE);
}

void OnSize(HWND window, UINT, int w, int h) {
    const int u = LineHeight(GetDlgItem(window, IDC_MEMO_SUBJECT));
    const int a = w / 2;
    const int x = w - 2 * u - 10;
    Move(window, IDC_MEMO_LIST, 10, 10, a - u - 20, h - 20);
    Move(window, IDC_MEMO_SUBJECT, a - u, 10, a - u - 20, u);
    Move(window, IDC_TEXT, a - u, u + 20, a - u - 20, h - u - 30);
    Move(window, IDCANCEL, x, 10, 2 * u, u);
    Move(window, IDC_MEMO_STORE, x, u + 20, 2 * u, u);
    Move(window, IDC_MEMO_UPDATE, x, 2 * u + 20, 2 * u, u);
    Move(window, IDC_MEMO_DELETE, x, 3 * u + 20, 2 * u, u);
    Move(window, IDC_MEMO_PRINT, x, 4 * u + 30, 2 * u, u);
}

void OnGetMinMaxInfo(HWND, LPMINMAXINFO info) {
    info->ptMinTrackSize.x = kMinWidth;
    info->ptMinTrackSize.y = kMinHeight;
}

void OnSetFocus(HWND window, HWND) { SetFocus(GetDlgItem(window, IDC_MEMO_SUBJECT)); }

void OnActivate(HWND window, UINT state, HWND other, BOOL minimized) {
    if (state != WA_INACTIVE && minimized) RestoreAndBringForward(window);
    // The platform then gives the window the focus, which passes it on to the subject box.
    FORWARD_WM_ACTIVATE(window, state, other, minimized, DefWindowProcA);
}

// The box limits characters, the record bytes: a subject typed past 50 bytes loses what is past.
void KeepSubjectWithinBytes(HWND window) {
    const std::string typed = DialogText(window, IDC_MEMO_SUBJECT, 2 * kSubjectTextMax + 2);
    if (typed.size() <= kSubjectTextMax) return;
    SetDlgItemTextA(window, IDC_MEMO_SUBJECT, CutSjis(typed, kSubjectTextMax).c_str());
    SendDlgItemMessageA(window, IDC_MEMO_SUBJECT, EM_SETSEL, kSubjectTextMax, kSubjectTextMax);
}

void OnCommand(HWND window, int id, HWND, UINT code) {
    switch (id) {
        case IDC_MEMO_SUBJECT:
            if (code == EN_CHANGE) KeepSubjectWithinBytes(window);
            break;
        case IDC_MEMO_LIST:
            if (code == LBN_SELCHANGE) {
                const int at = SelectedLine(window);
                if (at >= 0) MemoShow(window, at);
            }
            break;
        case IDC_MEMO_STORE: OnStore(window); break;
        case IDC_MEMO_UPDATE: OnUpdate(window); break;
        case IDC_MEMO_DELETE: OnDelete(window); break;
        case IDC_MEMO_PRINT: PrintEditText(window, GetDlgItem(window, IDC_TEXT), kCaption); break;
        case IDCANCEL: CloseSubWindow(window, kSectionMemo); break;
    }
}

void OnClose(HWND window) { CloseSubWindow(window, kSectionMemo); }

void OnDestroy(HWND window) {
    if (SubWindowHandle(SubWindow::kMemo) == window) SubWindowHandle(SubWindow::kMemo) = nullptr;
}

void OnNcDestroy(HWND window) {
    delete StateOf(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

}  // namespace

LRESULT CALLBACK MemoWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_SIZE, OnSize);
        HANDLE_MSG(window, WM_GETMINMAXINFO, OnGetMinMaxInfo);
        HANDLE_MSG(window, WM_SETFOCUS, OnSetFocus);
        HANDLE_MSG(window, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_CLOSE, OnClose);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
        HANDLE_MSG(window, WM_NCDESTROY, OnNcDestroy);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
