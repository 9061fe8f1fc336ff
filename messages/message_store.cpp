#include "messages/message_store.h"

#include "messages/message_text.h"
#include "store/sjis.h"
#include "users/registry.h"

namespace {

const char kMessageFile[] = "message.mox";

// A peer's take marks the file for deletion an instant before it closes it; an open in that
// instant is refused as denied, not as busy. Tried again a few times: the file is gone then.
OpenResult OpenForAppend(const std::string& path) {
    OpenResult opened = StoreOpenAppend(path);
    for (int attempt = 0; attempt < 50 && opened.error == kErrAccessDenied; ++attempt) {
        StorePause(1);
        opened = StoreOpenAppend(path);
    }
    return opened;
}

}  // namespace

std::string MessageFilePath(const StoreContext& store, const std::string& numberText) {
    return UserStorePath(store, numberText, kMessageFile);
}

bool DeliverMessage(const StoreContext& store, const std::string& senderName,
                    const std::string& numberText, const std::string& text, int hour, int minute) {
    const std::string entry =
        StoredMessageEntry(FormatMessageEntry(hour, minute, senderName, text));
    StoreFile file(OpenForAppend(MessageFilePath(store, numberText)));
    if (!file.IsOpen()) return false;
    return StoreAppendWhole(file.Get(), entry);
}

MessageSend SendMessageToSelection(const StoreContext& store, const std::string& senderName,
                                   const std::vector<Party>& recipients, const std::string& text,
                                   int hour, int minute) {
    MessageSend send;
    if (recipients.empty()) {
        send.refused = true;
        send.Fail(kMsgNoRecipient);
        return send;
    }
    if (text.empty()) {
        send.refused = true;
        send.Fail(kMsgNoMessage);
        return send;
    }
    const std::string message = CutSjis(text, kMessageTextMax);
    const bool single = recipients.size() == 1;
    for (const Party& recipient : recipients) {
        MessageCopy copy;
        copy.recipient = recipient;
        const std::string numberText = UserFolderName(recipient.number);
        if (!IsSignedIn(store, numberText)) {
            copy.fate = MessageFate::kNotRunning;
            if (single) send.Tell(kMsgNotRunning);
        } else if (StoreExists(MessageFilePath(store, numberText)).Opened()) {
            copy.fate = MessageFate::kPending;
            if (single) send.Tell(kMsgPending);
        } else if (DeliverMessage(store, senderName, numberText, message, hour, minute)) {
            copy.fate = MessageFate::kSent;
        } else {
            copy.fate = MessageFate::kNotSent;
            send.Tell(NotSentText(recipient.name));
        }
        send.copies.push_back(copy);
    }
    return send;
}

PendingMessages TakePendingMessages(const StoreContext& store) {
    PendingMessages pending;
    TakenFile file = TakeStoreFile(MessageFilePath(store, store.UserFolder()));
    pending.driveGone = file.error == kErrInvalidDrive;
    if (!file.taken) return pending;
    pending.taken = true;
    pending.text = ShownMessages(file.bytes);
    return pending;
}
