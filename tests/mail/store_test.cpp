// Delivery, opening, deletion and retraction against a real network folder: what each side's
// files hold afterwards, as the other clients of the office would find them.
#include <gtest/gtest.h>

#include "mail/mail_store.h"
#include "mail/phone_memo.h"
#include "store/lists/list_kinds.h"
#include "store/store.h"
#include "store/tally.h"
#include "tests/support/support.h"

namespace {

const Party kYamada{1, "山田太郎"};
const Party kSuzuki{2, "鈴木"};
const Party kSato{3, "佐藤"};

OutgoingItem Mail(const std::string& subject, const std::string& body = "本文\r\n") {
    OutgoingItem item;
    item.subject = subject;
    item.body = body;
    item.sentTime = LocalTimeNow();
    return item;
}

std::vector<MailRecord> Records(const TempStore& store, const std::string& relative) {
    std::string bytes = ReadRawFile(store.Path(relative));
    std::vector<MailRecord> records;
    for (size_t off = 0; off + 256 <= bytes.size(); off += 256)
        records.push_back(DecodeMailRecord(bytes.substr(off, 256)));
    return records;
}

std::vector<std::string> Texts(const ListLoad& load) {
    std::vector<std::string> texts;
    for (const ListLine& line : load.lines) texts.push_back(line.text);
    return texts;
}

// The item sent by from, as from's client sends it.
DeliveryResult Send(const TempStore& store, const Party& from, const std::vector<Party>& to,
                    const OutgoingItem& item) {
    return DeliverItem(store.As(from.number), from.name, to, item);
}

void Deliver(const TempStore& store, const Party& from, const std::vector<Party>& to,
             const OutgoingItem& item) {
    DeliveryResult result = Send(store, from, to, item);
    ASSERT_TRUE(result.ok);
    for (const DeliveredCopy& c : result.copies) ASSERT_TRUE(c.delivered) << c.recipient;
    ASSERT_TRUE(result.messages.empty()) << result.messages[0];
}

}  // namespace

TEST(ListLoading, EmptyMalformedAndOrderedLists) {
    TempStore store;
    ListLoad missing = LoadList(store.As(), MailListKind(kListReceived), "002");
    EXPECT_TRUE(missing.ok && missing.lines.empty());

    CreateDirectoryA(store.Path("002").c_str(), nullptr);
    WriteRawFile(store.Path("002\\rcvlst.mox"), "");
    ListLoad empty = LoadList(store.As(), MailListKind(kListReceived), "002");
    EXPECT_TRUE(empty.ok && empty.lines.empty() && empty.messages.empty());

    WriteRawFile(store.Path("002\\rcvlst.mox"), std::string(300, '\0'));
    ListLoad torn = LoadList(store.As(), MailListKind(kListReceived), "002");
    EXPECT_FALSE(torn.ok);
    EXPECT_EQ(torn.messages, std::vector<std::string>{"ファイルの形式が違います"});
    EXPECT_TRUE(torn.lines.empty());

    StoreDelete(store.Path("002\\rcvlst.mox"));
    for (const char* s : {"一", "二", "三"}) Deliver(store, kYamada, {kSuzuki}, Mail(s));
    ListLoad three = LoadList(store.As(), MailListKind(kListReceived), "002");
    ASSERT_EQ(three.lines.size(), 3u);
    EXPECT_EQ(three.lines[0].index, 2);  // the newest record is on top
    EXPECT_NE(three.lines[0].text.find("\t三"), std::string::npos);
    EXPECT_NE(three.lines[2].text.find("\t一"), std::string::npos);
    EXPECT_EQ(SelectedListNumber(store.As(), MailListKind(kListReceived), "002", 3, 0), 3);
    EXPECT_EQ(SelectedListNumber(store.As(), MailListKind(kListReceived), "002", 3, 5), 0);
}

