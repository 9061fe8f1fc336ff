// The user registry and sign-in records in a real store folder, with several clients at once.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "store/store.h"
#include "tests/support/support.h"
#include "users/import_list.h"
#include "users/registry.h"

static std::string NumberTable(std::initializer_list<int> taken) {
    std::string table(1000, '\0');
    for (int n : taken) table[static_cast<size_t>(n)] = 1;
    return table;
}

TEST(UserNumbers, FirstRegistrationCreatesTheTableAndTakesOne) {
    TempStore store;
    RegisterResult r = RegisterNewUser(store.As(), "山田", "yamada");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.number, 1);
    EXPECT_EQ(ReadRawFile(store.Path("count.mox")), NumberTable({1}));
    EXPECT_TRUE(RawFileExists(store.Path("001")));
    RegistryRead registry = ReadRegistry(store.As());
    ASSERT_TRUE(registry.ok);
    const std::vector<RegistryRecord>& records = registry.records;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].numberText, "001");
    EXPECT_EQ(records[0].loginName, "yamada");
}

TEST(UserNumbers, ReleasedNumberIsTakenAgainFirst) {
    TempStore store;
    WriteRawFile(store.Path("count.mox"), NumberTable({1, 2, 3}));
    ReleaseUserNumber(store.As(), 2);
    EXPECT_EQ(TakeUserNumber(store.As()).number, 2);
    EXPECT_EQ(TakeUserNumber(store.As()).number, 4);
    // A short table counts its missing bytes as free.
    WriteRawFile(store.Path("count.mox"), std::string("\0\1\1", 3));
    EXPECT_EQ(TakeUserNumber(store.As()).number, 3);
    EXPECT_EQ(RawFileSize(store.Path("count.mox")), 1000);
}

TEST(UserNumbers, FullTableRefusesWithAMessageAndNeverLeaves1To999) {
    TempStore store;
    std::string full(1000, '\1');
    WriteRawFile(store.Path("count.mox"), full);
    TakeNumberResult t = TakeUserNumber(store.As());
    EXPECT_EQ(t.number, 0);
    EXPECT_FALSE(t.messages.empty());
    RegisterResult r = RegisterNewUser(store.As(), "誰か", "");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.messages, t.messages);
    EXPECT_EQ(ReadRawFile(store.Path("count.mox")), full);
    EXPECT_EQ(RawFileSize(store.Path("regist.mox")), -1);
}

TEST(UserNumbers, ANumberTheRegistryHoldsIsNeverGivenAgainWhateverTheTableSays) {
    struct Case {
        const char* what;
        std::string table;  // "" with present false: no count.mox
        bool present;
    } cases[] = {
        {"missing", "", false},
        {"empty", "", true},
        {"cut short", std::string("\0\1", 2), true},
        {"filled with 0xFF", std::string(1000, '\xFF'), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempStore store;
        for (int n : {1, 2, 5}) AppendRegistryRecord(store.As(), MakeRegistryRecord("既存", n, ""));
        if (c.present) WriteRawFile(store.Path("count.mox"), c.table);
        RegisterResult r = RegisterNewUser(store.As(), "新人", "");
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.number, 3);
        std::string table = ReadRawFile(store.Path("count.mox"));
        ASSERT_EQ(table.size(), 1000u);
        for (int n : {1, 2, 3, 5}) EXPECT_EQ(table[static_cast<size_t>(n)], 1) << n;
    }
}

TEST(Registry, LookupsTakeTheLastMatch) {
    TempStore store;
    AppendRegistryRecord(store.As(), MakeRegistryRecord("一郎", 1, "same"));
    AppendRegistryRecord(store.As(), MakeRegistryRecord("二郎", 2, "same"));
    AppendRegistryRecord(store.As(), MakeRegistryRecord("三郎", 2, "other"));
    RegistryMatch login = FindLoginName(store.As(), "same");
    ASSERT_TRUE(login.found);
    EXPECT_EQ(login.record.name, "二郎");
    EXPECT_EQ(login.record.number, 2);
    EXPECT_EQ(login.record.numberText, "002");
    EXPECT_FALSE(FindLoginName(store.As(), "Same").found);  // exact, case-sensitive
    RegistryMatch number = LookupUserName(store.As(), 2);
    ASSERT_TRUE(number.found);
    EXPECT_EQ(number.record.name, "三郎");
    RegistryMatch none = LookupUserName(store.As(), 9);
    EXPECT_TRUE(none.ok && !none.found);
    DeleteFileA(store.Path("regist.mox").c_str());
    EXPECT_FALSE(LookupUserName(store.As(), 2).ok);  // the registry cannot be read
}

