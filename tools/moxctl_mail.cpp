// moxctl commands of mail and phone memos: send, phone, list, open, delete.
#include <windows.h>

#include <cstdio>
#include <set>

#include "mail/mail_log.h"
#include "mail/mail_log_text.h"
#include "mail/mail_store.h"
#include "store/names.h"
#include "store/sjis.h"
#include "store/store.h"
#include "tools/moxctl.h"
#include "tools/moxctl_items.h"
#include "users/registry.h"

namespace {

// Prints one line per copy (recipient, received number, sent number) and the messages; exit
// status 1 when any copy or attachment did not arrive.
int ReportDelivery(const CommandContext& ctx, const DeliveryResult& result) {
    std::string out;
    for (const DeliveredCopy& c : result.copies) {
        if (!c.delivered) continue;
        char line[64];
        std::snprintf(line, sizeof line, "%03d\t%d\t%d\n", c.recipient, c.receivedNumber, c.sentNumber);
        out += line;
    }
    PrintOut(ctx, out);
    return Report(result);
}

int CmdSend(CommandContext& ctx) {
    std::string to, subject;
    std::vector<std::string> attach;
    OutgoingItem item;
    int code = kExitOk;
    const bool haveSubject = HasOption(ctx.args, "--subject");
    if (!TakeOption(ctx.args, "--to", &to) || !TakeOption(ctx.args, "--subject", &subject) ||
        !TakeRepeatedOption(ctx.args, "--attach", &attach))
        return UsageError(ctx, "send");
    item.confidential = TakeFlag(ctx.args, "--confidential");
    if (!TakeBody(ctx, "send", &item.body, &code)) return code;
    std::set<int> wanted;
    if (!ctx.args.empty() || !haveSubject || !ParseNumberList(to, &wanted))
        return UsageError(ctx, "send");
    std::string message;
    for (const std::string& given : attach) {
        AttachmentSource source;
        if (!ParseAttachment(given, &source, &message)) return Fail(ctx, message);
        item.attachments.push_back(source);
    }
    std::vector<Party> recipients;
    if (!ResolveParties(ctx, wanted, &recipients, &message)) return Fail(ctx, message);
    item.kind = kItemMail;
    item.subject = CutSjis(subject, kSubjectTextMax);
    item.sentTime = LocalTimeNow();
    return ReportDelivery(ctx, DeliverItem(ctx.store, ctx.userName, recipients, item));
}

int CmdPhone(CommandContext& ctx) {
    std::string to, caller, number, request;
    OutgoingItem item;
    int code = kExitOk;
    const bool haveCaller = HasOption(ctx.args, "--caller");
    if (!TakeOption(ctx.args, "--to", &to) || !TakeOption(ctx.args, "--caller", &caller) ||
        !TakeOption(ctx.args, "--number", &number) || !TakeOption(ctx.args, "--request", &request))
        return UsageError(ctx, "phone");
    if (!TakeBody(ctx, "phone", &item.body, &code)) return code;
    std::set<int> wanted;
    item.request = kRequestNone;
    if (!ctx.args.empty() || !haveCaller || !ParseNumberList(to, &wanted) ||
        (!request.empty() && (!ParseNumber(request, &item.request) || item.request > kRequestMessage)))
        return UsageError(ctx, "phone");
    std::vector<Party> recipients;
    std::string message;
    if (!ResolveParties(ctx, wanted, &recipients, &message)) return Fail(ctx, message);
    item.kind = kItemPhoneMemo;
    item.subject = CutSjis(caller, kSubjectTextMax);
    item.phone = CutSjis(number, kPhoneTextMax);
    item.sentTime = LocalTimeNow();
    return ReportDelivery(ctx, DeliverItem(ctx.store, ctx.userName, recipients, item));
}

// "received" or "sent" as a list kind; -1 for anything else.
int ListKindArg(const std::string& which) {
    if (which == "received") return kListReceived;
    if (which == "sent") return kListSent;
    return -1;
}

// Loads the own list of the kind; false (with the message printed) when it cannot be shown.
bool LoadOwnList(const CommandContext& ctx, int kind, ListLoad* load) {
    *load = LoadList(ctx.store, MailListKind(kind), ctx.store.UserFolder());
    if (!load->ok) ShowMessages(*load);
    return load->ok;
}

int CmdList(CommandContext& ctx) {
    int kind = ctx.args.size() == 1 ? ListKindArg(ctx.args[0]) : -1;
    if (kind < 0) return UsageError(ctx, "list");
    ListLoad load;
    if (!LoadOwnList(ctx, kind, &load)) return kExitFailed;
    std::string out;
    for (const ListLine& line : load.lines) out += line.text + "\n";
    PrintOut(ctx, out);
    return kExitOk;
}

int CmdOpen(CommandContext& ctx) {
    if (ctx.args.size() != 1) return UsageError(ctx, "open");
    ListLoad load;
    long position = 0;
    if (!LoadOwnList(ctx, kListReceived, &load) || !TakePosition(ctx, ctx.args[0], load, &position))
        return kExitFailed;
    const ListLine& line = load.lines[static_cast<size_t>(position)];
    OpenedItem opened = MarkItemOpened(ctx.store, line.index, &line.identity);
    if (!opened.ok) return Fail(ctx, "位置 " + ctx.args[0] + " に項目がありません");
    ItemBody body = LoadItemBody(
        NumberedFileName(ctx.store, ctx.store.UserFolder(), opened.record.receivedNumber, kPrefixRcv,
                         kExtTxt),
        opened.record.shiftFlag);
    PrintOut(ctx, opened.record.subject + "\n" + body.text);
    return kExitOk;
}

int CmdDelete(CommandContext& ctx) {
    bool retract = TakeFlag(ctx.args, "--retract");
    int kind = ctx.args.size() == 2 ? ListKindArg(ctx.args[0]) : -1;
    if (kind < 0) return UsageError(ctx, "delete");
    ListLoad load;
    long position = 0;
    if (!LoadOwnList(ctx, kind, &load) || !TakePosition(ctx, ctx.args[1], load, &position))
        return kExitFailed;
    const ListLine& line = load.lines[static_cast<size_t>(position)];
    DeleteOutcome outcome = DeleteListEntry(ctx.store, MailListKind(kind), ctx.store.UserFolder(),
                                            static_cast<long>(load.lines.size()), position, &line.identity);
    if (!outcome.ok) return Report(outcome);
    // --retract is the Yes to "送信先のメールも削除しますか？".
    if (outcome.canRetract && retract) {
        RetractResult r = RetractReceivedCopy(ctx.store, outcome.retraction);
        if (!r.ok) return Report(r);
    }
    return kExitOk;
}

// "P[,P...]" of list positions; false when a part is not a number.
bool ParsePositions(const std::string& text, std::vector<long>* positions) {
    size_t start = 0;
    for (;;) {
        size_t comma = text.find(',', start);
        int p = 0;
        if (!ParseNumber(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start), &p))
            return false;
        positions->push_back(p);
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

// Appends the items at the positions to the log file, oldest first, as the list windows' ログ
// button does with those lines selected; an existing file is appended to without asking.
int CmdLog(CommandContext& ctx) {
    int kind = ctx.args.size() == 3 ? ListKindArg(ctx.args[0]) : -1;
    std::vector<long> positions;
    if (kind < 0 || !ParsePositions(ctx.args[1], &positions) || ctx.args[2].empty())
        return UsageError(ctx, "log");
    ListLoad load;
    if (!LoadOwnList(ctx, kind, &load)) return kExitFailed;
    for (long p : positions)
        if (p >= static_cast<long>(load.lines.size()))
            return Fail(ctx, "位置 " + std::to_string(p) + " に項目がありません");
    std::vector<ListLine> items;
    for (long p : LogExportOrder(static_cast<long>(load.lines.size()), positions))
        items.push_back(load.lines[static_cast<size_t>(p)]);
    // The full path: the free space is asked of the drive that its first letter names.
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(ctx.args[2].c_str(), sizeof full, full, nullptr);
    std::string path = n > 0 && n < sizeof full ? std::string(full) : ctx.args[2];
    return Report(AppendLogEntries(ctx.store, kind, items, path));
}

}  // namespace

const CommandEntry kMailCommands[] = {
    {"send", CmdSend,
     "--to A[,B...] --subject S [--body-file F] [--attach PATH[::TITLE]]... [--confidential]", true},
    {"phone", CmdPhone,
     "--to A[,B...] --caller NAME [--number TEL] [--request 0-3] [--body-file F]", true},
    {"list", CmdList, "received|sent", true},
    {"open", CmdOpen, "POS", true},
    {"delete", CmdDelete, "received|sent POS [--retract]", true},
    {"log", CmdLog, "received|sent POS[,POS...] FILE", true},
    {nullptr, nullptr, nullptr, false},
};
