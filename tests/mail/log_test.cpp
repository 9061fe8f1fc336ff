// The mail log: what exported items add to the log file, byte for byte, through the store logic
// and through moxctl's log command.
#include <gtest/gtest.h>

#include "mail/mail_log.h"
#include "mail/mail_log_text.h"
#include "mail/mail_store.h"
#include "store/lists/list_kinds.h"
#include "tests/support/support.h"

namespace {

const Party kYamada{1, "山田"};
const Party kSato{2, "佐藤"};

// 3 February, 9:05 (and later minutes for later items).
BrokenDownTime FebruaryThird(int minutes) {
    BrokenDownTime t;
    t.month = 1;
    t.day = 3;
    t.hours = 9;
    t.minutes = static_cast<int16_t>(minutes);
    t.year = 126;
    return t;
}

void Send(const TempStore& store, const std::string& subject, const std::string& body,
          bool confidential, int minutes) {
    OutgoingItem item;
    item.subject = subject;
    item.body = body;
    item.confidential = confidential;
    item.sentTime = FebruaryThird(minutes);
    DeliveryResult result = DeliverItem(store.As(kYamada.number), kYamada.name, {kSato}, item);
    ASSERT_TRUE(result.copies.at(0).delivered);
}

const std::string kSeparator = std::string(80, '-') + "\r\n";

}  // namespace

TEST(MailLog, ItemsOldestFirstWithHeadersAndPlainBodiesAppended) {
    TempStore store;
    TempFolder local;
    Send(store, "会議", "明日は\r\n十時です", false, 5);
    Send(store, "人事", "内密に", true, 6);  // confidential: stored shifted, exported plain
    Send(store, "連絡", "", false, 7);      // no body file
    ListLoad shown = LoadList(store.As(2), MailListKind(kListReceived), "002");
    ASSERT_EQ(shown.lines.size(), 3u);
    std::vector<ListLine> oldestFirst;
    for (long p : LogExportOrder(3, {0, 2, 1, 2})) oldestFirst.push_back(shown.lines[static_cast<size_t>(p)]);

    const std::string log = local.Path("maillog.txt");
    WriteRawFile(log, "前の記録\r\n");
    MailLogResult result = AppendLogEntries(store.As(2), kListReceived, oldestFirst, log);
    EXPECT_EQ(result.written, 3);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(ReadRawFile(log),
              "前の記録\r\n" +
              kSeparator + "【受信】02/03 09:05\t山田様より\t会議\r\n明日は\r\n十時です\r\n" +
              kSeparator + "【受信】02/03 09:06\t山田様より\t人事\r\n内密に\r\n" +
              kSeparator + "【受信】02/03 09:07\t山田様より\t連絡\r\n");

    // The sender's side, into a new file.
    ListLoad sent = LoadList(store.As(1), MailListKind(kListSent), "001");
    const std::string sentLog = local.Path("sent.txt");
    EXPECT_EQ(AppendLogEntries(store.As(1), kListSent, {sent.lines[2]}, sentLog).written, 1);
    EXPECT_EQ(ReadRawFile(sentLog), kSeparator + "【送信】02/03 09:05\t佐藤様へ\t会議\r\n明日は\r\n十時です\r\n");

    // A log that cannot be created is told, and nothing is lost from the list.
    MailLogResult nowhere = AppendLogEntries(store.As(2), kListReceived, oldestFirst, local.Path("no\\such\\log.txt"));
    EXPECT_EQ(nowhere.messages, std::vector<std::string>{kMsgLogNotWritten});
    EXPECT_EQ(LoadList(store.As(2), MailListKind(kListReceived), "002").lines.size(), 3u);
}

TEST(MailLog, MoxctlAppendsTheSameEntries) {
    TempFolder office("moxoffice");
    TempFolder local("moxlocal");
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"--netdir", office.Dir()});
        return RunMoxctl(args);
    };
    ASSERT_EQ(run({"register", "山田"}).exitCode, 0);
    ASSERT_EQ(run({"register", "佐藤"}).exitCode, 0);
    WriteRawFile(local.Path("body.txt"), "本文です");
    ASSERT_EQ(run({"--user", "1", "send", "--to", "2", "--subject", "一通目", "--body-file", local.Path("body.txt")}).exitCode, 0);
    ASSERT_EQ(run({"--user", "1", "send", "--to", "2", "--subject", "二通目", "--confidential"}).exitCode, 0);

    const std::string log = local.Path("log.txt");
    ProcessResult logged = run({"--user", "2", "log", "received", "0,1", log});
    ASSERT_EQ(logged.exitCode, 0) << logged.err;
    std::string bytes = ReadRawFile(log);
    size_t first = bytes.find("\t山田様より\t一通目\r\n本文です\r\n");
    size_t second = bytes.find("\t山田様より\t二通目\r\n");
    EXPECT_NE(first, std::string::npos);
    EXPECT_NE(second, std::string::npos);
    EXPECT_LT(first, second);  // the older item first, whatever order the positions came in
    EXPECT_EQ(bytes.compare(0, kSeparator.size() + 8, kSeparator + "【受信】"), 0);

    EXPECT_EQ(run({"--user", "2", "log", "received", "0,5", log}).exitCode, 1);  // no line 5
    EXPECT_EQ(run({"--user", "2", "log", "inbox", "0", log}).exitCode, 2);
    EXPECT_EQ(ReadRawFile(log), bytes);  // neither touched the log
}
