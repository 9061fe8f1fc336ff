// The settings dialogs driven for real: the environment settings with a change on every page
// read back from both settings files and from the values in use, its ｷｬﾝｾﾙ and a member list
// that cannot be read; the menu settings dialogs binding, deleting, retyping and cancelling
// launcher regions, read back from menu.mox and program.mox.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "res/resource.h"
#include "shell/environment_dialog.h"
#include "shell/launcher_files.h"
#include "shell/launcher_window.h"
#include "shell/menu_dialogs.h"
#include "shell/menu_record.h"
#include "shell/message_box.h"
#include "shell/program_record.h"
#include "store/message_sink.h"
#include "tests/support/office.h"
#include "tests/support/window_driver.h"
#include "users/registry.h"

namespace {

const char kEnvironmentTitle[] = "ミトカ　環境設定";
const char kMenuTitle[] = "ミトカ　メニュー設定";

LRESULT Send(HWND dialog, int control, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, control), message, wParam, lParam, SMTO_NORMAL,
                        kWindowWaitMs, &result);
    return static_cast<LRESULT>(result);
}
bool On(HWND dialog, int control) { return Send(dialog, control, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void Press(HWND dialog, int control) { Send(dialog, control, BM_CLICK, 0, 0); }
// Gives a tab the focus, as a click or the keyboard does, and waits until its page shows
// `shown` (the page's last control, so the whole page is up). (The focus goes back to that tab whenever a message box of the page closes.)
void OpenTab(HWND dialog, int tab, int shown) {
    PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, tab)), TRUE);
    EXPECT_TRUE(WaitFor([&] { return IsShown(dialog, shown); })) << "tab " << tab;
}

// An initialisation file as "[section]" and "key=value" lines, blank lines left out.
std::vector<std::string> IniLines(const std::string& path) {
    std::vector<std::string> lines;
    const std::string text = ReadRawFile(path);
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
        at = end + 1;
    }
    return lines;
}

// An office of three colleagues; this PC signs in as 山田太郎 (001), with 鈴木一郎 on his board.
struct SettingsOffice : TestOffice {
    SettingsOffice() {
        for (const char* name : {"山田太郎", "佐藤花子", "鈴木一郎"}) Register(name, "");
        PersonalPc(1);
        ReadLocalSettings();
        CurrentUser().name = "山田太郎";
        MembersFile("鈴木一郎\t003");
    }
    std::string UserFile() const { return store.Path("001\\mox.ini"); }
    std::string MemberPath() const { return store.Path("001\\regist.mox"); }
    void MembersFile(const std::string& line) {
        SaveBoardMembers(ClientStore(), {line});
    }
};

}  // namespace

