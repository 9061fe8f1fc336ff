// The client's message boxes, all captioned "ミトカ". The store logic never shows a box: what it
// has to say reaches the message sink, which in the client is ShowInMessageBox.
#pragma once
#include <windows.h>

#include <string>

// The client's message sink: a notice owned by the active window. A poll that fails again while
// such a box is open (its modal loop keeps the timer running) does not stack a second box on top.
void ShowInMessageBox(const std::string& text);
// A notice or error with an OK button and no icon.
void ShowNotice(HWND owner, const std::string& text);
// A failed check: OK button and the warning icon.
void ShowWarning(HWND owner, const std::string& text);
// A question with Yes and No and no icon; true for Yes.
bool AskYesNo(HWND owner, const std::string& text);
// A question with OK and Cancel and the question icon; true for OK.
bool AskOkCancel(HWND owner, const std::string& text);
