#include "shell/main_window.h"

#include <windowsx.h>

#include <ctime>
#include <string>

#include "app/settings/keys.h"
#include "app/settings/local_user.h"
#include "app/settings/profile.h"
#include "app/settings/settings.h"
#include "res/resource.h"
#include "shell/about_dialog.h"
#include "shell/launcher_bitmap.h"
#include "shell/launcher_regions.h"
#include "shell/launcher_window.h"
#include "shell/main_plugins.h"
#include "shell/main_polls.h"
#include "shell/main_tables.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "shell/window_classes.h"
#include "shell/window_names.h"
#include "store/store.h"
#include "users/registry.h"
#include "users/signin_dialogs.h"

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollPeriodMs = 1000;
// The status strip where the name under the mouse shows: from x = 30 over the last 20 pixels
// of the client area.
constexpr int kLabelLeft = 30;
constexpr int kLabelHeight = 20;

const char kMsgNoDrive[] =
    "ネットワークに接続されていますか？\nドライブが認識できません。\n確認して起動しなおして下さい。";
const char kMsgQuit[] = "終了しますか？";
const char kMsgNoTimer[] = "Too many clovks or timers!";

struct MainWindowState {
    bool running = false;       // signed in: destruction signs out and ends the message loop
    bool started = false;       // the start-up sequence is through: the polls may begin
    std::tm startedAt = {};     // the day this run started on
    PollCounters counters;
    bool polling = false;       // a tick's checks are running (a message box of theirs may be open)
    bool askingToQuit = false;  // "終了しますか？" is open
    bool newMail = false;       // the title carries the new-mail mark
    HCURSOR regionCursor = nullptr;
    std::string label;          // on the status strip; "" over no region
    LauncherState launcher;     // the regions, the scroll offset and the rectangle dragged
};

