#include "shell/main_window.h"

#include <windowsx.h>

#include <ctime>

#include "app/settings.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "store/store.h"
#include "users/local_user.h"
#include "users/registry.h"
#include "users/signin_dialogs.h"

namespace {

const char kMsgNoDrive[] =
    "ネットワークに接続されていますか？\nドライブが認識できません。\n確認して起動しなおして下さい。";
const char kMsgQuit[] = "終了しますか？";

struct MainWindowState {
    bool signedIn = false;
};

MainWindowState* StateOf(HWND window) {
    return reinterpret_cast<MainWindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void SetMainTitle(HWND window) {
    std::string title = std::string("ミトカ") + " " + UserSettings().title;
    SetWindowTextA(window, title.c_str());
}

void ShowDailyFortune(HWND window) {
    std::time_t now = std::time(nullptr);
    std::tm today = *std::localtime(&now);
    std::string fortune = TakeDailyFortune(today.tm_year, today.tm_mon + 1, today.tm_mday,
                                           static_cast<unsigned>(now));
    if (!fortune.empty()) ShowNotice(window, fortune);
}

// The network directory must be on a drive the platform knows: a drive letter that is gone, or
// a share that cannot be reached, means that the network is not connected.
bool NetworkDriveKnown() {
    const std::string& dir = NetDir();
    std::string root;
    if (dir.size() >= 2 && dir[1] == ':') {
        root = dir.substr(0, 2) + "\\";
    } else if (dir.size() > 2 && dir[0] == '\\' && dir[1] == '\\') {
        size_t server = dir.find('\\', 2);
        size_t share = server == std::string::npos ? server : dir.find('\\', server + 1);
        root = (share == std::string::npos ? dir : dir.substr(0, share)) + "\\";
    } else {
        return true;  // a relative directory lies on the current drive
    }
    UINT type = GetDriveTypeA(root.c_str());
    return type != DRIVE_UNKNOWN && type != DRIVE_NO_ROOT_DIR;
}

// The start-up sequence; false when it refuses (messages have been shown).
bool SignIn(HWND window) {
    ReadLocalSettings();
    if (LocalSettings().firstRun && !RunFirstRunDialog(window)) return false;
    if ((LocalSettings().autoLogin == 0 || CurrentUser().number == 0) && !RunLoginDialog(window))
        return false;
    ReadUserSettings();
    ShowDailyFortune(window);
    if (UserSettings().loginCheck && !RunPasswordCheckDialog(window)) return false;
    if (!NetworkDriveKnown()) {
        ShowNotice(window, kMsgNoDrive);
        return false;
    }
    SetMainTitle(window);
    MarkSignedIn();
    return true;
}

BOOL OnCreate(HWND window, LPCREATESTRUCT) {
    auto* state = new MainWindowState;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    state->signedIn = SignIn(window);
    return state->signedIn;
}

void OnClose(HWND window) {
    if (AskOkCancel(window, kMsgQuit)) DestroyWindow(window);
}

void OnDestroy(HWND window) {
    MainWindowState* state = StateOf(window);
    // Colleagues see this user as running for as long as the marker exists.
    if (state && state->signedIn) {
        MarkSignedOut();
        PostQuitMessage(0);
    }
}

void OnNcDestroy(HWND window) {
    delete StateOf(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

BOOL OnSetCursor(HWND window, HWND cursorWindow, UINT hitTest, UINT message) {
    if (hitTest != HTCLIENT) return FORWARD_WM_SETCURSOR(window, cursorWindow, hitTest, message,
                                                         DefWindowProcA);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_CLOSE, OnClose);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
        HANDLE_MSG(window, WM_NCDESTROY, OnNcDestroy);
        HANDLE_MSG(window, WM_SETCURSOR, OnSetCursor);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateMainWindow(HINSTANCE instance, int showCommand) {
    HWND window = CreateWindowExA(0, "Mox", "ミトカ", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                                  CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return window;
}