TEST(EnvironmentDialog, AChangeOnEveryPageReachesBothFilesInOrderAndTheValuesInUse) {
    SettingsOffice office;
    // Hand-edited modem keys: values that no button stands for.
    office.SetLocal("Port", "5", "Modem");
    office.SetLocal("Bps", "9", "Modem");
    const std::string sound = office.pc.Path("mail.wav");
    WriteRawFile(sound, "RIFF");
    int result = DriveModal([] { return OpenEnvironmentDialog(nullptr); }, [&] {
        HWND d = WaitForDialog(kEnvironmentTitle);
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_ENV_USER_NAME), "山田太郎");
        EXPECT_EQ(Text(d, IDC_ENV_NET_DIR), office.store.Dir());
        EXPECT_TRUE(IsShown(d, IDC_ENV_TITLE));
        EXPECT_FALSE(IsShown(d, IDC_ENV_MAIL_SEC));
        EXPECT_TRUE(On(d, IDC_ENV_RCLK_FIRST) && On(d, IDC_ENV_AUTO_LOGIN) && On(d, IDC_ENV_BBS_CHECK));
        SetText(d, IDC_ENV_TITLE, "営業部");
        Press(d, IDC_ENV_LOGIN_CHECK);
        Press(d, IDC_ENV_RCLK_FIRST + 5);  // メール

        OpenTab(d, IDC_TAB_TIMER, IDC_ENV_BBS_SEC_UNIT);
        EXPECT_TRUE(IsShown(d, IDC_ENV_MAIL_SEC));
        EXPECT_FALSE(IsShown(d, IDC_ENV_TITLE) || IsShown(d, IDC_ENV_RCLK_GROUP));
        EXPECT_EQ(Text(d, IDC_ENV_MAIL_SEC), "20");
        EXPECT_EQ(Text(d, IDC_ENV_BBS_SEC), "360");
        SetText(d, IDC_ENV_MAIL_SEC, "12a");
        SetText(d, IDC_ENV_MSG_SEC, "0");

        OpenTab(d, IDC_TAB_SOUND, IDC_ENV_DEST_WAVE_BROWSE);
        EXPECT_FALSE(IsShown(d, IDC_ENV_MAIL_SEC));
        EXPECT_FALSE(On(d, IDC_ENV_MAIL_WAVE));
        Press(d, IDC_ENV_MAIL_WAVE);
        Click(d, IDC_ENV_MAIL_WAVE_BROWSE);
        ChooseInFileDialog("ミトカ　ファイル選択", sound);
        EXPECT_TRUE(WaitFor([&] { return Text(d, IDC_ENV_MAIL_WAVE_FILE) == sound; }));

        // Port 5 and Bps 9 turn no button on: neither ﾌﾟｯｼｭ nor あり.
        OpenTab(d, IDC_TAB_MODEM, IDC_ENV_BPS_FIRST + 4);
        EXPECT_FALSE(On(d, IDC_ENV_TONE) || On(d, IDC_ENV_MODEM_YES) || On(d, IDC_ENV_MODEM_NO));
        EXPECT_FALSE(IsEnabled(d, IDC_ENV_PORT_FIRST) || IsEnabled(d, IDC_ENV_BPS_FIRST));
        Press(d, IDC_ENV_MODEM_YES);
        EXPECT_TRUE(IsEnabled(d, IDC_ENV_PORT_FIRST) && IsEnabled(d, IDC_ENV_TONE));
        Press(d, IDC_ENV_PORT_FIRST + 1);  // COM2

        OpenTab(d, IDC_TAB_MEMBERS, IDC_ENV_MEMBER_DOWN);
        EXPECT_EQ(ListLines(d, IDC_ENV_ALL_USERS),
                  (std::vector<std::string>{"山田太郎\t001", "佐藤花子\t002"}));
        EXPECT_EQ(ListLines(d, IDC_ENV_MEMBERS), std::vector<std::string>{"鈴木一郎\t003"});
        Send(d, IDC_ENV_ALL_USERS, LB_SETSEL, TRUE, 1);
        Send(d, IDC_ENV_ALL_USERS, LB_SETSEL, TRUE, 0);
        Click(d, IDC_ENV_ADD_MEMBERS);
        WaitFor([&] { return ListLines(d, IDC_ENV_MEMBERS).size() == 3; });
        EXPECT_EQ(ListLines(d, IDC_ENV_MEMBERS),
                  (std::vector<std::string>{"鈴木一郎\t003", "山田太郎\t001", "佐藤花子\t002"}));
        EXPECT_TRUE(ListLines(d, IDC_ENV_ALL_USERS).empty());
        // A double-click takes a member back.
        Send(d, IDC_ENV_MEMBERS, LB_SETSEL, FALSE, -1);
        Send(d, IDC_ENV_MEMBERS, LB_SETSEL, TRUE, 1);
        PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_ENV_MEMBERS, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(GetDlgItem(d, IDC_ENV_MEMBERS)));
        WaitFor([&] { return ListLines(d, IDC_ENV_MEMBERS).size() == 2; });
        EXPECT_EQ(ListLines(d, IDC_ENV_ALL_USERS), std::vector<std::string>{"山田太郎\t001"});
        // 上 on the top member moves it to the bottom, 下 on the bottom one to the top.
        Send(d, IDC_ENV_MEMBERS, LB_SETSEL, FALSE, -1);
        Click(d, IDC_ENV_MEMBER_UP);
        ExpectMessageBox("選択されてません", MessageBoxSeen::kNone, IDOK);
        Send(d, IDC_ENV_MEMBERS, LB_SETSEL, TRUE, -1);
        Click(d, IDC_ENV_MEMBER_DOWN);
        ExpectMessageBox("複数選択はできません", MessageBoxSeen::kNone, IDOK);
        Send(d, IDC_ENV_MEMBERS, LB_SETSEL, FALSE, -1);
        Send(d, IDC_ENV_MEMBERS, LB_SETSEL, TRUE, 0);
        Click(d, IDC_ENV_MEMBER_UP);
        WaitFor([&] { return ListLines(d, IDC_ENV_MEMBERS)[0] == "佐藤花子\t002"; });
        EXPECT_EQ(ListLines(d, IDC_ENV_MEMBERS),
                  (std::vector<std::string>{"佐藤花子\t002", "鈴木一郎\t003"}));
        EXPECT_GT(Send(d, IDC_ENV_MEMBERS, LB_GETSEL, 1, 0), 0);  // the moved one stays selected
        Click(d, IDOK);
    });
    EXPECT_EQ(result, 1);

    // Every key, in the order the dialog writes them, into a per-user file that had none.
    EXPECT_EQ(IniLines(office.UserFile()),
              (std::vector<std::string>{
                  "[Environment]", "Title=営業部", "WindowPos=1", "MailPopup=1", "MailSend=0",
                  "LoginCheck=1", "BbsCheck=1", "Fortune=0", "Minimize=0", "ConfidentialColor=0",
                  "Rclk=5", "MailCheckSec=12a", "BbsCheckSec=360", "MsgCheckSec=0", "ChatCheckSec=1",
                  "[Wave]", "MailWave=1", "MailWaveFile=" + sound, "DestWave=0",
                  "DestWaveFile="}));
    EXPECT_EQ(IniLines(office.local),
              (std::vector<std::string>{"[Environment]", "Version=0.28", "NetDir=" + office.store.Dir(),
                                        "NameNumber=1", "ExecCheck=0", "AutoLogin=1", "[Modem]",
                                        "Port=2", "Bps=9", "Use=1", "Type=0"}));
    // In use at once, the intervals as the next start will read them.
    EXPECT_EQ(UserSettings().title, "営業部");
    EXPECT_EQ(UserSettings().rclk, 5);
    EXPECT_EQ(UserSettings().mailCheckSec, 12);
    EXPECT_EQ(UserSettings().msgCheckSec, 0);
    EXPECT_EQ(UserSettings().mailWave, 1);
    // The board in the order of 表示一覧.
    ProcessResult members = RunMoxctl({"--netdir", office.store.Dir(), "--user", "1", "members"});
    EXPECT_EQ(members.exitCode, 0) << members.err;
    EXPECT_EQ(members.out, "002\t佐藤花子\n003\t鈴木一郎\n");
}

