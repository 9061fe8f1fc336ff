// Messages in the store: appending an entry to a running colleague's message.mox, sending to a
// selection of colleagues with the checks of the send dialog, and taking the own pending file.
#pragma once
#include <string>
#include <vector>

#include "mail/mail_store.h"
#include "store/context.h"
#include "store/result.h"
#include "store/store.h"

// The pending-message file of a user folder.
std::string MessageFilePath(const StoreContext& store, const std::string& numberText);

// Appends one entry (sent at hour:minute by senderName) to the colleague's message.mox, whole
// or not at all: a write that falls short is cut off again. False when the file cannot be
// opened or written.
bool DeliverMessage(const StoreContext& store, const std::string& senderName,
                    const std::string& numberText, const std::string& text, int hour, int minute);

// How each selected colleague fared.
enum class MessageFate { kSent, kNotRunning, kPending, kNotSent };
struct MessageCopy {
    Party recipient;
    MessageFate fate = MessageFate::kNotSent;
};
// ok false with nothing sent when nobody is selected or the text is empty (the dialog stays
// open); otherwise one copy per recipient in list order, the reason told only for a single
// recipient, and every recipient whose file could not take the entry named.
struct MessageSend : StoreResult {
    bool refused = false;  // "誰宛ですか" or "メッセージがありません": nothing was tried
    std::vector<MessageCopy> copies;
};
// The text is cut to 300 bytes at a character boundary first.
MessageSend SendMessageToSelection(const StoreContext& store, const std::string& senderName,
                                   const std::vector<Party>& recipients, const std::string& text,
                                   int hour, int minute);

// The own pending messages: the whole of message.mox, read and deleted within one open, as the
// message window shows it (un-shifted). driveGone: the network drive cannot be found.
struct PendingMessages {
    bool taken = false;
    bool driveGone = false;
    std::string text;
};
PendingMessages TakePendingMessages(const StoreContext& store);
