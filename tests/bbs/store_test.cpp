// Boards, posts, read marks and reader logs against a real network folder: what the files hold
// afterwards, as the other clients of the office find them.
#include <gtest/gtest.h>

#include "bbs/bbs_store.h"
#include "store/store.h"
#include "tests/support/support.h"
#include "users/registry.h"

namespace {

const Party kYamada{1, "山田"};
const Party kSuzuki{2, "鈴木"};

int Post(const TempStore& store, const std::string& board, const Party& author,
         const std::string& subject, const std::string& body = "本文\r\n",
         std::vector<AttachmentSource> attachments = {}) {
    NewPost post;
    post.subject = subject;
    post.body = body;
    post.attachments = std::move(attachments);
    PostResult result = BbsCreatePost(store.As(author.number), board, author.name, post);
    EXPECT_TRUE(result.ok && result.messages.empty()) << subject;
    return result.number;
}

// The post list as the given user's board window loads it.
std::vector<std::string> Lines(const TempStore& store, int user, const std::string& board = "") {
    std::vector<std::string> texts;
    for (const ListLine& line : BbsLoadPostList(store.As(user), board).lines) texts.push_back(line.text);
    return texts;
}

std::vector<ReaderRecord> Readers(const std::string& path) {
    std::string bytes = ReadRawFile(path);
    std::vector<ReaderRecord> readers;
    for (size_t off = 0; off + 32 <= bytes.size(); off += 32)
        readers.push_back(DecodeReaderRecord(reinterpret_cast<const unsigned char*>(bytes.data()) + off));
    return readers;
}

}  // namespace

TEST(BoardUnread, EmptyMissingAndMalformedListsHoldNothingUnread) {
    TempStore store;
    EXPECT_FALSE(BbsHasUnread(store.As(2), "").unread);
    EXPECT_FALSE(BbsCheckUnread(store.As(2)).unread);
    CreateDirectoryA(store.Path("bbs").c_str(), nullptr);
    WriteRawFile(store.Path("bbs\\bbslst.mox"), "");
    EXPECT_FALSE(BbsHasUnread(store.As(2), "").unread);
    WriteRawFile(store.Path("bbs\\bbslst.mox"), std::string(300, '\1'));
    UnreadAnswer torn = BbsHasUnread(store.As(2), "");
    EXPECT_FALSE(torn.unread);
    EXPECT_TRUE(torn.messages.empty());
    EXPECT_TRUE(RecordedMessages().empty());
}

TEST(BoardUnread, TheAuthorHasReadHisPostAndIsItsFirstReader) {
    TempStore store;
    EXPECT_EQ(Post(store, "", kYamada, "お知らせ"), 1);
    EXPECT_FALSE(BbsCheckUnread(store.As(1)).unread);
    EXPECT_TRUE(BbsCheckUnread(store.As(2)).unread);
    EXPECT_EQ(RawFileSize(store.Path("bbs\\chk0001.chk")), 2000);
    EXPECT_FALSE(RawFileExists(store.Path("bbs\\chk0002.chk")));
    std::vector<ReaderRecord> readers = Readers(store.Path("bbs\\bbs0001.chk"));
    ASSERT_EQ(readers.size(), 1u);
    EXPECT_EQ(readers[0].reader, 1);
    EXPECT_EQ(Lines(store, 1)[0].substr(0, 1), "\t");
    EXPECT_EQ(Lines(store, 2)[0].substr(0, 5), "未読\t");
}