MainWindowState* StateOf(HWND window) {
    return reinterpret_cast<MainWindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool IsOpen(HWND window) { return window && IsWindow(window); }

void SetMainTitle(HWND window, bool newMail) {
    if (MainWindowState* state = StateOf(window)) state->newMail = newMail;
    SetWindowTextA(window, MainTitleText(UserSettings().title, newMail).c_str());
}

void SetTopmost(HWND window, bool topmost) {
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// A dialog must not open behind a main window that stays on top.
void DropTopmost(HWND window) {
    if (UserSettings().windowPos) SetTopmost(window, false);
}

void RestoreTopmost(HWND window) {
    if (UserSettings().windowPos && IsIconic(window)) SetTopmost(window, true);
}

// Runs a dialog that another part plugs in and returns its answer; 0 while that part is not
// built.
int RunPluginDialog(HWND window, DialogRunner run, bool dropTopmost) {
    if (!run) return 0;
    if (dropTopmost) DropTopmost(window);
    int answer = run(window);
    if (dropTopmost && IsWindow(window)) RestoreTopmost(window);
    return answer;
}

// Each sub-window exists at most once: an open one comes to the top as it is (moved, sized and
// minimised as the user left it), otherwise it is created.
HWND OpenSubWindow(SubWindow which, bool foreground) {
    HWND window = SubWindowHandle(which);
    if (IsOpen(window)) {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    } else {
        window = CreateSubWindow(AppInstance(), which);
    }
    if (foreground && window) SetForegroundWindow(window);
    return window;
}

void RunEnvironmentSettings(HWND window) {
    DialogRunner run = Plugins().environmentSettings;
    if (!run) return;
    DropTopmost(window);
    run(window);
    if (!IsWindow(window)) return;
    SetMainTitle(window, StateOf(window)->newMail);
    SetTopmost(window, UserSettings().windowPos != 0);
}

void RunOwnDestinationEntry(HWND window) {
    OwnEntryRunner run = Plugins().ownDestinationEntry;
    if (!run) return;
    std::string destination;
    DropTopmost(window);
    int saved = run(window, CurrentUser(), &destination);
    if (IsWindow(window)) RestoreTopmost(window);
    if (saved && !destination.empty()) PlaySettingSound(kKeyDestWave, kKeyDestWaveFile);
}

void OpenChat(HWND window) {
    if (IsOpen(SubWindowHandle(SubWindow::kChat))) {
        OpenSubWindow(SubWindow::kChat, false);
        return;
    }
    // The chat room is entered under a handle chosen in the entry dialog first.
    if (RunPluginDialog(window, Plugins().chatEntry, true)) OpenSubWindow(SubWindow::kChat, false);
}

// The new password is the signed-in user's from now on.
void RunPasswordChange(HWND window) {
    DropTopmost(window);
    PasswordChoice choice = RunPasswordChangeDialog(window, ClientStore(), CurrentUser().password);
    if (IsWindow(window)) RestoreTopmost(window);
    if (choice.done) CurrentUser().password = choice.password;
}

// The menu settings dialog works on the launcher regions this window shows.
void RunMenuSettings(HWND window) {
    MainWindowState* state = StateOf(window);
    if (state && Plugins().menuSettings) Plugins().menuSettings(window, state->launcher);
}

// Menu bar, system menu and the window's own posted commands alike. 0 when handled.
int DispatchCommand(HWND window, UINT command) {
    const MainPlugins& plugins = Plugins();
    switch (command) {
        case CMD_ENVIRONMENT: RunEnvironmentSettings(window); break;
        case CMD_ABOUT: RunAboutBox(window); break;
        case CMD_QUIT: PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
        case CMD_DESTINATIONS: RunPluginDialog(window, plugins.destinationList, true); break;
        case CMD_INOUT_BOARD: OpenSubWindow(SubWindow::kBord, false); break;
        case CMD_PHONE_MEMO: RunPluginDialog(window, plugins.phoneMemo, true); break;
        case CMD_RECEIVED:
            SetMainTitle(window, false);
            OpenSubWindow(SubWindow::kRcvList, false);
            break;
        case CMD_SENT: OpenSubWindow(SubWindow::kSndList, false); break;
        case CMD_MAIL: RunPluginDialog(window, plugins.mailCompose, true); break;
        case CMD_MENU_SETTINGS: RunMenuSettings(window); break;
        case CMD_MESSAGE: RunPluginDialog(window, plugins.message, true); break;
        case CMD_BOARDS: OpenSubWindow(SubWindow::kBbs, false); break;
        case CMD_CONNECTIONS: RunPluginDialog(window, plugins.connectionList, false); break;
        case CMD_PASSWORD: RunPasswordChange(window); break;
        case CMD_CHAT: OpenChat(window); break;
        case CMD_MEMO: OpenSubWindow(SubWindow::kMemo, false); break;
        case CMD_CALENDAR: OpenSubWindow(SubWindow::kCale, false); break;
        default: return 1;
    }
    return 0;
}

// A launcher function or a right click on the caption.
void RunAction(HWND window, int action) {
    if (action == kRunOwnDestinationEntry) {
        RunOwnDestinationEntry(window);
    } else if (action != kRunNothing) {
        PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(action), 0);
    }
}

// ---- start-up ----------------------------------------------------------------------------

void ShowDailyFortune(HWND window, const std::tm& today, std::time_t now) {
    std::string fortune = TakeDailyFortune(today.tm_year, today.tm_mon + 1, today.tm_mday,
                                           static_cast<unsigned>(now));
    if (!fortune.empty()) ShowNotice(window, fortune);
}

// The network directory must be on a drive the platform knows: a drive letter that is gone, or
// a share that cannot be reached, means that the network is not connected.
bool NetworkDriveKnown() {
    std::string root = PathRoot(LocalSettings().netDir);
    if (root.empty()) return true;  // a relative directory lies on the current drive
    UINT type = GetDriveTypeA(root.c_str());
    return type != DRIVE_UNKNOWN && type != DRIVE_NO_ROOT_DIR;
}

WNDPROC SubWindowProcedure(SubWindow which) {
    return Plugins().windowProcedures[static_cast<int>(which)];
}

// After a separator: the pop-ups of the menu bar, then the memo and the calendar, which only
// the system menu offers.
void AddSystemMenuItems(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    HMENU popup = nullptr;
    for (int i = 0; i < kSystemMenuEntryCount; ++i) {
        const SystemMenuEntry& e = kSystemMenuEntries[i];
        switch (e.kind) {
            case SystemMenuEntry::kPopup:
                popup = CreatePopupMenu();
                AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), e.text);
                break;
            case SystemMenuEntry::kPopupItem:
                AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(e.command), e.text);
                break;
            case SystemMenuEntry::kItem:
                AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(e.command), e.text);
                break;
        }
    }
}

