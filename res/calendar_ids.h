// Controls of the calendar window and the template of the schedule entry.
#pragma once

// The calendar window (MoxCale) and its grid (MoxCaleMonth), whose commands are these ids.
#define IDC_CALE_GRID 1203
#define IDC_CALE_LIST 1148
#define IDC_CALE_PREV_YEAR 1199   // <<
#define IDC_CALE_NEXT_YEAR 1200   // >>
#define IDC_CALE_PREV_MONTH 1201  // <
#define IDC_CALE_NEXT_MONTH 1202  // >
#define IDC_CALE_MONTH_VIEW 1204  // 月間
#define IDC_CALE_WEEK_VIEW 1205   // 週間
#define IDC_CALE_SCHEDULE 1206    // 予定
#define IDC_CALE_DEST 1228        // 行先

// The schedule entry; ｷｬﾝｾﾙ is IDC_DISCARD.
#define IDD_SCHEDULE 330
#define IDC_SCHED_SUBJECT 1301
#define IDC_SCHED_START_DATE 1302
#define IDC_SCHED_START_TIME 1303
#define IDC_SCHED_END_DATE 1304
#define IDC_SCHED_END_TIME 1305
#define IDC_SCHED_DELETE 1306
