// A text file of the user's PC read into the body of a mail (読込み). Plain data out: the mail
// dialog inserts the text or shows the message.
#pragma once
#include <string>

struct BodyFile {
    bool ok = false;      // false: nothing to insert
    std::string text;     // the file's bytes, unchanged
    std::string message;  // kMsgFileTooLarge or kMsgReadFailed; "" when it could not be opened
};
// Reads the file whole when it holds at most kInsertFileMax bytes.
BodyFile LoadBodyFile(const std::string& path);
