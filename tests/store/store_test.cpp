// Store access against a real folder under Wine: paths, counters, opens, copies.
#include <gtest/gtest.h>

#include "store/store.h"
#include "store/tally.h"
#include "tests/support/support.h"

static std::string Counter(int value) {
    return std::string{static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

TEST(Counters, FreshFolderIsCreatedAndHandsOutOne) {
    TempStore store;
    EXPECT_EQ(NextItemNumber(store.As(), "007", kCounterReceived).number, 1);
    EXPECT_EQ(ReadRawFile(store.Path("007\\rcvnum.mox")), Counter(1));
    EXPECT_EQ(NextItemNumber(store.As(), "007", kCounterReceived).number, 2);
    EXPECT_EQ(NextItemNumber(store.As(), "007", kCounterSent).number, 1);
    EXPECT_TRUE(RecordedMessages().empty());
}

TEST(Counters, NextNumberWrapsAndStoresIt) {
    TempStore store;
    CreateDirectoryA(store.Path("001").c_str(), nullptr);
    const std::string path = store.Path("001\\bbsnum.mox");
    WriteRawFile(path, Counter(41));
    EXPECT_EQ(NextItemNumber(store.As(), "001", kCounterPost).number, 42);
    EXPECT_EQ(ReadRawFile(path), Counter(42));
    WriteRawFile(path, Counter(9999));
    EXPECT_EQ(NextItemNumber(store.As(), "001", kCounterPost).number, 1);
    EXPECT_EQ(ReadRawFile(path), Counter(1));
}

TEST(Counters, ShortOrDamagedCounterRestartsAtOne) {
    TempStore store;
    CreateDirectoryA(store.Path("001").c_str(), nullptr);
    const std::string path = store.Path("001\\filnum.mox");
    WriteRawFile(path, "");
    EXPECT_EQ(NextItemNumber(store.As(), "001", kCounterAttachment).number, 1);
    WriteRawFile(path, std::string(1, '\x07'));
    EXPECT_EQ(NextItemNumber(store.As(), "001", kCounterAttachment).number, 1);
    EXPECT_EQ(ReadRawFile(path), Counter(1));
    WriteRawFile(path, Counter(-5));  // never hand out 0 or a negative number
    EXPECT_EQ(NextItemNumber(store.As(), "001", kCounterAttachment).number, 1);
}

TEST(Counters, ANumberWhoseFilesStillLieInTheFolderIsNeverHandedOut) {
    TempStore store;
    CreateDirectoryA(store.Path("002").c_str(), nullptr);
    // Received items 1 (a body) and 2 (only an attachment list) are still live.
    WriteRawFile(store.Path("002\\rcv0001.txt"), "一");
    WriteRawFile(store.Path("002\\fil0002.lst"), std::string(1024, '\0'));
    const std::string path = store.Path("002\\rcvnum.mox");
    WriteRawFile(path, Counter(9998));
    EXPECT_EQ(NextItemNumber(store.As(), "002", kCounterReceived).number, 9999);
    EXPECT_EQ(NextItemNumber(store.As(), "002", kCounterReceived).number, 3);
    EXPECT_EQ(ReadRawFile(path), Counter(3));
    // A damaged counter (cut, emptied, out of range) gives the first number without files.
    const std::string damaged[] = {"", "\x07", Counter(0), Counter(-5), Counter(10000),
                                   Counter(0x7FFF), Counter(0xFFFF)};
    for (const std::string& bytes : damaged) {
        WriteRawFile(path, bytes);
        EXPECT_EQ(NextItemNumber(store.As(), "002", kCounterReceived).number, 3) << bytes.size();
    }
    // Attachment copies carry any extension, or none; other kinds' files do not count.
    WriteRawFile(store.Path("002\\att0001.doc"), "a");
    WriteRawFile(store.Path("002\\ATT0002"), "b");
    WriteRawFile(store.Path("002\\att00031.doc"), "c");
    EXPECT_EQ(NextItemNumber(store.As(), "002", kCounterAttachment).number, 3);
    EXPECT_EQ(NextItemNumber(store.As(), "002", kCounterSent).number, 1);
    EXPECT_TRUE(RecordedMessages().empty());
}

TEST(StoreOpen, MissingFileFailsSilentlyWithItsCode) {
    TempStore store;
    ClearMessages();
    OpenResult none = StoreOpen(store.Path("none.mox"), kOpenRead);
    EXPECT_EQ(none.handle, kNoHandle);
    EXPECT_EQ(none.error, kErrFileNotFound);
    OpenResult noFolder = StoreOpen(store.Path("nodir\\none.mox"), kOpenRead);
    EXPECT_EQ(noFolder.handle, kNoHandle);
    EXPECT_EQ(noFolder.error, kErrPathNotFound);
    EXPECT_EQ(StoreExists(store.Path("none.mox")).error, kErrFileNotFound);
    EXPECT_FALSE(StoreDelete(store.Path("none.mox")));
    EXPECT_TRUE(RecordedMessages().empty());
}

TEST(StoreOpen, UnexpectedCodeIsReportedOnceAsPathAndCode) {
    TempStore store;
    ClearMessages();
    const std::string bad = store.Path("bad?name.mox");  // the file system refuses the name
    OpenResult opened = StoreOpen(bad, kOpenRead);
    EXPECT_EQ(opened.handle, kNoHandle);
    unsigned short code = opened.error;
    ASSERT_NE(code, 0);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0], bad + " " + std::to_string(code));
}

