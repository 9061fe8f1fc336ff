// The chat room in the store: the member list CHA\USER.MOX (registry records, one per entry)
// and the log CHA\CHAT.MOX (shifted CR LF lines) that every member appends to and polls.
#pragma once
#include <string>
#include <vector>

#include "store/context.h"
#include "store/store.h"
#include "users/registry_record.h"

std::string ChatLogPath(const StoreContext& store);
std::string ChatMembersPath(const StoreContext& store);

// What a member has seen of the room: how far the log was shown, the last bytes shown before
// that point (to tell a log that another member restarted), and the member list's time and size
// when it was last read.
struct ChatView {
    long readPosition = 0;
    std::string seenTail;
    bool membersRead = false;  // false: the next member poll reads the list whatever its time
    StoreLocalTime membersTime;
    long membersSize = -1;
};

// Adds the member's record (handle, the acting user's number) to the member list, then the
// joined line to the log; view's read position becomes the log's size before that line, so the
// member's first poll shows it. False when the member list could not take the record.
bool EnterChat(const StoreContext& store, const std::string& handle, ChatView* view);
// Appends the said line; empty text does nothing. The text is cut to 126 bytes first.
bool SayInChat(const StoreContext& store, const std::string& handle, const std::string& text);

// Leaving: every record of the acting user's number goes from the member list within one
// exclusive open. When no record of another number is left the room is emptied instead (the
// log, then the member list, deleted while the list is still held) and no left line written.
enum class ChatLeave { kNotLeft, kLeft, kRoomEmptied };
ChatLeave LeaveChat(const StoreContext& store, const std::string& handle);

// The log text added since the view's read position, un-shifted. A log shorter than that
// position, or whose bytes before it are not those shown, was restarted: it is shown from its
// start. Nothing when the log cannot be opened or did not change.
struct ChatLogNews {
    bool restarted = false;
    std::string text;
};
ChatLogNews PollChatLog(const StoreContext& store, ChatView* view);

// The member list in file order when its time or size changed since the view last read it (or
// it was never read); changed false otherwise, and when it cannot be opened.
struct ChatMembers {
    bool changed = false;
    std::vector<RegistryRecord> members;
};
ChatMembers PollChatMembers(const StoreContext& store, ChatView* view);
