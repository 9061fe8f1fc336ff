// The main window end to end: its menus, the launcher under the mouse and the keys, its
// commands, its polls opening their windows, the close question with a lost drive, and
// mox.exe as client A of an office whose colleagues (moxctl) send it mail. Each test creates a
// main window or starts mox.exe, so CTest runs them one at a time.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "app/settings/settings.h"
#include "res/resource.h"
#include "shell/launcher_regions.h"
#include "shell/window_classes.h"
#include "store/store.h"
#include "tests/app/mox_process.h"
#include "tests/support/client_here.h"
#include "tests/support/drive_link.h"
#include "tools/launcher_layout.h"

namespace {

const char kTitleWithMail[] = "ミトカ  メール";  // an empty Title, then the new-mail mark

// Sub-windows of later steps, stood in for by plain windows, so that the test sees when the
// main window opens one. A stand-in clears its handle when it goes, as the real ones do.
LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        for (const SubWindowClass& c : kSubWindowClasses)
            if (SubWindowHandle(c.which) == window) SubWindowHandle(c.which) = nullptr;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A window that cannot be created (the platform out of resources, say).
LRESULT CALLBACK RefusingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return FALSE;
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterStandIns() {
    for (const char* name : {"MoxMemo", "MoxBbs", "MoxRcvList", "MoxMsg"}) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = StandInProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = name;
        RegisterClassA(&wc);  // fails harmlessly when registered already
    }
}

// Closes what the main window opened, so the next test starts without sub-windows.
void CloseSubWindows() {
    for (const SubWindowClass& c : kSubWindowClasses)
        if (HWND w = SubWindowHandle(c.which)) DestroyWindow(w);
}

std::atomic<int> g_sounds{0};
void CountSound(const std::string&) { ++g_sounds; }

// A point in the middle of a function's tile on the shipped launcher picture.
POINT TileCentre(int function) {
    RegionRect r = FunctionTile(function);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

// Dark pixels on the status strip (x 30..230 over the last 20 rows of the client area): the
// letters of a label there. The shipped picture's strip is plain and light.
int DarkPixelsOnStrip(HWND main) {
    RECT client;
    GetClientRect(main, &client);
    HDC dc = GetDC(main);
    int dark = 0;
    for (int y = client.bottom - 20; y < client.bottom; ++y) {
        for (int x = 30; x < 230; x += 1) {
            COLORREF c = GetPixel(dc, x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 200) ++dark;
        }
    }
    ReleaseDC(main, dc);
    return dark;
}

// A menu as lines "command text" (0 for pop-ups and separators), a pop-up's items after it
// indented with "> ", from item `from` on.
std::vector<std::string> Lines(HMENU menu, int from = 0, const std::string& indent = "") {
    std::vector<std::string> lines;
    for (int i = from; i < GetMenuItemCount(menu); ++i) {
        char text[128] = "";
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        UINT id = GetMenuItemID(menu, i);
        lines.push_back(indent + std::to_string(id == static_cast<UINT>(-1) ? 0 : id) + " " + text);
        if (HMENU popup = GetSubMenu(menu, i))
            for (const std::string& line : Lines(popup, 0, indent + "> ")) lines.push_back(line);
    }
    return lines;
}

// The menu bar as its labels, Latin and kana keys and ellipses list it.
struct Label {
    int command;  // 0: a pop-up, -1: a separator
    const char* label;
    const char* latin;
    const char* kana;
    bool ellipsis;
};
const Label kMenuBar[] = {
    {0, "ｵﾌﾟｼｮﾝ", "O", "ｵ", false},     {115, "接続名一覧", "C", "ｺ", true},
    {102, "環境設定", "E", "ｶ", true},   {111, "メニュー設定", "N", "ﾒ", true},
    {118, "パスワード変更", "P", "ﾊ", true}, {105, "行先登録", "D", "ｲ", true},
    {-1, "", "", "", false},            {104, "ミトカの終了", "X", "ｼ", false},
    {0, "送信", "S", "ｿ", false},       {110, "メール", "M", "ﾒ", true},
    {107, "電話メモ", "T", "ﾃ", true},   {112, "メッセージ", "S", "ｾ", true},
    {109, "送信簿", "L", "ﾘ", true},     {0, "受信", "R", "ｼ", false},
    {108, "受信簿", "L", "ﾘ", true},     {0, "お話し", "T", "ﾄ", false},
    {119, "チャット", "C", "ﾁ", true},   {0, "掲示板", "B", "ｹ", false},
    {106, "行先掲示板", "I", "ｲ", true}, {113, "掲示板", "O", "ｵ", true},
    {0, "ﾍﾙﾌﾟ", "H", "ﾍ", false},       {103, "バージョン情報", "A", "ﾊ", true},
};

std::string MenuLine(const Label& l) {
    if (l.command < 0) return "> 0 ";
    return std::string(l.command ? "> " : "") + std::to_string(l.command) + " " + l.label + "(&" +
           l.latin + "/" + l.kana + ")" + (l.ellipsis ? "..." : "");
}

}  // namespace