TEST(Delivery, ThreeRecipientsGetOneRecordEachAndTheSenderThreeTwins) {
    TempStore store;
    OutgoingItem item = Mail("会議");
    item.confidential = true;
    DeliveryResult result = Send(store, kYamada, {kSuzuki, kSato, kYamada}, item);
    ASSERT_EQ(result.copies.size(), 3u);
    std::vector<MailRecord> sent = Records(store, "001\\sndlst.mox");
    ASSERT_EQ(sent.size(), 3u);
    const Party* order[] = {&kSuzuki, &kSato, &kYamada};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(result.copies[i].delivered);
        EXPECT_EQ(sent[i].userNumber, order[i]->number);
        EXPECT_EQ(sent[i].userName, order[i]->name);
        EXPECT_EQ(sent[i].sentNumber, i + 1);
        EXPECT_EQ(sent[i].shiftFlag, kShiftConfidential);
        std::string folder = UserFolderName(order[i]->number);
        std::vector<MailRecord> received = Records(store, folder + "\\rcvlst.mox");
        ASSERT_EQ(received.size(), 1u) << folder;
        EXPECT_EQ(received[0].userNumber, 1);
        EXPECT_EQ(received[0].userName, "山田太郎");
        EXPECT_EQ(received[0].sentNumber, sent[i].sentNumber);
        EXPECT_EQ(received[0].receivedNumber, sent[i].receivedNumber);
        EXPECT_EQ(received[0].shiftFlag, kShiftConfidential);
        EXPECT_EQ(received[0].subject, "会議");
        EXPECT_EQ(received[0].sentTime, item.sentTime);
        EXPECT_TRUE(RawFileExists(store.Path(folder + "\\mail.mox")));
    }
    // The body lies shifted on both sides.
    EXPECT_EQ(ReadRawFile(store.Path("002\\rcv0001.txt")), ReadRawFile(store.Path("001\\snd0001.txt")));
    EXPECT_NE(ReadRawFile(store.Path("002\\rcv0001.txt")), item.body);
    EXPECT_EQ(LoadItemBody(store.Path("002\\rcv0001.txt"), kShiftConfidential).text, item.body);
}

TEST(Delivery, NothingIsWrittenWithoutRecipientOrSubject) {
    TempStore store;
    DeliveryResult none = Send(store, kYamada, {}, Mail("件名"));
    EXPECT_FALSE(none.ok);
    EXPECT_EQ(none.messages, std::vector<std::string>{"誰宛ですか"});
    DeliveryResult blank = Send(store, kYamada, {kSuzuki}, Mail(""));
    EXPECT_EQ(blank.messages, std::vector<std::string>{"表題がありません"});
    OutgoingItem memo = Mail("");
    memo.kind = kItemPhoneMemo;
    EXPECT_EQ(Send(store, kYamada, {kSuzuki}, memo).messages, std::vector<std::string>{"誰からの電話ですか"});
    EXPECT_TRUE(ListFolder(store.Dir()).empty());
}

TEST(Delivery, AnEmptyBodyWritesNoBodyFile) {
    TempStore store;
    Deliver(store, kYamada, {kSuzuki}, Mail("件名", ""));
    EXPECT_FALSE(RawFileExists(store.Path("002\\rcv0001.txt")));
    EXPECT_FALSE(RawFileExists(store.Path("001\\snd0001.txt")));
    OpenedItem opened = MarkItemOpened(store.As(2), 0);
    ASSERT_TRUE(opened.ok);
    ItemBody body = LoadItemBody(store.Path("002\\rcv0001.txt"), opened.record.shiftFlag);
    EXPECT_FALSE(body.found);
    EXPECT_TRUE(body.text.empty());
}

