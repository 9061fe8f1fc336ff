// Test support: a temporary network directory, recorded messages, child processes and workers.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "store/context.h"

// A fresh network directory under the temporary folder, removed with everything in it
// afterwards.
class TempStore {
public:
    TempStore();
    ~TempStore();
    TempStore(const TempStore&) = delete;
    TempStore& operator=(const TempStore&) = delete;

    const std::string& Dir() const { return dir_; }
    // Dir() + "\" + relative.
    std::string Path(const std::string& relative) const;
    // The store logic's view of this office, acting as user (0: nobody yet).
    StoreContext As(int user = 0) const { return StoreContext{dir_, user}; }

private:
    std::string dir_;
};

// A fresh empty folder under the temporary folder, removed afterwards.
class TempFolder {
public:
    explicit TempFolder(const char* tag = "moxtmp");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Dir() const { return dir_; }
    std::string Path(const std::string& relative) const { return dir_ + "\\" + relative; }

private:
    std::string dir_;
};

// Plain file helpers that bypass the store (to set up and inspect what peers would see).
bool WriteRawFile(const std::string& path, const std::string& bytes);
std::string ReadRawFile(const std::string& path);  // "" when missing
bool RawFileExists(const std::string& path);
long RawFileSize(const std::string& path);  // -1 when missing
void RemoveTree(const std::string& path);
std::vector<std::string> ListFolder(const std::string& path);  // names, sorted

// Messages the store logic showed through the sink since the last ClearMessages(), as they
// are now (a window's thread may be adding to them).
std::vector<std::string> RecordedMessages();
void ClearMessages();

// This test program's folder, and the path of a program built beside it.
std::string BinDir();
std::string BinPath(const std::string& exeName);

struct ProcessResult {
    int exitCode = -1;
    bool timedOut = false;
    std::string out;  // standard output
    std::string err;  // standard error
};
// Runs a command line, waits at most timeoutMs, and collects its output.
ProcessResult RunProcess(const std::string& commandLine, DWORD timeoutMs = 60000);
// Runs moxctl.exe with the given arguments (each quoted).
ProcessResult RunMoxctl(const std::vector<std::string>& args, DWORD timeoutMs = 60000);
// Quotes one argument for a command line.
std::string QuoteArg(const std::string& arg);

// Workers: the test program started again in a worker role, for several clients at once.
using WorkerFn = int (*)(const std::vector<std::string>& args);
struct WorkerRegistration {
    WorkerRegistration(const char* name, WorkerFn fn);
};
#define MOX_WORKER(name)                                                   \
    static int name##_worker(const std::vector<std::string>& args);       \
    static WorkerRegistration name##_registration(#name, name##_worker);  \
    static int name##_worker(const std::vector<std::string>& args)

// A running child process with its output collected to files.
struct Child {
    HANDLE process = nullptr;
    std::string outPath;
};
// Starts the current test program as worker `name` with args; output goes to a temp file.
Child StartWorker(const std::string& name, const std::vector<std::string>& args);
// Waits for a child; returns its exit code (-1 on timeout) and its output.
int WaitChild(Child& child, std::string* out, DWORD timeoutMs = 120000);

// Sets an [Extensions] association entry for the object's lifetime and puts back what was
// there. Tests run side by side in one Wine prefix, and two processes rewriting win.ini at once
// can drop each other's entries: one test at a time holds the file.
class Association {
public:
    Association(const char* key, const std::string& entry);
    ~Association();
    Association(const Association&) = delete;
    Association& operator=(const Association&) = delete;

private:
    const char* key_;
    HANDLE lock_;
    bool had_;
    std::string old_;
};
