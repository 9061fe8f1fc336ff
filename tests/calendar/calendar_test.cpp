// The calendar window and the schedule entry driven as a user would, over the schedule file of
// the own user folder; moxctl and other clients writing the same schedule as separate processes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/settings/local_user.h"
#include "board/whereabouts_record.h"
#include "calendar/calendar_window.h"
#include "calendar/schedule_store.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "shell/window_classes.h"
#include "store/message_sink.h"
#include "tests/support/office.h"
#include "tests/support/window_driver.h"

namespace sf = schedule_field;

namespace {

// 山田太郎's own PC, signed in.
struct CalendarPc : TestOffice {
    CalendarPc() {
        Register("山田太郎", "yamada");
        PersonalPc(1);
        SetCurrentUserNumber(1);
        CurrentUser().name = "山田太郎";
    }
    std::string Schedule() const { return store.Path("001\\sch\\schlst.mox"); }
};

// The calendar window as the main window opens it, with a message loop until it is gone.
int RunCalendarWindow() {
    RegisterSubWindowClasses(AppInstance(), [](SubWindow which) -> WNDPROC {
        return which == SubWindow::kCale ? CalendarWindowProc
               : which == SubWindow::kCaleMonth ? CalendarGridProc : nullptr;
    });
    HWND window = CreateSubWindow(AppInstance(), SubWindow::kCale);
    if (!window) return 0;
    while (IsWindow(window)) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
    }
    return 1;
}

CalendarDate D(int year, int month1, int day) {
    CalendarDate d;
    d.year = year;
    d.month = month1 - 1;
    d.day = day;
    return d;
}

ScheduleRecord Entry(const std::string& subject, CalendarDate start, int sh, CalendarDate end, int eh) {
    ScheduleRecord e;
    e.subject = subject;
    e.start = ToBrokenDownTime(start, sh, 0);
    e.end = ToBrokenDownTime(end, eh, 0);
    return e;
}

HWND Grid(HWND w) { return GetDlgItem(w, IDC_CALE_GRID); }

// The month view's cell of a day of the selected month, in grid coordinates.
RECT DayCell(HWND w, const CalendarDate& day) {
    RECT client;
    GetClientRect(Grid(w), &client);
    const int cw = client.right / 7, ch = (client.bottom - 50) / 6;
    const int cell = MonthGridOf(day.year, day.month).CellOf(day.day);
    RECT r = {cell % 7 * cw, cell / 7 * ch + 50, 0, 0};
    r.right = r.left + cw;
    r.bottom = r.top + ch;
    return r;
}

void ClickGrid(HWND w, int x, int y) { PostMessageA(Grid(w), WM_LBUTTONDOWN, 0, MAKELPARAM(x, y)); }
void Key(HWND w, UINT key) { PostMessageA(Grid(w), WM_KEYDOWN, key, 0); }

bool Selected(HWND w, const CalendarDate& day) { return CalendarSelectedDate(w) == day; }

// Dark pixels where a cell's entries are written (right of its day number).
int EntryInk(HWND w, const RECT& cell) {
    SettlePainting(w);
    HDC dc = GetDC(Grid(w));
    int dark = 0;
    for (int y = cell.top + 2; y < cell.bottom - 1; ++y)
        for (int x = cell.left + 18; x < cell.right - 1; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            if (c != CLR_INVALID && GetRValue(c) + GetGValue(c) + GetBValue(c) < 300) ++dark;
        }
    ReleaseDC(Grid(w), dc);
    return dark;
}

// Pixels of the selected day's colour anywhere in the grid (every third one looked at).
int SelectedColourPixels(HWND w) {
    SettlePainting(w);
    RECT client;
    GetClientRect(Grid(w), &client);
    HDC dc = GetDC(Grid(w));
    int lit = 0;
    for (int y = 0; y < client.bottom; y += 3)
        for (int x = 0; x < client.right; x += 3)
            if (GetPixel(dc, x, y) == RGB(255, 255, 128)) ++lit;
    ReleaseDC(Grid(w), dc);
    return lit;
}

// A notice box (ShowMessage) of this process, if one shows within ms.
bool AnyBoxWithin(DWORD ms) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(50))
        for (HWND box : FindWindows("#32770"))
            if (box) return true;
    return false;
}

