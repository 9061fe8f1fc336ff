// moxctl's board commands as administrators' scripts use them: output formats and exit codes.
#include <gtest/gtest.h>

#include "tests/support/support.h"

namespace {

// An office with two registered users: 001 山田, 002 鈴木.
class MoxctlBbs : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"山田", "鈴木"}) ASSERT_EQ(Run({"register", name}).exitCode, 0);
    }
    ProcessResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--netdir", office_.Dir()});
        return RunMoxctl(args);
    }
    ProcessResult As(int user, std::vector<std::string> args) {
        args.insert(args.begin(), {"--user", std::to_string(user)});
        return Run(args);
    }
    // The output without the date or time column (after the first TAB), which the test cannot know.
    static std::string WithoutDates(const std::string& out) {
        std::string result;
        for (size_t start = 0, nl; (nl = out.find('\n', start)) != std::string::npos; start = nl + 1) {
            std::string line = out.substr(start, nl - start);
            size_t first = line.find('\t'), second = line.find('\t', first + 1);
            result += line.substr(0, first + 1) + (second == std::string::npos ? "" : line.substr(second)) + "\n";
        }
        return result;
    }
    TempFolder office_{"moxoffice"};
    TempFolder local_{"moxlocal"};
};

}  // namespace

TEST_F(MoxctlBbs, BoardAdministration) {
    EXPECT_EQ(Run({"boards"}).out, "\tデフォルト\n");
    ProcessResult added = Run({"board-add", "5", "総務"});
    EXPECT_EQ(added.exitCode, 0) << added.err;
    EXPECT_EQ(added.out, "005\n");
    ProcessResult again = Run({"board-add", "005", "別"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(again.err, "掲示板 005 はすでにあります\n");
    EXPECT_EQ(Run({"board-add", "x", "題"}).exitCode, 2);
    ASSERT_EQ(Run({"board-title", "全社\r\n"}).exitCode, 0);
    EXPECT_EQ(ReadRawFile(office_.Path("bbs\\title.txt")), "全社\r\n");
    EXPECT_EQ(Run({"boards"}).out, "\t全社  \n005\t総務\n");
}

TEST_F(MoxctlBbs, PostReadAndSeeWhoRead) {
    ASSERT_EQ(Run({"board-add", "5", "総務"}).exitCode, 0);
    WriteRawFile(local_.Path("body.txt"), "連絡です\r\n");
    WriteRawFile(local_.Path("a.doc"), "doc");
    ProcessResult posted = As(1, {"post", "--board", "5", "--subject", "会議", "--body-file",
                                  local_.Path("body.txt"), "--attach", local_.Path("a.doc") + "::資料"});
    ASSERT_EQ(posted.exitCode, 0) << posted.err;
    EXPECT_EQ(posted.out, "1\n");
    EXPECT_EQ(ReadRawFile(office_.Path("bbs\\005\\att0001.doc")), "doc");
    ASSERT_EQ(As(1, {"post", "--subject", "既定"}).exitCode, 0);

    EXPECT_EQ(As(2, {"unread"}).out, "1\n");
    EXPECT_EQ(As(1, {"unread"}).out, "0\n");
    EXPECT_EQ(WithoutDates(As(2, {"posts", "--board", "005"}).out), "未読\t\t山田\t会議\n");
    ProcessResult read = As(2, {"read", "--board", "5", "0"});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(read.out, "会議\n連絡です\r\n");
    EXPECT_EQ(WithoutDates(As(2, {"posts", "--board", "5"}).out), "\t\t山田\t会議\n");
    ProcessResult readers = As(1, {"readers", "--board", "5", "0"});
    ASSERT_EQ(readers.exitCode, 0) << readers.err;
    EXPECT_EQ(readers.out.size(), std::string("山田\tyy/mm/dd hh:mm:ss\n鈴木\tyy/mm/dd hh:mm:ss\n").size());

    EXPECT_EQ(As(2, {"unread"}).out, "1\n");  // the default board's post is still unread
    ASSERT_EQ(As(2, {"read", "0"}).exitCode, 0);
    EXPECT_EQ(As(2, {"unread"}).out, "0\n");
    EXPECT_EQ(WithoutDates(As(2, {"readers", "--board", "", "0"}).out), "山田\t\n鈴木\t\n");
}

TEST_F(MoxctlBbs, RefusedInput) {
    ProcessResult unknown = As(1, {"post", "--board", "7", "--subject", "件"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err, "掲示板 7 はありません\n");
    ProcessResult longSubject = As(1, {"post", "--subject", std::string(51, 's')});
    EXPECT_EQ(longSubject.exitCode, 1);
    EXPECT_EQ(longSubject.err, "表題は50バイトまでです\n");
    EXPECT_EQ(As(1, {"post", "--board", ""}).exitCode, 2);
    EXPECT_EQ(As(9, {"post", "--subject", "件"}).err, "利用者 009 は登録されていません\n");
    EXPECT_EQ(As(1, {"read", "0"}).err, "位置 0 に項目がありません\n");
    EXPECT_EQ(Run({"unread"}).exitCode, 2);  // needs --user
    EXPECT_FALSE(RawFileExists(office_.Path("bbs")));
}

TEST_F(MoxctlBbs, OnlyTheAuthorUpdatesOrDeletesHisPost) {
    WriteRawFile(local_.Path("new.txt"), "新しい本文");
    WriteRawFile(local_.Path("b.xls"), "xls");
    ASSERT_EQ(As(1, {"post", "--subject", "山田の一"}).exitCode, 0);
    ASSERT_EQ(As(2, {"post", "--subject", "鈴木の"}).exitCode, 0);
    ASSERT_EQ(As(1, {"post", "--subject", "山田の二"}).exitCode, 0);

    ProcessResult refused = As(2, {"post-update", "0", "--body-file", local_.Path("new.txt")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "自分の記事ではありません\n");
    EXPECT_EQ(As(2, {"post-delete", "2"}).exitCode, 1);
    EXPECT_EQ(As(1, {"post-delete", "7"}).exitCode, 1);
    EXPECT_EQ(As(1, {"post-delete"}).exitCode, 2);

    ProcessResult updated = As(1, {"post-update", "2", "--body-file", local_.Path("new.txt"),
                                   "--attach", local_.Path("b.xls") + "::表"});
    ASSERT_EQ(updated.exitCode, 0) << updated.err;
    EXPECT_EQ(As(2, {"read", "2"}).out, "山田の一\n新しい本文");
    EXPECT_EQ(ReadRawFile(office_.Path("bbs\\att0001.xls")), "xls");

    ProcessResult deleted = As(1, {"post-delete", "2"});
    ASSERT_EQ(deleted.exitCode, 0) << deleted.err;
    EXPECT_EQ(WithoutDates(As(1, {"posts"}).out), "\t\t山田\t山田の二\n未読\t\t鈴木\t鈴木の\n");
    EXPECT_FALSE(RawFileExists(office_.Path("bbs\\att0001.xls")));
}