TEST(BoardUnread, FirstOpeningCreatesTheMapAndLogsTheReaderOnce) {
    TempStore store;
    Post(store, "", kYamada, "一");
    Post(store, "", kYamada, "二", "二行\r\nです");
    ListLoad load = BbsLoadPostList(store.As(2), "");
    ASSERT_EQ(load.lines.size(), 2u);
    const ListLine& top = load.lines[0];
    ShownPost shown = BbsShowPost(store.As(2), "", top.index, &top.identity);
    ASSERT_TRUE(shown.found);
    EXPECT_TRUE(shown.firstReading);
    EXPECT_EQ(shown.record.subject, "二");
    EXPECT_EQ(shown.body, "二行\r\nです");
    EXPECT_FALSE(shown.attachmentListFound);
    EXPECT_EQ(ReadRawFile(store.Path("bbs\\chk0002.chk")), std::string(1, '\2') + std::string(1999, '\0'));
    EXPECT_EQ(Readers(store.Path("bbs\\bbs0002.chk")).size(), 2u);
    EXPECT_EQ(Lines(store, 2)[0].substr(0, 1), "\t");
    EXPECT_EQ(Lines(store, 2)[1].substr(0, 5), "未読\t");
    EXPECT_TRUE(BbsHasUnread(store.As(2), "").unread);

    EXPECT_FALSE(BbsShowPost(store.As(2), "", top.index, &top.identity).firstReading);
    EXPECT_EQ(Readers(store.Path("bbs\\bbs0002.chk")).size(), 2u);
}

TEST(BoardUnread, ANumberReadBeforeTheCounterWrappedShowsAsRead) {
    TempStore store;
    Post(store, "", kYamada, "古い");
    BbsShowPost(store.As(2), "", 0);
    ASSERT_TRUE(BbsDeletePost(store.As(), "", 1, 0).removed);
    WriteRawFile(store.Path("bbs\\bbsnum.mox"), std::string("\x0F\x27", 2));  // 9999
    EXPECT_EQ(Post(store, "", kYamada, "新しい"), 1);
    EXPECT_FALSE(BbsHasUnread(store.As(2), "").unread);
    EXPECT_EQ(Lines(store, 2), std::vector<std::string>{Lines(store, 1)[0]});
}

TEST(BoardUnread, TheTimerLooksAtEveryListedBoard) {
    TempStore store;
    ASSERT_TRUE(BbsAddBoard(store.As(), 5, "総務").ok);
    ASSERT_TRUE(BbsAddBoard(store.As(), 12, "営業").ok);
    Post(store, "012", kYamada, "営業会議");
    EXPECT_TRUE(BbsCheckUnread(store.As(2)).unread);
    EXPECT_FALSE(BbsHasUnread(store.As(2), "005").unread);
    BbsShowPost(store.As(2), "012", 0);
    EXPECT_FALSE(BbsCheckUnread(store.As(2)).unread);
}

TEST(Boards, TitleFileWholeTitleListInOrderAndAddingRefusesADuplicate) {
    TempStore store;
    BoardList none = BbsLoadBoards(store.As());
    EXPECT_EQ(none.titles, std::vector<std::string>{"デフォルト"});
    EXPECT_EQ(none.ids, std::vector<std::string>{""});

    ASSERT_TRUE(BbsWriteDefaultTitle(store.As(), "全社\r\n掲示板\r\n").ok);
    ASSERT_TRUE(BbsAddBoard(store.As(), 7, "総務").ok);
    ASSERT_TRUE(BbsAddBoard(store.As(), 3, "営業").ok);
    EXPECT_EQ(BbsAddBoard(store.As(), 7, "別").messages, std::vector<std::string>{"掲示板 007 はすでにあります"});
    BoardList boards = BbsLoadBoards(store.As());
    EXPECT_EQ(boards.ids, (std::vector<std::string>{"", "007", "003"}));
    EXPECT_EQ(boards.titles[0], "全社\r\n掲示板\r\n");
    EXPECT_EQ(boards.titles[2], "営業");
    EXPECT_TRUE(boards.ok && boards.messages.empty());
}

TEST(Boards, AMalformedTitleListGivesOnlyTheDefaultBoard) {
    TempStore store;
    CreateDirectoryA(store.Path("bbs").c_str(), nullptr);
    WriteRawFile(store.Path("bbs\\bbsttl.mox"), std::string(300, '\0'));
    BoardList boards = BbsLoadBoards(store.As());
    EXPECT_EQ(boards.ids, std::vector<std::string>{""});
    EXPECT_EQ(boards.titles.size(), 1u);
    EXPECT_EQ(boards.messages, std::vector<std::string>{"ファイルの形式が違います"});
    EXPECT_FALSE(BbsAddBoard(store.As(), 1, "新").ok);  // never appended to
    EXPECT_EQ(RawFileSize(store.Path("bbs\\bbsttl.mox")), 300);
}

