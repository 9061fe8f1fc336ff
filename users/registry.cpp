#include "users/registry.h"

#include <cstdlib>
#include <cstring>

#include "store/sjis.h"
#include "store/store.h"
#include "users/import_list.h"
#include "users/password.h"

namespace {

const char kRegistryName[] = "regist.mox";
const char kNumberTableName[] = "count.mox";
const char kImportListName[] = "regist.txt";
const char kSignInMarker[] = "login.mox";
const char kPasswordName[] = "mox.mox";
constexpr size_t kNumberTableSize = 1000;

const char kMsgNoFreeNumber[] = "利用者番号に空きがありません。これ以上は登録できません。";
const char kMsgNumberTableBusy[] =
    "利用者番号ファイル(count.mox)を開けませんでした。しばらくしてからもう一度登録してください。";
const char kMsgListChanged[] = "利用者ファイルが更新されていました。";
const char kMsgListWriteFailed[] = "利用者ファイルの書き込みに失敗しました。";
const char kMsgRegistryWriteFailed[] = "利用者の登録(regist.mox)に失敗しました。";
const char kMsgMembersNotSaved[] = "regist error";

bool HasLoginName(const std::vector<RegistryRecord>& records, const std::string& loginName) {
    const std::string stored = CutSjis(loginName, kLoginNameMax);  // as the record would hold it
    for (const RegistryRecord& r : records)
        if (r.loginName == stored) return true;
    return false;
}

// A file in the acting user's folder.
std::string OwnPath(const StoreContext& store, const char* name) {
    return UserStorePath(store, store.UserFolder(), name);
}
std::string RegistryPath(const StoreContext& store) { return StorePath(store, kRegistryName); }

}  // namespace

const char kMsgMembersUnreadable[] = "表示一覧を読み込めません。表示一覧は変更されません。";
const char kMsgRegistryDamaged[] = "利用者ファイル(regist.mox)が壊れています。登録できません。";
const char kMsgLoginNameTaken[] = "ＬＯＧＩＮ名はすでに使われています";

RegistryRead ReadRegistry(const StoreContext& store) {
    RegistryRead read;
    const std::string path = RegistryPath(store);
    StoreFile file(path, kOpenRead);
    std::string bytes;
    if (!file.IsOpen() || !StoreReadToEnd(file.Get(), bytes)) {
        read.absent = file.Error() == kErrFileNotFound;
        read.Fail(path);
        return read;
    }
    read.records = DecodeRegistry(bytes);
    read.damaged = bytes.size() % kRegistryRecordSize != 0;
    return read;
}

RegistryMatch LookupUserName(const StoreContext& store, int number) {
    RegistryMatch match;
    RegistryRead registry = ReadRegistry(store);
    static_cast<StoreResult&>(match) = registry;
    for (const RegistryRecord& r : registry.records) {
        if (r.number == number) {
            match.record = r;
            match.found = true;
        }
    }
    return match;
}

RegistryMatch FindLoginName(const StoreContext& store, const std::string& loginName) {
    RegistryMatch match;
    // The users claimed from the import list have no login name: an empty entry would sign in
    // as one of them.
    if (loginName.empty()) return match;
    RegistryRead registry = ReadRegistry(store);
    static_cast<StoreResult&>(match) = registry;
    for (const RegistryRecord& r : registry.records) {
        if (r.loginName == loginName) {
            match.record = r;
            match.found = true;
        }
    }
    return match;
}

std::string ReadPassword(const StoreContext& store) {
    std::string bytes;
    if (!ReadStoreFile(OwnPath(store, kPasswordName), bytes)) return std::string();
    return DecodePasswordFile(bytes);
}

bool WritePassword(const StoreContext& store, const std::string& password, int dayOfYear) {
    return WriteStoreFile(OwnPath(store, kPasswordName), EncodePasswordFile(password, dayOfYear));
}

TakeNumberResult TakeUserNumber(const StoreContext& store) {
    TakeNumberResult result;
    // The registry has the last word on who has a number: a table that was cut short or emptied
    // must not hand a colleague's number, and with it his mailbox, to a newcomer.
    const std::vector<RegistryRecord> registered = ReadRegistry(store).records;
    // One exclusive open covers the read, the choice and the write-back, so two PCs can never
    // take the same number. A table held by another PC is retried, never recreated.
    StoreFile table(StorePath(store, kNumberTableName), kOpenAlways);
    if (!table.IsOpen()) {
        result.Fail(kMsgNumberTableBusy);
        return result;
    }
    std::string stored;
    StoreReadUpTo(table.Get(), stored, kNumberTableSize);
    unsigned char bytes[kNumberTableSize] = {0};
    std::memcpy(bytes, stored.data(), stored.size());
    for (const RegistryRecord& r : registered) {
        for (int n : {r.number, std::atoi(r.numberText.c_str())})
            if (n >= 1 && n <= kMaxUserNumber) bytes[n] = 1;
    }
    int number = 0;
    for (int i = 1; i <= kMaxUserNumber; ++i) {
        if (bytes[i] != 1) {
            number = i;
            break;
        }
    }
    if (number == 0) {
        result.Fail(kMsgNoFreeNumber);
        return result;
    }
    bytes[number] = 1;
    if (StoreSeek(table.Get(), 0, kSeekSet) != 0 ||
        StoreWrite(table.Get(), bytes, kNumberTableSize) != static_cast<long>(kNumberTableSize)) {
        result.Fail(kMsgNumberTableBusy);
        return result;
    }
    result.number = number;
    return result;
}

