// Driving the client's real windows from a test: find a dialog or message box of a process,
// type into its edits, pick list lines, press its buttons, read what it shows, and capture it as
// a picture. Every wait is bounded: a window that never appears fails the test instead of
// hanging it. See tests/README.md for how a window test is written.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/window_classes.h"

// How long a test waits for a window to appear or go (generous: other Wine programs may be
// running on the same two cores).
constexpr DWORD kWindowWaitMs = 30000;

// The top-level window of class className (dialogs and message boxes: "#32770") with exactly
// this title, visible, in process pid (this process by default). Null after timeoutMs, with a
// test failure naming what was awaited.
HWND WaitForWindow(const char* className, const std::string& title, DWORD pid = 0,
                   DWORD timeoutMs = kWindowWaitMs);
// A dialog of this process (or pid) by its title.
HWND WaitForDialog(const std::string& title, DWORD pid = 0, DWORD timeoutMs = kWindowWaitMs);
// Every visible top-level window of class className in process pid (this process by default).
std::vector<HWND> FindWindows(const char* className, DWORD pid = 0);
// Waits until the window no longer exists (or is hidden); false after timeoutMs.
bool WaitUntilGone(HWND window, DWORD timeoutMs = kWindowWaitMs);

// A message box as the user sees it.
struct MessageBoxSeen {
    HWND box = nullptr;
    std::string caption;
    std::string text;  // byte for byte, Shift_JIS
    bool hasOk = false, hasCancel = false, hasYes = false, hasNo = false;
    enum Icon { kNone, kWarning, kQuestion, kError, kInformation, kOther } icon = kNone;
};
// The next message box (captioned "ミトカ" unless told otherwise) of this process (or pid).
// box is null after timeoutMs, with a test failure.
MessageBoxSeen WaitForMessageBox(DWORD pid = 0, const std::string& caption = "ミトカ",
                                 DWORD timeoutMs = kWindowWaitMs);
// Presses a button of a message box (IDOK, IDCANCEL, IDYES, IDNO) and waits until it is gone.
void Answer(const MessageBoxSeen& box, int button);
// Waits for a message box, checks its text byte for byte and its buttons and icon, answers it.
// Fails the test when any of them differ.
void ExpectMessageBox(const std::string& text, MessageBoxSeen::Icon icon, int answer,
                      DWORD pid = 0);

// Controls of a dialog. Typing sets the whole text (the edit notifies its dialog as after a
// keystroke). Clicking is what a mouse click does and fails the test on a hidden or disabled
// button, which a user could not press; the click is posted, so a message box that it opens
// does not block the test.
void SetText(HWND dialog, int control, const std::string& text);
std::string Text(HWND dialog, int control);
void Click(HWND dialog, int control);
std::vector<std::string> ListLines(HWND dialog, int control);
// Selects a list line as a click does (the dialog gets the selection change); in a
// multiple-selection list that line alone.
void SelectLine(HWND dialog, int control, int index);
// Adds a line to the selection of a multiple-selection list, as a click with Ctrl does.
void AddToSelection(HWND dialog, int control, int index);
// Picks a line of a drop-down list combo box as a user does (the dialog gets the change).
void SelectComboLine(HWND dialog, int control, int index);
// Double-clicks a list line: selects it and sends the dialog the double-click notice.
void DoubleClickLine(HWND dialog, int control, int index);
bool IsShown(HWND dialog, int control);
bool IsEnabled(HWND dialog, int control);
// Posts a command to a window, as a menu item does.
void PostCommand(HWND window, int command);
// In the platform's file-open dialog of this title (of this process), types the file's path
// into its name field and presses its open button, as a user picks a file.
void ChooseInFileDialog(const std::string& title, const std::string& path);

// Polls done() until it holds (a posted click has had its effect); false after timeoutMs.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = kWindowWaitMs);
// One sub-window as the main window opens it, without the main window: registers the class
// with procedure, creates the window and runs the message loop on this thread until it is gone.
// Returns 1, or 0 when the window could not be created.
int RunSubWindowHere(SubWindow which, WNDPROC procedure);

// Runs show() on this thread (it shows a modal dialog or window and returns when the window is
// gone) while drive() answers it from a second thread. When drive() returns and show() is still
// running, the test fails and every dialog and message box of this process is cancelled, so the
// test ends either way. Returns show()'s result.
int DriveModal(const std::function<int()>& show, const std::function<void()>& drive);

// Saves the window's current picture on screen as a PNG file; false when it cannot.
bool CaptureWindow(HWND window, const std::string& pngPath);
// Waits until the window has painted what it shows now.
void SettlePainting(HWND window);