TEST(Delivery, TwoAttachmentsAreStoredAndListedOnBothSides) {
    TempStore store;
    TempFolder local("moxsrc");
    WriteRawFile(local.Path("a.doc"), "document");
    WriteRawFile(local.Path("b"), "plain");
    OutgoingItem item = Mail("添付");
    item.attachments = {{local.Path("a.doc"), "見積書"}, {local.Path("b"), ""}};
    Deliver(store, kYamada, {kSuzuki}, item);
    EXPECT_EQ(ReadRawFile(store.Path("002\\att0001.doc")), "document");
    EXPECT_EQ(ReadRawFile(store.Path("002\\att0002")), "plain");
    std::string list = ReadRawFile(store.Path("002\\fil0001.lst"));
    EXPECT_EQ(list.size(), 2048u);
    EXPECT_EQ(ReadRawFile(store.Path("001\\sfl0001.lst")), list);
    std::vector<AttachmentRecord> records = LoadAttachmentList(store.Path("002\\fil0001.lst"));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].sourcePath, local.Path("a.doc"));
    EXPECT_EQ(records[0].title, "見積書");
    EXPECT_EQ(records[0].storedPath, store.Path("002\\att0001.doc"));
    EXPECT_EQ(records[1].storedPath, store.Path("002\\att0002"));
}

TEST(Delivery, AMissingAttachmentIsToldOncePerCopyAndTheRestArrives) {
    TempStore store;
    TempFolder local("moxsrc");
    WriteRawFile(local.Path("ok.txt"), "ok");
    OutgoingItem item = Mail("添付");
    item.attachments = {{local.Path("gone.doc"), ""}, {local.Path("ok.txt"), ""}};
    DeliveryResult result = Send(store, kYamada, {kSuzuki, kSato}, item);
    EXPECT_EQ(result.messages,
              (std::vector<std::string>{"ディスクスペースがたりません", "ディスクスペースがたりません"}));
    EXPECT_TRUE(result.copies[0].delivered && result.copies[1].delivered);
    EXPECT_EQ(RawFileSize(store.Path("002\\fil0001.lst")), 2048);  // the record stays
    EXPECT_FALSE(RawFileExists(store.Path("002\\att0001.doc")));
    EXPECT_EQ(ReadRawFile(store.Path("002\\att0002.txt")), "ok");
}

TEST(Delivery, ACopyThatCannotBeListedIsTakenBackWhole) {
    TempStore store;
    TempFolder local("moxsrc");
    WriteRawFile(local.Path("a.doc"), "document");
    // Suzuki's received list cannot be opened (a folder stands in its place).
    CreateDirectoryA(store.Path("002").c_str(), nullptr);
    CreateDirectoryA(store.Path("002\\rcvlst.mox").c_str(), nullptr);
    OutgoingItem item = Mail("会議");
    item.attachments = {{local.Path("a.doc"), ""}};
    DeliveryResult result = Send(store, kYamada, {kSuzuki, kSato}, item);
    ASSERT_EQ(result.copies.size(), 2u);
    EXPECT_FALSE(result.copies[0].delivered);
    EXPECT_TRUE(result.copies[1].delivered);
    EXPECT_EQ(result.messages, std::vector<std::string>{"鈴木様へ送信できませんでした"});
    // Nothing of the failed copy is left: no body, attachment or twin on either side.
    EXPECT_EQ(ListFolder(store.Path("002")),
              (std::vector<std::string>{"filnum.mox", "rcvlst.mox", "rcvnum.mox"}));
    std::vector<MailRecord> sent = Records(store, "001\\sndlst.mox");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].userNumber, 3);
    EXPECT_FALSE(RawFileExists(store.Path("001\\snd0001.txt")));
    EXPECT_FALSE(RawFileExists(store.Path("001\\sfl0001.lst")));
}