TEST(EnvironmentDialog, UnchangedOkStoresUseTwoAndCancelWritesNothing) {
    SettingsOffice office;
    office.SetUser("001", "Title", "総務");
    ReadUserSettings();
    const std::string user = ReadRawFile(office.UserFile());
    const std::string local = ReadRawFile(office.local);
    const std::string members = ReadRawFile(office.MemberPath());
    int result = DriveModal([] { return OpenEnvironmentDialog(nullptr); }, [&] {
        HWND d = WaitForDialog(kEnvironmentTitle);
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_ENV_TITLE), "総務");
        SetText(d, IDC_ENV_TITLE, "営業部");
        OpenTab(d, IDC_TAB_MEMBERS, IDC_ENV_MEMBER_DOWN);
        Send(d, IDC_ENV_MEMBERS, LB_SETSEL, TRUE, 0);
        Click(d, IDC_ENV_REMOVE_MEMBERS);
        OpenTab(d, IDC_TAB_MODEM, IDC_ENV_BPS_FIRST + 4);
        Press(d, IDC_ENV_MODEM_YES);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadRawFile(office.UserFile()), user);
    EXPECT_EQ(ReadRawFile(office.local), local);
    EXPECT_EQ(ReadRawFile(office.MemberPath()), members);
    EXPECT_EQ(UserSettings().title, "総務");

    // OK without a change: the modem that was never chosen is stored as not present.
    result = DriveModal([] { return OpenEnvironmentDialog(nullptr); }, [&] {
        HWND d = WaitForDialog(kEnvironmentTitle);
        ASSERT_TRUE(d);
        Click(d, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(office.Local("Use", "Modem"), "2");
    EXPECT_EQ(office.Local("Port", "Modem"), "0");
    EXPECT_EQ(office.User("001", "Title"), "総務");
    EXPECT_EQ(ReadRawFile(office.MemberPath()), members);
}

TEST(EnvironmentDialog, AMemberListThatCannotBeReadIsNotOverwritten) {
    SettingsOffice office;
    const std::string members = ReadRawFile(office.MemberPath());
    MessageSink previous = SetMessageSink(ShowInMessageBox);
    // Another client holds the list through every attempt to open it.
    HANDLE held = CreateFileA(office.MemberPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    int result = DriveModal([] { return OpenEnvironmentDialog(nullptr); }, [&] {
        MessageBoxSeen box = WaitForMessageBox();
        EXPECT_EQ(box.text, office.MemberPath() + "\n" + kMsgMembersUnreadable);
        Answer(box, IDOK);
        CloseHandle(held);
        HWND d = WaitForDialog(kEnvironmentTitle);
        ASSERT_TRUE(d);
        OpenTab(d, IDC_TAB_MEMBERS, IDC_ENV_MEMBER_DOWN);
        EXPECT_TRUE(ListLines(d, IDC_ENV_MEMBERS).empty());
        EXPECT_FALSE(IsEnabled(d, IDC_ENV_ADD_MEMBERS));
        Click(d, IDOK);
    });
    SetMessageSink(previous);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(ReadRawFile(office.MemberPath()), members);
}

// ---- the launcher's menu settings ----

namespace {

// menu.mox and program.mox of their own, beside no program.
struct LauncherPc {
    TempFolder folder{"moxmenu"};
    LauncherState launcher;
    LauncherPc() { SetLauncherFolder(folder.Dir()); }
    ~LauncherPc() { SetLauncherFolder(""); }
    std::string Menu() const { return ReadRawFile(folder.Path("menu.mox")); }
    std::string Programs() const { return ReadRawFile(folder.Path("program.mox")); }
    void WriteMenu(const LauncherRegions& tables) { WriteRawFile(folder.Path("menu.mox"), EncodeMenuFile(tables)); }
    void WritePrograms(const std::vector<std::string>& names) {
        std::string bytes;
        for (size_t i = 0; i < names.size(); ++i) {
            ProgramRecord r;
            r.rect = MakeRegionRect(300, 20 * static_cast<int>(i), 340, 20 * static_cast<int>(i) + 15);
            r.number = static_cast<int16_t>(kFirstProgram + i);
            r.name = names[i];
            r.command = "c:\\bin\\" + names[i] + ".exe";
            bytes += EncodeProgramRecord(r);
        }
        WriteRawFile(folder.Path("program.mox"), bytes);
    }
};

RegionRect MenuSlot(const std::string& menu, int slot) {
    return DecodeMenuRecord(reinterpret_cast<const unsigned char*>(menu.data()) + slot * kMenuRecordSize).rect;
}

}  // namespace

TEST(MenuDialogs, BindingMovesAFunctionAddsAProgramOrChangesNothing) {
    LauncherPc pc;
    LauncherRegions tables;
    tables.functions[5].rect = MakeRegionRect(10, 10, 50, 50);  // メール
    tables.functions[5].number = 5;
    pc.WriteMenu(tables);
    LoadLauncherRegions(pc.launcher);
    pc.launcher.drag = MakeRegionRect(100, 100, 150, 140);

    // Binding メール again moves its region.
    EXPECT_EQ(DriveModal([&] { return RunRegionBinding(nullptr, pc.launcher); }, [] {
        HWND d = WaitForDialog(kMenuTitle);
        ASSERT_TRUE(d);
        EXPECT_FALSE(On(d, IDC_BIND_MAIL) || On(d, IDC_BIND_DESTINATION) || On(d, IDC_BIND_PROGRAM));
        EXPECT_FALSE(IsEnabled(d, IDC_BIND_BROWSE));
        Press(d, IDC_BIND_MAIL);
        Click(d, IDOK);
    }), 1);
    EXPECT_TRUE(MenuSlot(pc.Menu(), 5) == MakeRegionRect(100, 100, 150, 140));
    EXPECT_EQ(RegionHitTest(pc.launcher, 20, 20), -1);
    EXPECT_EQ(RegionHitTest(pc.launcher, 120, 120), 5);

    // OK with nothing chosen changes nothing.
    const std::string menu = pc.Menu();
    pc.launcher.drag = MakeRegionRect(200, 200, 250, 240);
    EXPECT_EQ(DriveModal([&] { return RunRegionBinding(nullptr, pc.launcher); }, [] {
        HWND d = WaitForDialog(kMenuTitle);
        ASSERT_TRUE(d);
        Click(d, IDOK);
    }), 1);
    EXPECT_EQ(pc.Menu(), menu);
    EXPECT_FALSE(RawFileExists(pc.folder.Path("program.mox")));

    // A program needs a title and a file name.
    const std::string program = pc.folder.Path("calc.exe");
    WriteRawFile(program, "MZ");
    EXPECT_EQ(DriveModal([&] { return RunRegionBinding(nullptr, pc.launcher); }, [&] {
        HWND d = WaitForDialog(kMenuTitle);
        ASSERT_TRUE(d);
        Press(d, IDC_BIND_PROGRAM);
        EXPECT_TRUE(IsEnabled(d, IDC_BIND_BROWSE));
        Click(d, IDOK);
        ExpectMessageBox("タイトルを入力してください", MessageBoxSeen::kNone, IDOK);
        SetText(d, IDC_BIND_TITLE, "電卓");
        Click(d, IDOK);
        ExpectMessageBox("ファイル名を入力してください", MessageBoxSeen::kNone, IDOK);
        Click(d, IDC_BIND_BROWSE);
        ChooseInFileDialog("ミトカ　起動ファイル選択", program);
        WaitFor([&] { return Text(d, IDC_BIND_FILE) == program; });
        Click(d, IDOK);
    }), 1);
    ASSERT_EQ(pc.Programs().size(), kProgramRecordSize);
    ProgramRecord added = DecodeProgramRecord(reinterpret_cast<const unsigned char*>(pc.Programs().data()));
    EXPECT_EQ(added.number, 101);
    EXPECT_EQ(added.name, "電卓");
    EXPECT_EQ(added.command, program);
    EXPECT_EQ(RegionHitTest(pc.launcher, 220, 220), 101);

    // With ten programs stored an eleventh would never react: プログラム is not offered.
    pc.WritePrograms({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"});
    LoadLauncherRegions(pc.launcher);
    DriveModal([&] { return RunRegionBinding(nullptr, pc.launcher); }, [] {
        HWND d = WaitForDialog(kMenuTitle);
        ASSERT_TRUE(d);
        EXPECT_FALSE(IsShown(d, IDC_BIND_PROGRAM) || IsShown(d, IDC_BIND_FILE) || IsShown(d, IDC_BIND_BROWSE));
        EXPECT_TRUE(IsShown(d, IDC_BIND_CALENDAR));
        Click(d, IDCANCEL);
    });
}

TEST(MenuDialogs, MenuSettingsDeletesRetypesRenumbersAndCancelBringsBack) {
    LauncherPc pc;
    LauncherRegions tables;
    tables.functions[5].rect = MakeRegionRect(10, 10, 50, 50);
    for (int i = 0; i < kRegionSlots; ++i) tables.functions[i].number = static_cast<int16_t>(i);
    pc.WriteMenu(tables);
    pc.WritePrograms({"one", "two", "three"});
    LoadLauncherRegions(pc.launcher);
    const std::string menu = pc.Menu(), programs = pc.Programs();

    // An unchanged OK keeps both files byte for byte.
    EXPECT_EQ(DriveModal([&] { return RunMenuSettings(nullptr, pc.launcher); }, [] {
        HWND d = WaitForDialog(kMenuTitle);
        ASSERT_TRUE(d);
        std::vector<std::string> rows = ListLines(d, IDC_MENU_FUNCTIONS);
        ASSERT_EQ(rows.size(), 13u);
        EXPECT_EQ(rows[0], "メニュー\tLEFT\tTOP\tRIGHT\tBOTTOM");
        EXPECT_EQ(rows[6], "メール\t10\t10\t50\t50");
        EXPECT_EQ(rows[12], "カレンダー\t0\t0\t0\t0");
        EXPECT_EQ(ListLines(d, IDC_MENU_PROGRAMS)[3], "three\t300\t40\t340\t55\tc:\\bin\\three.exe");
        Click(d, IDOK);
    }), 1);
    EXPECT_EQ(pc.Menu(), menu);
    EXPECT_EQ(pc.Programs(), programs);

    // A deleted function region comes back after ｷｬﾝｾﾙ.
    EXPECT_EQ(DriveModal([&] { return RunMenuSettings(nullptr, pc.launcher); }, [] {
        HWND d = WaitForDialog(kMenuTitle);
        ASSERT_TRUE(d);
        SelectLine(d, IDC_MENU_FUNCTIONS, 6);
        Click(d, IDC_MENU_DELETE);
        EXPECT_TRUE(WaitFor([&] { return ListLines(d, IDC_MENU_FUNCTIONS)[6] == "メール\t0\t0\t0\t0"; }));
        Click(d, IDCANCEL);
    }), 0);
    EXPECT_EQ(pc.Menu(), menu);
    EXPECT_EQ(RegionHitTest(pc.launcher, 20, 20), 5);

    // Deleting the second of three programs renumbers the third; 977 takes "12a" as 12.
    EXPECT_EQ(DriveModal([&] { return RunMenuSettings(nullptr, pc.launcher); }, [] {
        HWND d = WaitForDialog(kMenuTitle);
        ASSERT_TRUE(d);
        OpenTab(d, IDC_MENU_TAB_PROGRAMS, IDC_MENU_PROGRAMS);
        EXPECT_FALSE(IsShown(d, IDC_MENU_FUNCTIONS));
        SelectLine(d, IDC_MENU_PROGRAMS, 0);
        Click(d, IDC_MENU_DELETE);  // the header stays
        SelectLine(d, IDC_MENU_PROGRAMS, 2);
        Click(d, IDC_MENU_DELETE);
        EXPECT_TRUE(WaitFor([&] { return ListLines(d, IDC_MENU_PROGRAMS).size() == 3u; }));
        OpenTab(d, IDC_MENU_TAB_FUNCTIONS, IDC_MENU_FUNCTIONS);
        DoubleClickLine(d, IDC_MENU_FUNCTIONS, 1);
        HWND c = d;  // the coordinates dialog, on top of the list
        WaitFor([&] {
            for (HWND w : FindWindows("#32770"))
                if (w != d) c = w;
            return c != d;
        });
        ASSERT_NE(c, d);
        EXPECT_EQ(Text(c, IDC_COORD_NAME), "行先入力");
        EXPECT_EQ(Text(c, IDC_COORD_LEFT), "0");
        SetText(c, IDC_COORD_LEFT, "12a");
        SetText(c, IDC_COORD_TOP, "5");
        SetText(c, IDC_COORD_RIGHT, "60");
        SetText(c, IDC_COORD_BOTTOM, "123456");
        Click(c, IDOK);
        EXPECT_TRUE(WaitUntilGone(c));
        EXPECT_EQ(ListLines(d, IDC_MENU_FUNCTIONS)[1], "行先入力\t12\t5\t60\t1234");
        Click(d, IDOK);
    }), 1);
    ASSERT_EQ(pc.Programs().size(), 2 * kProgramRecordSize);
    ProgramRecord third = DecodeProgramRecord(
        reinterpret_cast<const unsigned char*>(pc.Programs().data()) + kProgramRecordSize);
    EXPECT_EQ(third.name, "three");
    EXPECT_EQ(third.number, 102);
    EXPECT_TRUE(MenuSlot(pc.Menu(), 0) == MakeRegionRect(12, 5, 60, 1234));
    EXPECT_EQ(RegionHitTest(pc.launcher, 20, 20), 0);  // slot 0 is tested before slot 5
}
