#include "mail/phone_memo.h"

#include "store/names.h"
#include "store/store.h"

namespace {

// The record with this identity, newest first, from a whole read of the list; "" when none.
std::string FindByIdentity(const std::string& path, const std::string& identity) {
    std::string bytes;
    if (!ReadStoreFile(path, bytes) || bytes.size() % kListRecordSize != 0) return std::string();
    for (size_t at = bytes.size(); at >= kListRecordSize; at -= kListRecordSize) {
        const unsigned char* record =
            reinterpret_cast<const unsigned char*>(bytes.data()) + at - kListRecordSize;
        if (RecordIdentity(record) == identity)
            return bytes.substr(at - kListRecordSize, kListRecordSize);
    }
    return std::string();
}

}  // namespace

PhoneMemoShown ReadPhoneMemo(const StoreContext& store, const std::string& folder, long index,
                             const std::string* identity) {
    PhoneMemoShown shown;
    const std::string path = UserStorePath(store, folder, ListFileName(kListReceived));
    std::string bytes;
    if (!ReadListRecord(path, index, &bytes) ||
        (identity &&
         RecordIdentity(reinterpret_cast<const unsigned char*>(bytes.data())) != *identity))
        bytes = identity ? FindByIdentity(path, *identity) : std::string();
    if (bytes.size() != kListRecordSize) return shown;
    shown.record = DecodeMailRecord(bytes);
    if (shown.record.kind != kItemPhoneMemo) return shown;
    shown.found = true;
    shown.body = LoadItemBody(
        NumberedFileName(store, folder, shown.record.receivedNumber, kPrefixRcv, kExtTxt),
        shown.record.shiftFlag);
    return shown;
}
