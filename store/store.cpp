#include "store/store.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "store/bytes.h"
#include "store/message_sink.h"
#include "store/sjis.h"
#include "store/tally.h"

namespace {

OpenRetryPolicy g_retryPolicy;

HANDLE ToWin(StoreHandle h) { return reinterpret_cast<HANDLE>(h); }
StoreHandle FromWin(HANDLE h) {
    return h == INVALID_HANDLE_VALUE ? kNoHandle : reinterpret_cast<StoreHandle>(h);
}

// The file system says "path not found" both for a missing folder and for a network drive
// that has gone away. The main window must tell the two apart (a lost drive ends the session),
// so a missing folder whose drive root is unreachable is reported as an invalid drive.
StoreError ClassifyOpenError(const std::string& path, DWORD error) {
    if (error == ERROR_PATH_NOT_FOUND || error == ERROR_BAD_NETPATH ||
        error == ERROR_BAD_NET_NAME) {
        std::string root = PathRoot(path);
        if (!root.empty() && GetFileAttributesA(root.c_str()) == INVALID_FILE_ATTRIBUTES)
            return kErrInvalidDrive;
    }
    return static_cast<StoreError>(error);
}

// One attempt at the platform: 0 and a handle on success, else the error code.
DWORD OpenOnce(const std::string& path, unsigned mode, HANDLE* out) {
    *out = INVALID_HANDLE_VALUE;
    ++Tally().openAttempts;
    if (mode & kOpenDelete) {
        if (DeleteFileA(path.c_str())) return 0;
        return GetLastError();
    }
    DWORD access;
    DWORD creation = OPEN_EXISTING;
    if (mode & kOpenCreate) {
        creation = CREATE_ALWAYS;
        access = GENERIC_READ | GENERIC_WRITE;
    } else if (mode & kOpenAlways) {
        creation = OPEN_ALWAYS;
        access = GENERIC_READ | GENERIC_WRITE;
    } else if (mode & kOpenCreateNew) {
        creation = CREATE_NEW;
        access = GENERIC_READ | GENERIC_WRITE;
    } else if (mode & kOpenTake) {
        // With kOpenReadWrite as well: a file rewritten in place or, when nothing is left of
        // it, deleted within the same open.
        access = GENERIC_READ | DELETE;
        if ((mode & 3) == kOpenReadWrite) access |= GENERIC_WRITE;
    } else {
        switch (mode & 3) {
            case kOpenWrite: access = GENERIC_WRITE; break;
            case kOpenReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
            default: access = GENERIC_READ; break;
        }
    }
    // Share mode 0: while we hold the file, every other client's open fails with 32.
    HANDLE h = CreateFileA(path.c_str(), access, 0, nullptr, creation, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) return GetLastError();
    if (mode & kOpenExist) {
        CloseHandle(h);
        ++Tally().closes;
        return 0;
    }
    *out = h;
    return 0;
}

void ReportOpenFailure(const std::string& path, unsigned short code) {
    // "%s %d" in a 128-byte buffer: cut the path, never the code, and never overflow.
    char codeText[16];
    std::snprintf(codeText, sizeof codeText, " %d", code);
    std::string text = CutSjis(path, 127 - std::strlen(codeText)) + codeText;
    ShowMessage(text);
}

bool IsSilentOpenError(unsigned short code) {
    switch (code) {
        case kErrFileNotFound:
        case kErrPathNotFound:
        case kErrAccessDenied:
        case kErrGeneralFailure:
        case kErrSharingViolation:
        case kErrBadNetPath:
        case kErrFileExists:  // the expected answer of a create-only-when-absent open
            return true;
        default:
            return false;
    }
}

}  // namespace


void SetOpenRetryPolicy(const OpenRetryPolicy& policy) { g_retryPolicy = policy; }
OpenRetryPolicy CurrentOpenRetryPolicy() { return g_retryPolicy; }
void StorePause(int ms) { Sleep(static_cast<DWORD>(ms)); }

