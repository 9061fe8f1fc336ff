#include "calendar/calendar_window.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/settings/keys.h"
#include "app/settings/local_user.h"
#include "board/board_dialogs.h"
#include "calendar/schedule_dialog.h"
#include "calendar/schedule_store.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "shell/window_classes.h"
#include "store/lists/list_view.h"

namespace {

constexpr int kMinWidth = 550, kMinHeight = 400;
// Posted by the calendar window to itself: a schedule read had something to tell.
constexpr UINT kMsgTellSchedule = WM_APP + 1;
// Sent to the grid: select the date that lParam points to; tell the selected date's key.
constexpr UINT kMsgSelectDate = WM_APP + 2;
constexpr UINT kMsgSelectedDate = WM_APP + 3;

const char kMsgNotYet[] = "もうちょっと待って下さいm(_ _)m";
const char* const kDayNames[7] = {"日", "月", "火", "水", "木", "金", "土"};
const COLORREF kHeaderColour = RGB(192, 192, 192);
const COLORREF kSelectedColour = RGB(255, 255, 128);
const COLORREF kSundayColour = RGB(255, 0, 0);
const COLORREF kSaturdayColour = RGB(0, 0, 255);

// ---- the calendar window's state ------------------------------------------------------------

struct CalendarState {
    std::vector<ScheduleEntry> listed;  // the entries of the list; a line's item data is its place
    bool listStale = true;              // the list does not show the selected day yet
    bool told = false;                  // a schedule message has been shown in this opening
    StoreResult toTell;                 // what the next kMsgTellSchedule shows
    bool weekView = false;
};

CalendarState* CalendarOf(HWND window) {
    return reinterpret_cast<CalendarState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// A damaged schedule would be told at every repaint, the box's own closing included: it is told
// once per opening of the window, after the drawing that read it, and the drawing shows what
// could be read.
void TellOnce(HWND calendar, const StoreResult& read) {
    CalendarState* state = CalendarOf(calendar);
    if (!state || read.messages.empty() || state->told) return;
    state->told = true;
    state->toTell = read;
    PostMessageA(calendar, kMsgTellSchedule, 0, 0);
}

// Fills the schedule list with entries, sorted by their lines.
void FillList(HWND calendar, const ScheduleRead& read) {
    CalendarState* state = CalendarOf(calendar);
    state->listed = read.entries;
    const std::vector<int> stops = ListTabStops(kListSchedule);
    SendDlgItemMessageA(calendar, IDC_CALE_LIST, LB_SETTABSTOPS, stops.size(),
                        reinterpret_cast<LPARAM>(stops.data()));
    // Drawn once when filled: a list that redraws its scroll bar at every line takes seconds for
    // a busy day.
    HWND list = GetDlgItem(calendar, IDC_CALE_LIST);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ListReset(calendar, IDC_CALE_LIST);
    for (size_t i = 0; i < state->listed.size(); ++i) {
        const LRESULT at = ListAddString(calendar, IDC_CALE_LIST, ScheduleListLine(state->listed[i].record));
        if (at >= 0) SendDlgItemMessageA(calendar, IDC_CALE_LIST, LB_SETITEMDATA, at, static_cast<LPARAM>(i));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    TellOnce(calendar, read);
}

void FillListDay(HWND calendar, const CalendarDate& day) {
    ScheduleRead read;
    {
        WaitCursor busy;
        read = ScheduleListDay(ClientStore(), day);
    }
    FillList(calendar, read);
    CalendarOf(calendar)->listStale = false;
}

void FillListAll(HWND calendar) {
    ScheduleRead read;
    {
        WaitCursor busy;
        read = ScheduleListAll(ClientStore());
    }
    FillList(calendar, read);
    CalendarOf(calendar)->listStale = false;
}

// ---- the grid --------------------------------------------------------------------------------

struct GridState {
    int view = IDC_CALE_MONTH_VIEW;
    CalendarDate selected;
    int row = 0, column = 0;  // of the selected date in the current view
    // Drawing state.
    MonthGrid grid;  // of the selected month
    int cellWidth = 1, cellHeight = 1;
    int x0 = 0, y0 = 50;
    HFONT headerFont = nullptr;
    HFONT entryFont = nullptr;
};

GridState* GridOf(HWND grid) {
    return reinterpret_cast<GridState*>(GetWindowLongPtrA(grid, GWLP_USERDATA));
}

bool IsWeek(const GridState* g) { return g->view == IDC_CALE_WEEK_VIEW; }

// Cell sizes from the client size; never 0, so that a minimised window's clicks and keys still
// divide by something.
void MeasureCells(HWND grid) {
    GridState* g = GridOf(grid);
    RECT r;
    GetClientRect(grid, &r);
    g->cellWidth = std::max(1, static_cast<int>((r.right - g->x0) / 7));
    g->cellHeight = std::max(1, static_cast<int>((r.bottom - g->y0) / (IsWeek(g) ? 7 : 6)));
}

// Recomputes the month of the selected date and its place in the view.
void Recompute(GridState* g) {
    g->grid = MonthGridOf(g->selected.year, g->selected.month);
    if (IsWeek(g)) {
        g->row = DayOfWeek(g->selected);
        g->column = 0;
    } else {
        const int cell = g->grid.CellOf(g->selected.day);
        g->row = cell / 7;
        g->column = cell % 7;
    }
}

// After a change of the selected date or the view: everything is drawn anew and the list
// follows the date.
void FullRedraw(HWND grid) {
    GridState* g = GridOf(grid);
    Recompute(g);
    if (CalendarState* state = CalendarOf(GetParent(grid))) state->listStale = true;
    InvalidateRect(grid, nullptr, TRUE);
}

RECT CellRect(const GridState* g, int row, int column) {
    RECT r;
    r.left = g->x0 + column * g->cellWidth;
    r.top = g->y0 + row * g->cellHeight;
    r.right = r.left + g->cellWidth;
    r.bottom = r.top + g->cellHeight;
    return r;
}

RECT WeekRowRect(const GridState* g, int row) {
    RECT r;
    r.left = g->x0;
    r.top = g->y0 + row * g->cellHeight;
    r.right = g->x0 + 7 * g->cellWidth;
    r.bottom = r.top + g->cellHeight;
    return r;
}

HFONT MakeHeaderFont() {
    LOGFONTA font = {};
    GetObjectA(GetStockObject(SYSTEM_FONT), sizeof font, &font);
    font.lfHeight *= 2;
    font.lfWidth *= 2;
    font.lfCharSet = SHIFTJIS_CHARSET;
    return CreateFontIndirectA(&font);
}

HFONT MakeEntryFont() {
    LOGFONTA font = {};
    GetObjectA(GetStockObject(ANSI_VAR_FONT), sizeof font, &font);
    font.lfCharSet = SHIFTJIS_CHARSET;
    return CreateFontIndirectA(&font);
}

COLORREF DayColour(HDC hdc, int dayOfWeek) {
    return dayOfWeek == 0 ? kSundayColour : dayOfWeek == 6 ? kSaturdayColour : GetTextColor(hdc);
}

void TextAt(HDC hdc, int x, int y, const std::string& text) {
    TextOutA(hdc, x, y, text.data(), static_cast<int>(text.size()));
}

void FillRectColour(HDC hdc, const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(hdc, &r, brush);
    DeleteObject(brush);
}

// The framed white cell, filled with the selected colour when it holds the selected day.
void DrawCell(HDC hdc, const RECT& r, bool selected) {
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(WHITE_BRUSH));
    HGDIOBJ oldPen = SelectObject(hdc, GetStockObject(BLACK_PEN));
    Rectangle(hdc, r.left, r.top, r.right + 1, r.bottom + 1);
    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
    if (selected) {
        RECT inside = {r.left + 1, r.top + 1, r.right, r.bottom};
        FillRectColour(hdc, inside, kSelectedColour);
    }
}

// The year and month over the grid, in the header font on the header colour; years in four
// digits ("1996年12月", "2000年 1月").
void DrawHeader(HDC hdc, const GridState* g, int width, int bandBottom, int year, int month) {
    RECT back = {0, 0, width, g->y0};
    FillRectColour(hdc, back, kHeaderColour);
    char text[32];
    std::snprintf(text, sizeof text, "%d年%2d月", year, month + 1);
    HGDIOBJ old = SelectObject(hdc, g->headerFont);
    SetBkColor(hdc, kHeaderColour);
    RECT band = {0, 5, width, bandBottom};
    DrawTextA(hdc, text, -1, &band, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    SelectObject(hdc, old);
}

// Entries are drawn in start order, so one day's entries stack the same way at every drawing.
void SortByStart(std::vector<ScheduleEntry>& entries) {
    auto minute = [](const BrokenDownTime& t) {
        return DateKey(t) * 1440L + t.hours * 60L + t.minutes;
    };
    std::stable_sort(entries.begin(), entries.end(), [&](const ScheduleEntry& a, const ScheduleEntry& b) {
        return minute(a.record.start) < minute(b.record.start);
    });
}

void DrawMonth(HWND grid, HDC hdc) {
    GridState* g = GridOf(grid);
    RECT client;
    GetClientRect(grid, &client);
    const int w = g->cellWidth;
    TEXTMETRICA metrics;
    GetTextMetricsA(hdc, &metrics);
    // The day names stand just above the grid; the header is centred in the band above them.
    DrawHeader(hdc, g, client.right, std::max(6L, g->y0 + 1 - metrics.tmHeight - 1L),
               g->selected.year, g->selected.month);
    SetBkMode(hdc, TRANSPARENT);
    const COLORREF text = GetTextColor(hdc);
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column) DrawCell(hdc, CellRect(g, row, column), false);
    for (int day = 1; day <= g->grid.days; ++day) {
        const int cell = g->grid.CellOf(day);
        const RECT r = CellRect(g, cell / 7, cell % 7);
        if (day == g->selected.day) DrawCell(hdc, r, true);
        SetTextColor(hdc, DayColour(hdc, cell % 7));
        TextAt(hdc, r.left + 1, r.top + 1, std::to_string(day));
        SetTextColor(hdc, text);
    }
    SetTextAlign(hdc, TA_CENTER | TA_BOTTOM);
    for (int column = 0; column < 7; ++column) {
        SetTextColor(hdc, DayColour(hdc, column));
        TextAt(hdc, g->x0 + column * w + w / 2 + 1, g->y0 + 1, kDayNames[column]);
        SetTextColor(hdc, text);
    }
    SetTextAlign(hdc, TA_LEFT | TA_TOP);

    HWND calendar = GetParent(grid);
    ScheduleRead read = ScheduleForMonth(ClientStore(), g->selected.year, g->selected.month);
    SortByStart(read.entries);
    // An entry that began before this month is shown on its first day; one day's entries stack
    // downwards, each word-wrapped, as far as the cell reaches.
    CalendarDate first = g->selected;
    first.day = 1;
    const long firstKey = DateKey(first);
    int used[32] = {};
    HGDIOBJ oldFont = SelectObject(hdc, g->entryFont);
    for (const ScheduleEntry& e : read.entries) {
        const int day = DateKey(e.record.start) < firstKey ? 1 : e.record.start.day;
        if (day < 1 || day > g->grid.days) continue;
        const int cell = g->grid.CellOf(day);
        const RECT r = CellRect(g, cell / 7, cell % 7);
        RECT box = {r.left + 18, r.top + 1 + used[day], r.right - 1, r.bottom};
        if (box.top >= box.bottom || box.left >= box.right) continue;
        RECT measure = box;
        DrawTextA(hdc, e.record.subject.c_str(), -1, &measure, DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
        DrawTextA(hdc, e.record.subject.c_str(), -1, &box, DT_WORDBREAK | DT_NOPREFIX);
        used[day] += std::max(1L, measure.bottom - measure.top);
    }
    SelectObject(hdc, oldFont);
    TellOnce(calendar, read);
    if (CalendarState* state = CalendarOf(calendar))
        if (state->listStale) FillListDay(calendar, g->selected);
}

void DrawWeek(HWND grid, HDC hdc) {
    GridState* g = GridOf(grid);
    RECT client;
    GetClientRect(grid, &client);
    const int h = g->cellHeight;
    const CalendarDate sunday = WeekSunday(g->selected);
    DrawHeader(hdc, g, client.right, g->y0, sunday.year, sunday.month);
    SetBkMode(hdc, TRANSPARENT);
    const COLORREF text = GetTextColor(hdc);
    for (int row = 0; row < 7; ++row) {
        const CalendarDate day = AddDays(sunday, row);
        const RECT r = WeekRowRect(g, row);
        DrawCell(hdc, r, false);
        if (day == g->selected) DrawCell(hdc, r, true);
        SetTextColor(hdc, DayColour(hdc, row));
        SetTextAlign(hdc, TA_RIGHT | TA_TOP);
        TextAt(hdc, g->x0 - 1, r.top + 1, kDayNames[row]);
        SetTextAlign(hdc, TA_LEFT | TA_TOP);
        TextAt(hdc, g->x0 + 1, r.top + 1, std::to_string(day.day));
        SetTextColor(hdc, text);
    }
    ScheduleRead read = ScheduleForWeek(ClientStore(), sunday);
    SortByStart(read.entries);
    // An entry that began before this week is shown on Sunday; one day's lines stack downwards
    // within the row.
    TEXTMETRICA metrics;
    GetTextMetricsA(hdc, &metrics);
    int used[7] = {};
    for (const ScheduleEntry& e : read.entries) {
        const long offset = DayCount(DateOf(e.record.start)) - DayCount(sunday);
        const int row = static_cast<int>(std::min(6L, std::max(0L, offset)));
        const RECT r = WeekRowRect(g, row);
        const std::string line = WeekEntryLine(e.record);
        RECT clip = {g->x0 + 33, r.top + 1, r.right - 1, r.bottom};
        ExtTextOutA(hdc, g->x0 + 33, h * row + g->y0 + 1 + used[row], ETO_CLIPPED, &clip,
                    line.data(), static_cast<UINT>(line.size()), nullptr);
        used[row] += metrics.tmHeight;
    }
    TellOnce(GetParent(grid), read);
}

// 行先 only for a day that exists, from today on; 予定 for any day that exists.
void EnableDayButtons(HWND grid) {
    const GridState* g = GridOf(grid);
    HWND calendar = GetParent(grid);
    const bool real = IsRealDate(g->selected);
    EnableWindow(GetDlgItem(calendar, IDC_CALE_DEST), real && DateKey(g->selected) >= DateKey(Today()));
    EnableWindow(GetDlgItem(calendar, IDC_CALE_SCHEDULE), real);
}

void GridOnPaint(HWND grid) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(grid, &ps);
    if (IsWeek(GridOf(grid)))
        DrawWeek(grid, hdc);
    else
        DrawMonth(grid, hdc);
    EndPaint(grid, &ps);
    EnableDayButtons(grid);
}

BOOL GridOnCreate(HWND grid, LPCREATESTRUCT) {
    GridState* g = new GridState;
    SetWindowLongPtrA(grid, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(g));
    g->selected = Today();
    g->headerFont = MakeHeaderFont();
    g->entryFont = MakeEntryFont();
    Recompute(g);
    return TRUE;
}

void GridOnSize(HWND grid, UINT, int, int) { MeasureCells(grid); }

void SelectDay(HWND grid, const CalendarDate& day, const RECT& oldArea, const RECT& newArea) {
    GridState* g = GridOf(grid);
    g->selected = day;
    Recompute(g);
    InvalidateRect(grid, &oldArea, TRUE);
    InvalidateRect(grid, &newArea, TRUE);
    FillListDay(GetParent(grid), day);
}

// Which day a click at (x, y) picks in the current view; false for a place that holds none.
bool DayAt(const GridState* g, int x, int y, CalendarDate* day, RECT* area) {
    if (y < g->y0) return false;
    const int column = (x - g->x0) / g->cellWidth;
    const int row = (y - g->y0) / g->cellHeight;
    if (IsWeek(g)) {
        if (row >= 7) return false;
        *day = AddDays(g->selected, row - DayOfWeek(g->selected));
        *area = WeekRowRect(g, row);
        return true;
    }
    if (x < g->x0 || column >= 7 || row >= 6) return false;
    const int d = g->grid.DayIn(row * 7 + column);
    if (!d) return false;
    *day = g->selected;
    day->day = d;
    *area = CellRect(g, row, column);
    return true;
}

RECT SelectedArea(const GridState* g) {
    return IsWeek(g) ? WeekRowRect(g, g->row) : CellRect(g, g->row, g->column);
}

void GridOnLButtonDown(HWND grid, BOOL doubleClick, int x, int y, UINT) {
    GridState* g = GridOf(grid);
    SetFocus(grid);
    CalendarDate day;
    RECT area;
    const bool onDay = DayAt(g, x, y, &day, &area);
    HWND calendar = GetParent(grid);
    if (doubleClick) {
        if (onDay) ShowNotice(calendar, kMsgNotYet);
        FillListAll(calendar);
        return;
    }
    if (!onDay) {
        MessageBeep(0);
        return;
    }
    SelectDay(grid, day, SelectedArea(g), area);
}

// A key is a click (Enter a double click) that the grid sends itself on the target cell or row.
void ClickCell(HWND grid, int cell, bool doubleClick = false) {
    const GridState* g = GridOf(grid);
    const RECT r = CellRect(g, cell / 7, cell % 7);
    SendMessageA(grid, doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, 0, MAKELPARAM(r.left, r.top));
}

void ClickRow(HWND grid, int row, bool doubleClick = false) {
    const GridState* g = GridOf(grid);
    SendMessageA(grid, doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, 0,
                 MAKELPARAM(g->cellWidth + g->x0, g->y0 + row * g->cellHeight));
}

void MoveTo(HWND grid, const CalendarDate& day) {
    GridOf(grid)->selected = day;
    FullRedraw(grid);
}

void MonthKey(HWND grid, UINT key) {
    const GridState* g = GridOf(grid);
    const int e = g->grid.CellOf(g->selected.day);
    constexpr int kCells = 42;
    switch (key) {
        case VK_LEFT: {
            const int target = (e - 1 + kCells) % kCells;
            if (g->grid.DayIn(target)) {
                ClickCell(grid, target);
            } else {
                CalendarDate last = AddMonths(g->selected, -1);
                last.day = DaysInMonth(last.year, last.month);
                MoveTo(grid, last);
            }
            break;
        }
        case VK_RIGHT: {
            const int target = e + 1;
            if (target < kCells && g->grid.DayIn(target)) {
                ClickCell(grid, target);
            } else {
                CalendarDate next = AddMonths(g->selected, 1);
                next.day = 1;
                MoveTo(grid, next);
            }
            break;
        }
        case VK_UP: ClickCell(grid, (e - 7 + kCells) % kCells); break;
        case VK_DOWN: ClickCell(grid, (e + 7) % kCells); break;
        case VK_RETURN: ClickCell(grid, e, true); break;
        default: ClickCell(grid, e); break;
    }
}

void WeekKey(HWND grid, UINT key) {
    const GridState* g = GridOf(grid);
    const int row = DayOfWeek(g->selected);
    switch (key) {
        case VK_UP:
            if (row == 0)
                MoveTo(grid, AddDays(g->selected, -1));
            else
                ClickRow(grid, row - 1);
            break;
        case VK_DOWN:
            if (row == 6)
                MoveTo(grid, AddDays(g->selected, 1));
            else
                ClickRow(grid, row + 1);
            break;
        case VK_RETURN: ClickRow(grid, row, true); break;
        default: ClickRow(grid, row); break;
    }
}

void GridOnKey(HWND grid, UINT key, BOOL down, int, UINT) {
    if (!down) return;
    if (key == VK_HOME) {
        MoveTo(grid, Today());
        return;
    }
    if (IsWeek(GridOf(grid)))
        WeekKey(grid, key);
    else
        MonthKey(grid, key);
}

// The in/out board entry for the selected day, then the whole calendar drawn anew.
void OpenDayEntry(HWND grid) {
    const GridState* g = GridOf(grid);
    EntryDate day;
    if (DateKey(g->selected) < DateKey(Today()) ||
        !MakeEntryDate(g->selected.year, g->selected.month + 1, g->selected.day, &day))
        return;
    HWND calendar = GetParent(grid);
    const LocalUser& user = CurrentUser();
    RunWhereaboutsEntry(calendar, EntryPerson{user.name, user.numberText}, &day, nullptr);
    if (!IsWindow(grid)) return;
    SetFocus(grid);
    SendMessageA(calendar, WM_COMMAND, static_cast<WPARAM>(g->view), 0);
}

void GridOnCommand(HWND grid, int id, HWND, UINT) {
    GridState* g = GridOf(grid);
    switch (id) {
        case IDC_CALE_PREV_YEAR: g->selected.year -= 1; break;
        case IDC_CALE_NEXT_YEAR: g->selected.year += 1; break;
        case IDC_CALE_PREV_MONTH: g->selected = AddMonths(g->selected, -1); break;
        case IDC_CALE_NEXT_MONTH: g->selected = AddMonths(g->selected, 1); break;
        case IDC_CALE_MONTH_VIEW:
            g->view = id;
            g->x0 = 0;
            g->y0 = 50;
            MeasureCells(grid);
            break;
        case IDC_CALE_WEEK_VIEW:
            g->view = id;
            g->x0 = 20;
            g->y0 = 30;
            MeasureCells(grid);
            break;
        case IDC_CALE_DEST: OpenDayEntry(grid); return;
        default: return;
    }
    FullRedraw(grid);
}

void GridOnNcDestroy(HWND grid) {
    GridState* g = GridOf(grid);
    if (g) {
        DeleteObject(g->headerFont);
        DeleteObject(g->entryFont);
    }
    delete g;
    SetWindowLongPtrA(grid, GWLP_USERDATA, 0);
}

UINT GridOnGetDlgCode(HWND, LPMSG) { return DLGC_WANTARROWS | DLGC_WANTALLKEYS; }

// ---- the calendar window ---------------------------------------------------------------------

HWND GridOfCalendar(HWND calendar) { return GetDlgItem(calendar, IDC_CALE_GRID); }

BOOL OnCreate(HWND window, LPCREATESTRUCT) {
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new CalendarState));
    CreateWindowExA(0, SubWindowClassOf(SubWindow::kCaleMonth).className, "",
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 10, 10, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_CALE_GRID)), AppInstance(), nullptr);
    CreateListBox(window, WS_VISIBLE | WS_TABSTOP | LBS_SORT, IDC_CALE_LIST);
    CreatePushButton(window, "終了", IDCANCEL);
    const DWORD button = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    CreateButton(window, "<<", button, IDC_CALE_PREV_YEAR);
    CreateButton(window, ">>", button, IDC_CALE_NEXT_YEAR);
    CreateButton(window, "<", button, IDC_CALE_PREV_MONTH);
    CreateButton(window, ">", button, IDC_CALE_NEXT_MONTH);
    CreateButton(window, "月間", button, IDC_CALE_MONTH_VIEW);
    CreateButton(window, "週間", button, IDC_CALE_WEEK_VIEW);
    CreateButton(window, "行先", button, IDC_CALE_DEST);
    CreateButton(window, "予定", button, IDC_CALE_SCHEDULE);
    PlaceSubWindowOrCentre(window, kSectionCale);
    return TRUE;
}

