// List files: the 256-byte records of every list in the store, oldest first, read, appended to
// and rewritten by any client in the office. Each operation here is one exclusive open, so what
// it reads and what it writes back form one step that no other client can cut into.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "store/lists/list_record.h"
#include "store/message_sink.h"  // kMsgWrongFormat and kMsgReadFailed of the list operations
#include "store/result.h"
#include "store/store.h"

// One shown line and the record it stands for: the record's index in the file when the list
// was loaded and its identity bytes. Senders may remove records from a recipient's list (a
// retraction) while its window is open; the identity lets an action on a line find its record
// all the same.
struct ListLine {
    std::string text;
    long index = 0;
    std::string identity;
};

// The lines of a list; not ok after a format or read error, with its message.
struct ListLoad : StoreResult {
    std::vector<ListLine> lines;  // newest record first
};

// Builds the line of one raw record found at index in the file; false leaves the record out.
using ListLineBuilder =
    std::function<bool(const unsigned char* record, long index, std::string* line)>;

// Reads the list file at path and builds the lines from its last record to its first. A missing
// file is an empty list. A size that is not a multiple of 256 gives kMsgWrongFormat and no
// lines; a failed read gives kMsgReadFailed and the lines built until then.
ListLoad LoadListFile(const std::string& path, const ListLineBuilder& build);

// Appends one record, creating the list (and one missing folder level) on first use. A write
// that falls short is cut off again, so a full drive never leaves a torn record that would make
// the list unreadable for everyone. False when the list cannot be opened or written.
bool AppendListRecord(const std::string& record, const std::string& path);

// Reads the record at index; false when the list cannot be opened or holds no such record.
bool ReadListRecord(const std::string& path, long index, std::string* record);
// The record shown at index when the list was loaded. Another client may have removed a record
// above it since; then the identity bytes (when given) find it where it is now. False when it
// has gone.
bool FindListRecord(const std::string& path, long index, const std::string* identity,
                    std::string* record);

// A list held open exclusively for one read-modify-write: the whole file is read at once, a
// record is found, changed or removed, and the file is closed. Nothing else can come between.
class ListEdit {
public:
    // Opens the list for reading and writing and reads it whole.
    explicit ListEdit(const std::string& path);
    ListEdit(const ListEdit&) = delete;
    ListEdit& operator=(const ListEdit&) = delete;

    // Open, of whole records, and read: the list can be worked on.
    bool Ready() const { return ready_; }
    // Why not, for the user ("" when the list could not be opened at all).
    const std::string& Message() const { return message_; }

    long Count() const { return static_cast<long>(bytes_.size() / kListRecordSize); }
    unsigned char* Record(long index);
    // The record as a 256-byte string.
    std::string RecordBytes(long index) const;
    // The first record (from the start) for which match is true, or -1.
    long Find(const std::function<bool(const unsigned char* record)>& match) const;
    // The record at hint when it has this identity, else the newest record that has it; -1
    // when none has (the item has left the list).
    long Locate(long hint, const std::string& identity) const;

    // Writes the record at index back in place.
    bool Rewrite(long index);
    // Removes the record at index: the records after it move one place up and the file is cut
    // to its new length, within this same open.
    bool Remove(long index);

    void Close() { file_.Close(); }

private:
    StoreFile file_;
    std::string bytes_;
    bool ready_ = false;
    std::string message_;
};
