// The board window in the running client: mox.exe signed in as 山田太郎 (user 1) and moxctl
// posting as 鈴木一郎 (user 2) in the same office.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/app/mox_process.h"

TEST(BoardClient, ThePollBringsTheWindowUpAndAReadingIsLoggedForEveryone) {
    YamadaPc office;
    office.Register("鈴木一郎", "suzuki");
    office.SetUser("001", "BbsCheckSec", "2");
    auto moxctl = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"--netdir", office.store.Dir(), "--user", "2"});
        return RunMoxctl(args);
    };
    ASSERT_EQ(RunMoxctl({"--netdir", office.store.Dir(), "board-add", "5", "総務"}).exitCode, 0);
    Client a(QuoteArg(office.local));
    HWND main = WaitForWindow("Mox", kMainTitle, a.Pid());
    ASSERT_TRUE(main);
    WriteRawFile(office.pc.Path("a.doc"), "doc");
    ProcessResult posted = moxctl({"post", "--board", "5", "--subject", "避難訓練", "--attach",
                                   office.pc.Path("a.doc") + "::手順"});
    ASSERT_EQ(posted.exitCode, 0) << posted.err;

    HWND board = WaitForWindow("MoxBbs", "ミトカ", a.Pid());
    ASSERT_TRUE(board);
    // Found while being created: brought forward just after.
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == board; }));
    SelectComboLine(board, IDC_BBS_TITLES, 1);
    WaitFor([&] { return !ListLines(board, IDC_BBS_POSTS).empty(); });
    ASSERT_EQ(ListLines(board, IDC_BBS_POSTS).size(), 1u);
    SelectLine(board, IDC_BBS_POSTS, 0);
    WaitFor([&] { return !ListLines(board, IDC_BBS_TITLE_LIST).empty(); });  // filled last
    EXPECT_EQ(ListLines(board, IDC_BBS_POSTS)[0].substr(0, 5), "    \t");
    EXPECT_EQ(ListLines(board, IDC_BBS_TITLE_LIST), std::vector<std::string>{"手順"});
    EXPECT_EQ(ReadRawFile(office.store.Path("bbs\\005\\chk0001.chk"))[0], '\1');
    ProcessResult readers = moxctl({"readers", "--board", "5", "0"});
    EXPECT_EQ(readers.exitCode, 0) << readers.err;
    EXPECT_EQ(readers.out.substr(0, 9), "山田太郎\t");
    EXPECT_EQ(readers.out.find("未読"), std::string::npos);

    // Closed, with nothing left unread, it stays closed over the next ticks.
    PostMessageA(board, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntilGone(board));
    Sleep(5000);
    EXPECT_TRUE(FindWindows("MoxBbs", a.Pid()).empty());
    QuitClient(main, a.Pid());
    EXPECT_EQ(a.ExitCode(), 0);
}