void Move(HWND window, int id, int x, int y, int width, int height) {
    MoveWindow(GetDlgItem(window, id), x, y, width, height, TRUE);
}

void OnSize(HWND window, UINT, int w, int h) {
    const CalendarState* state = CalendarOf(window);
    const int u = LineHeight(GetDlgItem(window, IDC_CALE_PREV_MONTH));
    const int x = w - 2 * u - 10;
    const int monthHeight = std::max(0, (h - 30) * 3 / 4);
    const int gridWidth = std::max(0, w - 2 * u - 30);
    Move(window, IDC_CALE_GRID, 10, 10, gridWidth, state->weekView ? std::max(0, h - 20) : monthHeight);
    Move(window, IDC_CALE_LIST, 10, monthHeight + 20, gridWidth, std::max(0, h - monthHeight - 30));
    Move(window, IDCANCEL, x, 10, 2 * u, u);
    Move(window, IDC_CALE_PREV_YEAR, x, 60, u, u);
    Move(window, IDC_CALE_NEXT_YEAR, x + u, 60, u, u);
    Move(window, IDC_CALE_PREV_MONTH, x, u + 60, u, u);
    Move(window, IDC_CALE_NEXT_MONTH, x + u, u + 60, u, u);
    Move(window, IDC_CALE_MONTH_VIEW, x, 3 * u + 60, 2 * u, u);
    Move(window, IDC_CALE_WEEK_VIEW, x, 4 * u + 60, 2 * u, u);
    Move(window, IDC_CALE_DEST, x, 6 * u + 60, 2 * u, u);
    Move(window, IDC_CALE_SCHEDULE, x, 7 * u + 60, 2 * u, u);
}

