// The acting user's schedule: sch\schlst.mox of the own user folder, read for a day, a month, a
// week or whole, and written by the schedule entry (new entries appended, an entry changed or
// removed in place). Plain data in and out: the calendar window, moxctl and the tests call these
// and show the messages they return. A missing file or folder is an empty schedule.
#pragma once
#include <string>
#include <vector>

#include "calendar/calendar_date.h"
#include "calendar/schedule_record.h"
#include "store/lists/list_kinds.h"

extern const char kMsgBadDateTime[];        // "日時が正しくありません"
extern const char kMsgEndBeforeStart[];     // "終了が開始より前です"
extern const char kMsgScheduleNotStored[];  // "予定を登録できませんでした"
extern const char kMsgScheduleNotChanged[]; // "予定を変更できませんでした"

// "%03d\sch" of the acting user: the folder of the schedule.
std::string ScheduleFolder(const StoreContext& store);
std::string SchedulePath(const StoreContext& store);

// The handlers of list kind 6 for the shared list operations: the schedule list lines.
ListKindHandlers ScheduleListKind();

// One entry as read, with the record it came from: its index in the file and its 256 bytes, so
// that a change finds it even after other entries have moved it.
struct ScheduleEntry {
    long index = 0;
    std::string bytes;
    ScheduleRecord record;
};
// The entries selected, from the last record to the first. Not ok after a format or read error
// (kMsgWrongFormat, kMsgReadFailed), with the entries read until then.
struct ScheduleRead : StoreResult {
    std::vector<ScheduleEntry> entries;
};

// Every entry that covers the day.
ScheduleRead ScheduleListDay(const StoreContext& store, const CalendarDate& day);
// Every entry.
ScheduleRead ScheduleListAll(const StoreContext& store);
// Every entry that overlaps the month (month 0-11).
ScheduleRead ScheduleForMonth(const StoreContext& store, int year, int month);
// Every entry that overlaps the seven days from the Sunday to the Saturday after it (the real
// Saturday, in the next month or year when the week runs over).
ScheduleRead ScheduleForWeek(const StoreContext& store, const CalendarDate& sunday);

// What the schedule entry typed: subject, start and end date ("YYYY/MM/DD") and time ("HH:MM").
struct ScheduleInput {
    std::string subject;
    std::string startDate, startTime;
    std::string endDate, endTime;
};
// The entry's check: an empty subject gives "表題がありません"; a date or time that does not
// parse (ParseDate with dateSeparator, ParseTime) "日時が正しくありません"; an end before the
// start "終了が開始より前です". The subject is cut to 75 bytes at a character boundary.
struct ScheduleCheck : StoreResult {
    ScheduleRecord record;
};
ScheduleCheck CheckScheduleInput(const ScheduleInput& input, char dateSeparator = '/');

// Appends a new entry (the folder sch is made when missing).
StoreResult ScheduleAdd(const StoreContext& store, const ScheduleRecord& entry);
// Rewrites the entry read as `was` (its index and bytes) with the new fields, within one open of
// the list. An entry that is no longer there fails with kMsgScheduleNotChanged.
StoreResult ScheduleChange(const StoreContext& store, const ScheduleEntry& was,
                           const ScheduleRecord& entry);
// Removes the entry read as `was`; one that has gone already removes nothing.
StoreResult ScheduleRemove(const StoreContext& store, const ScheduleEntry& was);
