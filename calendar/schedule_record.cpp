#include "calendar/schedule_record.h"

#include <cstdio>
#include <cstring>

#include "store/names.h"

namespace sf = schedule_field;

std::string EncodeScheduleRecord(const ScheduleRecord& entry) {
    std::string record(kListRecordSize, '\0');
    PutScheduleFields(reinterpret_cast<unsigned char*>(&record[0]), entry);
    return record;
}

void PutScheduleFields(unsigned char* record, const ScheduleRecord& entry) {
    record[sf::kShiftFlag] = kShiftOrdinary;
    std::memset(record + sf::kSubject, 0, sf::kSubjectWidth);
    PutFieldText(record + sf::kSubject, kScheduleSubjectMax, entry.subject);
    ShiftText(reinterpret_cast<char*>(record + sf::kSubject), +1);
    EncodeBrokenDownTime(entry.start, record + sf::kStart);
    EncodeBrokenDownTime(entry.end, record + sf::kEnd);
}

ScheduleRecord DecodeScheduleRecord(const unsigned char in[kListRecordSize]) {
    ScheduleRecord entry;
    entry.shiftFlag = in[sf::kShiftFlag];
    const bool shifted = entry.shiftFlag == 2 || entry.shiftFlag == 3;
    entry.subject = FieldText(in + sf::kSubject, sf::kSubjectWidth, shifted ? -1 : 0);
    entry.start = DecodeBrokenDownTime(in + sf::kStart);
    entry.end = DecodeBrokenDownTime(in + sf::kEnd);
    return entry;
}

bool CoversDay(const ScheduleRecord& entry, long key) {
    return DateKey(entry.start) <= key && key <= DateKey(entry.end);
}

bool Overlaps(const ScheduleRecord& entry, long firstKey, long lastKey) {
    return DateKey(entry.start) <= lastKey && DateKey(entry.end) >= firstKey;
}

std::string ScheduleListLine(const ScheduleRecord& entry) {
    const BrokenDownTime& s = entry.start;
    const BrokenDownTime& e = entry.end;
    char text[96];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d ～ %04d/%02d/%02d %02d:%02d ",
                  s.year + 1900, s.month + 1, s.day, s.hours, s.minutes, e.year + 1900,
                  e.month + 1, e.day, e.hours, e.minutes);
    return text + entry.subject;
}

std::string WeekEntryLine(const ScheduleRecord& entry) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d ～ %02d:%02d ", entry.start.hours,
                  entry.start.minutes, entry.end.hours, entry.end.minutes);
    return text + entry.subject;
}