void Relayout(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    OnSize(window, SIZE_RESTORED, r.right, r.bottom);
}

void SwitchView(HWND window, int view) {
    CalendarState* state = CalendarOf(window);
    state->weekView = view == IDC_CALE_WEEK_VIEW;
    Relayout(window);
    ShowControl(window, IDC_CALE_LIST, !state->weekView);
    SendMessageA(GridOfCalendar(window), WM_COMMAND, static_cast<WPARAM>(view), 0);
    SetFocus(GridOfCalendar(window));
}

// 予定: the entry selected in the list, or a new one for the selected day; afterwards the list
// and the grid show the schedule as it is now.
void OnSchedule(HWND window) {
    CalendarState* state = CalendarOf(window);
    HWND grid = GridOfCalendar(window);
    const CalendarDate day = CalendarSelectedDate(window);
    const LRESULT line = ListSelection(window, IDC_CALE_LIST);
    ScheduleEntry editing;
    bool haveEntry = false;
    if (line >= 0 && !state->weekView) {
        const LRESULT at = SendDlgItemMessageA(window, IDC_CALE_LIST, LB_GETITEMDATA, line, 0);
        if (at >= 0 && static_cast<size_t>(at) < state->listed.size()) {
            editing = state->listed[static_cast<size_t>(at)];
            haveEntry = true;
        }
    }
    if (!haveEntry && !IsRealDate(day)) return;
    if (!RunScheduleDialog(window, day, haveEntry ? &editing : nullptr) || !IsWindow(window)) return;
    FillListDay(window, CalendarSelectedDate(window));
    InvalidateRect(grid, nullptr, TRUE);
    SetFocus(grid);
}

