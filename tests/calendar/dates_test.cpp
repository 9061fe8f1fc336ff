// The calendar's date rules and the schedule record's selection and lines, as tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "calendar/calendar_date.h"
#include "calendar/schedule_record.h"

namespace {

CalendarDate D(int year, int month1, int day) {
    CalendarDate d;
    d.year = year;
    d.month = month1 - 1;
    d.day = day;
    return d;
}

ScheduleRecord Entry(CalendarDate start, int sh, int sm, CalendarDate end, int eh, int em) {
    ScheduleRecord e;
    e.subject = "会議";
    e.start = ToBrokenDownTime(start, sh, sm);
    e.end = ToBrokenDownTime(end, eh, em);
    return e;
}

}  // namespace

TEST(CalendarDates, MonthGridsWeeksAndKeys) {
    // December 1996 starts on a Sunday; the 25th is in row 3, column 3.
    const MonthGrid dec96 = MonthGridOf(1996, 11);
    EXPECT_EQ(dec96.first, 0);
    EXPECT_EQ(dec96.days, 31);
    EXPECT_EQ(dec96.CellOf(25) / 7, 3);
    EXPECT_EQ(dec96.CellOf(25) % 7, 3);
    EXPECT_EQ(dec96.DayIn(dec96.CellOf(25)), 25);
    EXPECT_EQ(dec96.DayIn(31), 0);  // the cell after the 31st holds no day
    EXPECT_EQ(FirstWeekday(25, DayOfWeek(D(1996, 12, 25))), 0);
    EXPECT_EQ(FirstWeekday(3, 2), 0);  // k greater than the day of week: plus 7

    struct { int year, month1, days; } lengths[] = {
        {2000, 2, 29}, {1900, 2, 28}, {1996, 2, 29}, {1997, 2, 28}, {1996, 4, 30}, {1996, 1, 31}};
    for (const auto& c : lengths) EXPECT_EQ(DaysInMonth(c.year, c.month1 - 1), c.days) << c.year;
    EXPECT_EQ(DaysInMonth(1996, 12), 0);
    // 31 days from a Saturday take six rows; 28 from a Sunday four.
    EXPECT_EQ(MonthGridOf(1997, 2).Rows(), 6);
    EXPECT_EQ(MonthGridOf(1998, 1).Rows(), 4);

    EXPECT_EQ(DateKey(D(1996, 12, 5)), 19961205);
    EXPECT_EQ(DateKey(D(2000, 1, 1)), 20000101);
    EXPECT_EQ(DateOfDayCount(DayCount(D(2000, 2, 29))), D(2000, 2, 29));
    EXPECT_EQ(AddDays(D(1999, 12, 31), 1), D(2000, 1, 1));
    EXPECT_EQ(AddDays(D(2000, 3, 1), -1), D(2000, 2, 29));
    // The week of Sunday 26 December 1999 ends on Saturday 1 January 2000.
    EXPECT_EQ(WeekSunday(D(1999, 12, 29)), D(1999, 12, 26));
    EXPECT_EQ(DateKey(AddDays(D(1999, 12, 26), 6)), 20000101);
    EXPECT_EQ(WeekSunday(D(1996, 12, 1)), D(1996, 12, 1));
    EXPECT_EQ(AddDays(D(1996, 12, 1), -1), D(1996, 11, 30));

    // ">" from 31 January keeps the day: 31 February, which is no real date.
    const CalendarDate feb31 = AddMonths(D(2001, 1, 31), 1);
    EXPECT_EQ(feb31, D(2001, 2, 31));
    EXPECT_FALSE(IsRealDate(feb31));
    EXPECT_EQ(AddMonths(D(2000, 1, 15), -1), D(1999, 12, 15));
    EXPECT_EQ(WeekSunday(feb31), D(2001, 2, 25));  // the week of 3 March

    const BrokenDownTime t = ToBrokenDownTime(D(1996, 12, 31), 23, 5);
    EXPECT_EQ(t.year, 96);
    EXPECT_EQ(t.month, 11);
    EXPECT_EQ(t.weekday, 2);  // Tuesday
    EXPECT_EQ(t.yearDay, 365);
    EXPECT_EQ(t.seconds, 0);
    EXPECT_EQ(t.daylight, 0);
}