TEST(Delivery, NumbersPastTheCounterWrapSkipTheLiveItems) {
    TempStore store;
    TempFolder local("moxsrc");
    WriteRawFile(local.Path("a.doc"), "document");
    OutgoingItem item = Mail("古い", "古い本文");
    item.attachments = {{local.Path("a.doc"), ""}};
    Deliver(store, kYamada, {kSuzuki}, item);
    Deliver(store, kYamada, {kSuzuki}, item);
    // Items 1 and 2 are live on both sides when every counter stands at 9998.
    const std::string c9998("\x0E\x27", 2);
    for (const char* counter : {"002\\rcvnum.mox", "002\\filnum.mox", "001\\sndnum.mox"})
        WriteRawFile(store.Path(counter), c9998);
    item.subject = "新しい";
    item.body = "新しい本文";
    DeliveryResult a = Send(store, kYamada, {kSuzuki}, item);
    DeliveryResult b = Send(store, kYamada, {kSuzuki}, item);
    EXPECT_EQ(a.copies[0].receivedNumber, 9999);
    EXPECT_EQ(a.copies[0].sentNumber, 9999);
    EXPECT_EQ(b.copies[0].receivedNumber, 3);
    EXPECT_EQ(b.copies[0].sentNumber, 3);
    EXPECT_TRUE(RawFileExists(store.Path("002\\att9999.doc")));
    EXPECT_TRUE(RawFileExists(store.Path("002\\att0003.doc")));
    // Deleting the old item 1 leaves the new items whole.
    ASSERT_TRUE(DeleteListEntry(store.As(), MailListKind(kListReceived), "002", 4, 3).removed);
    EXPECT_FALSE(RawFileExists(store.Path("002\\rcv0001.txt")));
    EXPECT_EQ(LoadItemBody(store.Path("002\\rcv0003.txt"), kShiftOrdinary).text, "新しい本文");
    EXPECT_EQ(LoadAttachmentList(store.Path("002\\fil0003.lst")).size(), 1u);
    EXPECT_EQ(ReadRawFile(store.Path("002\\att0003.doc")), "document");
}

TEST(PhoneMemos, FieldsAndTheColleaguesList) {
    TempStore store;
    Deliver(store, kYamada, {kSuzuki}, Mail("メール"));
    OutgoingItem memo = Mail("田中");
    memo.kind = kItemPhoneMemo;
    memo.phone = "03-1234";
    memo.sentTime.hours = 9;
    memo.sentTime.minutes = 5;
    memo.confidential = true;  // a phone memo is never confidential
    Deliver(store, kYamada, {kSuzuki}, memo);
    std::string bytes = ReadRawFile(store.Path("002\\rcvlst.mox")).substr(256);
    EXPECT_EQ(bytes[1], kItemPhoneMemo);
    EXPECT_EQ(bytes[2], kShiftOrdinary);
    EXPECT_EQ(bytes[127], kRequestNone);
    EXPECT_EQ(std::string(bytes.c_str() + 128), "03-1234");
    EXPECT_NE(std::string(bytes.c_str() + 76), "田中");  // shifted
    MailRecord r = DecodeMailRecord(bytes);
    EXPECT_EQ(r.subject, "田中");
    EXPECT_EQ(r.sentTime.hours, 9);

    ListLoad received = LoadList(store.As(), MailListKind(kListReceived), "002");
    ASSERT_EQ(received.lines.size(), 2u);
    EXPECT_EQ(received.lines[0].text.substr(0, 6), "10未読");
    ListLoad memos = LoadList(store.As(), MailListKind(kListPhoneMemos), "002");
    ASSERT_EQ(memos.lines.size(), 1u);
    EXPECT_EQ(memos.lines[0].text.substr(memos.lines[0].text.size() - 5), "\t0001");
    EXPECT_NE(memos.lines[0].text.find(" 9: 5\t"), std::string::npos);
    EXPECT_FALSE(DeleteListEntry(store.As(), MailListKind(kListPhoneMemos), "002", 1, 0).removed);

    // A colleague reads the memo as the list found it, even after the mail before it has gone;
    // a stale index never shows the mail that now lies there.
    const ListLine line = memos.lines[0];
    ASSERT_TRUE(DeleteListEntry(store.As(2), MailListKind(kListReceived), "002", 2, 1).removed);
    PhoneMemoShown shown = ReadPhoneMemo(store.As(3), "002", line.index, &line.identity);
    ASSERT_TRUE(shown.found);
    EXPECT_EQ(shown.record.subject, "田中");
    EXPECT_EQ(shown.record.phone, "03-1234");
    EXPECT_EQ(shown.body.text, "本文\r\n");
    OutgoingItem secret = Mail("親展");
    secret.confidential = true;
    Deliver(store, kYamada, {kSuzuki}, secret);
    EXPECT_EQ(ReadPhoneMemo(store.As(3), "002", 1, &line.identity).record.subject, "田中");
    EXPECT_FALSE(ReadPhoneMemo(store.As(3), "002", 1).found);
    EXPECT_EQ(Records(store, "002\\rcvlst.mox")[0].status, kStatusUnopened);
}

