#include "mail/mail_item.h"

#include "store/lists/list_file.h"
#include "store/names.h"
#include "store/store.h"

bool FindOwnMailRecord(const StoreContext& store, int listKind, long index,
                       const std::string* identity, MailRecord* record) {
    std::string bytes;
    if (!FindListRecord(UserStorePath(store, store.UserFolder(), ListFileName(listKind)), index,
                        identity, &bytes))
        return false;
    *record = DecodeMailRecord(bytes);
    return true;
}

MailItemShown ReadMailItem(const StoreContext& store, int listKind, long index,
                           const std::string* identity) {
    MailItemShown shown;
    const std::string folder = store.UserFolder();
    if (!FindOwnMailRecord(store, listKind, index, identity, &shown.record)) return shown;
    shown.found = true;
    const bool sent = listKind == kListSent;
    const int number = sent ? shown.record.sentNumber : shown.record.receivedNumber;
    shown.body = LoadItemBody(
        NumberedFileName(store, folder, number, sent ? kPrefixSnd : kPrefixRcv, kExtTxt),
        shown.record.shiftFlag);
    const std::string list =
        NumberedFileName(store, folder, number, sent ? kPrefixSfl : kPrefixFil, kExtLst);
    shown.hasAttachmentList = StoreExists(list).Opened();
    if (shown.hasAttachmentList) shown.attachments = LoadAttachmentList(list);
    return shown;
}

std::string OwnStoredCopy(const StoreContext& store, const AttachmentRecord& attachment) {
    return UserStorePath(store, store.UserFolder(), PathFileName(attachment.storedPath));
}
