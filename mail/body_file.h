// A text file of the user's PC read into the body of a mail (読込み). Plain data out: the mail
// dialog inserts the text or shows the message.
#pragma once
#include <string>

#include "store/result.h"

// Not ok: nothing to insert (kMsgFileTooLarge or kMsgReadFailed; no message when the file could
// not be opened at all).
struct BodyFile : StoreResult {
    std::string text;  // the file's bytes, unchanged
};
// Reads the file whole when it holds at most kInsertFileMax bytes.
BodyFile LoadBodyFile(const std::string& path);