void ReleaseUserNumber(const StoreContext& store, int number) {
    if (number < 1 || number > kMaxUserNumber) return;
    StoreFile table(StorePath(store, kNumberTableName), kOpenReadWrite);
    if (!table.IsOpen()) return;
    unsigned char bytes[kNumberTableSize] = {0};
    if (StoreRead(table.Get(), bytes, kNumberTableSize) < 0) return;
    bytes[number] = 0;
    if (StoreSeek(table.Get(), 0, kSeekSet) == 0) StoreWrite(table.Get(), bytes, kNumberTableSize);
}

bool AppendRegistryRecord(const StoreContext& store, const RegistryRecord& record) {
    StoreFile registry(StoreOpenAppend(RegistryPath(store)));
    if (!registry.IsOpen()) return false;
    // Every record after a torn one would be misaligned for the whole office: nothing is added
    // behind one, and a write that falls short is cut off again.
    const long end = StoreSize(registry.Get());
    if (end < 0 || end % static_cast<long>(kRegistryRecordSize) != 0) return false;
    return StoreAppendWhole(registry.Get(), EncodeRegistryRecord(record));
}

namespace {

// Why nobody can be registered now (not ok, with the text to tell): a registry that ends in part
// of a record, or a login name that another record has (loginTaken).
RegisterResult RegistrationRefusal(const StoreContext& store, const std::string& loginName) {
    RegisterResult refusal;
    RegistryRead registry = ReadRegistry(store);
    if (registry.damaged) {
        refusal.Fail(kMsgRegistryDamaged);
    } else if (!loginName.empty() && HasLoginName(registry.records, loginName)) {
        refusal.loginTaken = true;
        refusal.Fail(kMsgLoginNameTaken);
    }
    return refusal;
}

}  // namespace

NameImportList LoadNameImportList(const StoreContext& store) {
    NameImportList list;
    list.present = ReadStoreFile(StorePath(store, kImportListName), list.loadedBytes);
    if (list.present) list.entries = ParseNameImportList(list.loadedBytes);
    return list;
}

RegisterResult RegisterNewUser(const StoreContext& store, const std::string& userName,
                               const std::string& loginName) {
    RegisterResult result = RegistrationRefusal(store, loginName);
    if (!result.ok) return result;
    TakeNumberResult taken = TakeUserNumber(store);
    if (taken.number == 0) {
        result.messages = taken.messages;
        result.Fail();
        return result;
    }
    if (!AppendRegistryRecord(store, MakeRegistryRecord(userName, taken.number, loginName))) {
        ReleaseUserNumber(store, taken.number);
        result.Fail(kMsgRegistryWriteFailed);
        return result;
    }
    MakeStoreFolder(StorePath(store, UserFolderName(taken.number)));
    result.number = taken.number;
    return result;
}

RegisterResult RegisterFromImportList(const StoreContext& store, const NameImportList& list,
                                      size_t chosen) {
    RegisterResult result;
    if (chosen >= list.entries.size()) {
        result.Fail();
        return result;
    }
    result = RegistrationRefusal(store, "");
    if (!result.ok) return result;
    TakeNumberResult taken = TakeUserNumber(store);
    if (taken.number == 0) {
        result.messages = taken.messages;
        result.Fail();
        return result;
    }
    // regist.txt stays open from the check to the rewrite, so no other PC can claim a name in
    // between: the name is ours only if the file still holds what the dialog showed.
    StoreFile file(StorePath(store, kImportListName), kOpenReadWrite);
    std::string now;
    bool readable = file.IsOpen() && StoreReadToEnd(file.Get(), now);
    if (!readable) {
        bool vanished = file.Error() == kErrFileNotFound || file.Error() == kErrPathNotFound;
        ReleaseUserNumber(store, taken.number);
        result.listChanged = file.IsOpen() ? false : vanished;
        result.Fail(result.listChanged ? kMsgListChanged : kMsgListWriteFailed);
        return result;
    }
    if (now != list.loadedBytes) {
        file.Close();
        ReleaseUserNumber(store, taken.number);
        result.listChanged = true;
        result.Fail(kMsgListChanged);
        return result;
    }
    if (!AppendRegistryRecord(store, MakeRegistryRecord(list.entries[chosen], taken.number, ""))) {
        file.Close();
        ReleaseUserNumber(store, taken.number);
        result.Fail(kMsgRegistryWriteFailed);
        return result;
    }
    std::vector<std::string> rest;
    for (size_t i = 0; i < list.entries.size(); ++i)
        if (i != chosen) rest.push_back(list.entries[i]);
    std::string bytes = FormatNameImportList(rest);
    bool written = StoreSeek(file.Get(), 0, kSeekSet) == 0 &&
                   (bytes.empty() || StoreWrite(file.Get(), bytes.data(), bytes.size()) ==
                                         static_cast<long>(bytes.size())) &&
                   StoreTruncateHere(file.Get());
    file.Close();
    MakeStoreFolder(StorePath(store, UserFolderName(taken.number)));
    result.number = taken.number;
    // The user is registered either way; a list that could not be rewritten still offers the
    // name to others, which the administrator must be told about.
    if (!written) result.Fail(kMsgListWriteFailed);
    return result;
}

