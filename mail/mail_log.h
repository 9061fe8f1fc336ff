// The mail log: items of the own received or sent list, with their bodies, appended to a text
// file that the user picks, so that mail can be kept or printed outside the office's store. The
// file is only ever appended to, so one log collects exports over time. Plain data in and out:
// the list windows and moxctl show the messages.
#pragma once
#include <string>
#include <vector>

#include "mail/list_file.h"

extern const char kMsgLogExists[];       // "ファイルが存在します\n追加してもいいですか？"
extern const char kMsgLogNotWritten[];   // the log file could not be created or written

struct MailLogResult {
    int written = 0;                    // items whose separator and header went into the log
    std::vector<std::string> messages;  // what to tell the user, in order ("" never)
};

// Appends the items shown at these lines of the folder's list of the kind (kListReceived or
// kListSent), in the order given (the windows pass them oldest first): for each, a separator, its
// header and its whole body, plain even when confidential. The list is read once; a line is
// found by its record's identity, so items that left the list since it was shown are skipped.
// The log is created when it does not exist. A body larger than the log drive's free space is
// left out (its header stays) and reported with kMsgNoDiskSpace; the next item goes on.
MailLogResult AppendLogEntries(const std::string& folder, int listKind,
                               const std::vector<ListLine>& lines, const std::string& logPath);
