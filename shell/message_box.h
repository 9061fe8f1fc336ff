// The client's message boxes, all captioned "ミトカ". Window code shows what the store logic
// returned through these; the store logic itself never shows a box.
#pragma once
#include <windows.h>

#include <string>

// A notice or error with an OK button and no icon.
void ShowNotice(HWND owner, const std::string& text);
// A failed check: OK button and the warning icon.
void ShowWarning(HWND owner, const std::string& text);
// A question with Yes and No and no icon; true for Yes.
bool AskYesNo(HWND owner, const std::string& text);
// A question with OK and Cancel and the question icon; true for OK.
bool AskOkCancel(HWND owner, const std::string& text);
