// The schedule entry (template 330, "ミトカ　予定"): a new entry for a day of the calendar, or an
// entry of the schedule list changed or deleted.
#pragma once
#include <windows.h>

#include "calendar/calendar_date.h"
#include "calendar/schedule_store.h"

// A new entry on date (09:00 to 10:00), or, with editing, that entry; 削除 is offered for an
// entry only. Non-zero when the schedule was written (stored, changed or deleted).
int RunScheduleDialog(HWND owner, const CalendarDate& date, const ScheduleEntry* editing);
