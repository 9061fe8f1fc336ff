// moxctl commands of chat: chat-enter, chat-say, chat-leave, chat-log, chat-members.
#include <cstdio>

#include "chat/chat_store.h"
#include "chat/chat_text.h"
#include "store/store.h"
#include "tools/moxctl.h"
#include "tools/moxctl_items.h"

namespace {

const char kMsgNotEntered[] = "チャットに入れません";
const char kMsgNotSaid[] = "チャットに書き込めません";
const char kMsgNotLeft[] = "チャットのメンバー一覧を書き換えられません";
const char kMsgTooLong[] = "発言は126バイトまでです";
const char kMsgHandleTooLong[] = "ハンドル名は20バイトまでです";

// --handle H, or the acting user's registered name; false on a usage error.
bool TakeHandle(CommandContext& ctx, std::string* handle) {
    std::string given;
    if (!TakeOption(ctx.args, "--handle", &given)) return false;
    *handle = given.empty() ? ctx.userName : given;
    return true;
}

int CmdChatEnter(CommandContext& ctx) {
    std::string handle;
    if (!TakeHandle(ctx, &handle) || !ctx.args.empty()) return UsageError(ctx, "chat-enter");
    if (handle.size() > kChatHandleMax) return Fail(ctx, kMsgHandleTooLong);
    ChatView view;
    return EnterChat(ctx.store, handle, &view) ? kExitOk : Fail(ctx, kMsgNotEntered);
}

int CmdChatSay(CommandContext& ctx) {
    std::string handle;
    if (!TakeHandle(ctx, &handle) || ctx.args.size() != 1) return UsageError(ctx, "chat-say");
    const std::string& text = ctx.args[0];
    if (text.size() > kChatSayMax) return Fail(ctx, kMsgTooLong);
    if (handle.size() > kChatHandleMax) return Fail(ctx, kMsgHandleTooLong);
    return SayInChat(ctx.store, handle, text) ? kExitOk : Fail(ctx, kMsgNotSaid);
}

int CmdChatLeave(CommandContext& ctx) {
    std::string handle;
    if (!TakeHandle(ctx, &handle) || !ctx.args.empty()) return UsageError(ctx, "chat-leave");
    return LeaveChat(ctx.store, handle) != ChatLeave::kNotLeft ? kExitOk : Fail(ctx, kMsgNotLeft);
}

// The whole log, un-shifted; an empty room prints nothing.
int CmdChatLog(CommandContext& ctx) {
    if (!ctx.args.empty()) return UsageError(ctx, "chat-log");
    ChatView view;
    PrintOut(ctx, PollChatLog(ctx.store, &view).text);
    return kExitOk;
}

// One line per record in file order: handle, TAB, the number as "%03d".
int CmdChatMembers(CommandContext& ctx) {
    if (!ctx.args.empty()) return UsageError(ctx, "chat-members");
    ChatView view;
    std::string out;
    for (const RegistryRecord& member : PollChatMembers(ctx.store, &view).members) {
        char number[8];
        std::snprintf(number, sizeof number, "%03d", member.number);
        out += member.name + "\t" + number + "\n";
    }
    PrintOut(ctx, out);
    return kExitOk;
}

}  // namespace

const CommandEntry kChatCommands[] = {
    {"chat-enter", CmdChatEnter, "[--handle H]", true},
    {"chat-say", CmdChatSay, "[--handle H] TEXT", true},
    {"chat-leave", CmdChatLeave, "[--handle H]", true},
    {"chat-log", CmdChatLog, "", false},
    {"chat-members", CmdChatMembers, "", false},
    {nullptr, nullptr, nullptr, false},
};
