// moxctl commands of broadcast lists: lists, list-add, list-show. An office prepares its
// members' lists with them; each list belongs to the user given with --user.
#include <cstdio>
#include <set>

#include "mail/broadcast_record.h"
#include "mail/broadcast_store.h"
#include "store/lists/list_file.h"
#include "store/message_sink.h"
#include "store/names.h"
#include "tools/moxctl.h"
#include "tools/moxctl_items.h"

namespace {

// One line per list, newest first as the broadcast list dialog shows them: number, TAB, name.
int CmdLists(CommandContext& ctx) {
    if (!ctx.args.empty()) return UsageError(ctx, "lists");
    ListLoad load = LoadListFile(
        UserStorePath(ctx.store, ctx.store.UserFolder(), ListFileName(kListGroups)),
        [](const unsigned char* record, long, std::string* line) {
            const BroadcastListRecord list = DecodeBroadcastListRecord(record);
            *line = std::to_string(list.number) + "\t" + list.name;
            return true;
        });
    std::string out;
    for (const ListLine& line : load.lines) out += line.text + "\n";
    PrintOut(ctx, out);
    return Report(load);
}

// Makes a list of the given members (in registry order, as the editor lists them); prints its
// number.
int CmdListAdd(CommandContext& ctx) {
    std::string given;
    const bool haveMembers = HasOption(ctx.args, "--members");
    std::set<int> wanted;
    if (!TakeOption(ctx.args, "--members", &given) || ctx.args.size() != 1 || !haveMembers ||
        !ParseNumberList(given, &wanted))
        return UsageError(ctx, "list-add");
    const std::string& name = ctx.args[0];
    if (name.size() > kSubjectTextMax) return Fail(ctx, "名前は50バイト以内で入力してください");
    std::vector<Party> members;
    std::string message;
    if (!ResolveParties(ctx, wanted, &members, &message)) return Fail(ctx, message);
    BroadcastListResult result =
        CreateBroadcastList(ctx.store, ctx.userName, name, members, LocalTimeNow());
    if (result.ok) PrintOut(ctx, std::to_string(result.number) + "\n");
    return Report(result);
}

// The members of list N: "%03d\tNAME" each, in their order.
int CmdListShow(CommandContext& ctx) {
    int number = 0;
    if (ctx.args.size() != 1 || !ParseNumber(ctx.args[0], &number) || number < 1 || number > 9999)
        return UsageError(ctx, "list-show");
    BroadcastMembers list = ReadBroadcastMembers(ctx.store, number);
    if (!list.found) return Fail(ctx, "同報リスト " + ctx.args[0] + " はありません");
    std::string out;
    for (const RegistryRecord& m : list.members) {
        char head[16];
        std::snprintf(head, sizeof head, "%03d\t", m.number);
        out += head + m.name + "\n";
    }
    PrintOut(ctx, out);
    return list.damaged ? Fail(ctx, kMsgWrongFormat) : kExitOk;
}

}  // namespace

const CommandEntry kListCommands[] = {
    {"lists", CmdLists, "", true},
    {"list-add", CmdListAdd, "NAME --members A[,B...]", true},
    {"list-show", CmdListShow, "N", true},
    {nullptr, nullptr, nullptr, false},
};
