// Process start and the start-up sequence: the command line, the window classes, the optional
// control library, the main window's sign-in in this process, and mox.exe itself started as
// several copies. Every test here may create a main window (class Mox), which the single-
// instance rule of any mox.exe looks for, so CTest runs them one at a time.
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/control_library.h"
#include "app/settings/fortune.h"
#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "res/resource.h"
#include "shell/window_classes.h"
#include "store/store.h"
#include "tests/app/mox_process.h"
#include "tests/support/client_here.h"
#include "tests/support/office.h"
#include "tests/support/window_driver.h"
#include "users/registry.h"

TEST(CommandLine, NamesTheLocalSettingsFile) {
    EXPECT_EQ(LocalSettingsNameFrom(""), "mox.ini");
    EXPECT_EQ(LocalSettingsNameFrom("   "), "mox.ini");
    EXPECT_EQ(LocalSettingsNameFrom("d:\\office.ini"), "d:\\office.ini");
    EXPECT_EQ(LocalSettingsNameFrom(" d:\\office.ini "), "d:\\office.ini");
    EXPECT_EQ(LocalSettingsNameFrom("\"c:\\my office\\mox.ini\""), "c:\\my office\\mox.ini");
    EXPECT_EQ(LocalSettingsNameFrom("office.ini"), "office.ini");
    EXPECT_EQ(LocalSettingsNameFrom("\"\""), "mox.ini");
}

TEST(WindowClasses, SubWindowClassesFollowTheTable) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(RegisterSubWindowClasses(instance, [](SubWindow) -> WNDPROC { return DefWindowProcA; }));
    const char* order[] = {"MoxChat", "MoxMemo", "MoxBbs", "MoxRcvList", "MoxSndList",
                           "MoxBord", "MoxCale", "MoxCaleMonth", "MoxMsg"};
    for (int i = 0; i < kSubWindowCount; ++i) {
        const SubWindowClass& c = kSubWindowClasses[i];
        EXPECT_STREQ(c.className, order[i]);
        WNDCLASSA wc;
        ASSERT_TRUE(GetClassInfoA(instance, c.className, &wc)) << c.className;
        EXPECT_EQ(wc.style & (CS_HREDRAW | CS_VREDRAW), UINT(CS_HREDRAW | CS_VREDRAW)) << c.className;
        bool calendar = c.which == SubWindow::kCale || c.which == SubWindow::kCaleMonth;
        EXPECT_EQ((wc.style & CS_DBLCLKS) != 0, calendar) << c.className;
        EXPECT_EQ(wc.hbrBackground, GetStockObject(LTGRAY_BRUSH)) << c.className;
        EXPECT_EQ(wc.hIcon != nullptr, c.which != SubWindow::kCaleMonth) << c.className;
        EXPECT_EQ(wc.cbWndExtra, c.which == SubWindow::kCaleMonth ? 4 : 0) << c.className;
    }
    EXPECT_EQ(SubWindowClassOf(SubWindow::kMsg).width, 400);
    EXPECT_EQ(SubWindowClassOf(SubWindow::kRcvList).height, 300);

    HWND memo = CreateSubWindow(instance, SubWindow::kMemo);
    ASSERT_TRUE(memo);
    EXPECT_EQ(SubWindowHandle(SubWindow::kMemo), memo);
    char title[32];
    GetWindowTextA(memo, title, sizeof title);
    EXPECT_STREQ(title, "ミトカ");
    RECT r;
    GetWindowRect(memo, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right - r.left, 600);
    EXPECT_EQ(r.bottom - r.top, 400);
    EXPECT_TRUE(IsWindowVisible(memo));
    EXPECT_EQ(GetWindow(memo, GW_OWNER), nullptr);
    DestroyWindow(memo);
    SubWindowHandle(SubWindow::kMemo) = nullptr;
}

