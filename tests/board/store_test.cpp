// The in/out board's files as several clients see them: scheduled entries moved into bord.mox by
// whoever shows the board first on their day, entries saved meanwhile, files held by another
// client, and moxctl's board commands over the same office.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "board/bord_store.h"
#include "store/message_sink.h"
#include "store/store.h"
#include "tests/support/support.h"
#include "users/registry.h"

namespace {

constexpr int kRaceUsers = 30;

std::string Folder(int user) {
    char text[8];
    std::snprintf(text, sizeof text, "%03d", user);
    return text;
}

EntryDate Day(int y, int m, int d) {
    EntryDate date;
    MakeEntryDate(y, m, d, &date);
    return date;
}

EntryDate Today() { return EntryDateFromTime(LocalTimeNow()); }

// A day before today, as a local date.
FILETIME DaysAgo(int days) {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t;
    t.LowPart = now.dwLowDateTime;
    t.HighPart = now.dwHighDateTime;
    t.QuadPart -= static_cast<ULONGLONG>(days) * 24 * 3600 * 10000000ULL;
    return FILETIME{t.LowPart, t.HighPart};
}

// A local-time noon of a date, as the file system's time.
FILETIME NoonOf(int y, int m, int d) {
    SYSTEMTIME local = {};
    local.wYear = static_cast<WORD>(y);
    local.wMonth = static_cast<WORD>(m);
    local.wDay = static_cast<WORD>(d);
    local.wHour = 12;
    FILETIME lt, utc;
    SystemTimeToFileTime(&local, &lt);
    LocalFileTimeToFileTime(&lt, &utc);
    return utc;
}

void SetWritten(const std::string& path, const FILETIME& when) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(h, &when, &when, &when);
    CloseHandle(h);
}

FILETIME Written(const std::string& path) {
    FILETIME t = {};
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    GetFileTime(h, nullptr, nullptr, &t);
    CloseHandle(h);
    return t;
}

std::string Entry(const std::string& name, const std::string& destination, const std::string& writer,
                  int arriveHour = 0, int leaveHour = 0) {
    WhereaboutsRecord r = EmptyWhereabouts(name);
    r.destination = destination;
    r.writer = writer;
    r.written = LocalTimeNow();
    r.arriveHour = arriveHour;
    r.leaveHour = leaveHour;
    return EncodeWhereabouts(r);
}

WhereaboutsRecord Decoded(const std::string& bytes) {
    return DecodeWhereabouts(reinterpret_cast<const unsigned char*>(bytes.data()));
}

// An office of users 1..count, each on user 1's board, in number order.
void MakeOffice(TempStore& store, int count) {
    std::vector<std::string> lines;
    for (int n = 1; n <= count; ++n) {
        const int got = RegisterNewUser(store.As(), "user" + std::to_string(n), "").number;
        EXPECT_EQ(got, n);
        lines.push_back(RegistryListLine(MakeRegistryRecord("user" + std::to_string(n), n, "")));
    }
    EXPECT_TRUE(SaveBoardMembers(store.As(1), lines).ok);
}

// bord.mox of user dated yesterday, and a whole plan for today in DST.
void PlanToday(TempStore& store, int user, const std::string& plan) {
    const std::string folder = Folder(user);
    WriteRawFile(store.Path(folder + "\\bord.mox"), Entry("user", "昨日", "x"));
    SetWritten(store.Path(folder + "\\bord.mox"), DaysAgo(1));
    CreateDirectoryA(store.Path(folder + "\\DST").c_str(), nullptr);
    const std::string planPath = store.Path(folder + "\\DST\\" + ScheduledFileName(Today()));
    WriteRawFile(planPath, plan);
    SetWritten(planPath, DaysAgo(2));
}

bool StartsWith(const std::string& text, const std::string& head) { return text.rfind(head, 0) == 0; }

bool WaitUntilHeld(const std::string& path) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < 30000;) {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION) return true;
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
        Sleep(5);
    }
    return false;
}