// Shows what the store logic says as the client does, in boxes to answer.
struct ClientMessageBoxes {
    MessageSink previous = SetMessageSink(ShowInMessageBox);
    ~ClientMessageBoxes() { SetMessageSink(previous); }
};

// The schedule file once the window has done its reading: every repaint opens it exclusively,
// and a read that meets such an open sees nothing.
std::string ScheduleSeenBy(HWND w, const CalendarPc& pc) {
    SettlePainting(w);
    return ReadRawFile(pc.Schedule());
}

std::string Shifted(std::string text) {
    ShiftBytes(text, +1);
    return text;
}

}  // namespace

TEST(CalendarWindow, MovesThroughDaysListsEntriesAndTellsADamagedScheduleOnce) {
    CalendarPc pc;
    ClientMessageBoxes boxes;
    CreateDirectoryA(pc.store.Path("001\\sch").c_str(), nullptr);
    WriteRawFile(pc.Schedule(), std::string(300, '\1'));
    const std::string schedule = EncodeScheduleRecord(Entry("出張", D(1996, 11, 30), 10, D(1996, 12, 2), 12)) +
                                 EncodeScheduleRecord(Entry("忘年会", D(1996, 12, 25), 18, D(1996, 12, 25), 21)) +
                                 EncodeScheduleRecord(Entry("新年会", D(2000, 1, 1), 18, D(2000, 1, 1), 20));

    int shown = DriveModal(RunCalendarWindow, [&] {
        HWND w = WaitForWindow("MoxCale", "ミトカ");
        ASSERT_TRUE(w);
        // Told once, after the drawing; the next repaints ask nothing more.
        ExpectMessageBox(kMsgWrongFormat, MessageBoxSeen::kNone, IDOK);
        SettlePainting(w);
        EXPECT_FALSE(AnyBoxWithin(1500));
        EXPECT_TRUE(Selected(w, Today()));
        EXPECT_TRUE(IsEnabled(w, IDC_CALE_DEST));  // today

        WriteRawFile(pc.Schedule(), schedule);
        CalendarSelectDate(w, D(1996, 12, 25));
        EXPECT_TRUE(WaitFor([&] {
            return ListLines(w, IDC_CALE_LIST) ==
                   std::vector<std::string>{"1996/12/25 18:00 ～ 1996/12/25 21:00 忘年会"};
        }));
        EXPECT_FALSE(IsEnabled(w, IDC_CALE_DEST));  // a past day
        EXPECT_TRUE(IsEnabled(w, IDC_CALE_SCHEDULE));
        // The entry from 30 November stands on 1 December, the month's first day.
        EXPECT_GT(EntryInk(w, DayCell(w, D(1996, 12, 1))), 0);
        EXPECT_EQ(EntryInk(w, DayCell(w, D(1996, 12, 2))), 0);

        // A click lists the day; a click in the header band beeps and changes nothing.
        const RECT second = DayCell(w, D(1996, 12, 2));
        ClickGrid(w, second.left + 3, second.top + 3);
        EXPECT_TRUE(WaitFor([&] { return Selected(w, D(1996, 12, 2)); }));
        EXPECT_TRUE(WaitFor([&] {
            return ListLines(w, IDC_CALE_LIST) ==
                   std::vector<std::string>{"1996/11/30 10:00 ～ 1996/12/02 12:00 出張"};
        }));
        ClickGrid(w, 5, 10);
        Key(w, VK_RIGHT);  // after the click: the 3rd
        EXPECT_TRUE(WaitFor([&] { return Selected(w, D(1996, 12, 3)); }));

        // The week view: Up from Sunday 1 December is Saturday 30 November.
        CalendarSelectDate(w, D(1996, 12, 1));
        Click(w, IDC_CALE_WEEK_VIEW);
        EXPECT_TRUE(WaitFor([&] { return !IsShown(w, IDC_CALE_LIST); }));
        Key(w, VK_UP);
        EXPECT_TRUE(WaitFor([&] { return Selected(w, D(1996, 11, 30)); }));
        Key(w, VK_DOWN);
        EXPECT_TRUE(WaitFor([&] { return Selected(w, D(1996, 12, 1)); }));
        // The week of Sunday 26 December 1999 ends on 1 January 2000: its entry is in row 6.
        CalendarSelectDate(w, D(1999, 12, 29));
        RECT client;
        GetClientRect(Grid(w), &client);
        const int rowHeight = (client.bottom - 30) / 7;
        RECT row = {20 + 33, 30 + 6 * rowHeight, client.right - 20, 30 + 7 * rowHeight};
        EXPECT_GT(EntryInk(w, row), 0);
        row.top -= rowHeight;
        row.bottom -= rowHeight;
        EXPECT_EQ(EntryInk(w, row), 0);
        Click(w, IDC_CALE_MONTH_VIEW);
        EXPECT_TRUE(WaitFor([&] { return IsShown(w, IDC_CALE_LIST); }));

        // Minimised, the grid has no size: clicks and keys still find cells of at least a pixel.
        ShowWindow(w, SW_MINIMIZE);
        ClickGrid(w, 3, 60);
        Key(w, VK_DOWN);
        SettlePainting(w);
        ShowWindow(w, SW_RESTORE);
        ASSERT_TRUE(IsWindow(w));

        // ">" from 31 January: 31 February, which has no cell and no in/out entry.
        CalendarDate future = Today();
        future.year += 1;
        future.month = 0;
        future.day = 31;
        CalendarSelectDate(w, future);
        EXPECT_TRUE(WaitFor([&] { return IsEnabled(w, IDC_CALE_DEST); }));
        Click(w, IDC_CALE_NEXT_MONTH);
        future.month = 1;
        EXPECT_TRUE(WaitFor([&] { return Selected(w, future); }));
        EXPECT_TRUE(WaitFor([&] { return !IsEnabled(w, IDC_CALE_DEST) && !IsEnabled(w, IDC_CALE_SCHEDULE); }));
        EXPECT_EQ(SelectedColourPixels(w), 0);  // no cell lit
        Key(w, VK_HOME);
        EXPECT_TRUE(WaitFor([&] { return Selected(w, Today()); }));
        EXPECT_GT(SelectedColourPixels(w), 0);
        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
    EXPECT_EQ(shown, 1);
    EXPECT_NE(pc.User("001", "Right", "Cale"), "<none>");
}

TEST(CalendarWindow, DestinationForADayWritesItsBoardFile) {
    CalendarPc pc;
    const CalendarDate today = Today();
    const CalendarDate nextWeek = AddDays(today, 7);
    EntryDate later, now;
    ASSERT_TRUE(MakeEntryDate(nextWeek.year, nextWeek.month + 1, nextWeek.day, &later));
    ASSERT_TRUE(MakeEntryDate(today.year, today.month + 1, today.day, &now));

    DriveModal(RunCalendarWindow, [&] {
        HWND w = WaitForWindow("MoxCale", "ミトカ");
        ASSERT_TRUE(w);
        // Next week: the scheduled file in DST, written by this user.
        CalendarSelectDate(w, nextWeek);
        ASSERT_TRUE(WaitFor([&] { return IsEnabled(w, IDC_CALE_DEST); }));
        Click(w, IDC_CALE_DEST);
        HWND d = WaitForDialog(EntryDialogTitle(later));
        ASSERT_TRUE(d);
        SetText(d, IDC_ENTRY_DEST, "大阪支社");
        Click(d, IDOK);
        ASSERT_TRUE(WaitUntilGone(d));
        // Today: bord.mox.
        Key(w, VK_HOME);
        ASSERT_TRUE(WaitFor([&] { return Selected(w, today); }));
        Click(w, IDC_CALE_DEST);
        d = WaitForDialog(EntryDialogTitle(now));
        ASSERT_TRUE(d);
        SetText(d, IDC_ENTRY_DEST, "会議室");
        Click(d, IDOK);
        ASSERT_TRUE(WaitUntilGone(d));
        // Back in the grid, which is drawn anew.
        EXPECT_TRUE(WaitFor([&] {
            GUITHREADINFO gui = {};
            gui.cbSize = sizeof gui;
            return GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &gui) && gui.hwndFocus == Grid(w);
        }));
        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
    const std::string planned = ReadRawFile(pc.store.Path("001\\DST\\" + ScheduledFileName(later)));
    ASSERT_EQ(planned.size(), kWhereaboutsSize);
    const WhereaboutsRecord plan = DecodeWhereabouts(BytesOf(planned));
    EXPECT_EQ(plan.name, "山田太郎");
    EXPECT_EQ(plan.destination, "大阪支社");
    EXPECT_EQ(plan.writer, "山田太郎");
    const std::string current = ReadRawFile(pc.store.Path("001\\bord.mox"));
    ASSERT_EQ(current.size(), kWhereaboutsSize);
    EXPECT_EQ(DecodeWhereabouts(BytesOf(current)).destination, "会議室");
    EXPECT_FALSE(RawFileExists(pc.store.Path("001\\DST\\" + ScheduledFileName(now))));
}

TEST(ScheduleEntry, ChecksStoresChangesAndDeletesInPlace) {
    CalendarPc pc;
    ClientMessageBoxes boxes;
    const CalendarDate today = Today();
    const std::string day = FormatDate(today);
    // Another client's entry before ours.
    ASSERT_TRUE(ScheduleAdd(pc.store.As(1), Entry("他の予定", D(2030, 6, 15), 9, D(2030, 6, 15), 10)).ok);

    DriveModal(RunCalendarWindow, [&] {
        HWND w = WaitForWindow("MoxCale", "ミトカ");
        ASSERT_TRUE(w);
        Click(w, IDC_CALE_SCHEDULE);
        HWND d = WaitForDialog("ミトカ　予定");
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_SCHED_START_DATE), day);
        EXPECT_EQ(Text(d, IDC_SCHED_END_DATE), day);
        EXPECT_EQ(Text(d, IDC_SCHED_START_TIME), "09:00");
        EXPECT_EQ(Text(d, IDC_SCHED_END_TIME), "10:00");
        EXPECT_FALSE(IsShown(d, IDC_SCHED_DELETE));
        Click(d, IDOK);
        ExpectMessageBox("表題がありません", MessageBoxSeen::kWarning, IDOK);
        SetText(d, IDC_SCHED_SUBJECT, "打合せ");
        SetText(d, IDC_SCHED_START_DATE, day.substr(2));
        Click(d, IDOK);
        ExpectMessageBox("日時が正しくありません", MessageBoxSeen::kWarning, IDOK);
        SetText(d, IDC_SCHED_START_DATE, day);
        SetText(d, IDC_SCHED_END_TIME, "０８：３０");
        Click(d, IDOK);
        ExpectMessageBox("終了が開始より前です", MessageBoxSeen::kWarning, IDOK);
        SetText(d, IDC_SCHED_END_TIME, "１１：３０");
        Click(d, IDOK);
        ASSERT_TRUE(WaitUntilGone(d));
        const std::string line = day + " 09:00 ～ " + day + " 11:30 打合せ";
        EXPECT_TRUE(WaitFor([&] { return ListLines(w, IDC_CALE_LIST) == std::vector<std::string>{line}; }));
        std::string file = ScheduleSeenBy(w, pc);
        ASSERT_EQ(file.size(), 2 * kListRecordSize);
        const std::string ours = file.substr(kListRecordSize);
        EXPECT_EQ(ours, EncodeScheduleRecord(Entry("打合せ", today, 9, today, 11)).replace(sf::kEnd + 2, 1, 1, '\x1e'));
        EXPECT_EQ(ours.substr(sf::kSubject, 7), Shifted("打合せ") + '\0');

        // The selected line is the entry to change: 削除 is offered, the record changes in place.
        SelectLine(w, IDC_CALE_LIST, 0);
        Click(w, IDC_CALE_SCHEDULE);
        d = WaitForDialog("ミトカ　予定");
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_SCHED_SUBJECT), "打合せ");
        EXPECT_EQ(Text(d, IDC_SCHED_END_TIME), "11:30");
        EXPECT_TRUE(IsShown(d, IDC_SCHED_DELETE));
        // A subject typed past 75 bytes keeps 75, cut at a character.
        std::string long77(37, 'x');
        for (int i = 0; i < 20; ++i) long77 += "あ";
        SetText(d, IDC_SCHED_SUBJECT, long77);
        EXPECT_TRUE(WaitFor([&] { return Text(d, IDC_SCHED_SUBJECT) == long77.substr(0, 75); }));
        SetText(d, IDC_SCHED_SUBJECT, "打合せ（場所変更）");
        // Meanwhile the other client's entry goes: ours moves up and is found by its bytes.
        SettlePainting(w);
        WriteRawFile(pc.Schedule(), file.substr(kListRecordSize));
        Click(d, IDOK);
        ASSERT_TRUE(WaitUntilGone(d));
        file = ScheduleSeenBy(w, pc);
        ASSERT_EQ(file.size(), kListRecordSize);
        EXPECT_EQ(DecodeScheduleRecord(BytesOf(file)).subject, "打合せ（場所変更）");

        SelectLine(w, IDC_CALE_LIST, 0);
        Click(w, IDC_CALE_SCHEDULE);
        d = WaitForDialog("ミトカ　予定");
        ASSERT_TRUE(d);
        PostMessageA(d, WM_COMMAND, IDCANCEL, 0);  // the close box
        ExpectMessageBox("キャンセルしますか？", MessageBoxSeen::kQuestion, IDCANCEL);
        Click(d, IDC_SCHED_DELETE);
        ExpectMessageBox("削除しますか？", MessageBoxSeen::kQuestion, IDOK);
        ASSERT_TRUE(WaitUntilGone(d));
        EXPECT_TRUE(WaitFor([&] { return ListLines(w, IDC_CALE_LIST).empty(); }));
        EXPECT_EQ(ScheduleSeenBy(w, pc), "");
        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
}

TEST(ScheduleMoxctl, AddsWhatTheEntryAcceptsAndListsByText) {
    TempStore store;
    auto ctl = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"--netdir", store.Dir(), "--user", "1"});
        return RunMoxctl(args);
    };
    CreateDirectoryA(store.Path("001").c_str(), nullptr);
    // A missing folder is an empty schedule.
    ProcessResult none = ctl({"sched"});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(ctl({"sched-add", "--start", "1999-12-30 13:30", "--end", "2000-01-02 08:05", "--subject",
                   "年越し"}).exitCode, 0);
    EXPECT_EQ(ctl({"sched-add", "--start", "1996-12-31 23:00", "--end", "1996-12-31 01:00", "--subject",
                   "x"}).err, "終了が開始より前です\n");
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--start", "99-12-30 10:00", "--end", "1999-12-30 11:00", "--subject", "x"},
          {"--start", "2001-02-29 10:00", "--end", "2001-03-01 11:00", "--subject", "x"},
          {"--start", "2001-02-28 24:00", "--end", "2001-03-01 11:00", "--subject", "x"}}) {
        std::vector<std::string> args = bad;
        args.insert(args.begin(), "sched-add");
        ProcessResult refused = ctl(args);
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_EQ(refused.err, "日時が正しくありません\n");
    }
    EXPECT_EQ(ctl({"sched-add", "--start", "2000-01-05 09:00", "--end", "2000-01-05 10:00", "--subject", ""})
                  .exitCode, 2);
    ASSERT_EQ(ctl({"sched-add", "--start", "2000-01-01 09:00", "--end", "2000-01-01 10:00", "--subject",
                   "新年会"}).exitCode, 0);

    // The bytes at their offsets: flag 2, the subject shifted with its NUL, nine 16-bit fields.
    const std::string file = ReadRawFile(store.Path("001\\sch\\schlst.mox"));
    ASSERT_EQ(file.size(), 2 * kListRecordSize);
    const std::string r = file.substr(kListRecordSize);
    std::string expected(kListRecordSize, '\0');
    expected[2] = 2;
    expected.replace(76, 7, Shifted("新年会") + '\0');
    // 1 January 2000, a Saturday, day 0 of the year: 09:00 and 10:00.
    const unsigned char start[18] = {0, 0, 0, 0, 9, 0, 1, 0, 0, 0, 100, 0, 6, 0, 0, 0, 0, 0};
    expected.replace(152, 18, reinterpret_cast<const char*>(start), 18);
    expected.replace(170, 18, reinterpret_cast<const char*>(start), 18);
    expected[170 + 4] = 10;
    EXPECT_EQ(r, expected);

    ProcessResult all = ctl({"sched"});
    EXPECT_EQ(all.out, "1999/12/30 13:30 ～ 2000/01/02 08:05 年越し\n"
                       "2000/01/01 09:00 ～ 2000/01/01 10:00 新年会\n");
    EXPECT_EQ(ctl({"sched", "--day", "2000-01-02"}).out, "1999/12/30 13:30 ～ 2000/01/02 08:05 年越し\n");
    EXPECT_EQ(ctl({"sched", "--day", "2000-01-03"}).out, "");

    // A damaged schedule: the message and exit 1; a 0-byte one is empty and silent.
    WriteRawFile(store.Path("001\\sch\\schlst.mox"), file + "abc");
    ProcessResult damaged = ctl({"sched"});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_EQ(damaged.err, "ファイルの形式が違います\n");
    WriteRawFile(store.Path("001\\sch\\schlst.mox"), "");
    ProcessResult empty = ctl({"sched"});
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.err, "");
}

