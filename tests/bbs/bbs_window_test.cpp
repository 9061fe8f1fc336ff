// The bulletin-board window, driven by a second thread as a user would, over a board that other
// clients (the store logic acting as them, or moxctl) change meanwhile; then the board files are
// checked with the raw file helpers.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/settings/local_user.h"
#include "bbs/bbs_store.h"
#include "bbs/bbs_window.h"
#include "res/resource.h"
#include "shell/plumbing.h"
#include "shell/window_classes.h"
#include "store/message_sink.h"
#include "tests/support/office.h"
#include "tests/support/print_check.h"
#include "tests/support/window_driver.h"

namespace {

// 山田太郎's PC, signed in, in an office with 鈴木一郎 and 佐藤花子 and the board 005 "総務".
struct BoardPc : TestOffice {
    BoardPc() {
        Register("山田太郎", "yamada");
        Register("鈴木一郎", "suzuki");
        Register("佐藤花子", "sato");
        PersonalPc(1);
        SetCurrentUserNumber(1);
        CurrentUser().name = "山田太郎";
        EXPECT_TRUE(BbsAddBoard(store.As(), 5, "総務").ok);
    }
    int Post(int author, const std::string& board, const std::string& subject,
             const std::string& body, std::vector<AttachmentSource> attachments = {}) {
        NewPost post{subject, body, std::move(attachments)};
        PostResult r = BbsCreatePost(store.As(author), board, author == 1 ? "山田太郎" : "鈴木一郎", post);
        EXPECT_TRUE(r.ok) << subject;
        return r.number;
    }
    std::string File(const std::string& name) const { return store.Path(name); }
};

std::string Subject(const std::string& line) { return line.substr(line.rfind('\t') + 1); }
std::string Mark(const std::string& line) { return line.substr(0, line.find('\t')); }

bool ButtonsOff(HWND w) {
    for (int id : {IDC_BBS_UPDATE, IDC_BBS_DELETE, IDC_BBS_READERS, IDC_BBS_MAIL})
        if (IsEnabled(w, id)) return false;
    return !IsShown(w, IDC_BBS_SAVE) && !IsShown(w, IDC_BBS_RUN) && !IsShown(w, IDC_BBS_SWITCH) &&
           ListLines(w, IDC_BBS_TITLE_LIST).empty() && ListLines(w, IDC_BBS_STORED).empty();
}

// A file's last-write time, asked without opening it: an open here could take the file from
// under the window's exclusive copy.
FILETIME WriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return FILETIME{};
    return data.ftLastWriteTime;
}