TEST(Posting, SubjectLimitsAndABoardWithoutFolders) {
    TempStore store;
    PostResult none = BbsCreatePost(store.As(kYamada.number), "", kYamada.name, NewPost{});
    EXPECT_FALSE(none.ok);
    EXPECT_EQ(none.messages, std::vector<std::string>{"表題がありません"});
    EXPECT_TRUE(ListFolder(store.Dir()).empty());

    // A board whose folder, and the default board's, do not exist yet; an empty body writes no file.
    const std::string fifty = std::string(48, 's') + "題";
    EXPECT_EQ(Post(store, "004", kYamada, fifty, ""), 1);
    ShownPost shown = BbsShowPost(store.As(1), "004", 0);
    EXPECT_EQ(shown.record.subject, fifty);
    EXPECT_EQ(shown.record.authorName, "山田");
    EXPECT_TRUE(shown.body.empty());
    EXPECT_EQ(ListFolder(store.Path("bbs\\004")),
              (std::vector<std::string>{"bbs0001.chk", "bbslst.mox", "bbsnum.mox", "chk0001.chk"}));
}

TEST(Posting, AttachmentsAreStoredAndDeletedWithThePost) {
    TempStore store;
    TempFolder local("moxsrc");
    WriteRawFile(local.Path("a.doc"), "document");
    WriteRawFile(local.Path("b"), "plain");
    Post(store, "", kYamada, "添付", "本文", {{local.Path("a.doc"), "見積"}, {local.Path("b"), ""}});
    Post(store, "", kSuzuki, "残る");
    ShownPost shown = BbsShowPost(store.As(2), "", 0);
    ASSERT_EQ(shown.attachments.size(), 2u);
    EXPECT_EQ(shown.attachments[0].title, "見積");
    EXPECT_EQ(ReadRawFile(store.Path("bbs\\att0001.doc")), "document");
    BbsShowPost(store.As(2), "", 1);

    // Another client's file list may name anything; only this board's stored copies go.
    WriteRawFile(store.Path("bbs\\keep.txt"), "keep");
    AttachmentRecord foreign;
    foreign.storedPath = store.Path("bbs\\keep.txt");
    std::string list = ReadRawFile(store.Path("bbs\\fil0001.lst")) + EncodeAttachmentRecord(foreign);
    WriteRawFile(store.Path("bbs\\fil0001.lst"), list);

    ListLoad load = BbsLoadPostList(store.As(2), "");
    ASSERT_TRUE(BbsDeletePost(store.As(), "", 2, 1, &load.lines[1].identity).removed);
    EXPECT_EQ(ListFolder(store.Path("bbs")),
              (std::vector<std::string>{"bbs0002.chk", "bbs0002.txt", "bbslst.mox", "bbsnum.mox",
                                        "chk0001.chk", "chk0002.chk", "filnum.mox", "keep.txt"}));
    EXPECT_EQ(ReadRawFile(store.Path("bbs\\chk0002.chk"))[0], '\3');  // the marks keep the bit
}