OpenResult StoreOpen(const std::string& path, unsigned mode) {
    const int immediate = g_retryPolicy.immediateAttempts > 0 ? g_retryPolicy.immediateAttempts : 1;
    const int total = immediate + (g_retryPolicy.pausedAttempts > 0 ? g_retryPolicy.pausedAttempts : 0);
    HANDLE h = INVALID_HANDLE_VALUE;
    DWORD error = kErrSharingViolation;
    for (int attempt = 0; attempt < total; ++attempt) {
        if (attempt > 0) {
            ++Tally().busyRetries;
            if (attempt >= immediate && g_retryPolicy.pauseMs > 0) Sleep(g_retryPolicy.pauseMs);
        }
        error = OpenOnce(path, mode, &h);
        if (error != ERROR_SHARING_VIOLATION) break;
    }
    OpenResult opened;
    if (error == 0) {
        ++Tally().opensOk;
        // Exist and delete opens hold no handle; any value but -1 means success.
        opened.handle = mode & (kOpenExist | kOpenDelete) ? 1 : FromWin(h);
        return opened;
    }
    opened.error = ClassifyOpenError(path, error);
    switch (opened.error) {
        case kErrFileNotFound:
        case kErrPathNotFound: ++Tally().opensAbsent; break;
        case kErrSharingViolation: ++Tally().opensBusy; break;
        default: ++Tally().opensFailed; break;
    }
    if (!IsSilentOpenError(opened.error)) ReportOpenFailure(path, opened.error);
    return opened;
}

OpenResult StoreExists(const std::string& path) { return StoreOpen(path, kOpenExist); }

bool StoreDelete(const std::string& path) {
    bool ok = StoreOpen(path, kOpenDelete).Opened();
    if (ok) ++Tally().deletes;
    return ok;
}

int StoreClose(StoreHandle handle) {
    if (handle == kNoHandle) return -1;
    for (int attempt = 0; attempt < 100; ++attempt) {
        ++Tally().closes;
        if (CloseHandle(ToWin(handle))) return 0;
    }
    return -1;
}

