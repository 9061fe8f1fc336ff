#include "tests/support/support.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "store/store.h"

namespace {

std::string TempRoot() {
    char buffer[MAX_PATH];
    DWORD n = GetTempPathA(sizeof buffer, buffer);
    std::string root(buffer, n);
    if (!root.empty() && root.back() == '\\') root.pop_back();
    return root;
}

std::string UniqueFolder(const char* tag) {
    static int counter = 0;
    for (;;) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, "%s\\%s-%lu-%lu-%d", TempRoot().c_str(), tag,
                      GetCurrentProcessId(), GetTickCount(), ++counter);
        if (CreateDirectoryA(name, nullptr)) return name;
    }
}

// Written by the window's thread through the sink and read by the driving thread: every
// access holds the lock, and readers get a copy.
std::vector<std::string> g_messages;
struct MessagesLock {
    CRITICAL_SECTION section;
    MessagesLock() { InitializeCriticalSection(&section); }
    void Enter() { EnterCriticalSection(&section); }
    void Leave() { LeaveCriticalSection(&section); }
} g_messagesLock;

std::map<std::string, WorkerFn>& Workers() {
    static std::map<std::string, WorkerFn> workers;
    return workers;
}

}  // namespace

TempStore::TempStore() : dir_(UniqueFolder("moxnet")) {}
TempStore::~TempStore() { RemoveTree(dir_); }
std::string TempStore::Path(const std::string& relative) const { return dir_ + "\\" + relative; }

TempFolder::TempFolder(const char* tag) : dir_(UniqueFolder(tag)) {}
TempFolder::~TempFolder() { RemoveTree(dir_); }

bool WriteRawFile(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

std::string ReadRawFile(const std::string& path) {
    std::string bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    char block[65536];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, f)) > 0) bytes.append(block, got);
    std::fclose(f);
    return bytes;
}

bool RawFileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

long RawFileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return static_cast<long>(data.nFileSizeLow);
}

std::vector<std::string> ListFolder(const std::string& path) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((path + "\\*").c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = data.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(h, &data));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((path + "\\*").c_str(), &data);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(child);
            else DeleteFileA(child.c_str());
        } while (FindNextFileA(h, &data));
        FindClose(h);
    }
    RemoveDirectoryA(path.c_str());
}

std::vector<std::string> RecordedMessages() {
    g_messagesLock.Enter();
    std::vector<std::string> copy = g_messages;
    g_messagesLock.Leave();
    return copy;
}
void ClearMessages() {
    g_messagesLock.Enter();
    g_messages.clear();
    g_messagesLock.Leave();
}
void RecordMessage(const std::string& text) {
    g_messagesLock.Enter();
    g_messages.push_back(text);
    g_messagesLock.Leave();
}

std::string BinDir() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string self(path, n);
    return self.substr(0, self.find_last_of('\\'));
}

std::string BinPath(const std::string& exeName) { return BinDir() + "\\" + exeName; }

std::string QuoteArg(const std::string& arg) {
    std::string out = "\"";
    size_t slashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++slashes;
        } else if (c == '"') {
            out.append(slashes * 2 + 1, '\\');
            slashes = 0;
        } else {
            slashes = 0;
        }
        out += c;
    }
    out.append(slashes, '\\');
    return out + "\"";
}

static HANDLE InheritableFile(const std::string& path) {
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

static std::string TempFileName(const char* tag) {
    static int counter = 0;
    char name[MAX_PATH];
    std::snprintf(name, sizeof name, "%s\\%s-%lu-%d.txt", TempRoot().c_str(), tag,
                  GetCurrentProcessId(), ++counter);
    return name;
}

static HANDLE Spawn(const std::string& commandLine, HANDLE out, HANDLE err) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = out;
    si.hStdError = err;
    PROCESS_INFORMATION pi = {};
    std::string mutableLine = commandLine;
    if (!CreateProcessA(nullptr, &mutableLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &si, &pi))
        return nullptr;
    CloseHandle(pi.hThread);
    return pi.hProcess;
}

ProcessResult RunProcess(const std::string& commandLine, DWORD timeoutMs) {
    ProcessResult result;
    std::string outPath = TempFileName("moxout"), errPath = TempFileName("moxerr");
    HANDLE out = InheritableFile(outPath), err = InheritableFile(errPath);
    HANDLE process = Spawn(commandLine, out, err);
    CloseHandle(out);
    CloseHandle(err);
    if (process) {
        if (WaitForSingleObject(process, timeoutMs) == WAIT_TIMEOUT) {
            result.timedOut = true;
            TerminateProcess(process, 99);
            WaitForSingleObject(process, 5000);
        }
        DWORD code = 0;
        GetExitCodeProcess(process, &code);
        result.exitCode = static_cast<int>(code);
        CloseHandle(process);
    }
    result.out = ReadRawFile(outPath);
    result.err = ReadRawFile(errPath);
    DeleteFileA(outPath.c_str());
    DeleteFileA(errPath.c_str());
    return result;
}

ProcessResult RunMoxctl(const std::vector<std::string>& args, DWORD timeoutMs) {
    std::string line = QuoteArg(BinPath("moxctl.exe"));
    for (const std::string& a : args) line += " " + QuoteArg(a);
    return RunProcess(line, timeoutMs);
}

WorkerRegistration::WorkerRegistration(const char* name, WorkerFn fn) { Workers()[name] = fn; }

Child StartWorker(const std::string& name, const std::vector<std::string>& args) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string line = QuoteArg(self) + " --mox-worker " + QuoteArg(name);
    for (const std::string& a : args) line += " " + QuoteArg(a);
    Child child;
    child.outPath = TempFileName("moxworker");
    HANDLE out = InheritableFile(child.outPath);
    child.process = Spawn(line, out, out);
    CloseHandle(out);
    return child;
}

int WaitChild(Child& child, std::string* out, DWORD timeoutMs) {
    int code = -1;
    if (child.process) {
        if (WaitForSingleObject(child.process, timeoutMs) == WAIT_TIMEOUT) {
            TerminateProcess(child.process, 99);
            WaitForSingleObject(child.process, 5000);
        } else {
            DWORD exitCode = 0;
            GetExitCodeProcess(child.process, &exitCode);
            code = static_cast<int>(exitCode);
        }
        CloseHandle(child.process);
        child.process = nullptr;
    }
    if (out) *out = ReadRawFile(child.outPath);
    DeleteFileA(child.outPath.c_str());
    return code;
}

// Runs a worker when the program was started as one; returns -1 otherwise.
int RunWorkerIfAsked(int argc, char** argv) {
    if (argc < 3 || std::string(argv[1]) != "--mox-worker") return -1;
    auto it = Workers().find(argv[2]);
    if (it == Workers().end()) {
        std::fprintf(stderr, "unknown worker %s\n", argv[2]);
        return 98;
    }
    std::vector<std::string> args(argv + 3, argv + argc);
    return it->second(args);
}

Association::Association(const char* key, const std::string& entry)
    : key_(key), lock_(CreateMutexA(nullptr, FALSE, "MoxTestWinIni")) {
    WaitForSingleObject(lock_, 30000);
    char old[260] = {0};
    had_ = GetProfileStringA("Extensions", key, "", old, sizeof old) > 0;
    old_ = old;
    WriteProfileStringA("Extensions", key, entry.c_str());
}

Association::~Association() {
    WriteProfileStringA("Extensions", key_, had_ ? old_.c_str() : nullptr);
    ReleaseMutex(lock_);
    CloseHandle(lock_);
}