TEST(Opening, OnlyTheFirstOpeningMarksBothSides) {
    TempStore store;
    Deliver(store, kYamada, {kSuzuki}, Mail("件名"));
    OpenedItem first = MarkItemOpened(store.As(2), 0);
    ASSERT_TRUE(first.ok);
    EXPECT_TRUE(first.firstOpening);
    EXPECT_EQ(first.record.status, kStatusOpened);
    MailRecord twin = Records(store, "001\\sndlst.mox")[0];
    EXPECT_EQ(twin.status, kStatusOpened);
    EXPECT_EQ(twin.openedTime, first.record.openedTime);
    EXPECT_NE(first.record.openedTime.day, 0);
    EXPECT_EQ(Texts(LoadList(store.As(), MailListKind(kListSent), "001"))[0].substr(0, 6), "20受信");

    std::string received = ReadRawFile(store.Path("002\\rcvlst.mox"));
    std::string sent = ReadRawFile(store.Path("001\\sndlst.mox"));
    ResetTally();
    OpenedItem again = MarkItemOpened(store.As(2), 0);
    EXPECT_TRUE(again.ok);
    EXPECT_FALSE(again.firstOpening);
    EXPECT_EQ(Tally().writes, 0u);
    EXPECT_EQ(ReadRawFile(store.Path("002\\rcvlst.mox")), received);
    EXPECT_EQ(ReadRawFile(store.Path("001\\sndlst.mox")), sent);
    EXPECT_FALSE(MarkItemOpened(store.As(2), 1).ok);
}

TEST(Opening, AnOlderTwinWithTheSameSentNumberIsLeftAlone) {
    TempStore store;
    Deliver(store, kYamada, {kSuzuki}, Mail("件名"));
    // After the counters wrapped, Yamada's list may hold an older copy with the same sent
    // number, sent to somebody else.
    std::string sent = ReadRawFile(store.Path("001\\sndlst.mox"));
    MailRecord older = DecodeMailRecord(sent);
    older.userNumber = 3;
    WriteRawFile(store.Path("001\\sndlst.mox"), EncodeMailRecord(older) + sent);
    ASSERT_TRUE(MarkItemOpened(store.As(2), 0).firstOpening);
    std::vector<MailRecord> twins = Records(store, "001\\sndlst.mox");
    EXPECT_EQ(twins[0].status, kStatusUnopened);
    EXPECT_EQ(twins[1].status, kStatusOpened);
}