// What first-run setup chose becomes this run's settings and user.
void TakeSetup(const SetupChoice& choice) {
    LocalSettingsValues& local = LocalSettings();
    local.netDir = choice.netDir;
    local.version = kSetupVersion;
    local.firstRun = false;
    if (choice.sharedPc) {
        local.autoLogin = 0;
        return;
    }
    local.nameNumber = choice.number;
    SetCurrentUserNumber(choice.number);
    CurrentUser().name = choice.name;
    CurrentUser().loginName = choice.loginName;
}

// The user who logged in works in this run.
void TakeLogin(const LoginChoice& choice) {
    SetCurrentUserNumber(choice.user.number);
    CurrentUser().name = choice.user.name;
    CurrentUser().loginName = choice.user.loginName;
}

// The start-up sequence, in its order; false when it refuses (its messages have been shown).
bool StartUp(HWND window, MainWindowState* state) {
    const std::time_t now = std::time(nullptr);
    state->startedAt = *std::localtime(&now);
    ReadLocalSettings();
    if (LocalSettings().firstRun) {
        SetupChoice setup = RunFirstRunDialog(window, LocalSettings().netDir);
        if (!setup.done) return false;
        TakeSetup(setup);
        if (!CurrentUser().name.empty()) DispatchCommand(window, CMD_ENVIRONMENT);
    }
    if (LocalSettings().autoLogin == 0 || CurrentUser().number == 0) {
        LoginChoice login = RunLoginDialog(window, LocalSettings().netDir);
        if (!login.done) return false;
        TakeLogin(login);
    }
    ReadUserSettings();
    ShowDailyFortune(window, state->startedAt, now);
    if (UserSettings().loginCheck && !RunPasswordCheckDialog(window, CurrentUser().password))
        return false;
    if (!NetworkDriveKnown()) {
        ShowNotice(window, kMsgNoDrive);
        return false;
    }
    ShowInfoText(window, ClientStore());
    SetMainTitle(window, false);

    // A class registered already (a second main window in one process) keeps working.
    RegisterSubWindowClasses(AppInstance(), SubWindowProcedure);
    state->regionCursor = LoadCursorA(AppInstance(), MAKEINTRESOURCEA(IDCUR_REGION));
    AddSystemMenuItems(window);
    LoadLauncherRegions(state->launcher);
    // Colleagues see this user as running for as long as the marker exists.
    MarkSignedIn(ClientStore());
    state->running = true;
    state->counters = StartingPollCounters(UserSettings().bbsCheck);
    while (!SetTimer(window, kPollTimer, kPollPeriodMs, nullptr)) {
        if (MessageBoxA(window, kMsgNoTimer, "Mox", MB_ICONEXCLAMATION | MB_RETRYCANCEL) == IDCANCEL)
            UserSettings().animation = 0;
    }
    state->launcher.scroll = PicturePoint();
    // The timer ticks while a message of the picture is open, but the polls wait for the
    // picture: a start that ends here must leave mail.mox for the next start to announce.
    if (!LoadLauncherBitmap(window, state->launcher)) {
        // The process ends without destroying this window: sign out now, or colleagues would
        // see this user as running until the next start.
        KillTimer(window, kPollTimer);
        MarkSignedOut(ClientStore());
        state->running = false;
        PostQuitMessage(3);
        return true;
    }
    state->started = true;
    return true;
}

// ---- the launcher --------------------------------------------------------------------------

RECT LabelStrip(HWND window) {
    RECT strip;
    GetClientRect(window, &strip);
    strip.left = kLabelLeft;
    strip.top = strip.bottom - kLabelHeight;
    return strip;
}