bool MarkSignedIn(const StoreContext& store) {
    StoreFile marker(OwnPath(store, kSignInMarker), kOpenCreate);
    if (!marker.IsOpen()) return false;
    // Truncating an empty file need not touch its time, but the time is what tells colleagues
    // since when this user has been signed in.
    StoreStampWriteTime(marker.Get());
    return true;
}

bool MarkSignedOut(const StoreContext& store) { return StoreDelete(OwnPath(store, kSignInMarker)); }

bool IsSignedIn(const StoreContext& store, const std::string& numberText) {
    return StoreExists(UserStorePath(store, numberText, kSignInMarker)).Opened();
}

ConnectionList LoadConnectionList(const StoreContext& store) {
    ConnectionList list;
    RegistryRead registry = ReadRegistry(store);
    static_cast<StoreResult&>(list) = registry;
    for (const RegistryRecord& r : registry.records) {
        // Only tested, never created: the marker belongs to that user's own client.
        StoreFile marker(UserStorePath(store, r.numberText, kSignInMarker), kOpenRead);
        StoreLocalTime since;
        if (marker.IsOpen() && StoreWriteTimeLocal(marker.Get(), &since))
            list.lines.push_back(ConnectionListLine(r, since.month, since.day, since.hour, since.minute));
    }
    return list;
}

BoardMembers ReadBoardMembers(const StoreContext& store) {
    BoardMembers members;
    const std::string path = OwnPath(store, kRegistryName);
    std::string bytes;
    StoreFile own(path, kOpenRead);
    const bool read = own.IsOpen() && StoreReadToEnd(own.Get(), bytes);
    // A missing list is an empty one; any other failure leaves its members unknown.
    const bool absent = own.Error() == kErrFileNotFound || own.Error() == kErrPathNotFound;
    own.Close();
    if (read) {
        members.records = DecodeRegistry(bytes);
    } else if (!absent) {
        members.unreadable = true;
        members.Fail(path + "\n" + kMsgMembersUnreadable);
    }
    return members;
}

BoardMemberLists LoadBoardMemberLists(const StoreContext& store) {
    BoardMemberLists lists;
    RegistryRead registry = ReadRegistry(store);
    static_cast<StoreResult&>(lists) = registry;
    for (const RegistryRecord& r : registry.records) lists.allUsers.push_back(RegistryListLine(r));
    BoardMembers own = ReadBoardMembers(store);
    lists.membersUnreadable = own.unreadable;
    for (const std::string& text : own.messages) lists.Tell(text);
    for (const RegistryRecord& r : own.records) {
        std::string line = RegistryListLine(r);
        for (auto it = lists.allUsers.begin(); it != lists.allUsers.end(); ++it) {
            if (*it == line) {
                lists.allUsers.erase(it);
                break;
            }
        }
        lists.members.push_back(line);
    }
    return lists;
}

StoreResult SaveBoardMembers(const StoreContext& store, const std::vector<std::string>& memberLines) {
    StoreResult result;
    MakeStoreFolder(StorePath(store, store.UserFolder()));
    std::string bytes;
    for (const std::string& line : memberLines) {
        size_t tab = line.find('\t');
        RegistryRecord r;
        r.name = line.substr(0, tab);
        r.numberText = tab == std::string::npos ? std::string() : line.substr(tab + 1);
        r.number = std::atoi(r.numberText.c_str());
        bytes += EncodeRegistryRecord(r);
    }
    if (!WriteStoreFile(OwnPath(store, kRegistryName), bytes)) result.Fail(kMsgMembersNotSaved);
    return result;
}