TEST(CalendarDates, TypedDatesAndTimes) {
    CalendarDate d;
    EXPECT_TRUE(ParseDate("2000/02/29", '/', &d));
    EXPECT_EQ(d, D(2000, 2, 29));
    EXPECT_TRUE(ParseDate("２０２６／１２／０７", '/', &d));  // full-width
    EXPECT_EQ(d, D(2026, 12, 7));
    EXPECT_TRUE(ParseDate("2026-1-5", '-', &d));
    EXPECT_EQ(d, D(2026, 1, 5));
    for (const char* bad : {"1900/02/29", "00/01/05", "2001/02/31", "2001/13/01", "2001/1/", "", "2001/01/01x"})
        EXPECT_FALSE(ParseDate(bad, '/', &d)) << bad;
    int h = 0, m = 0;
    EXPECT_TRUE(ParseTime("9:05", &h, &m));
    EXPECT_EQ(h * 100 + m, 905);
    EXPECT_TRUE(ParseTime("２３：５９", &h, &m));
    EXPECT_EQ(h * 100 + m, 2359);
    for (const char* bad : {"24:00", "09:60", "0900", "9:5", ""}) EXPECT_FALSE(ParseTime(bad, &h, &m)) << bad;
    EXPECT_EQ(FormatDate(D(2000, 1, 5)), "2000/01/05");
    EXPECT_EQ(FormatTime(9, 0), "09:00");
}

TEST(ScheduleRecords, SelectionAndLines) {
    // 30 November to 2 December: listed on all three days, in both months.
    const ScheduleRecord span = Entry(D(1996, 11, 30), 10, 0, D(1996, 12, 2), 12, 0);
    for (long key : {19961130L, 19961201L, 19961202L}) EXPECT_TRUE(CoversDay(span, key)) << key;
    EXPECT_FALSE(CoversDay(span, 19961129));
    EXPECT_FALSE(CoversDay(span, 19961203));
    EXPECT_TRUE(Overlaps(span, 19961101, 19961130));
    EXPECT_TRUE(Overlaps(span, 19961201, 19961231));
    EXPECT_FALSE(Overlaps(span, 19961001, 19961031));
    // An end before the start is never listed; times of day do not count.
    const ScheduleRecord backwards = Entry(D(1996, 12, 5), 9, 0, D(1996, 12, 4), 9, 0);
    EXPECT_FALSE(CoversDay(backwards, 19961204));
    EXPECT_FALSE(CoversDay(backwards, 19961205));
    EXPECT_TRUE(CoversDay(Entry(D(1996, 12, 5), 23, 0, D(1996, 12, 5), 1, 0), 19961205));

    // Four-digit years: the sorted list runs across 2000 in date order.
    std::vector<std::string> lines = {
        ScheduleListLine(Entry(D(2000, 1, 5), 9, 0, D(2000, 1, 5), 10, 0)),
        ScheduleListLine(Entry(D(1999, 12, 30), 13, 30, D(2000, 1, 2), 8, 5))};
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines[0], "1999/12/30 13:30 ～ 2000/01/02 08:05 会議");
    EXPECT_EQ(lines[1], "2000/01/05 09:00 ～ 2000/01/05 10:00 会議");
    EXPECT_EQ(WeekEntryLine(span), "10:00 ～ 12:00 会議");

    // Read within the fields: a subject without its NUL ends at the field's end; a plain
    // subject (flag 0) is not shifted back.
    std::string record = EncodeScheduleRecord(span);
    for (size_t i = 76; i < 152; ++i) record[i] = 'b';
    record[2] = 2;
    EXPECT_EQ(DecodeScheduleRecord(BytesOf(record)).subject, std::string(76, 'a'));
    record[2] = 0;
    EXPECT_EQ(DecodeScheduleRecord(BytesOf(record)).subject, std::string(76, 'b'));
    EXPECT_EQ(DecodeScheduleRecord(BytesOf(record)).end, span.end);
}
