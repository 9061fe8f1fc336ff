// The send dialog and the message window driven for real in this process, and two clients as
// mox.exe sending to each other.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "mail/addressee.h"
#include "mail/compose_text.h"
#include "messages/message_dialog.h"
#include "messages/message_store.h"
#include "messages/message_text.h"
#include "messages/message_window.h"
#include "res/resource.h"
#include "shell/main_tables.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "shell/window_classes.h"
#include "store/message_sink.h"
#include "store/names.h"
#include "tests/app/mox_process.h"
#include "tests/support/drive_link.h"
#include "tests/support/office.h"
#include "tests/support/window_driver.h"

namespace {

const char kSendTitle[] = "ミトカ　メッセージ送信";
const MessageBoxSeen::Icon kQuestion = MessageBoxSeen::kQuestion;
const MessageBoxSeen::Icon kNoIcon = MessageBoxSeen::kNone;

// 山田太郎 (001) on this PC; 佐藤花子 (002) runs the program, 鈴木一郎 (003) does not. What the
// store logic says reaches the user in a box, as in the client.
struct MessagePc : TestOffice {
    explicit MessagePc(int user = 1) {
        for (const char* name : {"山田太郎", "佐藤花子", "鈴木一郎"}) Register(name, "");
        PersonalPc(user);
        SetCurrentUserNumber(user);
        CurrentUser().name = user == 1 ? "山田太郎" : "佐藤花子";
        RememberedAddressee().clear();
        WriteRawFile(store.Path("002\\login.mox"), "");
    }
    ~MessagePc() { SetMessageSink(previousSink_); }
    std::string Pending(const std::string& folder) const {
        return ShownMessages(ReadRawFile(store.Path(folder + "\\message.mox")));
    }
    MessageSink previousSink_ = SetMessageSink(ShowInMessageBox);
};

std::vector<int> SelectedLines(HWND dialog) {
    std::vector<int> selected;
    HWND list = GetDlgItem(dialog, IDC_RECIPIENTS);
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (SendMessageA(list, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) selected.push_back(i);
    return selected;
}


// The message window as the main window opens it, with a message loop until it is gone; the
// poll's raise is a posted WM_APP (a focus given from this thread, as the main window does).
int RunMessageWindow() {
    RegisterSubWindowClasses(AppInstance(), [](SubWindow which) -> WNDPROC {
        return which == SubWindow::kMsg ? MessageWindowProc : nullptr;
    });
    HWND window = CreateSubWindow(AppInstance(), SubWindow::kMsg);
    if (!window) return 0;
    while (IsWindow(window)) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_APP) {
                SetFocus(window);
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
    }
    return 1;
}

// The text of the window's edit, asked with WM_GETTEXT: the platform's GetWindowText does not
// ask a window of another process for its text.
std::string WindowText(HWND window) {
    HWND edit = GetDlgItem(window, IDC_TEXT);
    const int length = static_cast<int>(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0));
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    const int got = static_cast<int>(
        SendMessageW(edit, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(&wide[0])));
    std::string text(static_cast<size_t>(got) * 2 + 1, '\0');
    const int bytes = WideCharToMultiByte(932, 0, wide.data(), got, &text[0],
                                          static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(static_cast<size_t>(bytes));
    return text;
}

}  // namespace

