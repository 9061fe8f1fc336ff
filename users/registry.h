// The user registry and the sign-in records in the store: who is registered under which user
// number, who is running the program now, each user's password and board member list.
// Plain data in, plain data out: the dialogs and moxctl show what these return. "Own" files are
// those of the context's acting user.
#pragma once
#include <string>
#include <vector>

#include "store/context.h"
#include "store/result.h"
#include "users/registry_record.h"

constexpr int kMaxUserNumber = 999;

// Every whole record of the user registry, read within one open. Not ok when the registry
// cannot be opened or read (records is then empty); the message is its full path.
struct RegistryRead : StoreResult {
    std::vector<RegistryRecord> records;
    bool absent = false;   // there is no registry: nobody has registered yet
    bool damaged = false;  // it ends in part of a record: nobody is registered into it
                           // (kMsgRegistryDamaged)
};
RegistryRead ReadRegistry(const StoreContext& store);

// The last record of the registry that matches; not ok when the registry cannot be read.
struct RegistryMatch : StoreResult {
    bool found = false;
    RegistryRecord record;
};
// The record with this user number (the last match wins).
RegistryMatch LookupUserName(const StoreContext& store, int number);
// The record with this login name (exact comparison; the last match wins). An empty login name
// matches nobody: the users claimed from the import list have none.
RegistryMatch FindLoginName(const StoreContext& store, const std::string& loginName);

// The acting user's password (empty when there is no password file).
std::string ReadPassword(const StoreContext& store);
// Writes the acting user's password with the key of this day of the year. False when the file
// could not be written: the stored password is then still the old one.
bool WritePassword(const StoreContext& store, const std::string& password, int dayOfYear);

// Not ok when no number was taken, with what to tell the user.
struct TakeNumberResult : StoreResult {
    int number = 0;  // 1..999, or 0 when none was taken
};
// Takes the lowest free user number in count.mox within one exclusive open. A number that the
// user registry already holds is never free, whatever count.mox says (a table cut short or
// emptied): its byte is set again.
TakeNumberResult TakeUserNumber(const StoreContext& store);
// Marks the number free again. A table that cannot be opened is left alone.
void ReleaseUserNumber(const StoreContext& store, int number);

// Appends one 64-byte record to the user registry (created when absent). A registry that ends
// in part of a record is left alone (false), and a short write is cut off again, so that no
// record after it is ever misaligned.
bool AppendRegistryRecord(const StoreContext& store, const RegistryRecord& record);

extern const char kMsgMembersUnreadable[];  // the own board member list could not be read
extern const char kMsgRegistryDamaged[];  // the registry ends in part of a record
extern const char kMsgLoginNameTaken[];   // self-registration with a login name already in use

// The name import list as loaded into the first-run dialog. The loaded bytes let the claim
// find out whether another PC claimed a name in the meantime.
struct NameImportList {
    std::vector<std::string> entries;
    bool present = false;
    std::string loadedBytes;
};
NameImportList LoadNameImportList(const StoreContext& store);

// Not ok when nobody was registered; a registration may still have something to tell.
struct RegisterResult : StoreResult {
    int number = 0;
    bool listChanged = false;  // the import list changed meanwhile: reload it and ask again
    bool loginTaken = false;   // the login name is another user's: choose another one
};
// Claims entries[chosen] of the loaded import list: takes a number, removes the name from
// regist.txt (only if nobody changed the file since it was loaded), appends the registry record
// and creates the user folder. On failure nothing is left behind except as the message says.
RegisterResult RegisterFromImportList(const StoreContext& store, const NameImportList& list,
                                      size_t chosen);
// Registers a typed name and login name: takes a number, appends the registry record and
// creates the user folder. A non-empty login name that a record already has is refused
// (loginTaken, kMsgLoginNameTaken): the later record would take over that user's sign-in. The
// user name may repeat, and an empty login name (a user who never logs in by name) may too.
RegisterResult RegisterNewUser(const StoreContext& store, const std::string& userName,
                               const std::string& loginName);

// The sign-in marker login.mox of the acting user: created at sign-in, deleted at sign-out.
bool MarkSignedIn(const StoreContext& store);
bool MarkSignedOut(const StoreContext& store);
// Is that user's program running (is there a login.mox in the user folder)?
bool IsSignedIn(const StoreContext& store, const std::string& numberText);

// Who is running the program now and since when: one ConnectionListLine per registry record, in
// file order, whose user folder holds login.mox, with the marker's last-write time. Not ok, with
// the registry's path as message, when the registry cannot be read.
struct ConnectionList : StoreResult {
    std::vector<std::string> lines;
};
ConnectionList LoadConnectionList(const StoreContext& store);

// The acting user's board member list (regist.mox in the user folder), in board order; a
// missing list is empty. One that exists but cannot be opened or read (another client holds it,
// a read fails) is not ok and unreadable, with its path and kMsgMembersUnreadable.
struct BoardMembers : StoreResult {
    std::vector<RegistryRecord> records;
    bool unreadable = false;
};
BoardMembers ReadBoardMembers(const StoreContext& store);

// The lines ("name\tnumber") of the settings dialog's destination page: every registered user
// not on the acting user's board member list, and the members in their order.
// Not ok, with the registry path as message, when the registry cannot be opened.
// A member list that cannot be read (ReadBoardMembers) is told and marked: saving the empty
// list in its place would lose the members.
struct BoardMemberLists : StoreResult {
    std::vector<std::string> allUsers;
    std::vector<std::string> members;
    bool membersUnreadable = false;
};
BoardMemberLists LoadBoardMemberLists(const StoreContext& store);
// Rewrites the acting user's board member list from member lines ("name\tnumber"). On failure
// the message is "regist error".
StoreResult SaveBoardMembers(const StoreContext& store, const std::vector<std::string>& memberLines);
