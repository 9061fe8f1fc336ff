// The whereabouts record: one person's entry on the in/out board, the whole 256 bytes of bord.mox
// in the person's user folder and of each scheduled whereabouts file DST\yyyymmdd.mox. Anyone may
// write anyone's entry, so the record keeps who wrote it and when. Bytes the record does not name
// are kept as read when an entry is edited: a peer may use them. Also the entry dates, the board
// lines and the texts of the entry dialog built from records. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <string>

#include "store/lists/broken_time.h"

constexpr size_t kWhereaboutsSize = 256;

namespace bord_field {
constexpr size_t kName = 0, kNameWidth = 21;                 // at most 20 bytes of text
constexpr size_t kDestination = 21, kDestinationWidth = 41;  // at most 40 bytes
constexpr size_t kReturnHour = 75, kReturnMinute = 76;       // signed 8-bit
constexpr size_t kWriter = 78, kWriterWidth = 21;
constexpr size_t kWrittenYear = 100;                         // years since 1900, signed 16-bit
constexpr size_t kWrittenMonth = 102;                        // 0-11
constexpr size_t kWrittenDay = 103, kWrittenHour = 104, kWrittenMinute = 105, kWrittenSecond = 106;
constexpr size_t kArriveHour = 112, kArriveMinute = 113;     // 出社予定
constexpr size_t kLeaveHour = 115, kLeaveMinute = 116;       // 退社予定
constexpr size_t kNote = 128, kNoteWidth = 9;                // shown instead of the return time
}  // namespace bord_field

constexpr size_t kBordNameMax = 20;
constexpr size_t kDestinationMax = 40;
constexpr size_t kNoteMax = 8;
// The board shows this much of a destination.
constexpr size_t kBoardDestinationShown = 30;

struct WhereaboutsRecord {
    std::string name;
    std::string destination;
    int returnHour = 0, returnMinute = 0;
    std::string writer;
    BrokenDownTime written;  // seconds to years; weekday and the rest are not stored
    int arriveHour = 0, arriveMinute = 0;
    int leaveHour = 0, leaveMinute = 0;
    std::string note;
    // The record's bytes as read (all 0 for a new record): the bytes it does not name go back
    // unchanged.
    std::string stored = std::string(kWhereaboutsSize, '\0');
};

// Fields are read within their bounds; the byte fields as signed values.
WhereaboutsRecord DecodeWhereabouts(const unsigned char in[kWhereaboutsSize]);
// The stored bytes with every named field written over them (texts cut on a character boundary).
std::string EncodeWhereabouts(const WhereaboutsRecord& record);

// A zero-filled record holding only the person's name.
WhereaboutsRecord EmptyWhereabouts(const std::string& name);
// What the board shows for a person without a whole record.
extern const char kMsgNoWhereabouts[];  // "行き先データがありません"

// The day an entry is for: the fields of a broken-down local time (EntryDateFromTime copies all
// nine). Which file holds it depends on whether it is today.
using EntryDate = BrokenDownTime;
EntryDate EntryDateFromTime(const BrokenDownTime& time);
// year × 10000 + month × 100 + day with the full year, so that 1999-12-31 comes before
// 2000-01-01.
long DateKey(int yearsSince1900, int month0to11, int day);
long DateKey(const EntryDate& date);
bool SameDay(const EntryDate& a, const EntryDate& b);
// The scheduled whereabouts file of a day: "%04d%02d%02d.mox".
std::string ScheduledFileName(const EntryDate& date);
// A date from its parts; false when the day does not exist (weekday and day of year are filled).
bool MakeEntryDate(int year, int month1to12, int day, EntryDate* out);

// The board's header line and the lines of its people.
extern const char kBoardHeader[];  // "名前\t行先\t戻り時間\t出社予定\t退社予定\t記入日時\t記入者"
extern const char kBoardHeaderNumber[];  // "000"
std::string BoardLine(const WhereaboutsRecord& record);

// The entry dialog's title for a date: "%d年 %2d月 %2d日（%s）" with the full year.
std::string EntryDialogTitle(const EntryDate& date);
extern const char* const kWeekdayNames[7];  // "日曜" .. "土曜"

// An hour (max 23) or minute (max 59) typed into the dialog: half- or full-width digits, one or
// two of them. False for anything else.
bool ParseClockField(const std::string& text, int max, int* value);
extern const char kMsgBadClock[];  // "時刻が正しくありません"