TEST(ControlLibrary, AnIncompleteLibraryIsUnloadedAndTheNextNameTried) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    SetEnvironmentVariableA("FAKE3D_CALLS", "");
    const char* names[] = {"fake3d_partial.dll", "fake3d_complete.dll"};
    ControlLibrary library = LoadControlLibrary(instance, names, 2);
    EXPECT_TRUE(library.inUse);
    EXPECT_TRUE(library.registered);
    EXPECT_EQ(GetModuleHandleA("fake3d_partial.dll"), nullptr);
    EXPECT_NE(GetModuleHandleA("fake3d_complete.dll"), nullptr);
    ReleaseControlLibrary(library, instance);
    EXPECT_EQ(GetModuleHandleA("fake3d_complete.dll"), nullptr);
    char calls[64] = "";
    GetEnvironmentVariableA("FAKE3D_CALLS", calls, sizeof calls);
    EXPECT_STREQ(calls, "RAU");

    // Neither file present: nothing is in use and releasing does nothing.
    const char* absent[] = {"no3d32.dll", "no3d.dll"};
    library = LoadControlLibrary(instance, absent, 2);
    EXPECT_FALSE(library.inUse);
    ReleaseControlLibrary(library, instance);
    EXPECT_FALSE(library.inUse);

    // Only an incomplete library: it is not kept.
    const char* partial[] = {"fake3d_partial.dll"};
    library = LoadControlLibrary(instance, partial, 1);
    EXPECT_FALSE(library.inUse);
    EXPECT_EQ(GetModuleHandleA("fake3d_partial.dll"), nullptr);
}

TEST(StartupSequence, ASharedPcSetUpAtFirstRunGoesOnToTheLogin) {
    TestOffice office;
    office.Register("山田太郎", "yamada");
    LocalSettings().netDir.clear();  // a new PC knows no network directory yet
    int code = DriveModal(RunClientHere, [&] {
        HWND setup = WaitForDialog("ミトカ　初期設定");
        ASSERT_TRUE(setup);
        SetText(setup, IDC_NET_DIR, office.store.Dir());
        Click(setup, IDC_SHARED_PC);
        ExpectMessageBox("ﾈｯﾄﾜｰｸﾃﾞｨﾚｸﾄﾘ：" + office.store.Dir() + "\n共用パソコンで登録してもいいですか？",
                         MessageBoxSeen::kNone, IDYES);
        HWND login = WaitForDialog("ミトカ　ログイン");
        ASSERT_TRUE(login);
        SetText(login, IDC_LOGIN_NAME, "yamada");
        Click(login, IDOK);
        HWND main = WaitForWindow("Mox", kMainTitle);
        ASSERT_TRUE(main);
        EXPECT_TRUE(RawFileExists(office.store.Path("001\\login.mox")));
        // Cancel keeps the client running.
        PostMessageA(main, WM_CLOSE, 0, 0);
        ExpectMessageBox(kQuitQuestion, MessageBoxSeen::kQuestion, IDCANCEL);
        EXPECT_TRUE(IsWindow(main));
        QuitClient(main);
    });
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(RawFileExists(office.store.Path("001\\login.mox")));
    EXPECT_EQ(office.Local("AutoLogin"), "0");
    EXPECT_EQ(office.Local("Version"), "0.14");
    EXPECT_EQ(office.Local("NameNumber"), "<none>");
    EXPECT_EQ(CurrentUser().name, "山田太郎");
}

TEST(StartupSequence, FortuneThenAPasswordThatIsNotGivenRefusesTheStart) {
    YamadaPc office;
    office.SetUser("001", "Fortune", "1");
    office.SetUser("001", "LoginCheck", "1");
    WritePassword(office.store.As(1), "pw", 3);
    int code = DriveModal(RunClientHere, [&] {
        MessageBoxSeen fortune = WaitForMessageBox();
        bool known = false;
        for (int n = 1; n <= 41; ++n) known = known || fortune.text == FortuneText(n);
        EXPECT_TRUE(known) << fortune.text;
        Answer(fortune, IDOK);
        HWND password = WaitForDialog("ミトカ　パスワード入力");
        ASSERT_TRUE(password);
        SetText(password, IDC_PASSWORD, "PW");
        Click(password, IDOK);
        ExpectMessageBox("パスワードが違います", MessageBoxSeen::kWarning, IDOK);
        Click(password, IDCANCEL);
    });
    EXPECT_EQ(code, -1);
    EXPECT_FALSE(RawFileExists(office.store.Path("001\\login.mox")));
    EXPECT_NE(office.User("001", "AccessDate"), "<none>");
    EXPECT_EQ(office.Local("Version"), "0.28");
}