void WaitForGo(const std::string& go) {
    for (DWORD start = GetTickCount(); !RawFileExists(go) && GetTickCount() - start < 60000;) Sleep(2);
}

}  // namespace

MOX_WORKER(bord_hold) {
    HANDLE h = CreateFileA(args.at(0).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 3;
    Sleep(static_cast<DWORD>(std::stoi(args.at(1))));
    CloseHandle(h);
    return 0;
}

// Shows user 1's board `rounds` times once go exists; prints the lines that lack an entry.
MOX_WORKER(bord_load) {
    WaitForGo(args.at(1));
    int missing = 0;
    for (int round = 0; round < std::stoi(args.at(2)); ++round) {
        BoardLoad board = LoadInOutBoard(StoreContext{args.at(0), 1}, Today());
        for (const std::string& line : board.lines)
            if (line.find(kMsgNoWhereabouts) != std::string::npos) ++missing;
    }
    std::printf("missing %d\n", missing);
    return 0;
}

// Saves a fresh entry for every user of the race, once go exists.
MOX_WORKER(bord_save) {
    WaitForGo(args.at(1));
    const StoreContext office{args.at(0), 1};
    int failed = 0;
    for (int n = 2; n <= kRaceUsers + 1; ++n) {
        WhereaboutsRecord r = Decoded(Entry("user" + std::to_string(n), "会議室", "fresh"));
        if (!WriteWhereabouts(office, Folder(n), Today(), Today(), r).ok) ++failed;
    }
    std::printf("failed %d\n", failed);
    return 0;
}

TEST(BoardStore, DuePlansBecomeTheEntryWholeAndOnlyOnTheirDay) {
    TempStore store;
    MakeOffice(store, 5);
    const std::string plan2 = Entry("user2", "出張", "user1", 9, 18);
    PlanToday(store, 2, plan2);
    // A short plan (a failed write) never replaces an entry.
    PlanToday(store, 3, std::string(100, 'x'));
    // No bord.mox: a due plan makes one.
    CreateDirectoryA(store.Path("004\\DST").c_str(), nullptr);
    const std::string plan4Path = store.Path("004\\DST\\" + ScheduledFileName(Today()));
    WriteRawFile(plan4Path, Entry("user4", "直行", "user1"));
    // User 5 has nothing at all.
    const FILETIME planTime = Written(store.Path("002\\DST\\" + ScheduledFileName(Today())));

    BoardLoad board = LoadInOutBoard(store.As(1), Today());
    ASSERT_EQ(board.lines.size(), 6u);
    EXPECT_EQ(board.lines[0], kBoardHeader);
    EXPECT_EQ(board.numbers, (std::vector<std::string>{"000", "001", "002", "003", "004", "005"}));
    EXPECT_NE(board.lines[1].find(kMsgNoWhereabouts), std::string::npos);
    EXPECT_TRUE(StartsWith(board.lines[2], "user2\t出張\t"));
    EXPECT_EQ(ReadRawFile(store.Path("002\\bord.mox")), plan2);
    EXPECT_FALSE(RawFileExists(store.Path("002\\DST\\" + ScheduledFileName(Today()))));
    const FILETIME kept = Written(store.Path("002\\bord.mox"));
    EXPECT_EQ(CompareFileTime(&kept, &planTime), 0);  // the plan's stamps, as peers expect
    EXPECT_TRUE(StartsWith(board.lines[3], "user\t昨日\t"));
    EXPECT_EQ(RawFileSize(store.Path("003\\DST\\" + ScheduledFileName(Today()))), 100);
    EXPECT_TRUE(StartsWith(board.lines[4], "user4\t直行\t"));
    EXPECT_FALSE(RawFileExists(plan4Path));
    EXPECT_EQ(board.lines[5], "user5\t" + std::string(kMsgNoWhereabouts) +
                                  "\t 0時 0分\t 0時 0分\t 0時 0分\t 1/ 0  0: 0\t");
    // The promoted entry is dated by its plan, so the next board probes DST again and finds
    // nothing: the entry stays.
    EXPECT_EQ(LoadInOutBoard(store.As(1), Today()).lines[2], board.lines[2]);

    // Today 2000-01-01 over a bord.mox of 1999-12-31: the turn of the century promotes.
    const EntryDate newYear = Day(2000, 1, 1);
    WriteRawFile(store.Path("005\\bord.mox"), Entry("user5", "旧", "x"));
    SetWritten(store.Path("005\\bord.mox"), NoonOf(1999, 12, 31));
    CreateDirectoryA(store.Path("005\\DST").c_str(), nullptr);
    WriteRawFile(store.Path("005\\DST\\20000101.mox"), Entry("user5", "新年", "x"));
    WhereaboutsRead read = ReadWhereabouts(store.As(1), "005", "user5", newYear, newYear);
    EXPECT_TRUE(read.found);
    EXPECT_EQ(read.record.destination, "新年");
    // An entry written for a later day lands in DST, creating it.
    WhereaboutsRecord later = EmptyWhereabouts("user1");
    later.destination = "休暇";
    EXPECT_TRUE(WriteWhereabouts(store.As(1), "001", Day(2000, 2, 29), Today(), later).ok);
    EXPECT_EQ(Decoded(ReadRawFile(store.Path("001\\DST\\20000229.mox"))).destination, "休暇");

    // 在席 on a missing bord.mox: the name, 在席, the time and the writer only.
    EXPECT_TRUE(SetPresent(store.As(1), "001", "user1", "佐藤", LocalTimeNow()).ok);
    WhereaboutsRecord present = Decoded(ReadRawFile(store.Path("001\\bord.mox")));
    EXPECT_EQ(present.name, "user1");
    EXPECT_EQ(present.destination, "在席");
    EXPECT_EQ(present.writer, "佐藤");
    EXPECT_EQ(present.written.year, LocalTimeNow().year);
    // 在席 over a promoted plan keeps its planned times.
    EXPECT_TRUE(SetPresent(store.As(1), "002", "user2", "佐藤", LocalTimeNow()).ok);
    WhereaboutsRecord two = Decoded(ReadRawFile(store.Path("002\\bord.mox")));
    EXPECT_EQ(two.destination, "在席");
    EXPECT_EQ(two.arriveHour, 9);
    EXPECT_EQ(two.leaveHour, 18);
}

TEST(BoardStore, HeldEntryKeepsItsPlanAndRefusesPresence) {
    TempStore store;
    MakeOffice(store, 2);
    PlanToday(store, 2, Entry("user2", "出張", "user1"));
    const std::string bord = store.Path("002\\bord.mox");
    const std::string before = ReadRawFile(bord);
    Child holder = StartWorker("bord_hold", {bord, "4000"});
    ASSERT_TRUE(WaitUntilHeld(bord));
    BoardLoad board = LoadInOutBoard(store.As(1), Today());
    EXPECT_NE(board.lines[2].find(kMsgNoWhereabouts), std::string::npos);
    EXPECT_TRUE(RawFileExists(store.Path("002\\DST\\" + ScheduledFileName(Today()))));
    StoreResult present = SetPresent(store.As(1), "002", "user2", "user1", LocalTimeNow());
    EXPECT_FALSE(present.ok);
    EXPECT_EQ(present.FirstMessage(), MsgCannotSave(bord));
    EXPECT_EQ(WaitChild(holder, nullptr), 0);
    EXPECT_EQ(ReadRawFile(bord), before);  // nothing was written, not even a blank record
    // The next board moves the plan in.
    EXPECT_TRUE(StartsWith(LoadInOutBoard(store.As(1), Today()).lines[2], "user2\t出張\t"));
    EXPECT_FALSE(RawFileExists(store.Path("002\\DST\\" + ScheduledFileName(Today()))));
}

// Four clients show the board while a fifth saves fresh entries for the thirty people whose
// plans are due: no fresh entry is ever overwritten by an older plan, every bord.mox stays whole
// and nobody's board shows a person without an entry.
TEST(BoardStore, PromotionRaceNeverLosesAFreshEntry) {
    TempStore store;
    MakeOffice(store, kRaceUsers + 1);
    WriteRawFile(store.Path("001\\bord.mox"), Entry("user1", "在席", "user1"));
    for (int n = 2; n <= kRaceUsers + 1; ++n) PlanToday(store, n, Entry("user" + std::to_string(n), "予定", "plan"));
    const std::string go = store.Path("go");
    std::vector<Child> loaders;
    for (int i = 0; i < 4; ++i) loaders.push_back(StartWorker("bord_load", {store.Dir(), go, "3"}));
    Child saver = StartWorker("bord_save", {store.Dir(), go});
    Sleep(300);
    WriteRawFile(go, "");
    std::string out;
    EXPECT_EQ(WaitChild(saver, &out), 0);
    EXPECT_EQ(out.substr(0, 8), "failed 0");
    for (Child& loader : loaders) {
        EXPECT_EQ(WaitChild(loader, &out), 0);
        EXPECT_EQ(out.substr(0, 9), "missing 0");
    }
    for (int n = 2; n <= kRaceUsers + 1; ++n) {
        SCOPED_TRACE(n);
        const std::string bytes = ReadRawFile(store.Path(Folder(n) + "\\bord.mox"));
        ASSERT_EQ(bytes.size(), kWhereaboutsSize);
        EXPECT_EQ(Decoded(bytes).destination, "会議室");
        EXPECT_EQ(Decoded(bytes).writer, "fresh");
    }
}

TEST(BoardStore, MoxctlBoardCommands) {
    TempStore store;
    MakeOffice(store, 3);
    const std::vector<std::string> office{"--netdir", store.Dir()};
    auto run = [&](int user, std::vector<std::string> args) {
        std::vector<std::string> all = office;
        if (user) all.insert(all.end(), {"--user", std::to_string(user)});
        all.insert(all.end(), args.begin(), args.end());
        return RunMoxctl(all);
    };
    EXPECT_EQ(run(1, {"members-set", "3,2"}).exitCode, 0);
    EXPECT_EQ(run(0, {"dest-add", "外出"}).exitCode, 0);
    EXPECT_EQ(run(1, {"dest-add", "--personal", "会議室"}).exitCode, 0);
    EXPECT_EQ(run(0, {"dests"}).out, "外出\n");
    EXPECT_EQ(run(1, {"dests", "--personal"}).out, "会議室\n");
    EXPECT_EQ(run(3, {"set-where", "2", "--dest", "会議室", "--return", "18:30", "--arrive", "9:00",
                      "--leave", "18:05"}).exitCode, 0);
    EXPECT_EQ(run(3, {"set-where", "2", "--dest", "x", "--date", "26-01-01"}).exitCode, 2);
    EXPECT_EQ(run(3, {"set-where", "2", "--dest", "x", "--date", "2026-02-30"}).exitCode, 2);
    EXPECT_EQ(run(3, {"set-where", "2", "--dest", "x", "--date", "2099-01-02", "--note", "直帰"}).exitCode, 0);
    EXPECT_TRUE(RawFileExists(store.Path("002\\DST\\20990102.mox")));
    ProcessResult where = run(1, {"where"});
    EXPECT_EQ(where.exitCode, 0);
    EXPECT_NE(where.out.find("\n002\tuser2\t会議室\t18時30分\t 9時 0分\t18時 5分\t"), std::string::npos);
    EXPECT_NE(where.out.find("003\tuser3\t行き先データがありません"), std::string::npos);
    EXPECT_EQ(where.out.substr(0, 4), "000\t");
    EXPECT_EQ(run(1, {"present", "2"}).exitCode, 0);
    where = run(1, {"where"});
    EXPECT_NE(where.out.find("002\tuser2\t在席\t 0時 0分\t 9時 0分\t18時 5分"), std::string::npos);
    EXPECT_NE(where.out.find("\tuser1\n"), std::string::npos);
}