void OnCommand(HWND window, int id, HWND, UINT) {
    switch (id) {
        case IDC_CALE_PREV_YEAR:
        case IDC_CALE_NEXT_YEAR:
        case IDC_CALE_PREV_MONTH:
        case IDC_CALE_NEXT_MONTH:
        case IDC_CALE_DEST:
            SendMessageA(GridOfCalendar(window), WM_COMMAND, static_cast<WPARAM>(id), 0);
            break;
        case IDC_CALE_MONTH_VIEW:
        case IDC_CALE_WEEK_VIEW: SwitchView(window, id); break;
        case IDC_CALE_SCHEDULE: OnSchedule(window); break;
        case IDCANCEL: CloseSubWindow(window, kSectionCale); break;
    }
}

void OnGetMinMaxInfo(HWND, LPMINMAXINFO info) {
    info->ptMinTrackSize.x = kMinWidth;
    info->ptMinTrackSize.y = kMinHeight;
}

// A click beside the controls.
void OnLButtonDown(HWND, BOOL, int, int, UINT) { MessageBeep(0); }

void OnSetFocus(HWND window, HWND) { SetFocus(GridOfCalendar(window)); }

void OnActivate(HWND window, UINT state, HWND other, BOOL minimized) {
    if (state != WA_INACTIVE && minimized) RestoreAndBringForward(window);
    FORWARD_WM_ACTIVATE(window, state, other, minimized, DefWindowProcA);
}

