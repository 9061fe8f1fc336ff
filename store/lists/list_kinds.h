// The list operations that the list windows of several subsystems share: loading a list as
// lines, deleting entries with the follow-up work of their kind, and reading the number of a
// shown entry. The subsystem that owns a list kind hands in its line builder and its follow-up
// with every call. Plain data in and out: the windows show the lines and the messages.
#pragma once
#include <string>
#include <vector>

#include "store/lists/list_file.h"
#include "store/lists/list_view.h"

// What a sender needs to take back the recipient's copy of a sent item.
struct RetractionTicket {
    int recipient = 0;       // the recipient's user number
    int receivedNumber = 0;  // r: names the recipient's record, body and attachment list
    int sentNumber = 0;      // s: with the sender's number, tells the record from an older one
};

// What deleting one entry did; not ok when the list could not be rewritten.
struct DeleteOutcome : StoreResult {
    bool removed = false;   // a record left the list (the follow-up work ran)
    // A sent copy that its recipient had not opened: the caller asks
    // kMsgAskRetract and, on Yes, calls RetractReceivedCopy with this ticket.
    bool canRetract = false;
    RetractionTicket retraction;
};

extern const char kMsgNotDeleted[];  // the list could not be rewritten

// What a list kind brings to the shared operations.
struct ListKindHandlers {
    int listKind = 0;  // which list: names the list file in the folder (ListFileName)
    // Prepares the builder for one load of the folder's list; it may read what it needs first
    // (a board reads the user's read marks).
    ListLineBuilder (*lineBuilder)(const StoreContext& store, int listKind,
                                   const std::string& folder) = nullptr;
    // The work after a record has left the folder's list: its body, attachments, the twin in
    // another user's list. May be null when there is none.
    void (*afterRemoval)(const StoreContext& store, int listKind, const std::string& folder,
                         const std::string& record, DeleteOutcome& outcome) = nullptr;
    // False for a view that leaves records out: its positions name no records to delete.
    bool canDelete = true;
};
// The list file of a kind in a folder (a user folder, or a board folder for posts).
std::string ListPath(const StoreContext& store, const ListKindHandlers& kind,
                     const std::string& folder);

// The lines of the folder's list of the kind, newest first.
ListLoad LoadList(const StoreContext& store, const ListKindHandlers& kind,
                  const std::string& folder);

// Removes the record shown at position of a view of lineCount lines from the folder's list, with
// the follow-up work of its kind. When identity is given (the loaded line's), the record is
// found by it even when other records have left the list since it was loaded; an entry that
// has gone meanwhile removes nothing.
DeleteOutcome DeleteListEntry(const StoreContext& store, const ListKindHandlers& kind,
                              const std::string& folder, long lineCount, long position,
                              const std::string* identity = nullptr);
// Deletes the selected lines of a multiple-selection view, walking from the last line down.
std::vector<DeleteOutcome> DeleteSelectedEntries(const StoreContext& store,
                                                 const ListKindHandlers& kind,
                                                 const std::string& folder,
                                                 const std::vector<ListLine>& shown,
                                                 const std::vector<long>& selected);
// The number at offset 38 of the record shown at position; 0 when the list cannot be opened
// or holds no such record.
int SelectedListNumber(const StoreContext& store, const ListKindHandlers& kind,
                       const std::string& folder, long lineCount, long position);