TEST(Deletion, DeletingAReceivedItemMarksTheTwinAndRemovesItsFiles) {
    TempStore store;
    TempFolder local("moxsrc");
    WriteRawFile(local.Path("a.doc"), "document");
    OutgoingItem item = Mail("件名");
    item.attachments = {{local.Path("a.doc"), ""}};
    Deliver(store, kYamada, {kSuzuki}, item);
    Deliver(store, kSato, {kSuzuki}, Mail("別件"));
    ListLoad shown = LoadList(store.As(), MailListKind(kListReceived), "002");
    DeleteOutcome out = DeleteListEntry(store.As(), MailListKind(kListReceived), "002", 2, 1, &shown.lines[1].identity);
    EXPECT_TRUE(out.removed);
    EXPECT_TRUE(out.ok && out.messages.empty());
    EXPECT_FALSE(out.canRetract);
    EXPECT_EQ(Records(store, "001\\sndlst.mox")[0].status, kStatusDeleted);
    EXPECT_EQ(Texts(LoadList(store.As(), MailListKind(kListSent), "001"))[0].substr(0, 6), "20削除");
    EXPECT_EQ(Records(store, "003\\sndlst.mox")[0].status, kStatusUnopened);
    EXPECT_EQ(ListFolder(store.Path("002")),
              (std::vector<std::string>{"filnum.mox", "mail.mox", "rcv0002.txt", "rcvlst.mox",
                                        "rcvnum.mox"}));
    // The sender keeps its body and attachment list until it deletes the sent item.
    EXPECT_TRUE(RawFileExists(store.Path("001\\snd0001.txt")));
    EXPECT_TRUE(RawFileExists(store.Path("001\\sfl0001.lst")));

    DeleteOutcome sent = DeleteListEntry(store.As(), MailListKind(kListSent), "001", 1, 0);
    EXPECT_TRUE(sent.removed);
    EXPECT_FALSE(sent.canRetract);  // status 2: nothing to ask
    EXPECT_EQ(RawFileSize(store.Path("001\\sndlst.mox")), 0);
    EXPECT_FALSE(RawFileExists(store.Path("001\\snd0001.txt")));
    EXPECT_FALSE(RawFileExists(store.Path("001\\sfl0001.lst")));
}

TEST(Deletion, PositionsZeroAndTwoOfFiveLeaveTheOtherThree) {
    TempStore store;
    for (const char* s : {"0", "1", "2", "3", "4"}) Deliver(store, kYamada, {kSuzuki}, Mail(s));
    ListLoad shown = LoadList(store.As(), MailListKind(kListReceived), "002");
    std::vector<DeleteOutcome> outs = DeleteSelectedEntries(store.As(), MailListKind(kListReceived), "002", shown.lines, {0, 2});
    ASSERT_EQ(outs.size(), 2u);
    EXPECT_TRUE(outs[0].removed && outs[1].removed);
    std::vector<MailRecord> left = Records(store, "002\\rcvlst.mox");
    ASSERT_EQ(left.size(), 3u);
    EXPECT_EQ(left[0].subject, "0");
    EXPECT_EQ(left[1].subject, "1");
    EXPECT_EQ(left[2].subject, "3");
    EXPECT_FALSE(RawFileExists(store.Path("002\\rcv0003.txt")));
    EXPECT_FALSE(RawFileExists(store.Path("002\\rcv0005.txt")));
    std::vector<MailRecord> twins = Records(store, "001\\sndlst.mox");
    EXPECT_EQ(twins[2].status, kStatusDeleted);
    EXPECT_EQ(twins[4].status, kStatusDeleted);
    EXPECT_EQ(twins[3].status, kStatusUnopened);
}

TEST(Deletion, AShownLineStillNamesItsItemAfterASenderTookAnOlderOneBack) {
    TempStore store;
    for (const char* s : {"古い", "中", "新しい"}) Deliver(store, kYamada, {kSuzuki}, Mail(s));
    ListLoad shown = LoadList(store.As(), MailListKind(kListReceived), "002");
    // While Suzuki's window shows three lines, Yamada retracts the oldest item.
    DeleteOutcome own = DeleteListEntry(store.As(), MailListKind(kListSent), "001", 3, 2);
    ASSERT_TRUE(own.canRetract);
    EXPECT_EQ(RetractReceivedCopy(store.As(1), own.retraction).status, RetractResult::kRetracted);
    // Suzuki now opens and deletes the line "中" (position 1 of the three shown).
    OpenedItem opened = MarkItemOpened(store.As(2), shown.lines[1].index, &shown.lines[1].identity);
    ASSERT_TRUE(opened.ok);
    EXPECT_EQ(opened.record.subject, "中");
    DeleteOutcome out = DeleteListEntry(store.As(), MailListKind(kListReceived), "002", 3, 1, &shown.lines[1].identity);
    EXPECT_TRUE(out.removed);
    std::vector<MailRecord> left = Records(store, "002\\rcvlst.mox");
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].subject, "新しい");
    // A line whose item has gone meanwhile deletes nothing.
    DeleteOutcome gone = DeleteListEntry(store.As(), MailListKind(kListReceived), "002", 3, 2, &shown.lines[2].identity);
    EXPECT_FALSE(gone.removed);
    EXPECT_EQ(Records(store, "002\\rcvlst.mox").size(), 1u);
}

