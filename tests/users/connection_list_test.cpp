// The connection list end to end: two copies of mox.exe signed in as two users of one office, the
// list opened in one of them, and moxctl who beside them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/app/mox_process.h"

namespace {

const char kListTitle[] = "ミトカ　接続名一覧";

// The line of a user as the list shows it: the marker's last-write time in local time.
std::string ExpectedLine(const TestOffice& office, const std::string& name, const std::string& folder) {
    HANDLE marker = CreateFileA(office.store.Path(folder + "\\login.mox").c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME written = {}, local = {};
    SYSTEMTIME t = {};
    GetFileTime(marker, nullptr, nullptr, &written);
    CloseHandle(marker);
    FileTimeToLocalFileTime(&written, &local);
    FileTimeToSystemTime(&local, &t);
    char when[32];
    std::snprintf(when, sizeof when, "%02d/%02d %02d:%02d", t.wMonth, t.wDay, t.wHour, t.wMinute);
    return name + "\t" + when + "\t" + folder;
}

// Opens the list in the client's main window (command 115), reads it and closes it with OK.
std::vector<std::string> ShownList(HWND main, DWORD pid) {
    PostCommand(main, CMD_CONNECTIONS);
    HWND d = WaitForDialog(kListTitle, pid);
    if (!d) return {};
    std::vector<std::string> lines = ListLines(d, IDC_LIST);
    Click(d, IDOK);
    EXPECT_TRUE(WaitUntilGone(d));
    return lines;
}

std::vector<std::string> Who(const TestOffice& office) {
    ProcessResult who = RunMoxctl({"--netdir", office.store.Dir(), "who"});
    EXPECT_EQ(who.exitCode, 0) << who.err;
    std::vector<std::string> lines;
    std::string line;
    for (char c : who.out) {
        if (c == '\r') continue;
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    return lines;
}

}  // namespace

TEST(ConnectionList, ListsTheRunningUsersInRegistryOrderWithTheirSignInTimes) {
    YamadaPc office;
    office.Register("佐藤花子", "sato");
    office.Register("鈴木一郎", "suzuki");  // registered, never running
    const std::string localB = office.pc.Path("sato.ini");
    CopyFileA(office.local.c_str(), localB.c_str(), FALSE);
    WritePrivateProfileStringA("Environment", "NameNumber", "2", localB.c_str());

    Client a(QuoteArg(office.local));
    HWND mainA = WaitForWindow("Mox", kMainTitle, a.Pid());
    ASSERT_TRUE(mainA);
    std::vector<std::string> both;
    {
        Client b(QuoteArg(localB));
        HWND mainB = WaitForWindow("Mox", kMainTitle, b.Pid());
        ASSERT_TRUE(mainB);
        both = {ExpectedLine(office, "山田太郎", "001"), ExpectedLine(office, "佐藤花子", "002")};
        EXPECT_EQ(ShownList(mainA, a.Pid()), both);
        EXPECT_EQ(Who(office), both);
        // Signed out normally: listed no more.
        QuitClient(mainB, b.Pid());
        EXPECT_EQ(b.ExitCode(), 0);
    }
    EXPECT_EQ(ShownList(mainA, a.Pid()), std::vector<std::string>{both[0]});
    {
        // Started again and killed: its marker stays, with the time of that start.
        Client b(QuoteArg(localB));
        ASSERT_TRUE(WaitForWindow("Mox", kMainTitle, b.Pid()));
        both[1] = ExpectedLine(office, "佐藤花子", "002");
        TerminateProcess(b.pi.hProcess, 9);
        EXPECT_EQ(b.ExitCode(), 9);
    }
    EXPECT_EQ(ShownList(mainA, a.Pid()), both);
    EXPECT_EQ(Who(office), both);
    QuitClient(mainA, a.Pid());
    EXPECT_EQ(a.ExitCode(), 0);
}