TEST(Passwords, WrittenAndReadInTheUserFolder) {
    TempStore store;
    MakeStoreFolder(store.Path("007"));
    EXPECT_EQ(ReadPassword(store.As(7)), "");  // never changed: no file, empty password
    EXPECT_TRUE(WritePassword(store.As(7), "abc12345", 123));
    EXPECT_EQ(RawFileSize(store.Path("007\\mox.mox")), 18);
    EXPECT_EQ(ReadPassword(store.As(7)), "abc12345");
}

TEST(ImportList, ClaimRemovesTheNameAndRegistersIt) {
    TempStore store;
    WriteRawFile(store.Path("regist.txt"), "佐藤\r\n鈴木\r\n高橋\r\n");
    NameImportList list = LoadNameImportList(store.As());
    ASSERT_EQ(list.entries.size(), 3u);
    RegisterResult r = RegisterFromImportList(store.As(), list, 1);
    ASSERT_TRUE(r.ok) << r.FirstMessage();
    EXPECT_EQ(r.number, 1);
    EXPECT_EQ(ReadRawFile(store.Path("regist.txt")), "佐藤\r\n高橋\r\n");
    std::vector<RegistryRecord> records = ReadRegistry(store.As()).records;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, "鈴木");
    EXPECT_EQ(records[0].loginName, "");
    EXPECT_TRUE(RawFileExists(store.Path("001")));
}

TEST(ImportList, ChangeByAnotherClientIsDetectedAndNothingIsWritten) {
    TempStore store;
    WriteRawFile(store.Path("regist.txt"), "佐藤\r\n鈴木\r\n");
    NameImportList list = LoadNameImportList(store.As());
    // Another PC claims 佐藤 meanwhile.
    WriteRawFile(store.Path("regist.txt"), "鈴木\r\n");
    RegisterResult r = RegisterFromImportList(store.As(), list, 0);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.listChanged);
    EXPECT_EQ(r.messages, std::vector<std::string>{"利用者ファイルが更新されていました。"});
    EXPECT_EQ(ReadRawFile(store.Path("regist.txt")), "鈴木\r\n");
    EXPECT_EQ(RawFileSize(store.Path("regist.mox")), -1);
    EXPECT_EQ(ReadRawFile(store.Path("count.mox")), NumberTable({}));  // number released
    // Reloaded, the claim goes through.
    list = LoadNameImportList(store.As());
    r = RegisterFromImportList(store.As(), list, 0);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(ReadRawFile(store.Path("regist.txt")), "");
}

TEST(ImportList, VanishedListCountsAsChanged) {
    TempStore store;
    WriteRawFile(store.Path("regist.txt"), "佐藤\r\n");
    NameImportList list = LoadNameImportList(store.As());
    DeleteFileA(store.Path("regist.txt").c_str());
    RegisterResult r = RegisterFromImportList(store.As(), list, 0);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.listChanged);
    EXPECT_TRUE(LoadNameImportList(store.As()).entries.empty());
}