TEST(Updating, BodyAndAttachmentsAreReplacedByTheAuthorOnly) {
    TempStore store;
    TempFolder local("moxsrc");
    WriteRawFile(local.Path("a.doc"), "A");
    WriteRawFile(local.Path("b.xls"), "B");
    Post(store, "", kSuzuki, "別の記事");
    Post(store, "", kYamada, "予定", "元の本文", {{local.Path("a.doc"), "甲"}, {local.Path("b.xls"), "乙"}});
    ListLoad load = BbsLoadPostList(store.As(1), "");
    const ListLine mine = load.lines[0];

    PostUpdate update;
    EXPECT_FALSE(BbsUpdatePost(store.As(2), "", mine.index, &mine.identity, update).ok);  // not his post

    // An empty body keeps the body; a.doc has gone from the author's PC but stays attached.
    DeleteFileA(local.Path("a.doc").c_str());
    update.attachments = {{local.Path("a.doc"), "甲"}};
    PostResult result = BbsUpdatePost(store.As(1), "", mine.index, &mine.identity, update);
    EXPECT_TRUE(result.ok && result.messages.empty());
    PostContent edit = BbsLoadPostForEdit(store.As(), "", mine.index, &mine.identity);
    EXPECT_EQ(edit.body, "元の本文");
    ASSERT_EQ(edit.attachments.size(), 1u);
    EXPECT_EQ(edit.attachments[0].sourcePath, local.Path("a.doc"));
    EXPECT_EQ(ReadRawFile(edit.attachments[0].storedPath), "A");
    EXPECT_FALSE(RawFileExists(store.Path("bbs\\att0001.doc")));
    EXPECT_FALSE(RawFileExists(store.Path("bbs\\att0002.xls")));

    // No attachments remove them all. The older post went meanwhile, so this one moved up a
    // record: the identity still finds it.
    ASSERT_TRUE(BbsDeletePost(store.As(), "", 2, 1, &load.lines[1].identity).removed);
    update.body = "新しい本文";
    update.attachments.clear();
    ASSERT_TRUE(BbsUpdatePost(store.As(1), "", mine.index, &mine.identity, update).ok);
    edit = BbsLoadPostForEdit(store.As(), "", mine.index, &mine.identity);
    EXPECT_EQ(edit.body, "新しい本文");
    EXPECT_TRUE(edit.attachments.empty());
    EXPECT_EQ(ListFolder(store.Path("bbs")),
              (std::vector<std::string>{"bbs0002.chk", "bbs0002.txt", "bbslst.mox", "bbsnum.mox",
                                        "chk0001.chk", "chk0002.chk", "filnum.mox"}));
    EXPECT_FALSE(BbsHasUnread(store.As(1), "").unread);  // an update makes nothing unread
}

TEST(Updating, APostWrittenPlainStaysReadable) {
    TempStore store;
    PostRecord plain;
    plain.shiftFlag = kShiftPlain;
    plain.authorNumber = 1;
    plain.number = 1;
    plain.subject = "平文";
    CreateDirectoryA(store.Path("bbs").c_str(), nullptr);
    WriteRawFile(store.Path("bbs\\bbslst.mox"), EncodePostRecord(plain));
    WriteRawFile(store.Path("bbs\\bbs0001.txt"), "plain body");
    EXPECT_EQ(BbsShowPost(store.As(1), "", 0).body, "plain body");
    ASSERT_TRUE(BbsUpdatePost(store.As(1), "", 0, nullptr, PostUpdate{}).ok);
    ShownPost shown = BbsShowPost(store.As(1), "", 0);
    EXPECT_EQ(shown.record.shiftFlag, kShiftOrdinary);
    EXPECT_EQ(shown.record.subject, "平文");
    EXPECT_EQ(shown.body, "plain body");
}

TEST(Readers, OneLinePerRegisteredUserInRegistryOrder) {
    TempStore store;
    for (const char* name : {"山田", "鈴木", "佐藤"}) ASSERT_TRUE(RegisterNewUser(store.As(), name, "").ok);
    Post(store, "", kYamada, "回覧");
    BbsShowPost(store.As(3), "", 0);
    ReaderList list = BbsListReaders(store.As(), "", 0);
    ASSERT_EQ(list.lines.size(), 3u);
    EXPECT_EQ(list.lines[0].substr(0, 5), "山田\t");
    EXPECT_EQ(list.lines[0].size(), 5u + 17u);  // "yy/mm/dd hh:mm:ss"
    EXPECT_EQ(list.lines[1], "鈴木\t未読");
    EXPECT_EQ(list.lines[2].substr(0, 5), "佐藤\t");

    WriteRawFile(store.Path("bbs\\bbs0001.chk"), std::string(40, '\0'));
    list = BbsListReaders(store.As(), "", 0);
    EXPECT_TRUE(list.lines.empty());
    EXPECT_EQ(list.messages, std::vector<std::string>{"ファイルの形式が違います"});
}

