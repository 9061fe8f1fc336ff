// A message entry as senders append it to a colleague's message.mox, and the texts of the
// messages part. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <string>

// The longest message text, in bytes (a user name of 20 bytes makes an entry of 353).
constexpr size_t kMessageTextMax = 300;

// "%02d時%02d分 %s様からメッセージです" CR LF, the text, CR LF: one entry as the recipient shows it.
std::string FormatMessageEntry(int hour, int minute, const std::string& senderName,
                               const std::string& text);
// The stored form of an entry: every byte plus 1.
std::string StoredMessageEntry(const std::string& entry);
// What a taken message.mox shows: every byte minus 1, up to the first NUL.
std::string ShownMessages(const std::string& stored);

// "誰宛ですか" is the mail dialog's kMsgNoRecipient (mail/mail_store.h).
extern const char kMsgNoMessage[];        // "メッセージがありません"
extern const char kMsgNotRunning[];       // "相手のミトカが起動されていません"
extern const char kMsgPending[];          // "相手のメッセージファイルにメッセージがたまっています"
// "%s様へ送信できませんでした": the colleague whose message.mox could not take the entry.
std::string NotSentText(const std::string& recipientName);