bool StoreDriveReachable(const std::string& path) {
    const std::string root = PathRoot(path);
    return root.empty() || GetFileAttributesA(root.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool MakeStoreFolder(const std::string& path) {
    ++Tally().folderCreates;
    if (CreateDirectoryA(path.c_str(), nullptr)) return true;
    return GetLastError() == ERROR_ALREADY_EXISTS;
}

OpenResult StoreOpenAppend(const std::string& path) {
    // One atomic open-or-create: when two senders append to a list that does not exist yet,
    // neither may truncate what the other has just written.
    OpenResult opened = StoreOpen(path, kOpenAlways);
    if (opened.error == kErrPathNotFound) {
        MakeStoreFolder(PathParentFolder(path));
        opened = StoreOpen(path, kOpenAlways);
    }
    if (opened.Opened()) StoreSeek(opened.handle, 0, kSeekEnd);
    return opened;
}

long StoreRead(StoreHandle handle, void* buffer, size_t count) {
    DWORD got = 0;
    ++Tally().reads;
    if (!ReadFile(ToWin(handle), buffer, static_cast<DWORD>(count), &got, nullptr)) return -1;
    Tally().bytesRead += got;
    return static_cast<long>(got);
}

long StoreWrite(StoreHandle handle, const void* buffer, size_t count) {
    DWORD put = 0;
    ++Tally().writes;
    if (!WriteFile(ToWin(handle), buffer, static_cast<DWORD>(count), &put, nullptr)) return -1;
    Tally().bytesWritten += put;
    return static_cast<long>(put);
}

long StoreSeek(StoreHandle handle, long offset, int origin) {
    static const DWORD kMethods[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    ++Tally().seeks;
    DWORD pos = SetFilePointer(ToWin(handle), offset, nullptr, kMethods[origin % 3]);
    if (pos == INVALID_SET_FILE_POINTER) return -1;
    return static_cast<long>(pos);
}

long StoreSize(StoreHandle handle) {
    DWORD size = GetFileSize(ToWin(handle), nullptr);
    if (size == INVALID_FILE_SIZE) return -1;
    return static_cast<long>(size);
}

bool StoreTruncateHere(StoreHandle handle) { return SetEndOfFile(ToWin(handle)) != 0; }

bool StoreStampWriteTime(StoreHandle handle) {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return SetFileTime(ToWin(handle), nullptr, nullptr, &now) != 0;
}

bool StoreCopyTimes(StoreHandle from, StoreHandle to) {
    FILETIME created, accessed, written;
    return GetFileTime(ToWin(from), &created, &accessed, &written) != 0 &&
           SetFileTime(ToWin(to), &created, &accessed, &written) != 0;
}

bool StoreWriteTimeLocal(StoreHandle handle, StoreLocalTime* out) {
    FILETIME written, local;
    SYSTEMTIME t;
    if (!GetFileTime(ToWin(handle), nullptr, nullptr, &written) ||
        !FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &t))
        return false;
    *out = StoreLocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
    return true;
}

bool StoreReadExactly(StoreHandle handle, void* out, size_t count) {
    char* into = static_cast<char*>(out);
    for (size_t have = 0; have < count;) {
        long got = StoreRead(handle, into + have, count - have);
        if (got <= 0) return false;
        have += static_cast<size_t>(got);
    }
    return true;
}

bool StoreReadUpTo(StoreHandle handle, std::string& out, size_t limit) {
    out.clear();
    char block[65536];
    while (out.size() < limit) {
        size_t want = limit - out.size() < sizeof block ? limit - out.size() : sizeof block;
        long got = StoreRead(handle, block, want);
        if (got < 0) return false;
        if (got == 0) break;
        out.append(block, static_cast<size_t>(got));
    }
    return true;
}

bool StoreReadToEnd(StoreHandle handle, std::string& out) {
    long size = StoreSize(handle);
    long pos = StoreSeek(handle, 0, kSeekCur);
    std::string bytes;
    if (size >= 0 && pos >= 0 && size > pos) bytes.reserve(static_cast<size_t>(size - pos));
    bool ok = StoreReadUpTo(handle, bytes, static_cast<size_t>(-1));
    out.swap(bytes);
    return ok;
}

bool StoreAppendWhole(StoreHandle handle, const std::string& bytes) {
    long end = StoreSize(handle);
    if (StoreWrite(handle, bytes.data(), bytes.size()) == static_cast<long>(bytes.size()))
        return true;
    if (end >= 0 && StoreSeek(handle, end, kSeekSet) == end) StoreTruncateHere(handle);
    return false;
}

namespace {

// Marks the file of an open handle for deletion at its close. The native call is the one road
// that every version of the platform has for a handle opened without sharing.
bool MarkDeleteOnClose(StoreHandle handle) {
    using SetInformationFile = LONG(WINAPI*)(HANDLE, void*, void*, ULONG, int);
    static const SetInformationFile set = reinterpret_cast<SetInformationFile>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtSetInformationFile")));
    if (!set) return false;
    struct {
        void* status;
        ULONG_PTR information;
    } ioStatus = {};
    BOOLEAN deleteFile = TRUE;
    const int kFileDispositionInformation = 13;
    return set(ToWin(handle), &ioStatus, &deleteFile, sizeof deleteFile,
               kFileDispositionInformation) >= 0;
}

}  // namespace

bool StoreDeleteOnClose(StoreHandle handle) {
    if (!MarkDeleteOnClose(handle)) return false;
    ++Tally().deletes;
    return true;
}

TakenFile TakeStoreFile(const std::string& path) {
    TakenFile result;
    StoreFile file(path, kOpenTake);
    if (!file.IsOpen()) {
        result.error = file.Error();
        return result;
    }
    std::string bytes;
    if (!StoreReadToEnd(file.Get(), bytes)) {
        result.error = kErrGeneralFailure;
        return result;
    }
    if (!StoreDeleteOnClose(file.Get())) {
        result.error = kErrAccessDenied;
        return result;
    }
    if (file.Close() != 0) {
        result.error = kErrGeneralFailure;
        return result;
    }
    result.taken = true;
    result.bytes.swap(bytes);
    return result;
}

bool ReadStoreFile(const std::string& path, std::string& out) {
    StoreFile file(path, kOpenRead);
    if (!file.IsOpen()) {
        out.clear();
        return false;
    }
    return StoreReadToEnd(file.Get(), out);
}

bool WriteStoreFile(const std::string& path, const std::string& bytes) {
    StoreFile file(path, kOpenCreate);
    if (!file.IsOpen()) return false;
    if (bytes.empty()) return true;
    return StoreWrite(file.Get(), bytes.data(), bytes.size()) == static_cast<long>(bytes.size());
}

namespace {

// Does a file of the folder carry this number under one of the prefixes?
bool NumberHasFiles(const StoreContext& store, const std::string& folder,
                    const std::vector<std::string>& prefixes, int number) {
    for (const std::string& prefix : prefixes) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04d", number);
        WIN32_FIND_DATAA found;
        HANDLE search =
            FindFirstFileA(UserStorePath(store, folder, prefix + digits + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        bool hit = false;
        do {
            hit = NumberInFileName(found.cFileName, prefix) == number;
        } while (!hit && FindNextFileA(search, &found));
        FindClose(search);
        if (hit) return true;
    }
    return false;
}

// Every number that a file of the folder carries under one of the prefixes: one pass over the
// folder instead of one search per number.
std::vector<bool> NumbersWithFiles(const StoreContext& store, const std::string& folder,
                                   const std::vector<std::string>& prefixes) {
    std::vector<bool> taken(10000, false);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(UserStorePath(store, folder, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return taken;
    do {
        for (const std::string& prefix : prefixes) {
            int n = NumberInFileName(found.cFileName, prefix);
            if (n > 0) taken[static_cast<size_t>(n)] = true;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return taken;
}

// One read-modify-write of the counter within one exclusive open: the next number that
// withFiles (one listing of the folder, or empty before any) does not claim. 0 when the counter
// cannot be opened; -1 when every number is claimed (the counter is then left alone). No
// other file is looked at while the counter is held: every client sending to this folder
// waits for it.
int TakeCounterNumber(const StoreContext& store, const std::string& folder, int counterKind,
                      const std::vector<bool>& withFiles) {
    const std::string path = UserStorePath(store, folder, CounterFileName(counterKind));
    // Open-or-create in one exclusive open: a counter that another client holds is retried,
    // never taken for absent and recreated, so no number is ever handed out twice.
    OpenResult opened = StoreOpen(path, kOpenAlways);
    if (opened.error == kErrPathNotFound) {
        MakeStoreFolder(StorePath(store, folder));
        opened = StoreOpen(path, kOpenAlways);
    }
    if (!opened.Opened()) return 0;
    const StoreHandle h = opened.handle;
    unsigned char bytes[2] = {0, 0};
    long got = StoreRead(h, bytes, 2);
    // A fresh (empty) or short counter counts as 0, so it starts at 1.
    int16_t last = got == 2 ? GetInt16(bytes) : 0;
    int next = NextFreeItemNumber(last, [&](int n) {
        return !withFiles.empty() && withFiles[static_cast<size_t>(n)];
    });
    if (next == 0) {
        StoreClose(h);
        return -1;
    }
    PutInt16(bytes, next);
    bool ok = StoreSeek(h, 0, kSeekSet) == 0 && StoreWrite(h, bytes, 2) == 2;
    StoreClose(h);
    return ok ? next : 0;
}

}  // namespace

const char kMsgNoFreeItemNumber[] = "番号に空きがありません。古い項目を削除してください。";

ItemNumber NextItemNumber(const StoreContext& store, const std::string& folder, int counterKind) {
    // Past 9999, or from a damaged counter, the numbers start again at 1 while older items may
    // still be live: a number whose files exist is passed over, or the new item would overwrite
    // them and deleting either item would delete both. The number is taken first; only when it
    // turns out to have files is the folder listed once and a number taken again past every
    // number that has. The counter stays the one thing that makes numbers unique: a number
    // passed over is simply not used.
    ItemNumber taken;
    const std::vector<std::string> prefixes = CounterFilePrefixes(counterKind);
    int number = TakeCounterNumber(store, folder, counterKind, std::vector<bool>());
    if (number > 0 && NumberHasFiles(store, folder, prefixes, number))
        number = TakeCounterNumber(store, folder, counterKind,
                                   NumbersWithFiles(store, folder, prefixes));
    if (number < 0) taken.Fail(kMsgNoFreeItemNumber);
    else if (number == 0) taken.Fail();
    else taken.number = number;
    return taken;
}

uint32_t DriveSpace(char driveLetter, bool wantFree) {
    char root[4] = {driveLetter, ':', '\\', 0};
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters,
                           &totalClusters))
        return 0xFFFFFFFFu;
    uint64_t bytes = static_cast<uint64_t>(wantFree ? freeClusters : totalClusters) *
                     sectorsPerCluster * bytesPerSector;
    // A drive with more than 4 GB free must not look nearly full: saturate instead of wrapping.
    return bytes >= 0xFFFFFFFFull ? 0xFFFFFFFEu : static_cast<uint32_t>(bytes);
}

bool CopyStoreFile(const std::string& source, const std::string& destination) {
    StoreFile in(source, kOpenRead);
    if (!in.IsOpen()) return false;  // missing source, or its size cannot be known
    long size = StoreSize(in.Get());
    char drive = destination.empty() ? '\0' : destination[0];
    if (size < 0 || static_cast<uint32_t>(size) > DriveSpace(drive, true)) return false;
    // The source's times as they were before we read it: reading moves its last-access time.
    FILETIME created, accessed, written;
    bool haveTimes = GetFileTime(ToWin(in.Get()), &created, &accessed, &written) != 0;
    StoreFile out(destination, kOpenCreate);
    if (!out.IsOpen()) return false;
    std::string block(65536, '\0');
    for (;;) {
        long got = StoreRead(in.Get(), &block[0], block.size());
        if (got == 0) break;
        if (got < 0 || StoreWrite(out.Get(), block.data(), static_cast<size_t>(got)) != got) {
            // A half-written copy would pass for the whole file later: remove it.
            out.Close();
            StoreDelete(destination);
            return false;
        }
    }
    if (haveTimes) SetFileTime(ToWin(out.Get()), &created, &accessed, &written);
    return true;
}