TEST(Readers, ALogEndingInPartOfARecordIsRepairedByTheNextReading) {
    TempStore store;
    for (const char* name : {"山田", "鈴木"}) ASSERT_TRUE(RegisterNewUser(store.As(), name, "").ok);
    Post(store, "", kYamada, "回覧");
    const std::string path = store.Path("bbs\\bbs0001.chk");
    WriteRawFile(path, ReadRawFile(path) + std::string(5, '\xFF'));
    EXPECT_EQ(BbsListReaders(store.As(), "", 0).messages, std::vector<std::string>{"ファイルの形式が違います"});
    ASSERT_TRUE(BbsShowPost(store.As(2), "", 0).firstReading);
    EXPECT_EQ(RawFileSize(path), 64);
    ReaderList list = BbsListReaders(store.As(), "", 0);
    EXPECT_TRUE(list.ok && list.messages.empty());
    ASSERT_EQ(list.lines.size(), 2u);
    EXPECT_EQ(list.lines[1].substr(0, 5), "鈴木\t");
    EXPECT_NE(list.lines[1], "鈴木\t未読");
}

TEST(Posting, ADamagedOrWrappedCounterNeverTakesTheNumberOfALivePost) {
    TempStore store;
    Post(store, "", kYamada, "一");
    Post(store, "", kYamada, "二");
    BbsShowPost(store.As(2), "", 0);  // 鈴木 has read post 1
    const std::string counter = store.Path("bbs\\bbsnum.mox");
    for (const std::string& bytes : {std::string(), std::string("\x0F\x27", 2)}) {
        WriteRawFile(counter, bytes);
        int n = Post(store, "", kYamada, "新");
        EXPECT_GT(n, 2);
        // The new post has its own reader log and counts as unread for 鈴木.
        EXPECT_EQ(Readers(store.Path("bbs\\bbs" + std::string(n < 10 ? "000" : "") +
                                     std::to_string(n) + ".chk")).size(), 1u);
        EXPECT_EQ(Lines(store, 2)[0].substr(0, 5), "未読\t");
    }
    EXPECT_EQ(Readers(store.Path("bbs\\bbs0001.chk")).size(), 2u);
    EXPECT_EQ(Lines(store, 2).size(), 4u);
}

TEST(Boards, ATitleListOfMoreRecordsThanBoardNumbersShowsTheFirstThousandAndSaysSo) {
    TempStore store;
    CreateDirectoryA(store.Path("bbs").c_str(), nullptr);
    std::string records;
    for (int n = 0; n < 1005; ++n) records += EncodeBoardTitleRecord(BoardTitleRecord{n % 1000, "板"});
    WriteRawFile(store.Path("bbs\\bbsttl.mox"), records);
    BoardList boards = BbsLoadBoards(store.As());
    EXPECT_EQ(boards.ids.size(), 1001u);
    EXPECT_EQ(boards.ids.back(), "999");
    EXPECT_EQ(boards.messages, std::vector<std::string>{"ファイルの形式が違います"});
    EXPECT_FALSE(BbsCheckUnread(store.As(2)).unread);
    // A board added behind a full list would never be seen.
    records.replace(5 * 256, 256, EncodeBoardTitleRecord(BoardTitleRecord{1000, "壊"}));
    WriteRawFile(store.Path("bbs\\bbsttl.mox"), records.substr(0, 1000 * 256));
    EXPECT_EQ(BbsAddBoard(store.As(), 5, "新").messages,
              std::vector<std::string>{"ファイルの形式が違います"});
    EXPECT_EQ(RawFileSize(store.Path("bbs\\bbsttl.mox")), 1000 * 256);
}
