#include "chat/chat_window.h"

#include <windowsx.h>

#include <climits>

#include "app/settings/keys.h"
#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "chat/chat_store.h"
#include "chat/chat_text.h"
#include "res/resource.h"
#include "shell/plumbing.h"
#include "shell/window_classes.h"
#include "store/sjis.h"

namespace {

const UINT_PTR kPollTimer = 1;
const UINT kPollMs = 1000;
const COLORREF kGrey = RGB(192, 192, 192);

// What this process has seen of the room and how far its poll counter has run: both outlive
// the window, as the handle does.
ChatView& RoomView() {
    static ChatView view;
    return view;
}
int& PollCounter() {
    static int counter = 0;
    return counter;
}

// ---- the handle name dialog ----

// The edit limits characters, the member record bytes: a handle typed past 20 bytes loses
// what is past, so the box shows the handle the room will see.
void KeepWithinBytes(HWND dialog, int control, size_t maxBytes) {
    const std::string typed = DialogText(dialog, control, 2 * maxBytes + 2);
    if (typed.size() <= maxBytes) return;
    const std::string kept = CutSjis(typed, maxBytes);
    SetDlgItemTextA(dialog, control, kept.c_str());
    const WPARAM end = static_cast<WPARAM>(kept.size());
    SendDlgItemMessageA(dialog, control, EM_SETSEL, end, static_cast<LPARAM>(end));
}

BOOL OnEntryInitDialog(HWND dialog, HWND, LPARAM) {
    CentreWindow(dialog);
    EditLimit(dialog, IDC_CHAT_HANDLE, static_cast<int>(kChatHandleMax));
    return TRUE;
}

void OnEntryCommand(HWND dialog, int id, HWND, UINT code) {
    switch (id) {
        case IDOK: {
            const std::string handle = DialogText(dialog, IDC_CHAT_HANDLE, kChatHandleMax);
            ChatHandle() = handle.empty() ? CutSjis(CurrentUser().name, kChatHandleMax) : handle;
            EndDialog(dialog, 1);
            break;
        }
        case IDCANCEL: EndDialog(dialog, 0); break;
        case IDC_CHAT_HANDLE:
            if (code == EN_CHANGE) KeepWithinBytes(dialog, IDC_CHAT_HANDLE, kChatHandleMax);
            break;
        default: break;
    }
}

INT_PTR CALLBACK ChatEntryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, OnEntryInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, OnEntryCommand);
    }
    return FALSE;
}

// ---- the chat window ----

// The window's own state, held in GWLP_USERDATA from creation to WM_NCDESTROY.
struct ChatWindowState {
    HBRUSH grey = nullptr;
    WNDPROC inputProc = nullptr;  // the input field's own procedure, under ours
    bool inRoom = false;          // entered and not yet left
};