TEST(StartupSequence, AMissingNetworkDriveRefusesTheStart) {
    YamadaPc office;
    office.SetLocal("NetDir", "Q:\\office");
    int code = DriveModal(RunClientHere, [&] {
        ExpectMessageBox("ネットワークに接続されていますか？\nドライブが認識できません。\n確認して起動しなおして下さい。",
                         MessageBoxSeen::kNone, IDOK);
    });
    EXPECT_EQ(code, -1);
}

// ---- mox.exe itself ----

TEST(MoxExe, ASecondStartWithExecCheckRestoresTheFirstAndEnds) {
    YamadaPc office;
    office.SetLocal("ExecCheck", "1");
    Client first(QuoteArg(office.local));
    HWND main = WaitForWindow("Mox", kMainTitle, first.Pid());
    ASSERT_TRUE(main);
    PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    WaitFor([&] { return IsIconic(main); });
    ASSERT_TRUE(IsIconic(main));

    ProcessResult second = RunProcess(QuoteArg(BinPath("mox.exe")) + " " + QuoteArg(office.local));
    EXPECT_FALSE(second.timedOut);
    EXPECT_EQ(second.exitCode, 0);
    WaitFor([&] { return !IsIconic(main); });
    EXPECT_FALSE(IsIconic(main));
    EXPECT_EQ(FindWindows("Mox", first.Pid()).size(), 1u);

    QuitClient(main, first.Pid());
    EXPECT_EQ(first.ExitCode(), 0);
    EXPECT_FALSE(RawFileExists(office.store.Path("001\\login.mox")));
}

TEST(MoxExe, WithoutExecCheckTwoCopiesRun) {
    YamadaPc office;
    Client first(QuoteArg(office.local));
    HWND one = WaitForWindow("Mox", kMainTitle, first.Pid());
    ASSERT_TRUE(one);
    Client second(QuoteArg(office.local));
    HWND two = WaitForWindow("Mox", kMainTitle, second.Pid());
    ASSERT_TRUE(two);
    EXPECT_NE(one, two);
    QuitClient(two, second.Pid());
    EXPECT_EQ(second.ExitCode(), 0);
    QuitClient(one, first.Pid());
    EXPECT_EQ(first.ExitCode(), 0);
}

TEST(MoxExe, ACommandLinePathNamesTheLocalAndTheUserSettingsFile) {
    // A settings file in a folder with a blank, passed quoted as a shortcut passes it.
    TempFolder folder("moxpc");
    std::string spaced = folder.Path("pc 1");
    CreateDirectoryA(spaced.c_str(), nullptr);
    YamadaPc office;
    std::string local = spaced + "\\office.ini";
    CopyFileA(office.local.c_str(), local.c_str(), FALSE);
    Client client("\"" + local + "\"");
    HWND main = WaitForWindow("Mox", kMainTitle, client.Pid());
    ASSERT_TRUE(main);
    // Read and migrated there; the user's own settings are office.ini in the user folder.
    EXPECT_NE(ReadRawFile(local).find("Version=0.28"), std::string::npos);
    EXPECT_TRUE(RawFileExists(office.store.Path("001\\office.ini")));
    EXPECT_FALSE(RawFileExists(office.store.Path("001\\mox.ini")));
    QuitClient(main, client.Pid());
    EXPECT_EQ(client.ExitCode(), 0);
}

TEST(MoxExe, ACancelledFirstRunEndsWithZeroAndWritesNothing) {
    TestOffice office("new.ini");
    Client client(QuoteArg(office.local));
    HWND setup = WaitForDialog("ミトカ　初期設定", client.Pid());
    ASSERT_TRUE(setup);
    Click(setup, IDCANCEL);
    EXPECT_EQ(client.ExitCode(), 0);
    EXPECT_FALSE(RawFileExists(office.local));
}
