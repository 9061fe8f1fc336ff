// moxctl commands of the in/out board: members-set, members, dest-add, dests, where, set-where,
// present.
#include <cstdio>
#include <cstdlib>

#include "board/bord_store.h"
#include "store/sjis.h"
#include "tools/moxctl.h"
#include "users/registry.h"

namespace {

// "N,N,...": user numbers 1..999.
bool ParseNumberList(const std::string& text, std::vector<int>* numbers) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        int n = 0;
        if (!ParseNumber(text.substr(start, comma - start), &n) || n < 1 || n > kMaxUserNumber)
            return false;
        numbers->push_back(n);
        start = comma + 1;
    }
    return !numbers->empty();
}

// "HH:MM" (hour 0-23, minute 0-59).
bool ParseClock(const std::string& text, int* hour, int* minute) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return false;
    return ParseClockField(text.substr(0, colon), 23, hour) &&
           ParseClockField(text.substr(colon + 1), 59, minute);
}

// "YYYY-MM-DD" with a four-digit year and a day that exists.
bool ParseDate(const std::string& text, EntryDate* date) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    int y = 0, m = 0, d = 0;
    return ParseNumber(text.substr(0, 4), &y) && ParseNumber(text.substr(5, 2), &m) &&
           ParseNumber(text.substr(8, 2), &d) && MakeEntryDate(y, m, d, date);
}

RegistryMatch FindUser(CommandContext& ctx, int number) {
    RegistryMatch match = LookupUserName(ctx.store, number);
    if (match.ok && !match.found) match.Fail("利用者が登録されていません");
    return match;
}

int CmdMembersSet(CommandContext& ctx) {
    std::vector<int> numbers;
    if (ctx.args.size() != 1 || !ParseNumberList(ctx.args[0], &numbers))
        return UsageError(ctx, "members-set");
    std::vector<std::string> lines;
    for (int n : numbers) {
        RegistryMatch user = FindUser(ctx, n);
        if (!user.found) return Report(user);
        lines.push_back(RegistryListLine(user.record));
    }
    return Report(SaveBoardMembers(ctx.store, lines));
}

// The acting user's board member list, in the order the in/out board shows it.
int CmdMembers(CommandContext& ctx) {
    if (!ctx.args.empty()) return UsageError(ctx, "members");
    BoardMembers members = ReadBoardMembers(ctx.store);
    std::string out;
    for (const RegistryRecord& r : members.records) {
        char number[16];
        std::snprintf(number, sizeof number, "%03d", r.number);
        out += std::string(number) + "\t" + r.name + "\n";
    }
    PrintOut(ctx, out);
    return Report(members);
}

int CmdDestAdd(CommandContext& ctx) {
    const bool personal = TakeFlag(ctx.args, "--personal");
    if (ctx.args.size() != 1 || (personal && ctx.store.user == 0)) return UsageError(ctx, "dest-add");
    return Report(AddDestination(ctx.store, personal ? DestinationList::kPersonal : DestinationList::kShared,
                                 ctx.args[0]));
}

int CmdDests(CommandContext& ctx) {
    const bool personal = TakeFlag(ctx.args, "--personal");
    if (!ctx.args.empty() || (personal && ctx.store.user == 0)) return UsageError(ctx, "dests");
    std::string out;
    for (const std::string& entry :
         LoadDestinations(ctx.store, personal ? DestinationList::kPersonal : DestinationList::kShared))
        out += entry + "\n";
    PrintOut(ctx, out);
    return kExitOk;
}

int CmdWhere(CommandContext& ctx) {
    if (!ctx.args.empty()) return UsageError(ctx, "where");
    BoardLoad board = LoadInOutBoard(ctx.store, EntryDateFromTime(LocalTimeNow()));
    std::string out;
    for (size_t i = 0; i < board.lines.size(); ++i) out += board.numbers[i] + "\t" + board.lines[i] + "\n";
    PrintOut(ctx, out);
    return Report(board);
}

int CmdSetWhere(CommandContext& ctx) {
    std::string dest, ret, note, arrive, leave, dateText;
    bool haveDest = false;
    for (const char* name : {"--dest", "--return", "--note", "--arrive", "--leave", "--date"}) {
        bool present = false;
        for (const std::string& a : ctx.args) present = present || a == name;
        if (!present) continue;
        std::string* into = std::string(name) == "--dest"     ? &dest
                            : std::string(name) == "--return" ? &ret
                            : std::string(name) == "--note"   ? &note
                            : std::string(name) == "--arrive" ? &arrive
                            : std::string(name) == "--leave"  ? &leave
                                                              : &dateText;
        if (!TakeOption(ctx.args, name, into)) return UsageError(ctx, "set-where");
        if (into == &dest) haveDest = true;
    }
    int number = 0;
    if (ctx.args.size() != 1 || !ParseNumber(ctx.args[0], &number) || number < 1 ||
        number > kMaxUserNumber || !haveDest || (!ret.empty() && !note.empty()))
        return UsageError(ctx, "set-where");
    const BrokenDownTime now = LocalTimeNow();
    const EntryDate today = EntryDateFromTime(now);
    EntryDate date = today;
    int rh = 0, rm = 0, ah = 0, am = 0, lh = 0, lm = 0;
    if ((!dateText.empty() && !ParseDate(dateText, &date)) || (!ret.empty() && !ParseClock(ret, &rh, &rm)) ||
        (!arrive.empty() && !ParseClock(arrive, &ah, &am)) ||
        (!leave.empty() && !ParseClock(leave, &lh, &lm)))
        return UsageError(ctx, "set-where");
    RegistryMatch person = FindUser(ctx, number);
    if (!person.found) return Report(person);
    WhereaboutsRead read = ReadWhereabouts(ctx.store, person.record.numberText, person.record.name, date, today);
    WhereaboutsRecord record = read.record;
    record.name = person.record.name;
    record.destination = CutSjis(dest, kDestinationMax);
    record.note = CutSjis(note, kNoteMax);
    record.returnHour = rh;
    record.returnMinute = rm;
    if (!arrive.empty()) record.arriveHour = ah, record.arriveMinute = am;
    if (!leave.empty()) record.leaveHour = lh, record.leaveMinute = lm;
    record.written = now;
    record.writer = ctx.userName;
    return Report(WriteWhereabouts(ctx.store, person.record.numberText, date, today, record));
}

int CmdPresent(CommandContext& ctx) {
    int number = 0;
    if (ctx.args.size() != 1 || !ParseNumber(ctx.args[0], &number) || number < 1 ||
        number > kMaxUserNumber)
        return UsageError(ctx, "present");
    RegistryMatch person = FindUser(ctx, number);
    if (!person.found) return Report(person);
    return Report(SetPresent(ctx.store, person.record.numberText, person.record.name, ctx.userName,
                             LocalTimeNow()));
}

}  // namespace

const CommandEntry kBoardCommands[] = {
    {"members-set", CmdMembersSet, "N[,N...]", true},
    {"members", CmdMembers, "", true},
    {"dest-add", CmdDestAdd, "[--personal] TEXT", false},
    {"dests", CmdDests, "[--personal]", false},
    {"where", CmdWhere, "", true},
    {"set-where", CmdSetWhere,
     "N --dest T [--return HH:MM|--note T] [--arrive HH:MM] [--leave HH:MM] [--date YYYY-MM-DD]", true},
    {"present", CmdPresent, "N", true},
    {nullptr, nullptr, nullptr, false},
};