void OnClose(HWND window) { CloseSubWindow(window, kSectionCale); }

void OnDestroy(HWND window) {
    if (SubWindowHandle(SubWindow::kCale) == window) SubWindowHandle(SubWindow::kCale) = nullptr;
}

void OnNcDestroy(HWND window) {
    delete CalendarOf(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

}  // namespace

LRESULT CALLBACK CalendarGridProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, GridOnCreate);
        HANDLE_MSG(window, WM_SIZE, GridOnSize);
        HANDLE_MSG(window, WM_LBUTTONDOWN, GridOnLButtonDown);
        HANDLE_MSG(window, WM_LBUTTONDBLCLK, GridOnLButtonDown);
        HANDLE_MSG(window, WM_KEYDOWN, GridOnKey);
        HANDLE_MSG(window, WM_COMMAND, GridOnCommand);
        HANDLE_MSG(window, WM_GETDLGCODE, GridOnGetDlgCode);
        HANDLE_MSG(window, WM_PAINT, GridOnPaint);
        HANDLE_MSG(window, WM_NCDESTROY, GridOnNcDestroy);
        case kMsgSelectDate:
            MoveTo(window, *reinterpret_cast<const CalendarDate*>(lParam));
            return 0;
        case kMsgSelectedDate: {
            const GridState* g = GridOf(window);
            return g ? DateKey(g->selected) : 0;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK CalendarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_SIZE, OnSize);
        HANDLE_MSG(window, WM_GETMINMAXINFO, OnGetMinMaxInfo);
        HANDLE_MSG(window, WM_LBUTTONDOWN, OnLButtonDown);
        HANDLE_MSG(window, WM_SETFOCUS, OnSetFocus);
        HANDLE_MSG(window, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_CLOSE, OnClose);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
        HANDLE_MSG(window, WM_NCDESTROY, OnNcDestroy);
        case kMsgTellSchedule:
            if (CalendarState* state = CalendarOf(window)) ShowMessages(state->toTell);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

CalendarDate CalendarSelectedDate(HWND calendar) {
    const long key = static_cast<long>(SendMessageA(GridOfCalendar(calendar), kMsgSelectedDate, 0, 0));
    CalendarDate date;
    date.year = static_cast<int>(key / 10000);
    date.month = static_cast<int>(key / 100 % 100) - 1;
    date.day = static_cast<int>(key % 100);
    return date;
}

void CalendarSelectDate(HWND calendar, const CalendarDate& date) {
    SendMessageA(GridOfCalendar(calendar), kMsgSelectDate, 0, reinterpret_cast<LPARAM>(&date));
}
