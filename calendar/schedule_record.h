// The schedule record of a user's schedule (sch\schlst.mox of the user folder): a use of the
// 256-byte list frame with a shift flag, a subject and the period of the entry. Only these
// fields mean anything; a record made here has every other byte 0. Every field is read within
// its bounds. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <string>

#include "calendar/calendar_date.h"
#include "store/lists/broken_time.h"
#include "store/lists/list_record.h"

namespace schedule_field {
constexpr size_t kShiftFlag = mail_field::kShiftFlag;  // 2 or 3: the subject is stored shifted
constexpr size_t kSubject = 76, kSubjectWidth = 76;    // NUL-terminated
constexpr size_t kStart = 152;                         // broken-down time, 18 bytes
constexpr size_t kEnd = 170;                           // broken-down time, 18 bytes
}  // namespace schedule_field

// The subject's text leaves room for its NUL.
constexpr size_t kScheduleSubjectMax = schedule_field::kSubjectWidth - 1;

struct ScheduleRecord {
    int shiftFlag = kShiftOrdinary;
    std::string subject;  // plain (the codec shifts it); at most 75 bytes
    BrokenDownTime start;
    BrokenDownTime end;
};

std::string EncodeScheduleRecord(const ScheduleRecord& entry);
ScheduleRecord DecodeScheduleRecord(const unsigned char in[kListRecordSize]);
// Writes the fields of entry into a record in place: the shift flag 2, the subject (its field
// cleared first), start and end. Bytes that no field names stay as a peer left them.
void PutScheduleFields(unsigned char* record, const ScheduleRecord& entry);

// Whether the entry covers the day of the key (start key ≤ key ≤ end key); times of day do
// not count.
bool CoversDay(const ScheduleRecord& entry, long key);
// Whether the entry overlaps the days from firstKey to lastKey.
bool Overlaps(const ScheduleRecord& entry, long firstKey, long lastKey);

// The line of the schedule list: "YYYY/MM/DD hh:mm ～ YYYY/MM/DD hh:mm subject", years in four
// digits so that the sorted list runs in date order across 2000.
std::string ScheduleListLine(const ScheduleRecord& entry);
// The line of the week view: "hh:mm ～ hh:mm subject".
std::string WeekEntryLine(const ScheduleRecord& entry);
