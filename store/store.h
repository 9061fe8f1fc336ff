// Store access: the single road by which every part of the client names, opens, closes,
// creates, deletes, numbers and copies files in the network directory.
//
// Every open is exclusive. Another client that holds a file makes our open fail with a sharing
// violation (32); such an open is tried again at once. No file stays open beyond one short
// read-modify-write, because an open file blocks every other client in the office.
#pragma once
#include <cstdint>
#include <string>

#include "store/context.h"
#include "store/names.h"
#include "store/result.h"

using StoreHandle = intptr_t;
constexpr StoreHandle kNoHandle = -1;

// Open modes, with the values of the platform's OpenFile flags they stand for.
enum StoreOpenMode : unsigned {
    kOpenRead = 0x0000,
    kOpenWrite = 0x0001,
    kOpenReadWrite = 0x0002,
    kOpenDelete = 0x0200,
    kOpenCreate = 0x1000,  // create, or truncate to zero length; read and write
    kOpenExist = 0x4000,   // open and close at once: does the file exist and can we have it?
    // Beyond OpenFile: atomic opens for files that several clients may create at once, so no
    // client ever truncates a file that another client has just created.
    kOpenAlways = 0x10000,     // open for reading and writing, creating it empty when absent
    kOpenCreateNew = 0x20000,  // create only when absent; fails with 80 when it exists
    kOpenTake = 0x40000,       // open for reading with the right to delete (TakeStoreFile);
                               // with kOpenReadWrite also for writing
};

// The DOS error codes the store distinguishes (also the platform's codes).
enum StoreError : unsigned short {
    kErrNone = 0,
    kErrFileNotFound = 2,
    kErrPathNotFound = 3,
    kErrAccessDenied = 5,
    kErrInvalidDrive = 15,  // the network drive is gone
    kErrGeneralFailure = 31,
    kErrSharingViolation = 32,
    kErrBadNetPath = 53,
    kErrFileExists = 80,
};

// What an open came to: the handle, and the error code that the file system reported (kErrNone
// when it opened). Exist and delete opens hold no handle: for them only the code tells.
struct OpenResult {
    StoreHandle handle = kNoHandle;
    StoreError error = kErrNone;
    bool Opened() const { return error == kErrNone; }
};

// Opens exclusively with the retry rule. Unexpected codes (and 15) are reported through
// ShowMessage as "%s %d".
OpenResult StoreOpen(const std::string& path, unsigned mode);
// Does the file exist and could it be opened (Opened())? A file held by another client through
// every attempt counts as absent (the code is then 32).
OpenResult StoreExists(const std::string& path);
bool StoreDelete(const std::string& path);
// Closes, trying again while the close fails, up to 100 calls. Returns 0, or -1 on failure.
int StoreClose(StoreHandle handle);
// A handle positioned at the end of the file, for writing; creates the file (and its parent
// folder, one level) when it is absent.
OpenResult StoreOpenAppend(const std::string& path);
// Can the drive (or share) that path lies on be reached? Asks quietly: nothing is shown.
bool StoreDriveReachable(const std::string& path);
// Creates one folder level. An existing folder is not an error.
bool MakeStoreFolder(const std::string& path);

// Reads and writes on an open handle: bytes moved, or -1 on failure.
long StoreRead(StoreHandle handle, void* buffer, size_t count);
long StoreWrite(StoreHandle handle, const void* buffer, size_t count);
enum StoreSeekOrigin { kSeekSet = 0, kSeekCur = 1, kSeekEnd = 2 };
// Moves the file pointer; returns the new position, or -1.
long StoreSeek(StoreHandle handle, long offset, int origin);
// Size of the open file in bytes, or -1.
long StoreSize(StoreHandle handle);
// Cuts the file at the current position.
bool StoreTruncateHere(StoreHandle handle);
// Sets the file's last-write time to now (a marker whose time tells when something happened).
bool StoreStampWriteTime(StoreHandle handle);
// Gives the file open as to the creation, last-access and last-write times of the file open as
// from (a copy that must look like its source to peers that go by the times).
bool StoreCopyTimes(StoreHandle from, StoreHandle to);
// A file's last-write time in this PC's local time.
struct StoreLocalTime {
    int year = 0, month = 0, day = 0;  // month 1-12
    int hour = 0, minute = 0, second = 0;
};
// The open file's last-write time (when a marker was made); false when it cannot be read.
bool StoreWriteTimeLocal(StoreHandle handle, StoreLocalTime* out);
// Reads exactly count bytes at the current position; false on a read error or an early end.
bool StoreReadExactly(StoreHandle handle, void* out, size_t count);
// Reads from the current position to the end of the file, or until out holds limit bytes:
// whatever a peer appended beyond a file of fixed size is not ours to read. False on a read
// error; out keeps what was read until then.
bool StoreReadUpTo(StoreHandle handle, std::string& out, size_t limit);
// StoreReadUpTo without a limit.
bool StoreReadToEnd(StoreHandle handle, std::string& out);
// Writes bytes at the end of the file (the handle is positioned there) as one append. A write
// that falls short is cut off again, so a full drive never leaves a torn record that would make
// the file unreadable for every client. False when the bytes are not all in the file.
bool StoreAppendWhole(StoreHandle handle, const std::string& bytes);