void DrawLabel(HWND window, HDC dc, const std::string& label) {
    const RECT strip = LabelStrip(window);
    HFONT oldFont = SelectFont(dc, GetStockFont(DEFAULT_GUI_FONT));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    SetBkMode(dc, OPAQUE);
    TextOutA(dc, strip.left, strip.top, label.c_str(), static_cast<int>(label.size()));
    SelectFont(dc, oldFont);
}

// The strip is drawn anew with the picture under it, so a shorter name leaves nothing of a
// longer one and no name leaves the strip clear.
void ShowLabel(HWND window, MainWindowState* state, const std::string& label) {
    if (label == state->label) return;
    state->label = label;
    RECT strip = LabelStrip(window);
    InvalidateRect(window, &strip, TRUE);
    UpdateWindow(window);
}

void ShowRegionCursor(MainWindowState* state, bool overRegion) {
    if (!state) return;
    HCURSOR cursor = overRegion && state->regionCursor ? state->regionCursor
                                                       : LoadCursorA(nullptr, IDC_ARROW);
    if (GetCursor() != cursor) SetCursor(cursor);
}

bool OverRegion(int region) { return KindOfRegion(region) != RegionKind::kNone; }

// ---- message handlers ----------------------------------------------------------------------

BOOL OnCreate(HWND window, LPCREATESTRUCT) {
    auto* state = new MainWindowState;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    return StartUp(window, state);
}

void OnPaint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (MainWindowState* state = StateOf(window)) {
        PaintLauncher(window, dc, state->launcher);
        if (!state->label.empty()) DrawLabel(window, dc, state->label);
    }
    EndPaint(window, &ps);
}

void OnTimer(HWND window, UINT id) {
    MainWindowState* state = StateOf(window);
    // While a box of the last tick or the close question is open the polls wait: a lost drive
    // must not be asked about twice, nor reported under the question every second.
    if (id != kPollTimer || !state || !state->started || state->polling || state->askingToQuit)
        return;
    state->polling = true;
    const UserSettingsValues& u = UserSettings();
    const PollIntervals intervals = {u.mailCheckSec, u.msgCheckSec, u.bbsCheckSec};
    TickAnswer answer = PollTick(ClientStore(), state->counters, intervals,
                                 IsOpen(SubWindowHandle(SubWindow::kBbs)));
    if (!IsWindow(window)) return;  // destroyed while a box of the checks was open
    state->polling = false;
    if (answer.boardNews) OpenSubWindow(SubWindow::kBbs, true);
    // The flag is gone once noticed: when the received list cannot be brought up, the title
    // must still tell of the mail.
    if (answer.mailNews) {
        HWND list = u.mailPopup ? OpenSubWindow(SubWindow::kRcvList, true) : nullptr;
        if (list) SendMessageA(list, kMsgNewsArrived, 0, 0);
        else SetMainTitle(window, true);
    }
    if (answer.messageNews) {
        // Raising a window that is active already gives it no focus, and the focus is what
        // makes it take the file: give it the focus outright.
        HWND messages = OpenSubWindow(SubWindow::kMsg, true);
        if (messages) SetFocus(messages);
    }
    if (answer.driveGone) PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void OnCommand(HWND window, int id, HWND, UINT) {
    if (UserSettings().minimize) ShowWindow(window, SW_MINIMIZE);
    DispatchCommand(window, static_cast<UINT>(id));
}

void OnSysCommand(HWND window, UINT command, int x, int y) {
    if (DispatchCommand(window, command) != 0)
        FORWARD_WM_SYSCOMMAND(window, command, x, y, DefWindowProcA);
}

// The menu bar's kana keys: a key the menu does not know as an access letter is looked up among
// the kana named in the labels of the open menu.
DWORD OnMenuChar(HWND window, UINT ch, UINT flags, HMENU menu) {
    if (!(flags & MF_SYSMENU)) {
        const int count = GetMenuItemCount(menu);
        for (int i = 0; i < count; ++i) {
            char text[64] = "";
            if (GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION) > 0 &&
                MenuKanaKey(text) == static_cast<unsigned char>(ch))
                return MAKELRESULT(i, MNC_EXECUTE);
        }
    }
    return static_cast<DWORD>(DefWindowProcA(window, WM_MENUCHAR, MAKEWPARAM(ch, flags),
                                              reinterpret_cast<LPARAM>(menu)));
}

