#include "memo/memo_store.h"

#include <cstring>

#include "mail/mail_store.h"
#include "store/names.h"
#include "store/sjis.h"
#include "store/store.h"

const char kMsgMemoNotStored[] = "メモを登録できませんでした";
const char kMsgMemoNotUpdated[] = "メモを更新できませんでした";

namespace mf = memo_field;

namespace {

constexpr int kMaxMemoNumber = 9999;

std::string MemoListPath(const StoreContext& store) {
    return UserStorePath(store, store.UserFolder(), ListFileName(kListMemos));
}
std::string BodyPath(const StoreContext& store, int number) {
    return NumberedFileName(store, store.UserFolder(), number, kPrefixMem, kExtTxt);
}

// Only the bodies that memo numbers can name are ever deleted: a damaged record must not take
// another file of the folder with it.
void AfterMemoRemoval(const StoreContext& store, int, const std::string&, const std::string& record,
                      DeleteOutcome&) {
    const int number = GetInt16(BytesOf(record) + mf::kNumber);
    if (number >= 1 && number <= kMaxMemoNumber) StoreDelete(BodyPath(store, number));
}

ListLineBuilder MemoLineBuilder(const StoreContext&, int, const std::string&) {
    return [](const unsigned char* record, long, std::string* line) {
        *line = MemoListLine(DecodeMemoRecord(record));
        return true;
    };
}

// The record at index, or, when identity is given and another record stands there now, the one
// that has it.
bool FindMemo(const StoreContext& store, long index, const std::string* identity,
              std::string* record) {
    return FindListRecord(MemoListPath(store), index, identity, record);
}

}  // namespace

ListKindHandlers MemoListKind() {
    ListKindHandlers h;
    h.listKind = kListMemos;
    h.lineBuilder = MemoLineBuilder;
    h.afterRemoval = AfterMemoRemoval;
    return h;
}

ListLoad MemoLoadList(const StoreContext& store) {
    return LoadList(store, MemoListKind(), store.UserFolder());
}

MemoContent MemoShow(const StoreContext& store, long index, const std::string* identity) {
    MemoContent memo;
    std::string record;
    if (!FindMemo(store, index, identity, &record)) return memo;
    memo.found = true;
    memo.record = DecodeMemoRecord(BytesOf(record));
    memo.body = LoadItemBody(BodyPath(store, memo.record.number), memo.record.shiftFlag).text;
    return memo;
}

MemoResult MemoCreate(const StoreContext& store, const std::string& writerName,
                      const std::string& subject, const std::string& body) {
    MemoResult result;
    MemoRecord memo;
    memo.createdTime = LocalTimeNow();
    memo.subject = CutSjis(subject, kSubjectTextMax);
    if (memo.subject.empty()) {
        result.Fail(kMsgNoSubject);
        return result;
    }
    // Without a number there is no body file of its own to write: mem0000.txt would be
    // overwritten by the next memo that gets none.
    ItemNumber taken = NextItemNumber(store, store.UserFolder(), kCounterMemo);
    if (taken.number == 0) {
        result.messages = taken.messages;
        result.Fail(kMsgMemoNotStored);
        return result;
    }
    const int n = taken.number;
    memo.shiftFlag = kShiftOrdinary;
    memo.writerNumber = store.user;
    memo.writerName = writerName;
    memo.number = n;
    if (!body.empty() && !WriteItemBody(store, store.UserFolder(), body, n, kPrefixMem, kShiftOrdinary)) {
        StoreDelete(BodyPath(store, n));
        result.Fail(kMsgMemoNotStored);
        return result;
    }
    if (!AppendListRecord(EncodeMemoRecord(memo), MemoListPath(store))) {
        StoreDelete(BodyPath(store, n));
        result.Fail(kMsgMemoNotStored);
        return result;
    }
    result.number = n;
    return result;
}

MemoResult MemoUpdate(const StoreContext& store, long index, const std::string* identity,
                      const std::string& subject, const std::string& body) {
    MemoResult result;
    const BrokenDownTime now = LocalTimeNow();
    // The list stays held while the body is written, so the record and its body change as one.
    ListEdit list(MemoListPath(store));
    const long at = !list.Ready() ? -1 : identity ? list.Locate(index, *identity) : index;
    if (at < 0 || at >= list.Count()) {
        result.Fail(list.Message());
        return result;
    }
    unsigned char* record = list.Record(at);
    const int n = GetInt16(record + mf::kNumber);
    const bool wasPlain = !IsBodyShifted(record[mf::kShiftFlag]);
    // A body kept from a memo written plain is shifted now, or it would read as garbage under
    // the record's new flag.
    std::string kept;
    const bool keepsPlainBody = body.empty() && wasPlain && ReadStoreFile(BodyPath(store, n), kept);
    bool bodyWritten = true;
    if (!body.empty())
        bodyWritten = WriteItemBody(store, store.UserFolder(), body, n, kPrefixMem, kShiftOrdinary);
    else if (keepsPlainBody)
        bodyWritten = WriteItemBody(store, store.UserFolder(), kept, n, kPrefixMem, kShiftOrdinary);
    if (!bodyWritten) {
        if (keepsPlainBody) WriteStoreFile(BodyPath(store, n), kept);
        result.Fail(kMsgMemoNotUpdated);
        return result;
    }
    // The subject is written anew, so any flag becomes 2: subject and body shifted.
    record[mf::kShiftFlag] = kShiftOrdinary;
    EncodeBrokenDownTime(now, record + mf::kUpdatedTime);
    std::memset(record + mf::kSubject, 0, mf::kSubjectWidth);
    PutFieldText(record + mf::kSubject, kSubjectTextMax, subject);
    ShiftText(reinterpret_cast<char*>(record + mf::kSubject), +1);
    if (!list.Rewrite(at)) {
        // The record keeps its old flag: a kept body goes back to the form it names.
        if (keepsPlainBody) WriteStoreFile(BodyPath(store, n), kept);
        result.Fail(kMsgMemoNotUpdated);
        return result;
    }
    result.number = n;
    return result;
}

DeleteOutcome MemoDelete(const StoreContext& store, long lineCount, long position,
                         const std::string* identity) {
    return DeleteListEntry(store, MemoListKind(), store.UserFolder(), lineCount, position, identity);
}
