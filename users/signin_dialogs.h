// The dialogs that choose this PC's network directory and user and check passwords. Each runs
// modally, is centred when it opens and returns what the start-up sequence needs to go on.
#pragma once
#include <windows.h>

// First-run setup (template 800): network directory, then a name claimed from the import list,
// self-registration (210) or a shared PC. 1 when set up, 0 when cancelled.
int RunFirstRunDialog(HWND owner);
// Self-registration (template 210), opened from first-run setup. 1 when done, 0 when cancelled.
int RunSelfRegistrationDialog(HWND owner);
// Login (template 971): chooses the user for this run. 1 when signed in, 0 when cancelled.
int RunLoginDialog(HWND owner);
// Password check (template 400) against the signed-in user's password. 1 correct, 0 cancelled.
int RunPasswordCheckDialog(HWND owner);
// Password change (template 410). 1 when changed, 0 when cancelled.
int RunPasswordChangeDialog(HWND owner);
// User picker (template 973): writes the chosen NameNumber for the next start. Always 0.
int RunUserPickerDialog(HWND owner);
