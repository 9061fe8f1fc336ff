// The private memos of the acting user: memolst.mox, memonum.mox and the bodies mem<n>.txt in
// the own user folder. Plain data in and out: the memo window and the tests call these and show
// the messages they return. A memo shown in the list is named by its record index and identity
// (a ListLine's), which an update leaves as it is.
#pragma once
#include <string>

#include "memo/memo_record.h"
#include "store/lists/list_kinds.h"

extern const char kMsgMemoNotStored[];   // "メモを登録できませんでした": nothing of it stays
extern const char kMsgMemoNotUpdated[];  // the body could not be written

// The handlers of list kind 4 for the shared list operations: the memo lines, and after a
// removal the deletion of the body.
ListKindHandlers MemoListKind();

// The memo list lines, newest first.
ListLoad MemoLoadList(const StoreContext& store);

// A memo as the window shows it.
struct MemoContent {
    bool found = false;  // false: no such record (show nothing)
    MemoRecord record;
    std::string body;    // plain; empty when the memo has no body file
};
MemoContent MemoShow(const StoreContext& store, long index, const std::string* identity = nullptr);

// Not ok: nothing was stored, and the window keeps what was typed.
struct MemoResult : StoreResult {
    int number = 0;
};
// Stores a new memo written now: the number first, then the body, last its record, so that a
// record never names a body that is missing or belongs to another memo. An empty subject is
// refused with "表題がありません"; the subject is cut to 50 bytes.
MemoResult MemoCreate(const StoreContext& store, const std::string& writerName,
                      const std::string& subject, const std::string& body);

// Rewrites the subject and the update time of the memo in place, and its body unless body is
// empty (the stored body then stays). The record's place, number and creation time stay. A memo
// written plain gets the shifted form, its kept body included.
MemoResult MemoUpdate(const StoreContext& store, long index, const std::string* identity,
                      const std::string& subject, const std::string& body);

// Deletes the memo shown at position of a view of lineCount lines: its record and its body.
DeleteOutcome MemoDelete(const StoreContext& store, long lineCount, long position,
                         const std::string* identity = nullptr);
