// moxctl commands of the schedule: sched-add and sched. An office fills its members' calendars
// with them; each schedule belongs to the user given with --user.
#include <algorithm>

#include "calendar/schedule_store.h"
#include "tools/moxctl.h"
#include "tools/moxctl_items.h"

namespace {

// "YYYY-MM-DD HH:MM" as the date and the time of the schedule entry.
void SplitDateTime(const std::string& given, std::string* date, std::string* time) {
    const size_t blank = given.find(' ');
    *date = given.substr(0, blank);
    *time = blank == std::string::npos ? std::string() : given.substr(blank + 1);
}

// Adds an entry after the schedule entry's own checks; a refused entry exits 2 with its message.
int CmdSchedAdd(CommandContext& ctx) {
    std::string start, end, subject;
    const bool given = HasOption(ctx.args, "--start") && HasOption(ctx.args, "--end") &&
                       HasOption(ctx.args, "--subject");
    if (!TakeOption(ctx.args, "--start", &start) || !TakeOption(ctx.args, "--end", &end) ||
        !TakeOption(ctx.args, "--subject", &subject) || !given || !ctx.args.empty())
        return UsageError(ctx, "sched-add");
    ScheduleInput input;
    input.subject = subject;
    SplitDateTime(start, &input.startDate, &input.startTime);
    SplitDateTime(end, &input.endDate, &input.endTime);
    const ScheduleCheck check = CheckScheduleInput(input, '-');
    if (!check.ok) {
        PrintErr(ctx, check.FirstMessage() + "\n");
        return kExitUsage;
    }
    return Report(ScheduleAdd(ctx.store, check.record));
}

// The schedule list lines, all or the day's, sorted by their text as the calendar lists them.
int CmdSched(CommandContext& ctx) {
    std::string day;
    const bool haveDay = HasOption(ctx.args, "--day");
    CalendarDate date;
    if (!TakeOption(ctx.args, "--day", &day) || !ctx.args.empty() ||
        (haveDay && !ParseDate(day, '-', &date)))
        return UsageError(ctx, "sched");
    const ScheduleRead read = haveDay ? ScheduleListDay(ctx.store, date) : ScheduleListAll(ctx.store);
    std::vector<std::string> lines;
    for (const ScheduleEntry& e : read.entries) lines.push_back(ScheduleListLine(e.record));
    std::sort(lines.begin(), lines.end());
    std::string out;
    for (const std::string& line : lines) out += line + "\n";
    PrintOut(ctx, out);
    return Report(read);
}

}  // namespace

const CommandEntry kScheduleCommands[] = {
    {"sched-add", CmdSchedAdd, "--start \"YYYY-MM-DD HH:MM\" --end \"YYYY-MM-DD HH:MM\" --subject S", true},
    {"sched", CmdSched, "[--day YYYY-MM-DD]", true},
    {nullptr, nullptr, nullptr, false},
};
