#include "mail/mail_log.h"

#include "mail/list_kinds.h"
#include "mail/mail_log_text.h"
#include "mail/mail_store.h"
#include "store/message_sink.h"
#include "store/names.h"
#include "store/store.h"

const char kMsgLogExists[] = "ファイルが存在します\n追加してもいいですか？";
const char kMsgLogNotWritten[] = "ログファイルに書き込めませんでした";

namespace {

constexpr size_t kRecord = kListRecordSize;

// The record that a shown line stands for: at its index when it is still there, else the newest
// record with its identity; -1 when it has left the list.
long FindShownRecord(const std::string& list, const ListLine& line) {
    const long count = static_cast<long>(list.size() / kRecord);
    auto at = [&](long i) { return reinterpret_cast<const unsigned char*>(list.data()) + i * kRecord; };
    if (line.index >= 0 && line.index < count && RecordIdentity(at(line.index)) == line.identity)
        return line.index;
    for (long i = count - 1; i >= 0; --i)
        if (RecordIdentity(at(i)) == line.identity) return i;
    return -1;
}

bool WriteAll(StoreHandle log, const std::string& bytes) {
    return StoreWrite(log, bytes.data(), bytes.size()) == static_cast<long>(bytes.size());
}

// The log, positioned at its end; created when it does not exist.
StoreHandle OpenLog(const std::string& path) {
    StoreHandle log = StoreOpen(path, kOpenWrite);
    if (log == kNoHandle && LastOpenError() == kErrFileNotFound) return StoreOpen(path, kOpenCreate);
    if (log != kNoHandle && StoreSeek(log, 0, kSeekEnd) < 0) {
        StoreClose(log);
        return kNoHandle;
    }
    return log;
}

}  // namespace

MailLogResult AppendLogEntries(const std::string& folder, int listKind,
                               const std::vector<ListLine>& lines, const std::string& logPath) {
    MailLogResult result;
    if (lines.empty()) return result;
    std::string list;
    if (!ReadStoreFile(ListPath(listKind, folder), list)) {
        // A list that has gone holds none of the items any more; one that cannot be read is told.
        if (LastOpenError() != kErrFileNotFound) result.messages.push_back(kMsgReadFailed);
        return result;
    }
    if (list.size() % kRecord != 0) {
        result.messages.push_back(kMsgWrongFormat);
        return result;
    }
    StoreFile log(OpenLog(logPath));
    if (!log.IsOpen()) {
        result.messages.push_back(kMsgLogNotWritten);
        return result;
    }
    const int prefix = listKind == kListSent ? kPrefixSnd : kPrefixRcv;
    bool spaceReported = false;
    for (const ListLine& line : lines) {
        long index = FindShownRecord(list, line);
        if (index < 0) continue;
        MailRecord record = DecodeMailRecord(list.substr(static_cast<size_t>(index) * kRecord, kRecord));
        if (!WriteAll(log.Get(), LogSeparator() + LogHeader(record, listKind))) {
            result.messages.push_back(kMsgLogNotWritten);
            return result;
        }
        ++result.written;
        int number = listKind == kListSent ? record.sentNumber : record.receivedNumber;
        ItemBody body = LoadItemBody(NumberedFileName(folder, number, prefix, kExtTxt), record.shiftFlag);
        if (!body.found) continue;  // an empty body has no file
        if (body.text.size() > DriveSpace(logPath.empty() ? '\0' : logPath[0], true)) {
            if (!spaceReported) result.messages.push_back(kMsgNoDiskSpace);
            spaceReported = true;
            continue;
        }
        if (!WriteAll(log.Get(), body.text + "\r\n")) {
            result.messages.push_back(kMsgLogNotWritten);
            return result;
        }
    }
    return result;
}
