// Broadcast lists: each user's named sets of colleagues, kept in the user's own folder and read
// by nobody else. grplst.mox lists them (list kind 5: the line is the list's name), grpnum.mox
// numbers them and grp<n>.lst holds the members of list n. Plain data in and out: the broadcast
// list dialogs, moxctl and the tests call these and show the messages they return. The lists
// are those of the context's acting user.
#pragma once
#include <string>
#include <vector>

#include "mail/mail_store.h"
#include "store/context.h"
#include "store/lists/list_kinds.h"
#include "store/result.h"
#include "users/registry_record.h"

extern const char kMsgNoListName[];    // "名前がありません"
extern const char kMsgListNotSaved[];  // the list or its members could not be written

// The lists as the broadcast list dialog shows them, newest first: each line is a list's name.
ListLoad LoadBroadcastLists(const StoreContext& store);
// Deletes the list shown at position of a view of lineCount lines, and its member file.
DeleteOutcome DeleteBroadcastList(const StoreContext& store, long lineCount, long position,
                                  const std::string* identity);
// The number of the list shown at position; 0 when it cannot be read.
int BroadcastListNumberAt(const StoreContext& store, long lineCount, long position);

// Not ok: nothing was written, and the editor stays open.
struct BroadcastListResult : StoreResult {
    int number = 0;  // the list's number
};
// Makes a new list: refused without members (kMsgNoRecipient) or without a name
// (kMsgNoListName). The members are written before the record, so a list that appears in the
// dialog always has its members; a list that cannot be written whole leaves nothing behind.
BroadcastListResult CreateBroadcastList(const StoreContext& store, const std::string& ownerName,
                                        const std::string& name, const std::vector<Party>& members,
                                        const BrokenDownTime& created);
// Replaces the members of list n; its record, name and member count stay. A list of nobody is
// refused (kMsgNoRecipient): such a list is deleted instead.
BroadcastListResult WriteBroadcastMembers(const StoreContext& store, int number,
                                          const std::vector<Party>& members);

// The members of list n, in their order.
struct BroadcastMembers : StoreResult {
    bool found = false;    // false: no member file (nothing to apply)
    bool damaged = false;  // the file ends in part of a record; the whole ones are listed
    std::vector<RegistryRecord> members;
};
BroadcastMembers ReadBroadcastMembers(const StoreContext& store, int number);
