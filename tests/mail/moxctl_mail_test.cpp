// moxctl's mail commands as administrators' scripts use them: output formats and exit codes.
#include <gtest/gtest.h>

#include "tests/support/support.h"

namespace {

// An office with three registered users: 001 山田, 002 鈴木, 003 佐藤.
class MoxctlMail : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"山田", "鈴木", "佐藤"})
            ASSERT_EQ(Run({"register", name}).exitCode, 0);
    }
    ProcessResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--netdir", office_.Dir()});
        return RunMoxctl(args);
    }
    ProcessResult As(int user, std::vector<std::string> args) {
        args.insert(args.begin(), {"--user", std::to_string(user)});
        return Run(args);
    }
    std::vector<std::string> Lines(int user, const char* which) {
        std::vector<std::string> lines;
        std::string out = As(user, {"list", which}).out;
        for (size_t start = 0, nl; (nl = out.find('\n', start)) != std::string::npos; start = nl + 1)
            lines.push_back(out.substr(start, nl - start));
        return lines;
    }
    // The line without its time of sending, which the test cannot know.
    static std::string WithoutTime(const std::string& line) {
        size_t first = line.find('\t'), second = line.find('\t', first + 1);
        return line.substr(0, first + 1) + line.substr(second);
    }
    TempFolder office_{"moxoffice"};
    TempFolder local_{"moxlocal"};
};

}  // namespace

TEST_F(MoxctlMail, SendListOpenAndDelete) {
    WriteRawFile(local_.Path("body.txt"), "こんにちは\r\n二行目\r\n");
    WriteRawFile(local_.Path("a.doc"), "document");
    ProcessResult sent = As(1, {"send", "--to", "3,2", "--subject", "予定", "--body-file",
                                local_.Path("body.txt"), "--attach", local_.Path("a.doc") + "::見積",
                                "--confidential"});
    ASSERT_EQ(sent.exitCode, 0) << sent.err;
    EXPECT_EQ(sent.out, "002\t1\t1\n003\t1\t2\n");  // registry order, whatever --to said
    EXPECT_EQ(ReadRawFile(office_.Path("002\\att0001.doc")), "document");

    std::vector<std::string> received = Lines(2, "received");
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(WithoutTime(received[0]), "21未読\t\t山田様\t予定");
    std::vector<std::string> sentLines = Lines(1, "sent");
    ASSERT_EQ(sentLines.size(), 2u);
    EXPECT_EQ(WithoutTime(sentLines[0]), "21未読\t\t佐藤様\t予定");

    ProcessResult opened = As(2, {"open", "0"});
    ASSERT_EQ(opened.exitCode, 0) << opened.err;
    EXPECT_EQ(opened.out, "予定\nこんにちは\r\n二行目\r\n");
    EXPECT_EQ(WithoutTime(Lines(2, "received")[0]), "21\t\t山田様\t予定");
    EXPECT_EQ(WithoutTime(Lines(1, "sent")[1]), "21受信\t\t鈴木様\t予定");

    ASSERT_EQ(As(2, {"delete", "received", "0"}).exitCode, 0);
    EXPECT_TRUE(Lines(2, "received").empty());
    EXPECT_EQ(WithoutTime(Lines(1, "sent")[1]), "21削除\t\t鈴木様\t予定");
    EXPECT_FALSE(RawFileExists(office_.Path("002\\rcv0001.txt")));
    EXPECT_FALSE(RawFileExists(office_.Path("002\\att0001.doc")));
}

TEST_F(MoxctlMail, RetractionIsDoneOnlyWhenAskedAndRefusedOnceOpened) {
    for (int i = 0; i < 3; ++i) ASSERT_EQ(As(1, {"send", "--to", "2", "--subject", "件" + std::to_string(i)}).exitCode, 0);
    ASSERT_EQ(As(2, {"open", "0"}).exitCode, 0);  // 件2 opened

    // No --retract: the sender's copy of 件0 goes, the recipient's stays.
    ASSERT_EQ(As(1, {"delete", "sent", "2"}).exitCode, 0);
    EXPECT_EQ(Lines(2, "received").size(), 3u);
    // --retract on the unopened 件1 takes the recipient's copy back.
    ProcessResult retracted = As(1, {"delete", "sent", "1", "--retract"});
    EXPECT_EQ(retracted.exitCode, 0) << retracted.err;
    EXPECT_EQ(Lines(2, "received").size(), 2u);
    // The opened 件2 is not retracted, and nothing needs saying.
    ProcessResult opened = As(1, {"delete", "sent", "0", "--retract"});
    EXPECT_EQ(opened.exitCode, 0);
    EXPECT_EQ(opened.err, "");
    std::vector<std::string> left = Lines(2, "received");
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].substr(left[0].size() - 3), "件2");
    EXPECT_EQ(left[1].substr(left[1].size() - 3), "件0");
    EXPECT_TRUE(Lines(1, "sent").empty());
}

