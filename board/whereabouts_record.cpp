#include "board/whereabouts_record.h"

#include <cstdio>
#include <cstring>

#include "store/bytes.h"
#include "store/sjis.h"

namespace bf = bord_field;

const char kMsgNoWhereabouts[] = "行き先データがありません";
const char kBoardHeader[] = "名前\t行先\t戻り時間\t出社予定\t退社予定\t記入日時\t記入者";
const char kBoardHeaderNumber[] = "000";
const char* const kWeekdayNames[7] = {"日曜", "月曜", "火曜", "水曜", "木曜", "金曜", "土曜"};
const char kMsgBadClock[] = "時刻が正しくありません";

namespace {

int Signed8(unsigned char b) { return static_cast<signed char>(b); }

void PutText(unsigned char* record, size_t at, size_t width, const std::string& text) {
    std::memset(record + at, 0, width);
    PutFieldText(record + at, width - 1, text);
}

}  // namespace

WhereaboutsRecord DecodeWhereabouts(const unsigned char in[kWhereaboutsSize]) {
    WhereaboutsRecord r;
    r.stored.assign(reinterpret_cast<const char*>(in), kWhereaboutsSize);
    r.name = FieldText(in + bf::kName, bf::kNameWidth);
    r.destination = FieldText(in + bf::kDestination, bf::kDestinationWidth);
    r.returnHour = Signed8(in[bf::kReturnHour]);
    r.returnMinute = Signed8(in[bf::kReturnMinute]);
    r.writer = FieldText(in + bf::kWriter, bf::kWriterWidth);
    r.written.year = GetInt16(in + bf::kWrittenYear);
    r.written.month = Signed8(in[bf::kWrittenMonth]);
    r.written.day = Signed8(in[bf::kWrittenDay]);
    r.written.hours = Signed8(in[bf::kWrittenHour]);
    r.written.minutes = Signed8(in[bf::kWrittenMinute]);
    r.written.seconds = Signed8(in[bf::kWrittenSecond]);
    r.arriveHour = Signed8(in[bf::kArriveHour]);
    r.arriveMinute = Signed8(in[bf::kArriveMinute]);
    r.leaveHour = Signed8(in[bf::kLeaveHour]);
    r.leaveMinute = Signed8(in[bf::kLeaveMinute]);
    r.note = FieldText(in + bf::kNote, bf::kNoteWidth);
    return r;
}

std::string EncodeWhereabouts(const WhereaboutsRecord& r) {
    unsigned char out[kWhereaboutsSize] = {};
    std::memcpy(out, r.stored.data(), r.stored.size() < kWhereaboutsSize ? r.stored.size() : kWhereaboutsSize);
    PutText(out, bf::kName, bf::kNameWidth, r.name);
    PutText(out, bf::kDestination, bf::kDestinationWidth, r.destination);
    out[bf::kReturnHour] = static_cast<unsigned char>(r.returnHour);
    out[bf::kReturnMinute] = static_cast<unsigned char>(r.returnMinute);
    PutText(out, bf::kWriter, bf::kWriterWidth, r.writer);
    PutInt16(out + bf::kWrittenYear, r.written.year);
    out[bf::kWrittenMonth] = static_cast<unsigned char>(r.written.month);
    out[bf::kWrittenDay] = static_cast<unsigned char>(r.written.day);
    out[bf::kWrittenHour] = static_cast<unsigned char>(r.written.hours);
    out[bf::kWrittenMinute] = static_cast<unsigned char>(r.written.minutes);
    out[bf::kWrittenSecond] = static_cast<unsigned char>(r.written.seconds);
    out[bf::kArriveHour] = static_cast<unsigned char>(r.arriveHour);
    out[bf::kArriveMinute] = static_cast<unsigned char>(r.arriveMinute);
    out[bf::kLeaveHour] = static_cast<unsigned char>(r.leaveHour);
    out[bf::kLeaveMinute] = static_cast<unsigned char>(r.leaveMinute);
    PutText(out, bf::kNote, bf::kNoteWidth, r.note);
    return std::string(reinterpret_cast<const char*>(out), kWhereaboutsSize);
}

WhereaboutsRecord EmptyWhereabouts(const std::string& name) {
    WhereaboutsRecord r;
    r.name = CutSjis(name, kBordNameMax);
    return r;
}