void OnMouseMove(HWND window, int x, int y, UINT) {
    MainWindowState* state = StateOf(window);
    if (!state) return;
    const int region = RegionHitTest(state->launcher, x, y);
    ShowRegionCursor(state, OverRegion(region));
    ShowLabel(window, state, RegionLabel(state->launcher.tables, region));
}

BOOL OnSetCursor(HWND window, HWND cursorWindow, UINT hitTest, UINT message) {
    if (hitTest != HTCLIENT)
        return FORWARD_WM_SETCURSOR(window, cursorWindow, hitTest, message, DefWindowProcA);
    // The class has no cursor of its own: the one for the point is chosen here, as on a move.
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    if (MainWindowState* state = StateOf(window))
        ShowRegionCursor(state, OverRegion(RegionHitTest(state->launcher, p.x, p.y)));
    return TRUE;
}

void OnLButtonUp(HWND window, int x, int y, UINT) {
    MainWindowState* state = StateOf(window);
    if (!state) return;
    const int region = RegionHitTest(state->launcher, x, y);
    switch (KindOfRegion(region)) {
        case RegionKind::kFunction: RunAction(window, FunctionCommand(region)); break;
        case RegionKind::kProgram:
            if (UserSettings().minimize) ShowWindow(window, SW_MINIMIZE);
            LaunchProgram(region);
            break;
        case RegionKind::kNone: break;
    }
}

void OnRButtonDown(HWND window, BOOL, int x, int y, UINT) {
    MainWindowState* state = StateOf(window);
    if (!state) return;
    DragRectangle(window, state->launcher, x, y);
    const RegionRect rect = state->launcher.drag;
    if (!rect.IsEmpty()) {
        if (!RegionIsFree(state->launcher, rect)) {
            ShowNotice(window, kMsgRegionTaken);
        } else if (Plugins().regionSettings) {
            Plugins().regionSettings(window, state->launcher);  // binds the dragged rectangle
        }
    }
    if (IsWindow(window)) ClearDragRectangle(window, state->launcher);
}

// The platform's own handling of a right press on the caption opens the system menu and keeps
// the release to itself; the release is what the caption's right click acts on.
void OnNcRButtonDown(HWND, BOOL, int, int, UINT) {}

void OnNcRButtonUp(HWND window, int, int, UINT) {
    RunAction(window, RightClickCommand(UserSettings().rclk));
}

struct ScrollKey {
    UINT key;
    UINT message;
    UINT code;
};
constexpr ScrollKey kScrollKeys[] = {
    {VK_PRIOR, WM_VSCROLL, SB_PAGEUP},   {VK_NEXT, WM_VSCROLL, SB_PAGEDOWN},
    {VK_UP, WM_VSCROLL, SB_LINEUP},      {VK_DOWN, WM_VSCROLL, SB_LINEDOWN},
    {VK_HOME, WM_HSCROLL, SB_PAGELEFT},  {VK_END, WM_HSCROLL, SB_PAGERIGHT},
    {VK_LEFT, WM_HSCROLL, SB_LINELEFT},  {VK_RIGHT, WM_HSCROLL, SB_LINERIGHT},
};

void OnKey(HWND window, UINT key, BOOL down, int, UINT) {
    for (const ScrollKey& k : kScrollKeys) {
        if (k.key != key) continue;
        SendMessageA(window, k.message, down ? k.code : SB_ENDSCROLL, 0);
        return;
    }
}

void OnScroll(HWND window, int bar, UINT code, int pos) {
    if (MainWindowState* state = StateOf(window)) ScrollLauncher(window, state->launcher, bar, code, pos);
}
void OnHScroll(HWND window, HWND, UINT code, int pos) { OnScroll(window, SB_HORZ, code, pos); }
void OnVScroll(HWND window, HWND, UINT code, int pos) { OnScroll(window, SB_VERT, code, pos); }

