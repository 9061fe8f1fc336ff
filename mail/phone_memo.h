// Reading one phone memo for its dialogs: the memo a user opened in the own received list, or
// one of a colleague's memos picked in the in/out board. Plain data out: the dialogs show it.
#pragma once
#include <string>

#include "mail/mail_store.h"

struct PhoneMemoShown {
    bool found = false;  // false: no phone memo there; the dialog keeps what it shows
    MailRecord record;   // the caller's name plain, the number as stored
    ItemBody body;       // the free text
};

// The phone memo at index of the folder's received list (with kListSent: of its sent list, the
// copy its sender keeps), with its body. With identity (the
// loaded line's), the memo is found by it even when the colleague's list has changed since it
// was loaded. Only a phone memo is ever shown: a record that has moved under a stale index may
// be a mail, and a colleague must not read another's (perhaps confidential) mail this way.
PhoneMemoShown ReadPhoneMemo(const StoreContext& store, const std::string& folder, long index,
                             const std::string* identity = nullptr,
                             int listKind = kListReceived);
