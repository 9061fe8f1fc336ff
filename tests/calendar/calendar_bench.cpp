// Figures of the calendar under Wine (scripts/bench-calendar.sh): what one repaint of the month
// and the week view costs, in time and store file operations, with 0 to 10,000 schedule entries,
// and a Right key held across a month. A measurement, not a test.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "calendar/calendar_window.h"
#include "calendar/schedule_record.h"
#include "calendar/schedule_store.h"
#include "res/resource.h"
#include "shell/window_classes.h"
#include "store/store.h"
#include "store/tally.h"

namespace {

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

double Ms(LARGE_INTEGER a, LARGE_INTEGER b) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

// n entries over three years around the shown month, a tenth of them in it.
std::string Schedule(int n, const CalendarDate& shown) {
    std::string bytes;
    for (int i = 0; i < n; ++i) {
        CalendarDate day = shown;
        day.day = 1 + i % 28;
        if (i % 10) day = AddMonths(day, (i % 36) - 18 == 0 ? 1 : (i % 36) - 18);
        ScheduleRecord e;
        e.subject = "予定" + std::to_string(i);
        e.start = ToBrokenDownTime(day, 9 + i % 8, 0);
        e.end = ToBrokenDownTime(day, 10 + i % 8, 0);
        bytes += EncodeScheduleRecord(e);
    }
    return bytes;
}

void Repaints(HWND grid, const char* view, int n) {
    const int kRounds = 20;
    ResetTally();
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    for (int i = 0; i < kRounds; ++i) RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    QueryPerformanceCounter(&b);
    const StoreTally t = Tally();
    std::printf("%6d entries, %s view: %.2f ms per repaint, %.1f file operations, %.0f bytes read\n", n,
                view, Ms(a, b) / kRounds, static_cast<double>(t.Operations()) / kRounds,
                static_cast<double>(t.bytesRead) / kRounds);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: calendar_bench NETDIR\n");
        return 2;
    }
    LocalSettings().netDir = argv[1];
    SetCurrentUserNumber(1);
    CreateDirectoryA((std::string(argv[1]) + "\\001").c_str(), nullptr);
    CreateDirectoryA((std::string(argv[1]) + "\\001\\sch").c_str(), nullptr);
    const std::string path = std::string(argv[1]) + "\\001\\sch\\schlst.mox";
    RegisterSubWindowClasses(GetModuleHandleA(nullptr), [](SubWindow which) -> WNDPROC {
        return which == SubWindow::kCale ? CalendarWindowProc
               : which == SubWindow::kCaleMonth ? CalendarGridProc : nullptr;
    });
    CalendarDate first = Today();
    first.day = 1;
    for (int n : {0, 100, 1000, 10000}) {
        WriteStoreFile(path, Schedule(n, first));
        HWND window = CreateSubWindow(GetModuleHandleA(nullptr), SubWindow::kCale);
        HWND grid = GetDlgItem(window, IDC_CALE_GRID);
        Pump();
        CalendarSelectDate(window, first);
        Pump();
        Repaints(grid, "month", n);
        {
            LARGE_INTEGER r0, r1, r2;
            QueryPerformanceCounter(&r0);
            ScheduleRead day = ScheduleListDay(ClientStore(), first);
            QueryPerformanceCounter(&r1);
            ScheduleRead month = ScheduleForMonth(ClientStore(), first.year, first.month);
            QueryPerformanceCounter(&r2);
            std::printf("%6d entries, one read for the day: %.1f ms (%zu listed), for the month: %.1f ms "
                        "(%zu drawn)\n",
                        n, Ms(r0, r1), day.entries.size(), Ms(r1, r2), month.entries.size());
        }
        // A held Right key: one key-down after another across the month, each handled and painted.
        ResetTally();
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        const int days = DaysInMonth(first.year, first.month);
        double keyMs = 0, paintMs = 0;
        for (int i = 0; i < days; ++i) {
            LARGE_INTEGER k0, k1, k2;
            QueryPerformanceCounter(&k0);
            SendMessageA(grid, WM_KEYDOWN, VK_RIGHT, 0);
            QueryPerformanceCounter(&k1);
            UpdateWindow(grid);
            Pump();
            QueryPerformanceCounter(&k2);
            keyMs += Ms(k0, k1);
            paintMs += Ms(k1, k2);
        }
        QueryPerformanceCounter(&b);
        std::printf("%6d entries, Right held: %.0f ms in the keys (list refilled), %.0f ms painting\n", n,
                    keyMs, paintMs);
        std::printf("%6d entries, Right held over %d days: %.0f ms, %.1f file operations per key\n", n, days,
                    Ms(a, b), static_cast<double>(Tally().Operations()) / days);
        SendMessageA(window, WM_COMMAND, IDC_CALE_WEEK_VIEW, 0);
        Pump();
        Repaints(grid, "week ", n);
        DestroyWindow(window);
        Pump();
    }
    return 0;
}
