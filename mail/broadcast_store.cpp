#include "mail/broadcast_store.h"

#include <cstdlib>

#include "mail/broadcast_record.h"
#include "store/names.h"
#include "store/sjis.h"
#include "store/store.h"

const char kMsgNoListName[] = "名前がありません";
const char kMsgListNotSaved[] = "同報リストを保存できませんでした";

namespace {

std::string MemberFilePath(const std::string& folder, int number) {
    return NumberedFileName(folder, number, kPrefixGrp, kExtLst);
}

// The member file is rewritten whole: one registry record per member, the login name empty.
bool WriteMembers(const std::string& folder, int number, const std::vector<Party>& members) {
    std::string bytes;
    for (const Party& m : members) bytes += EncodeRegistryRecord(MakeRegistryRecord(m.name, m.number, ""));
    return WriteStoreFile(MemberFilePath(folder, number), bytes);
}

void AfterListRemoval(int, const std::string& folder, const std::string& record, DeleteOutcome&) {
    StoreDelete(MemberFilePath(folder, DecodeBroadcastListRecord(
        reinterpret_cast<const unsigned char*>(record.data())).number));
}

ListLineBuilder NameLineBuilder(int, const std::string&) {
    return [](const unsigned char* record, long, std::string* line) {
        *line = DecodeBroadcastListRecord(record).name;
        return true;
    };
}

void EnsureBroadcastListKind() {
    static const bool registered = [] {
        ListKindHandlers h;
        h.lineBuilder = NameLineBuilder;
        h.afterRemoval = AfterListRemoval;
        RegisterListKind(kListGroups, h);
        return true;
    }();
    (void)registered;
}

}  // namespace

ListLoad LoadBroadcastLists(int owner) {
    EnsureBroadcastListKind();
    return LoadList(UserFolderName(owner), kListGroups);
}

DeleteOutcome DeleteBroadcastList(int owner, long lineCount, long position,
                                  const std::string* identity) {
    EnsureBroadcastListKind();
    return DeleteListEntry(kListGroups, UserFolderName(owner), lineCount, position, identity);
}

int BroadcastListNumberAt(int owner, long lineCount, long position) {
    return SelectedListNumber(kListGroups, UserFolderName(owner), lineCount, position);
}

BroadcastListResult CreateBroadcastList(const Party& owner, const std::string& name,
                                        const std::vector<Party>& members,
                                        const BrokenDownTime& created) {
    BroadcastListResult result;
    if (members.empty()) {
        result.message = kMsgNoRecipient;
        return result;
    }
    if (name.empty()) {
        result.message = kMsgNoListName;
        return result;
    }
    const std::string own = UserFolderName(owner.number);
    std::string noNumber;
    const int n = NextItemNumber(own, kCounterGroup, &noNumber);
    if (n == 0) {
        result.message = noNumber.empty() ? std::string(kMsgListNotSaved) : noNumber;
        return result;
    }
    BroadcastListRecord record;
    record.ownerNumber = owner.number;
    record.ownerName = owner.name;
    record.number = n;
    record.created = created;
    record.name = CutSjis(name, kSubjectTextMax);
    record.memberCount = static_cast<int>(members.size());
    if (!WriteMembers(own, n, members) ||
        !AppendListRecord(EncodeBroadcastListRecord(record), ListPath(kListGroups, own))) {
        StoreDelete(MemberFilePath(own, n));
        result.message = kMsgListNotSaved;
        return result;
    }
    result.ok = true;
    result.number = n;
    return result;
}

BroadcastListResult UpdateBroadcastMembers(int owner, int number, const std::vector<Party>& members) {
    BroadcastListResult result;
    result.number = number;
    if (members.empty()) {
        result.message = kMsgNoRecipient;
        return result;
    }
    if (!WriteMembers(UserFolderName(owner), number, members)) {
        result.message = kMsgListNotSaved;
        return result;
    }
    result.ok = true;
    return result;
}

BroadcastMembers ReadBroadcastMembers(int owner, int number) {
    BroadcastMembers read;
    std::string bytes;
    read.found = ReadStoreFile(MemberFilePath(UserFolderName(owner), number), bytes);
    read.members = DecodeRegistry(bytes);
    read.damaged = bytes.size() % kRegistryRecordSize != 0;
    return read;
}
