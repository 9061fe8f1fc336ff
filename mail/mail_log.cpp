#include "mail/mail_log.h"

#include "mail/mail_log_text.h"
#include "mail/mail_store.h"
#include "store/lists/list_view.h"
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

// The log, positioned at its end; created when it does not exist.
OpenResult OpenLog(const std::string& path) {
    OpenResult log = StoreOpen(path, kOpenWrite);
    if (log.error == kErrFileNotFound) return StoreOpen(path, kOpenCreate);
    if (log.Opened() && StoreSeek(log.handle, 0, kSeekEnd) < 0) {
        StoreClose(log.handle);
        return OpenResult{kNoHandle, kErrGeneralFailure};
    }
    return log;
}

}  // namespace

MailLogResult AppendLogEntries(const StoreContext& store, int listKind,
                               const std::vector<ListLine>& lines, const std::string& logPath) {
    MailLogResult result;
    if (lines.empty()) return result;
    const std::string folder = store.UserFolder();
    std::string list;
    {
        StoreFile file(UserStorePath(store, folder, ListFileName(listKind)), kOpenRead);
        // A list that has gone holds none of the items any more; one that cannot be read is told.
        if (!file.IsOpen()) {
            if (file.Error() != kErrFileNotFound) result.Fail(kMsgReadFailed);
            return result;
        }
        if (!StoreReadToEnd(file.Get(), list)) {
            result.Fail(kMsgReadFailed);
            return result;
        }
    }
    if (list.size() % kRecord != 0) {
        result.Fail(kMsgWrongFormat);
        return result;
    }
    StoreFile log(OpenLog(logPath));
    if (!log.IsOpen()) {
        result.Fail(kMsgLogNotWritten);
        return result;
    }
    const int prefix = listKind == kListSent ? kPrefixSnd : kPrefixRcv;
    bool spaceReported = false;
    for (const ListLine& line : lines) {
        long index = FindShownRecord(list, line);
        if (index < 0) continue;
        MailRecord record = DecodeMailRecord(list.substr(static_cast<size_t>(index) * kRecord, kRecord));
        // Each piece goes in whole or not at all: a full drive leaves no torn line in the log.
        if (!StoreAppendWhole(log.Get(), LogSeparator() + LogHeader(record, listKind))) {
            result.Fail(kMsgLogNotWritten);
            return result;
        }
        ++result.written;
        int number = listKind == kListSent ? record.sentNumber : record.receivedNumber;
        ItemBody body = LoadItemBody(NumberedFileName(store, folder, number, prefix, kExtTxt),
                                     record.shiftFlag);
        if (!body.found) continue;  // an empty body has no file
        if (body.text.size() > DriveSpace(logPath.empty() ? '\0' : logPath[0], true)) {
            if (!spaceReported) result.Fail(kMsgNoDiskSpace);
            spaceReported = true;
            continue;
        }
        if (!StoreAppendWhole(log.Get(), body.text + "\r\n")) {
            result.Fail(kMsgLogNotWritten);
            return result;
        }
    }
    return result;
}
