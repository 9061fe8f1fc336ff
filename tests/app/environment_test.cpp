// The environment settings end to end: what a confirmed dialog changes in the running client at
// once (its title, the mail and board polls), and what waits for the next start of mox.exe (the
// login, the password, the single copy). The main window and mox.exe run one test at a time.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "shell/window_classes.h"
#include "tests/app/mox_process.h"
#include "tests/support/client_here.h"

namespace {

const char kRenamedTitle[] = "ミトカ 営業部";

// The bulletin-board window, stood in for by a plain window that clears its handle when it goes.
LRESULT CALLBACK BoardStandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY && SubWindowHandle(SubWindow::kBbs) == window)
        SubWindowHandle(SubWindow::kBbs) = nullptr;
    return DefWindowProcA(window, message, wParam, lParam);
}

void Press(HWND dialog, int control) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, control), BM_CLICK, 0, 0, SMTO_NORMAL, kWindowWaitMs, &ignored);
}

}  // namespace

TEST(EnvironmentSettings, TakeEffectAtOnceOrAtTheNextStart) {
    YamadaPc office;
    office.Register("佐藤花子", "sato");
    office.SetUser("001", "MailPopup", "0");
    WNDCLASSA board = {};
    board.lpfnWndProc = BoardStandInProc;
    board.hInstance = GetModuleHandleA(nullptr);
    board.lpszClassName = "MoxBbs";
    RegisterClassA(&board);

    int code = DriveModal(RunClientHere, [&] {
        HWND main = WaitForWindow("Mox", kMainTitle);
        ASSERT_TRUE(main);
        PostCommand(main, CMD_ENVIRONMENT);
        HWND d = WaitForDialog("ミトカ　環境設定");
        ASSERT_TRUE(d);
        SetText(d, IDC_ENV_TITLE, "営業部");
        Press(d, IDC_ENV_LOGIN_CHECK);
        Press(d, IDC_ENV_AUTO_LOGIN);
        Press(d, IDC_ENV_EXEC_CHECK);
        Click(d, IDC_TAB_TIMER);
        SetText(d, IDC_ENV_MAIL_SEC, "0");
        SetText(d, IDC_ENV_BBS_SEC, "2");
        Click(d, IDOK);
        EXPECT_EQ(WaitForWindow("Mox", kRenamedTitle), main);

        // Mail is checked no more: its flag stays for the next start. (A check that was due at
        // the very tick of the change still runs; it finds nothing while the mail is unsent.)
        Sleep(1500);
        ASSERT_EQ(RunMoxctl({"--netdir", office.store.Dir(), "--user", "2", "send", "--to", "1",
                             "--subject", "見積書"}).exitCode, 0);
        Sleep(3000);
        EXPECT_TRUE(RawFileExists(office.store.Path("001\\mail.mox")));
        EXPECT_EQ(WaitForWindow("Mox", kRenamedTitle, 0, 100), main);
        // The boards are checked every 2 seconds instead of every 360.
        ASSERT_EQ(RunMoxctl({"--netdir", office.store.Dir(), "--user", "2", "post", "--subject",
                             "お知らせ"}).exitCode, 0);
        EXPECT_TRUE(WaitForWindow("MoxBbs", "ミトカ", 0, 4000));
        QuitClient(main);
    });
    EXPECT_EQ(code, 0);
    if (HWND w = SubWindowHandle(SubWindow::kBbs)) DestroyWindow(w);
    UnregisterClassA("MoxBbs", GetModuleHandleA(nullptr));

    // The next start asks who is working (AutoLogin 0), then the password (LoginCheck 1).
    Client a(QuoteArg(office.local));
    HWND login = WaitForDialog("ミトカ　ログイン", a.Pid());
    ASSERT_TRUE(login);
    SetText(login, IDC_LOGIN_NAME, "yamada");
    Click(login, IDOK);
    HWND password = WaitForDialog("ミトカ　パスワード入力", a.Pid());
    ASSERT_TRUE(password);
    Click(password, IDOK);
    // Its first tick still looks for mail once, and finds the flag left by the first run.
    HWND main = WaitForWindow("Mox", std::string(kRenamedTitle) + " メール", a.Pid());
    ASSERT_TRUE(main);
    // ExecCheck 1: a second start only brings this one forward.
    Client b(QuoteArg(office.local));
    EXPECT_EQ(b.ExitCode(), 0);
    EXPECT_EQ(FindWindows("Mox", a.Pid()).size(), 1u);
    QuitClient(main, a.Pid());
    EXPECT_EQ(a.ExitCode(), 0);
}
