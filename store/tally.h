// Process-wide count of this client's store file operations, so a benchmark or a test can say
// how many operations an action took. Pure logic: no windows.h.
#pragma once
#include <cstdint>
#include <string>

struct StoreTally {
    uint64_t openAttempts = 0;   // every call into the file system's open, retries included
    uint64_t opensOk = 0;        // opens that gave a handle (or, for exist/delete, succeeded)
    uint64_t opensAbsent = 0;    // failed with 2 or 3: no such file or folder
    uint64_t opensBusy = 0;      // still refused as in use after every attempt
    uint64_t opensFailed = 0;    // failed with any other code
    uint64_t busyRetries = 0;    // attempts repeated because another client held the file
    uint64_t reads = 0;
    uint64_t bytesRead = 0;
    uint64_t writes = 0;
    uint64_t bytesWritten = 0;
    uint64_t seeks = 0;
    uint64_t closes = 0;
    uint64_t deletes = 0;
    uint64_t renames = 0;
    uint64_t folderCreates = 0;

    uint64_t Opens() const { return opensOk + opensAbsent + opensBusy + opensFailed; }
    // Every call that reached the file system: opens, reads, writes, seeks, closes, renames.
    uint64_t Operations() const;
};

StoreTally& Tally();
void ResetTally();
// Two lines, "store: opens ..." and "store: reads ...", each ended by a newline.
std::string FormatTally(const StoreTally& t);
