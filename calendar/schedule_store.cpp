#include "calendar/schedule_store.h"

#include <functional>

#include "mail/mail_store.h"
#include "store/lists/list_file.h"
#include "store/sjis.h"

const char kMsgBadDateTime[] = "日時が正しくありません";
const char kMsgEndBeforeStart[] = "終了が開始より前です";
const char kMsgScheduleNotStored[] = "予定を登録できませんでした";
const char kMsgScheduleNotChanged[] = "予定を変更できませんでした";

namespace {

ListLineBuilder ScheduleLineBuilder(const StoreContext&, int, const std::string&) {
    return [](const unsigned char* record, long, std::string* line) {
        *line = ScheduleListLine(DecodeScheduleRecord(record));
        return true;
    };
}

// Reads the schedule once, last record first, keeping the entries that select takes.
ScheduleRead ReadSchedule(const StoreContext& store,
                          const std::function<bool(const ScheduleRecord&)>& select) {
    ScheduleRead read;
    ListLoad load = LoadListFile(SchedulePath(store), [&](const unsigned char* record, long index,
                                                          std::string*) {
        ScheduleEntry entry;
        entry.record = DecodeScheduleRecord(record);
        if (select(entry.record)) {
            entry.index = index;
            entry.bytes.assign(reinterpret_cast<const char*>(record), kListRecordSize);
            read.entries.push_back(std::move(entry));
        }
        return false;
    });
    read.ok = load.ok;
    read.messages = load.messages;
    return read;
}

// The entry's record where it is now: at its old index when the bytes there are still its own,
// else the last record with its bytes; -1 when none has them.
long Locate(const ListEdit& list, const ScheduleEntry& was) {
    if (was.index >= 0 && was.index < list.Count() && list.RecordBytes(was.index) == was.bytes)
        return was.index;
    for (long i = list.Count() - 1; i >= 0; --i)
        if (list.RecordBytes(i) == was.bytes) return i;
    return -1;
}

}  // namespace

std::string ScheduleFolder(const StoreContext& store) { return store.UserFolder() + "\\sch"; }

std::string SchedulePath(const StoreContext& store) {
    return ListPath(store, ScheduleListKind(), ScheduleFolder(store));
}

ListKindHandlers ScheduleListKind() {
    ListKindHandlers h;
    h.listKind = kListSchedule;
    h.lineBuilder = ScheduleLineBuilder;
    return h;
}

ScheduleRead ScheduleListDay(const StoreContext& store, const CalendarDate& day) {
    const long key = DateKey(day);
    return ReadSchedule(store, [key](const ScheduleRecord& e) { return CoversDay(e, key); });
}

ScheduleRead ScheduleListAll(const StoreContext& store) {
    return ReadSchedule(store, [](const ScheduleRecord&) { return true; });
}

ScheduleRead ScheduleForMonth(const StoreContext& store, int year, int month) {
    CalendarDate first;
    first.year = year;
    first.month = month;
    CalendarDate last = first;
    last.day = DaysInMonth(year, month);
    const long a = DateKey(first), b = DateKey(last);
    return ReadSchedule(store, [a, b](const ScheduleRecord& e) { return Overlaps(e, a, b); });
}

ScheduleRead ScheduleForWeek(const StoreContext& store, const CalendarDate& sunday) {
    const long a = DateKey(sunday), b = DateKey(AddDays(sunday, 6));
    return ReadSchedule(store, [a, b](const ScheduleRecord& e) { return Overlaps(e, a, b); });
}

ScheduleCheck CheckScheduleInput(const ScheduleInput& input, char dateSeparator) {
    ScheduleCheck check;
    check.record.subject = CutSjis(input.subject, kScheduleSubjectMax);
    if (check.record.subject.empty()) {
        check.Fail(kMsgNoSubject);
        return check;
    }
    CalendarDate startDate, endDate;
    int startHours = 0, startMinutes = 0, endHours = 0, endMinutes = 0;
    if (!ParseDate(input.startDate, dateSeparator, &startDate) ||
        !ParseTime(input.startTime, &startHours, &startMinutes) ||
        !ParseDate(input.endDate, dateSeparator, &endDate) ||
        !ParseTime(input.endTime, &endHours, &endMinutes)) {
        check.Fail(kMsgBadDateTime);
        return check;
    }
    const long start = DayCount(startDate) * 1440L + startHours * 60 + startMinutes;
    const long end = DayCount(endDate) * 1440L + endHours * 60 + endMinutes;
    if (end < start) {
        check.Fail(kMsgEndBeforeStart);
        return check;
    }
    check.record.start = ToBrokenDownTime(startDate, startHours, startMinutes);
    check.record.end = ToBrokenDownTime(endDate, endHours, endMinutes);
    return check;
}

StoreResult ScheduleAdd(const StoreContext& store, const ScheduleRecord& entry) {
    StoreResult result;
    if (!AppendListRecord(EncodeScheduleRecord(entry), SchedulePath(store)))
        result.Fail(kMsgScheduleNotStored);
    return result;
}

StoreResult ScheduleChange(const StoreContext& store, const ScheduleEntry& was,
                           const ScheduleRecord& entry) {
    StoreResult result;
    ListEdit list(SchedulePath(store));
    const long at = list.Ready() ? Locate(list, was) : -1;
    if (at < 0) {
        result.Fail(list.Message().empty() ? std::string(kMsgScheduleNotChanged) : list.Message());
        return result;
    }
    PutScheduleFields(list.Record(at), entry);
    if (!list.Rewrite(at)) result.Fail(kMsgScheduleNotChanged);
    return result;
}

StoreResult ScheduleRemove(const StoreContext& store, const ScheduleEntry& was) {
    StoreResult result;
    ListEdit list(SchedulePath(store));
    if (!list.Ready()) {
        if (!list.Message().empty()) result.Fail(list.Message());
        return result;
    }
    const long at = Locate(list, was);
    if (at >= 0 && !list.Remove(at)) result.Fail(kMsgNotDeleted);
    return result;
}
