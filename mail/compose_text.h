// What the mail dialog writes by itself: the subjects of a reply and a forward, the forward's
// first line, the filters of its file choosers, and its questions and messages. Pure logic: no
// windows.h.
#pragma once
#include <cstddef>
#include <string>

// How the mail dialog opens: empty, or answering a shown item with the command that opened it
// (the received-mail dialog's 返信, 引付返 and 転送 buttons).
enum MailDialogMode {
    kMailNew = 0,
    kMailReply = 1189,        // "RE:" and the sender preselected
    kMailForward = 1190,      // "FWD:", nobody selected, attachments carried, body quoted
    kMailReplyQuoted = 1191,  // "RE:" and the body quoted
};

// The most a body takes from one text file: what an edit control of the platform held.
constexpr size_t kInsertFileMax = 32767;

std::string ReplySubject(const std::string& subject);    // "RE:%s"
std::string ForwardSubject(const std::string& subject);  // "FWD:%s"
// The forward's first body line: the sender's name, "様から" and CR LF, as the received-mail
// dialog's sender label shows it (at most 62 bytes before the line end).
std::string ForwardHeaderLine(const std::string& senderName);

// A file chooser's filter from its text, where each comma stands for a NUL: pairs of a shown
// name and a pattern, ended by two NULs.
std::string FileFilter(const std::string& text);
extern const char kAnyFileFilter[];  // "All (*.*),*.*,Txt (*.txt),*.txt"
// The save dialog's filter text for an attachment whose extension (with its dot) is given:
// "doc (*.doc),*.doc,All (*.*),*.*" for ".doc".
std::string AttachmentFilterText(const std::string& extension);

extern const char kMsgAskSend[];      // "送信しますか？"
extern const char kMsgAskDiscard[];   // "キャンセルしますか？"
extern const char kMsgFileTooLarge[]; // "ファイルが大きすぎます"