EntryDate EntryDateFromTime(const BrokenDownTime& time) { return time; }

long DateKey(int yearsSince1900, int month0to11, int day) {
    return (static_cast<long>(yearsSince1900) + 1900) * 10000 + (month0to11 + 1) * 100L + day;
}

long DateKey(const EntryDate& date) { return DateKey(date.year, date.month, date.day); }

bool SameDay(const EntryDate& a, const EntryDate& b) { return DateKey(a) == DateKey(b); }

std::string ScheduledFileName(const EntryDate& date) {
    char name[32];
    std::snprintf(name, sizeof name, "%04d%02d%02d.mox", date.year + 1900, date.month + 1, date.day);
    return name;
}

namespace {

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysIn(int year, int month1to12) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month1to12 == 2 && IsLeap(year) ? 29 : kDays[month1to12 - 1];
}

}  // namespace

bool MakeEntryDate(int year, int month1to12, int day, EntryDate* out) {
    if (year < 1900 || year > 9999 || month1to12 < 1 || month1to12 > 12 || day < 1 ||
        day > DaysIn(year, month1to12))
        return false;
    EntryDate d;
    d.year = static_cast<int16_t>(year - 1900);
    d.month = static_cast<int16_t>(month1to12 - 1);
    d.day = static_cast<int16_t>(day);
    int yearDay = day - 1;
    for (int m = 1; m < month1to12; ++m) yearDay += DaysIn(year, m);
    d.yearDay = static_cast<int16_t>(yearDay);
    // Days since 1900-01-01, a Monday.
    long days = yearDay;
    for (int y = 1900; y < year; ++y) days += IsLeap(y) ? 366 : 365;
    d.weekday = static_cast<int16_t>((days + 1) % 7);
    *out = d;
    return true;
}

std::string BoardLine(const WhereaboutsRecord& r) {
    // A destination cut inside a double-byte character would show half a character, and its
    // lead byte would swallow the TAB after it: the cut goes before that character.
    const std::string destination = CutSjis(r.destination, kBoardDestinationShown);
    char buffer[512];
    const BrokenDownTime& w = r.written;
    if (r.note.empty()) {
        std::snprintf(buffer, sizeof buffer, "%s\t%s\t%2d時%2d分\t%2d時%2d分\t%2d時%2d分\t%2d/%2d %2d:%2d\t%s",
                      r.name.c_str(), destination.c_str(), r.returnHour, r.returnMinute,
                      r.arriveHour, r.arriveMinute, r.leaveHour, r.leaveMinute, w.month + 1, w.day,
                      w.hours, w.minutes, r.writer.c_str());
    } else {
        std::snprintf(buffer, sizeof buffer, "%s\t%s\t%s\t%2d時%2d分\t%2d時%2d分\t%2d/%2d %2d:%2d\t%s",
                      r.name.c_str(), destination.c_str(), r.note.c_str(), r.arriveHour,
                      r.arriveMinute, r.leaveHour, r.leaveMinute, w.month + 1, w.day, w.hours,
                      w.minutes, r.writer.c_str());
    }
    return buffer;
}

std::string EntryDialogTitle(const EntryDate& date) {
    char buffer[64];
    const int weekday = date.weekday >= 0 && date.weekday < 7 ? date.weekday : 0;
    std::snprintf(buffer, sizeof buffer, "%d年 %2d月 %2d日（%s）", date.year + 1900, date.month + 1,
                  date.day, kWeekdayNames[weekday]);
    return buffer;
}

bool ParseClockField(const std::string& text, int max, int* value) {
    int v = 0, digits = 0;
    for (size_t i = 0; i < text.size();) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        int digit;
        if (b >= '0' && b <= '9') {
            digit = b - '0';
            i += 1;
        } else if (b == 0x82 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= 0x4F &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x58) {
            // ０ to ９ in code page 932, as the IME types them.
            digit = static_cast<unsigned char>(text[i + 1]) - 0x4F;
            i += 2;
        } else {
            return false;
        }
        v = v * 10 + digit;
        if (++digits > 2) return false;
    }
    if (digits == 0 || v > max) return false;
    *value = v;
    return true;
}