TEST(StoreOpen, LostDriveIsReportedAsInvalidDrive) {
    ClearMessages();
    // No drive Q: exists in the test prefix: the path's root is unreachable.
    EXPECT_EQ(StoreOpen("q:\\mox\\001\\mail.mox", kOpenExist).error, kErrInvalidDrive);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0], "q:\\mox\\001\\mail.mox 15");
}

TEST(StoreOpen, LongPathInMessageIsCutToItsBuffer) {
    ClearMessages();
    std::string path = "q:\\";
    for (int i = 0; i < 20; ++i) path += "長いフォルダ\\";
    path += "mail.mox";
    StoreOpen(path, kOpenRead);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    const std::string text = RecordedMessages()[0];
    EXPECT_LE(text.size(), 127u);
    EXPECT_EQ(text.substr(text.size() - 3), " 15");
    EXPECT_EQ(text.compare(0, 3, "q:\\"), 0);
}

TEST(StoreOpen, OpenFilesAreExclusiveWithinTheProcessToo) {
    TempStore store;
    const std::string path = store.Path("x.mox");
    WriteRawFile(path, "ab");
    SetOpenRetryPolicy(OpenRetryPolicy{5, 0, 0});
    StoreHandle held = StoreOpen(path, kOpenRead).handle;
    ASSERT_NE(held, kNoHandle);
    ResetTally();
    OpenResult busy = StoreOpen(path, kOpenRead);
    EXPECT_EQ(busy.handle, kNoHandle);
    EXPECT_EQ(busy.error, kErrSharingViolation);
    EXPECT_EQ(Tally().openAttempts, 5u);
    EXPECT_EQ(Tally().opensBusy, 1u);
    EXPECT_FALSE(StoreExists(path).Opened());  // busy counts as absent for an existence test
    StoreClose(held);
    SetOpenRetryPolicy(OpenRetryPolicy{});
    EXPECT_TRUE(StoreExists(path).Opened());
    EXPECT_TRUE(RecordedMessages().empty());
}

