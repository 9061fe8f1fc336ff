// mox.exe started by a test as one PC of the office, and the office of 山田太郎 (user 1) whose
// PC signs in automatically. Shared by the tests that start the client as a process.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/office.h"
#include "tests/support/support.h"
#include "tests/support/window_driver.h"

// "ミトカ" and the user's empty Title: the title of a signed-in client.
constexpr char kMainTitle[] = "ミトカ ";
constexpr char kQuitQuestion[] = "終了しますか？";

// Closes a client's main window the way a user does: close box, then OK to the question.
// (Across processes the icon is not compared: icon handles are each process's own.)
inline void QuitClient(HWND main, DWORD pid = 0) {
    PostMessageA(main, WM_CLOSE, 0, 0);
    MessageBoxSeen box = WaitForMessageBox(pid);
    EXPECT_EQ(box.text, kQuitQuestion);
    EXPECT_TRUE(box.hasOk && box.hasCancel);
    Answer(box, IDOK);
}

// A copy of mox.exe (or of the program named) started with a command line, ended when the test
// ends.
struct Client {
    PROCESS_INFORMATION pi = {};
    explicit Client(const std::string& commandLine, const std::string& exe = BinPath("mox.exe")) {
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        std::string line = QuoteArg(exe) + " " + commandLine;
        if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                            &pi))
            ADD_FAILURE() << exe << " did not start";
    }
    ~Client() {
        if (!pi.hProcess) return;
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 99);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;
    DWORD Pid() const { return pi.dwProcessId; }
    // The exit code, or -1 when the copy is still running after timeoutMs.
    int ExitCode(DWORD timeoutMs = kWindowWaitMs) const {
        if (WaitForSingleObject(pi.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        return static_cast<int>(code);
    }
};

// An office with 山田太郎 (user 1) and a PC that signs in as him.
struct YamadaPc : TestOffice {
    explicit YamadaPc(const char* localName = "mox.ini") : TestOffice(localName) {
        Register("山田太郎", "yamada");
        PersonalPc(1);
    }
};
