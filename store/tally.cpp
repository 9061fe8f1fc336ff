#include "store/tally.h"

#include <cstdio>

uint64_t StoreTally::Operations() const {
    return openAttempts + reads + writes + seeks + closes + renames + folderCreates;
}

StoreTally& Tally() {
    static StoreTally tally;
    return tally;
}

void ResetTally() { Tally() = StoreTally(); }

std::string FormatTally(const StoreTally& t) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "store: opens %llu (ok %llu, absent %llu, busy %llu, failed %llu), attempts %llu, "
                  "busy retries %llu\n"
                  "store: reads %llu (%llu bytes), writes %llu (%llu bytes), seeks %llu, closes %llu, "
                  "deletes %llu, renames %llu, folders created %llu\n",
                  (unsigned long long)t.Opens(), (unsigned long long)t.opensOk,
                  (unsigned long long)t.opensAbsent, (unsigned long long)t.opensBusy,
                  (unsigned long long)t.opensFailed, (unsigned long long)t.openAttempts,
                  (unsigned long long)t.busyRetries, (unsigned long long)t.reads,
                  (unsigned long long)t.bytesRead, (unsigned long long)t.writes,
                  (unsigned long long)t.bytesWritten, (unsigned long long)t.seeks,
                  (unsigned long long)t.closes, (unsigned long long)t.deletes,
                  (unsigned long long)t.renames, (unsigned long long)t.folderCreates);
    return text;
}
