#include "mail/list_kinds.h"

#include <map>

#include "mail/mail_store.h"

const char kMsgNotDeleted[] = "削除できませんでした";

namespace {

std::map<int, ListKindHandlers>& Kinds() {
    static std::map<int, ListKindHandlers> kinds = {
        {kListReceived, MailListKindHandlers(kListReceived)},
        {kListSent, MailListKindHandlers(kListSent)},
        {kListPhoneMemos, MailListKindHandlers(kListPhoneMemos)},
    };
    return kinds;
}

const ListKindHandlers* HandlersOf(int listKind) {
    auto it = Kinds().find(listKind);
    return it == Kinds().end() ? nullptr : &it->second;
}

}  // namespace

void RegisterListKind(int listKind, const ListKindHandlers& handlers) {
    Kinds()[listKind] = handlers;
}

std::string ListPath(int listKind, const std::string& folder) {
    const ListKindHandlers* h = HandlersOf(listKind);
    if (h && h->listPath) return h->listPath(listKind, folder);
    if (!*ListFileName(listKind)) return std::string();
    return UserStorePath(folder, ListFileName(listKind));
}

ListLoad LoadList(const std::string& folder, int listKind) {
    const ListKindHandlers* h = HandlersOf(listKind);
    if (!h || !h->lineBuilder) {
        ListLoad load;
        load.ok = false;
        load.message = kMsgWrongFormat;
        return load;
    }
    return LoadListFile(ListPath(listKind, folder), h->lineBuilder(listKind, folder));
}

DeleteOutcome DeleteListEntry(int listKind, const std::string& folder, long lineCount,
                              long position, const std::string* identity) {
    DeleteOutcome outcome;
    const ListKindHandlers* h = HandlersOf(listKind);
    if (!h || !h->canDelete) {
        outcome.message = kMsgNotDeleted;
        return outcome;
    }
    std::string record;
    {
        ListEdit list(ListPath(listKind, folder));
        if (!list.Ready()) {
            outcome.message = list.Message().empty() ? std::string(kMsgNotDeleted) : list.Message();
            return outcome;
        }
        long index = RecordIndexAt(lineCount, position);
        if (identity) index = list.Locate(index, *identity);
        // An entry that is no longer there (taken back by its sender, or already deleted) has
        // nothing left to delete.
        if (index < 0 || index >= list.Count()) return outcome;
        record = list.RecordBytes(index);
        if (!list.Remove(index)) {
            outcome.message = kMsgNotDeleted;
            return outcome;
        }
    }
    outcome.removed = true;
    if (h->afterRemoval) h->afterRemoval(listKind, folder, record, outcome);
    return outcome;
}

std::vector<DeleteOutcome> DeleteSelectedEntries(int listKind, const std::string& folder,
                                                 const std::vector<ListLine>& shown,
                                                 const std::vector<long>& selected) {
    std::vector<DeleteOutcome> outcomes;
    for (const DeletionStep& step : DeletionOrder(static_cast<long>(shown.size()), selected))
        outcomes.push_back(DeleteListEntry(listKind, folder, step.lineCount, step.position,
                                           &shown[static_cast<size_t>(step.position)].identity));
    return outcomes;
}

int SelectedListNumber(int listKind, const std::string& folder, long lineCount, long position) {
    std::string record;
    if (!ReadListRecord(ListPath(listKind, folder), RecordIndexAt(lineCount, position), &record))
        return 0;
    return GetInt16(BytesOf(record) + mail_field::kReceivedNumber);
}