ChatWindowState* StateOf(HWND window) {
    return reinterpret_cast<ChatWindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

HWND Conversation(HWND window) { return GetDlgItem(window, IDC_TEXT); }

std::string ConversationText(HWND window) {
    return DialogText(window, IDC_TEXT, static_cast<size_t>(ControlTextLength(window, IDC_TEXT)) * 2 + 1);
}

void ScrollToEnd(HWND edit) {
    SendMessageA(edit, EM_SETSEL, INT_MAX, INT_MAX);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

void ShowNewText(HWND window, const std::string& added) {
    HWND edit = Conversation(window);
    const std::string shown = ConversationText(window);
    const std::string after = ChatConversationAfter(shown, added);
    if (after.size() == shown.size() + added.size()) {
        ScrollToEnd(edit);
        SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
    } else {
        SetWindowTextA(edit, after.c_str());
    }
    ScrollToEnd(edit);
}

void Poll(HWND window) {
    const StoreContext store = ClientStore();
    const ChatLogNews news = PollChatLog(store, &RoomView());
    if (!news.text.empty()) ShowNewText(window, news.text);
    const ChatMembers members = PollChatMembers(store, &RoomView());
    if (!members.changed) return;
    ListReset(window, IDC_CHAT_MEMBERS);
    for (const RegistryRecord& member : members.members)
        ListAddString(window, IDC_CHAT_MEMBERS, member.name);
}

void Say(HWND window) {
    const std::string text = DialogText(window, IDC_CHAT_INPUT, kChatSayMax);
    if (text.empty()) return;
    SayInChat(ClientStore(), ChatHandle(), text);
    SetDlgItemTextA(window, IDC_CHAT_INPUT, "");
}

// The Enter key's character says the line instead of reaching the field.
LRESULT CALLBACK InputProc(HWND input, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = GetParent(input);
    ChatWindowState* state = StateOf(window);
    if (message == WM_CHAR && wParam == '\r') {
        Say(window);
        return 0;
    }
    return CallWindowProcA(state->inputProc, input, message, wParam, lParam);
}

void Leave(HWND window) {
    ChatWindowState* state = StateOf(window);
    KillTimer(window, kPollTimer);
    if (!state || !state->inRoom) return;
    state->inRoom = false;
    WaitCursor busy;
    LeaveChat(ClientStore(), ChatHandle());
}

BOOL OnCreate(HWND window, LPCREATESTRUCT) {
    WaitCursor busy;
    auto* state = new ChatWindowState;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    state->grey = CreateSolidBrush(kGrey);
    CreateEdit(window, WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, IDC_TEXT);
    // One poll may bring any amount of text: no limit of the edit's own.
    EditLimit(window, IDC_TEXT, 0);
    HWND input = CreateEdit(window, WS_TABSTOP | ES_AUTOHSCROLL, IDC_CHAT_INPUT);
    EditLimit(window, IDC_CHAT_INPUT, static_cast<int>(kChatSayMax));
    state->inputProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(input, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(InputProc)));
    CreateListBox(window, WS_VISIBLE, IDC_CHAT_MEMBERS);
    CreatePushButton(window, "終了", IDCANCEL);
    // A new window shows the members at its first poll, whatever the list's time.
    RoomView().membersRead = false;
    state->inRoom = EnterChat(ClientStore(), ChatHandle(), &RoomView());
    while (!SetTimer(window, kPollTimer, kPollMs, nullptr)) Sleep(100);
    SetFocus(input);
    PlaceSubWindow(window, kSectionChat);
    return TRUE;
}

void Move(HWND window, int id, int x, int y, int width, int height) {
    MoveWindow(GetDlgItem(window, id), x, y, width, height, TRUE);
}

void OnSize(HWND window, UINT, int w, int h) {
    const int u = LineHeight(GetDlgItem(window, IDCANCEL));
    Move(window, IDC_TEXT, 10, 10, w - 125, h - 2 * u - 40);
    Move(window, IDC_CHAT_INPUT, 10, h - 2 * u - 20, w - 125, u);
    Move(window, IDC_CHAT_MEMBERS, w - 105, 10, 95, h - 2 * u - 40);
    Move(window, IDCANCEL, w - 2 * u - 115, h - u - 10, 2 * u, u);
}

void OnTimer(HWND window, UINT id) {
    if (id != kPollTimer) return;
    int& counter = PollCounter();
    if (counter == 0) Poll(window);
    const int every = UserSettings().chatCheckSec;
    counter = every > 0 ? (counter + 1) % every : 1;
}

HBRUSH OnCtlColorStatic(HWND window, HDC dc, HWND control, int) {
    ChatWindowState* state = StateOf(window);
    if (control != Conversation(window) || !state || !state->grey)
        return FORWARD_WM_CTLCOLORSTATIC(window, dc, control, DefWindowProcA);
    SetBkColor(dc, kGrey);
    return state->grey;
}

void OnActivate(HWND window, UINT state, HWND other, BOOL minimized) {
    if (state != WA_INACTIVE && minimized) RestoreAndBringForward(window);
    FORWARD_WM_ACTIVATE(window, state, other, minimized, DefWindowProcA);
}

void OnSetFocus(HWND window, HWND) { SetFocus(GetDlgItem(window, IDC_CHAT_INPUT)); }

void OnCommand(HWND window, int id, HWND, UINT code) {
    switch (id) {
        case IDCANCEL: PostMessageA(window, WM_CLOSE, 0, 0); break;
        case IDC_CHAT_INPUT:
            if (code == EN_CHANGE) KeepWithinBytes(window, IDC_CHAT_INPUT, kChatSayMax);
            break;
        default: break;
    }
}

void OnClose(HWND window) {
    Leave(window);
    CloseSubWindow(window, kSectionChat);
}

// A window destroyed without a close request (the process ends) still leaves the room.
void OnDestroy(HWND window) {
    Leave(window);
    ChatWindowState* state = StateOf(window);
    if (state && state->grey) DeleteObject(state->grey);
    if (state) state->grey = nullptr;
    if (SubWindowHandle(SubWindow::kChat) == window) SubWindowHandle(SubWindow::kChat) = nullptr;
}

void OnNcDestroy(HWND window) {
    delete StateOf(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

}  // namespace

int RunChatEntryDialog(HWND owner) {
    return RunDialog(IDD_CHAT_ENTRY, owner, ChatEntryDialogProc, 0);
}

std::string& ChatHandle() {
    static std::string handle;
    return handle;
}

LRESULT CALLBACK ChatWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_SIZE, OnSize);
        HANDLE_MSG(window, WM_TIMER, OnTimer);
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