// Another client appending to the same schedule.
MOX_WORKER(add_entries) {
    const StoreContext store{args.at(0), 1};
    for (int i = 0; i < std::stoi(args.at(2)); ++i)
        if (!ScheduleAdd(store, Entry(args.at(1) + "-" + std::to_string(i), D(2030, 6, 15), 9,
                                      D(2030, 6, 15), 10)).ok)
            return 1;
    return 0;
}

TEST(CalendarAcrossProcesses, EntriesFromMoxctlAndOtherClientsMeetTheWindow) {
    CalendarPc pc;
    const CalendarDate today = Today();
    char when[32];
    std::snprintf(when, sizeof when, "%04d-%02d-%02d", today.year, today.month + 1, today.day);

    DriveModal(RunCalendarWindow, [&] {
        HWND w = WaitForWindow("MoxCale", "ミトカ");
        ASSERT_TRUE(w);
        const RECT cell = DayCell(w, today);
        EXPECT_EQ(EntryInk(w, cell), 0);
        // moxctl adds an entry for today: the next click on the day lists it and draws it.
        ProcessResult added = RunMoxctl({"--netdir", pc.store.Dir(), "--user", "1", "sched-add",
                                         "--start", std::string(when) + " 15:00", "--end",
                                         std::string(when) + " 16:00", "--subject", "来客"});
        ASSERT_EQ(added.exitCode, 0) << added.err;
        ClickGrid(w, cell.left + 2, cell.top + 2);
        const std::string line = FormatDate(today) + " 15:00 ～ " + FormatDate(today) + " 16:00 来客";
        EXPECT_TRUE(WaitFor([&] { return ListLines(w, IDC_CALE_LIST) == std::vector<std::string>{line}; }));
        EXPECT_GT(EntryInk(w, cell), 0);

        // Two clients append 50 entries each while this one stores and deletes its own.
        Child one = StartWorker("add_entries", {pc.store.Dir(), "w1", "50"});
        Child two = StartWorker("add_entries", {pc.store.Dir(), "w2", "50"});
        for (int round = 0; round < 3; ++round) {
            Click(w, IDC_CALE_SCHEDULE);
            HWND d = WaitForDialog("ミトカ　予定");
            ASSERT_TRUE(d);
            SetText(d, IDC_SCHED_SUBJECT, "A" + std::to_string(round));
            Click(d, IDOK);
            ASSERT_TRUE(WaitUntilGone(d));
            ASSERT_TRUE(WaitFor([&] { return ListLines(w, IDC_CALE_LIST).size() == 2; }));
            const std::vector<std::string> lines = ListLines(w, IDC_CALE_LIST);
            const int ours = lines[0].find(" A") != std::string::npos ? 0 : 1;
            SelectLine(w, IDC_CALE_LIST, ours);
            Click(w, IDC_CALE_SCHEDULE);
            d = WaitForDialog("ミトカ　予定");
            ASSERT_TRUE(d);
            Click(d, IDC_SCHED_DELETE);
            ExpectMessageBox("削除しますか？", MessageBoxSeen::kQuestion, IDOK);
            ASSERT_TRUE(WaitUntilGone(d));
            ASSERT_TRUE(WaitFor([&] { return ListLines(w, IDC_CALE_LIST).size() == 1; }));
        }
        EXPECT_EQ(WaitChild(one, nullptr), 0);
        EXPECT_EQ(WaitChild(two, nullptr), 0);
        EXPECT_FALSE(AnyBoxWithin(500));
        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
    EXPECT_TRUE(RecordedMessages().empty());
    const std::string file = ReadRawFile(pc.Schedule());
    ASSERT_EQ(file.size() % kListRecordSize, 0u);
    std::multiset<std::string> subjects;
    for (size_t at = 0; at < file.size(); at += kListRecordSize)
        subjects.insert(DecodeScheduleRecord(BytesOf(file) + at).subject);
    EXPECT_EQ(subjects.size(), 101u);
    EXPECT_EQ(subjects.count("来客"), 1u);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(subjects.count("w1-" + std::to_string(i)), 1u) << i;
        EXPECT_EQ(subjects.count("w2-" + std::to_string(i)), 1u) << i;
    }
}
