// The calendar's date rules: leap years, month lengths, days of the week, the month grid, the
// week from its Sunday, the date key by which schedules are compared with days, and the typed
// dates and times of the schedule entry. Pure logic: no windows.h.
#pragma once
#include <string>

#include "board/whereabouts_record.h"  // DateKey of a broken-down time, EntryDate
#include "store/lists/broken_time.h"

// A day of the calendar: the full year (1996, 2000), month 0-11, day of month. A day past the
// month's end (31 February after ">" from 31 January) is held as it is; IsRealDate tells.
struct CalendarDate {
    int year = 1900;
    int month = 0;
    int day = 1;
};
bool operator==(const CalendarDate& a, const CalendarDate& b);
inline bool operator!=(const CalendarDate& a, const CalendarDate& b) { return !(a == b); }

bool IsLeapYear(int year);
// 28 to 31; 0 for a month number outside 0-11.
int DaysInMonth(int year, int month);
bool IsRealDate(const CalendarDate& date);

// Days from 1 January of year 1 of the Gregorian calendar (that day counts 0). A day past the
// month's end counts on into the next month.
long DayCount(const CalendarDate& date);
// The real date of a day count.
CalendarDate DateOfDayCount(long count);
// 0 = Sunday.
int DayOfWeek(const CalendarDate& date);
// 0 for 1 January.
int DayOfYear(const CalendarDate& date);
// The day of week of the first of the month, from a day of it whose day of week is known.
int FirstWeekday(int day, int weekday);

// date moved by days, a real date.
CalendarDate AddDays(const CalendarDate& date, long days);
// The month moved by months (the year follows); the day stays, even where the month is
// shorter.
CalendarDate AddMonths(const CalendarDate& date, int months);
// The Sunday on or before the date (a day past the month's end counts as the real day it
// stands for).
CalendarDate WeekSunday(const CalendarDate& date);

// The board's date key (full year × 10000 + (month + 1) × 100 + day: 19961205 for 5 December
// 1996), by which the calendar compares days with each other and with schedule entries; times of
// day never count.
long DateKey(const CalendarDate& date);
CalendarDate DateOf(const BrokenDownTime& time);

// The grid of a month: 6 rows of 7 days, Sunday first. Day d lies in cell d + first - 1.
struct MonthGrid {
    int first = 0;  // day of week of the 1st
    int days = 0;   // days in the month
    int CellOf(int day) const { return day + first - 1; }
    // The day in a cell, or 0 when the cell holds none.
    int DayIn(int cell) const;
    int Rows() const { return (days + first + 6) / 7; }
};
MonthGrid MonthGridOf(int year, int month);

// The date as list records store times: seconds 0, the day of week and of the year by the rules
// above, no daylight saving.
BrokenDownTime ToBrokenDownTime(const CalendarDate& date, int hours, int minutes);

// Today, by this PC's clock.
CalendarDate Today();

// Typed dates and times, with half- or full-width digits (and separators): a date as four
// digits of year, separator, month, separator, day ("2026/12/07", "２０２６／１２／０７"); a
// time as hours, ":", minutes ("09:00", "9:00"). False for anything else, a two-digit year, a
// day that does not exist, hours above 23 or minutes above 59.
bool ParseDate(const std::string& text, char separator, CalendarDate* date);
bool ParseTime(const std::string& text, int* hours, int* minutes);
// "YYYY/MM/DD" and "HH:MM".
std::string FormatDate(const CalendarDate& date);
std::string FormatTime(int hours, int minutes);