std::vector<std::string> MoxctlLines(const TestOffice& office, int user, std::vector<std::string> args) {
    args.insert(args.begin(), {"--netdir", office.store.Dir(), "--user", std::to_string(user)});
    ProcessResult r = RunMoxctl(args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::vector<std::string> lines;
    for (size_t start = 0, nl; (nl = r.out.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(r.out.substr(start, nl - start));
    return lines;
}

}  // namespace

// Reading marks in place, 未読 never wraps, only one's own posts can change, attachments are run
// and saved, and every action finds its post by the line's record even after another client
// deleted a post above it.
TEST(BoardWindow, ReadsFindsUnreadSavesAttachmentsAndActsOnTheLinesOwnPost) {
    BoardPc pc;
    TempFolder local("moxlocal");
    WriteRawFile(local.Path("noext"), "plain");
    WriteRawFile(local.Path("memo.txt"), "メモの中身");
    pc.Post(2, "", "一番", "一の本文");
    pc.Post(1, "", "二番", "二の本文", {{local.Path("noext"), "拡張子なし"}, {local.Path("memo.txt"), ""}});
    pc.Post(2, "", "三番", "三の本文");
    pc.Post(1, "", "四番", "四の本文");
    pc.Post(2, "005", "総務の記事", "総務の本文");

    int shown = DriveModal([] { return RunSubWindowHere(SubWindow::kBbs, BbsWindowProc); }, [&] {
        HWND w = WaitForWindow("MoxBbs", "ミトカ");
        ASSERT_TRUE(w);
        std::vector<std::string> lines = ListLines(w, IDC_BBS_POSTS);
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(Subject(lines[0]), "四番");
        EXPECT_EQ(Mark(lines[0]), "");
        EXPECT_EQ(Mark(lines[1]), "未読");
        EXPECT_EQ(Mark(lines[3]), "未読");
        EXPECT_TRUE(ButtonsOff(w));
        EXPECT_EQ(SendDlgItemMessageA(w, IDC_BBS_TITLES, CB_GETCOUNT, 0, 0), 2);

        // The oldest post, unread: its mark turns into four blanks in place, the line stays
        // selected, the bit is set; another's post cannot be changed.
        SelectLine(w, IDC_BBS_POSTS, 3);
        ASSERT_TRUE(WaitFor([&] { return Text(w, IDC_TEXT) == "一の本文"; }));
        EXPECT_EQ(ListLines(w, IDC_BBS_POSTS)[3], "    " + lines[3].substr(4));
        EXPECT_EQ(ListSelection(w, IDC_BBS_POSTS), 3);
        EXPECT_EQ(ReadRawFile(pc.File("bbs\\chk0001.chk"))[0], '\x0B');  // posts 1, 2 and 4
        EXPECT_FALSE(IsEnabled(w, IDC_BBS_UPDATE));
        EXPECT_FALSE(IsEnabled(w, IDC_BBS_DELETE));
        EXPECT_TRUE(IsEnabled(w, IDC_BBS_MAIL) && IsEnabled(w, IDC_BBS_READERS));
        // From the last line 未読 finds nothing, though 三番 above is unread.
        Click(w, IDC_BBS_UNREAD);
        ExpectMessageBox("この掲示板に未読はありません", MessageBoxSeen::kNone, IDOK);
        EXPECT_EQ(Mark(ListLines(w, IDC_BBS_POSTS)[1]), "未読");
        // From my own post at the top it finds 三番.
        SelectLine(w, IDC_BBS_POSTS, 0);
        ASSERT_TRUE(WaitFor([&] { return Text(w, IDC_TEXT) == "四の本文"; }));
        EXPECT_TRUE(IsEnabled(w, IDC_BBS_UPDATE) && IsEnabled(w, IDC_BBS_DELETE));
        Click(w, IDC_BBS_UNREAD);
        ASSERT_TRUE(WaitFor([&] { return Text(w, IDC_TEXT) == "三の本文"; }));
        EXPECT_EQ(ListSelection(w, IDC_BBS_POSTS), 1);
        EXPECT_EQ(Mark(ListLines(w, IDC_BBS_POSTS)[1]), "    ");

        // 管理: every registered user, with the time of his first reading or 未読.
        Click(w, IDC_BBS_READERS);
        HWND readers = WaitForDialog("ミトカ　掲示板管理");
        ASSERT_TRUE(readers);
        std::vector<std::string> who = ListLines(readers, IDC_BBS_READER_LIST);
        ASSERT_EQ(who.size(), 3u);
        EXPECT_EQ(who[0].size(), std::string("山田太郎\tyy/mm/dd hh:mm:ss").size());
        EXPECT_EQ(who[1].size(), std::string("鈴木一郎\tyy/mm/dd hh:mm:ss").size());
        EXPECT_EQ(who[2], "佐藤花子\t未読");
        Click(readers, IDCANCEL);
        ASSERT_TRUE(WaitUntilGone(readers));

        // My post with two attachments: titles (an empty one shows the path), paths after 切換.
        SelectLine(w, IDC_BBS_POSTS, 2);
        ASSERT_TRUE(WaitFor([&] { return IsShown(w, IDC_BBS_SAVE); }));
        EXPECT_EQ(ListLines(w, IDC_BBS_TITLE_LIST),
                  (std::vector<std::string>{"拡張子なし", local.Path("memo.txt")}));
        EXPECT_FALSE(IsEnabled(w, IDC_BBS_SAVE) || IsEnabled(w, IDC_BBS_RUN));
        SelectLine(w, IDC_BBS_TITLE_LIST, 0);
        ASSERT_TRUE(WaitFor([&] { return IsEnabled(w, IDC_BBS_RUN); }));
        Click(w, IDC_BBS_RUN);  // the stored copy has no extension: nothing is associated
        ExpectMessageBox("関連付けされていません", MessageBoxSeen::kNone, IDOK);
        Click(w, IDC_BBS_SWITCH);
        ASSERT_TRUE(WaitFor([&] { return IsShown(w, IDC_BBS_PATHS); }));
        EXPECT_FALSE(IsShown(w, IDC_BBS_TITLE_LIST));
        SelectLine(w, IDC_BBS_PATHS, 1);
        ASSERT_TRUE(WaitFor([&] { return ListSelection(w, IDC_BBS_TITLE_LIST) == 1; }));
        const std::string storedTxt = ListLines(w, IDC_BBS_STORED)[1];
        Click(w, IDC_BBS_SAVE);
        ChooseInFileDialog("ミトカ　添付ファイル複写", local.Path("saved.txt"));
        // The copy is done once it holds the whole stored copy with its time, not as soon as it
        // is created.
        const FILETIME storedTime = WriteTime(storedTxt);
        EXPECT_TRUE(WaitFor([&] {
            const FILETIME savedTime = WriteTime(local.Path("saved.txt"));
            return CompareFileTime(&savedTime, &storedTime) == 0;
        }));
        EXPECT_EQ(ReadRawFile(local.Path("saved.txt")), "メモの中身");
        // A stored copy gone meanwhile is said to be so, not saved silently as nothing.
        DeleteFileA(storedTxt.c_str());
        Click(w, IDC_BBS_SAVE);
        ChooseInFileDialog("ミトカ　添付ファイル複写", local.Path("again.txt"));
        ExpectMessageBox("複写できませんでした", MessageBoxSeen::kNone, IDOK);
        EXPECT_FALSE(RawFileExists(local.Path("again.txt")));

        // Another client deletes the oldest post: my lines still open their own posts, and
        // 削除 removes only mine.
        ListLoad other = BbsLoadPostList(pc.store.As(2), "");
        ASSERT_TRUE(BbsDeletePost(pc.store.As(2), "", 4, 3, &other.lines[3].identity).removed);
        const std::string before = ReadRawFile(pc.File("bbs\\bbslst.mox"));
        SelectLine(w, IDC_BBS_POSTS, 0);
        ASSERT_TRUE(WaitFor([&] { return Text(w, IDC_TEXT) == "四の本文"; }));
        SelectLine(w, IDC_BBS_POSTS, 2);
        ASSERT_TRUE(WaitFor([&] { return Text(w, IDC_TEXT) == "二の本文"; }));
        Click(w, IDC_BBS_DELETE);
        ExpectMessageBox("削除しますか？", MessageBoxSeen::kQuestion, IDOK);
        ASSERT_TRUE(WaitFor([&] { return ListLines(w, IDC_BBS_POSTS).size() == 3u; }));
        EXPECT_EQ(ReadRawFile(pc.File("bbs\\bbslst.mox")), before.substr(256));
        EXPECT_FALSE(RawFileExists(pc.File("bbs\\bbs0002.txt")));
        EXPECT_EQ(Text(w, IDC_TEXT), "");
        EXPECT_TRUE(ButtonsOff(w));
        // The line of the post deleted elsewhere shows nothing and offers nothing.
        SelectLine(w, IDC_BBS_POSTS, 2);
        Sleep(300);
        EXPECT_EQ(Text(w, IDC_TEXT), "");
        EXPECT_TRUE(ButtonsOff(w));

        // Another board: its posts, nothing shown, nothing to act on.
        SelectLine(w, IDC_BBS_POSTS, 0);
        ASSERT_TRUE(WaitFor([&] { return IsEnabled(w, IDC_BBS_MAIL); }));
        SelectComboLine(w, IDC_BBS_TITLES, 1);
        ASSERT_TRUE(WaitFor([&] { return ListLines(w, IDC_BBS_POSTS).size() == 1u; }));
        EXPECT_EQ(Subject(ListLines(w, IDC_BBS_POSTS)[0]), "総務の記事");
        EXPECT_EQ(Text(w, IDC_TEXT), "");
        EXPECT_TRUE(ButtonsOff(w));
        Click(w, IDCANCEL);
    });
    EXPECT_EQ(shown, 1);
    EXPECT_NE(pc.User("001", "Left", "Bbs"), "<none>");
}

// The post dialog new and in update mode, メール as a reply to the author, and 印刷 and コピー of
// the body on view.
TEST(BoardWindow, PostsUpdatesRepliesByMailAndPrints) {
    BoardPc pc;
    PrinterFacts printer;
    ASSERT_GT(printer.dpi, 0) << "no printer " << kTestPrinter << ": run scripts/print-queue.sh as root";
    const std::string job = JobTitle("bbs");
    std::string pdf;
    TempFolder local("moxlocal");
    WriteRawFile(local.Path("a.doc"), "doc");
    pc.Post(2, "005", "鈴木の記事", "一行目\r\n\r\n三行目");
    const std::string fifty = std::string("あいうえおかきくけこさしすせそたちつてとなにぬね") + "xy";
    ClearMessages();

    int shown = DriveModal([] { return RunSubWindowHere(SubWindow::kBbs, BbsWindowProc); }, [&] {
        HWND w = WaitForWindow("MoxBbs", "ミトカ");
        ASSERT_TRUE(w);
        SelectComboLine(w, IDC_BBS_TITLES, 1);
        ASSERT_TRUE(WaitFor([&] { return ListLines(w, IDC_BBS_POSTS).size() == 1u; }));

        Click(w, IDC_BBS_NEW);
        HWND d = WaitForDialog("ミトカ　掲示板登録");
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_BBS_TITLES), "総務");
        Click(d, IDOK);  // no subject: nothing written, the dialog stays
        ASSERT_TRUE(WaitFor([&] { return !RecordedMessages().empty(); }));
        EXPECT_EQ(RecordedMessages()[0], "表題がありません");
        EXPECT_TRUE(IsWindow(d));
        HWND subject = GetDlgItem(d, IDC_BBS_POSTS);
        for (int i = 0; i < 51; ++i) SendMessageA(subject, WM_CHAR, 'x', 1);
        EXPECT_EQ(Text(d, IDC_BBS_POSTS), std::string(50, 'x'));
        SetText(d, IDC_BBS_POSTS, fifty);
        SetText(d, IDC_TEXT, "掲示の本文\r\n");
        Click(d, IDC_BBS_SAVE);  // 追加
        ChooseInFileDialog("ミトカ　添付ファイル選択", local.Path("a.doc"));
        HWND title = WaitForDialog("ファイルタイトル入力");
        ASSERT_TRUE(title);
        SetText(title, IDC_TITLE_TEXT, "資料");
        Click(title, IDOK);
        ASSERT_TRUE(WaitUntilGone(title));
        EXPECT_EQ(ListLines(d, IDC_BBS_TITLE_LIST), std::vector<std::string>{"資料"});
        // Escape asks; Cancel keeps the dialog.
        PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
        ExpectMessageBox("キャンセルしますか？", MessageBoxSeen::kQuestion, IDCANCEL);
        Click(d, IDOK);
        ASSERT_TRUE(WaitUntilGone(d));
        ASSERT_TRUE(WaitFor([&] { return ListLines(w, IDC_BBS_POSTS).size() == 2u; }));
        EXPECT_EQ(Subject(ListLines(w, IDC_BBS_POSTS)[0]), fifty);

        // As the colleague sees it: whole, unread, then read.
        std::vector<std::string> posts = MoxctlLines(pc, 2, {"posts", "--board", "5"});
        ASSERT_EQ(posts.size(), 2u);
        EXPECT_EQ(Mark(posts[0]), "未読");
        EXPECT_EQ(MoxctlLines(pc, 2, {"read", "--board", "5", "0"}),
                  (std::vector<std::string>{fifty, "掲示の本文\r"}));
        EXPECT_EQ(ReadRawFile(pc.File("bbs\\005\\att0001.doc")), "doc");

        // Updated with an empty body and no attachments: the body stays, the copies go, and
        // nobody finds it unread again.
        SelectLine(w, IDC_BBS_POSTS, 0);
        ASSERT_TRUE(WaitFor([&] { return IsEnabled(w, IDC_BBS_UPDATE); }));
        Click(w, IDC_BBS_UPDATE);
        d = WaitForDialog("ミトカ　掲示板登録");
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_BBS_POSTS), fifty);
        EXPECT_TRUE(GetWindowLongA(GetDlgItem(d, IDC_BBS_POSTS), GWL_STYLE) & ES_READONLY);
        EXPECT_EQ(Text(d, IDC_TEXT), "掲示の本文\r\n");
        ASSERT_EQ(ListLines(d, IDC_BBS_PATHS), std::vector<std::string>{local.Path("a.doc")});
        SelectLine(d, IDC_BBS_PATHS, 0);
        Click(d, IDC_BBS_ATTACH_REMOVE);
        ASSERT_TRUE(WaitFor([&] { return ListLines(d, IDC_BBS_TITLE_LIST).empty(); }));
        SetText(d, IDC_TEXT, "");
        Click(d, IDOK);
        ASSERT_TRUE(WaitUntilGone(d));
        ASSERT_TRUE(WaitFor([&] { return Text(w, IDC_TEXT) == "掲示の本文\r\n"; }));
        EXPECT_FALSE(RawFileExists(pc.File("bbs\\005\\att0001.doc")));
        EXPECT_FALSE(RawFileExists(pc.File("bbs\\005\\fil0002.lst")));
        EXPECT_EQ(MoxctlLines(pc, 2, {"read", "--board", "5", "0"})[1], "掲示の本文\r");
        EXPECT_EQ(MoxctlLines(pc, 2, {"unread"}), std::vector<std::string>{"0"});

        // メール on 鈴木's post: a reply to him.
        SelectLine(w, IDC_BBS_POSTS, 1);
        ASSERT_TRUE(WaitFor([&] { return Text(w, IDC_TEXT) == "一行目\r\n\r\n三行目"; }));
        Click(w, IDC_BBS_MAIL);
        HWND mail = WaitForDialog("ミトカ　メール");
        ASSERT_TRUE(mail);
        EXPECT_EQ(Text(mail, IDC_SUBJECT), "RE:鈴木の記事");
        Click(mail, IDOK);
        ASSERT_TRUE(WaitUntilGone(mail));
        std::vector<std::string> received = MoxctlLines(pc, 2, {"list", "received"});
        ASSERT_EQ(received.size(), 1u);
        EXPECT_NE(received[0].find("山田太郎"), std::string::npos);
        EXPECT_NE(received[0].find("RE:鈴木の記事"), std::string::npos);

        // コピー is sent, not posted, and the clipboard read only after it returns: the edit's own
        // open of the clipboard fails while this thread holds it open, and the copy would be lost.
        ASSERT_TRUE(WaitFor([&] {
            SendDlgItemMessageA(w, IDC_TEXT, EM_SETSEL, 0, -1);
            SendMessageA(w, WM_COMMAND, MAKEWPARAM(IDC_BBS_COPY, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(w, IDC_BBS_COPY)));
            if (!OpenClipboard(nullptr)) return false;
            HANDLE data = GetClipboardData(CF_TEXT);
            const char* text = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
            const bool copied = text && std::string(text) == "一行目\r\n\r\n三行目";
            if (text) GlobalUnlock(data);
            CloseClipboard();
            return copied;
        }));
        SetWindowTextA(w, job.c_str());
        Click(w, IDC_BBS_PRINT);
        ChoosePrint(1, true);
        pdf = WaitForPdf(job);
        SetWindowTextA(w, "ミトカ");
        Click(w, IDCANCEL);
    });
    EXPECT_EQ(shown, 1);
    std::vector<PagePicture> pages = RenderPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    std::vector<double> ink = LineInk(pages[0], printer);
    EXPECT_EQ(InkedLines(ink), 2);  // the body's lines, the empty second one blank
    EXPECT_GE(ink[0], 0);
    EXPECT_LT(ink[1], 0);
    EXPECT_GE(ink[2], 0);
}