TEST(MessageDialog, AsksBeforeSendingAndDiscardingThenSendsTheTextAsTyped) {
    MessagePc pc;
    UserSettings().mailSend = 1;
    RememberAddressee(2);
    int result = DriveModal([] { return RunMessageDialog(nullptr); }, [&] {
        HWND d = WaitForDialog(kSendTitle);
        ASSERT_TRUE(d);
        EXPECT_EQ(ListLines(d, IDC_RECIPIENTS),
                  (std::vector<std::string>{"山田太郎", "佐藤花子", "鈴木一郎"}));
        EXPECT_EQ(SelectedLines(d), std::vector<int>{1});
        SetText(d, IDC_TEXT, "了解\r\n明日伺います");
        // Cancel to the question, and to the discard question: the dialog stays as it was.
        Click(d, IDOK);
        ExpectMessageBox(kMsgAskSend, kQuestion, IDCANCEL);
        PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
        ExpectMessageBox("キャンセルしますか？", kQuestion, IDCANCEL);
        EXPECT_EQ(Text(d, IDC_TEXT), "了解\r\n明日伺います");
        EXPECT_EQ(SelectedLines(d), std::vector<int>{1});
        EXPECT_FALSE(RawFileExists(pc.store.Path("002\\message.mox")));
        Click(d, IDOK);
        ExpectMessageBox(kMsgAskSend, kQuestion, IDOK);
    });
    UserSettings().mailSend = 0;
    EXPECT_EQ(result, 1);
    const std::string shown = pc.Pending("002");
    EXPECT_EQ(shown.substr(2, 2), "時");
    EXPECT_EQ(shown.substr(9), "山田太郎様からメッセージです\r\n了解\r\n明日伺います\r\n");

    // A single colleague who is not running: told, nothing written, and the dialog closes.
    RememberedAddressee().clear();
    result = DriveModal([] { return RunMessageDialog(nullptr); }, [&] {
        HWND d = WaitForDialog(kSendTitle);
        ASSERT_TRUE(d);
        Click(d, IDOK);
        ExpectMessageBox(kMsgNoRecipient, kNoIcon, IDOK);
        SendMessageA(GetDlgItem(d, IDC_RECIPIENTS), LB_SETSEL, TRUE, 2);
        Click(d, IDOK);
        ExpectMessageBox(kMsgNoMessage, kNoIcon, IDOK);
        SetText(d, IDC_TEXT, "了解");
        Click(d, IDOK);
        ExpectMessageBox(kMsgNotRunning, kNoIcon, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(RawFileExists(pc.store.Path("003\\message.mox")));
}

TEST(MessageWindow, ShowsMessagesInArrivalOrderAndKeepsThemWhenTheDriveGoes) {
    MessagePc pc(2);
    DriveLink drive('M', pc.store.Dir());
    ASSERT_TRUE(drive.Present());
    LocalSettings().netDir = "M:\\";
    const StoreContext yamada{pc.store.Dir(), 1};
    ASSERT_TRUE(DeliverMessage(yamada, "山田太郎", "002", "了解", 9, 5));
    int result = DriveModal(RunMessageWindow, [&] {
        HWND w = WaitForWindow("MoxMsg", "ミトカ");
        ASSERT_TRUE(w);
        const std::string first = "09時05分 山田太郎様からメッセージです\r\n了解\r\n";
        EXPECT_EQ(WindowText(w), first);
        EXPECT_FALSE(RawFileExists(pc.store.Path("002\\message.mox")));
        // A second message while the window is active: the poll's raise takes it.
        ASSERT_TRUE(DeliverMessage(yamada, "山田太郎", "002", std::string(300, 'y'), 9, 6));
        PostMessageA(w, WM_APP, 0, 0);
        EXPECT_TRUE(WaitFor([&] { return WindowText(w).size() > first.size(); }));
        EXPECT_EQ(WindowText(w), first + "09時06分 山田太郎様からメッセージです\r\n" +
                                     std::string(300, 'y') + "\r\n");
        // The drive goes: one report, then the window stays with its text, and asks no more.
        ASSERT_TRUE(drive.Remove());
        PostMessageA(w, WM_APP, 0, 0);
        MessageBoxSeen lost = WaitForMessageBox();
        Answer(lost, IDOK);
        for (int i = 0; i < 3; ++i) PostMessageA(w, WM_APP, 0, 0);
        Sleep(500);
        EXPECT_TRUE(FindWindows("#32770").empty());
        EXPECT_TRUE(IsWindow(w));
        EXPECT_NE(WindowText(w).find(std::string(300, 'y')), std::string::npos);
        PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitUntilGone(w));
    });
    EXPECT_EQ(result, 1);

    // An empty window whose drive is gone closes itself.
    result = DriveModal(RunMessageWindow, [&] {
        MessageBoxSeen lost = WaitForMessageBox();
        Answer(lost, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(SubWindowHandle(SubWindow::kMsg), nullptr);
}

// ---- two clients as mox.exe ----

TEST(MessageProcesses, ADialogOfOneClientReachesTheWindowOfAnother) {
    TestOffice office;
    office.Register("山田太郎", "yamada");
    office.Register("佐藤花子", "sato");
    office.PersonalPc(1);
    office.SetUser("002", "MsgCheckSec", "1");
    // B: a second PC of the same office, signed in as 佐藤花子.
    TempFolder pcB("moxpcb");
    const std::string localB = pcB.Path("mox.ini");
    CopyFileA(office.local.c_str(), localB.c_str(), FALSE);
    WritePrivateProfileStringA("Environment", "NameNumber", "2", localB.c_str());
    Client a(QuoteArg(office.local));
    HWND mainA = WaitForWindow("Mox", kMainTitle, a.Pid());
    ASSERT_TRUE(mainA);
    Client b(QuoteArg(localB));
    HWND mainB = WaitForWindow("Mox", kMainTitle, b.Pid());
    ASSERT_TRUE(mainB);

    auto sendFromA = [&](const std::string& text) {
        PostMessageA(mainA, WM_COMMAND, CMD_MESSAGE, 0);
        HWND d = WaitForDialog(kSendTitle, a.Pid());
        ASSERT_TRUE(d);
        SendMessageA(GetDlgItem(d, IDC_RECIPIENTS), LB_SETSEL, TRUE, 1);
        SetText(d, IDC_TEXT, text);
        Click(d, IDOK);
        EXPECT_TRUE(WaitUntilGone(d));
    };
    sendFromA("了解");
    HWND w = WaitForWindow("MoxMsg", "ミトカ", b.Pid());
    ASSERT_TRUE(w);
    EXPECT_TRUE(WaitFor([&] { return WindowText(w).find("了解") != std::string::npos; }));
    EXPECT_NE(WindowText(w).find("山田太郎様からメッセージです\r\n了解\r\n"), std::string::npos);
    EXPECT_FALSE(RawFileExists(office.store.Path("002\\message.mox")));
    // B's window is active: the next message comes below the first.
    sendFromA("会議は十時から");
    EXPECT_TRUE(WaitFor([&] { return WindowText(w).find("十時") != std::string::npos; }));
    EXPECT_LT(WindowText(w).find("了解"), WindowText(w).find("会議は十時から"));
    EXPECT_EQ(FindWindows("MoxMsg", b.Pid()).size(), 1u);
    QuitClient(mainB, b.Pid());
    QuitClient(mainA, a.Pid());
    EXPECT_EQ(b.ExitCode(), 0);
    EXPECT_EQ(a.ExitCode(), 0);
}