TEST(Retraction, AnUnopenedCopyIsTakenBackWithItsFiles) {
    TempStore store;
    TempFolder local("moxsrc");
    WriteRawFile(local.Path("a.doc"), "document");
    OutgoingItem item = Mail("取消");
    item.attachments = {{local.Path("a.doc"), ""}};
    Deliver(store, kYamada, {kSuzuki}, Mail("残す"));
    Deliver(store, kYamada, {kSuzuki}, item);
    DeleteOutcome own = DeleteListEntry(store.As(), MailListKind(kListSent), "001", 2, 0);
    ASSERT_TRUE(own.removed);
    ASSERT_TRUE(own.canRetract);
    EXPECT_EQ(own.retraction.recipient, 2);
    EXPECT_EQ(own.retraction.receivedNumber, 2);
    EXPECT_FALSE(RawFileExists(store.Path("001\\snd0002.txt")));
    EXPECT_FALSE(RawFileExists(store.Path("001\\sfl0002.lst")));
    // Until the sender answers, the recipient's copy is untouched.
    EXPECT_TRUE(RawFileExists(store.Path("002\\att0001.doc")));
    RetractResult r = RetractReceivedCopy(store.As(1), own.retraction);
    EXPECT_EQ(r.status, RetractResult::kRetracted);
    EXPECT_TRUE(r.ok && r.messages.empty());
    std::vector<MailRecord> left = Records(store, "002\\rcvlst.mox");
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].subject, "残す");
    EXPECT_FALSE(RawFileExists(store.Path("002\\rcv0002.txt")));
    EXPECT_FALSE(RawFileExists(store.Path("002\\fil0002.lst")));
    EXPECT_FALSE(RawFileExists(store.Path("002\\att0001.doc")));
    EXPECT_TRUE(RawFileExists(store.Path("002\\rcv0001.txt")));
    EXPECT_EQ(RetractReceivedCopy(store.As(1), own.retraction).status, RetractResult::kAlreadyGone);
}

TEST(Retraction, ACopyOpenedMeanwhileIsRefusedAndStays) {
    TempStore store;
    Deliver(store, kYamada, {kSuzuki}, Mail("件名"));
    DeleteOutcome own = DeleteListEntry(store.As(), MailListKind(kListSent), "001", 1, 0);
    ASSERT_TRUE(own.canRetract);
    MarkItemOpened(store.As(2), 0);  // the recipient opens it before the sender answers Yes
    std::string before = ReadRawFile(store.Path("002\\rcvlst.mox"));
    RetractResult r = RetractReceivedCopy(store.As(1), own.retraction);
    EXPECT_EQ(r.status, RetractResult::kRefused);
    EXPECT_EQ(r.messages, std::vector<std::string>{"送信先でメールを読まれたので、削除できませんでした"});
    EXPECT_EQ(ReadRawFile(store.Path("002\\rcvlst.mox")), before);
    EXPECT_TRUE(RawFileExists(store.Path("002\\rcv0001.txt")));
}

