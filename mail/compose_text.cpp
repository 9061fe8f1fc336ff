#include "mail/compose_text.h"

#include "store/sjis.h"

const char kAnyFileFilter[] = "All (*.*),*.*,Txt (*.txt),*.txt";
const char kMsgAskSend[] = "送信しますか？";
const char kMsgAskDiscard[] = "キャンセルしますか？";
const char kMsgFileTooLarge[] = "ファイルが大きすぎます";

namespace {
constexpr size_t kSenderLabelMax = 62;
}

std::string ReplySubject(const std::string& subject) { return "RE:" + subject; }
std::string ForwardSubject(const std::string& subject) { return "FWD:" + subject; }

std::string ForwardHeaderLine(const std::string& senderName) {
    return CutSjis(senderName + "様から", kSenderLabelMax) + "\r\n";
}

std::string FileFilter(const std::string& text) {
    std::string filter = text;
    for (char& c : filter)
        if (c == ',') c = '\0';
    return filter + std::string(2, '\0');
}

std::string AttachmentFilterText(const std::string& extension) {
    const std::string name = extension.empty() ? extension : extension.substr(1);
    return name + " (*" + extension + "),*" + extension + ",All (*.*),*.*";
}
