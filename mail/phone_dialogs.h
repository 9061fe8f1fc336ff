// The phone-memo dialogs: the entry dialog (900) where the colleague who took a call writes the
// memo, the phone-memo dialog (901) that shows one memo of the own received list, and a
// colleague's phone-memo list (981), opened from the in/out board.
#pragma once
#include <windows.h>

#include <string>

#include "store/lists/broken_time.h"
#include "store/lists/list_view.h"

// Where the entry dialog takes the call's time when it opens (the PC's local time).
using CallClock = BrokenDownTime (*)();

// The entry dialog, modal. The call's time is taken once, when it opens: the memo carries the
// moment the call came, not the moment it was sent. 1 when a memo was sent.
int OpenPhoneMemoEntry(HWND owner, CallClock clock = LocalTimeNow);
// The main window's command 107 and the launcher's 電話メモ.
int RunPhoneMemoEntry(HWND owner);

// Fills the read-only fields of a phone-memo dialog or a colleague's list with the memo at
// index of the folder's received list (or sent list, by listKind; found by identity when given)
// and its free text. False, and the fields as they were, when there is no such memo.
bool ShowPhoneMemo(HWND dialog, const std::string& folder, long index,
                   const std::string* identity = nullptr, int listKind = kListReceived);
// The phone-memo dialog for the item at index of the own received list (found by identity when
// given), modal. The received list marks the item opened before it calls this.
void ShowReceivedPhoneMemo(HWND owner, long index, const std::string* identity = nullptr);
// The same dialog for the sender's own copy in the sent list: "（受）" names the recipient, and
// nothing is marked.
void ShowSentPhoneMemo(HWND owner, long index, const std::string* identity = nullptr);
// The phone memos of the colleague whose user folder is userNumberText ("%03d"), modal.
// Reading them marks nothing opened: the colleague's "未読" marks and the senders' lists stay.
void ShowColleaguePhoneMemos(HWND owner, const std::string& userNumberText);

// The hook behind 電話: no telephone is dialled yet, and nothing changes. Returns 1.
int DialNumber(HWND window, const std::string& number);