void OnSize(HWND window, UINT how, int, int) {
    // Kept on top while minimised, so the icon stays in reach; an open window stays in line.
    if (UserSettings().windowPos) {
        if (how == SIZE_MINIMIZED) SetTopmost(window, true);
        if (how == SIZE_RESTORED || how == SIZE_MAXIMIZED) SetTopmost(window, false);
    }
    if (MainWindowState* state = StateOf(window)) UpdateScrollRanges(window, state->launcher);
}

BOOL OnQueryNewPalette(HWND window) { return LauncherQueryNewPalette(window); }
void OnPaletteChanged(HWND window, HWND changer) { LauncherPaletteChanged(window, changer); }

void OnClose(HWND window) {
    MainWindowState* state = StateOf(window);
    if (!state || state->askingToQuit) return;
    state->askingToQuit = true;
    const bool quit = AskOkCancel(window, kMsgQuit);
    if (!IsWindow(window)) return;
    state->askingToQuit = false;
    if (quit) DestroyWindow(window);
}

// Logging off or shutting down: the chat room must learn that this user leaves.
BOOL OnQueryEndSession(HWND) {
    HWND chat = SubWindowHandle(SubWindow::kChat);
    if (IsOpen(chat)) SendMessageA(chat, WM_CLOSE, 0, 0);
    return TRUE;
}

void OnEndSession(HWND window, BOOL ending) {
    if (ending) DestroyWindow(window);
}

void OnDestroy(HWND window) {
    MainWindowState* state = StateOf(window);
    if (!state || !state->running) return;  // start-up refused: nothing was signed in
    state->running = false;
    ReleaseLauncherBitmap();
    HWND chat = SubWindowHandle(SubWindow::kChat);
    if (IsOpen(chat)) PostMessageA(chat, WM_CLOSE, 0, 0);
    MarkSignedOut(ClientStore());
    KillTimer(window, kPollTimer);
    WriteUserInt(kSectionEnvironment, kKeyBordType, UserSettings().bordType);
    PostQuitMessage(0);
}

void OnNcDestroy(HWND window) {
    delete StateOf(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_PAINT, OnPaint);
        HANDLE_MSG(window, WM_TIMER, OnTimer);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_SYSCOMMAND, OnSysCommand);
        HANDLE_MSG(window, WM_MENUCHAR, OnMenuChar);
        HANDLE_MSG(window, WM_MOUSEMOVE, OnMouseMove);
        HANDLE_MSG(window, WM_SETCURSOR, OnSetCursor);
        HANDLE_MSG(window, WM_LBUTTONUP, OnLButtonUp);
        HANDLE_MSG(window, WM_RBUTTONDOWN, OnRButtonDown);
        HANDLE_MSG(window, WM_NCRBUTTONDOWN, OnNcRButtonDown);
        HANDLE_MSG(window, WM_NCRBUTTONUP, OnNcRButtonUp);
        HANDLE_MSG(window, WM_KEYDOWN, OnKey);
        HANDLE_MSG(window, WM_KEYUP, OnKey);
        HANDLE_MSG(window, WM_HSCROLL, OnHScroll);
        HANDLE_MSG(window, WM_VSCROLL, OnVScroll);
        HANDLE_MSG(window, WM_SIZE, OnSize);
        HANDLE_MSG(window, WM_QUERYNEWPALETTE, OnQueryNewPalette);
        HANDLE_MSG(window, WM_PALETTECHANGED, OnPaletteChanged);
        HANDLE_MSG(window, WM_CLOSE, OnClose);
        HANDLE_MSG(window, WM_QUERYENDSESSION, OnQueryEndSession);
        HANDLE_MSG(window, WM_ENDSESSION, OnEndSession);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
        HANDLE_MSG(window, WM_NCDESTROY, OnNcDestroy);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateMainWindow(HINSTANCE instance, int showCommand) {
    HWND window = CreateWindowExA(0, kMainWindowClass, kCaption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                                  CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return window;
}
