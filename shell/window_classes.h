// The client's window classes: the main class `Mox`, registered at start-up, and the table of
// sub-window classes that the main window registers once sign-in has passed. Each sub-window
// class has at most one window at a time; its handle is kept here for the whole run.
#pragma once
#include <windows.h>

enum class SubWindow { kChat, kMemo, kBbs, kRcvList, kSndList, kBord, kCale, kCaleMonth, kMsg };
constexpr int kSubWindowCount = 9;

struct SubWindowClass {
    SubWindow which;
    const char* className;
    UINT style;
    int iconId;      // 0: no icon
    int width;       // size at creation; 0 for a child created by its parent window
    int height;
    int extraBytes;  // window extra bytes
};

// In registration order.
extern const SubWindowClass kSubWindowClasses[kSubWindowCount];
const SubWindowClass& SubWindowClassOf(SubWindow which);

// Registers the main class: no class style, icon 120, black background, the menu bar 130, no
// cursor (the main window sets its own). False when the platform refuses.
bool RegisterMainWindowClass(HINSTANCE instance, WNDPROC procedure);

// Registers the sub-window classes in the table's order, each with the procedure procedureFor
// returns for it (arrow cursor, light grey background). A class without a procedure is skipped.
// False when a registration fails.
bool RegisterSubWindowClasses(HINSTANCE instance, WNDPROC (*procedureFor)(SubWindow));

// Creates the top-level window of a sub-window class: title "ミトカ", popup overlapped window
// at (0, 0) in the table's size, no owner, shown and painted at once; the window then moves
// itself to its remembered rectangle. The handle is kept in SubWindowHandle.
HWND CreateSubWindow(HINSTANCE instance, SubWindow which);

// Sent by the main window to an open sub-window when a poll found news for it (new mail for
// the received list). A window that is the active one already gets no activation from being
// brought up, so it would otherwise go on showing what it had.
constexpr UINT kMsgNewsArrived = WM_APP + 1;

// The open window of a class, or null. A window clears its own when it is destroyed.
HWND& SubWindowHandle(SubWindow which);
