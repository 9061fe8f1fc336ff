#include "mail/phone_memo.h"

#include "store/lists/list_file.h"
#include "store/names.h"
#include "store/store.h"

PhoneMemoShown ReadPhoneMemo(const StoreContext& store, const std::string& folder, long index,
                             const std::string* identity, int listKind) {
    PhoneMemoShown shown;
    const bool sent = listKind == kListSent;
    std::string bytes;
    if (!FindListRecord(UserStorePath(store, folder, ListFileName(sent ? kListSent : kListReceived)),
                        index, identity, &bytes))
        return shown;
    shown.record = DecodeMailRecord(bytes);
    if (shown.record.kind != kItemPhoneMemo) return shown;
    shown.found = true;
    // The received copy's body is named by the received number, the sender's by the sent one.
    shown.body = LoadItemBody(
        NumberedFileName(store, folder,
                         sent ? shown.record.sentNumber : shown.record.receivedNumber,
                         sent ? kPrefixSnd : kPrefixRcv, kExtTxt),
        shown.record.shiftFlag);
    return shown;
}
