#include "store/lists/list_kinds.h"

const char kMsgNotDeleted[] = "削除できませんでした";

std::string ListPath(const StoreContext& store, const ListKindHandlers& kind,
                     const std::string& folder) {
    if (!*ListFileName(kind.listKind)) return std::string();
    return UserStorePath(store, folder, ListFileName(kind.listKind));
}

ListLoad LoadList(const StoreContext& store, const ListKindHandlers& kind,
                  const std::string& folder) {
    if (!kind.lineBuilder) {
        ListLoad load;
        load.Fail(kMsgWrongFormat);
        return load;
    }
    return LoadListFile(ListPath(store, kind, folder), kind.lineBuilder(store, kind.listKind, folder));
}

DeleteOutcome DeleteListEntry(const StoreContext& store, const ListKindHandlers& kind,
                              const std::string& folder, long lineCount, long position,
                              const std::string* identity) {
    DeleteOutcome outcome;
    if (!kind.canDelete) {
        outcome.Fail(kMsgNotDeleted);
        return outcome;
    }
    std::string record;
    {
        ListEdit list(ListPath(store, kind, folder));
        if (!list.Ready()) {
            outcome.Fail(list.Message().empty() ? std::string(kMsgNotDeleted) : list.Message());
            return outcome;
        }
        long index = RecordIndexAt(lineCount, position);
        if (identity) index = list.Locate(index, *identity);
        // An entry that is no longer there (taken back by its sender, or already deleted) has
        // nothing left to delete.
        if (index < 0 || index >= list.Count()) return outcome;
        record = list.RecordBytes(index);
        if (!list.Remove(index)) {
            outcome.Fail(kMsgNotDeleted);
            return outcome;
        }
    }
    outcome.removed = true;
    if (kind.afterRemoval) kind.afterRemoval(store, kind.listKind, folder, record, outcome);
    return outcome;
}

std::vector<DeleteOutcome> DeleteSelectedEntries(const StoreContext& store,
                                                 const ListKindHandlers& kind,
                                                 const std::string& folder,
                                                 const std::vector<ListLine>& shown,
                                                 const std::vector<long>& selected) {
    std::vector<DeleteOutcome> outcomes;
    for (const DeletionStep& step : DeletionOrder(static_cast<long>(shown.size()), selected))
        outcomes.push_back(DeleteListEntry(store, kind, folder, step.lineCount, step.position,
                                           &shown[static_cast<size_t>(step.position)].identity));
    return outcomes;
}

int SelectedListNumber(const StoreContext& store, const ListKindHandlers& kind,
                       const std::string& folder, long lineCount, long position) {
    std::string record;
    if (!ReadListRecord(ListPath(store, kind, folder), RecordIndexAt(lineCount, position), &record))
        return 0;
    return GetInt16(BytesOf(record) + mail_field::kReceivedNumber);
}
