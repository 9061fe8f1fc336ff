// What every window and dialog of the client shares: placement and remembered rectangles, the
// child-control creators, line height, the raised frame, the fixed font, loading a text file
// into a control, the newest-first list offset and thin wrappers over control messages.
#pragma once
#include <windows.h>

#include <string>

#include "shell/window_math.h"

// The instance the client's resources and windows belong to (the exe's own by default).
void SetAppInstance(HINSTANCE instance);
HINSTANCE AppInstance();

// Moves the window to the middle of the desktop without resizing it or changing its z-order.
void CentreWindow(HWND window);
// The same over its owner window (the desktop when it has none), kept on the desktop.
void CentreOnOwner(HWND window);

// The rectangle kept in section of the per-user settings (defaults 0, 0, 400, 400).
WindowRectValues ReadWindowRect(const char* section);
// Writes Left, Top, Right and Bottom, in this order, as decimal text.
void SaveWindowRect(const char* section, const WindowRectValues& rect);
// Centres the window for an all-zero rectangle; otherwise moves and sizes it there, pulling a
// rectangle that starts beyond the desktop back to its left or top edge.
void PlaceWindow(HWND window, const WindowRectValues& rect);
// Restores a minimised window through the restore system command.
void RestoreIfMinimised(HWND window);
// A sub-window activated while minimised: restored and brought to the front.
void RestoreAndBringForward(HWND window);

// Sub-window life cycle: after creating its controls a sub-window moves to its remembered
// rectangle; on a close request it saves its restored rectangle and is destroyed.
void PlaceSubWindow(HWND window, const char* section);
// The same for windows that open centred on the screen, at the size they were created with,
// until a rectangle has been saved for them (memo, calendar).
void PlaceSubWindowOrCentre(HWND window, const char* section);
void CloseSubWindow(HWND window, const char* section);

// Child controls at (10, 10), 10 x 10 pixels, laid out later by their owner.
HWND CreatePushButton(HWND parent, const char* caption, int id);
HWND CreateButton(HWND parent, const char* caption, DWORD style, int id);
HWND CreateEdit(HWND parent, DWORD style, int id);
HWND CreateListBox(HWND parent, DWORD style, int id);
HWND CreateComboBox(HWND parent, DWORD style, int id);

// The height of one text line in the window's current font: (font height div 2) x 3, at least 20.
int LineHeight(HWND window);
// Two nested one-pixel frames inside the client area: white top and left, grey bottom and right.
void PaintRaisedFrame(HWND window);
// Draws `frames` nested raised frames on hdc inside rect (the calendar draws its own count).
void DrawRaisedFrames(HDC hdc, const RECT& rect, int frames);
// Gives a control the fixed-pitch system font, so the columns of message and mail text line up.
void SetFixedFont(HWND dialog, int control);

// Control 1138 of dialog shows the file at path (un-shifted for kinds 1, 2 and 3); a file that
// cannot be opened leaves it empty.
void LoadTextIntoControl(HWND dialog, const std::string& path, int kind);
// The record offset of the selected line of a newest-first list (an item must be selected).
long ReverseRecordOffset(HWND dialog, int listControl);

// Runs the modal dialog of a template; 0 also when the dialog could not be created, so a
// missing template never counts as an answer.
int RunDialog(int templateId, HWND owner, DLGPROC proc, LPARAM param);

// The text of a dialog control, cut to maxBytes at a character boundary: edit controls count
// their limit in characters, the store counts bytes.
std::string DialogText(HWND dialog, int control, size_t maxBytes);

// The platform's wait cursor while a window works on the store.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR previous_;
};

// Thin wrappers: each forwards to one control message or call and returns its result.
LRESULT ListAddString(HWND dialog, int control, const std::string& text);
LRESULT ListSelection(HWND dialog, int control);
LRESULT ListSelect(HWND dialog, int control, int index);
LRESULT ListSelectMulti(HWND dialog, int control, int index);
LRESULT ListIsSelected(HWND dialog, int control, int index);
LRESULT EditLimit(HWND dialog, int control, int maxChars);
LRESULT ListReset(HWND dialog, int control);
LRESULT ListCount(HWND dialog, int control);
LRESULT ListDelete(HWND dialog, int control, int index);
LRESULT ControlTextLength(HWND dialog, int control);
BOOL ShowControl(HWND dialog, int control, bool show);
BOOL EnableControl(HWND dialog, int control, bool enable);
LRESULT EditCut(HWND dialog, int control);
LRESULT EditCopy(HWND dialog, int control);
LRESULT EditPaste(HWND dialog, int control);
