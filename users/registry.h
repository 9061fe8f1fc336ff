// The user registry and the sign-in records in the store: who is registered under which user
// number, who is running the program now, each user's password and board member list.
// Plain data in, plain data out: the dialogs and moxctl show what these return.
#pragma once
#include <string>
#include <vector>

#include "users/registry_record.h"

constexpr int kMaxUserNumber = 999;

// Every whole record of the user registry, read within one open. False when the registry
// cannot be opened (records is then empty). *damaged (when given) tells whether the registry
// ends in part of a record: nobody is registered into such a registry (kMsgRegistryDamaged).
bool ReadRegistry(std::vector<RegistryRecord>& records, bool* damaged = nullptr);
// Full store path of the user registry (shown when it cannot be opened).
std::string RegistryPath();

// Sets the local user name from the record with this number (the last match wins). True when
// one matched. An unreadable registry empties the name; no match leaves it unchanged.
bool LookupUserName(int number);
// Sets the local user's name, number and folder text from the last record with this login
// name (exact comparison). True when one matched. An empty login name matches nobody: the
// users claimed from the import list have none.
bool FindLoginName(const std::string& loginName);

// Reads the local user's password file into the local user's password (empty when missing).
void ReadPassword();
// Writes the local user's password with today's key. False when the file could not be
// written: the stored password is then still the old one.
bool WritePassword(int dayOfYear);

struct TakeNumberResult {
    int number = 0;       // 1..999, or 0 when none was taken
    std::string message;  // what to tell the user when none was taken ("" when silent)
};
// Takes the lowest free user number in count.mox within one exclusive open. A number that the
// user registry already holds is never free, whatever count.mox says (a table cut short or
// emptied): its byte is set again.
TakeNumberResult TakeUserNumber();
// Marks the number free again. A table that cannot be opened is left alone.
void ReleaseUserNumber(int number);

// Appends one 64-byte record to the user registry (created when absent). A registry that ends
// in part of a record is left alone (false), and a short write is cut off again, so that no
// record after it is ever misaligned.
bool AppendRegistryRecord(const RegistryRecord& record);

extern const char kMsgRegistryDamaged[];  // the registry ends in part of a record
extern const char kMsgLoginNameTaken[];   // self-registration with a login name already in use

// The name import list as loaded into the first-run dialog. The loaded bytes let the claim
// find out whether another PC claimed a name in the meantime.
struct NameImportList {
    std::vector<std::string> entries;
    bool present = false;
    std::string loadedBytes;
};
NameImportList LoadNameImportList();

struct RegisterResult {
    bool ok = false;
    int number = 0;
    bool listChanged = false;  // the import list changed meanwhile: reload it and ask again
    bool loginTaken = false;   // the login name is another user's: choose another one
    std::string message;       // what to tell the user on failure ("" when silent)
};
// Claims entries[chosen] of the loaded import list: takes a number, removes the name from
// regist.txt (only if nobody changed the file since it was loaded), appends the registry record
// and creates the user folder. On failure nothing is left behind except as the message says.
RegisterResult RegisterFromImportList(const NameImportList& list, size_t chosen);
// Registers a typed name and login name: takes a number, appends the registry record and
// creates the user folder. A non-empty login name that a record already has is refused
// (loginTaken, kMsgLoginNameTaken): the later record would take over that user's sign-in. The
// user name may repeat, and an empty login name (a user who never logs in by name) may too.
RegisterResult RegisterNewUser(const std::string& userName, const std::string& loginName);

// The sign-in marker login.mox of the local user: created at sign-in, deleted at sign-out.
bool MarkSignedIn();
bool MarkSignedOut();
// Is that user's program running (is there a login.mox in the user folder)?
bool IsSignedIn(const std::string& numberText);

// The lines ("name\tnumber") of the settings dialog's destination page: every registered user
// not on the local user's board member list, and the members in their order.
struct BoardMemberLists {
    std::vector<std::string> allUsers;
    std::vector<std::string> members;
    std::string message;  // the registry path when the registry cannot be opened
};
BoardMemberLists LoadBoardMemberLists();
// Rewrites the local user's board member list from member lines ("name\tnumber"). On failure
// the message is "regist error".
bool SaveBoardMembers(const std::vector<std::string>& memberLines, std::string* message);
