#include "chat/chat_store.h"

#include <algorithm>

#include "chat/chat_text.h"
#include "store/bytes.h"
#include "store/sjis.h"

namespace {

const char kChatFolder[] = "CHA";
// Bytes before the read position that a poll compares with those it showed last.
const size_t kTailBytes = 64;

// A last leaver marks the member list for deletion an instant before closing it; an open in
// that instant is refused as denied, not as busy. Tried again a few times: the file is gone then.
OpenResult OpenChatAppend(const std::string& path) {
    OpenResult opened = StoreOpenAppend(path);
    for (int attempt = 0; attempt < 50 && opened.error == kErrAccessDenied; ++attempt) {
        StorePause(1);
        opened = StoreOpenAppend(path);
    }
    return opened;
}

bool AppendToLog(const StoreContext& store, const std::string& plainLine) {
    StoreFile log(OpenChatAppend(ChatLogPath(store)));
    return log.IsOpen() && StoreAppendWhole(log.Get(), StoredChatText(plainLine));
}

std::string TailOf(const std::string& bytes) {
    return bytes.size() <= kTailBytes ? bytes : bytes.substr(bytes.size() - kTailBytes);
}

}  // namespace

std::string ChatLogPath(const StoreContext& store) {
    return UserStorePath(store, kChatFolder, "CHAT.MOX");
}

std::string ChatMembersPath(const StoreContext& store) {
    return UserStorePath(store, kChatFolder, "USER.MOX");
}

bool EnterChat(const StoreContext& store, const std::string& handle, ChatView* view) {
    const std::string name = CutSjis(handle, kChatHandleMax);
    {
        StoreFile members(OpenChatAppend(ChatMembersPath(store)));
        if (!members.IsOpen()) return false;
        const std::string record = EncodeRegistryRecord(MakeRegistryRecord(name, store.user, ""));
        if (!StoreAppendWhole(members.Get(), record)) return false;
    }
    StoreFile log(OpenChatAppend(ChatLogPath(store)));
    if (!log.IsOpen()) return true;
    const long size = StoreSize(log.Get());
    view->readPosition = size > 0 ? size : 0;
    view->seenTail.clear();
    StoreAppendWhole(log.Get(), StoredChatText(ChatJoinedLine(name)));
    return true;
}

bool SayInChat(const StoreContext& store, const std::string& handle, const std::string& text) {
    if (text.empty()) return true;
    return AppendToLog(store, ChatSaidLine(CutSjis(handle, kChatHandleMax), CutSjis(text, kChatSayMax)));
}

ChatLeave LeaveChat(const StoreContext& store, const std::string& handle) {
    StoreFile members(ChatMembersPath(store), kOpenTake | kOpenReadWrite);
    if (!members.IsOpen()) return ChatLeave::kNotLeft;
    std::string bytes;
    if (!StoreReadToEnd(members.Get(), bytes)) return ChatLeave::kNotLeft;
    std::string kept;
    for (size_t at = 0; at + kRegistryRecordSize <= bytes.size(); at += kRegistryRecordSize) {
        const auto* record = reinterpret_cast<const unsigned char*>(bytes.data() + at);
        if (GetInt16(record + registry_field::kNumber) != store.user)
            kept.append(bytes, at, kRegistryRecordSize);
    }
    if (kept.empty()) {
        // Entering members wait for the list meanwhile and then start a new room.
        StoreDelete(ChatLogPath(store));
        if (!StoreDeleteOnClose(members.Get())) return ChatLeave::kNotLeft;
        return members.Close() == 0 ? ChatLeave::kRoomEmptied : ChatLeave::kNotLeft;
    }
    if (kept.size() != bytes.size()) {
        if (StoreSeek(members.Get(), 0, kSeekSet) != 0 ||
            StoreWrite(members.Get(), kept.data(), kept.size()) != static_cast<long>(kept.size()) ||
            !StoreTruncateHere(members.Get()))
            return ChatLeave::kNotLeft;
    }
    members.Close();
    AppendToLog(store, ChatLeftLine(CutSjis(handle, kChatHandleMax)));
    return ChatLeave::kLeft;
}

ChatLogNews PollChatLog(const StoreContext& store, ChatView* view) {
    ChatLogNews news;
    StoreFile log(ChatLogPath(store), kOpenRead);
    if (!log.IsOpen()) return news;
    const long size = StoreSize(log.Get());
    if (size < 0 || size == view->readPosition) return news;
    // Only the bytes from a little before the read position are read: a long log costs a poll
    // no more than what was added.
    long from = 0;
    if (size > view->readPosition)
        from = std::max(0L, view->readPosition - static_cast<long>(view->seenTail.size()));
    std::string bytes;
    if (StoreSeek(log.Get(), from, kSeekSet) != from || !StoreReadToEnd(log.Get(), bytes)) return news;
    size_t fresh = static_cast<size_t>(view->readPosition - from);
    if (size < view->readPosition || bytes.compare(0, fresh, view->seenTail) != 0) {
        news.restarted = true;
        if (from > 0) {
            bytes.clear();
            if (StoreSeek(log.Get(), 0, kSeekSet) != 0 || !StoreReadToEnd(log.Get(), bytes))
                return news;
        }
        from = 0;
        fresh = 0;
    }
    log.Close();
    view->readPosition = from + static_cast<long>(bytes.size());
    view->seenTail = TailOf(bytes);
    news.text = ShownChatText(bytes.substr(fresh));
    return news;
}

ChatMembers PollChatMembers(const StoreContext& store, ChatView* view) {
    ChatMembers result;
    StoreFile members(ChatMembersPath(store), kOpenRead);
    if (!members.IsOpen()) return result;
    StoreLocalTime time;
    const long size = StoreSize(members.Get());
    if (!StoreWriteTimeLocal(members.Get(), &time) || size < 0) return result;
    const auto& t = view->membersTime;
    const bool sameTime = t.year == time.year && t.month == time.month && t.day == time.day &&
                          t.hour == time.hour && t.minute == time.minute && t.second == time.second;
    if (view->membersRead && sameTime && size == view->membersSize) return result;
    std::string bytes;
    if (!StoreReadToEnd(members.Get(), bytes)) return result;
    members.Close();
    result.changed = true;
    result.members = DecodeRegistry(bytes);
    view->membersRead = true;
    view->membersTime = time;
    view->membersSize = size;
    return result;
}