TEST(Retraction, AnsweringNoOrAnOpenedCopyLeavesTheRecipientAlone) {
    TempStore store;
    Deliver(store, kYamada, {kSuzuki}, Mail("一"));
    Deliver(store, kYamada, {kSuzuki}, Mail("二"));
    MarkItemOpened(store.As(2), 0);
    DeleteOutcome opened = DeleteListEntry(store.As(), MailListKind(kListSent), "001", 2, 1);
    EXPECT_TRUE(opened.removed);
    EXPECT_FALSE(opened.canRetract);
    DeleteOutcome unopened = DeleteListEntry(store.As(), MailListKind(kListSent), "001", 1, 0);
    EXPECT_TRUE(unopened.canRetract);  // ... and the sender answers No
    EXPECT_EQ(Records(store, "002\\rcvlst.mox").size(), 2u);
    // The recipient can still open it; with the twin gone nothing else is marked.
    OpenedItem later = MarkItemOpened(store.As(2), 1);
    EXPECT_TRUE(later.firstOpening);
    EXPECT_EQ(later.record.subject, "二");
    EXPECT_EQ(RawFileSize(store.Path("001\\sndlst.mox")), 0);
}

TEST(AttachmentSafety, OnlyStoredCopiesOfTheListsOwnFolderAreDeleted) {
    TempStore store;
    for (const char* f : {"001", "002"}) CreateDirectoryA(store.Path(f).c_str(), nullptr);
    for (const char* f : {"002\\att0001.doc", "002\\att0002", "002\\att0003.txt", "002\\notes.txt",
                          "002\\rcvlst.mox", "001\\att0004.doc"})
        WriteRawFile(store.Path(f), "keep?");
    std::string list;
    for (const std::string& stored :
         {store.Path("002\\att0001.doc"),                   // ours: deleted
          std::string("X:\\OTHER\\MOX\\002\\att0002"),    // ours, spelt by a PC with another drive
          store.Path("002\\notes.txt"),                     // not a stored copy
          store.Path("002\\rcvlst.mox"),
          store.Path("001\\att0004.doc"),                   // another user's folder
          store.Path("002\\..\\001\\att0004.doc"),
          std::string("att0003.txt"),                       // no folder at all
          store.Path("002\\att0003.txt\\..\\rcvlst.mox")})
        list += EncodeAttachmentRecord({"C:\\x", "", stored});
    WriteRawFile(store.Path("002\\fil0009.lst"), list);
    DeleteAttachmentList(store.As(), "002", 9);
    EXPECT_EQ(ListFolder(store.Path("002")),
              (std::vector<std::string>{"att0003.txt", "notes.txt", "rcvlst.mox"}));
    EXPECT_TRUE(RawFileExists(store.Path("001\\att0004.doc")));
}

TEST(ListKinds, AnotherSubsystemsKindPlugsItsLinesAndFollowUpIn) {
    TempStore store;
    ListKindHandlers memos;
    memos.listKind = kListMemos;
    memos.lineBuilder = [](const StoreContext&, int, const std::string&) -> ListLineBuilder {
        return [](const unsigned char* record, long, std::string* line) {
            *line = "memo " + DecodeMailRecord(record).subject;
            return true;
        };
    };
    memos.afterRemoval = [](const StoreContext& office, int, const std::string& folder,
                            const std::string& record, DeleteOutcome&) {
        StoreDelete(NumberedFileName(office, folder, DecodeMailRecord(record).receivedNumber,
                                     kPrefixMem, kExtTxt));
    };
    for (int n : {1, 2}) {
        MailRecord r;
        r.receivedNumber = n;
        r.subject = "第" + std::to_string(n);
        ASSERT_TRUE(AppendListRecord(EncodeMailRecord(r), store.Path("001\\memolst.mox")));
        WriteRawFile(store.Path("001\\" + NumberedName(n, kPrefixMem, kExtTxt)), "text");
    }
    ListLoad load = LoadList(store.As(), memos, "001");
    EXPECT_EQ(Texts(load), (std::vector<std::string>{"memo 第2", "memo 第1"}));
    EXPECT_EQ(SelectedListNumber(store.As(), memos, "001", 2, 1), 1);
    EXPECT_TRUE(DeleteListEntry(store.As(), memos, "001", 2, 1).removed);
    EXPECT_EQ(ListFolder(store.Path("001")), (std::vector<std::string>{"mem0002.txt", "memolst.mox"}));
    EXPECT_EQ(Texts(LoadList(store.As(), memos, "001")), std::vector<std::string>{"memo 第2"});
}
