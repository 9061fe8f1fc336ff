// Several clients at once: other processes in the same Wine prefix hold and share store files.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>

#include "store/store.h"
#include "store/tally.h"
#include "tests/support/support.h"

// Holds a file exclusively, as another client in the middle of a long write would, until the
// test creates the release file (at most two minutes). Not a fixed time: on a loaded machine the
// retries being checked can outlast any hold that is also short enough to wait for.
MOX_WORKER(hold) {
    // The test's own probe for the hold opens the file exclusively for a moment: retried.
    HANDLE h = INVALID_HANDLE_VALUE;
    for (DWORD tried = GetTickCount(); h == INVALID_HANDLE_VALUE; Sleep(1)) {
        h = CreateFileA(args.at(0).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                        0, nullptr);
        if (h == INVALID_HANDLE_VALUE &&
            (GetLastError() != ERROR_SHARING_VIOLATION || GetTickCount() - tried > 30000))
            return 3;
    }
    const DWORD start = GetTickCount();
    while (GetFileAttributesA(args.at(1).c_str()) == INVALID_FILE_ATTRIBUTES &&
           GetTickCount() - start < 120000)
        Sleep(10);
    CloseHandle(h);
    return 0;
}

// Takes count numbers from a counter and prints them, one per line (0 = no number).
MOX_WORKER(take_numbers) {
    const StoreContext office{args.at(0), 0};
    int count = std::stoi(args.at(2));
    std::string out;
    for (int i = 0; i < count; ++i)
        out += std::to_string(NextItemNumber(office, args.at(1), kCounterPost).number) + "\n";
    std::fputs(out.c_str(), stdout);
    std::fprintf(stdout, "busy-retries %llu\n", (unsigned long long)Tally().busyRetries);
    return 0;
}

// Waits until the holder holds path (our own exclusive open is refused). Up to 90 s: on a loaded
// machine a worker process was seen to take over 30 s to start, and it keeps the file until
// released however late it came. A holder that ends first is told with its exit code.
static testing::AssertionResult WaitUntilHeld(const std::string& path, Child& holder) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < 90000;) {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION)
            return testing::AssertionSuccess();
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
        if (!holder.process || WaitForSingleObject(holder.process, 0) == WAIT_OBJECT_0) {
            std::string out;
            const int code = WaitChild(holder, &out);
            return testing::AssertionFailure()
                   << "the holder " << (code == -1 ? "never started" : "ended") << " (exit "
                   << code << ") without holding the file: " << out;
        }
        Sleep(5);
    }
    return testing::AssertionFailure() << "the holder did not hold the file within 90 s";
}

TEST(ExclusiveOpen, FileHeldByAnotherClientIsRetriedThenFailsSilently) {
    TempStore store;
    const std::string path = store.Path("rcvlst.mox");
    WriteRawFile(path, std::string(256, '\0'));
    OpenRetryPolicy policy = CurrentOpenRetryPolicy();
    const std::string release = store.Path("release");
    Child holder = StartWorker("hold", {path, release});
    ASSERT_TRUE(WaitUntilHeld(path, holder));
    ClearMessages();
    ResetTally();
    OpenResult busy = StoreOpen(path, kOpenReadWrite);
    EXPECT_EQ(busy.handle, kNoHandle);
    EXPECT_EQ(busy.error, kErrSharingViolation);
    EXPECT_EQ(Tally().openAttempts,
              static_cast<uint64_t>(policy.immediateAttempts + policy.pausedAttempts));
    EXPECT_TRUE(RecordedMessages().empty());
    WriteRawFile(release, "");
    EXPECT_EQ(WaitChild(holder, nullptr), 0);
    StoreFile now(path, kOpenReadWrite);
    EXPECT_TRUE(now.IsOpen());
}

TEST(ExclusiveOpen, BusyCounterIsNeverRecreated) {
    TempStore store;
    CreateDirectoryA(store.Path("007").c_str(), nullptr);
    const std::string path = store.Path("007\\rcvnum.mox");
    WriteRawFile(path, std::string{41, 0});
    const std::string release = store.Path("release");
    Child holder = StartWorker("hold", {path, release});
    ASSERT_TRUE(WaitUntilHeld(path, holder));
    // The holder keeps it past every retry: no number, and the counter is left as it is.
    EXPECT_EQ(NextItemNumber(store.As(), "007", kCounterReceived).number, 0);
    EXPECT_EQ(StoreOpenAppend(path).handle, kNoHandle);
    WriteRawFile(release, "");
    EXPECT_EQ(WaitChild(holder, nullptr), 0);
    EXPECT_EQ(ReadRawFile(path), (std::string{41, 0}));
    EXPECT_EQ(NextItemNumber(store.As(), "007", kCounterReceived).number, 42);
}

TEST(ExclusiveOpen, FourClientsTakingNumbersNeverShareOne) {
    TempStore store;
    const int kClients = 4, kEach = 250;
    std::vector<Child> children;
    DWORD start = GetTickCount();
    for (int i = 0; i < kClients; ++i)
        children.push_back(StartWorker("take_numbers", {store.Dir(), "bbs", std::to_string(kEach)}));
    std::multiset<int> numbers;
    int failed = 0;
    unsigned long long retries = 0;
    for (Child& c : children) {
        std::string out;
        ASSERT_EQ(WaitChild(c, &out), 0);
        std::istringstream lines(out);
        std::string line;
        while (std::getline(lines, line)) {
            if (line.compare(0, 13, "busy-retries ") == 0) {
                retries += std::stoull(line.substr(13));
                continue;
            }
            int n = std::stoi(line);
            if (n == 0) ++failed;
            else numbers.insert(n);
        }
    }
    DWORD elapsed = GetTickCount() - start;
    std::printf("figures: %d clients x %d numbers in %lu ms, %d without a number, %llu busy retries\n",
                kClients, kEach, elapsed, failed, retries);
    EXPECT_EQ(failed, 0);
    std::set<int> distinct(numbers.begin(), numbers.end());
    EXPECT_EQ(distinct.size(), numbers.size());
    EXPECT_EQ(numbers.size(), static_cast<size_t>(kClients * kEach));
    std::string counter = ReadRawFile(store.Path("bbs\\bbsnum.mox"));
    ASSERT_EQ(counter.size(), 2u);
    EXPECT_EQ((unsigned char)counter[0] | ((unsigned char)counter[1] << 8), kClients * kEach);
}
