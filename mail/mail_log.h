// The mail log: items of the own received or sent list, with their bodies, appended to a text
// file that the user picks, so that mail can be kept or printed outside the office's store. The
// file is only ever appended to, so one log collects exports over time. Plain data in and out:
// the list windows and moxctl show the messages.
#pragma once
#include <string>
#include <vector>

#include "store/context.h"
#include "store/lists/list_file.h"
#include "store/result.h"

extern const char kMsgLogExists[];       // "ファイルが存在します\n追加してもいいですか？"
extern const char kMsgLogNotWritten[];   // the log file could not be created or written

// Not ok when the log or an item's body could not be written, or the list could not be read.
struct MailLogResult : StoreResult {
    int written = 0;  // items whose separator and header went into the log
};

// Appends the items shown at these lines of the acting user's list of the kind (kListReceived or
// kListSent), in the order given (the windows pass them oldest first): for each, a separator, its
// header and its whole body, plain even when confidential. The list is read once; a line is
// found by its record's identity, so items that left the list since it was shown are skipped.
// The log is created when it does not exist. A body larger than the log drive's free space is
// left out (its header stays) and reported with kMsgNoDiskSpace; the next item goes on.
MailLogResult AppendLogEntries(const StoreContext& store, int listKind,
                               const std::vector<ListLine>& lines, const std::string& logPath);