TEST(MainWindowMenus, MenuBarAndSystemMenuHoldTheirExactTexts) {
    // The menu bar as mox.exe carries it.
    HMODULE exe = LoadLibraryExA(BinPath("mox.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(exe);
    HMENU bar = LoadMenuA(exe, MAKEINTRESOURCEA(IDM_MAIN));
    ASSERT_TRUE(bar);
    std::vector<std::string> expected;
    for (const Label& l : kMenuBar) expected.push_back(MenuLine(l));
    EXPECT_EQ(Lines(bar), expected);
    DestroyMenu(bar);
    FreeLibrary(exe);

    YamadaPc office;
    int code = DriveModal(RunClientHere, [&] {
        HWND main = WaitForWindow("Mox", kMainTitle);
        ASSERT_TRUE(main);
        // After the platform's own items and a separator.
        HMENU system = GetSystemMenu(main, FALSE);
        EXPECT_EQ(Lines(system, GetMenuItemCount(system) - 9),
                  (std::vector<std::string>{
                      "0 ", "0 オプション(&O)", "> 115 接続名一覧(&C)...", "> 102 環境設定(&E)...",
                      "> 111 メニュー設定(&N)...", "> 118 パスワード変更(&P)...",
                      "> 105 行先登録(&D)...", "0 送信(&S)", "> 110 メール(&M)...",
                      "> 107 電話メモ(&T)...", "> 112 メッセージ(&S)...", "> 109 送信簿(&L)...",
                      "0 受信(&R)", "> 108 受信簿(&R)...", "0 お話し(&T)", "> 119 チャット(&C)...",
                      "0 掲示板(&B)", "> 106 行先掲示板(&I)...", "> 113 掲示板(&B)...",
                      "0 ヘルプ(&H)", "> 103 バージョン情報(&A)...", "120 メモ(&N)...",
                      "122 カレンダー(&B)..."}));

        // A kana key picks the item whose label names it, in the bar and in a pop-up.
        HMENU menuBar = GetMenu(main);
        auto kana = [&](const char* key, UINT flags, HMENU menu) {
            return SendMessageA(main, WM_MENUCHAR,
                                MAKEWPARAM(static_cast<unsigned char>(key[0]), flags),
                                reinterpret_cast<LPARAM>(menu));
        };
        EXPECT_EQ(kana("ｹ", 0, menuBar), MAKELRESULT(4, MNC_EXECUTE));
        EXPECT_EQ(kana("ﾘ", MF_POPUP, GetSubMenu(menuBar, 1)), MAKELRESULT(3, MNC_EXECUTE));
        EXPECT_EQ(kana("ｼ", MF_POPUP, GetSubMenu(menuBar, 0)), MAKELRESULT(6, MNC_EXECUTE));
        EXPECT_EQ(HIWORD(kana("ﾁ", MF_POPUP, GetSubMenu(menuBar, 1))), MNC_IGNORE);
        QuitClient(main);
    });
    EXPECT_EQ(code, 0);
}

TEST(MainWindowPolls, NewsOpensItsWindowAndAnOpenBoardWindowIsNotAsked) {
    RegisterStandIns();
    YamadaPc office;
    office.Register("佐藤花子", "sato");
    office.SetUser("001", "BbsCheckSec", "1");
    SoundPlayer previous = SetSoundPlayer(CountSound);
    g_sounds = 0;
    ASSERT_EQ(RunMoxctl({"--netdir", office.store.Dir(), "--user", "2", "post", "--subject",
                         "避難訓練"}).exitCode, 0);
    WriteRawFile(office.store.Path("001\\message.mox"), "x");
    WriteRawFile(office.store.Path("001\\mail.mox"), "");
    int code = DriveModal(RunClientHere, [&] {
        HWND main = WaitForWindow("Mox", kMainTitle);
        ASSERT_TRUE(main);
        // The first tick: the unread post, the mail (popped up, the title stays plain) and the
        // message each bring up their window.
        HWND board = WaitForWindow("MoxBbs", "ミトカ");
        ASSERT_TRUE(board);
        EXPECT_TRUE(WaitForWindow("MoxRcvList", "ミトカ"));
        EXPECT_TRUE(WaitForWindow("MoxMsg", "ミトカ"));
        EXPECT_EQ(FindWindows("Mox").size(), 1u);
        EXPECT_TRUE(WaitForWindow("Mox", kMainTitle, 0, 100));
        EXPECT_FALSE(RawFileExists(office.store.Path("001\\mail.mox")));
        EXPECT_TRUE(RawFileExists(office.store.Path("001\\message.mox")));
        // While the board window is open the boards are not asked: no more board sounds.
        const int sounds = g_sounds;
        Sleep(2500);
        EXPECT_EQ(g_sounds, sounds);
        EXPECT_EQ(FindWindows("MoxBbs").size(), 1u);
        // Closed, it comes back on the next board tick, since the post is still unread.
        PostMessageA(board, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitUntilGone(board));
        EXPECT_TRUE(WaitForWindow("MoxBbs", "ミトカ"));
        EXPECT_GT(g_sounds, sounds);
        QuitClient(main);
    });
    EXPECT_EQ(code, 0);
    CloseSubWindows();
    SetSoundPlayer(previous);
}

TEST(MainWindowLauncher, LabelsClicksDragsKeysAndCommands) {
    RegisterStandIns();
    YamadaPc office;
    int code = DriveModal(RunClientHere, [&] {
        HWND main = WaitForWindow("Mox", kMainTitle);
        ASSERT_TRUE(main);
        // The real pointer stays off the window.
        SetWindowPos(main, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
        SettlePainting(main);  // the moves of the real pointer so far have come through
        // The name of the function under the mouse shows on the strip, and goes with the mouse.
        auto stripAfterMove = [&](POINT p) {
            SendMessageA(main, WM_MOUSEMOVE, 0, At(p));
            SettlePainting(main);
            return DarkPixelsOnStrip(main);
        };
        const int plain = stripAfterMove({5, 5});
        EXPECT_GT(stripAfterMove(TileCentre(9)), plain + 20);
        EXPECT_EQ(stripAfterMove({5, 5}), plain);

        // The memo tile opens the memo window; a second click brings the one memo window back
        // to the top as it is.
        PostMessageA(main, WM_LBUTTONUP, 0, At(TileCentre(9)));
        HWND memo = WaitForWindow("MoxMemo", "ミトカ");
        ASSERT_TRUE(memo);
        // Found while still being created: moved only once it has placed and shown itself.
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(memo) != FALSE; }));
        SettlePainting(memo);
        SetWindowPos(memo, main, 50, 60, 200, 150, SWP_NOACTIVATE);  // below the main window
        PostMessageA(main, WM_LBUTTONUP, 0, At(TileCentre(9)));
        auto mainBelowMemo = [&] {
            for (HWND w = GetWindow(memo, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
                if (w == main) return true;
            return false;
        };
        WaitFor([&] { return mainBelowMemo(); });
        EXPECT_TRUE(mainBelowMemo());
        EXPECT_EQ(FindWindows("MoxMemo").size(), 1u);
        RECT r;
        GetWindowRect(memo, &r);
        EXPECT_EQ(r.left, 50);
        EXPECT_EQ(r.right - r.left, 200);

        // A rectangle dragged over a tile is refused.
        POINT tile = TileCentre(0);
        PostMessageA(main, WM_RBUTTONDOWN, MK_RBUTTON, At(tile));
        PostMessageA(main, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(tile.x + 40, tile.y + 30));
        PostMessageA(main, WM_RBUTTONUP, 0, MAKELPARAM(tile.x + 40, tile.y + 30));
        ExpectMessageBox(kMsgRegionTaken, MessageBoxSeen::kNone, IDOK);

        // The メール tile opens the mail dialog (command 110).
        PostMessageA(main, WM_LBUTTONUP, 0, At(TileCentre(5)));
        HWND mail = WaitForDialog("ミトカ　メール");
        ASSERT_TRUE(mail);
        Click(mail, IDC_DISCARD);
        ASSERT_TRUE(WaitUntilGone(mail));
        // The 電話メモ tile opens the phone-memo entry (command 107).
        PostMessageA(main, WM_LBUTTONUP, 0, At(TileCentre(6)));
        HWND phone = WaitForDialog("ミトカ　電話メモ");
        ASSERT_TRUE(phone);
        Click(phone, IDC_DISCARD);
        ASSERT_TRUE(WaitUntilGone(phone));

        // Keys scroll a window smaller than the picture.
        SetWindowPos(main, nullptr, 0, 0, 300, 250, SWP_NOMOVE | SWP_NOZORDER);
        SendMessageA(main, WM_KEYDOWN, VK_NEXT, 0);
        SendMessageA(main, WM_KEYUP, VK_NEXT, 0);
        SendMessageA(main, WM_KEYDOWN, VK_END, 0);
        const int down = GetScrollPos(main, SB_VERT), right = GetScrollPos(main, SB_HORZ);
        EXPECT_GT(down, 0);
        EXPECT_GT(right, 0);
        SendMessageA(main, WM_KEYDOWN, VK_UP, 0);
        SendMessageA(main, WM_KEYDOWN, VK_LEFT, 0);
        EXPECT_LT(GetScrollPos(main, SB_VERT), down);
        EXPECT_LT(GetScrollPos(main, SB_HORZ), right);

        // The About box and the password change come from the menu; the system menu runs the
        // same commands.
        PostCommand(main, CMD_ABOUT);
        HWND about = WaitForDialog("ミトカ　バージョン情報");
        ASSERT_TRUE(about);
        Click(about, IDOK);
        ASSERT_TRUE(WaitUntilGone(about));
        PostMessageA(main, WM_SYSCOMMAND, CMD_PASSWORD, 0);
        HWND password = WaitForDialog("パスワードの変更");
        ASSERT_TRUE(password);
        Click(password, IDCANCEL);
        ASSERT_TRUE(WaitUntilGone(password));
        // Command 104 asks before closing.
        PostCommand(main, CMD_QUIT);
        ExpectMessageBox(kQuitQuestion, MessageBoxSeen::kQuestion, IDOK);
    });
    EXPECT_EQ(code, 0);
    CloseSubWindows();
}

TEST(MainWindowLauncher, ARightClickOnTheCaptionActsByRclk) {
    // No received list can open: the new mail shows in the title all the same.
    UnregisterClassA("MoxRcvList", GetModuleHandleA(nullptr));
    WNDCLASSA refusing = {};
    refusing.lpfnWndProc = RefusingProc;
    refusing.hInstance = GetModuleHandleA(nullptr);
    refusing.lpszClassName = "MoxRcvList";
    RegisterClassA(&refusing);
    YamadaPc office;
    office.SetUser("001", "Rclk", "1");
    office.SetUser("001", "Minimize", "1");
    WriteRawFile(office.store.Path("001\\mail.mox"), "");
    int code = DriveModal(RunClientHere, [&] {
        HWND main = WaitForWindow("Mox", kTitleWithMail);
        ASSERT_TRUE(main);
        // A real right click on the caption: Rclk 1 opens the received list, which clears the
        // new-mail mark, after Minimize has put the main window away.
        RECT r;
        GetWindowRect(main, &r);
        SetForegroundWindow(main);
        // Each event carries the point, so the press cannot land where the pointer was before.
        const POINT caption = {r.left + 120, r.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2};
        INPUT input[2] = {};
        for (INPUT& i : input) {
            i.type = INPUT_MOUSE;
            i.mi.dx = caption.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
            i.mi.dy = caption.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
            i.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        }
        input[0].mi.dwFlags |= MOUSEEVENTF_RIGHTDOWN;
        input[1].mi.dwFlags |= MOUSEEVENTF_RIGHTUP;
        SendInput(2, input, sizeof input[0]);
        EXPECT_TRUE(WaitForWindow("Mox", kMainTitle));
        EXPECT_TRUE(IsIconic(main));
        // Kept on top while minimised (WindowPos), not once restored.
        EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
        SendMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_FALSE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
        QuitClient(main);
    });
    EXPECT_EQ(code, 0);
    UnregisterClassA("MoxRcvList", GetModuleHandleA(nullptr));
    RegisterStandIns();
}

TEST(MainWindowClosing, ALostDriveAsksOnceAtATimeAndCancelKeepsPolling) {
    // Drive M: stands for the network drive; it goes away while the client runs.
    YamadaPc office;
    DriveLink drive('M', office.store.Dir());
    ASSERT_TRUE(drive.Present());
    office.SetLocal("NetDir", "M:\\");
    int code = DriveModal(RunClientHere, [&] {
        HWND main = WaitForWindow("Mox", kMainTitle);
        ASSERT_TRUE(main);
        EXPECT_TRUE(RawFileExists(office.store.Path("001\\login.mox")));
        ASSERT_TRUE(drive.Remove());
        MessageBoxSeen question = WaitForMessageBox();
        EXPECT_EQ(question.text, kQuitQuestion);
        // The polls wait while the question is open: no second question on top of it, and
        // no report of the lost drive under it every second.
        const size_t reports = RecordedMessages().size();
        Sleep(2500);
        EXPECT_EQ(FindWindows("#32770").size(), 1u);
        EXPECT_EQ(RecordedMessages().size(), reports);
        Answer(question, IDCANCEL);
        ExpectMessageBox(kQuitQuestion, MessageBoxSeen::kQuestion, IDOK);
    });
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(RecordedMessages().empty());
}

TEST(MainWindowClosing, LoggingOffSignsOutWithoutAsking) {
    YamadaPc office;
    int code = DriveModal(RunClientHere, [&] {
        HWND main = WaitForWindow("Mox", kMainTitle);
        ASSERT_TRUE(main);
        EXPECT_TRUE(SendMessageA(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
        SendMessageA(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        EXPECT_FALSE(IsWindow(main));
    });
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(RawFileExists(office.store.Path("001\\login.mox")));
    EXPECT_EQ(office.User("001", "BordType"), "2");
}

// ---- mox.exe as client A ----

TEST(MainWindowProcess, NewMailMarksTheTitleAndTheListCommandClearsIt) {
    YamadaPc office;
    office.Register("佐藤花子", "sato");
    office.SetUser("001", "MailPopup", "0");
    office.SetUser("001", "MailCheckSec", "2");
    office.SetUser("001", "BordType", "1");
    Client a(QuoteArg(office.local));
    HWND main = WaitForWindow("Mox", kMainTitle, a.Pid());
    ASSERT_TRUE(main);
    EXPECT_TRUE(RawFileExists(office.store.Path("001\\login.mox")));
    ASSERT_EQ(RunMoxctl({"--netdir", office.store.Dir(), "--user", "2", "send", "--to", "1",
                         "--subject", "見積書"}).exitCode, 0);
    EXPECT_EQ(WaitForWindow("Mox", kTitleWithMail, a.Pid()), main);
    EXPECT_FALSE(RawFileExists(office.store.Path("001\\mail.mox")));
    PostMessageA(main, WM_COMMAND, CMD_RECEIVED, 0);
    EXPECT_EQ(WaitForWindow("Mox", kMainTitle, a.Pid()), main);
    // 送信簿 opens the sent list once; asked again, it brings that one up.
    PostMessageA(main, WM_COMMAND, CMD_SENT, 0);
    EXPECT_TRUE(WaitForWindow("MoxSndList", "ミトカ", a.Pid()));
    PostMessageA(main, WM_COMMAND, CMD_SENT, 0);
    Sleep(500);
    EXPECT_EQ(FindWindows("MoxSndList", a.Pid()).size(), 1u);
    // Cancel keeps A running and signed in; OK signs it out.
    PostMessageA(main, WM_CLOSE, 0, 0);
    MessageBoxSeen question = WaitForMessageBox(a.Pid());
    EXPECT_EQ(question.text, kQuitQuestion);
    Answer(question, IDCANCEL);
    EXPECT_EQ(a.ExitCode(500), -1);
    EXPECT_TRUE(RawFileExists(office.store.Path("001\\login.mox")));
    QuitClient(main, a.Pid());
    EXPECT_EQ(a.ExitCode(), 0);
    EXPECT_FALSE(RawFileExists(office.store.Path("001\\login.mox")));
    EXPECT_EQ(office.User("001", "BordType"), "1");
}

TEST(MainWindowProcess, NewMailBringsUpTheReceivedListWhichShowsEachNewMailOnTheNextPoll) {
    YamadaPc office;
    office.Register("佐藤花子", "sato");
    office.SetUser("001", "MailPopup", "1");
    office.SetUser("001", "MailCheckSec", "1");
    Client a(QuoteArg(office.local));
    HWND main = WaitForWindow("Mox", kMainTitle, a.Pid());
    ASSERT_TRUE(main);
    auto send = [&](const char* subject) {
        return RunMoxctl({"--netdir", office.store.Dir(), "--user", "2", "send", "--to", "1",
                          "--subject", subject}).exitCode;
    };
    ASSERT_EQ(send("見積書"), 0);
    HWND list = WaitForWindow("MoxRcvList", "ミトカ", a.Pid());
    ASSERT_TRUE(list);
    auto lines = [&] { return ListLines(list, IDC_MAIL_LIST); };
    WaitFor([&] { return lines().size() >= 1; });
    ASSERT_EQ(lines().size(), 1u);
    // The window is open (and may be the active one): the next mail still shows up.
    ASSERT_EQ(send("納期"), 0);
    WaitFor([&] { return lines().size() >= 2; });
    ASSERT_EQ(lines().size(), 2u);
    EXPECT_NE(lines()[0].find("納期"), std::string::npos);
    EXPECT_EQ(lines()[0].substr(0, 6), "20未読");
    EXPECT_EQ(WaitForWindow("Mox", kMainTitle, a.Pid()), main);  // no mark in the title
    QuitClient(main, a.Pid());
    EXPECT_EQ(a.ExitCode(), 0);
}

TEST(MainWindowProcess, WithMailCheckSecZeroOnlyTheFirstTickLooks) {
    YamadaPc office;
    office.Register("佐藤花子", "sato");
    office.SetUser("001", "MailPopup", "0");
    office.SetUser("001", "MailCheckSec", "0");
    WriteRawFile(office.store.Path("001\\mail.mox"), "");  // waiting since before the start
    Client a(QuoteArg(office.local));
    HWND main = WaitForWindow("Mox", kTitleWithMail, a.Pid());
    ASSERT_TRUE(main);
    PostMessageA(main, WM_COMMAND, CMD_RECEIVED, 0);
    ASSERT_EQ(WaitForWindow("Mox", kMainTitle, a.Pid()), main);
    ASSERT_EQ(RunMoxctl({"--netdir", office.store.Dir(), "--user", "2", "send", "--to", "1",
                         "--subject", "見積書"}).exitCode, 0);
    Sleep(3000);
    EXPECT_TRUE(RawFileExists(office.store.Path("001\\mail.mox")));
    EXPECT_TRUE(FindWindows("Mox", a.Pid()).size() == 1 &&
                WaitForWindow("Mox", kMainTitle, a.Pid(), 100) == main);
    QuitClient(main, a.Pid());
    EXPECT_EQ(a.ExitCode(), 0);
}

TEST(MainWindowProcess, AMissingPictureEndsWithCode3AfterItsMessageAndSignsOut) {
    YamadaPc office;
    TempFolder folder("moxexe");
    const std::string exe = folder.Path("mox.exe");
    ASSERT_TRUE(CopyFileA(BinPath("mox.exe").c_str(), exe.c_str(), FALSE));
    WriteRawFile(office.store.Path("001\\mail.mox"), "");  // mail waiting since before the start
    Client a(QuoteArg(office.local), exe);
    MessageBoxSeen box = WaitForMessageBox(a.Pid(), "エラー");
    EXPECT_EQ(box.text, "'mox.bmp' ファイルを開けません。");
    EXPECT_TRUE(RawFileExists(office.store.Path("001\\login.mox")));
    Sleep(2500);  // the timer ticks under the message
    Answer(box, IDOK);
    EXPECT_EQ(a.ExitCode(), 3);
    EXPECT_FALSE(RawFileExists(office.store.Path("001\\login.mox")));
    // The mail is still to be announced at the next start.
    EXPECT_TRUE(RawFileExists(office.store.Path("001\\mail.mox")));
}