// What taking a file came to: its whole content, and whether it was there and is gone now.
struct TakenFile {
    bool taken = false;        // read whole and deleted
    StoreError error = kErrNone;  // why it was not: 2 absent, 15 drive gone, 32 held, ...
    std::string bytes;         // the whole file when taken, else empty
};
// Reads a file whole and deletes it within one exclusive open: the file is marked for deletion
// only after a complete read and goes when the handle is closed, so a peer's append is either
// wholly in what was read or waits for the open and lands in a new file; a read that fails
// deletes nothing. While it is held (and for the instant between the mark and the close) peers
// still see the file as present, or fail to open it and retry.
TakenFile TakeStoreFile(const std::string& path);

// Marks a file held through a kOpenTake open for deletion when the handle is closed: peers
// that wait for the file meanwhile find it gone and start a new one.
bool StoreDeleteOnClose(StoreHandle handle);

// Opens path for reading, reads it whole and closes it. False when it cannot be opened or read.
bool ReadStoreFile(const std::string& path, std::string& out);
// Creates (or truncates) path and writes bytes. False when it cannot be created or written.
bool WriteStoreFile(const std::string& path, const std::string& bytes);

// Next item number 1..9999 from the counter file UserStorePath(folder, counter name). A number
// whose files still lie in the folder (CounterFilePrefixes) belongs to a live item and is
// skipped, whatever the counter holds: a new item never overwrites an old one's files. Not ok
// (number 0) when the existing counter cannot be opened, silently, or when every number is
// taken, with kMsgNoFreeItemNumber.
struct ItemNumber : StoreResult {
    int number = 0;
};
ItemNumber NextItemNumber(const StoreContext& store, const std::string& folder, int counterKind);
extern const char kMsgNoFreeItemNumber[];

// Copies a file with its creation, last-access and last-write times. False on a missing source
// or too little free space on the destination drive.
bool CopyStoreFile(const std::string& source, const std::string& destination);

// Free (wantFree) or total bytes of the drive, saturated below 0xFFFFFFFF; 0xFFFFFFFF when the
// query fails.
uint32_t DriveSpace(char driveLetter, bool wantFree);

// How many times an open refused as in use is tried. The office rule is 100 immediate attempts.
// Measured under Wine with four clients taking numbers from one counter, those alone let about
// one run in ten lose a number when the holder of the file is not scheduled for a few
// milliseconds; pausedAttempts more, each after a pause of pauseMs (at most about a second in
// all), give the holder time to finish.
struct OpenRetryPolicy {
    int immediateAttempts = 100;
    int pausedAttempts = 100;
    int pauseMs = 10;
};
void SetOpenRetryPolicy(const OpenRetryPolicy& policy);
// Gives other clients the processor for about ms milliseconds before an open is tried again.
void StorePause(int ms);
OpenRetryPolicy CurrentOpenRetryPolicy();

// Closes the handle when it goes out of scope, so no early return leaves a store file open.
class StoreFile {
public:
    explicit StoreFile(const OpenResult& opened) : handle_(opened.handle), error_(opened.error) {}
    StoreFile(const std::string& path, unsigned mode) : StoreFile(StoreOpen(path, mode)) {}
    ~StoreFile() { Close(); }
    StoreFile(const StoreFile&) = delete;
    StoreFile& operator=(const StoreFile&) = delete;

    bool IsOpen() const { return handle_ != kNoHandle; }
    StoreHandle Get() const { return handle_; }
    // Why the open failed (kErrNone when it did not).
    StoreError Error() const { return error_; }
    int Close() {
        int result = 0;
        if (handle_ != kNoHandle) result = StoreClose(handle_);
        handle_ = kNoHandle;
        return result;
    }

private:
    StoreHandle handle_ = kNoHandle;
    StoreError error_ = kErrNone;
};
