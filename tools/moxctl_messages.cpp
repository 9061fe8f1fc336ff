// moxctl commands of messages: message, messages.
#include <set>

#include "messages/message_store.h"
#include "messages/message_text.h"
#include "store/lists/broken_time.h"
#include "store/names.h"
#include "tools/moxctl.h"
#include "tools/moxctl_items.h"

namespace {

const char kMsgTooLong[] = "メッセージは300バイトまでです";

// What the line of one recipient says: 送信, or why nothing was sent.
std::string FateText(const MessageCopy& copy) {
    switch (copy.fate) {
        case MessageFate::kSent: return "送信";
        case MessageFate::kNotRunning: return kMsgNotRunning;
        case MessageFate::kPending: return kMsgPending;
        default: return NotSentText(copy.recipient.name);
    }
}

int CmdMessage(CommandContext& ctx) {
    std::string to, text, textFile;
    const bool haveText = HasOption(ctx.args, "--text");
    if (!TakeOption(ctx.args, "--to", &to) || !TakeOption(ctx.args, "--text", &text) ||
        !TakeOption(ctx.args, "--text-file", &textFile))
        return UsageError(ctx, "message");
    std::set<int> wanted;
    if (!ctx.args.empty() || haveText == !textFile.empty() || !ParseNumberList(to, &wanted))
        return UsageError(ctx, "message");
    if (!textFile.empty() && !ReadLocalFile(textFile, text))
        return Fail(ctx, "メッセージのファイルを読めません: " + textFile);
    if (text.size() > kMessageTextMax) return Fail(ctx, kMsgTooLong);
    std::vector<Party> recipients;
    std::string message;
    if (!ResolveParties(ctx, wanted, &recipients, &message)) return Fail(ctx, message);
    const BrokenDownTime now = LocalTimeNow();
    MessageSend sent =
        SendMessageToSelection(ctx.store, ctx.userName, recipients, text, now.hours, now.minutes);
    if (sent.refused) return Report(sent);
    std::string out;
    bool everyone = true;
    for (const MessageCopy& copy : sent.copies) {
        out += UserFolderName(copy.recipient.number) + "\t" + FateText(copy) + "\n";
        everyone = everyone && copy.fate == MessageFate::kSent;
    }
    PrintOut(ctx, out);
    return everyone ? kExitOk : kExitFailed;
}

int CmdMessages(CommandContext& ctx) {
    if (!ctx.args.empty()) return UsageError(ctx, "messages");
    PendingMessages pending = TakePendingMessages(ctx.store);
    if (pending.driveGone) return kExitFailed;
    PrintOut(ctx, pending.text);
    return kExitOk;
}

}  // namespace

const CommandEntry kMessageCommands[] = {
    {"message", CmdMessage, "--to A[,B...] (--text T | --text-file F)", true},
    {"messages", CmdMessages, "", true},
    {nullptr, nullptr, nullptr, false},
};