TEST_F(MoxctlMail, ARetractionRefusedBecauseTheCopyWasOpenedExitsOne) {
    ASSERT_EQ(As(1, {"send", "--to", "2", "--subject", "件"}).exitCode, 0);
    // In the client the sender's list shows the copy unopened, the recipient opens it while the
    // question is on the screen, then the sender answers Yes. Putting back the sender's list as
    // it was before the opening plays that moment through moxctl.
    std::string twin = ReadRawFile(office_.Path("001\\sndlst.mox"));
    ASSERT_EQ(As(2, {"open", "0"}).exitCode, 0);
    WriteRawFile(office_.Path("001\\sndlst.mox"), twin);
    ProcessResult r = As(1, {"delete", "sent", "0", "--retract"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "送信先でメールを読まれたので、削除できませんでした\n");
    EXPECT_EQ(Lines(2, "received").size(), 1u);
    EXPECT_TRUE(Lines(1, "sent").empty());
}

TEST_F(MoxctlMail, PhoneMemo) {
    ProcessResult r = As(3, {"phone", "--to", "1,2", "--caller", "田中", "--number", "03-1234",
                             "--request", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(WithoutTime(Lines(1, "received")[0]), "10未読\t\t佐藤様\t田中様から電話です");
    std::vector<std::string> sent = Lines(3, "sent");
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(WithoutTime(sent[1]), "10未読\t\t山田様\t田中様から電話です");
    std::string record = ReadRawFile(office_.Path("001\\rcvlst.mox"));
    EXPECT_EQ(record[127], 1);
    EXPECT_EQ(std::string(record.c_str() + 128), "03-1234");
}

TEST_F(MoxctlMail, UsageAndFailuresHaveTheirExitCodes) {
    EXPECT_EQ(Run({"send", "--to", "2", "--subject", "x"}).exitCode, 2);  // no --user
    EXPECT_EQ(As(1, {"send", "--to", "2"}).exitCode, 2);
    EXPECT_EQ(As(1, {"send", "--to", "2,x", "--subject", "x"}).exitCode, 2);
    EXPECT_EQ(As(1, {"send", "--to", "2", "--subject", "x", "extra"}).exitCode, 2);
    EXPECT_EQ(As(1, {"phone", "--to", "2", "--caller", "x", "--request", "4"}).exitCode, 2);
    EXPECT_EQ(As(1, {"list", "inbox"}).exitCode, 2);
    EXPECT_EQ(As(1, {"delete", "received"}).exitCode, 2);

    ProcessResult unknown = As(1, {"send", "--to", "9", "--subject", "x"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err, "利用者 009 は登録されていません\n");
    ProcessResult noFile = As(1, {"send", "--to", "2", "--subject", "x", "--attach", local_.Path("none.doc")});
    EXPECT_EQ(noFile.exitCode, 1);
    ProcessResult noSubject = As(1, {"send", "--to", "2", "--subject", ""});
    EXPECT_EQ(noSubject.exitCode, 1);
    EXPECT_EQ(noSubject.err, "表題がありません\n");
    EXPECT_FALSE(RawFileExists(office_.Path("002\\rcvlst.mox")));  // nothing was sent
    EXPECT_EQ(As(2, {"open", "0"}).exitCode, 1);

    WriteRawFile(office_.Path("002\\rcvlst.mox"), std::string(300, '\0'));
    ProcessResult torn = As(2, {"list", "received"});
    EXPECT_EQ(torn.exitCode, 1);
    EXPECT_EQ(torn.err, "ファイルの形式が違います\n");
    EXPECT_EQ(As(2, {"delete", "received", "0"}).exitCode, 1);
    EXPECT_EQ(RawFileSize(office_.Path("002\\rcvlst.mox")), 300);
}

TEST_F(MoxctlMail, BroadcastListsMadeListedAndShown) {
    ProcessResult first = As(1, {"list-add", "営業", "--members", "3,2"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, "1\n");
    EXPECT_EQ(As(1, {"list-add", "全員", "--members", "1,2,3"}).out, "2\n");
    EXPECT_EQ(As(1, {"list-add", "他", "--members", "2,7"}).exitCode, 1);  // 007 is nobody
    EXPECT_EQ(As(1, {"list-add", "", "--members", "2"}).exitCode, 1);
    EXPECT_EQ(As(1, {"list-add", "営業"}).exitCode, 2);

    ProcessResult lists = As(1, {"lists"});
    EXPECT_EQ(lists.exitCode, 0);
    EXPECT_EQ(lists.out, "2\t全員\n1\t営業\n");  // newest first, as the dialog shows them
    EXPECT_EQ(As(1, {"list-show", "1"}).out, "002\t鈴木\n003\t佐藤\n");
    EXPECT_EQ(As(1, {"list-show", "9"}).exitCode, 1);
    EXPECT_EQ(As(2, {"lists"}).out, "");  // each user's lists are his own
}
