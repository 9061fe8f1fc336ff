#include "calendar/calendar_date.h"

#include <cstdio>

namespace {

const int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

long DaysBeforeYear(long year) {
    const long y = year - 1;
    return 365 * y + y / 4 - y / 100 + y / 400;
}

// Full-width digits and separators are their half-width forms: the date as typed with the
// input method on reads the same.
std::string Narrow(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char a = static_cast<unsigned char>(text[i]);
        const unsigned char b = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (a == 0x82 && b >= 0x4F && b <= 0x58) {  // ０ to ９
            out += static_cast<char>('0' + (b - 0x4F));
            ++i;
        } else if (a == 0x81 && (b == 0x5E || b == 0x46 || b == 0x7C || b == 0x40)) {  // ／：－ and space
            out += b == 0x5E ? '/' : b == 0x46 ? ':' : b == 0x7C ? '-' : ' ';
            ++i;
        } else {
            out += static_cast<char>(a);
        }
    }
    size_t begin = out.find_first_not_of(' ');
    if (begin == std::string::npos) return std::string();
    return out.substr(begin, out.find_last_not_of(' ') - begin + 1);
}

// Splits text at separator into whole decimal numbers of the given digit counts (min to max).
bool Numbers(const std::string& text, char separator, int count, const int minDigits[],
             const int maxDigits[], int values[]) {
    size_t at = 0;
    for (int i = 0; i < count; ++i) {
        size_t end = i + 1 < count ? text.find(separator, at) : text.size();
        if (end == std::string::npos) return false;
        const std::string part = text.substr(at, end - at);
        if (static_cast<int>(part.size()) < minDigits[i] || static_cast<int>(part.size()) > maxDigits[i])
            return false;
        int value = 0;
        for (char c : part) {
            if (c < '0' || c > '9') return false;
            value = value * 10 + (c - '0');
        }
        values[i] = value;
        at = end + 1;
    }
    return true;
}

}  // namespace

bool operator==(const CalendarDate& a, const CalendarDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    switch (month) {
        case 1: return IsLeapYear(year) ? 29 : 28;
        case 3: case 5: case 8: case 10: return 30;
        case 0: case 2: case 4: case 6: case 7: case 9: case 11: return 31;
        default: return 0;
    }
}

bool IsRealDate(const CalendarDate& date) {
    return date.year >= 1 && date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

long DayCount(const CalendarDate& date) {
    const int month = date.month < 0 ? 0 : date.month > 11 ? 11 : date.month;
    long count = DaysBeforeYear(date.year) + kDaysBefore[month] + date.day - 1;
    if (IsLeapYear(date.year) && month >= 2) ++count;
    return count;
}

CalendarDate DateOfDayCount(long count) {
    CalendarDate date;
    long year = count / 366 + 1;  // never past the year of the count
    while (DaysBeforeYear(year + 1) <= count) ++year;
    date.year = static_cast<int>(year);
    long rest = count - DaysBeforeYear(year);
    date.month = 0;
    while (date.month < 11 && rest >= DaysInMonth(date.year, date.month))
        rest -= DaysInMonth(date.year, date.month++);
    date.day = static_cast<int>(rest) + 1;
    return date;
}

int DayOfWeek(const CalendarDate& date) { return static_cast<int>((DayCount(date) + 1) % 7); }

int DayOfYear(const CalendarDate& date) {
    return static_cast<int>(DayCount(date) - DaysBeforeYear(date.year));
}

int FirstWeekday(int day, int weekday) {
    const int k = (day - 1) % 7;
    return k > weekday ? weekday - k + 7 : weekday - k;
}

CalendarDate AddDays(const CalendarDate& date, long days) {
    return DateOfDayCount(DayCount(date) + days);
}

CalendarDate AddMonths(const CalendarDate& date, int months) {
    CalendarDate moved = date;
    const int total = date.year * 12 + date.month + months;
    moved.year = total / 12;
    moved.month = total % 12;
    return moved;
}

CalendarDate WeekSunday(const CalendarDate& date) {
    return DateOfDayCount(DayCount(date) - DayOfWeek(date));
}

long DateKey(const CalendarDate& date) { return DateKey(date.year - 1900, date.month, date.day); }

CalendarDate DateOf(const BrokenDownTime& time) {
    CalendarDate date;
    date.year = time.year + 1900;
    date.month = time.month;
    date.day = time.day;
    return date;
}

int MonthGrid::DayIn(int cell) const {
    const int day = cell - first + 1;
    return day >= 1 && day <= days ? day : 0;
}

MonthGrid MonthGridOf(int year, int month) {
    MonthGrid grid;
    CalendarDate first;
    first.year = year;
    first.month = month;
    grid.first = DayOfWeek(first);
    grid.days = DaysInMonth(year, month);
    return grid;
}

BrokenDownTime ToBrokenDownTime(const CalendarDate& date, int hours, int minutes) {
    BrokenDownTime t;
    t.seconds = 0;
    t.minutes = static_cast<int16_t>(minutes);
    t.hours = static_cast<int16_t>(hours);
    t.day = static_cast<int16_t>(date.day);
    t.month = static_cast<int16_t>(date.month);
    t.year = static_cast<int16_t>(date.year - 1900);
    t.weekday = static_cast<int16_t>(DayOfWeek(date));
    t.yearDay = static_cast<int16_t>(DayOfYear(date));
    t.daylight = 0;
    return t;
}

CalendarDate Today() { return DateOf(LocalTimeNow()); }

bool ParseDate(const std::string& text, char separator, CalendarDate* date) {
    static const int kMin[] = {4, 1, 1}, kMax[] = {4, 2, 2};
    int v[3];
    if (!Numbers(Narrow(text), separator, 3, kMin, kMax, v)) return false;
    CalendarDate parsed;
    parsed.year = v[0];
    parsed.month = v[1] - 1;
    parsed.day = v[2];
    // Years since 1900 are what the record stores, in 16 bits.
    if (parsed.year < 1900 || !IsRealDate(parsed)) return false;
    *date = parsed;
    return true;
}

bool ParseTime(const std::string& text, int* hours, int* minutes) {
    static const int kMin[] = {1, 2}, kMax[] = {2, 2};
    int v[2];
    if (!Numbers(Narrow(text), ':', 2, kMin, kMax, v) || v[0] > 23 || v[1] > 59) return false;
    *hours = v[0];
    *minutes = v[1];
    return true;
}

std::string FormatDate(const CalendarDate& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.year, date.month + 1, date.day);
    return text;
}

std::string FormatTime(int hours, int minutes) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", hours, minutes);
    return text;
}