TEST(SignIn, MarkerComesAndGoesAndItsTimeIsTheSignIn) {
    TempStore store;
    MakeStoreFolder(store.Path("003"));
    EXPECT_FALSE(IsSignedIn(store.As(), "003"));
    // A marker left behind by a program that died long ago.
    WriteRawFile(store.Path("003\\login.mox"), "");
    HANDLE h = CreateFileA(store.Path("003\\login.mox").c_str(), GENERIC_WRITE, 0, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    FILETIME old = {0, 0x01D00000};
    SetFileTime(h, nullptr, nullptr, &old);
    CloseHandle(h);
    ASSERT_TRUE(MarkSignedIn(store.As(3)));
    EXPECT_TRUE(IsSignedIn(store.As(), "003"));
    EXPECT_EQ(RawFileSize(store.Path("003\\login.mox")), 0);
    WIN32_FILE_ATTRIBUTE_DATA data;
    GetFileAttributesExA(store.Path("003\\login.mox").c_str(), GetFileExInfoStandard, &data);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER a, b;
    a.LowPart = data.ftLastWriteTime.dwLowDateTime;
    a.HighPart = data.ftLastWriteTime.dwHighDateTime;
    b.LowPart = now.dwLowDateTime;
    b.HighPart = now.dwHighDateTime;
    EXPECT_LT(b.QuadPart - a.QuadPart, 10ull * 10000000ull);  // within 10 seconds
    EXPECT_TRUE(MarkSignedOut(store.As(3)));
    EXPECT_FALSE(IsSignedIn(store.As(), "003"));
}

TEST(BoardMembers, MembersLeaveTheAllUsersListAndRoundTrip) {
    TempStore store;
    AppendRegistryRecord(store.As(), MakeRegistryRecord("一郎", 1, ""));
    AppendRegistryRecord(store.As(), MakeRegistryRecord("二郎", 2, ""));
    AppendRegistryRecord(store.As(), MakeRegistryRecord("三郎", 3, ""));
    ASSERT_TRUE(SaveBoardMembers(store.As(1), {"三郎\t003", "一郎\t001"}).ok);
    EXPECT_EQ(RawFileSize(store.Path("001\\regist.mox")), 128);
    BoardMemberLists lists = LoadBoardMemberLists(store.As(1));
    EXPECT_EQ(lists.members, (std::vector<std::string>{"三郎\t003", "一郎\t001"}));
    EXPECT_EQ(lists.allUsers, (std::vector<std::string>{"二郎\t002"}));
    EXPECT_TRUE(lists.ok && lists.messages.empty());
    DeleteFileA(store.Path("regist.mox").c_str());
    lists = LoadBoardMemberLists(store.As(1));
    EXPECT_EQ(lists.messages, std::vector<std::string>{store.Path("regist.mox")});
}

MOX_WORKER(register_users) {
    const StoreContext office{args.at(0), 0};
    int count = std::stoi(args.at(1));
    for (int i = 0; i < count; ++i) {
        RegisterResult r = RegisterNewUser(office, args.at(2) + std::to_string(i), "");
        std::printf("%d\n", r.ok ? r.number : 0);
    }
    return 0;
}

TEST(UserNumbers, FourClientsRegisteringAtOnceGetDistinctNumbers) {
    TempStore store;
    const int kClients = 4, kEach = 50;
    std::vector<Child> children;
    DWORD start = GetTickCount();
    for (int i = 0; i < kClients; ++i)
        children.push_back(StartWorker("register_users", {store.Dir(), std::to_string(kEach),
                                                          "pc" + std::to_string(i) + "-"}));
    std::set<int> numbers;
    int failed = 0;
    for (Child& c : children) {
        std::string out;
        ASSERT_EQ(WaitChild(c, &out), 0);
        std::istringstream lines(out);
        int n;
        while (lines >> n) {
            if (n == 0) ++failed;
            else EXPECT_TRUE(numbers.insert(n).second) << "number " << n << " handed out twice";
        }
    }
    std::printf("figures: %d clients x %d registrations in %lu ms, %d failed\n", kClients, kEach,
                GetTickCount() - start, failed);
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(numbers.size(), static_cast<size_t>(kClients * kEach));
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), kClients * kEach);
    // Whole records only, one per number, and a table that agrees with them.
    EXPECT_EQ(RawFileSize(store.Path("regist.mox")), kClients * kEach * 64);
    RegistryRead registry = ReadRegistry(store.As());
    ASSERT_TRUE(registry.ok);
    const std::vector<RegistryRecord>& records = registry.records;
    std::set<int> recorded;
    for (const RegistryRecord& r : records) {
        EXPECT_EQ(r.numberText, UserFolderName(r.number));
        recorded.insert(r.number);
        EXPECT_TRUE(RawFileExists(store.Path(r.numberText)));
    }
    EXPECT_EQ(recorded, numbers);
    std::string table = ReadRawFile(store.Path("count.mox"));
    ASSERT_EQ(table.size(), 1000u);
    for (int i = 1; i < 1000; ++i) EXPECT_EQ(table[static_cast<size_t>(i)], numbers.count(i) ? 1 : 0) << i;
}
