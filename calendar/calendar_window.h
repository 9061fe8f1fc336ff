// The calendar window (class MoxCale): the local user's schedule in a month grid or a week list
// (the child of class MoxCaleMonth), the entries of the chosen day below the month grid, and
// the buttons that move through years and months, switch views, enter schedules (予定) and open
// the in/out board entry for a chosen day (行先).
#pragma once
#include <windows.h>

#include "calendar/calendar_date.h"

LRESULT CALLBACK CalendarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CalendarGridProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The day the grid of a calendar window has selected; selecting a day redraws the calendar as
// Home does for today. Both may be called from any thread (tests, the screenshot tour).
CalendarDate CalendarSelectedDate(HWND calendar);
void CalendarSelectDate(HWND calendar, const CalendarDate& date);