TEST(StoreAppend, CreatesFolderAndAppendsAtTheEnd) {
    TempStore store;
    const std::string path = store.Path("012\\rcvlst.mox");
    StoreHandle h = StoreOpenAppend(path).handle;
    ASSERT_NE(h, kNoHandle);
    StoreWrite(h, "abc", 3);
    StoreClose(h);
    h = StoreOpenAppend(path).handle;
    ASSERT_NE(h, kNoHandle);
    StoreWrite(h, "de", 2);
    StoreClose(h);
    EXPECT_EQ(ReadRawFile(path), "abcde");
}

TEST(StoreFiles, WholeFileHelpersAndTruncation) {
    TempStore store;
    const std::string path = store.Path("t.mox");
    EXPECT_TRUE(WriteStoreFile(path, std::string(70000, 'x') + "end"));
    std::string bytes;
    EXPECT_TRUE(ReadStoreFile(path, bytes));
    EXPECT_EQ(bytes.size(), 70003u);
    StoreFile f(path, kOpenReadWrite);
    ASSERT_TRUE(f.IsOpen());
    EXPECT_EQ(StoreSize(f.Get()), 70003);
    EXPECT_EQ(StoreSeek(f.Get(), 10, kSeekSet), 10);
    EXPECT_TRUE(StoreTruncateHere(f.Get()));
    f.Close();
    EXPECT_EQ(RawFileSize(path), 10);
    EXPECT_FALSE(ReadStoreFile(store.Path("missing"), bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST(CopyStoreFile, CopiesBytesAndAllThreeTimeStamps) {
    TempStore store;
    const std::string src = store.Path("src.doc"), dst = store.Path("att0001.doc");
    std::string content;
    for (int i = 0; i < 100000; ++i) content += static_cast<char>(i * 7);
    WriteRawFile(src, content);
    HANDLE h = CreateFileA(src.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME created = {0x11111111, 0x01C00000}, accessed = {0x22222222, 0x01C10000},
             written = {0x33333333, 0x01C20000};
    SetFileTime(h, &created, &accessed, &written);
    CloseHandle(h);

    ASSERT_TRUE(CopyStoreFile(src, dst));
    // Times first: reading the copy would move its last-access time.
    h = CreateFileA(dst.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME c, a, w;
    GetFileTime(h, &c, &a, &w);
    CloseHandle(h);
    EXPECT_EQ(CompareFileTime(&w, &written), 0);
    EXPECT_EQ(CompareFileTime(&a, &accessed), 0);
    // Wine on a Linux file system keeps no settable creation time; where the platform keeps
    // one (the source shows ours), the copy must carry it too.
    h = CreateFileA(src.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME sc, sa, sw;
    GetFileTime(h, &sc, &sa, &sw);
    CloseHandle(h);
    if (CompareFileTime(&sc, &created) == 0) {
        EXPECT_EQ(CompareFileTime(&c, &created), 0);
    }
    EXPECT_EQ(ReadRawFile(dst), content);
}

TEST(CopyStoreFile, MissingSourceCreatesNothing) {
    TempStore store;
    ClearMessages();
    EXPECT_FALSE(CopyStoreFile(store.Path("none.doc"), store.Path("att0001.doc")));
    EXPECT_FALSE(RawFileExists(store.Path("att0001.doc")));
    EXPECT_TRUE(RecordedMessages().empty());
}

TEST(DriveSpace, AnswersForARealDriveAndFailsForNone) {
    uint32_t total = DriveSpace('c', false), free = DriveSpace('c', true);
    EXPECT_NE(total, 0xFFFFFFFFu);
    EXPECT_GT(total, 0u);
    EXPECT_LE(free, total);
    EXPECT_EQ(DriveSpace('q', true), 0xFFFFFFFFu);
}

TEST(Folders, OneLevelOnlyAndExistingIsFine) {
    TempStore store;
    EXPECT_TRUE(MakeStoreFolder(store.Path("007")));
    EXPECT_TRUE(MakeStoreFolder(store.Path("007")));
    EXPECT_FALSE(MakeStoreFolder(store.Path("a\\b")));
}
