#include "store/lists/list_file.h"

#include <algorithm>

namespace {

constexpr long kRecord = static_cast<long>(kListRecordSize);
// Records read per call when loading: a 10,000-line list takes three reads instead of
// 10,000 seeks and reads, and memory stays bounded for a list of any length.
constexpr long kLoadBlockRecords = 4096;

}  // namespace

ListLoad LoadListFile(const std::string& path, const ListLineBuilder& build) {
    ListLoad load;
    StoreFile file(path, kOpenRead);
    if (!file.IsOpen()) return load;
    long size = StoreSize(file.Get());
    if (size < 0 || size % kRecord != 0) {
        load.Fail(kMsgWrongFormat);
        return load;
    }
    std::string block;
    long end = size / kRecord;  // records not yet read lie before this index
    while (end > 0) {
        long first = std::max(0L, end - kLoadBlockRecords);
        block.resize(static_cast<size_t>((end - first) * kRecord));
        if (StoreSeek(file.Get(), first * kRecord, kSeekSet) != first * kRecord ||
            !StoreReadExactly(file.Get(), &block[0], block.size())) {
            load.Fail(kMsgReadFailed);
            return load;
        }
        const unsigned char* bytes = BytesOf(block);
        for (long i = end - 1; i >= first; --i) {
            const unsigned char* record = bytes + (i - first) * kRecord;
            ListLine line;
            if (!build(record, i, &line.text)) continue;
            line.index = i;
            line.identity = RecordIdentity(record);
            load.lines.push_back(std::move(line));
        }
        end = first;
    }
    return load;
}

bool AppendListRecord(const std::string& record, const std::string& path) {
    StoreFile file(StoreOpenAppend(path));
    return file.IsOpen() && StoreAppendWhole(file.Get(), record);
}

bool ReadListRecord(const std::string& path, long index, std::string* record) {
    StoreFile file(path, kOpenRead);
    if (!file.IsOpen() || index < 0) return false;
    record->assign(kListRecordSize, '\0');
    return StoreSeek(file.Get(), index * kRecord, kSeekSet) == index * kRecord &&
           StoreReadExactly(file.Get(), &(*record)[0], kListRecordSize);
}

bool FindListRecord(const std::string& path, long index, const std::string* identity,
                    std::string* record) {
    if (ReadListRecord(path, index, record) &&
        (!identity || RecordIdentity(BytesOf(*record)) == *identity))
        return true;
    if (!identity) return false;
    bool found = false;
    LoadListFile(path, [&](const unsigned char* r, long, std::string*) {
        if (!found && RecordIdentity(r) == *identity) {
            record->assign(reinterpret_cast<const char*>(r), kListRecordSize);
            found = true;
        }
        return false;
    });
    return found;
}

ListEdit::ListEdit(const std::string& path) : file_(path, kOpenReadWrite) {
    if (!file_.IsOpen()) return;
    long size = StoreSize(file_.Get());
    if (size < 0 || size % kRecord != 0) {
        message_ = kMsgWrongFormat;
        return;
    }
    bytes_.resize(static_cast<size_t>(size));
    if (size > 0 && !StoreReadExactly(file_.Get(), &bytes_[0], bytes_.size())) {
        message_ = kMsgReadFailed;
        return;
    }
    ready_ = true;
}

unsigned char* ListEdit::Record(long index) {
    return reinterpret_cast<unsigned char*>(&bytes_[0]) + index * kRecord;
}

std::string ListEdit::RecordBytes(long index) const {
    return bytes_.substr(static_cast<size_t>(index * kRecord), kListRecordSize);
}

long ListEdit::Find(const std::function<bool(const unsigned char* record)>& match) const {
    const unsigned char* bytes = BytesOf(bytes_);
    for (long i = 0; i < Count(); ++i)
        if (match(bytes + i * kRecord)) return i;
    return -1;
}

long ListEdit::Locate(long hint, const std::string& identity) const {
    const unsigned char* bytes = BytesOf(bytes_);
    if (hint >= 0 && hint < Count() && RecordIdentity(bytes + hint * kRecord) == identity) return hint;
    for (long i = Count() - 1; i >= 0; --i)
        if (RecordIdentity(bytes + i * kRecord) == identity) return i;
    return -1;
}

bool ListEdit::Rewrite(long index) {
    if (!ready_ || index < 0 || index >= Count()) return false;
    return StoreSeek(file_.Get(), index * kRecord, kSeekSet) == index * kRecord &&
           StoreWrite(file_.Get(), Record(index), kListRecordSize) == kRecord;
}

bool ListEdit::Remove(long index) {
    if (!ready_ || index < 0 || index >= Count()) return false;
    bytes_.erase(static_cast<size_t>(index * kRecord), kListRecordSize);
    long tail = static_cast<long>(bytes_.size()) - index * kRecord;
    if (StoreSeek(file_.Get(), index * kRecord, kSeekSet) != index * kRecord) return false;
    if (tail > 0 && StoreWrite(file_.Get(), bytes_.data() + index * kRecord,
                               static_cast<size_t>(tail)) != tail)
        return false;
    return StoreTruncateHere(file_.Get());
}
