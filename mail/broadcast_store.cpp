#include "mail/broadcast_store.h"

#include "mail/broadcast_record.h"
#include "store/lists/list_file.h"
#include "store/names.h"
#include "store/sjis.h"
#include "store/store.h"

const char kMsgNoListName[] = "名前がありません";
const char kMsgListNotSaved[] = "同報リストを保存できませんでした";

namespace {

std::string MemberFilePath(const StoreContext& store, int number) {
    return NumberedFileName(store, store.UserFolder(), number, kPrefixGrp, kExtLst);
}

// The member file is rewritten whole: one registry record per member, the login name empty.
bool WriteMemberFile(const StoreContext& store, int number, const std::vector<Party>& members) {
    std::string bytes;
    for (const Party& m : members)
        bytes += EncodeRegistryRecord(MakeRegistryRecord(m.name, m.number, ""));
    return WriteStoreFile(MemberFilePath(store, number), bytes);
}

void AfterListRemoval(const StoreContext& store, int, const std::string&, const std::string& record,
                      DeleteOutcome&) {
    StoreDelete(MemberFilePath(store, DecodeBroadcastListRecord(BytesOf(record)).number));
}

ListLineBuilder NameLineBuilder(const StoreContext&, int, const std::string&) {
    return [](const unsigned char* record, long, std::string* line) {
        *line = DecodeBroadcastListRecord(record).name;
        return true;
    };
}

const ListKindHandlers& BroadcastListKind() {
    static const ListKindHandlers kind = [] {
        ListKindHandlers h;
        h.listKind = kListGroups;
        h.lineBuilder = NameLineBuilder;
        h.afterRemoval = AfterListRemoval;
        return h;
    }();
    return kind;
}

}  // namespace

ListLoad LoadBroadcastLists(const StoreContext& store) {
    return LoadList(store, BroadcastListKind(), store.UserFolder());
}

DeleteOutcome DeleteBroadcastList(const StoreContext& store, long lineCount, long position,
                                  const std::string* identity) {
    return DeleteListEntry(store, BroadcastListKind(), store.UserFolder(), lineCount, position,
                           identity);
}

int BroadcastListNumberAt(const StoreContext& store, long lineCount, long position) {
    return SelectedListNumber(store, BroadcastListKind(), store.UserFolder(), lineCount, position);
}

BroadcastListResult CreateBroadcastList(const StoreContext& store, const std::string& ownerName,
                                        const std::string& name, const std::vector<Party>& members,
                                        const BrokenDownTime& created) {
    BroadcastListResult result;
    if (members.empty()) {
        result.Fail(kMsgNoRecipient);
        return result;
    }
    if (name.empty()) {
        result.Fail(kMsgNoListName);
        return result;
    }
    const ItemNumber n = NextItemNumber(store, store.UserFolder(), kCounterGroup);
    if (!n.ok) {
        result.Fail(n.messages.empty() ? std::string(kMsgListNotSaved) : n.FirstMessage());
        return result;
    }
    BroadcastListRecord record;
    record.ownerNumber = store.user;
    record.ownerName = ownerName;
    record.number = n.number;
    record.created = created;
    record.name = CutSjis(name, kSubjectTextMax);
    record.memberCount = static_cast<int>(members.size());
    if (!WriteMemberFile(store, n.number, members) ||
        !AppendListRecord(EncodeBroadcastListRecord(record),
                          ListPath(store, BroadcastListKind(), store.UserFolder()))) {
        StoreDelete(MemberFilePath(store, n.number));
        result.Fail(kMsgListNotSaved);
        return result;
    }
    result.number = n.number;
    return result;
}

BroadcastListResult WriteBroadcastMembers(const StoreContext& store, int number,
                                          const std::vector<Party>& members) {
    BroadcastListResult result;
    result.number = number;
    if (members.empty()) result.Fail(kMsgNoRecipient);
    else if (!WriteMemberFile(store, number, members)) result.Fail(kMsgListNotSaved);
    return result;
}

BroadcastMembers ReadBroadcastMembers(const StoreContext& store, int number) {
    BroadcastMembers read;
    std::string bytes;
    read.found = ReadStoreFile(MemberFilePath(store, number), bytes);
    read.members = DecodeRegistry(bytes);
    read.damaged = bytes.size() % kRegistryRecordSize != 0;
    return read;
}
