// The in/out board's dialogs: the entry of one person's whereabouts for one day (310), opened
// from the board window, the main window (for oneself) and the calendar (for a chosen day), and
// the personal destination list (320, command 105).
#pragma once
#include <windows.h>

#include <string>

#include "app/settings/local_user.h"
#include "board/whereabouts_record.h"

// The person whose entry the dialog edits.
struct EntryPerson {
    std::string name;        // shown, and stored in the record
    std::string numberText;  // "%03d": the person's user folder
};

// Dialog 310 for person on date (nullptr: today, taken when it opens; a due plan is moved in
// first). 1 when saved (also when the write failed: that was told), 0 when cancelled.
// *destination gets the record's destination after the dialog, saved or not.
int RunWhereaboutsEntry(HWND owner, const EntryPerson& person, const EntryDate* date,
                        std::string* destination);
// The main window's destination entry for oneself (launcher function 0, Rclk 0).
int RunOwnDestinationEntry(HWND owner, const LocalUser& user, std::string* destination);

// Dialog 320: the personal destination list, written only on OK.
int RunDestinationDialog(HWND owner);

// Moves the one selected entry of a multiple-selection list box one place up or down, wrapping
// at the ends, and keeps it selected; "選択されてません" or "複数選択はできません" otherwise. The
// settings dialog's board member page uses them too.
void MoveMemberUp(HWND dialog, int listControl);
void MoveMemberDown(HWND dialog, int listControl);
